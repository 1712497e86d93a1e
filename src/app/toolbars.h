#pragma once
// The main window's two toolbars: the window and option buttons, each triggering its menu
// command, and the Sysx View bar with the last message sent (and its copy), the history button
// and the lamps of the four ports and the input.
#include <QString>
#include <array>

#include "app/app_texts.h"
#include "module/language.h"

class QLabel;
class QToolBar;
class QToolButton;

namespace veka {

class TLEDPanel;
class TTransmitter;
class TVekaMainForm;
struct TSettingsData;

class TToolbars {
public:
    // Adds the bars to the window; the buttons follow their commands' actions.
    TToolbars(TVekaMainForm& form, TSettingsData& data, TTransmitter& transmitter, TLanguage language);

    QToolButton* Button(TToolButton button) const { return Buttons_[size_t(button)]; }
    // Lamps 0 to 3 are the ports, 4 the input.
    TLEDPanel* Lamp(int index) const { return Lamps_[size_t(index)]; }
    void ShowActivePorts(int active);
    // Lamps 0..3 the ports' outputs, 4 the input: gone or there, named so in its tool tip.
    void ShowGone(int lamp, bool gone);
    QString HexText() const;
    void ShowHex(const QString& text);
    // The hex text to the clipboard, with or without F0 and F7 as the options say.
    void CopySysxText();
    // Captions under the icons, or the icons alone with the captions as tips.
    void SetButtonCaptions(bool on);
    // Locked while a transmission runs.
    void SetEnabled(bool enabled);

private:
    TVekaMainForm& Form_;
    TSettingsData& Data_;
    TTransmitter& Transmitter_;
    const TLanguage Language_;
    std::array<QToolButton*, size_t(TToolButton::Count)> Buttons_{};
    std::array<TLEDPanel*, 5> Lamps_{};
    QToolBar* WindowBar_ = nullptr;
    QToolBar* SysxBar_ = nullptr;
    QLabel* HexPanel_ = nullptr;
};

}  // namespace veka
