// The Edit menu's undo and redo: the document settles edits into steps and takes them back;
// the window names the next steps in its menu, beeps at a refusal and asks before clearing.
#include <QApplication>
#include <QGuiApplication>

#include "app/main_window.h"

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

TVekaMainForm::TUndoScope::TUndoScope(TVekaMainForm& form, const TCaption& name)
    : TDocument::TUndoScope(*form.Doc_, Tr(name, form.Language_).toStdString()) {}

TVekaMainForm::TUndoScope::TUndoScope(TVekaMainForm& form, const std::string& name)
    : TDocument::TUndoScope(*form.Doc_, name) {}

void TVekaMainForm::ConnectUndo() {
    Doc_->Working = [this] { return Busy_ || Communication_->Requesting(); };
    Doc_->GestureHeld = [] { return QGuiApplication::mouseButtons() != Qt::NoButton; };
    UndoChanges_ = Doc_->OnUndoChanged.Subscribe([this] { UpdateUndoActions(); });
}

void TVekaMainForm::UpdateUndoActions() {
    if (!Doc_ || !Action(TCommand::Undo)) return;
    const TUndoStep* undo = Doc_->UndoHistory().NextUndo();
    const TUndoStep* redo = Doc_->UndoHistory().NextRedo();
    const QString undoText = Tr(CommandCaption(TCommand::Undo), Language_);
    const QString redoText = Tr(CommandCaption(TCommand::Redo), Language_);
    Action(TCommand::Undo)->setText(
        undo ? Tr(kTexts[utUndo], Language_).arg(QString::fromStdString(UndoStepTitle(*undo, Language_))) : undoText);
    Action(TCommand::Redo)->setText(
        redo ? Tr(kTexts[utRedo], Language_).arg(QString::fromStdString(UndoStepTitle(*redo, Language_))) : redoText);
    Action(TCommand::Undo)->setEnabled(undo != nullptr || Doc_->UndoPending());
    Action(TCommand::Redo)->setEnabled(redo != nullptr);
    Action(TCommand::ClearUndoHistory)->setEnabled(undo != nullptr || redo != nullptr);
}

void TVekaMainForm::UndoOrRedo(bool undo) {
    const TDocument::TUndoResult result = undo ? Doc_->Undo(Prompts()) : Doc_->Redo(Prompts());
    if (result == TDocument::TUndoResult::Refused) QApplication::beep();
}

void TVekaMainForm::ClearUndoHistoryCommand() {
    Doc_->CommitUndoStep();
    const size_t steps = Doc_->UndoHistory().Depth() + Doc_->UndoHistory().RedoDepth();
    if (steps == 0) return;
    const QString text = Tr(kTexts[utClearQuestion], Language_).arg(steps);
    if (ShowMessage(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return;
    Doc_->ClearUndoHistory();
}

}  // namespace veka
