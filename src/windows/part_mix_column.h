#pragma once
// Beside the part rows of the Part window: mute and solo of the song that plays, for the MIDI
// channel each part receives, and a light that shows the song's notes reaching it. The column
// follows the grid's rows as they scroll and as the font changes; mute and solo are the
// player's (they leave the image alone).
#include <QWidget>
#include <array>

#include "module/language.h"
#include "module/signal.h"

class QTimer;
class QToolButton;

namespace veka {

class ISongMix;
class TVGS;
class TVekaGrid;

class TPartMixColumn : public QWidget {
    Q_OBJECT
public:
    static constexpr int kParts = 16;
    // How long a light stays on after a note.
    static constexpr int kLightMs = 120;

    TPartMixColumn(ISongMix& mix, TVGS& image, TVekaGrid& grid, TLanguage language, QWidget* parent);

    // The port the rows are parts of; the channel each part receives is read from the image.
    void SetPort(int port);
    // The buttons from the player's mute and solo, the channels from the image.
    void Refresh();
    // Puts the buttons beside their rows (after a scroll, a resize, a new font).
    void FollowRows();

    QToolButton* MuteButton(int part) const { return Mute_[size_t((part - 1) & 15)]; }
    QToolButton* SoloButton(int part) const { return Solo_[size_t((part - 1) & 15)]; }
    bool Lit(int part) const { return LitAt_[size_t((part - 1) & 15)] > 0; }
    // The channel part 1..16 receives (0..15), or -1 when it receives none.
    int ChannelOf(int part) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NoteSounded(int port, int channel);
    void DimLights();
    QRect LightRect(int part) const;
    QString PartName(int part) const;

    ISongMix& Mix_;
    TVGS& Image_;
    TVekaGrid& Grid_;
    const TLanguage Language_;
    int Port_ = 0;
    std::array<QToolButton*, kParts> Mute_{}, Solo_{};
    std::array<qint64, kParts> LitAt_{};  // when each light went on (0: off)
    QTimer* Dimmer_ = nullptr;
    TSubscription MixChanges_, Notes_;
};

}  // namespace veka
