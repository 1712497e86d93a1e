// TVekaGrid: the cell store, the value operations, the layout and the scrolling.
#include "widgets/veka_grid.h"

#include <QAccessible>

#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <climits>

#include "widgets/control_accessibles.h"

namespace veka {
namespace {

constexpr int kLine = 1;  // grid line width

bool IsUtf8Lead(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

void CutCellText(std::string& text) {
    int characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsUtf8Lead(text[i]) && ++characters > kCellTextMax) {
            text.resize(i);
            return;
        }
    }
}

TVekaGrid::TVekaGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallControlAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // Every pixel is painted by paintEvent, so Qt need not clear the viewport first.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    Editor_ = new QLineEdit(viewport());
    Editor_->setFrame(false);
    Editor_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9]*")), Editor_));
    Editor_->hide();
    Editor_->installEventFilter(this);

    connect(qApp, &QApplication::focusChanged, this, &TVekaGrid::OnFocusChanged);

    UpdateFontCaches();
    RowHeight_ = QFontInfo(font()).pixelSize() + 6;
    Reallocate(5, 5);
}

TVekaGrid::~TVekaGrid() {
    // The base destructors still move the focus and delete the editor; this object must not
    // hear of it any more.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    Editor_->removeEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Cell store

TOneCell* TVekaGrid::At(int col, int row) {
    return Valid(col, row) ? &Cells_[static_cast<size_t>(col) * Rows_ + row] : nullptr;
}

const TOneCell* TVekaGrid::At(int col, int row) const {
    return Valid(col, row) ? &Cells_[static_cast<size_t>(col) * Rows_ + row] : nullptr;
}

void TVekaGrid::Reallocate(int cols, int rows) {
    HideEditor();
    cols = std::clamp(cols, 1, kMaxCols);
    rows = std::clamp(rows, 1, kMaxRows);
    Cells_.clear();
    Cells_.resize(static_cast<size_t>(cols) * rows);
    // Widths belong to column positions and survive; new columns start at the fresh width.
    ColWidths_.resize(static_cast<size_t>(cols), kFreshColumnWidth);
    Cols_ = cols;
    Rows_ = rows;
    FixedCols_ = std::min(FixedCols_, cols - 1);
    FixedRows_ = std::min(FixedRows_, rows - 1);
    Col_ = AnchorCol_ = LastCol_ = FixedCols_;
    Row_ = AnchorRow_ = LastRow_ = Rows_ > FixedRows_ ? FixedRows_ : 0;
    WheelRest_ = 0;
    UpdateScrollBars();
    viewport()->update();
    TellCellsRebuilt();
}

void TVekaGrid::SetGridSize(int cols, int rows) {
    cols = std::clamp(cols, 1, kMaxCols);
    rows = std::clamp(rows, 1, kMaxRows);
    if (cols == Cols_ && rows == Rows_) return;
    Reallocate(cols, rows);
}

void TVekaGrid::SetColumnCount(int cols) { Reallocate(cols, Rows_); }

void TVekaGrid::SetRowCountCells(int rows) { Reallocate(Cols_, rows); }

void TVekaGrid::SetFixedCols(int count) {
    count = std::clamp(count, 0, Cols_ - 1);
    if (count == FixedCols_) return;
    HideEditor();
    FixedCols_ = count;
    Col_ = std::max(Col_, count);
    AnchorCol_ = std::max(AnchorCol_, count);
    LastCol_ = Col_;
    UpdateScrollBars();
    viewport()->update();
    TellCellsRebuilt();
}

void TVekaGrid::SetFixedRows(int count) {
    count = std::clamp(count, 0, Rows_ - 1);
    if (count == FixedRows_) return;
    HideEditor();
    FixedRows_ = count;
    Row_ = std::max(Row_, count);
    AnchorRow_ = std::max(AnchorRow_, count);
    LastRow_ = Row_;
    UpdateScrollBars();
    viewport()->update();
    TellCellsRebuilt();
}

TOneCell TVekaGrid::GetCell(int col, int row) const {
    const TOneCell* cell = At(col, row);
    return cell ? *cell : TOneCell{};
}

void TVekaGrid::PutCell(int col, int row, const TOneCell& cell) {
    TOneCell* target = At(col, row);
    if (!target) return;
    *target = cell;
    CutCellText(target->Text);
    RepaintCell(col, row);
}

TOneCell& TVekaGrid::Cell(int col, int row) {
    if (TOneCell* cell = At(col, row)) return *cell;
    Scratch_ = TOneCell{};
    return Scratch_;
}

void TVekaGrid::RepaintCell(int col, int row) {
    const QRect rect = CellRect(col, row);
    if (!rect.isEmpty()) viewport()->update(rect);
    if (col == Col_ && row == Row_) TellFocusedValue();
}

int32_t TVekaGrid::GetCellValue(int col, int row) const {
    const TOneCell* cell = At(col, row);
    return cell ? cell->Value : 0;
}

int32_t TVekaGrid::Clamp(int64_t value, const TOneCell& cell) {
    // Max first, then Min: a cell whose Min exceeds its Max ends at Min.
    if (value > cell.Max) value = cell.Max;
    if (value < cell.Min) value = cell.Min;
    return static_cast<int32_t>(value);
}

void TVekaGrid::SetCellValue(int col, int row, int32_t value) {
    TOneCell* cell = At(col, row);
    if (!cell) return;
    cell->Value = Clamp(value, *cell);
    const TOneCell copy = *cell;
    RepaintCell(col, row);
    emit OnCellChange(col, row, copy);
    PutLinkTest(col, row);
}

void TVekaGrid::SetCellValueAsEdit(int col, int row, int32_t value) {
    if (!IsValueCell(col, row)) return;
    StartValue_ = GetCellValue(col, row);
    SetCellValue(col, row, value);
}

void TVekaGrid::PutLinkTest(int col, int row) {
    // Looked up again: the window's handlers may have rebuilt the grid meanwhile.
    const TOneCell* cell = At(col, row);
    if (!cell || cell->Value == StartValue_) return;
    const TOneCell copy = *cell;
    RepaintCell(Col_, Row_);
    emit OnPutLink(copy);
}

void FillCellFromParameter(TOneCell& cell, const TOneParameter& p, int32_t shift, const TLinkData& link) {
    cell.Max = p.Max - shift;
    cell.Min = p.Min - shift;
    cell.Default = p.Default - shift;
    cell.Value = p.Value - shift;
    cell.Address = p.Address.Bytes;
    cell.AddressLength = p.Address.Length;
    cell.Link = link;
}

void TVekaGrid::SetLinkedValue(const TLinkData& link, int32_t value) {
    for (int col = FixedCols_; col < Cols_; ++col) {
        for (int row = FixedRows_; row < Rows_; ++row) {
            TOneCell& cell = *At(col, row);
            if (cell.Link.Owner == link.Owner && cell.Link.Index == link.Index) {
                cell.Value = value;
                RepaintCell(col, row);
                return;
            }
        }
    }
}

void TVekaGrid::IncCellValue(int delta) {
    const int col = Col_, row = Row_;
    TOneCell* cell = At(col, row);
    if (!cell) return;
    cell->Value = Clamp(static_cast<int64_t>(cell->Value) + delta, *cell);
    const TOneCell copy = *cell;
    RepaintCell(col, row);
    emit OnCellChange(col, row, copy);
}

void TVekaGrid::MoveColumn(int from, int to) {
    const auto movable = [this](int col) { return col >= FixedCols_ && col < Cols_; };
    if (from == to || !movable(from) || !movable(to)) return;
    HideEditor();
    emit OnColumnMoved(from, to);
    if (!movable(from) || !movable(to)) return;  // the handler changed the grid

    const auto column = [this](int col) { return Cells_.begin() + static_cast<ptrdiff_t>(col) * Rows_; };
    const auto width = [this](int col) { return ColWidths_.begin() + col; };
    if (from < to) {
        std::rotate(column(from), column(from + 1), column(to + 1));
        std::rotate(width(from), width(from + 1), width(to + 1));
    } else {
        std::rotate(column(to), column(from), column(from + 1));
        std::rotate(width(to), width(from), width(from + 1));
    }
    // The focus stays with the cells it was on.
    const auto follow = [from, to](int col) {
        if (col == from) return to;
        if (from < to && col > from && col <= to) return col - 1;
        if (from > to && col >= to && col < from) return col + 1;
        return col;
    };
    Col_ = follow(Col_);
    AnchorCol_ = follow(AnchorCol_);
    LastCol_ = to;
    UpdateScrollBars();
    viewport()->update();
}

// ---------------------------------------------------------------------------------------------
// Layout

int TVekaGrid::ColWidth(int col) const {
    return col >= 0 && col < Cols_ ? ColWidths_[static_cast<size_t>(col)] : 0;
}

void TVekaGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= Cols_) return;
    width = std::clamp(width, 0, 4096);
    ColWidths_[static_cast<size_t>(col)] = width;
    At(col, 0)->Link.Spare = width;
    UpdateScrollBars();
    if (Editor_->isVisible()) {
        const QRect rect = CellRect(Col_, Row_);
        Editor_->setGeometry(rect.adjusted(1, 1, -1, -1));
    }
    viewport()->update();
}

