#include "windows/drum_columns.h"

#include <QEvent>
#include <QFontInfo>
#include <QLayout>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "widgets/veka_grid.h"

namespace veka {

namespace {

constexpr int kLine = 1;  // the grid's line right of and below every cell

QString Text(const std::string& text) { return QString::fromStdString(text); }

QFontMetrics BoldMetrics(const TVekaGrid& grid) {
    QFont bold = grid.font();
    bold.setBold(true);
    return QFontMetrics(bold);
}

}  // namespace

bool LoadDrumColumns(IPartOrderStore& orders, int order, int lastParameter, uint8_t kind,
                     std::vector<TLinkData>& columns) {
    std::string name;
    const TOrderReadStatus status = orders.Load(order, columns, name);
    std::erase_if(columns, [lastParameter](const TLinkData& e) { return e.Index < 1 || e.Index > lastParameter; });
    if (columns.empty())
        for (int n = 1; n <= lastParameter; ++n) columns.push_back(TLinkData{kind, 0, n, 0, kDefaultColumnWidth});
    return status != TOrderReadStatus::BadMagic && status != TOrderReadStatus::Damaged;
}

int FontRowHeight(const TVekaGrid& grid) { return QFontInfo(grid.font()).pixelSize() + 6; }

int CaptionWidth(const TVekaGrid& grid, const QString& caption) {
    // The grid measures a caption character by character and draws the last one while what comes
    // before it fits; the text starts 2 pixels in.
    const QFontMetrics bold = BoldMetrics(grid);
    int before = 0, last = 0;
    qsizetype i = 0;
    while (i < caption.size()) {
        const qsizetype units = caption[i].isHighSurrogate() && i + 1 < caption.size() ? 2 : 1;
        before += last;
        last = bold.horizontalAdvance(caption.mid(i, units));
        i += units;
    }
    return std::max(before + bold.horizontalAdvance(QStringLiteral("BI")), bold.horizontalAdvance(caption) + 3);
}

void FitCaptionColumns(TVekaGrid& grid) {
    for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
        const int needed = CaptionWidth(grid, Text(grid.GetCell(col, 0).Text));
        if (grid.ColWidth(col) < needed) grid.SetColWidth(col, needed);
    }
}

void FitNoteColumns(TVekaGrid& grid) {
    const QFontMetrics metrics(grid.font());
    int note = metrics.horizontalAdvance(QStringLiteral("127BG#-0BBB"));
    int name = metrics.horizontalAdvance(QStringLiteral("BBBBBBBBBBBBBBBB"));
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        note = std::max(note, CaptionWidth(grid, Text(grid.GetCell(0, row).Text)));
        name = std::max(name, CaptionWidth(grid, Text(grid.GetCell(1, row).Text)));
    }
    if (grid.ColWidth(0) != note) grid.SetColWidth(0, note);
    if (grid.ColWidth(1) != name) grid.SetColWidth(1, name);
    grid.SetRowHeight(FontRowHeight(grid));
}

int GridChromeHeight(const QWidget& window, const TVekaGrid& grid) {
    return window.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 7 + 2 * grid.frameWidth();
}

QMdiSubWindow* FrameOf(const QWidget& window) {
    for (QWidget* w = window.parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) return frame;
    return nullptr;
}

bool Maximised(const QWidget& window) {
    const QMdiSubWindow* frame = FrameOf(window);
    return frame ? frame->isMaximized() : window.isMaximized();
}

void WatchFrame(QWidget& window, QPointer<QMdiSubWindow>& frame) {
    QMdiSubWindow* now = FrameOf(window);
    if (!now || now == frame) return;
    frame = now;
    now->installEventFilter(&window);
}

void KeepToGrid(QWidget& window, TVekaGrid& grid, const QObject* watched, const QEvent* event,
                const std::function<void()>& limits) {
    if (event->type() == QEvent::FontChange && watched == &grid) {
        FitNoteColumns(grid);
        FitCaptionColumns(grid);
        limits();
        return;
    }
    QMdiSubWindow* frame = FrameOf(window);
    if (event->type() != QEvent::WindowStateChange || watched != frame || !frame->isMaximized()) return;
    limits();
    // The frame takes the lifted limits now, before it takes its maximised size.
    if (QLayout* layout = frame->layout()) {
        layout->invalidate();
        layout->activate();
    }
}

void LimitToGrid(QWidget& window, const TVekaGrid& grid, int around, int widthAtLeast) {
    const int row = grid.RowHeight() + kLine;
    const int fixed = around + GridChromeHeight(window, grid);
    window.setMinimumHeight(fixed + 3 * row);
    if (Maximised(window)) {
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    // Every column whole beside the vertical scroll bar.
    const int bar = std::max(grid.verticalScrollBar()->sizeHint().width(),
                             window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    int width = 2 * grid.frameWidth() + bar;
    for (int col = 0; col < grid.ColCount(); ++col) width += grid.ColWidth(col) + kLine;
    window.setMaximumHeight(fixed + grid.RowCount() * row);
    window.setMaximumWidth(std::max(width, widthAtLeast));
}

}  // namespace veka
