#pragma once
// Undo and redo of the image: every completed gesture or command becomes one step holding the
// parameters it changed, each with its state before and after. The history keeps a copy of
// the image as the last step left it and finds a step's changes by comparing with it, so
// changes made by any path (set operations, readers, part copy, data request) are caught.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "module/image_snapshot.h"
#include "module/language.h"

namespace veka {

struct TUndoChange {
    int32_t Index = 0;  // flat parameter index
    TParameterState Before, After;
};

// The open file around a command that changed it (Open, New, a song's setup): its name, whether
// the image differed from it, and how many saves had been made then, so that going back over a
// later save never calls a setup saved that is not.
struct TFileState {
    std::string Name;
    bool Changed = false;
    uint64_t Saves = 0;
    bool operator==(const TFileState&) const = default;
};

struct TUndoStep {
    std::string Name;  // the command's name; empty for an edit (its title comes from the change)
    std::vector<TUndoChange> Changes;  // ascending index
    TDrumSetTable DrumSetsBefore{}, DrumSetsAfter{};
    int ModuleTypeBefore = mtSC8850, ModuleTypeAfter = mtSC8850;
    std::optional<TFileState> FileBefore, FileAfter;  // set when the step changed the open file
    size_t Bytes() const { return sizeof(TUndoStep) + Name.capacity() + Changes.capacity() * sizeof(TUndoChange); }
};

// What the Edit menu calls a step: its command name, or "Volume of B3", "3 values of B3",
// "12 values" (Japanese "B3 の Volume", "B3 の 3 個の値", "12 個の値").
std::string UndoStepTitle(const TUndoStep& step, TLanguage language);

// The parameters to transmit after the image went back (undo) or forward (redo) over the step,
// in the order an edit and Send All use: system, then each part's parameters with its rhythm
// mode, tone map and tone last, the drum maps, the user drum sets. A parameter whose default
// moved with the step (a drum set, macro or insertion type the module loads itself) goes only
// when it differs from that default; the twelve scale tuning steps of a part go once.
std::vector<int> ParametersToSend(const TUndoStep& step, bool undo);
// The same order for any set of parameters (flat indices; duplicates and indices outside the
// image dropped).
std::vector<int> SendOrder(std::vector<int> indices);

class TUndoHistory {
public:
    // The bound of the history: the oldest steps are dropped beyond it.
    static constexpr size_t kDefaultByteLimit = size_t(64) << 20;
    explicit TUndoHistory(const TVGS& image, size_t byteLimit = kDefaultByteLimit);

    // Makes what changed since the last step one step; false when nothing changed. A new step
    // ends the redo list. mergeWithLastEdit: an edit of exactly the parameters the last edit
    // changed extends that step instead.
    bool Commit(const TVGS& image, std::string name = {}, bool mergeWithLastEdit = false);
    // The step just committed also changed the open file from before to after.
    void NoteFileChange(const TFileState& before, const TFileState& after);
    // Takes the image as it stands as the starting point without a step (changes that must
    // not be undone, such as the module type the port dialog set).
    void Rebase(const TVGS& image);

    bool CanUndo() const { return !Done_.empty(); }
    bool CanRedo() const { return !Undone_.empty(); }
    const TUndoStep* NextUndo() const { return Done_.empty() ? nullptr : &Done_.back(); }
    const TUndoStep* NextRedo() const { return Undone_.empty() ? nullptr : &Undone_.back(); }

    // Commits what is pending, then writes the states before the last step back into the
    // image (no notification, no message) and answers that step; null when there is none.
    const TUndoStep* Undo(TVGS& image);
    const TUndoStep* Redo(TVGS& image);
    void Clear();

    size_t Depth() const { return Done_.size(); }
    size_t RedoDepth() const { return Undone_.size(); }
    size_t Bytes() const { return Bytes_; }
    size_t ByteLimit() const { return ByteLimit_; }

private:
    void Apply(TVGS& image, const TUndoStep& step, bool undo);
    void Trim();

    TImageSnapshot Baseline_;
    std::deque<TUndoStep> Done_, Undone_;
    size_t Bytes_ = 0;
    size_t ByteLimit_;
};

}  // namespace veka

namespace veka {
// Raises the image's change for each parameter as its edit does, with the value the image now
// holds, so the transmitter sends one message for each.
void RaiseChanges(TVGS& image, const std::vector<int>& indices);
}  // namespace veka