void TVekaGrid::SetRowHeight(int height) {
    height = std::clamp(height, 1, 1024);
    if (height == RowHeight_) return;
    HideEditor();
    RowHeight_ = height;
    UpdateScrollBars();
    viewport()->update();
}

void TVekaGrid::FitHeight() {
    RowHeight_ = QFontInfo(font()).pixelSize() + 6;
    for (int col = FixedCols_; col < Cols_; ++col)
        ColWidths_[static_cast<size_t>(col)] = std::clamp(At(col, 0)->Link.Spare, 0, 4096);
    UpdateScrollBars();
    int extra = 0;
    int rows = VisibleRowCount();
    if (VisibleColCount() + FixedCols_ < Cols_) {
        extra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        if (rows + FixedRows_ != Rows_) ++rows;
    }
    FittedHeight_ = extra + (RowHeight_ + kLine) * (rows + FixedRows_) + 2 * frameWidth();
    {
        const TRelayout relayout(Relayout_);
        resize(width(), FittedHeight_);
        UpdateScrollBars();
    }
    if (Editor_->isVisible()) {
        const QRect rect = CellRect(Col_, Row_);
        if (rect.isEmpty()) HideEditor();
        else Editor_->setGeometry(rect.adjusted(1, 1, -1, -1));
    }
    viewport()->update();
}

