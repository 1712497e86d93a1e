#include "app/shortcut_keys.h"

#include <QApplication>
#include <algorithm>
#include <QDir>

#include "app/hot_key_dialog.h"
#include <QMenuBar>

#include "app/main_window.h"
#include "app/other_seq_dialog.h"
#include "app/shortcut_code.h"
#include "app/x11_link.h"

namespace veka {

namespace {

const std::string kShortcutSection = "MenuShortCutKey";

// The shortcuts a Linux user expects where the settings hold none for the command.
int DefaultShortcut(TCommand command) {
    switch (command) {
        case TCommand::Open: return kShortcutCtrl | 'O';
        case TCommand::Save: return kShortcutCtrl | 'S';
        case TCommand::Exit: return kShortcutCtrl | 'Q';
        case TCommand::Undo: return kShortcutCtrl | 'Z';
        case TCommand::Redo: return kShortcutCtrl | kShortcutShift | 'Z';
        case TCommand::SendAll: return kShortcutCtrl | 'T';
        case TCommand::Panic: return kShortcutCtrl | kShortcutShift | 'P';
        case TCommand::SongPlay: return ' ';
        case TCommand::SongGoToBar: return kShortcutCtrl | 'G';
        default: return 0;
    }
}

QString GrabFailureText(TX11Link::TGrab result, TLanguage language) {
    const bool ja = language == TLanguage::Japanese;
    switch (result) {
        case TX11Link::TGrab::NoX11: return ja ? QStringLiteral("X11 が使えません") : QStringLiteral("X11 is not available");
        case TX11Link::TGrab::NoKey:
            return ja ? QStringLiteral("このｷｰﾎﾞｰﾄﾞには無いｷｰです") : QStringLiteral("this keyboard has no such key");
        case TX11Link::TGrab::Taken:
            return ja ? QStringLiteral("他のｱﾌﾟﾘｹｰｼｮﾝがこのｷｰを使っています。別のｷｰを選んでください")
                      : QStringLiteral("another program holds this key; choose another one");
        case TX11Link::TGrab::Done: break;
    }
    return {};
}

}  // namespace

TShortcutKeys::TShortcutKeys(TVekaMainForm& form) : Form_(form) {}
TShortcutKeys::~TShortcutKeys() = default;

void TShortcutKeys::StartLink() {
    X11_ = std::make_unique<TX11Link>();
    X11_->OnHotKey = [this] { HotKeyPressed(); };
    RegisterHotKey();
}

void TShortcutKeys::EndLink() { X11_.reset(); }

std::vector<TAssignableCommand> TShortcutKeys::AssignableCommands() {
    std::vector<TAssignableCommand> list;
    auto add = [&](TCommand c, const TCaption* menu = nullptr) { list.push_back({c, menu}); };
    add(TCommand::New);
    add(TCommand::Open);
    add(TCommand::Save);
    for (int c = int(TCommand::SaveAllData); c <= int(TCommand::SaveCustom); ++c) add(TCommand(c), &kMenuSaveAs);
    add(TCommand::ExportSmf);
    for (int c = int(TCommand::ExportSysxAll); c <= int(TCommand::ExportSysxInsertion); ++c)
        add(TCommand(c), &kMenuExportSysx);
    for (TCommand c : {TCommand::GetSetupMeasures, TCommand::ReplaceSetupMeasures, TCommand::AppendSetupMeasures,
                       TCommand::Exit, TCommand::Undo, TCommand::Redo, TCommand::Compare, TCommand::ClearUndoHistory})
        add(c);
    for (int c = int(TCommand::ViewPatch); c < int(TCommand::ViewDisplay); ++c) add(TCommand(c));
    add(TCommand::SendAll);
    add(TCommand::Panic);
    for (int c = int(TCommand::MidiPortSetup); c <= int(TCommand::SysxHistory); ++c) add(TCommand(c));
    for (TCommand c : {TCommand::MinimizeAll, TCommand::CloseAll, TCommand::ArrangeIcons, TCommand::HelpContents}) add(c);
    for (int c = int(TCommand::SongOpen); c <= int(TCommand::SongClearMix); ++c) add(TCommand(c), &kMenuSong);
    return list;
}

std::string TShortcutKeys::ShortcutKeyName(const TAssignableCommand& command) const {
    std::string name = Tr(CommandCaption(command.Command), Form_.Language()).toStdString();
    if (command.Menu) {
        name += '-';
        name += Tr(*command.Menu, Form_.Language()).toStdString();
    }
    return name;
}

int TShortcutKeys::ShortcutCode(TCommand command) const {
    const auto i = size_t(command);
    return i < Codes_.size() ? Codes_[i] : 0;
}

void TShortcutKeys::SetShortcutCode(TCommand command, int code) {
    // A code naming no key here (one of another keyboard) gives no shortcut but is kept, so
    // the settings give it back as they got it.
    Codes_[size_t(command)] = code;
    QList<QKeySequence> keys;
    if (const QKeySequence key = SequenceOfCode(code); !key.isEmpty()) keys.push_back(key);
    // Redo keeps the second key other programs use for it while it has its usual one.
    if (command == TCommand::Redo && code == DefaultShortcut(command)) keys.push_back(QKeySequence(Qt::CTRL | Qt::Key_Y));
    Form_.Action(command)->setShortcuts(keys);
}

void TShortcutKeys::Load() {
    const TIniDocument ini = Form_.Settings().Open();
    for (const TAssignableCommand& c : AssignableCommands()) {
        const std::string key = ShortcutKeyName(c);
        // A command the file does not name has its usual key; one stored as 0 has none.
        const int code = ini.HasKey(kShortcutSection, key) ? ini.ReadInteger(kShortcutSection, key, 0)
                                                           : DefaultShortcut(c.Command);
        SetShortcutCode(c.Command, code);
    }
}

void TShortcutKeys::Store(TIniDocument& ini) const {
    for (const TAssignableCommand& c : AssignableCommands())
        ini.WriteInteger(kShortcutSection, ShortcutKeyName(c), ShortcutCode(c.Command));
}

void TShortcutKeys::ShortcutKeysCommand() {
    const std::vector<TAssignableCommand> commands = AssignableCommands();
    std::vector<THotKeyRow> rows;
    for (const TAssignableCommand& c : commands) {
        QString caption = Tr(CommandCaption(c.Command), Form_.Language());
        if (c.Menu) caption += QStringLiteral(" - ") + Tr(*c.Menu, Form_.Language());
        rows.push_back({caption, ShortcutCode(c.Command)});
    }
    // While the dialog is open the computer keyboard plays nothing and the hot key is ignored.
    Form_.Document().NotePlayer().ReleaseKeys();
    DialogOpen_ = true;
    THotKeyDlg dialog(std::move(rows), Form_.Language(), &Form_);
    dialog.MessageHook = [this](QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
        return Form_.ShowMessage(icon, text, buttons);
    };
    dialog.OnHotKey = [this] { SequencerLinkCommand(); };
    // Alt and a menu's underlined letter belong to the menu bar.
    for (QAction* menu : Form_.menuBar()->actions()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(menu->text());
        if (mnemonic.isEmpty()) continue;
        if (const int code = CodeOfKey(mnemonic[0]))
            dialog.Reserved.push_back({code, QString(menu->text()).remove('&')});
    }
    if (Form_.Hooks.HotKeyDialog) Form_.Hooks.HotKeyDialog(dialog);
    else dialog.exec();
    const std::vector<int> codes = dialog.Codes();
    for (size_t i = 0; i < commands.size() && i < codes.size(); ++i) SetShortcutCode(commands[i].Command, codes[i]);
    DialogOpen_ = false;
    RegisterHotKey();
}

// The sequencer link -------------------------------------------------------------------------

void TShortcutKeys::RegisterHotKey() {
    HotKeyError_.clear();
    if (!X11_ || !X11_->Available()) return;
    if (Form_.Data().HotKey == 0) {  // the user took the key away: no link
        X11_->Ungrab();
        return;
    }
    if (const TX11Link::TGrab result = X11_->Grab(Form_.Data().HotKey); result != TX11Link::TGrab::Done)
        HotKeyError_ = ShortcutText(Form_.Data().HotKey) + QStringLiteral(": ") + GrabFailureText(result, Form_.Language());
}

void TShortcutKeys::HotKeyPressed() {
    if (DialogOpen_ || !X11_) return;
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        // Restored as it was before (maximised stays maximised).
        Form_.setWindowState((Form_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        Form_.show();
        Form_.raise();
        Form_.activateWindow();
        X11_->Activate(uint32_t(Form_.winId()));
        return;
    }
    // The window walk only when the sequencer is wanted; not running: nothing happens.
    if (const std::optional<TTopWindow> target = FindTarget(X11_->TopWindows(), Form_.Data().SeqName)) X11_->Activate(target->Id);
}

void TShortcutKeys::SequencerLinkCommand() {
    const std::string folder = Form_.ProgramFolder();
    const std::optional<std::string> found = FindSequencerList(folder);
    std::vector<TSequencerEntry> entries;
    if (found) {
        std::string error;
        if (!ReadSequencerList(*found, entries, error)) {
            // The file is kept as it is: the user may want to mend it.
            Form_.ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
            return;
        }
    } else {
        entries = BuiltInSequencers(Form_.Language());
        // The first entry is the target unless the one chosen before is among them.
        if (std::none_of(entries.begin(), entries.end(), [&](const TSequencerEntry& e) { return e.ClassName == Form_.Data().SeqName; }))
            Form_.Data().SeqName = entries.front().ClassName;
    }
    const bool available = X11_ && X11_->Available();
    if (available) X11_->Ungrab();  // the key may be pressed into the field meanwhile
    // Over the shortcut-key dialog when it asked for this one.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &Form_;
    TOtherSeqWindow dialog(entries, Form_.Data().SeqName, Form_.Data().HotKey, available,
                           [this] { return X11_ ? X11_->TopWindows() : std::vector<TTopWindow>{}; }, Form_.Language(), parent);
    dialog.MessageHook = [this](QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
        return Form_.ShowMessage(icon, text, buttons);
    };
    dialog.TryKey = [this](int code) {
        if (code == 0) return QString();  // no key: nothing to grab
        const TX11Link::TGrab result = X11_ ? X11_->Grab(code) : TX11Link::TGrab::NoX11;
        if (result != TX11Link::TGrab::Done) return GrabFailureText(result, Form_.Language());
        X11_->Ungrab();
        return QString();
    };
    dialog.SetKeyNote(HotKeyError_);
    if (Form_.Hooks.SequencerDialog) Form_.Hooks.SequencerDialog(dialog);
    else dialog.exec();
    if (!available) return;  // without X11 nothing else happens
    std::string error;
    const std::string path = found ? *found : QDir(QString::fromStdString(folder)).filePath(kSequencerListName).toStdString();
    if (!WriteSequencerList(path, dialog.Entries(), error)) Form_.ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
    Form_.Data().SeqName = dialog.Target();
    Form_.Data().HotKey = dialog.HotKey();
    // The shortcut-key dialog registers the key when it closes; on its own, this does.
    if (!DialogOpen_) RegisterHotKey();
}

}  // namespace veka
