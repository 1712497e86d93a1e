// The sequencer list "OtherSeq.Lst" on any bytes; what it accepts writes and reads back the
// same.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_folder.h"
#include "document/sequencer_link.h"

namespace {

std::string Path(const char* name) {
    static const veka::fuzz::TFolder folder("veka-fuzz-seq");
    return (folder.Path / name).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    const std::string path = Path("OtherSeq.Lst");
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    std::vector<TSequencerEntry> entries;
    std::string error;
    if (!ReadSequencerList(path, entries, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (entries.empty()) std::abort();
    const std::string again = Path("again.Lst");
    if (!WriteSequencerList(again, entries, error)) std::abort();
    std::vector<TSequencerEntry> back;
    if (!ReadSequencerList(again, back, error) || back != entries) std::abort();
    return 0;
}
