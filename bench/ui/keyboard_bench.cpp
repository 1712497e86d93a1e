// A computer key to the bytes on the port: the key event at the main window, the program's key
// filter, the note player and the note-on written to the virtual module's port (press and
// release, so no note piles up), with the keyboard window open and drawing the key.
#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QWindow>

#include "bench_main_window.h"
#include "midi/virtual_module.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"

namespace veka {
namespace {

void BM_KeyPressToThePort(benchmark::State& state) {
    bench::TBenchMainWindow main;
    if (!main.Start("veka-bench-keys")) {
        state.SkipWithError("the main window did not start");
        return;
    }
    TVekaMainForm& form = *main.Form;
    form.OptionMenu().SetPcKeyboard(true);
    form.Windows().OpenOrBringForward(wnKeyboard);
    QApplication::processEvents();
    QWindow* window = form.windowHandle();
    const auto module = TMidiDevices::Instance().VirtualModule();
    int64_t keys = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(window, &release);
        keys += 2;
        if (keys % 8192 == 0) module->ClearReceived();
    }
    state.SetItemsProcessed(keys);
    if (module->Received(0).empty() && keys % 8192 != 0) state.SkipWithError("no note reached the module");
}
BENCHMARK(BM_KeyPressToThePort)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veka
