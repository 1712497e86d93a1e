#include "app/edit_menu.h"

#include <QApplication>
#include <QGuiApplication>

#include "app/main_window.h"
#include "app/communication_menu.h"
#include "app/dialog_prompts.h"

namespace veka {

namespace {

enum TUndoText { utUndo, utRedo, utClearQuestion, utCount };
constexpr TCaption kTexts[utCount] = {
    {"元に戻す: %1", "Undo %1"},
    {"やり直し: %1", "Redo %1"},
    {"元に戻す履歴 (%1 個の操作) を消去しますか?\n消去した操作は元に戻せなくなります。",
     "Clear the undo history (%1 steps)?\nThe steps cleared can no longer be undone or redone."},
};

}  // namespace

TEditMenu::TEditMenu(TVekaMainForm& form, TDocument& document, TLanguage language)
    : Form_(form), Doc_(document), Language_(language) {
    Doc_.Working = [this] { return Form_.Busy() || Form_.Communication().Requesting(); };
    Doc_.GestureHeld = [] { return QGuiApplication::mouseButtons() != Qt::NoButton; };
    UndoChanges_ = Doc_.OnUndoChanged.Subscribe([this] { UpdateActions(); });
}

TEditMenu::~TEditMenu() { Doc_.Working = nullptr; }  // the document may outlive the menu

void TEditMenu::UpdateActions() {
    if (!Form_.Action(TCommand::Undo)) return;
    const TUndoStep* undo = Doc_.UndoHistory().NextUndo();
    const TUndoStep* redo = Doc_.UndoHistory().NextRedo();
    const QString undoText = Tr(CommandCaption(TCommand::Undo), Language_);
    const QString redoText = Tr(CommandCaption(TCommand::Redo), Language_);
    Form_.Action(TCommand::Undo)->setText(
        undo ? Tr(kTexts[utUndo], Language_).arg(QString::fromStdString(UndoStepTitle(*undo, Language_))) : undoText);
    Form_.Action(TCommand::Redo)->setText(
        redo ? Tr(kTexts[utRedo], Language_).arg(QString::fromStdString(UndoStepTitle(*redo, Language_))) : redoText);
    Form_.Action(TCommand::Undo)->setEnabled(undo != nullptr || Doc_.UndoPending());
    Form_.Action(TCommand::Redo)->setEnabled(redo != nullptr);
    Form_.Action(TCommand::ClearUndoHistory)->setEnabled(undo != nullptr || redo != nullptr);
}

void TEditMenu::UndoOrRedo(bool undo) {
    const TDocument::TUndoResult result = undo ? Doc_.Undo(Form_.Prompts()) : Doc_.Redo(Form_.Prompts());
    if (result == TDocument::TUndoResult::Refused) QApplication::beep();
}

void TEditMenu::ClearUndoHistoryCommand() {
    Doc_.CommitUndoStep();
    const size_t steps = Doc_.UndoHistory().Depth() + Doc_.UndoHistory().RedoDepth();
    if (steps == 0) return;
    const QString text = Tr(kTexts[utClearQuestion], Language_).arg(steps);
    if (Form_.ShowMessage(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return;
    Doc_.ClearUndoHistory();
}

}  // namespace veka
