// The editor windows the main window can open, the part pop-up menu with its commands (copy,
// exchange, initialise a part: document/part_commands.h), and the Part window's customisation dialog.
#include <QMenu>

#include "windows/part_win_custom.h"
#include "windows/drum_window.h"
#include "windows/effect_window.h"
#include "windows/part_window.h"
#include "windows/patch_window.h"
#include "windows/user_drum_window.h"
#include "windows/assign_window.h"
#include "windows/compare_window.h"
#include "windows/display_window.h"
#include "windows/keyboard_window.h"
#include "windows/master_window.h"
#include "app/sysx_history_dialog.h"
#include "app/main_window.h"
#include "document/part_commands.h"

namespace veka {

namespace {
constexpr TCaption kCustomize{"Part Windowの構成", "Customize Part Window"};
}  // namespace

void TVekaMainForm::RegisterEditorWindows() {
    Windows_->SetFactory(wnSysxHistory, [this]() -> QWidget* {
        History_ = new TSysxHistoryDialog(Doc_->Session().Transmitter.History, Options(), Language_);
        connect(History_, &QObject::destroyed, this, [this] { History_ = nullptr; });
        return History_;
    });
    Windows_->SetFactory(wnPart, [this]() -> QWidget* { return new TPartWindow1(Services(), *PartOrders_); });
    Windows_->SetFactory(wnMaster, [this]() -> QWidget* { return new TMasterWindow(Services()); });
    Windows_->SetFactory(wnDrum, [this]() -> QWidget* { return new TDrumWindow1(Services(), *PartOrders_); });
    Windows_->SetFactory(wnUserDrum, [this]() -> QWidget* { return new TUserDrumWindow(Services(), *Services_, *PartOrders_); });
    Windows_->SetFactory(wnPatch, [this]() -> QWidget* { return new TPatchWindow(Services()); });
    Windows_->SetFactory(wnEffect, [this]() -> QWidget* { return new TEffectWindow(Services(), *Services_); });
    Windows_->SetFactory(wnCompare, [this]() -> QWidget* { return new TCompareWindow(Services(), *Communication_); });
    Windows_->SetFactory(wnDisplay, [this]() -> QWidget* { return new TDisplayWindow(Services(), *Services_); });
    Windows_->SetFactory(wnKeyboard, [this]() -> QWidget* { return new TKeyboardWindow(Services(), Doc_->NotePlayer(), *Services_); });
    Windows_->SetFactory(wnMatrix, [this]() -> QWidget* { return new TAssignWindow(Services(), Doc_->NotePlayer()); });
}

void TVekaMainForm::BuildPartMenu() {
    PartMenu_ = new QMenu(this);
    PartMenu_->setObjectName("PartMenu");
    auto add = [this](const QString& text, auto&& slot) {
        QAction* action = PartMenu_->addAction(text);
        connect(action, &QAction::triggered, this, slot);
    };
    const auto name = [this](TPartCommand command) { return QString::fromStdString(PartCommandName(command, Language_)); };
    add(name(TPartCommand::Copy), [this] { CopyPartCommand(); });
    add(name(TPartCommand::Exchange), [this] { ExchangePartCommand(); });
    add(name(TPartCommand::Initialize), [this] { InitializePartCommand(); });
    PartMenu_->addSeparator();
    add(Tr(kCustomize, Language_), [this] { CustomizePartWindow(); });
    connect(Action(TCommand::CustomizePartWindow), &QAction::triggered, this, [this] { CustomizePartWindow(); });
    // Held computer-keyboard notes are released before the menu opens.
    connect(PartMenu_, &QMenu::aboutToShow, this, [this] {
        Doc_->TestNote().Stop();
        Doc_->NotePlayer().ReleaseKeys();
    });
}

void TVekaMainForm::CopyPartCommand() {
    RunPartCommand(TPartCommand::Copy, Doc_->Image(), Transmitter(), Doc_->Session().Focus, Prompts(), CommandFrame());
}

void TVekaMainForm::ExchangePartCommand() {
    RunPartCommand(TPartCommand::Exchange, Doc_->Image(), Transmitter(), Doc_->Session().Focus, Prompts(), CommandFrame());
}

void TVekaMainForm::InitializePartCommand() {
    RunPartCommand(TPartCommand::Initialize, Doc_->Image(), Transmitter(), Doc_->Session().Focus, Prompts(), CommandFrame());
}

void TVekaMainForm::CustomizePartWindow() {
    Doc_->TestNote().Stop();
    TPartWinCustom dialog(Options_.ProgramFolder, Settings_, Doc_->Image().ModuleType(), Language_, this);
    dialog.exec();
    if (TManagedSubWindow* window = Windows_->Window(wnPart))
        if (auto* part = qobject_cast<TPartWindow1*>(window->widget())) {
            part->ReloadOrderNames();
            part->Rebuild(part->CurrentOrder());
        }
    RefreshAll();
}

}  // namespace veka
