#include "editors/drum_columns.h"

#include <QStyle>
#include <algorithm>

#include "editors/veka_grid.h"

namespace veka {

bool LoadDrumColumns(IPartOrderStore& orders, int order, int lastParameter, uint8_t kind,
                     std::vector<TLinkData>& columns) {
    std::string name;
    const TOrderReadStatus status = orders.Load(order, columns, name);
    std::erase_if(columns, [lastParameter](const TLinkData& e) { return e.Index < 1 || e.Index > lastParameter; });
    if (columns.empty())
        for (int n = 1; n <= lastParameter; ++n) columns.push_back(TLinkData{kind, 0, n, 0, kDefaultColumnWidth});
    return status != TOrderReadStatus::BadMagic && status != TOrderReadStatus::Damaged;
}

void FitNoteColumns(TVekaGrid& grid) {
    const QFontMetrics metrics(grid.font());
    grid.SetColWidth(0, metrics.horizontalAdvance(QStringLiteral("127BG#-0BBB")));
    grid.SetColWidth(1, metrics.horizontalAdvance(QStringLiteral("BBBBBBBBBBBBBBBB")));
    grid.FitHeight();
}

int GridChromeHeight(const QWidget& window, const TVekaGrid& grid) {
    return window.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 7 + 2 * grid.frameWidth();
}

void LimitToGrid(QWidget& window, const TVekaGrid& grid, int around, int widthAtLeast) {
    const int row = grid.RowHeight() + 1;
    const int fixed = around + GridChromeHeight(window, grid);
    int width = 2 * grid.frameWidth() + window.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int col = 0; col < grid.ColCount(); ++col) width += grid.ColWidth(col);
    window.setMinimumHeight(fixed + 3 * row);
    window.setMaximumHeight(fixed + grid.RowCount() * row);
    window.setMaximumWidth(std::max(width, widthAtLeast));
}

}  // namespace veka
