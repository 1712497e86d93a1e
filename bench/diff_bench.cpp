// The differences of two full four-port setups, every value of the second off its default.
#include <benchmark/benchmark.h>

#include "image_writer/image_writer.h"
#include "module/image.h"
#include "module/setup_diff.h"

namespace {

using namespace veka;

void BM_DiffOfTwoFullSetups(benchmark::State& state) {
    TVGS first(VEKA_BENCH_DEFAULT_DIR), second(VEKA_BENCH_DEFAULT_DIR);
    for (TVGS* image : {&first, &second}) image->MaxPart = 2;
    auto other = [](TOneParameter& p) { p.Value = p.Value == p.Max ? p.Min : p.Max; };
    TImageWriter writer(second);
    for (int port = 0; port < kPortCount; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int p = 1; p <= kPartParameterCount; ++p) other(writer.Part(port, part, p));
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int p = 1; p <= kDrumParameterCount; ++p)
                for (int note = 0; note < kNoteCount; ++note) other(writer.Drum(port, map, p, note));
    }
    size_t count = 0;
    for (auto _ : state) {
        const std::vector<TSetupDifference> d = DiffImages(first, second);
        count = d.size();
        benchmark::DoNotOptimize(d.data());
    }
    state.counters["differences"] = double(count);
}
BENCHMARK(BM_DiffOfTwoFullSetups)->Unit(benchmark::kMicrosecond);

// Two setups that differ in a handful of values: the comparison itself.
void BM_DiffOfTwoSetupsFiveApart(benchmark::State& state) {
    TVGS first(VEKA_BENCH_DEFAULT_DIR), second(VEKA_BENCH_DEFAULT_DIR);
    for (TVGS* image : {&first, &second}) image->MaxPart = 2;
    for (int part = 1; part <= 5; ++part) TImageWriter(second).Part(3, part, ppVolume).Value = 50;
    for (auto _ : state) benchmark::DoNotOptimize(DiffImages(first, second).size());
}
BENCHMARK(BM_DiffOfTwoSetupsFiveApart)->Unit(benchmark::kMicrosecond);

}  // namespace
