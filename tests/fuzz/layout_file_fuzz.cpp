// The window layout reader (".dsk") on any bytes: what it takes holds notes 0..127 and records
// of a known window with no negative size, and writes and reads back the same.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "document/layout_file.h"

namespace {

bool Holds(const veka::TLayout& layout) {
    for (const auto& port : layout.Notes.Notes)
        for (const int note : port)
            if (note < 0 || note > 127) return false;
    for (const veka::TLayoutRecord& r : layout.Windows)
        if (r.WindowCode() < 0 || r.WindowCode() > 9 || r.Right < r.Left || r.Bottom < r.Top) return false;
    return true;
}

bool WriteAll(const std::string& path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    static const std::string path = "/tmp/veka-layout-fuzz-" + std::to_string(getpid()) + ".dsk";
    if (!WriteAll(path, data, size)) return 0;
    const TLayoutReadResult read = ReadLayoutFile(path);
    if (!read.Found) std::abort();
    if (!read.Error.empty()) return 0;
    if (!Holds(read.Layout)) std::abort();
    const std::vector<uint8_t> bytes = LayoutFileBytes(read.Layout);
    if (!WriteAll(path, bytes.data(), bytes.size())) return 0;
    const TLayoutReadResult again = ReadLayoutFile(path);
    if (!again.Error.empty() || again.Layout.Windows != read.Layout.Windows ||
        again.Layout.Notes.Notes != read.Layout.Notes.Notes)
        std::abort();
    return 0;
}
