#include "cli/song_options.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "cli/active_ports.h"
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

void SettleSongPorts(TVGS& image, const TOptions& o, TSmfWriteOptions& write) {
    const TPortValueCounts counts = PortValueCounts(image);
    if (!o.MaxPartGiven) image.MaxPart = MaxPartForValues(counts);
    if (!ExtraOption(o, "--format") && image.ActivePortCount() > 1) write.Format = 1;
    if (write.Format == 0 && image.ActivePortCount() > 1)
        ReportPortsLeftOut(counts, 1, kWritten, "--format 0 writes Port A only");
    else
        ReportPortsLeftOut(counts, image.ActivePortCount(), kWritten, MaxPartReach(image.MaxPart, kWritten));
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
