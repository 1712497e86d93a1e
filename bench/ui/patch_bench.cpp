// The Patch window opened (its tree, the first list and the grid) in a main window on the
// virtual module, and a search for a word over all four tone maps.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "windows/patch_window.h"
#include "document/tone_catalog.h"
#include "bench_main_window.h"
#include "module/default_data.h"
#include "app/main_window.h"
#include "app/managed_windows.h"

namespace veka {
namespace {

void BM_SearchAllFourMaps(benchmark::State& state) {
    const TDefaultData data(VEKA_BENCH_DEFAULT_DIR);
    const std::vector<std::string> keywords = SearchKeywords("str pad");
    const TMapChoice maps{false, true, true, true, true};
    size_t found = 0;
    for (auto _ : state) {
        const std::vector<TBrowserItem> items = SearchTones(data, keywords, maps);
        found = items.size();
        benchmark::DoNotOptimize(items.data());
    }
    state.counters["tones found"] = double(found);
}
BENCHMARK(BM_SearchAllFourMaps)->Unit(benchmark::kMicrosecond);

void BM_OpenPatchWindow(benchmark::State& state) {
    bench::TBenchMainWindow main;
    if (!main.Start("veka-patch-bench")) {
        state.SkipWithError("the main window did not start");
        return;
    }
    TVekaMainForm* form = main.Form.get();
    for (auto _ : state) {
        TManagedSubWindow* sub = form->Windows().OpenOrBringForward(wnPatch);
        auto* window = sub ? qobject_cast<TPatchWindow*>(sub->widget()) : nullptr;
        if (!window) {
            state.SkipWithError("the patch window did not open");
            break;
        }
        window->SelectNode(window->NodeFor(nkProgram, 0));  // the longest list of one program
        QApplication::processEvents();  // shown and painted
        state.PauseTiming();
        sub->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPatchWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veka
