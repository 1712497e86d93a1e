#include "document/document.h"

#include <algorithm>
#include <iostream>

#include "document/recovery_file.h"
#include "document/send_commands.h"
#include "module/setup_reader.h"

namespace veka {

namespace {

constexpr TCaption kUndone{"元に戻しました: ", "Undone: "};
constexpr TCaption kRedone{"やり直しました: ", "Redone: "};
constexpr TCaption kRefused{"送信中またはﾃﾞｰﾀﾘｸｴｽﾄ中は元に戻せません",
                         "Undo and redo wait until the transmission or the data request has ended"};
constexpr TCaption kNothing{"元に戻す操作はありません", "There is nothing to undo"};
constexpr TCaption kCleared{"元に戻す履歴を消去しました", "The undo history was cleared"};

constexpr TCaption kOfferFirst{"前回の終了時に保存されていないｾｯﾄｱｯﾌﾟが残っています:\n",
                            "Veka kept a setup that was not saved when it last ended:\n"};
constexpr TCaption kOfferLast{"\n\n復元しますか？（いいえ: 破棄します）", "\n\nRestore it? (No discards it.)"};
constexpr TCaption kNewSetup{"(新規ｾｯﾄｱｯﾌﾟ)", "(a new setup)"};
constexpr TCaption kUnusableFirst{"前回の終了時に残されたｾｯﾄｱｯﾌﾟは復元できません: ",
                               "The setup kept when Veka last ended cannot be restored: "};
constexpr TCaption kUnusableLast{"\n\n破棄しますか？（いいえ: 次回の起動時にもう一度確認します）",
                              "\n\nDiscard it? (No asks again at the next start.)"};
constexpr TCaption kDamaged{"ﾌｧｲﾙが壊れています", "the file is damaged"};
constexpr TCaption kOtherVersion{"別のﾊﾞｰｼﾞｮﾝの Veka が書いたﾌｧｲﾙです", "it was written by another version of Veka"};
constexpr TCaption kOtherType{"別の音源ﾀｲﾌﾟで書かれたﾌｧｲﾙです", "it was written for another module type"};
constexpr TCaption kRestored{"保存されていないｾｯﾄｱｯﾌﾟを復元しました", "The unsaved setup was restored."};
constexpr TCaption kRestoreStep{"ｾｯﾄｱｯﾌﾟの復元", "Restore Setup"};
constexpr TCaption kNewStep{"新規作成", "New"};

}  // namespace

TDocument::TDocument(std::unique_ptr<TVGS> image, TPumpWait& wait, ITimerSource& timers, std::string recoveryPath)
    : Wait_(wait), Image_(std::move(image)), RecoveryPath_(std::move(recoveryPath)) {
    // The unsaved mark hears a change before the ports send it.
    DataChanges_ = Image_->OnDataChanged.Subscribe([this] { MarkChanged(); });
    Session_ = std::make_unique<TMidiSession>(*Image_, &Wait_);
    TestNote_ = std::make_unique<TTestNote>(Session_->Transmitter, LastNotes_);
    NotePlayer_ = std::make_unique<TNotePlayer>(Session_->Transmitter, LastNotes_, Session_->Focus);
    Playback_ = std::make_unique<TSongPlayback>(Session_->Transmitter, Wait_, timers);
    Undo_ = std::make_unique<TUndoHistory>(*Image_);

    // A drag raises a change per step: the file is written once the steps have paused.
    RecoveryTimer_ = timers.MakeTimer([this] {
        if (IsWorking()) RecoveryTimer_->Start(kRecoveryDelayMs);  // settles after the loop
        else WriteRecoveryNow();
    });
    UndoTimer_ = timers.MakeTimer([this] { UndoTimeout(); });
    PortTimer_ = timers.MakeTimer([this] {
        if (!IsWorking() && Wait_.Depth() == 0) Session_->LookAtPorts();
        PortTimer_->Start(kPortLookMs);
    });
    Wait_.OnOutermostEnd = [this] {
        if (!UndoCommitDeferred_) return;
        UndoCommitDeferred_ = false;
        if (!UndoTimer_->Active()) UndoTimer_->Start(0);
    };
    // The end of a gesture (a value put) and every change of the setup schedule the commit.
    UndoPuts_ = Image_->OnValuePut.Subscribe([this](const TPutNotice&) {
        UndoGestureEnded_ = true;
        ScheduleUndoCommit();
    });
}

TDocument::~TDocument() {
    Wait_.OnOutermostEnd = nullptr;  // the wait may outlive the document (tests give their own)
    // The timers go before what their timeouts use.
    PortTimer_.reset();
    UndoTimer_.reset();
    RecoveryTimer_.reset();
}

void TDocument::WatchPorts() { PortTimer_->Start(kPortLookMs); }

// The open file ------------------------------------------------------------------------------

void TDocument::SetFileName(const std::string& name) {
    if (name == FileName_) return;
    FileName_ = name;
    OnFileChanged();
}

void TDocument::MarkChanged() {
    const bool was = Changed_;
    Changed_ = true;
    if (!RecoveryTimer_->Active()) RecoveryTimer_->Start(kRecoveryDelayMs);
    ScheduleUndoCommit();
    if (!was) OnFileChanged();
}

void TDocument::ClearChanged() {
    const bool was = Changed_;
    Changed_ = false;
    if (RecoveryWritten_) {
        std::string error;
        if (RemoveRecoveryFile(RecoveryPath_, error)) RecoveryWritten_ = false;
        else std::cerr << "veka4: " << error << std::endl;
    }
    if (was) OnFileChanged();
}

void TDocument::NoteSaved(const std::string& name) {
    ++FileSaves_[name];
    ClearChanged();
    SetFileName(name);
}

void TDocument::ForgetChanges(bool changed) {
    Undo_->Rebase(*Image_);
    UndoTimer_->Stop();
    if (changed == Changed_) return;
    Changed_ = changed;
    OnFileChanged();
}

TFileState TDocument::FileState() const {
    const auto saves = FileSaves_.find(FileName_);
    return TFileState{FileName_, Changed_, saves == FileSaves_.end() ? 0 : saves->second};
}

void TDocument::RestoreFileState(const TFileState& state) {
    SetFileName(state.Name);
    // A save since the state was taken may have written another setup into that file.
    if (state.Changed || state.Saves != FileState().Saves) MarkChanged();
    else ClearChanged();
}

void TDocument::RefreshAll() {
    // The shown port may be gone with the ports.
    Session_->Focus.Port = std::clamp(Session_->Focus.Port, 0, Image_->ActivePortCount() - 1);
    OnRefreshed();
    Image_->NotifyReloaded();
}

void TDocument::New(bool send, IUserPrompts& prompts, const std::function<void(const std::string&)>& status) {
    const TUndoScope step(*this, kNewStep.In(Image_->Language));
    SetFileName({});
    try {
        ResetModuleAndImage(Session_->Transmitter, LastNotes_, send, status);
    } catch (const std::exception& error) {
        WarnSendFailed(prompts, Image_->Language, error);  // the image is reset all the same
    }
    ClearChanged();
    RefreshAll();
    OnNew();
}

// The recovery file ---------------------------------------------------------------------------

void TDocument::WriteRecoveryNow() {
    if (RecoveryPath_.empty()) return;
    if (!Changed_) {
        ClearChanged();
        return;
    }
    TRecoveryInfo info;
    info.ModuleType = Image_->ModuleType();
    info.MaxPart = Image_->MaxPart;
    info.FileName = FileName_;
    std::string error;
    if (WriteRecoveryFile(*Image_, RecoveryPath_, info, error)) RecoveryWritten_ = true;
    else OnStatus(error);  // the edit itself stands; say why nothing is kept
}

bool TDocument::KeepUnsaved() {
    WriteRecoveryNow();
    return RecoveryWritten_;
}

void TDocument::EndCleanly(bool keepRecovery) {
    RecoveryTimer_->Stop();
    std::string ignored;
    if (!keepRecovery && !RecoveryPath_.empty()) RemoveRecoveryFile(RecoveryPath_, ignored);
}

void TDocument::OfferRecovery(IUserPrompts& prompts) {
    if (RecoveryPath_.empty()) return;
    const TLanguage language = Image_->Language;
    TRecoveryRead read = ReadRecoveryFile(RecoveryPath_, Image_->ModuleType());
    if (read.Status == TRecoveryStatus::Missing) return;
    std::string error;
    if (read.Status != TRecoveryStatus::Ok) {
        const TCaption& why = read.Status == TRecoveryStatus::Damaged        ? kDamaged
                           : read.Status == TRecoveryStatus::OtherVersion ? kOtherVersion
                                                                          : kOtherType;
        if (prompts.ConfirmWarning(kUnusableFirst.In(language) + why.In(language) + " (" + read.Detail + ")" +
                            kUnusableLast.In(language)))
            RemoveRecoveryFile(RecoveryPath_, error);
        return;
    }
    const std::string& name = read.Info.FileName;
    if (!prompts.Confirm(kOfferFirst.In(language) + (name.empty() ? kNewSetup.In(language) : name) +
                         kOfferLast.In(language))) {
        RemoveRecoveryFile(RecoveryPath_, error);
        return;
    }
    // Onto the power-on image, as a whole setup is read; then the module hears all of it.
    const TUndoScope step(*this, kRestoreStep.In(language));
    New(false, prompts);
    TFixedSetupFileHost host;
    const TSetupReadResult result =
        ReadSetupBytes(*Image_, host, Session_->Focus.Port, TSetupFileKind::Ga4, read.Setup, name);
    if (!result.Ok()) {
        prompts.Warn(result.Text(language));
        return;
    }
    SetFileName(name);
    MarkChanged();  // still unsaved, and kept again
    RecoveryWritten_ = true;
    RefreshAll();
    try {
        Session_->Transmitter.SendAll(true, true, true, true, true, false);
    } catch (const std::exception& sendError) {
        WarnSendFailed(prompts, language, sendError);
    }
    OnStatus(kRestored.In(language));
}

// Undo ----------------------------------------------------------------------------------------

TDocument::TUndoScope::TUndoScope(TDocument& document, const std::string& name) : Document_(document) {
    if (Document_.UndoScopeDepth_ > 0) {  // a command inside a command: the outer one names the step
        ++Document_.UndoScopeDepth_;
        return;
    }
    Document_.CommitUndoStep();  // what came before is a step of its own
    ++Document_.UndoScopeDepth_;
    Document_.UndoScopeFile_ = Document_.FileState();
    Document_.OnStatus(std::string());  // what the last undo or command said is over
    std::string text = name;
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();  // "Data Request..."
    Document_.UndoScopeName_ = text;
}

TDocument::TUndoScope::~TUndoScope() {
    if (--Document_.UndoScopeDepth_ > 0) return;
    // A command that changed the open file (Open, New) takes it back with its step, so that a
    // Save after the undo never writes the older setup over the file opened.
    const TFileState after = Document_.FileState();
    if (Document_.Undo_->Commit(*Document_.Image_, Document_.UndoScopeName_) && !(after == Document_.UndoScopeFile_))
        Document_.Undo_->NoteFileChange(Document_.UndoScopeFile_, after);
    Document_.LastEditCommitMs_ = -kUndoMergeMs;
    Document_.OnUndoChanged();
}

void TDocument::UndoTimeout() {
    // A command's scope takes its changes itself; a transmission or a request settles first.
    if (UndoScopeDepth_ > 0 || UndoRunning_) return;
    // Inside a handler's waits (the pacing of its messages) its gesture is not over: the step
    // is taken once the outermost wait has returned and the handler has ended.
    if (Wait_.Depth() > 0) {
        UndoCommitDeferred_ = true;
        return;
    }
    // A drag goes on while the button is held: its steps are one step. The value put at its end
    // says it is over, whatever the button state says.
    if (IsWorking() || (!UndoGestureEnded_ && GestureHeld && GestureHeld())) {
        UndoTimer_->Start(50);
        return;
    }
    CommitUndoStep();
}

void TDocument::ScheduleUndoCommit() {
    if (UndoGestureEnded_) UndoTimer_->Start(0);  // at once, also when a deferral is waiting
    else if (!UndoTimer_->Active()) UndoTimer_->Start(0);
}

void TDocument::CommitUndoStep() {
    if (UndoScopeDepth_ > 0) return;
    UndoGestureEnded_ = false;
    const int64_t now = Wait_.NowMs();
    if (Undo_->Commit(*Image_, {}, now - LastEditCommitMs_ < kUndoMergeMs)) LastEditCommitMs_ = now;
    OnUndoChanged();
}

TDocument::TUndoResult TDocument::Step(bool undo, IUserPrompts& prompts) {
    if (UndoRunning_) return TUndoResult::Running;  // a step is still being sent: the key waits for it
    const TLanguage language = Image_->Language;
    if (IsWorking()) {
        OnStatus(kRefused.In(language));
        return TUndoResult::Refused;
    }
    UndoTimer_->Stop();
    const TUndoStep* step = undo ? Undo_->Undo(*Image_) : Undo_->Redo(*Image_);
    if (!step) {
        if (undo) OnStatus(kNothing.In(language));
        OnUndoChanged();
        return TUndoResult::Nothing;
    }
    const std::string title = UndoStepTitle(*step, language);
    TransmitStep(*step, undo, prompts);
    OnStatus((undo ? kUndone : kRedone).In(language) + title);
    return TUndoResult::Done;
}

void TDocument::TransmitStep(const TUndoStep& step, bool undo, IUserPrompts& prompts) {
    UndoRunning_ = true;
    const TLanguage language = Image_->Language;
    const std::vector<int> send = ParametersToSend(step, undo);
    NotePlayer_->ReleaseAll();
    try {
        if (send.size() > kUndoSendAllLimit) {
            // A file or a request brought that much: the module takes the whole image again.
            Session_->Transmitter.SendAll(true, true, true, true, true, false);
        } else if (!send.empty()) {
            const std::string count = std::to_string(send.size());
            OnStatus(language == TLanguage::Japanese ? count + " 個のﾒｯｾｰｼﾞを送信中..." : "Sending " + count + " messages...");
            SendRun(Session_->Transmitter, send.size(), [&] {
                const TVGS::TSenderScope sender(*Image_, Undo_.get());
                RaiseChanges(*Image_, send);
            });
        }
    } catch (const std::exception& error) {
        WarnSendFailed(prompts, language, error);  // the image is as the step left it all the same
    }
    MarkChanged();
    if (const std::optional<TFileState>& file = undo ? step.FileBefore : step.FileAfter) RestoreFileState(*file);
    UndoRunning_ = false;
    // The sends above were the step itself, not a new one; the next edit starts a step anew.
    Undo_->Rebase(*Image_);
    LastEditCommitMs_ = -kUndoMergeMs;
    UndoTimer_->Stop();
    RefreshAll();
    OnUndoChanged();
}

void TDocument::ClearUndoHistory() {
    CommitUndoStep();
    Undo_->Clear();
    OnUndoChanged();
    OnStatus(kCleared.In(Image_->Language));
}

}  // namespace veka
