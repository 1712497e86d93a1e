// The main window's note player: the computer keyboard's filter, the player's state kept in the
// settings, the keys a master keyboard plays shown on the keyboard window, and the drum windows
// following the notes played.
#include <QApplication>

#include "app/main_window.h"
#include "app/pc_keyboard_filter.h"
#include "app/managed_windows.h"
#include "app/shortcut_keys.h"
#include "app/status_area.h"

namespace veka {

void TVekaMainForm::ConnectNotePlayer() {
    TNotePlayer& player = Doc_->NotePlayer();
    player.SetVelocity(Doc_->TestNote().Velocity);
    player.OnError = [this](const std::exception& error) { StatusArea_->ShowHelp(QString::fromStdString(error.what())); };
    PlayerState_ = player.OnStateChanged.Subscribe([this] {
        Data_.PlayNoteBaseOct = Doc_->NotePlayer().Octave();
        Doc_->TestNote().Velocity = Doc_->NotePlayer().Velocity();  // the audition plays at the same velocity
    });
    PlayedNotes_ = player.OnNotePlayed.Subscribe([this](int port, int part, int note) {
        Windows_->ForEachEditor(nullptr, [&](IEditorWindow& editor) { editor.NotePlayed(port, part, note); });
    });
    // A master keyboard passed through shows its keys too.
    Doc_->Session().Router.OnKey = [this](int note, bool down) { Doc_->NotePlayer().OnKey(note, down); };
    KeyFilter_ = new TPcKeyboardFilter(
        player, [this] { return Data_.Option(TOption::PcKeyboard) && !Shortcuts_->DialogOpen(); },
        [this] { return Data_.Option(TOption::SwallowNoteKeys); }, this);
    qApp->installEventFilter(KeyFilter_);
}

}  // namespace veka
