// The Drum window rebuilt for the largest drum set of the module's own map, as a tab change or
// a kit loaded onto the map rebuilds it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench_main_window.h"
#include "windows/drum_window.h"
#include "module/default_data.h"
#include "app/managed_windows.h"

namespace veka {
namespace {

void BM_RebuildDrumWindowLargestSet(benchmark::State& state) {
    bench::TBenchMainWindow main;
    if (!main.Start("veka-drum-bench")) {
        state.SkipWithError("the main window did not start");
        return;
    }
    TVekaMainForm* form = main.Form.get();
    TVGS& image = form->Document().Image();
    // The kit with the most instruments.
    int program = 0;
    size_t most = 0;
    for (const TDrumIndexRecord& rec : image.Data().DrumIndex8850())
        if (rec.ToneMap == 4 && size_t(rec.End - rec.First) > most && rec.Program < 64) {
            most = size_t(rec.End - rec.First);
            program = rec.Program;
        }
    image.SetPartTone(0, 10, 1, program, 4, 0);
    image.RecordDrumSetOfPart(0, 10);
    TManagedSubWindow* sub = form->Windows().OpenOrBringForward(wnDrum);
    auto* window = sub ? qobject_cast<TDrumWindow1*>(sub->widget()) : nullptr;
    if (!window) {
        state.SkipWithError("the drum window did not open");
        return;
    }
    QApplication::processEvents();
    for (auto _ : state) {
        window->RebuildDrum();
        QApplication::processEvents();  // laid out and painted
    }
    state.counters["rows"] = double(window->Grid()->RowCount() - 1);
}
BENCHMARK(BM_RebuildDrumWindowLargestSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veka
