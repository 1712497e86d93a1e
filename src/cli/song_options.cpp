#include "cli/song_options.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "module/default_folder.h"
#include "module/image.h"
#include "module/setup_reader.h"

namespace veka::cli {

namespace fs = std::filesystem;

bool HasExtension(const std::string& path, const char* extension) {
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == extension;
}

bool IsSongFile(const std::string& path) { return HasExtension(path, ".mid") || HasExtension(path, ".midi"); }

TSmfWriteOptions SongWriteOptions(const TOptions& o, int defaultFormat) {
    TSmfWriteOptions w;
    w.Format = defaultFormat;
    if (const auto f = ExtraOption(o, "--format")) w.Format = ParseInt(*f, "--format", 0, 1);
    if (const auto t = ExtraOption(o, "--timebase")) {
        w.TimeBase = ParseInt(*t, "--timebase", 1, 0x7FFF);
        if (std::find(std::begin(kSmfTimeBases), std::end(kSmfTimeBases), w.TimeBase) == std::end(kSmfTimeBases))
            throw EUsage("--timebase: 48, 96, 120, 192, 240, 384 or 480");
    }
    w.WithText = ExtraOption(o, "--with-text").has_value();
    w.DummyNotes = ExtraOption(o, "--dummy-notes").has_value();
    return w;
}

TOrderList SongOrderList(const TOptions& o) {
    std::string path;
    if (const auto order = ExtraOption(o, "--order")) {
        path = *order;
    } else {
        // Beside the program, or in the installed tree's share/veka4.
        path = FindShippedFile("default.scd");
        if (path.empty()) return DefaultOrderList();
    }
    TOrderList list;
    std::string error;
    if (!ReadOrderFile(path, list, error)) throw std::runtime_error(error);
    return list;
}

void ReadSetupInto(TVGS& image, const std::string& path) {
    if (SetupFileKindOf(path) == TSetupFileKind::Unknown)
        throw EUsage(path + ": not a setup file (.ga4 .ga3 .1pg .1dg .1ug .cst .rev .cho .del .eq .ief)");
    TFixedSetupFileHost host;
    const TSetupReadResult r = ReadSetupFile(image, host, 0, path);
    if (!r.Ok()) throw std::runtime_error(path + ": " + OneLine(r.Text(image.Language)));
}

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

std::string MaxPartReach(int maxPart) {
    return maxPart <= 0 ? "--max-part 16 writes Port A only" : "--max-part 32 writes Ports A and B only";
}

std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        out += c == '\n' ? ' ' : c;
    }
    return out;
}

}  // namespace veka::cli
