// The main window's menu bar and which of its commands work yet.
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>

#include "app/main_window.h"
#include "app/communication_menu.h"
#include "app/edit_menu.h"
#include "app/file_menu.h"
#include "app/help_menu.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "app/shortcut_keys.h"
#include "app/song_menu.h"
#include "app/toolbars.h"

namespace veka {

void TVekaMainForm::BuildMenus() {
    const TLanguage lang = Language_;
    for (size_t i = 0; i < Actions_.size(); ++i) {
        Actions_[i] = new QAction(Tr(CommandCaption(TCommand(i)), lang), this);
        Actions_[i]->setEnabled(false);  // EnableCommands switches on what works
    }
    auto add = [this](QMenu* menu, TCommand command) { menu->addAction(Action(command)); };

    QMenu* file = menuBar()->addMenu(Tr(kMenuFile, lang));
    file->setObjectName("FileMenu");
    add(file, TCommand::New);
    add(file, TCommand::Open);
    add(file, TCommand::Save);
    QMenu* saveAs = file->addMenu(Tr(kMenuSaveAs, lang));
    for (TCommand c : {TCommand::SaveAllData, TCommand::SaveOnePart, TCommand::SaveOneDrumMap,
                       TCommand::SaveOneUserDrum, TCommand::SaveCustom})
        add(saveAs, c);
    add(file, TCommand::ExportSmf);
    QMenu* sysx = file->addMenu(Tr(kMenuExportSysx, lang));
    for (int c = int(TCommand::ExportSysxAll); c <= int(TCommand::ExportSysxInsertion); ++c) add(sysx, TCommand(c));
    file->addSeparator();
    add(file, TCommand::GetSetupMeasures);
    add(file, TCommand::ReplaceSetupMeasures);
    add(file, TCommand::AppendSetupMeasures);
    file->addSeparator();
    add(file, TCommand::Exit);
    // The recent files after the last separator; entries without a name stay hidden.
    file->addSeparator();
    for (size_t n = 0; n < Files_->RecentActions.size(); ++n) {
        Files_->RecentActions[n] = file->addAction(QString());
        Files_->RecentActions[n]->setObjectName(QStringLiteral("RecentFile%1").arg(n + 1));
        connect(Files_->RecentActions[n], &QAction::triggered, this, [this, n] { Files_->OpenRecent(int(n)); });
    }
    Files_->ShowRecentFiles();

    QMenu* edit = menuBar()->addMenu(Tr(kMenuEdit, lang));
    edit->setObjectName("EditMenu");
    add(edit, TCommand::Undo);
    add(edit, TCommand::Redo);
    edit->addSeparator();
    add(edit, TCommand::Compare);
    edit->addSeparator();
    add(edit, TCommand::ClearUndoHistory);

    QMenu* view = menuBar()->addMenu(Tr(kMenuView, lang));
    view->setObjectName("ViewMenu");
    for (int c = int(TCommand::ViewPatch); c <= int(TCommand::ViewDisplay); ++c) add(view, TCommand(c));

    QMenu* communication = menuBar()->addMenu(Tr(kMenuCommunication, lang));
    communication->setObjectName("CommunicationMenu");
    add(communication, TCommand::DataRequest);
    add(communication, TCommand::CompareWithModule);
    communication->addSeparator();
    add(communication, TCommand::SendAll);
    add(communication, TCommand::SendAllUserDrums);
    communication->addSeparator();
    add(communication, TCommand::Panic);

    QMenu* song = menuBar()->addMenu(Tr(kMenuSong, lang));
    song->setObjectName("SongMenu");
    add(song, TCommand::SongOpen);
    add(song, TCommand::SongReadLast);
    song->addSeparator();
    for (TCommand c : {TCommand::SongPlay, TCommand::SongStop, TCommand::SongGoToBar, TCommand::SongLoop}) add(song, c);
    song->addSeparator();
    add(song, TCommand::SongClearMix);

    QMenu* option = menuBar()->addMenu(Tr(kMenuOption, lang));
    option->setObjectName("OptionMenu");
    for (int c = int(TCommand::MidiPortSetup); c <= int(TCommand::OtherOptions); ++c) add(option, TCommand(c));
    option->addSeparator();
    add(option, TCommand::KeyboardWindow);
    add(option, TCommand::SysxHistory);

    QMenu* window = menuBar()->addMenu(Tr(kMenuWindow, lang));
    window->setObjectName("WindowMenu");
    add(window, TCommand::MinimizeAll);
    add(window, TCommand::CloseAll);
    add(window, TCommand::ArrangeIcons);
    // Ctrl+F4 closes the active editor window, as its close button does.
    auto* closeActive = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4), this);
    closeActive->setObjectName("CloseActiveWindow");
    connect(closeActive, &QShortcut::activated, this, [this] {
        if (QMdiSubWindow* active = Mdi_ ? Mdi_->activeSubWindow() : nullptr) active->close();
    });
    // The list of open windows follows, rebuilt each time the menu opens.
    connect(window, &QMenu::aboutToShow, this, [this, window] {
        const auto actions = window->actions();
        for (qsizetype i = 3; i < actions.size(); ++i) {
            window->removeAction(actions[i]);
            if (actions[i]->parent() == window) delete actions[i];
        }
        const auto list = Mdi_->subWindowList();
        if (!list.isEmpty()) window->addSeparator();
        for (QMdiSubWindow* sub : list) {
            QAction* item = window->addAction(sub->windowTitle());
            item->setCheckable(true);
            item->setChecked(sub == Mdi_->activeSubWindow());
            connect(item, &QAction::triggered, this, [this, sub] {
                if (sub->isMinimized()) sub->showNormal();
                Mdi_->setActiveSubWindow(sub);
            });
        }
    });

    QMenu* help = menuBar()->addMenu(Tr(kMenuHelp, lang));
    help->setObjectName("HelpMenu");
    add(help, TCommand::HelpContents);
    help->addSeparator();
    add(help, TCommand::About);
    add(help, TCommand::ContactForm);

    auto on = [this](TCommand command, auto&& slot) { connect(Action(command), &QAction::triggered, this, slot); };
    on(TCommand::New, [this] { Files_->FileNew(); });
    on(TCommand::Save, [this] { Files_->Save(); });
    on(TCommand::SaveAllData, [this] { Files_->SaveAllData(); });
    on(TCommand::Open, [this] { Files_->OpenCommand(); });
    on(TCommand::SaveCustom, [this] { Files_->SaveCustomFile(); });
    on(TCommand::GetSetupMeasures, [this] { Files_->GetSetupMeasuresCommand(); });
    on(TCommand::ExportSmf, [this] { Files_->ExportSmfCommand(); });
    on(TCommand::SmfExportSetup, [this] { Files_->SmfCustomCommand(); });
    on(TCommand::ReplaceSetupMeasures, [this] { Files_->EmbedSetupCommand(true); });
    on(TCommand::AppendSetupMeasures, [this] { Files_->EmbedSetupCommand(false); });
    on(TCommand::SaveOnePart, [this] { Files_->SaveObject(TSetupFileKind::OnePart); });
    on(TCommand::SaveOneDrumMap, [this] { Files_->SaveObject(TSetupFileKind::OneDrumMap); });
    on(TCommand::SaveOneUserDrum, [this] { Files_->SaveObject(TSetupFileKind::OneUserDrum); });
    for (int c = int(TCommand::ExportSysxAll); c <= int(TCommand::ExportSysxInsertion); ++c)
        on(TCommand(c), [this, kind = TExportKind(c - int(TCommand::ExportSysxAll))] { Files_->ExportSysx(kind); });
    on(TCommand::Exit, [this] { close(); });
    on(TCommand::SendAll, [this] { Communication_->SendAllCommand(false); });
    on(TCommand::SendAllUserDrums, [this] { Communication_->SendAllCommand(true); });
    on(TCommand::Panic, [this] { Communication_->PanicCommand(); });
    on(TCommand::DataRequest, [this] { Communication_->DataRequestCommand(); });
    on(TCommand::SongOpen, [this] { Songs_->OpenSongCommand(); });
    on(TCommand::SongReadLast, [this] { Songs_->SongReadLastCommand(); });
    on(TCommand::SongPlay, [this] { Songs_->PlayPauseCommand(); });
    on(TCommand::SongStop, [this] { Songs_->StopCommand(); });
    on(TCommand::SongGoToBar, [this] { Songs_->GoToBarCommand(); });
    connect(Action(TCommand::SongLoop), &QAction::triggered, this, [this](bool on) { Songs_->LoopCommand(on); });
    on(TCommand::SongClearMix, [this] { Songs_->ClearMixCommand(); });
    on(TCommand::MidiPortSetup, [this] { Communication_->OpenPortDialog(); });
    on(TCommand::MinimizeAll, [this] { Windows_->MinimizeAll(); });
    on(TCommand::CloseAll, [this] { Windows_->CloseAll(); });
    on(TCommand::ArrangeIcons, [this] { Windows_->ArrangeIcons(); });
    on(TCommand::HelpContents, [this] { Help_->HelpContents(); });
    on(TCommand::About, [this] { Help_->AboutCommand(); });
    on(TCommand::ContactForm, [this] { Help_->ContactFormCommand(); });
    on(TCommand::CompareWithModule, [this] { Communication_->CompareWithModuleCommand(); });
    on(TCommand::Undo, [this] { Edit_->UndoCommand(); });
    on(TCommand::Redo, [this] { Edit_->RedoCommand(); });
    on(TCommand::ClearUndoHistory, [this] { Edit_->ClearUndoHistoryCommand(); });
    on(TCommand::OtherOptions, [this] { OptionMenu_->OtherOptionsCommand(); });
    on(TCommand::Font, [this] { OptionMenu_->FontCommand(); });
    on(TCommand::ShortcutKeys, [this] { Shortcuts_->ShortcutKeysCommand(); });
    for (const TWindowDescriptor& d : WindowDescriptors())
        on(d.Command, [this, number = d.Number] { Windows_->OpenOrBringForward(number); });
}

