#pragma once
// The computer keyboard's way into the note player: every key event of the program passes here
// once, at the window it arrived at, before any control sees it. Letters go to the player while
// "Use PC Keyboard to make sounds." is on; note keys are swallowed by "Music-keys are
// ineffective to another use."; an auto-repeat never restarts a held note. Held keys are
// released when the program loses the keyboard or a menu opens, so no note hangs.
#include <QObject>
#include <functional>

namespace veka {

class TNotePlayer;

class TPcKeyboardFilter : public QObject {
    Q_OBJECT
public:
    TPcKeyboardFilter(TNotePlayer& player, std::function<bool()> enabled, std::function<bool()> swallow,
                      QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TNotePlayer& Player_;
    std::function<bool()> Enabled_;
    std::function<bool()> Swallow_;
};

}  // namespace veka
