#pragma once
// TDocument: the open setup and what belongs to it, without a window. It owns the module image
// and the MIDI session around it, knows the file the setup came from and whether it changed,
// keeps the unsaved setup in the recovery file, and settles edits into undo steps. The program
// shows it (caption, Undo menu, lamps) by listening to its signals; the command line and the
// tests use it as it stands.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "document/new_setup.h"
#include "document/note_player.h"
#include "document/song_playback.h"
#include "document/test_note.h"
#include "document/timer.h"
#include "document/user_prompts.h"
#include "midi/midi_session.h"
#include "module/image.h"
#include "module/signal.h"
#include "module/undo_history.h"

namespace veka {

class TDocument {
public:
    // The image becomes the document's; wait paces every message; recoveryPath is where the
    // unsaved setup is kept (empty: nowhere).
    TDocument(std::unique_ptr<TVGS> image, TPumpWait& wait, ITimerSource& timers, std::string recoveryPath);
    ~TDocument();
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    TVGS& Image() { return *Image_; }
    const TVGS& Image() const { return *Image_; }
    TMidiSession& Session() { return *Session_; }
    TTransmitter& Transmitter() { return Session_->Transmitter; }
    TPumpWait& Wait() { return Wait_; }
    TLastNotes& LastNotes() { return LastNotes_; }
    TTestNote& TestNote() { return *TestNote_; }
    TNotePlayer& NotePlayer() { return *NotePlayer_; }
    // The song that plays beside the setup.
    TSongPlayback& Playback() { return *Playback_; }

    // What the document asks of the program around it. Working: a long transmission or a data
    // request runs its own loop, so steps and the recovery file settle after it. GestureHeld: a
    // pointer button is held, a drag goes on. Both may be empty.
    std::function<bool()> Working;
    std::function<bool()> GestureHeld;

    // The open file ----------------------------------------------------------------------
    // The setup's file (empty for a new one) and whether the image differs from it.
    const std::string& FileName() const { return FileName_; }
    bool Changed() const { return Changed_; }
    void SetFileName(const std::string& name);
    // The setup differs from its file: kept in the recovery file once the edits settle.
    void MarkChanged();
    // The setup matches its file (read, written, new): nothing is left to recover.
    void ClearChanged();
    // The setup was written to name, which is now its file.
    void NoteSaved(const std::string& name);
    // The image was written and written back by work that is no edit (a comparison with the
    // module reads into it): no undo step, and the changed mark as it was before.
    void ForgetChanges(bool changed);
    TFileState FileState() const;
    void RestoreFileState(const TFileState& state);
    // The file's name or its changed mark moved: the caption shows them.
    TSignal<> OnFileChanged;

    // The image changed as a whole: the shown port stays one in use, every window reads again.
    void RefreshAll();
    TSignal<> OnRefreshed;
    // New left the image at power-on: windows that keep their own state of it start again.
    TSignal<> OnNew;
    // A line for the status bar (undo, recovery).
    TSignal<const std::string&> OnStatus;

    // File > New without the question about unsaved changes: the image and (with send) the
    // module to power-on, no file. status receives the reset's progress texts. A failed send
    // is told; the image is reset all the same.
    void New(bool send, IUserPrompts& prompts, const std::function<void(const std::string&)>& status = {});

    // The recovery file -------------------------------------------------------------------
    static constexpr int kRecoveryDelayMs = 400;
    const std::string& RecoveryPath() const { return RecoveryPath_; }
    // Writes the unsaved setup now (or removes the file when nothing is unsaved).
    void WriteRecoveryNow();
    // At start: a setup an unclean end left is offered back; a file that cannot be used is
    // offered for removal. The restored setup stays unsaved and is sent whole.
    void OfferRecovery(IUserPrompts& prompts);
    // A close nobody may be there to answer (a logout): the unsaved setup goes into the
    // recovery file instead of a question. True when it is kept there.
    bool KeepUnsaved();
    // An orderly end: nothing more is written, and the recovery file goes unless it was kept.
    void EndCleanly(bool keepRecovery);

    // Ports that go and come back ---------------------------------------------------------
    // From now on the ports in use are looked at every kPortLookMs between transmissions (see
    // TMidiSession::LookAtPorts); a transmission looks for itself.
    static constexpr int kPortLookMs = 1000;
    void WatchPorts();

    // Undo --------------------------------------------------------------------------------
    // Steps that send more messages than this send the whole image instead (Send All).
    static constexpr size_t kUndoSendAllLimit = 200;
    // Edits of the same parameters this close together are one step (a held key, the wheel).
    static constexpr int kUndoMergeMs = 700;
    const TUndoHistory& UndoHistory() const { return *Undo_; }
    // Takes the changes so far as a step now (before a command, and in tests).
    void CommitUndoStep();
    // Changes wait to settle into a step.
    bool UndoPending() const { return UndoTimer_->Active(); }
    enum class TUndoResult { Done, Nothing, Refused, Running };
    // Edit > Undo and Redo: the image goes back or forward over the step, the module hears it
    // as the edits were sent, the open file comes back with a step that changed it. Refused
    // while a transmission or data request runs (said on the status line).
    TUndoResult Undo(IUserPrompts& prompts) { return Step(true, prompts); }
    TUndoResult Redo(IUserPrompts& prompts) { return Step(false, prompts); }
    void ClearUndoHistory();
    // The next steps to undo and redo changed: the Edit menu shows them.
    TSignal<> OnUndoChanged;

    // All a command changes is one step named after it; a command inside a command belongs to
    // the outer one. A command that changed the open file takes it back with its step.
    class TUndoScope {
    public:
        TUndoScope(TDocument& document, const std::string& name);
        ~TUndoScope();
        TUndoScope(const TUndoScope&) = delete;
        TUndoScope& operator=(const TUndoScope&) = delete;

    private:
        TDocument& Document_;
    };

private:
    bool IsWorking() const { return Working && Working(); }
    void UndoTimeout();
    void ScheduleUndoCommit();
    TUndoResult Step(bool undo, IUserPrompts& prompts);
    void TransmitStep(const TUndoStep& step, bool undo, IUserPrompts& prompts);

    TPumpWait& Wait_;
    std::unique_ptr<TVGS> Image_;
    std::unique_ptr<TMidiSession> Session_;
    TLastNotes LastNotes_;
    std::unique_ptr<TTestNote> TestNote_;
    std::unique_ptr<TNotePlayer> NotePlayer_;  // after the session and the notes: goes first
    std::unique_ptr<TSongPlayback> Playback_;  // ends its notes on the session's ports
    std::unique_ptr<TUndoHistory> Undo_;

    std::string FileName_;
    bool Changed_ = false;
    std::map<std::string, uint64_t> FileSaves_;  // how often each file was written since the start

    std::string RecoveryPath_;
    bool RecoveryWritten_ = false;
    std::unique_ptr<ITimer> RecoveryTimer_;

    std::unique_ptr<ITimer> UndoTimer_;
    std::unique_ptr<ITimer> PortTimer_;
    int UndoScopeDepth_ = 0;
    std::string UndoScopeName_;
    TFileState UndoScopeFile_;  // the open file as the outermost command scope found it
    bool UndoRunning_ = false;
    bool UndoGestureEnded_ = false;   // a value was put: the gesture is over
    bool UndoCommitDeferred_ = false; // the commit came inside a wait
    int64_t LastEditCommitMs_ = -1000000;

    TSubscription DataChanges_, UndoPuts_;
};

}  // namespace veka
