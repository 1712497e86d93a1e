// Opening a full four-port setup file while three editor windows are open: the read into the
// image and the windows' refresh, as File > Open does them before Send All (the transmission
// is paced by the module, not by us).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "bench_main_window.h"
#include "module/difference_list.h"
#include "module/image.h"
#include "module/setup_file.h"
#include "module/setup_reader.h"
#include "app/main_window.h"
#include "app/managed_windows.h"

namespace veka {
namespace {

// Every part of the four ports away from its defaults in several parameters, both drum maps of
// each port touched: the largest setup file there is in practice.
std::string WriteFullSetup(const std::filesystem::path& folder) {
    TVGS image(VEKA_BENCH_DEFAULT_DIR);
    image.MaxPart = 2;
    for (int port = 0; port < kPortCount; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int parameter : {int(ppVolume), int(ppPanpot), 13, 14, 15, 16, 17, 18})
                image.SetPartValue(port, part, (part * 7 + parameter) % 100 + 10, parameter);
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 27; note <= 87; ++note) image.SetDrumValue(port, map, note % 100 + 1, 2, note);
    }
    for (int number = 5; number <= 35; ++number) image.SetSystemValue(number, 1);
    const std::string path = (folder / "full.ga4").string();
    if (!WriteWholeSetupFile(image, path).Ok()) return {};
    return path;
}

void BM_OpenFullSetupAndRefreshThreeWindows(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "veka-open-bench";
    std::filesystem::create_directories(folder);
    const std::string file = WriteFullSetup(folder);
    if (file.empty()) {
        state.SkipWithError("the setup file could not be written");
        return;
    }
    bench::TBenchMainWindow main;
    if (!main.Start("veka-open-bench", 2)) {
        state.SkipWithError("the main window did not start");
        return;
    }
    TVekaMainForm* form = main.Form.get();
    for (int window : {int(wnPart), int(wnMaster), int(wnDisplay)}) form->Windows().OpenOrBringForward(window);
    QApplication::processEvents();
    TFixedSetupFileHost host;
    for (auto _ : state) {
        const TSetupReadResult result = ReadSetupFile(form->Document().Image(), host, 0, file);
        if (!result.Ok()) state.SkipWithError("the setup file did not read");
        form->RefreshAll();
        QApplication::processEvents();  // the windows paint what they took
    }
    state.counters["file bytes"] = double(std::filesystem::file_size(file));
}
BENCHMARK(BM_OpenFullSetupAndRefreshThreeWindows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veka
