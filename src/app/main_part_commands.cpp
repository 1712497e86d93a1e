// The editor windows the main window can open, the part pop-up menu and its commands (copy,
// exchange, initialise a part), and the Part window's customisation dialog.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

#include "windows/global_select_window.h"
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

namespace veka {

namespace {
enum TPartCommand { pcCopy = 1, pcExchange = 2, pcInitialize = 3 };

// The part pop-up menu and the chooser of its commands.
enum TPartMenuText {
    pmCopy, pmExchange, pmInitialize, pmCustomize, pmCopyTitle, pmCopyFrom, pmCopyTo, pmExchangeTitle,
    pmExchangeFirst, pmExchangeSecond, pmInitializeTitle, pmInitializeThis, pmCount
};
constexpr TCaption kTexts[pmCount] = {
    {"Part の ｺﾋﾟｰ", "Copy Part"},
    {"Part の交換", "Exchange Part"},
    {"Part の初期化", "Initialize Part"},
    {"Part Windowの構成", "Customize Part Window"},
    {"Part のｺﾋﾟｰ", "Copy"},
    {"このPartから", "From "},
    {"このPartへｺﾋﾟｰ", "To "},
    {"Part の交換", "Exchange"},
    {"このPartと", "And"},
    {"このPartを交換", ""},
    {"Part の初期化", "Initialize"},
    {"このPartを初期化", "This part "},
};
}  // namespace

void TVekaMainForm::RegisterEditorWindows() {
    Windows_->SetFactory(wnSysxHistory, [this]() -> QWidget* {
        History_ = new TSysxHistoryDialog(Session_->Transmitter.History, Options(), Language_);
        connect(History_, &QObject::destroyed, this, [this] { History_ = nullptr; });
        return History_;
    });
    Windows_->SetFactory(wnPart, [this]() -> QWidget* { return new TPartWindow1(Services(), *PartOrders_); });
    Windows_->SetFactory(wnMaster, [this]() -> QWidget* { return new TMasterWindow(Services()); });
    Windows_->SetFactory(wnDrum, [this]() -> QWidget* { return new TDrumWindow1(Services(), *PartOrders_); });
    Windows_->SetFactory(wnUserDrum, [this]() -> QWidget* { return new TUserDrumWindow(Services(), *this, *PartOrders_); });
    Windows_->SetFactory(wnPatch, [this]() -> QWidget* { return new TPatchWindow(Services()); });
    Windows_->SetFactory(wnEffect, [this]() -> QWidget* { return new TEffectWindow(Services(), *this); });
    Windows_->SetFactory(wnCompare, [this]() -> QWidget* { return new TCompareWindow(Services(), *this); });
    Windows_->SetFactory(wnDisplay, [this]() -> QWidget* { return new TDisplayWindow(Services(), *this); });
    Windows_->SetFactory(wnKeyboard, [this]() -> QWidget* { return new TKeyboardWindow(Services(), *NotePlayer_, *this); });
    Windows_->SetFactory(wnMatrix, [this]() -> QWidget* { return new TAssignWindow(Services(), *NotePlayer_); });
}

void TVekaMainForm::BuildPartMenu() {
    PartMenu_ = new QMenu(this);
    PartMenu_->setObjectName("PartMenu");
    auto add = [this](TPartMenuText text, auto&& slot) {
        QAction* action = PartMenu_->addAction(Tr(kTexts[text], Language_));
        connect(action, &QAction::triggered, this, slot);
    };
    add(pmCopy, [this] { CopyPartCommand(); });
    add(pmExchange, [this] { ExchangePartCommand(); });
    add(pmInitialize, [this] { InitializePartCommand(); });
    PartMenu_->addSeparator();
    add(pmCustomize, [this] { CustomizePartWindow(); });
    connect(Action(TCommand::CustomizePartWindow), &QAction::triggered, this, [this] { CustomizePartWindow(); });
    // Held computer-keyboard notes are released before the menu opens.
    connect(PartMenu_, &QMenu::aboutToShow, this, [this] {
        TestNote_->Stop();
        NotePlayer_->ReleaseKeys();
    });
}

std::optional<std::pair<int, int>> TVekaMainForm::ChooseParts(int kind) {
    if (PartChoiceHook) return PartChoiceHook(kind);
    const auto text = [this](TPartMenuText id) { return Tr(kTexts[id], Language_); };
    const int port = CurrentPort_;
    QStringList parts;
    for (int part = 1; part <= 16; ++part)
        parts << QString::fromStdString(PartName(port, part) + " " + Image_->PartToneName(port, part));
    TGlobalSelectWindow dialog(Language_, this);
    dialog.SetTitle(Message(24, Language_));
    const int current = CurrentPart_ - 1;
    if (kind == pcCopy) {
        dialog.setWindowTitle(text(pmCopyTitle));
        dialog.SetList(1, text(pmCopyFrom), parts, current);
        dialog.SetList(2, text(pmCopyTo), parts, current);
    } else if (kind == pcExchange) {
        dialog.setWindowTitle(text(pmExchangeTitle));
        dialog.SetList(1, text(pmExchangeFirst), parts, current);
        dialog.SetList(2, text(pmExchangeSecond), parts, current);
    } else {
        dialog.setWindowTitle(text(pmInitializeTitle));
        dialog.SetList(1, text(pmInitializeThis), parts, current);
    }
    dialog.HideUnusedRows();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int first = dialog.Chosen(1) + 1;
    const int second = kind == pcInitialize ? first : dialog.Chosen(2) + 1;
    if (first < 1 || first > 16 || second < 1 || second > 16) return std::nullopt;
    return std::make_pair(first, second);
}

namespace {

// Runs one part command: the image changes without events, then the changed parts are sent
// whole (force) and every window shows them.
template <typename F>
void RunPartCommand(TVekaMainForm& form, const TCaption& name, const std::vector<int>& changedParts, F&& change) {
    const TVekaMainForm::TUndoScope step(form, name);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    form.ShowProgress(Message(26, form.Language()), 0, 1);
    change();
    // The commands write the image without change events: the setup is marked here.
    form.Image().MarkDataChanged();
    try {
        for (int part : changedParts) form.Transmitter().SendPart(form.CurrentPort(), part, true);
    } catch (const std::exception& error) {
        form.ShowMessage(QMessageBox::Warning,
                         Message(90, form.Language()) + "\n\n" + QString::fromStdString(error.what()));
    }
    form.ProgressDone();
    QApplication::restoreOverrideCursor();
    form.RefreshAll();
}

}  // namespace

void TVekaMainForm::CopyPartCommand() {
    const auto choice = ChooseParts(pcCopy);
    if (!choice) return;
    const int from = choice->first, to = choice->second;
    RunPartCommand(*this, kTexts[pmCopy], {to}, [&] { Image_->CopyPart(CurrentPort_, from, to); });
}

void TVekaMainForm::ExchangePartCommand() {
    const auto choice = ChooseParts(pcExchange);
    if (!choice) return;
    const int first = choice->first, second = choice->second;
    RunPartCommand(*this, kTexts[pmExchange], {first, second}, [&] { Image_->ExchangePart(CurrentPort_, first, second); });
}

void TVekaMainForm::InitializePartCommand() {
    const auto choice = ChooseParts(pcInitialize);
    if (!choice) return;
    const int part = choice->first;
    RunPartCommand(*this, kTexts[pmInitialize], {part}, [&] { Image_->InitializePart(CurrentPort_, part); });
}

void TVekaMainForm::CustomizePartWindow() {
    TestNote_->Stop();
    TPartWinCustom dialog(Options_.ProgramFolder, Settings_, Image_->ModuleType(), Language_, this);
    dialog.exec();
    if (TManagedSubWindow* window = Windows_->Window(wnPart))
        if (auto* part = qobject_cast<TPartWindow1*>(window->widget())) {
            part->ReloadOrderNames();
            part->Rebuild(part->CurrentOrder());
        }
    RefreshAll();
}

}  // namespace veka
