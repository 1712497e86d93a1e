#include "module/difference_list.h"

#include <algorithm>
#include <string>

#include "module/image.h"
#include "module/user_messages.h"

namespace veka {

namespace {

uint8_t Byte(int value) { return uint8_t(std::clamp(value, 0, 255)); }

void Front(TDifferenceList& list, uint8_t b0, uint8_t b1, uint8_t b2, int32_t value) {
    list.push_front(TSetupRecord{b0, b1, b2, 0, value});
}

void Progress(const TProgress& progress, const TVGS& image, int maxValue, int current, const std::string& what) {
    progress.Report(maxValue, current, what + std::string(UserMessage(17, image.Language)));
}

}  // namespace

TMapDrumSet MapDrumSet(const TVGS& image, int port, int map) {
    const int part = image.FindPartByMap(port, map);
    if (part > 0) {
        const int32_t tone = image.Part(port, part, ppToneNumber).Value;
        return {image.Part(port, part, ppToneMap).Value, ((tone % 128) + 128) % 128};
    }
    const TDrumSetRecord& record = image.DrumSet(port, map);
    return {record.ToneMap, record.Program};
}

int CollectSystemRange(const TVGS& image, TDifferenceList& list, int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, kSystemParameterCount);
    int count = 0;
    for (int n = last; n >= first; --n) {
        const TOneParameter& p = image.System(n);
        if (!IsModified(p)) continue;
        Front(list, uint8_t(n), 0, 0, p.Value);
        ++count;
    }
    if (count > 0) Front(list, skSystem, Byte(first), Byte(last), count);
    return count;
}

int CollectPart(const TVGS& image, TDifferenceList& list, int port, int part, const TProgress& progress) {
    if (!TVGS::ValidPart(port, part, 1)) return 0;
    int count = 0;
    auto item = [&](int n) {
        Front(list, uint8_t(part), uint8_t(n), 0, image.Part(port, part, n).Value);
        ++count;
    };
    // The tone goes last in the file, after what it might depend on, and whole: a reader
    // loads the drum set from the three together.
    if (IsModified(image.Part(port, part, ppRhythm)) || IsModified(image.Part(port, part, ppToneNumber)) ||
        IsModified(image.Part(port, part, ppToneMap))) {
        item(ppRhythm);
        item(ppToneMap);
        item(ppToneNumber);
    }
    for (int n = 1; n <= kPartParameterCount; ++n) {
        if (n == ppToneNumber || n == ppRhythm || n == ppToneMap) continue;
        if (IsModified(image.Part(port, part, n))) item(n);
    }
    Progress(progress, image, 10, 10, "Part " + PartName(port, part));
    if (count > 0) Front(list, skPart, uint8_t(GlobalPartNumber(port, part)), 0, count);
    return count;
}

int CollectDrumMap(const TVGS& image, TDifferenceList& list, int port, int map, bool forSingleMapFile, const TProgress& progress) {
    if (!TVGS::ValidDrum(port, map, 1, 0)) return 0;
    const uint8_t globalMap = uint8_t(port * kDrumMapsPerPort + map);
    const std::string label = "Drum " + DrumMapName(port, map);
    int count = 0;
    for (int note = 0; note < kNoteCount; ++note) {
        Progress(progress, image, 127, note, label);
        for (int n = 1; n <= kDrumParameterCount; ++n) {
            const TOneParameter& p = image.Drum(port, map, n, note);
            if (!IsModified(p)) continue;
            Front(list, globalMap, uint8_t(note), uint8_t(n), p.Value);
            ++count;
        }
    }
    if (count > 0) {
        const TMapDrumSet set = MapDrumSet(image, port, map);
        Front(list, skDrumMap, forSingleMapFile ? Byte(set.ToneMap) : globalMap, Byte(set.Program), count);
    }
    return count;
}

