// The effect window's pictures redrawn as an edit redraws them, and a page change with its
// grids, presets and picture, in a main window on the virtual module.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "widgets/effect_pictures.h"
#include "windows/effect_window.h"
#include "bench_main_window.h"
#include "app/main_window.h"
#include "app/managed_windows.h"

namespace veka {
namespace {

void BM_EqualiserRedraw(benchmark::State& state) {
    TMGeqGS eq;
    int gain = 52;
    for (auto _ : state) {
        eq.Draw(gain & 1, gain, 1, 128 - gain);
        gain = gain == 76 ? 52 : gain + 1;
    }
}
BENCHMARK(BM_EqualiserRedraw)->Unit(benchmark::kMicrosecond);

void BM_DelayRedraw(benchmark::State& state) {
    TVekaDelay delay;
    TDelayValues v{97, 24, 48, 127, 100, 100, 127, 120};
    for (auto _ : state) {
        delay.DrawDelay(v);
        v.Feedback = v.Feedback == 127 ? 65 : v.Feedback + 1;
    }
}
BENCHMARK(BM_DelayRedraw)->Unit(benchmark::kMicrosecond);

void BM_ReverbRedraw(benchmark::State& state) {
    TVekaDelay reverb;
    TReverbValues v{2, 127, 0, 40};
    for (auto _ : state) {
        reverb.DrawReverb(v);  // the longest time draws the most quadrilaterals
        v.Time = v.Time == 127 ? 0 : v.Time + 1;
    }
}
BENCHMARK(BM_ReverbRedraw)->Unit(benchmark::kMicrosecond);

void BM_ChorusRedraw(benchmark::State& state) {
    TChorusPicture chorus;
    int depth = 0;
    for (auto _ : state) {
        chorus.Draw(depth, 64);
        chorus.DrawWave(QColor(0, 255, 255));  // and one blink
        depth = (depth + 1) % 128;
    }
}
BENCHMARK(BM_ChorusRedraw)->Unit(benchmark::kMicrosecond);

void BM_EffectPageChange(benchmark::State& state) {
    bench::TBenchMainWindow main;
    if (!main.Start("veka-effect-bench")) {
        state.SkipWithError("the main window did not start");
        return;
    }
    TVekaMainForm* form = main.Form.get();
    TManagedSubWindow* sub = form->Windows().OpenOrBringForward(wnEffect);
    auto* window = sub ? qobject_cast<TEffectWindow*>(sub->widget()) : nullptr;
    if (!window) {
        state.SkipWithError("the effect window did not open");
        return;
    }
    // An insertion type with the most parameters makes the insertion page the largest.
    window->TabControl1Change(epInsertion);
    window->cbMacroChange(form->Document().Image().Data().InsertionIndexOf(1, 0));
    QApplication::processEvents();
    int page = 0;
    for (auto _ : state) {
        window->TabControl1Change(page);
        QApplication::processEvents();  // the window lays itself out and paints the page
        page = (page + 1) % kEffectPageCount;
    }
}
BENCHMARK(BM_EffectPageChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veka
