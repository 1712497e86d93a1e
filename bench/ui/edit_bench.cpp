// One drag step end to end: the grid's step -> the image's set operation -> the DT1 framed and
// written to the virtual module's port. The 7 ms pause after each message is the module's, not
// ours: the fake clock records it without sleeping.
#include <benchmark/benchmark.h>

#include "editors/veka_grid.h"
#include "midi/midi_devices.h"
#include "midi/midi_session.h"
#include "module/image.h"

namespace veka {
namespace {

void BM_OneDragStepToThePort(benchmark::State& state) {
    StartVirtualModule(mtSC8850, VEKA_BENCH_DEFAULT_DIR);
    TVGS image(VEKA_BENCH_DEFAULT_DIR);
    TFakePumpWait wait;
    TMidiSession session(image, &wait);
    TMidiOutput& port = session.Transmitter.Port(0);
    port.SetDeviceID(FindDevice(TMidiDevices::Instance().Outputs(), "Virtual Module Port A"));
    if (!port.Open()) {
        state.SkipWithError("the virtual module's port did not open");
        return;
    }
    TVekaGrid grid;
    grid.SetFixedCols(2);
    grid.SetGridSize(3, 17);
    TOneCell& cell = grid.Cell(2, 3);
    const TOneParameter& volume = image.Part(0, 3, ppVolume);
    cell.Max = volume.Max;
    cell.Min = volume.Min;
    cell.Default = volume.Default;
    cell.Value = volume.Value;
    cell.Link = TLinkData{LinkPart, 3, ppVolume, 0, 0};
    grid.OnCellChange = [&image](int, int row, const TOneCell& changed) {
        image.SetPartValue(0, row, changed.Value, ppVolume);
    };
    grid.SetFocusCell(2, 3);
    int direction = 1;
    for (auto _ : state) {
        grid.IncCellValue(direction);
        direction = -direction;
        if (wait.Waits.size() > 100000) wait.Waits.clear();
    }
    TMidiDevices::Instance().SetVirtualModule(nullptr);
}
BENCHMARK(BM_OneDragStepToThePort)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veka
