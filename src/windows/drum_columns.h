#pragma once
// What the drum map and user drum windows share about their grids: the column list read from
// their part order file, the widths of the note and name columns, and the window's size kept
// to the grid. The fitting of rows and captions to the grid's font serves the other windows too.
#include <QPointer>
#include <cstdint>
#include <functional>
#include <vector>

#include "document/part_order.h"

class QEvent;
class QMdiSubWindow;
class QObject;
class QString;
class QWidget;

namespace veka {

class TVekaGrid;

// The stored columns kept to parameters 1..lastParameter, else all of them in order at the
// default width. False when the stored order was damaged (the caller tells the user).
bool LoadDrumColumns(IPartOrderStore& orders, int order, int lastParameter, uint8_t kind,
                     std::vector<TLinkData>& columns);

// The row height in the grid's font.
int FontRowHeight(const TVekaGrid& grid);
// The width that shows a header text of the grid whole: headers are drawn bold and cut one
// "BI" short of the column's edge.
int CaptionWidth(const TVekaGrid& grid, const QString& caption);
// Every value column at least as wide as its caption.
void FitCaptionColumns(TVekaGrid& grid);
// The note column fits "127BG#-0BBB", the name column sixteen letters, both at least their rows'
// texts; the rows take the font's height. The grid's own height is the window's layout's.
void FitNoteColumns(TVekaGrid& grid);

// The window at most as high as every row and as wide as every column beside the vertical scroll
// bar (or widthAtLeast), at least three rows high; around is the height of everything beside the
// grid. A maximised window has no upper limits.
void LimitToGrid(QWidget& window, const TVekaGrid& grid, int around, int widthAtLeast);
// The height of the window's frame parts that LimitToGrid adds to around: scroll bar and frame.
int GridChromeHeight(const QWidget& window, const TVekaGrid& grid);
// The frame of an editor window in the main window's area, if it has one.
QMdiSubWindow* FrameOf(const QWidget& window);
bool Maximised(const QWidget& window);
// The window hears of its frame's state (once it has a frame, from its showEvent).
void WatchFrame(QWidget& window, QPointer<QMdiSubWindow>& frame);
// The drum windows' event filter for their grid and frame: a new grid font refits the columns and
// the limits; a frame being maximised takes the whole area, so the limits go before it grows.
// limits is the window's own update of its limits.
void KeepToGrid(QWidget& window, TVekaGrid& grid, const QObject* watched, const QEvent* event,
                const std::function<void()>& limits);

}  // namespace veka
