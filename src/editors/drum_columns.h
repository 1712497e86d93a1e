#pragma once
// What the drum map and user drum windows share about their grids: the column list read from
// their part order file, the widths of the note and name columns, and the window's size kept
// to the grid.
#include <cstdint>
#include <vector>

#include "editors/part_order.h"

class QWidget;

namespace veka {

class TVekaGrid;

// The stored columns kept to parameters 1..lastParameter, else all of them in order at the
// default width. False when the stored order was damaged (the caller tells the user).
bool LoadDrumColumns(IPartOrderStore& orders, int order, int lastParameter, uint8_t kind,
                     std::vector<TLinkData>& columns);
// The note column fits "127BG#-0BBB", the name column sixteen letters; the grid's rows fit.
void FitNoteColumns(TVekaGrid& grid);
// The window at most as high as every row and as wide as every column (or widthAtLeast), at
// least three rows high; around is the height of everything beside the grid.
void LimitToGrid(QWidget& window, const TVekaGrid& grid, int around, int widthAtLeast);
// The height of the window's frame parts that LimitToGrid adds to around: scroll bar and frame.
int GridChromeHeight(const QWidget& window, const TVekaGrid& grid);

}  // namespace veka
