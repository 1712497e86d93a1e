#include "smf/exclusive_export.h"

#include <algorithm>

#include "module/exclusive.h"
#include "module/image.h"
#include "smf/setup_writer.h"

namespace veka {

namespace {

using TMessages = std::vector<std::vector<uint8_t>>;

void Add(TMessages& out, std::vector<uint8_t> message) {
    if (!message.empty()) out.push_back(std::move(message));
}

void AddSystem(TMessages& out, const TVGS& image, int first, int last) {
    for (int n = first; n <= last; ++n)
        if (IsModified(image.System(n))) Add(out, BuildSystemMessage(image, n));
}

// Port B's messages carry their second-module addresses; any other port is written in Port A's
// form (a file of one part or map of Port C or D is sent to that port's own output).
std::vector<uint8_t> OnPort(std::vector<uint8_t> message, int port) {
    return port == 1 ? SongFormOfMessage(std::move(message), port) : message;
}

void AddPart(TMessages& out, const TVGS& image, int port, int part) {
    auto partMessage = [&](int n) { Add(out, OnPort(BuildPartMessage(image, port, part, n), port)); };
    for (int n = 1; n < ppMasterCoarseTuning; ++n) {
        if (n == ppToneNumber || n == ppRhythm || n == ppToneMap) continue;
        if (n >= ppScaleTuningC && n <= ppScaleTuningB) {
            if (n == ppScaleTuningC && image.ScaleTuningModified(port, part)) partMessage(n);
            continue;
        }
        if (IsModified(image.Part(port, part, n))) partMessage(n);
    }
    for (int n : {int(ppRhythm), int(ppToneMap), int(ppToneNumber)})
        if (IsModified(image.Part(port, part, n))) partMessage(n);
}

void AddDrumMap(TMessages& out, const TVGS& image, int port, int map) {
    for (int note = 0; note < kNoteCount; ++note)
        for (int n = 1; n <= kDrumParameterCount; ++n)
            if (IsModified(image.Drum(port, map, n, note)))
                Add(out, OnPort(BuildDrumMessage(image, false, port, map, n, note), port));
}

void AddUserDrum(TMessages& out, const TVGS& image, int set) {
    for (int note = 0; note < kNoteCount; ++note)
        for (int n = 1; n <= kUserDrumParameterCount; ++n)
            if (IsModified(image.UserDrum(set, n, note))) Add(out, BuildDrumMessage(image, true, 0, set, n, note));
}

}  // namespace

std::vector<std::vector<uint8_t>> ModifiedValueMessages(const TVGS& image) {
    TMessages out;
    AddSystem(out, image, 1, kSystemParameterCount);
    for (int port = 0; port < std::min(image.ActivePortCount(), 2); ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part) AddPart(out, image, port, part);
        for (int map = 1; map <= kDrumMapsPerPort; ++map) AddDrumMap(out, image, port, map);
    }
    for (int set = 0; set < kUserDrumSetCount; ++set) AddUserDrum(out, image, set);
    return out;
}

std::vector<std::vector<uint8_t>> ExportMessages(const TVGS& image, TExportKind kind, int port, int object) {
    TMessages out;
    const bool portOk = port >= 0 && port < kPortCount;
    switch (kind) {
        case TExportKind::All: return ModifiedValueMessages(image);
        case TExportKind::Part:
            if (portOk && object >= 1 && object <= kPartsPerPort) AddPart(out, image, port, object);
            break;
        case TExportKind::DrumMap:
            if (portOk && object >= 1 && object <= kDrumMapsPerPort) AddDrumMap(out, image, port, object);
            break;
        case TExportKind::UserDrum:
            if (object >= 0 && object < kUserDrumSetCount) AddUserDrum(out, image, object);
            break;
        case TExportKind::Reverb: AddSystem(out, image, 5, 11); break;
        case TExportKind::Chorus: AddSystem(out, image, 12, 20); break;
        case TExportKind::Delay: AddSystem(out, image, 21, 31); break;
        case TExportKind::Eq: AddSystem(out, image, 32, 35); break;
        case TExportKind::Insertion: AddSystem(out, image, 36, 64); break;
    }
    return out;
}

int ValuesLeftOut(const TVGS& image) {
    int count = 0;
    for (int port = 2; port < image.ActivePortCount(); ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n < ppMasterCoarseTuning; ++n) count += IsModified(image.Part(port, part, n));
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n) count += IsModified(image.Drum(port, map, n, note));
    }
    return count;
}

std::vector<uint8_t> SysexFileBytes(const std::vector<std::vector<uint8_t>>& messages) {
    std::vector<uint8_t> bytes;
    for (const auto& m : messages) bytes.insert(bytes.end(), m.begin(), m.end());
    return bytes;
}

}  // namespace veka