int TVekaGrid::FixedWidth() const {
    int width = 0;
    for (int col = 0; col < FixedCols_; ++col) width += ColWidths_[static_cast<size_t>(col)] + kLine;
    return width;
}

int TVekaGrid::FixedHeight() const { return FixedRows_ * (RowHeight_ + kLine); }

int TVekaGrid::ColX(int col) const {
    if (col < 0 || col >= Cols_) return INT_MIN;
    int x = 0;
    if (col < FixedCols_) {
        for (int c = 0; c < col; ++c) x += ColWidths_[static_cast<size_t>(c)] + kLine;
        return x;
    }
    const int left = LeftCol();
    if (col < left) return INT_MIN;
    x = FixedWidth();
    for (int c = left; c < col; ++c) {
        x += ColWidths_[static_cast<size_t>(c)] + kLine;
        if (x > viewport()->width()) return x;  // off to the right anyway
    }
    return x;
}

int TVekaGrid::RowY(int row) const {
    if (row < 0 || row >= Rows_) return INT_MIN;
    if (row < FixedRows_) return row * (RowHeight_ + kLine);
    const int top = TopRow();
    if (row < top) return INT_MIN;
    return FixedHeight() + (row - top) * (RowHeight_ + kLine);
}

QRect TVekaGrid::CellRect(int col, int row) const {
    const int x = ColX(col), y = RowY(row);
    if (x == INT_MIN || y == INT_MIN) return {};
    const QRect rect(x, y, ColWidths_[static_cast<size_t>(col)], RowHeight_);
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

bool TVekaGrid::CellAt(const QPoint& pos, int& col, int& row) const {
    if (pos.x() < 0 || pos.y() < 0) return false;
    // A cell owns the grid line to its right and below it, so no pixel is dead.
    int foundCol = -1;
    int x = 0;
    for (int c = 0; c < FixedCols_ && foundCol < 0; ++c) {
        x += ColWidths_[static_cast<size_t>(c)] + kLine;
        if (pos.x() < x) foundCol = c;
    }
    for (int c = LeftCol(); c < Cols_ && foundCol < 0; ++c) {
        x += ColWidths_[static_cast<size_t>(c)] + kLine;
        if (pos.x() < x) foundCol = c;
    }
    if (foundCol < 0) return false;
    const int pitch = RowHeight_ + kLine;
    const int foundRow = pos.y() < FixedHeight() ? pos.y() / pitch : TopRow() + (pos.y() - FixedHeight()) / pitch;
    if (foundRow >= Rows_) return false;
    col = foundCol;
    row = foundRow;
    return true;
}

QRect TVekaGrid::Selection() const {
    return QRect(QPoint(std::min(Col_, AnchorCol_), std::min(Row_, AnchorRow_)),
                 QPoint(std::max(Col_, AnchorCol_), std::max(Row_, AnchorRow_)));
}

// ---------------------------------------------------------------------------------------------
// Scrolling: the bars count whole rows and columns, so the top row and left column are simply
// the first scrollable index plus the bar's value.

int TVekaGrid::TopRow() const { return FixedRows_ + verticalScrollBar()->value(); }

int TVekaGrid::LeftCol() const { return FixedCols_ + horizontalScrollBar()->value(); }

void TVekaGrid::SetTopRow(int row) { verticalScrollBar()->setValue(row - FixedRows_); }

void TVekaGrid::SetLeftCol(int col) { horizontalScrollBar()->setValue(col - FixedCols_); }

int TVekaGrid::VisibleRowCount() const {
    const int room = viewport()->height() - FixedHeight();
    const int fit = std::max(0, (room + kLine) / (RowHeight_ + kLine));
    return std::min(fit, Rows_ - TopRow());
}

int TVekaGrid::VisibleColCount() const {
    const int room = viewport()->width() - FixedWidth();
    int used = 0, count = 0;
    for (int col = LeftCol(); col < Cols_; ++col) {
        used += ColWidths_[static_cast<size_t>(col)];
        if (used > room) break;
        used += kLine;
        ++count;
    }
    return count;
}

int TVekaGrid::MaxTopRow() const {
    const int room = viewport()->height() - FixedHeight();
    const int fit = std::max(1, (room + kLine) / (RowHeight_ + kLine));
    return std::max(FixedRows_, Rows_ - fit);
}

int TVekaGrid::MaxLeftCol() const {
    const int room = viewport()->width() - FixedWidth();
    int used = -kLine;
    for (int col = Cols_ - 1; col >= FixedCols_; --col) {
        used += ColWidths_[static_cast<size_t>(col)] + kLine;
        if (used > room) return std::min(Cols_ - 1, col + 1);
    }
    return FixedCols_;
}

void TVekaGrid::UpdateScrollBars() {
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, MaxTopRow() - FixedRows_));
    vertical->setPageStep(std::max(1, VisibleRowCount()));
    vertical->setSingleStep(1);
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, MaxLeftCol() - FixedCols_));
    horizontal->setPageStep(std::max(1, VisibleColCount()));
    horizontal->setSingleStep(1);
}

