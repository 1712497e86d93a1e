#include "shell/app/pc_keyboard_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "shell/note_player.h"

namespace veka {

TPcKeyboardFilter::TPcKeyboardFilter(TNotePlayer& player, std::function<bool()> enabled,
                                     std::function<bool()> swallow, QObject* parent)
    : QObject(parent), Player_(player), Enabled_(std::move(enabled)), Swallow_(std::move(swallow)) {}

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
            // X11 repeats a held key as release and press pairs: they leave the note alone.
            if (!key->isAutoRepeat())
                noteKey = event->type() == QEvent::KeyPress ? Player_.KeyDown(letter, modifier)
                                                            : Player_.KeyUp(letter, modifier);
            // With a modifier the letter is a shortcut or a control's key, not music.
            return noteKey && !modifier && Swallow_();
        }
        case QEvent::ApplicationStateChange:
            // Another program took the keyboard: its key releases will never come here.
            if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
                Player_.ReleaseKeys();
            return false;
        case QEvent::Show:
            if (qobject_cast<QMenu*>(watched)) Player_.ReleaseKeys();  // a menu takes the keyboard
            return false;
        default:
            return false;
    }
}

}  // namespace veka