int CollectUserDrumSet(const TVGS& image, TDifferenceList& list, int set, const TProgress& progress) {
    if (!TVGS::ValidUserDrum(set, 1, 0)) return 0;
    bool marked[kNoteCount] = {};
    for (int note = 0; note < kNoteCount; ++note) marked[note] = image.UserDrumNoteModified(set, note);
    const std::string label = "User Drum " + std::to_string(set);
    int count = 0;
    for (int note = 0; note < kNoteCount; ++note) {
        Progress(progress, image, 127, note, label);
        if (!marked[note]) continue;
        for (int n = 1; n <= kUserDrumParameterCount; ++n) {
            Front(list, uint8_t(set), uint8_t(note), uint8_t(n), image.UserDrum(set, n, note).Value);
            ++count;
        }
    }
    if (count > 0) Front(list, skUserDrum, uint8_t(set), 0, count);
    return count;
}

int BuildDifferenceList(const TVGS& image, TDifferenceList& list, const TProgress& progress) {
    list.clear();
    const int ports = image.ActivePortCount();
    int count = 0;
    for (int port = 0; port < ports; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map) count += CollectDrumMap(image, list, port, map, false, progress);
    for (int port = 0; port < ports; ++port)
        for (int part = 1; part <= kPartsPerPort; ++part) count += CollectPart(image, list, port, part, progress);
    count += CollectSystemRange(image, list, 1, kSystemParameterCount);
    for (int set = 0; set < kUserDrumSetCount; ++set) count += CollectUserDrumSet(image, list, set, progress);
    return count;
}

int CollectOnePartFile(const TVGS& image, TDifferenceList& list, int port, int part, bool withDrumMap, const TProgress& progress) {
    list.clear();
    int count = 0;
    const int map = image.Part(port, part, ppRhythm).Value;
    if (withDrumMap && map >= 1 && map <= kDrumMapsPerPort) count += CollectDrumMap(image, list, port, map, false, progress);
    count += CollectPart(image, list, port, part, progress);
    return count;
}

int CollectEffectPreset(const TVGS& image, TDifferenceList& list, TSystemGroup block) {
    list.clear();
    const TParameterRange range = SystemGroupRange(block);
    int count = 0;
    for (int n = range.Last; n >= range.First; --n) {
        Front(list, uint8_t(n), 0, 0, image.System(n).Value);
        ++count;
    }
    Front(list, skSystem, 0, 0, count);
    return count;
}

int CollectCustomFile(const TVGS& image, TDifferenceList& list, const TCustomSelection& selection, const TProgress& progress) {
    list.clear();
    std::vector<int> parts;
    for (int global : selection.GlobalParts)
        if (global >= 1 && global <= kPortCount * kPartsPerPort) parts.push_back(global);
    std::sort(parts.begin(), parts.end());
    parts.erase(std::unique(parts.begin(), parts.end()), parts.end());

    int count = 0;
    bool mapDone[kPortCount][kDrumMapsPerPort + 1] = {};
    bool userSet[kUserDrumSetCount] = {};
    // Collected from the last to the first: the file lists them ascending.
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
        int port = 0, part = 0;
        GlobalPartToPortPart(*it, port, part);
        const int map = image.Part(port, part, ppRhythm).Value;
        if (map < 1 || map > kDrumMapsPerPort) continue;
        const int program = image.Part(port, part, ppToneNumber).Value % 128;
        if (program == 64 || program == 65) userSet[program - 64] = true;
        if (mapDone[port][map]) continue;
        mapDone[port][map] = true;
        count += CollectDrumMap(image, list, port, map, false, progress);
    }
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
        int port = 0, part = 0;
        GlobalPartToPortPart(*it, port, part);
        count += CollectPart(image, list, port, part, progress);
    }
    for (int g = kSystemGroupCount - 1; g >= 0; --g) {
        if (!selection.Groups[g]) continue;
        const TParameterRange range = SystemGroupRange(TSystemGroup(g));
        count += CollectSystemRange(image, list, range.First, range.Last);
    }
    for (int set = 0; set < kUserDrumSetCount; ++set)
        if (userSet[set]) count += CollectUserDrumSet(image, list, set, progress);
    return count;
}

}  // namespace veka
