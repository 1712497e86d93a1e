// The Standard MIDI File reader on any bytes, and everything a song that reads goes through:
// written back in both formats (and read again), dumped as the working copy (and read again),
// analysed, and given a setup. One image serves every input, as one program reads song after
// song.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "fuzz_image.h"
#include "module/image.h"
#include "smf/order_file.h"
#include "smf/setup_analysis.h"
#include "smf/setup_merge.h"
#include "smf/setup_writer.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"

namespace {

veka::TVGS& Image() {
    static const std::unique_ptr<veka::TVGS> image = veka::fuzz::MakeImage(1);
    return *image;
}

// What the program writes, it must read.
void MustRead(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return;
    veka::TSMF again;
    if (!again.LoadFromBytes(bytes)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    TSMF smf;
    if (!smf.LoadFromBytes(std::span<const uint8_t>(data, size))) return 0;

    // The working copy reads back as it was written.
    const std::vector<uint8_t> dump = TempSmfBytes(smf);
    TSMF copy;
    std::string error;
    if (!ReadTempSmf(copy, dump, error) || TempSmfBytes(copy) != dump) std::abort();

    MustRead(copy.SaveToBytes(0));
    MustRead(smf.SaveToBytes(1));

    // Analysis, and a setup embedded into what is left.
    TSMF song;
    if (!song.LoadFromBytes(std::span<const uint8_t>(data, size))) std::abort();
    TVGS& image = Image();
    AnalyzeSetup(image, song);
    RemoveOldSetup(song);
    TSetupOptions options;
    options.TimeBase = song.TimeBase;
    options.Tempo = song.Tempo;
    options.Embedding = true;
    options.DummyNotes = size % 2 == 1;
    options.WithText = size % 3 == 1;
    MergeSetup(song, WriteSetup(image, DefaultOrderList(), options, ConductorOf(song)));
    MustRead(song.SaveToBytes(1));
    return 0;
}
