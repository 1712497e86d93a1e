#include "module/undo_history.h"

#include <algorithm>

#include "image_writer/image_writer.h"

namespace veka {

namespace {

std::string WhereOf(const TParameterPlace& p) {
    switch (p.Link.Kind) {
        case LinkPart: return PartName(p.Port, p.Link.Owner);
        case LinkDrum: return "Drum Map " + DrumMapName(p.Port, p.Link.Owner) + " Key" + std::to_string(p.Link.Index);
        case LinkUserDrum: return "User Drum " + std::to_string(p.Link.Owner) + " Key" + std::to_string(p.Link.Index);
        default: return {};
    }
}

bool DefaultMoved(const TUndoChange& c) { return c.Before.Default != c.After.Default; }

// Rank of a part parameter in its part's send order: the tone goes last, after its rhythm
// mode and tone map, so the module selects it last.
int PartRank(int parameter) {
    switch (parameter) {
        case ppRhythm: return kPartParameterCount + 1;
        case ppToneMap: return kPartParameterCount + 2;
        case ppToneNumber: return kPartParameterCount + 3;
        default: return parameter;
    }
}

}  // namespace

std::string UndoStepTitle(const TUndoStep& step, TLanguage language) {
    if (!step.Name.empty()) return step.Name;
    // The edit itself, not what followed from it (the notes of a drum set a tone brought).
    std::vector<const TUndoChange*> edits;
    for (const TUndoChange& c : step.Changes)
        if (!DefaultMoved(c) && c.Before.Value != c.After.Value) edits.push_back(&c);
    if (edits.empty())
        for (const TUndoChange& c : step.Changes) edits.push_back(&c);
    const bool japanese = language == TLanguage::Japanese;
    if (edits.empty()) return japanese ? "変更" : "Change";
    const TParameterPlace first = PlaceOfIndex(edits.front()->Index);
    bool onePlace = true;
    for (const TUndoChange* c : edits) {
        const TParameterPlace p = PlaceOfIndex(c->Index);
        if (p.Port != first.Port || p.Link.Kind != first.Link.Kind || p.Link.Owner != first.Link.Owner ||
            (p.Link.Kind >= LinkDrum && p.Link.Index != first.Link.Index) || first.Link.Kind == LinkSystem)
            onePlace = false;
    }
    const std::string where = WhereOf(first);
    const std::string count = std::to_string(edits.size());
    if (edits.size() == 1) {
        // Names are the module's own (English in both languages).
        const std::string name = first.Link.Kind == LinkSystem ? std::string(SystemRows()[size_t(first.Link.Owner)].Name)
                                 : first.Link.Kind == LinkPart ? std::string(PartRows()[size_t(first.Link.Index)].Name)
                                                               : std::string(DrumParameterName(first.Link.Data));
        const std::string shown = name.empty() ? (japanese ? "値" : "value") : name;
        if (where.empty()) return shown;
        return japanese ? where + " の " + shown : shown + " of " + where;
    }
    if (onePlace) return japanese ? where + " の " + count + " 個の値" : count + " values of " + where;
    return japanese ? count + " 個の値" : count + " values";
}

std::vector<int> SendOrder(std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::vector<int> out;
    std::vector<std::pair<int, int>> parts;  // (rank, index) of the current part's parameters
    auto flushParts = [&] {
        std::stable_sort(parts.begin(), parts.end());
        for (const auto& [rank, index] : parts) out.push_back(index);
        parts.clear();
    };
    int partGroup = -1;  // port * 16 + part of the parameters collected in parts
    bool scaleTuningTaken = false;
    for (const int index : indices) {
        const TParameterPlace place = PlaceOfIndex(index);
        if (index < 0 || index >= kFlatParameterCount) continue;
        if (place.Link.Kind != LinkPart) {
            flushParts();
            partGroup = -1;
            out.push_back(index);
            continue;
        }
        const int group = place.Port * kPartsPerPort + place.Link.Owner;
        if (group != partGroup) {
            flushParts();
            partGroup = group;
            scaleTuningTaken = false;
        }
        const int parameter = place.Link.Index;
        if (parameter >= ppScaleTuningC && parameter <= ppScaleTuningB) {
            // One message carries the part's twelve steps.
            if (!scaleTuningTaken) parts.emplace_back(PartRank(ppScaleTuningC), index - (parameter - ppScaleTuningC));
            scaleTuningTaken = true;
            continue;
        }
        parts.emplace_back(PartRank(parameter), index);
    }
    flushParts();
    return out;
}

std::vector<int> ParametersToSend(const TUndoStep& step, bool undo) {
    std::vector<int> indices;
    for (const TUndoChange& c : step.Changes) {
        const TParameterState& to = undo ? c.Before : c.After;
        const TParameterState& from = undo ? c.After : c.Before;
        if (DefaultMoved(c) ? to.Value != to.Default : to.Value != from.Value) indices.push_back(c.Index);
    }
    return SendOrder(std::move(indices));
}

TUndoHistory::TUndoHistory(const TVGS& image, size_t byteLimit)
    : Baseline_(TImageSnapshot::Capture(image)), ByteLimit_(byteLimit) {}

bool TUndoHistory::Commit(const TVGS& image, std::string name, bool mergeWithLastEdit) {
    TUndoStep step;
    ForEachParameter(image, [&](int index, const TOneParameter& p) {
        TParameterState& before = Baseline_.States[size_t(index)];
        const TParameterState now = StateOf(p);
        if (now == before) return;
        step.Changes.push_back({index, before, now});
        before = now;
    });
    const TDrumSetTable sets = DrumSetsOf(image);
    bool setsChanged = false;
    for (size_t i = 0; i < sets.size(); ++i)
        if (sets[i].ToneMap != Baseline_.DrumSets[i].ToneMap || sets[i].Program != Baseline_.DrumSets[i].Program ||
            sets[i].Found != Baseline_.DrumSets[i].Found)
            setsChanged = true;
    const bool typeChanged = image.ModuleType() != Baseline_.ModuleType;
    if (step.Changes.empty() && !setsChanged && !typeChanged) return false;
    step.Name = std::move(name);
    step.DrumSetsBefore = Baseline_.DrumSets;
    step.DrumSetsAfter = sets;
    step.ModuleTypeBefore = Baseline_.ModuleType;
    step.ModuleTypeAfter = image.ModuleType();
    Baseline_.DrumSets = sets;
    Baseline_.ModuleType = image.ModuleType();
    step.Changes.shrink_to_fit();
    for (const TUndoStep& s : Undone_) Bytes_ -= s.Bytes();
    Undone_.clear();
    if (mergeWithLastEdit && step.Name.empty() && !Done_.empty() && Done_.back().Name.empty() &&
        std::equal(step.Changes.begin(), step.Changes.end(), Done_.back().Changes.begin(), Done_.back().Changes.end(),
                   [](const TUndoChange& a, const TUndoChange& b) { return a.Index == b.Index; })) {
        // The same parameters again (a held key, the wheel): one step from the first state to
        // the last; none when they are back where they started.
        TUndoStep& last = Done_.back();
        bool moved = false;
        for (size_t i = 0; i < step.Changes.size(); ++i) {
            last.Changes[i].After = step.Changes[i].After;
            if (!(last.Changes[i].After == last.Changes[i].Before)) moved = true;
        }
        last.DrumSetsAfter = step.DrumSetsAfter;
        last.ModuleTypeAfter = step.ModuleTypeAfter;
        if (!moved) {
            Bytes_ -= last.Bytes();
            Done_.pop_back();
        }
        return true;
    }
    Bytes_ += step.Bytes();
    Done_.push_back(std::move(step));
    Trim();
    return true;
}

void TUndoHistory::NoteFileChange(const TFileState& before, const TFileState& after) {
    if (Done_.empty()) return;
    Done_.back().FileBefore = before;
    Done_.back().FileAfter = after;
}

void TUndoHistory::Rebase(const TVGS& image) { Baseline_ = TImageSnapshot::Capture(image); }

void TUndoHistory::Trim() {
    // The newest step stays whatever its size, so the last command can always be undone.
    while (Bytes_ > ByteLimit_ && !Undone_.empty()) {
        Bytes_ -= Undone_.front().Bytes();
        Undone_.pop_front();
    }
    while (Bytes_ > ByteLimit_ && Done_.size() > 1) {
        Bytes_ -= Done_.front().Bytes();
        Done_.pop_front();
    }
}

void TUndoHistory::Apply(TVGS& image, const TUndoStep& step, bool undo) {
    bool insertion = false;
    TImageWriter writer(image);
    for (const TUndoChange& c : step.Changes) {
        const TParameterState& to = undo ? c.Before : c.After;
        ApplyState(RecordAt(writer, c.Index), to);
        Baseline_.States[size_t(c.Index)] = to;
        if (c.Index == kFlatSystem + spEfxType - 1) insertion = true;
    }
    const TDrumSetTable& sets = undo ? step.DrumSetsBefore : step.DrumSetsAfter;
    ApplyDrumSets(image, sets);
    Baseline_.DrumSets = sets;
    image.SetModuleType(undo ? step.ModuleTypeBefore : step.ModuleTypeAfter);
    Baseline_.ModuleType = image.ModuleType();
    if (insertion) {
        const int32_t type = image.System(spEfxType).Value;
        image.LoadInsertionType(type / 128, type % 128);
    }
}

const TUndoStep* TUndoHistory::Undo(TVGS& image) {
    Commit(image);
    if (Done_.empty()) return nullptr;
    Undone_.push_back(std::move(Done_.back()));
    Done_.pop_back();
    Apply(image, Undone_.back(), true);
    return &Undone_.back();
}

const TUndoStep* TUndoHistory::Redo(TVGS& image) {
    // Something changed since the undo: that is a new step, and there is nothing to redo.
    if (Commit(image) || Undone_.empty()) return nullptr;
    Done_.push_back(std::move(Undone_.back()));
    Undone_.pop_back();
    Apply(image, Done_.back(), false);
    return &Done_.back();
}

void TUndoHistory::Clear() {
    Done_.clear();
    Undone_.clear();
    Bytes_ = 0;
}

}  // namespace veka

namespace veka {

void RaiseChanges(TVGS& image, const std::vector<int>& indices) {
    for (const int index : indices) {
        const TParameterPlace p = PlaceOfIndex(index);
        const int32_t value = RecordAt(image, index).Value;
        switch (p.Link.Kind) {
            case LinkSystem: image.SetSystemValue(p.Link.Owner, value); break;
            case LinkPart:
                if (p.Link.Index == ppMasterCoarseTuning) image.SetPartCoarseTuning(p.Port, p.Link.Owner, value);
                else image.SetPartValue(p.Port, p.Link.Owner, value, p.Link.Index);
                break;
            case LinkDrum: image.SetDrumValue(p.Port, p.Link.Owner, value, p.Link.Data, p.Link.Index); break;
            case LinkUserDrum: image.SetUserDrumValue(p.Link.Owner, p.Link.Index, value, p.Link.Data); break;
            default: break;
        }
    }
}

}  // namespace veka
