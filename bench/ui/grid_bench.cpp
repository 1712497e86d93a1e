// Repainting the value grid at the size of a maximised part window: 113 parameter columns and
// 17 rows (headers and 16 parts), about 1600 x 400 pixels visible. Every drag step repaints a
// cell and every scroll the whole view, so a full repaint must stay well inside a frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <string>

#include "widgets/veka_grid.h"

namespace veka {
namespace {

constexpr int kColumns = 113, kRows = 17;

// A grid filled like the part window's: part numbers and tone names in two fixed columns,
// parameter names in the header row, values at, above and below their defaults.
class TFilledGrid {
public:
    TFilledGrid() {
        Grid.setAttribute(Qt::WA_DontShowOnScreen);
        Grid.SetGridSize(kColumns, kRows);
        Grid.SetFixedCols(2);
        Grid.SetFixedRows(1);
        Grid.SetColWidth(0, 40);
        Grid.SetColWidth(1, 150);
        for (int col = 0; col < kColumns; ++col) {
            Grid.Cell(col, 0).Text = col < 2 ? std::string() : "Parameter name " + std::to_string(col);
            for (int row = 1; row < kRows; ++row) {
                TOneCell& cell = Grid.Cell(col, row);
                if (col == 0) cell.Text = std::to_string(row);
                if (col == 1) cell.Text = "Piano 1 tone name";
                cell.Max = 127;
                cell.Default = 64;
                cell.Value = (col * 7 + row * 13) % 128;
            }
        }
        Grid.resize(1600, 400);
        Grid.show();
        QApplication::processEvents();
        Image = QImage(Grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    }

    void Render() {
        QPainter painter(&Image);
        Grid.viewport()->render(&painter);
    }

    TVekaGrid Grid;
    QImage Image;
};

void BM_GridFullRepaint(benchmark::State& state) {
    TFilledGrid filled;
    for (auto _ : state) {
        filled.Render();
        benchmark::DoNotOptimize(filled.Image.constBits());
    }
    state.counters["cells"] = static_cast<double>((filled.Grid.VisibleColCount() + 2) * kRows);
}
BENCHMARK(BM_GridFullRepaint)->Unit(benchmark::kMillisecond);

void BM_GridScrollAndRepaint(benchmark::State& state) {
    TFilledGrid filled;
    QScrollBar* bar = filled.Grid.horizontalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue(step++ % (bar->maximum() + 1));
        filled.Render();
        benchmark::DoNotOptimize(filled.Image.constBits());
    }
}
BENCHMARK(BM_GridScrollAndRepaint)->Unit(benchmark::kMillisecond);

void BM_GridGrab(benchmark::State& state) {
    TFilledGrid filled;
    for (auto _ : state) {
        QPixmap pixmap = filled.Grid.grab();
        benchmark::DoNotOptimize(pixmap.cacheKey());
    }
}
BENCHMARK(BM_GridGrab)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veka

// The widgets need an application object; the offscreen platform needs no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
