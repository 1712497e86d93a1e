// One drag step end to end: the grid's step -> the image's set operation -> the DT1 framed and
// written to the virtual module's port. The 7 ms pause after each message is the module's, not
// ours: the fake clock records it without sleeping.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "widgets/veka_grid.h"
#include "midi/midi_devices.h"
#include "midi/midi_session.h"
#include "module/image.h"

namespace veka {
namespace {

// A window's grid that shows the part values and listens to the image as an editor window
// does: a change made by another sender goes into its cell.
struct TListeningGrid {
    TVekaGrid Grid;
    TSubscription Changes;
    explicit TListeningGrid(TVGS& image) {
        Grid.SetFixedCols(2);
        Grid.SetGridSize(3, 17);
        for (int row = 1; row <= 16; ++row) Grid.Cell(2, row).Link = TLinkData{LinkPart, row, ppVolume, 0, 0};
        Changes = image.OnChange.Subscribe([this](const TChangeNotice& change) {
            if (change.Sender != this && change.Link.Kind == LinkPart && change.Port == 0)
                Grid.SetLinkedValue(change.Link, change.Record.Value);
        });
    }
};

void DragSteps(benchmark::State& state, int listeningWindows) {
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
    std::vector<std::unique_ptr<TListeningGrid>> windows;
    for (int n = 0; n < listeningWindows; ++n) windows.push_back(std::make_unique<TListeningGrid>(image));
    QObject::connect(&grid, &TVekaGrid::OnCellChange, &grid, [&image, &grid](int, int row, const TOneCell& changed) {
        const TVGS::TSenderScope sender(image, &grid);
        image.SetPartValue(0, row, changed.Value, ppVolume);
    });
    grid.SetFocusCell(2, 3);
    int direction = 1;
    for (auto _ : state) {
        grid.IncCellValue(direction);
        direction = -direction;
        if (wait.Waits.size() > 100000) wait.Waits.clear();
    }
    windows.clear();
    TMidiDevices::Instance().SetVirtualModule(nullptr);
}

void BM_OneDragStepToThePort(benchmark::State& state) { DragSteps(state, 0); }
BENCHMARK(BM_OneDragStepToThePort)->Unit(benchmark::kMicrosecond);

// The same with three other windows hearing every step.
void BM_OneDragStepWithThreeWindowsListening(benchmark::State& state) { DragSteps(state, 3); }
BENCHMARK(BM_OneDragStepWithThreeWindowsListening)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veka
