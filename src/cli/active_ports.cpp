#include "cli/active_ports.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "module/image.h"

namespace veka::cli {

TPortValueCounts PortValueCounts(const TVGS& image) {
    TPortValueCounts counts{};
    for (int port = 0; port < kPortCount; ++port) {
        int& count = counts[size_t(port)];
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n <= kPartParameterCount; ++n) count += IsModified(image.Part(port, part, n));
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n) count += IsModified(image.Drum(port, map, n, note));
    }
    return counts;
}

int MaxPartForValues(const TPortValueCounts& counts) {
    if (counts[2] > 0 || counts[3] > 0) return 2;
    return counts[1] > 0 ? 1 : 0;
}

std::string PortValueText(const TPortValueCounts& counts, int firstPort) {
    std::vector<std::string> items;
    for (int port = std::max(firstPort, 0); port < kPortCount; ++port) {
        const int n = counts[size_t(port)];
        if (n <= 0) continue;
        std::string item = std::to_string(n);
        item += n == 1 ? " value of Port " : " values of Port ";
        item += char('A' + port);
        items.push_back(std::move(item));
    }
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

std::string MaxPartReach(int maxPart, TPortUse use) {
    return maxPart <= 0 ? std::string("--max-part 16 ") + use.Does + " Port A only"
                        : std::string("--max-part 32 ") + use.Does + " Ports A and B only";
}

void ReportPortsLeftOut(const TPortValueCounts& counts, int firstLeftOut, TPortUse use, const std::string& reason,
                        const std::string& prefix) {
    int total = 0;
    for (int port = std::max(firstLeftOut, 0); port < kPortCount; ++port) total += counts[size_t(port)];
    if (total == 0) return;
    std::cerr << "veka4-cli: " << prefix << PortValueText(counts, firstLeftOut) << (total == 1 ? " was" : " were")
              << " not " << use.Done << " (" << reason << ")\n";
}

TPortValueCounts TakePortsFromValues(TVGS& image, const TOptions& o, TPortUse use, const std::string& prefix) {
    const TPortValueCounts counts = PortValueCounts(image);
    if (!o.MaxPartGiven) image.MaxPart = MaxPartForValues(counts);
    ReportPortsLeftOut(counts, image.ActivePortCount(), use, MaxPartReach(image.MaxPart, use), prefix);
    return counts;
}

}  // namespace veka::cli
