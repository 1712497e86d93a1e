#pragma once
// A copy of every number an image holds (each parameter's value, range and default, the drum
// set of each map, the module type), and one flat numbering of the image's parameters, so
// two states can be compared and one written back: undo and redo, the comparison with the
// module.
#include <array>
#include <cstdint>
#include <vector>

#include "module/image.h"

namespace veka {

class TImageWriter;

// Flat numbering: the system parameters, then the parts of Port A to D, the drum maps of Port
// A to D (map, note, parameter) and the two user drum sets (set, note, parameter).
inline constexpr int kFlatSystem = 0;
inline constexpr int kFlatParts = kFlatSystem + kSystemParameterCount;
inline constexpr int kFlatDrums = kFlatParts + kPortCount * kPartsPerPort * kPartParameterCount;
inline constexpr int kFlatUserDrums = kFlatDrums + kPortCount * kDrumMapsPerPort * kNoteCount * kDrumParameterCount;
inline constexpr int kFlatParameterCount = kFlatUserDrums + kUserDrumSetCount * kNoteCount * kUserDrumParameterCount;

// Where a flat index lives: the port and the parameter in the form of the comparison links
// (system {0, n}, part {1, part, n}, drum map {2, map, note, n}, user drum {3, set, note, n}).
struct TParameterPlace {
    int Port = 0;
    TLinkData Link;
};
TParameterPlace PlaceOfIndex(int index);
int IndexOfPlace(int port, const TLinkData& link);  // -1 when the place names no parameter
const TOneParameter& RecordAt(const TVGS& image, int index);
TOneParameter& RecordAt(TImageWriter& image, int index);

struct TParameterState {
    int32_t Value = 0, Default = 0, Min = 0, Max = 0;
    bool operator==(const TParameterState&) const = default;
};
inline TParameterState StateOf(const TOneParameter& p) { return {p.Value, p.Default, p.Min, p.Max}; }
inline void ApplyState(TOneParameter& p, const TParameterState& s) {
    p.Value = s.Value;
    p.Default = s.Default;
    p.Min = s.Min;
    p.Max = s.Max;
}

// Another image takes the value one parameter has in source (a copy of the module's state
// following what was sent to it).
void CopyValue(TVGS& target, const TVGS& source, int index);

// The drum set records of the four ports' two maps, in (port, map) order.
using TDrumSetTable = std::array<TDrumSetRecord, kPortCount * kDrumMapsPerPort>;
TDrumSetTable DrumSetsOf(const TVGS& image);
void ApplyDrumSets(TVGS& image, const TDrumSetTable& table);

struct TImageSnapshot {
    std::vector<TParameterState> States;  // kFlatParameterCount entries
    TDrumSetTable DrumSets{};
    int ModuleType = mtSC8850;

    static TImageSnapshot Capture(const TVGS& image);
    // Writes every state back without a notification or a message; the insertion type's
    // parameter kinds are collected again.
    void Restore(TVGS& image) const;
};

// Calls fn(index, record) for every parameter in flat order. The image keeps a part's
// parameters, and a note's, side by side, so each run is walked from its first record.
template <typename Image, typename Fn>
void ForEachParameter(Image& image, Fn&& fn) {
    int index = 0;
    for (int n = 1; n <= kSystemParameterCount; ++n) fn(index++, image.System(n));
    for (int port = 0; port < kPortCount; ++port)
        for (int part = 1; part <= kPartsPerPort; ++part) {
            auto* run = &image.Part(port, part, 1);
            for (int n = 0; n < kPartParameterCount; ++n) fn(index++, run[n]);
        }
    for (int port = 0; port < kPortCount; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note) {
                auto* run = &image.Drum(port, map, 1, note);
                for (int n = 0; n < kDrumParameterCount; ++n) fn(index++, run[n]);
            }
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int note = 0; note < kNoteCount; ++note) {
            auto* run = &image.UserDrum(set, 1, note);
            for (int n = 0; n < kUserDrumParameterCount; ++n) fn(index++, run[n]);
        }
}

}  // namespace veka
