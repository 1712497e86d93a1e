#pragma once
// TLEDPanel: the small activity lamp of a port (green) or of the MIDI input (red). A flash lights
// it fully and a 55 ms timer fades it back to its idle colour in five steps.
#include <QColor>
#include <QWidget>

#include "midi/lamp.h"

class QTimer;

namespace veka {

class TLEDPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLEDPanel(TLEDPanelKind kind, QWidget* parent = nullptr);

    TLEDPanelKind Kind() const { return Kind_; }
    // Full brightness now; a flash during a fade starts the fade again.
    void Flash();
    // One step of the fade: the timer's slot, public so tests can step the fade themselves.
    void Tick();
    bool FadeRunning() const { return Fade_.Running(); }
    // What the lamp shows now.
    QColor Colour() const;
    // Resting look set by the main window: an active port's lamp is green 0, 128, 0 (the red
    // lamp its idle red), an inactive one takes the window's background colour.
    void SetActive(bool active);
    bool Active() const { return Active_; }
    // The device of the port went away: the lamp is dark grey and crossed out, and does not
    // flash until it is back.
    void SetGone(bool gone);
    bool Gone() const { return Gone_; }
    const QTimer* Timer() const { return Timer_; }

    QSize sizeHint() const override { return {kSize, kSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kSize = 12;

    TLEDPanelKind Kind_;
    TLampFade Fade_;
    QTimer* Timer_;
    bool Active_ = true;
    bool Gone_ = false;
    // After a flash the lamp shows the fade's colour (ending at the idle colour) until the
    // main window sets its resting look again.
    bool ShowFade_ = false;
};

}  // namespace veka
