// Cost of building the module image from the default data, and of the messages of a whole image.
#include <benchmark/benchmark.h>

#include "module/exclusive.h"
#include "module/image.h"

namespace {

void BM_ConstructImage(benchmark::State& state) {
    for (auto _ : state) {
        veka::TVGS image(VEKA_BENCH_DEFAULT_DIR);
        benchmark::DoNotOptimize(&image);
    }
}
BENCHMARK(BM_ConstructImage)->Unit(benchmark::kMillisecond);

// Every message of every parameter of all four ports, drum maps and user drum sets.
void BM_BuildWholeImageMessages(benchmark::State& state) {
    veka::TVGS image(VEKA_BENCH_DEFAULT_DIR);
    for (int port = 0; port < veka::kPortCount; ++port)
        for (int map = 1; map <= 2; ++map) image.LoadDrumSet(port, map, 0, 4);
    size_t messages = 0;
    for (auto _ : state) {
        size_t bytes = 0;
        for (int n = 1; n <= veka::kSystemParameterCount; ++n) bytes += veka::BuildSystemMessage(image, n).size();
        for (int port = 0; port < veka::kPortCount; ++port) {
            for (int part = 1; part <= veka::kPartsPerPort; ++part)
                for (int n = 1; n <= veka::kPartParameterCount; ++n)
                    bytes += veka::BuildPartMessage(image, port, part, n).size();
            for (int map = 1; map <= 2; ++map)
                for (int note = 0; note < veka::kNoteCount; ++note)
                    for (int n = 1; n <= veka::kDrumParameterCount; ++n)
                        bytes += veka::BuildDrumMessage(image, false, port, map, n, note).size();
        }
        for (int set = 0; set < 2; ++set)
            for (int note = 0; note < veka::kNoteCount; ++note)
                for (int n = 1; n <= veka::kUserDrumParameterCount; ++n)
                    bytes += veka::BuildDrumMessage(image, true, 0, set, n, note).size();
        benchmark::DoNotOptimize(bytes);
        messages += 64 + 4 * (16 * 111 + 2 * 128 * 9) + 2 * 128 * 12;
    }
    state.counters["messages/s"] = benchmark::Counter(double(messages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BuildWholeImageMessages)->Unit(benchmark::kMillisecond);

}  // namespace
