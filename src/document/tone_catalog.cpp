#include "document/tone_catalog.h"

#include <algorithm>
#include <cctype>

#include "module/default_data.h"

namespace veka {

namespace {

constexpr std::array<const char*, kCategoryCount> kCategories = {
    "PIANO", "CHROMATIC", "ORGAN",   "GUITAR",   "BASS",   "ORCHESTRA", "ENSEMBLE", "BRASS",      "REED",
    "PIPE",  "SYN.LEAD",  "SYN.PAD", "SYN.SFX",  "ETHNIC", "PERC.",     "SFX",      "CM-64(PCM)", "CM-64(LA)"};

constexpr std::array<const char*, 128> kCapitalNames = {
    "Piano 1",      "Piano 2",      "Piano 3",      "Honky-tonk",   "E.Piano 1",    "E.Piano 2",    "Harpsichord",
    "Clav.",        "Celesta",      "Glockenspiel", "Music Box",    "Vibraphone",   "Marimba",      "Xylophone",
    "Tubular-bell", "Santur",       "Organ 1",      "Organ 2",      "Organ 3",      "Church Org.1", "Reed Organ",
    "Accordion Fr", "Harmonica",    "Bandoneon",    "Nylon-str.Gt", "Steel-str.Gt", "Jazz Gt.",     "Clean Gt.",
    "Muted Gt.",    "Overdrive Gt", "DistortionGt", "Gt.Harmonics", "Acoustic Bs.", "Fingered Bs.", "Picked Bass",
    "Fretless Bs.", "Slap Bass 1",  "Slap Bass 2",  "Synth Bass 1", "Synth Bass 2", "Violin",       "Viola",
    "Cello",        "Contrabass",   "Tremolo Str",  "PizzicatoStr", "Harp",         "Timpani",      "Strings",
    "Slow Strings", "Syn.Strings1", "Syn.Strings2", "Choir Aahs",   "Voice Oohs",   "SynVox",       "OrchestraHit",
    "Trumpet",      "Trombone",     "Tuba",         "MutedTrumpet", "French Horns", "Brass 1",      "Synth Brass1",
    "Synth Brass2", "Soprano Sax",  "Alto Sax",     "Tenor Sax",    "Baritone Sax", "Oboe",         "English Horn",
    "Bassoon",      "Clarinet",     "Piccolo",      "Flute",        "Recorder",     "Pan Flute",    "Bottle Blow",
    "Shakuhachi",   "Whistle",      "Ocarina",      "Square Wave",  "Saw Wave",     "Syn.Calliope", "Chiffer Lead",
    "Charang",      "Solo Vox",     "5th Saw Wave", "Bass & Lead",  "Fantasia",     "Warm Pad",     "Polysynth",
    "Space Voice",  "Bowed Glass",  "Metal Pad",    "Halo Pad",     "Sweep Pad",    "Ice Rain",     "Soundtrack",
    "Crystal",      "Atmosphere",   "Brightness",   "Goblin",       "Echo Drops",   "Star Theme",   "Sitar",
    "Banjo",        "Shamisen",     "Koto",         "Kalimba",      "Bagpipe",      "Fiddle",       "Shanai",
    "Tinkle Bell",  "Agogo",        "Steel Drums",  "Woodblock",    "Taiko",        "Melo. Tom 1",  "Synth Drum",
    "Reverse Cym.", "Gt.FretNoise", "Breath Noise", "Seashore",     "Bird",         "Telephone 1",  "Helicopter",
    "Applause",     "Gun Shot"};

constexpr int kCmPcmBank = 126, kCmLaBank = 127;
constexpr size_t kItemNameMax = 24;

// Names are stored padded to twelve characters; the list shows them without the padding.
std::string Shown(std::string name) {
    while (!name.empty() && (name.back() == ' ' || name.back() == '\0')) name.pop_back();
    if (name.size() > kItemNameMax) name.resize(kItemNameMax);
    return name;
}

TBrowserItem UpItem() {
    TBrowserItem item;
    item.Name = "..";
    item.Up = true;
    item.Image = imUp;
    return item;
}

TBrowserItem ToneItem(const TPatchRecord& rec) {
    TBrowserItem item;
    item.Map = rec.ToneMap;
    item.Program = rec.Program;
    item.Bank = rec.BankMsb;
    item.Name = Shown(rec.Name);
    item.Kind = ikTone;
    item.Image = uint8_t(imTone55 + std::clamp<int>(rec.ToneMap, 1, 4) - 1);
    return item;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The maps in the order the lists show them: the newest first.
constexpr std::array<int, kToneMapCount> kNewestFirst = {4, 3, 2, 1};

}  // namespace

const std::array<const char*, kCategoryCount>& CategoryNames() { return kCategories; }

const char* CapitalToneName(int program) { return program >= 0 && program < 128 ? kCapitalNames[size_t(program)] : ""; }

int CategoryOfProgram(int program) { return program >= 0 && program < 128 ? program / 8 : kNone; }

const char* ToneMapName(int toneMap) {
    switch (toneMap) {
        case 1: return "55Map";
        case 2: return "88Map";
        case 3: return "88ProMap";
        case 4: return "8850Map";
        default: return "";
    }
}

TMapChoice UsableMaps(const TMapChoice& chosen, int moduleType) {
    TMapChoice usable{};
    const int own = std::clamp(moduleType + 1, 2, kToneMapCount);
    for (int map = 1; map <= own; ++map) usable[size_t(map)] = chosen[size_t(map)];
    return usable;
}

std::vector<TBrowserItem> NodeItems(const TDefaultData& data, const TTreeNode& node, const TMapChoice& chosen,
                                    int moduleType) {
    const TMapChoice maps = UsableMaps(chosen, moduleType);
    std::vector<TBrowserItem> items;
    auto folder = [&items](const std::string& name, uint8_t kind, uint8_t index, uint8_t program, uint8_t image) {
        TBrowserItem item;
        item.Name = name;
        item.Kind = kind;
        item.Index = index;
        item.Program = program;
        item.Image = image;
        items.push_back(item);
    };
    switch (node.Kind) {
        case nkRoot:
            folder("Patch", ikRoot, 0, kNone, imFolder);
            folder("Drum Kit", ikRoot, 1, kNone, imFolder);
            return items;
        case nkPatch:
            items.push_back(UpItem());
            for (int c = 0; c < kCategoryCount; ++c) folder(kCategories[size_t(c)], ikCategory, uint8_t(c), kNone, imFolder);
            return items;
        case nkCategory: {
            items.push_back(UpItem());
            const int category = node.Category;
            if (category < 16) {
                for (int p = category * 8; p < category * 8 + 8; ++p)
                    folder(kCapitalNames[size_t(p)], ikProgram, uint8_t(category), uint8_t(p), imProgram);
            } else if (category < kCategoryCount && maps[1]) {
                // The CM-64 sounds are banks 126 and 127 of the 55Map.
                const int bank = category == 16 ? kCmPcmBank : kCmLaBank;
                for (const TPatchRecord& rec : data.ToneList(1))
                    if (rec.BankMsb == bank) items.push_back(ToneItem(rec));
            }
            return items;
        }
        case nkProgram:
            items.push_back(UpItem());
            for (int map : kNewestFirst) {
                if (!maps[size_t(map)]) continue;
                for (const TPatchRecord& rec : data.ToneList(map))
                    if (rec.Program == node.Value && rec.BankMsb != kCmPcmBank && rec.BankMsb != kCmLaBank)
                        items.push_back(ToneItem(rec));
            }
            return items;
        case nkDrumKits: {
            items.push_back(UpItem());
            auto kit = [&items](int map, int program, const std::string& name, uint8_t image) {
                TBrowserItem item;
                item.Map = uint8_t(map);
                item.Program = uint8_t(program);
                item.Bank = 0;
                item.Name = Shown(name);
                item.Kind = ikDrumKit;
                item.Image = image;
                items.push_back(item);
            };
            for (int map : kNewestFirst) {
                if (!maps[size_t(map)]) continue;
                for (const TDrumIndexRecord& rec : map == 4 ? data.DrumIndex8850() : data.DrumIndex())
                    if (rec.ToneMap == map && rec.Program >= 0 && rec.Program < 128 && rec.Program != 64 &&
                        rec.Program != 65)
                        kit(map, rec.Program, rec.Name, imDrumKit);
            }
            const int own = std::clamp(moduleType + 1, 2, kToneMapCount);
            kit(own, 64, "UserDrumSet 65", imUserDrum);
            kit(own, 65, "UserDrumSet 66", imUserDrum);
            return items;
        }
    }
    return items;
}

void SortItems(std::vector<TBrowserItem>& items, int column, bool ascending) {
    const auto first = std::find_if(items.begin(), items.end(), [](const TBrowserItem& i) { return !i.Up; });
    std::stable_sort(first, items.end(), [column, ascending](const TBrowserItem& a, const TBrowserItem& b) {
        int order = 0;
        switch (column) {
            case scMap: order = int(a.Map) - int(b.Map); break;
            case scBank: order = int(a.Bank) - int(b.Bank); break;
            case scProgram: order = int(a.Program) - int(b.Program); break;
            default: {
                const std::string la = Lower(a.Name), lb = Lower(b.Name);
                order = la < lb ? -1 : la > lb ? 1 : a.Name.compare(b.Name);
                break;
            }
        }
        return ascending ? order < 0 : order > 0;
    });
}

std::vector<std::string> SearchKeywords(std::string_view text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i - start >= 2) words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

std::string SearchDescription(const std::vector<std::string>& keywords, const TMapChoice& maps, TLanguage language) {
    std::string mapList;
    for (int map = 1; map <= kToneMapCount; ++map)
        if (maps[size_t(map)]) mapList += std::string(ToneMapName(map)) + ", ";
    if (mapList.empty()) return {};
    mapList.resize(mapList.size() - 2);
    if (language == TLanguage::Japanese) {
        std::string words;
        for (const std::string& word : keywords) words += "\"" + word + "\" ";
        return "音色マップ " + mapList + "のうち、文字列 " + words + "を含む";
    }
    std::string words;
    for (size_t i = 0; i < keywords.size(); ++i) words += (i ? ", \"" : "\"") + keywords[i] + "\"";
    return "Search for patch names containing the characters " + words + "\nfrom " + mapList + ".";
}

std::vector<TBrowserItem> SearchTones(const TDefaultData& data, const std::vector<std::string>& keywords,
                                      const TMapChoice& maps) {
    std::vector<TBrowserItem> found;
    std::vector<std::string> lowered;
    for (const std::string& word : keywords)
        if (word.size() >= 2) lowered.push_back(Lower(word));
    if (lowered.empty()) return found;
    for (int map : kNewestFirst) {
        if (!maps[size_t(map)]) continue;
        for (const TPatchRecord& rec : data.ToneList(map)) {
            const std::string name = Lower(rec.Name);
            for (const std::string& word : lowered)
                if (name.find(word) != std::string::npos) found.push_back(ToneItem(rec));
        }
    }
    return found;
}

}  // namespace veka