void TVekaMainForm::EnableCommands() {
    // Commands whose windows and dialogs exist; the rest stay visible and disabled.
    for (TCommand c : {TCommand::New, TCommand::Open, TCommand::Save, TCommand::SaveAllData, TCommand::SaveOnePart,
                       TCommand::SaveOneDrumMap, TCommand::SaveOneUserDrum, TCommand::SaveCustom, TCommand::GetSetupMeasures, TCommand::ExportSmf,
                       TCommand::AppendSetupMeasures, TCommand::SmfExportSetup, TCommand::Exit, TCommand::SendAll,
                       TCommand::CustomizePartWindow, TCommand::OtherOptions, TCommand::Font, TCommand::ShortcutKeys,
                       TCommand::SendAllUserDrums, TCommand::Panic, TCommand::MidiPortSetup, TCommand::MinimizeAll,
                       TCommand::CloseAll, TCommand::ArrangeIcons, TCommand::HelpContents, TCommand::About,
                       TCommand::DataRequest, TCommand::CompareWithModule,
                       TCommand::ContactForm})
        Action(c)->setEnabled(true);
    for (int c = int(TCommand::ExportSysxAll); c <= int(TCommand::ExportSysxInsertion); ++c)
        Action(TCommand(c))->setEnabled(true);
    Files_->EnableEmbedding();  // only while the working copy of a song is there
    Songs_->UpdateActions();
    Edit_->UpdateActions();
    // The toolbar buttons follow their commands through QAction::changed.
    for (const TWindowDescriptor& d : WindowDescriptors()) Action(d.Command)->setEnabled(Windows_->Available(d.Number));
}

// The toolbars' pop-up menu: the switch of the captions under the buttons.
QMenu* TVekaMainForm::createPopupMenu() {
    auto* menu = new QMenu(this);
    QAction* captions = menu->addAction(Tr(kCaptionSwitch, Language_));
    captions->setCheckable(true);
    captions->setChecked(Data_.ButtonStrings);
    connect(captions, &QAction::toggled, this, [this](bool on) { Toolbars_->SetButtonCaptions(on); });
    return menu;
}

}  // namespace veka
