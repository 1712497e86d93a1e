#include "app/part_menu.h"

#include <QMenu>

#include "app/main_window.h"
#include "document/document.h"
#include "document/part_commands.h"
#include "document/settings.h"
#include "windows/part_win_custom.h"
#include "windows/part_window.h"
#include "app/dialog_prompts.h"
#include "app/managed_windows.h"

namespace veka {

namespace {
constexpr TCaption kCustomize{"Part Windowの構成", "Customize Part Window"};
}  // namespace

TPartMenu::TPartMenu(TVekaMainForm& form, TDocument& document, TSettings& settings, TLanguage language)
    : Form_(form), Doc_(document), Settings_(settings), Language_(language) {
    Menu_ = new QMenu(&Form_);
    Menu_->setObjectName("PartMenu");
    auto add = [this](const QString& text, auto&& slot) {
        QAction* action = Menu_->addAction(text);
        QObject::connect(action, &QAction::triggered, &Form_, slot);
    };
    const auto name = [this](TPartCommand command) { return QString::fromStdString(PartCommandName(command, Language_)); };
    add(name(TPartCommand::Copy), [this] { CopyPartCommand(); });
    add(name(TPartCommand::Exchange), [this] { ExchangePartCommand(); });
    add(name(TPartCommand::Initialize), [this] { InitializePartCommand(); });
    Menu_->addSeparator();
    add(Tr(kCustomize, Language_), [this] { CustomizePartWindow(); });
    QObject::connect(Form_.Action(TCommand::CustomizePartWindow), &QAction::triggered, &Form_, [this] { CustomizePartWindow(); });
    // Held computer-keyboard notes are released before the menu opens.
    QObject::connect(Menu_, &QMenu::aboutToShow, &Form_, [this] {
        Doc_.TestNote().Stop();
        Doc_.NotePlayer().ReleaseKeys();
    });
}

void TPartMenu::CopyPartCommand() {
    RunPartCommand(TPartCommand::Copy, Doc_.Image(), Doc_.Transmitter(), Doc_.Session().Focus, Form_.Prompts(), Form_.CommandFrame());
}

void TPartMenu::ExchangePartCommand() {
    RunPartCommand(TPartCommand::Exchange, Doc_.Image(), Doc_.Transmitter(), Doc_.Session().Focus, Form_.Prompts(), Form_.CommandFrame());
}

void TPartMenu::InitializePartCommand() {
    RunPartCommand(TPartCommand::Initialize, Doc_.Image(), Doc_.Transmitter(), Doc_.Session().Focus, Form_.Prompts(), Form_.CommandFrame());
}

void TPartMenu::CustomizePartWindow() {
    Doc_.TestNote().Stop();
    TPartWinCustom dialog(Form_.ProgramFolder(), Settings_, Doc_.Image().ModuleType(), Language_, &Form_);
    dialog.exec();
    if (TManagedSubWindow* window = Form_.Windows().Window(wnPart))
        if (auto* part = qobject_cast<TPartWindow1*>(window->widget())) {
            part->ReloadOrderNames();
            part->Rebuild(part->CurrentOrder());
        }
    Form_.RefreshAll();
}

}  // namespace veka
