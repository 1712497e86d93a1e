// Writing the recovery file of a fully modified four-port image (every value off its default):
// the difference list, the setup bytes, the hash and the replacing write to a temporary folder.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "image_writer/image_writer.h"
#include "module/image.h"
#include "document/recovery_file.h"

namespace {

using namespace veka;

int32_t Other(const TOneParameter& p) { return p.Value == p.Max ? p.Min : p.Max; }

void BM_WriteRecoveryOfAFullyModifiedImage(benchmark::State& state) {
    TVGS image(VEKA_BENCH_DEFAULT_DIR);
    image.MaxPart = 2;
    for (int port = 0; port < kPortCount; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int p = 1; p < kPartParameterCount; ++p) TImageWriter(image).Part(port, part, p).Value = Other(image.Part(port, part, p));
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int p = 1; p <= kDrumParameterCount; ++p)
                for (int note = 0; note < kNoteCount; ++note)
                    TImageWriter(image).Drum(port, map, p, note).Value = Other(image.Drum(port, map, p, note));
    }
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int p = 1; p <= kUserDrumParameterCount; ++p)
            for (int note = 0; note < kNoteCount; ++note) TImageWriter(image).UserDrum(set, p, note).Value = Other(image.UserDrum(set, p, note));
    for (int n = 1; n <= kSystemParameterCount; ++n) TImageWriter(image).System(n).Value = Other(image.System(n));
    const auto folder = std::filesystem::temp_directory_path() / "veka-bench-recovery";
    std::filesystem::create_directories(folder);
    const std::string path = RecoveryPath(folder.string());
    TRecoveryInfo info;
    info.MaxPart = 2;
    std::string error;
    for (auto _ : state) {
        if (!WriteRecoveryFile(image, path, info, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.counters["bytes"] = double(std::filesystem::file_size(path));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteRecoveryOfAFullyModifiedImage)->Unit(benchmark::kMicrosecond);

}  // namespace
