// The menu shortcuts ("MenuShortCutKey" of Veka.ini), their dialog, and the sequencer link: the
// global hot key and its dialog.
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

std::vector<TAssignableCommand> TVekaMainForm::AssignableCommands() {
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
    return list;
}

std::string TVekaMainForm::ShortcutKeyName(const TAssignableCommand& command) const {
    std::string name = Tr(CommandCaption(command.Command), Language_).toStdString();
    if (command.Menu) {
        name += '-';
        name += Tr(*command.Menu, Language_).toStdString();
    }
    return name;
}

int TVekaMainForm::ShortcutCode(TCommand command) const {
    const auto i = size_t(command);
    return i < ShortcutCodes_.size() ? ShortcutCodes_[i] : 0;
}

void TVekaMainForm::SetShortcutCode(TCommand command, int code) {
    // A code naming no key here (one of another keyboard) gives no shortcut but is kept, so
    // the settings give it back as they got it.
    ShortcutCodes_[size_t(command)] = code;
    QList<QKeySequence> keys;
    if (const QKeySequence key = SequenceOfCode(code); !key.isEmpty()) keys.push_back(key);
    // Redo keeps the second key other programs use for it while it has its usual one.
    if (command == TCommand::Redo && code == DefaultShortcut(command)) keys.push_back(QKeySequence(Qt::CTRL | Qt::Key_Y));
    Action(command)->setShortcuts(keys);
}

void TVekaMainForm::LoadMenuShortcuts() {
    const TIniDocument ini = Settings_.Open();
    for (const TAssignableCommand& c : AssignableCommands()) {
        const std::string key = ShortcutKeyName(c);
        // A command the file does not name has its usual key; one stored as 0 has none.
        const int code = ini.HasKey(kShortcutSection, key) ? ini.ReadInteger(kShortcutSection, key, 0)
                                                           : DefaultShortcut(c.Command);
        SetShortcutCode(c.Command, code);
    }
}

void TVekaMainForm::StoreMenuShortcuts(TIniDocument& ini) const {
    for (const TAssignableCommand& c : AssignableCommands())
        ini.WriteInteger(kShortcutSection, ShortcutKeyName(c), ShortcutCode(c.Command));
}

void TVekaMainForm::ShortcutKeysCommand() {
    const std::vector<TAssignableCommand> commands = AssignableCommands();
    std::vector<THotKeyRow> rows;
    for (const TAssignableCommand& c : commands) {
        QString caption = Tr(CommandCaption(c.Command), Language_);
        if (c.Menu) caption += QStringLiteral(" - ") + Tr(*c.Menu, Language_);
        rows.push_back({caption, ShortcutCode(c.Command)});
    }
    // While the dialog is open the computer keyboard plays nothing and the hot key is ignored.
    Doc_->NotePlayer().ReleaseKeys();
    ShortcutDialogOpen_ = true;
    THotKeyDlg dialog(std::move(rows), Language_, this);
    dialog.MessageHook = [this](QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
        return ShowMessage(icon, text, buttons);
    };
    dialog.OnHotKey = [this] { SequencerLinkCommand(); };
    // Alt and a menu's underlined letter belong to the menu bar.
    for (QAction* menu : menuBar()->actions()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(menu->text());
        if (mnemonic.isEmpty()) continue;
        if (const int code = CodeOfKey(mnemonic[0]))
            dialog.Reserved.push_back({code, QString(menu->text()).remove('&')});
    }
    if (Hooks.HotKeyDialog) Hooks.HotKeyDialog(dialog);
    else dialog.exec();
    const std::vector<int> codes = dialog.Codes();
    for (size_t i = 0; i < commands.size() && i < codes.size(); ++i) SetShortcutCode(commands[i].Command, codes[i]);
    ShortcutDialogOpen_ = false;
    RegisterHotKey();
}

// The sequencer link -------------------------------------------------------------------------

void TVekaMainForm::RegisterHotKey() {
    HotKeyError_.clear();
    if (!X11_ || !X11_->Available()) return;
    if (Data_.HotKey == 0) {  // the user took the key away: no link
        X11_->Ungrab();
        return;
    }
    if (const TX11Link::TGrab result = X11_->Grab(Data_.HotKey); result != TX11Link::TGrab::Done)
        HotKeyError_ = ShortcutText(Data_.HotKey) + QStringLiteral(": ") + GrabFailureText(result, Language_);
}

void TVekaMainForm::HotKeyPressed() {
    if (ShortcutDialogOpen_ || !X11_) return;
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        // Restored as it was before (maximised stays maximised).
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
        raise();
        activateWindow();
        X11_->Activate(uint32_t(winId()));
        return;
    }
    // The window walk only when the sequencer is wanted; not running: nothing happens.
    if (const std::optional<TTopWindow> target = FindTarget(X11_->TopWindows(), Data_.SeqName)) X11_->Activate(target->Id);
}

void TVekaMainForm::SequencerLinkCommand() {
    const std::string folder = Options_.ProgramFolder;
    const std::optional<std::string> found = FindSequencerList(folder);
    std::vector<TSequencerEntry> entries;
    if (found) {
        std::string error;
        if (!ReadSequencerList(*found, entries, error)) {
            // The file is kept as it is: the user may want to mend it.
            ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
            return;
        }
    } else {
        entries = BuiltInSequencers(Language_);
        // The first entry is the target unless the one chosen before is among them.
        if (std::none_of(entries.begin(), entries.end(), [&](const TSequencerEntry& e) { return e.ClassName == Data_.SeqName; }))
            Data_.SeqName = entries.front().ClassName;
    }
    const bool available = X11_ && X11_->Available();
    if (available) X11_->Ungrab();  // the key may be pressed into the field meanwhile
    // Over the shortcut-key dialog when it asked for this one.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    TOtherSeqWindow dialog(entries, Data_.SeqName, Data_.HotKey, available,
                           [this] { return X11_ ? X11_->TopWindows() : std::vector<TTopWindow>{}; }, Language_, parent);
    dialog.MessageHook = [this](QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
        return ShowMessage(icon, text, buttons);
    };
    dialog.TryKey = [this](int code) {
        if (code == 0) return QString();  // no key: nothing to grab
        const TX11Link::TGrab result = X11_ ? X11_->Grab(code) : TX11Link::TGrab::NoX11;
        if (result != TX11Link::TGrab::Done) return GrabFailureText(result, Language_);
        X11_->Ungrab();
        return QString();
    };
    dialog.SetKeyNote(HotKeyError_);
    if (Hooks.SequencerDialog) Hooks.SequencerDialog(dialog);
    else dialog.exec();
    if (!available) return;  // without X11 nothing else happens
    std::string error;
    const std::string path = found ? *found : QDir(QString::fromStdString(folder)).filePath(kSequencerListName).toStdString();
    if (!WriteSequencerList(path, dialog.Entries(), error)) ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
    Data_.SeqName = dialog.Target();
    Data_.HotKey = dialog.HotKey();
    // The shortcut-key dialog registers the key when it closes; on its own, this does.
    if (!ShortcutDialogOpen_) RegisterHotKey();
}

}  // namespace veka
