#include "app/pc_keyboard_filter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "document/note_player.h"

namespace veka {

TPcKeyboardFilter::TPcKeyboardFilter(TNotePlayer& player, std::function<bool()> enabled,
                                     std::function<bool()> swallow, QObject* parent)
    : QObject(parent), Player_(player), Enabled_(std::move(enabled)), Swallow_(std::move(swallow)) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) RepeatWindowMs = 40;
    ReleaseTimer_.setSingleShot(true);
    connect(&ReleaseTimer_, &QTimer::timeout, this, &TPcKeyboardFilter::FlushReleases);
}

void TPcKeyboardFilter::FlushReleases() {
    for (size_t i = 0; i < Pending_.size(); ++i)
        if (Pending_[i]) {
            Pending_[i] = false;
            Player_.KeyUp(char('A' + i), false);
        }
}

bool TPcKeyboardFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // A key event reaches one window first and is then passed on to its widgets (and
            // their parents): taking it at the window sees every key exactly once.
            if (!watched->isWindowType()) return false;
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() < Qt::Key_A || key->key() > Qt::Key_Z) return false;
            const char letter = char('A' + (key->key() - Qt::Key_A));
            // A held note ends with its key, whatever was switched meanwhile; new notes need
            // the switch on and no open menu (a menu's letters choose its entries).
            const bool release = event->type() == QEvent::KeyRelease;
            if (!(release && Player_.Held(letter)) && (!Enabled_() || QApplication::activePopupWidget()))
                return false;
            const bool modifier = (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
            bool noteKey = NoteKeyOffset(letter) >= 0;
            const size_t index = size_t(letter - 'A');
            // X11 repeats a held key as release and press pairs: they leave the note alone.
            if (key->isAutoRepeat()) {
                // Qt saw the pair: nothing to do.
            } else if (release && noteKey && RepeatWindowMs > 0 && Player_.Held(letter)) {
                Pending_[index] = true;
                PendingStamp_[index] = key->timestamp();
                ReleaseTimer_.start(RepeatWindowMs);
            } else if (!release && Pending_[index] && key->timestamp() == PendingStamp_[index]) {
                Pending_[index] = false;  // the press of a repeat pair: the note sounds on
            } else {
                if (Pending_[index]) {  // pressed again quickly: the last press first ends
                    Pending_[index] = false;
                    Player_.KeyUp(letter, false);
                }
                noteKey = release ? Player_.KeyUp(letter, modifier) : Player_.KeyDown(letter, modifier);
            }
            // With a modifier the letter is a shortcut or a control's key, not music.
            return noteKey && !modifier && Swallow_();
        }
        case QEvent::ApplicationStateChange:
            // Another program took the keyboard: its key releases will never come here.
            if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive) {
                Pending_.fill(false);
                Player_.ReleaseKeys();
            }
            return false;
        case QEvent::Show:
            if (qobject_cast<QMenu*>(watched)) {  // a menu takes the keyboard
                Pending_.fill(false);
                Player_.ReleaseKeys();
            }
            return false;
        default:
            return false;
    }
}

}  // namespace veka