void TVekaGrid::EnsureVisible(int col, int row) {
    if (row >= FixedRows_ && row < Rows_) {
        const int room = viewport()->height() - FixedHeight();
        const int fit = std::max(1, (room + kLine) / (RowHeight_ + kLine));
        if (row < TopRow()) SetTopRow(row);
        else if (row >= TopRow() + fit) SetTopRow(row - fit + 1);
    }
    if (col >= FixedCols_ && col < Cols_) {
        if (col < LeftCol()) {
            SetLeftCol(col);
        } else {
            // The leftmost first column that still shows col whole.
            const int room = viewport()->width() - FixedWidth();
            int first = col;
            int used = ColWidths_[static_cast<size_t>(col)];
            while (first - 1 >= FixedCols_ && used + kLine + ColWidths_[static_cast<size_t>(first - 1)] <= room) {
                used += kLine + ColWidths_[static_cast<size_t>(first - 1)];
                --first;
            }
            if (LeftCol() < first) SetLeftCol(first);
        }
    }
}

void TVekaGrid::scrollContentsBy(int, int) {
    // The user scrolling away drops an open entry; a new size that moves the rows keeps it over
    // its cell (or drops it when the cell went out of sight), so no typed value is lost to a
    // window being laid out.
    if (Relayout_ == 0) HideEditor();
    viewport()->update();
    emit OnChange();
}

