#include "smf/exclusive_export.h"

#include <algorithm>

#include "module/exclusive.h"
#include "module/image.h"
#include "smf/setup_writer.h"

namespace veka {

std::vector<std::vector<uint8_t>> ModifiedValueMessages(const TVGS& image) {
    std::vector<std::vector<uint8_t>> out;
    auto add = [&out](std::vector<uint8_t> message) {
        if (!message.empty()) out.push_back(std::move(message));
    };
    for (int n = 1; n <= kSystemParameterCount; ++n)
        if (IsModified(image.System(n))) add(BuildSystemMessage(image, n));
    for (int port = 0; port < std::min(image.ActivePortCount(), 2); ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part) {
            auto partMessage = [&](int n) { add(SongFormOfMessage(BuildPartMessage(image, port, part, n), port)); };
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
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n)
                    if (IsModified(image.Drum(port, map, n, note)))
                        add(SongFormOfMessage(BuildDrumMessage(image, false, port, map, n, note), port));
    }
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int note = 0; note < kNoteCount; ++note)
            for (int n = 1; n <= kUserDrumParameterCount; ++n)
                if (IsModified(image.UserDrum(set, n, note))) add(BuildDrumMessage(image, true, 0, set, n, note));
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
