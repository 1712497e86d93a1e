#pragma once
// The computer keyboard's way into the note player: every key event of the program passes here
// once, at the window it arrived at, before any control sees it. Letters go to the player while
// "Use PC Keyboard to make sounds." is on; note keys are swallowed by "Music-keys are
// ineffective to another use."; an auto-repeat never restarts a held note. Held keys are
// released when the program loses the keyboard or a menu opens, so no note hangs.
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

namespace veka {

class TNotePlayer;

class TPcKeyboardFilter : public QObject {
    Q_OBJECT
public:
    TPcKeyboardFilter(TNotePlayer& player, std::function<bool()> enabled, std::function<bool()> swallow,
                      QObject* parent = nullptr);

    // X11 repeats a held key as a release and a press of the same time stamp, and the press may
    // reach the program only after the release was handled. On X11 a note key's release is
    // therefore held back this long: a press of the same time stamp within it was a repeat.
    // 0 (other platforms) ends the note at once.
    int RepeatWindowMs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FlushReleases();

    TNotePlayer& Player_;
    QTimer ReleaseTimer_;
    std::array<bool, 26> Pending_{};
    std::array<quint64, 26> PendingStamp_{};
    std::function<bool()> Enabled_;
    std::function<bool()> Swallow_;
};

}  // namespace veka
