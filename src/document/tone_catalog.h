#pragma once
// The tone browser's catalogue: the tree of 18 categories with the capital tone names of the
// 128 programs, the items each node lists from the tone and drum kit lists of the enabled
// maps, their sorting, and the search by words in the tone names. Plain C++, no Qt.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "module/language.h"

namespace veka {

class TDefaultData;

inline constexpr int kToneMapCount = 4;       // 1 55Map, 2 88Map, 3 88ProMap, 4 8850 map
inline constexpr int kCategoryCount = 18;
inline constexpr uint8_t kNone = 255;        // an item's map, program or bank that it lacks

// Which maps the browser and the search use, by tone map 1..4 (index 0 unused).
using TMapChoice = std::array<bool, kToneMapCount + 1>;

enum TItemKind : uint8_t { ikRoot = 1, ikCategory = 2, ikProgram = 3, ikDrumKit = 4, ikTone = 10 };

// The pictures of the items (browser_icons.h draws them).
enum TItemImage : uint8_t { imUp, imFolder, imProgram, imTone55, imTone88, imTone88Pro, imTone8850, imDrumKit, imUserDrum,
                            kItemImageCount };

// One line of the list: what it puts on a part, or which node it opens.
struct TBrowserItem {
    uint8_t Map = kNone, Program = kNone, Bank = kNone;
    std::string Name;   // at most 24 characters
    uint8_t Image = 0;
    bool Up = false;    // the ".." line
    uint8_t Kind = 0;   // TItemKind
    uint8_t Index = 0;  // the category of a category item
};

enum TNodeKind : uint8_t { nkRoot = 0, nkPatch = 1, nkCategory = 2, nkProgram = 3, nkDrumKits = 4 };

struct TTreeNode {
    TNodeKind Kind = nkRoot;
    uint8_t Value = kNone;     // the program of a program node
    uint8_t Category = kNone;  // the category of a category or program node
};

// "PIANO" .. "CM-64(LA)"; the capital tone names "Piano 1" .. "Gun Shot".
const std::array<const char*, kCategoryCount>& CategoryNames();
const char* CapitalToneName(int program);  // "" outside 0..127
// The category of program 0..127 (its family of eight), 255 outside.
int CategoryOfProgram(int program);
// "55Map", "88Map", "88ProMap", "8850Map"; "" outside 1..4.
const char* ToneMapName(int toneMap);

// The maps in use: chosen and held by a module of that type (its own map and those below).
TMapChoice UsableMaps(const TMapChoice& chosen, int moduleType);

// The items a node lists, ".." first (none for the root).
std::vector<TBrowserItem> NodeItems(const TDefaultData& data, const TTreeNode& node, const TMapChoice& maps,
                                    int moduleType);

// Sort columns: 0 name, 1 map, 2 bank, 3 program. The ".." line stays first.
enum TSortColumn : int { scName, scMap, scBank, scProgram };
void SortItems(std::vector<TBrowserItem>& items, int column, bool ascending);

// The search: the blank-separated words of at least two characters; the sentence that says
// what will be looked for (empty without a map); the tones of the maps in the order 8850,
// 88Pro, 88, 55 whose names hold a word (without regard to case), once per word they hold.
std::vector<std::string> SearchKeywords(std::string_view text);
std::string SearchDescription(const std::vector<std::string>& keywords, const TMapChoice& maps, TLanguage language);
std::vector<TBrowserItem> SearchTones(const TDefaultData& data, const std::vector<std::string>& keywords,
                                      const TMapChoice& maps);

}  // namespace veka