void TVekaGrid::resizeEvent(QResizeEvent* event) {
    const TRelayout relayout(Relayout_);
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    if (Editor_->isVisible()) {
        const QRect rect = CellRect(Col_, Row_);
        if (rect.isEmpty()) HideEditor();
        else Editor_->setGeometry(rect.adjusted(1, 1, -1, -1));
    }
}

QSize TVekaGrid::sizeHint() const {
    int width = 2 * frameWidth();
    for (int col = 0; col < Cols_ && width < 640; ++col) width += ColWidths_[static_cast<size_t>(col)] + kLine;
    const int height = 2 * frameWidth() + (RowHeight_ + kLine) * std::min(Rows_, 12);
    return {width, height};
}

// ---------------------------------------------------------------------------------------------
// Focus

void TVekaGrid::SetFocusCell(int col, int row) { MoveFocus(col, row, false); }

void TVekaGrid::MoveFocus(int col, int row, bool byUser) {
    if (!IsValueCell(col, row)) return;
    const int oldCol = Col_, oldRow = Row_;
    Col_ = AnchorCol_ = col;
    Row_ = AnchorRow_ = row;
    EnsureVisible(col, row);
    RepaintCell(oldCol, oldRow);
    RepaintCell(col, row);
    RepaintHeaders();
    TellFocusMoved();
    if (byUser) emit OnClick();
}

void TVekaGrid::RepaintHeaders() {
    // The headers of the focused column and row are drawn blue; repaint the ones that changed.
    if (LastCol_ != Col_) {
        RepaintCell(LastCol_, 0);
        RepaintCell(Col_, 0);
    }
    if (LastRow_ != Row_) {
        for (int col = 0; col < std::min(FixedCols_, 2); ++col) {
            RepaintCell(col, LastRow_);
            RepaintCell(col, Row_);
        }
    }
    LastCol_ = Col_;
    LastRow_ = Row_;
}

bool TVekaGrid::ShowsFocusFrame() const {
    if (Entered_ || hasFocus() || Editor_->isVisible()) return true;
    // Like a form's active control: the grid keeps its frame while its window is not the
    // active one, as long as it was the last control focused there.
    const QWidget* owner = parentWidget();
    while (owner && !owner->isWindow() && !owner->inherits("QMdiSubWindow")) owner = owner->parentWidget();
    return owner && owner->focusWidget() == this;
}

}  // namespace veka
