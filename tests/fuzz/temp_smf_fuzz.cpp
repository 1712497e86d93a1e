// The working-copy ("Temp.smf") reader on any bytes; what it accepts is dumped again the same
// way, cut free of an old setup and written as a song the reader takes.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "smf/setup_merge.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    TSMF smf;
    std::string error;
    if (!ReadTempSmf(smf, std::span<const uint8_t>(data, size), error)) {
        if (smf.TrackCount() != 0 || error.rfind("read error", 0) != 0) std::abort();
        return 0;
    }
    const std::vector<uint8_t> dump = TempSmfBytes(smf);
    TSMF again;
    if (!ReadTempSmf(again, dump, error) || TempSmfBytes(again) != dump) std::abort();

    RemoveOldSetup(smf);
    for (int format : {1, 0}) {
        const std::vector<uint8_t> song = smf.SaveToBytes(format);
        if (song.empty()) continue;
        TSMF read;
        if (!read.LoadFromBytes(song)) std::abort();
    }
    return 0;
}
