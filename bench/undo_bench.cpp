// Undo and redo of one typed value: the image written back, the baseline kept, the list of
// what to send (the sending itself is paced and left out), and the step's commit after the
// edit (the comparison with the whole image, done once per gesture).
#include <benchmark/benchmark.h>

#include "image_writer/image_writer.h"
#include "module/image.h"
#include "module/undo_history.h"

namespace {

using namespace veka;

void BM_UndoRedoOfASingleEdit(benchmark::State& state) {
    TVGS image(VEKA_BENCH_DEFAULT_DIR);
    image.MaxPart = 2;
    TUndoHistory history(image);
    TImageWriter(image).Part(1, 3, ppVolume).Value = 90;
    history.Commit(image);
    size_t sent = 0;
    for (auto _ : state) {
        const TUndoStep* undone = history.Undo(image);
        sent += ParametersToSend(*undone, true).size();
        const TUndoStep* redone = history.Redo(image);
        sent += ParametersToSend(*redone, false).size();
        benchmark::DoNotOptimize(sent);
    }
    state.counters["steps"] = benchmark::Counter(double(state.iterations() * 2), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_UndoRedoOfASingleEdit)->Unit(benchmark::kMicrosecond);

void BM_CommitOfAGesture(benchmark::State& state) {
    TVGS image(VEKA_BENCH_DEFAULT_DIR);
    TUndoHistory history(image, size_t(1) << 30);
    int value = 0;
    for (auto _ : state) {
        TImageWriter(image).Part(0, 1, ppVolume).Value = value++ & 127;
        benchmark::DoNotOptimize(history.Commit(image));
        if (history.Depth() > 10000) history.Clear();
    }
}
BENCHMARK(BM_CommitOfAGesture)->Unit(benchmark::kMicrosecond);

}  // namespace
