#pragma once
// Collecting the modified values of the module image into a difference list, the records the
// setup-file writer stores. Every collector inserts each record at the front of the list,
// so a section's header (inserted after its items) comes before them, and sections collected
// later come first in the file. Each returns the number of value items it added (headers not
// counted); a section without items adds nothing, not even its header.
#include <deque>
#include <vector>

#include "module/progress.h"
#include "module/setup_file_kind.h"
#include "module/setup_record.h"

namespace veka {

// The records of the next setup file write, in file order.
using TDifferenceList = std::deque<TSetupRecord>;

class TVGS;

// System parameters first..last (1..64) that are modified; header {0, first, last, count}.
int CollectSystemRange(const TVGS& image, TDifferenceList& list, int first, int last);
// A part (port 0..3, part 1..16): its modified parameters in descending order, then 2, 21, 6
// together when any of the three is modified; header {1, port x 16 + part, 0, count}.
int CollectPart(const TVGS& image, TDifferenceList& list, int port, int part, const TProgress& progress = kNoProgress);
// A drum map (port, map 1..2): every modified note parameter; header {2, port x 2 + map,
// program, count}. forSingleMapFile: B1 holds the drum set's tone map instead of the map
// number, as a ".1dg" file needs it (see ReadSetupBytes).
int CollectDrumMap(const TVGS& image, TDifferenceList& list, int port, int map, bool forSingleMapFile = false,
                   const TProgress& progress = kNoProgress);
// A user drum set (0..1): all twelve parameters of every note with a modified one; header
// {3, set, 0, count}.
int CollectUserDrumSet(const TVGS& image, TDifferenceList& list, int set, const TProgress& progress = kNoProgress);

// The whole setup (".ga4"): clears the list, then collects for the active ports the drum maps
// and the parts, the system range 1..64 and the user drum sets 0 and 1.
int BuildDifferenceList(const TVGS& image, TDifferenceList& list, const TProgress& progress = kNoProgress);

// A ".1pg" file: the part, followed in the file by its drum map when asked and the part plays
// one. Clears the list first.
int CollectOnePartFile(const TVGS& image, TDifferenceList& list, int port, int part, bool withDrumMap,
                       const TProgress& progress = kNoProgress);

// An effect preset: one system section {0, 0, 0, count} with every parameter of the block,
// modified or not. Clears the list first.
int CollectEffectPreset(const TVGS& image, TDifferenceList& list, TSystemGroup block);

// A custom file (".cst"): the chosen system groups, each its own section, and the chosen parts
// (global part numbers 1..64); a drum part brings its drum map, and a part playing user drum
// set 65 or 66 that set. Clears the list first. In the file: user drum sets, system groups in
// ascending order, parts, drum maps - so every section is read after what it depends on.
struct TCustomSelection {
    bool Groups[kSystemGroupCount] = {};
    std::vector<int> GlobalParts;
};
int CollectCustomFile(const TVGS& image, TDifferenceList& list, const TCustomSelection& selection, const TProgress& progress = kNoProgress);

// The drum set that a drum map holds: that of the first part of the port playing the map
// (what LoadDrumSet put there), else the map's drum set record.
struct TMapDrumSet {
    int ToneMap = 0;
    int Program = 0;
};
TMapDrumSet MapDrumSet(const TVGS& image, int port, int map);

}  // namespace veka
