// Undo and redo of the main window: edits settle into steps, commands make one step each, and
// a step undone or redone is sent to the module as its edits were and shown by every window.
#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include "app/main_window.h"

namespace veka {

namespace {

enum TUndoText {
    utUndo, utRedo, utUndone, utRedone, utRefused, utNothing, utCleared, utSending, utClearQuestion, utCount
};
constexpr TCaption kTexts[utCount] = {
    {"元に戻す: %1", "Undo %1"},
    {"やり直し: %1", "Redo %1"},
    {"元に戻しました: %1", "Undone: %1"},
    {"やり直しました: %1", "Redone: %1"},
    {"送信中またはﾃﾞｰﾀﾘｸｴｽﾄ中は元に戻せません", "Undo and redo wait until the transmission or the data request has ended"},
    {"元に戻す操作はありません", "There is nothing to undo"},
    {"元に戻す履歴を消去しました", "The undo history was cleared"},
    {"%1 個のﾒｯｾｰｼﾞを送信中...", "Sending %1 messages..."},
    {"元に戻す履歴 (%1 個の操作) を消去しますか?\n消去した操作は元に戻せなくなります。",
     "Clear the undo history (%1 steps)?\nThe steps cleared can no longer be undone or redone."},
};

}  // namespace

TVekaMainForm::TUndoScope::TUndoScope(TVekaMainForm& form, const TCaption& name)
    : TUndoScope(form, Tr(name, form.Language_).toStdString()) {}

TVekaMainForm::TUndoScope::TUndoScope(TVekaMainForm& form, const std::string& name) : Form_(form) {
    if (Form_.UndoScopeDepth_++ > 0) return;  // a command inside a command: the outer one names the step
    Form_.CommitUndoStep();                    // what came before is a step of its own
    Form_.UndoScopeFile_ = Form_.FileState();
    Form_.ShowHelp(QString());  // what the last undo or command said is over
    QString text = QString::fromStdString(name);
    while (text.endsWith('.') || text.endsWith(' ')) text.chop(1);  // "Data Request..."
    Form_.UndoScopeName_ = text.toStdString();
}

TVekaMainForm::TUndoScope::~TUndoScope() {
    if (--Form_.UndoScopeDepth_ > 0 || !Form_.Undo_) return;
    // A command that changed the open file (Open, New) takes it back with its step, so that a
    // Save after the undo never writes the older setup over the file opened.
    const TFileState after = Form_.FileState();
    if (Form_.Undo_->Commit(*Form_.Image_, Form_.UndoScopeName_) && !(after == Form_.UndoScopeFile_))
        Form_.Undo_->NoteFileChange(Form_.UndoScopeFile_, after);
    Form_.LastEditCommitMs_ = -kUndoMergeMs;
    Form_.UpdateUndoActions();
}

void TVekaMainForm::ConnectUndo() {
    Undo_ = std::make_unique<TUndoHistory>(*Image_);
    UndoTimer_ = new QTimer(this);
    UndoTimer_->setSingleShot(true);
    UndoTimer_->setInterval(0);
    connect(UndoTimer_, &QTimer::timeout, this, [this] {
        // A command's scope takes its changes itself; a transmission or a request settles first.
        if (UndoScopeDepth_ > 0 || UndoRunning_) return;
        // Inside a handler's waits (the pacing of its messages) its gesture is not over: the
        // step is taken once the outermost wait has returned and the handler has ended.
        if (Clock().Depth() > 0) {
            UndoCommitDeferred_ = true;
            return;
        }
        // A drag goes on while the button is held: its steps are one step. The value put at
        // its end says it is over, whatever the button state says.
        if (Busy_ || RequestCancel_ || (!UndoGestureEnded_ && QGuiApplication::mouseButtons() != Qt::NoButton)) {
            UndoTimer_->start(50);
            return;
        }
        CommitUndoStep();
    });
    Clock().OnOutermostEnd = [this] {
        if (!UndoCommitDeferred_) return;
        UndoCommitDeferred_ = false;
        if (UndoTimer_ && !UndoTimer_->isActive()) UndoTimer_->start(0);
    };
    // The end of a gesture (a value put) and every change of the setup schedule the commit.
    UndoPuts_ = Image_->OnValuePut.Subscribe([this](const TPutNotice&) {
        UndoGestureEnded_ = true;
        ScheduleUndoCommit();
    });
}

void TVekaMainForm::ScheduleUndoCommit() {
    if (!UndoTimer_) return;
    if (UndoGestureEnded_) UndoTimer_->start(0);  // at once, also when a deferral is waiting
    else if (!UndoTimer_->isActive()) UndoTimer_->start(0);
}

void TVekaMainForm::CommitUndoStep() {
    if (!Undo_ || UndoScopeDepth_ > 0) return;
    UndoGestureEnded_ = false;
    const int64_t now = Clock().NowMs();
    if (Undo_->Commit(*Image_, {}, now - LastEditCommitMs_ < kUndoMergeMs)) LastEditCommitMs_ = now;
    UpdateUndoActions();
}

void TVekaMainForm::UpdateUndoActions() {
    if (!Undo_ || !Action(TCommand::Undo)) return;
    const TUndoStep* undo = Undo_->NextUndo();
    const TUndoStep* redo = Undo_->NextRedo();
    const QString undoText = Tr(CommandCaption(TCommand::Undo), Language_);
    const QString redoText = Tr(CommandCaption(TCommand::Redo), Language_);
    Action(TCommand::Undo)->setText(
        undo ? Tr(kTexts[utUndo], Language_).arg(QString::fromStdString(UndoStepTitle(*undo, Language_))) : undoText);
    Action(TCommand::Redo)->setText(
        redo ? Tr(kTexts[utRedo], Language_).arg(QString::fromStdString(UndoStepTitle(*redo, Language_))) : redoText);
    Action(TCommand::Undo)->setEnabled(undo != nullptr || (UndoTimer_ && UndoTimer_->isActive()));
    Action(TCommand::Redo)->setEnabled(redo != nullptr);
    Action(TCommand::ClearUndoHistory)->setEnabled(undo != nullptr || redo != nullptr);
}

bool TVekaMainForm::UndoRefused() {
    if (UndoRunning_) return true;  // a step is still being sent: the key waits for it
    if (Busy_ || RequestCancel_) {
        ShowHelp(Tr(kTexts[utRefused], Language_));
        QApplication::beep();
        return true;
    }
    return false;
}

void TVekaMainForm::UndoCommand() {
    if (UndoRefused()) return;
    if (UndoTimer_) UndoTimer_->stop();
    const TUndoStep* step = Undo_->Undo(*Image_);
    if (!step) {
        ShowHelp(Tr(kTexts[utNothing], Language_));
        UpdateUndoActions();
        return;
    }
    const QString title = QString::fromStdString(UndoStepTitle(*step, Language_));
    TransmitStep(*step, true);
    ShowHelp(Tr(kTexts[utUndone], Language_).arg(title));
}

void TVekaMainForm::RedoCommand() {
    if (UndoRefused()) return;
    if (UndoTimer_) UndoTimer_->stop();
    const TUndoStep* step = Undo_->Redo(*Image_);
    if (!step) {
        UpdateUndoActions();
        return;
    }
    const QString title = QString::fromStdString(UndoStepTitle(*step, Language_));
    TransmitStep(*step, false);
    ShowHelp(Tr(kTexts[utRedone], Language_).arg(title));
}

void TVekaMainForm::TransmitStep(const TUndoStep& step, bool undo) {
    UndoRunning_ = true;
    Data_.ModuleType = Image_->ModuleType();
    const std::vector<int> send = ParametersToSend(step, undo);
    NotePlayer_->ReleaseAll();
    try {
        if (send.size() > kUndoSendAllLimit) {
            // A file or a request brought that much: the module takes the whole image again.
            Session_->Transmitter.SendAll(true, true, true, true, true, false);
        } else if (!send.empty()) {
            ShowHelp(Tr(kTexts[utSending], Language_).arg(send.size()));
            SendRun(send.size(), [&] {
                const TVGS::TSenderScope sender(*Image_, Undo_.get());
                RaiseChanges(*Image_, send);
            });
        }
    } catch (const std::exception& error) {
        ReportSendError(error);  // the image is as the step left it all the same
    }
    MarkChanged();
    if (const std::optional<TFileState>& file = undo ? step.FileBefore : step.FileAfter) RestoreFileState(*file);
    UndoRunning_ = false;
    // The sends above were the step itself, not a new one; the next edit starts a step anew.
    Undo_->Rebase(*Image_);
    LastEditCommitMs_ = -kUndoMergeMs;
    if (UndoTimer_) UndoTimer_->stop();
    RefreshAll();
    UpdateUndoActions();
}

TFileState TVekaMainForm::FileState() const {
    const std::string name = FileName_.toStdString();
    const auto saves = FileSaves_.find(name);
    return TFileState{name, DataChanged_, saves == FileSaves_.end() ? 0 : saves->second};
}

void TVekaMainForm::RestoreFileState(const TFileState& state) {
    SetCaption(QString::fromStdString(state.Name));
    // A save since the state was taken may have written another setup into that file.
    if (state.Changed || state.Saves != FileState().Saves) {
        DataChanged_ = false;
        MarkChanged();
    } else {
        ClearDataChanged();
    }
}

void TVekaMainForm::SendRun(size_t messages, const std::function<void()>& send) {
    const bool lock = messages > 8 && Session_->Transmitter.OnBusy;
    if (lock) Session_->Transmitter.OnBusy(true);
    struct TUnlock {
        TTransmitter& Tx;
        bool Lock;
        ~TUnlock() {
            if (Lock) Tx.OnBusy(false);
        }
    } unlock{Session_->Transmitter, lock};
    send();
}

void TVekaMainForm::ClearUndoHistoryCommand() {
    CommitUndoStep();
    const size_t steps = Undo_->Depth() + Undo_->RedoDepth();
    if (steps == 0) return;
    const QString text = Tr(kTexts[utClearQuestion], Language_).arg(steps);
    if (ShowMessage(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return;
    ClearUndoHistory();
}

void TVekaMainForm::ClearUndoHistory() {
    CommitUndoStep();
    Undo_->Clear();
    UpdateUndoActions();
    ShowHelp(Tr(kTexts[utCleared], Language_));
}

}  // namespace veka
