#include "widgets/veka_grid_accessible.h"

#include <QStringList>

#include <algorithm>
#include <utility>

#include "widgets/veka_grid.h"

namespace veka {

namespace {

// One cell of the grid, value cell or header. It holds the grid's position only, so a cell
// asked for after the grid shrank answers as invalid instead of reading past the cells.
class TGridCellAccessible : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleTextInterface,
                            public QAccessibleValueInterface,
                            public QAccessibleActionInterface {
public:
    TGridCellAccessible(TVekaGrid* grid, int col, int row) : Grid_(grid), Col_(col), Row_(row) {}

    bool isValid() const override {
        return Grid_ && Col_ >= 0 && Row_ >= 0 && Col_ < Grid_->ColCount() && Row_ < Grid_->RowCount();
    }
    const TVekaGrid* Owner() const { return Grid_; }
    int Col() const { return Col_; }
    int Row() const { return Row_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Grid_ ? Table()->window() : nullptr; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::TableCellInterface:
            // The place outside the grid answers too (Qt's bridge asks it without a check).
            return IsValueCell() || Col_ < 0 ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::ValueInterface:
            return IsValueCell() && Grid_->GetCell(Col_, Row_).ShowAs == 0
                       ? static_cast<QAccessibleValueInterface*>(this)
                       : nullptr;
        case QAccessible::ActionInterface:
            return IsValueCell() ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
        default:
            return nullptr;
        }
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return Grid_ ? Table() : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        switch (t) {
        case QAccessible::Name:
            if (IsValueCell()) {
                QStringList names{Grid_->SpokenRowName(Row_), Grid_->SpokenColumnName(Col_)};
                names.removeAll(QString());
                return names.join(QStringLiteral(", "));
            }
            if (Row_ < Grid_->FixedRows()) return Grid_->SpokenColumnName(Col_);
            if (Col_ == 0) return Grid_->SpokenRowName(Row_);
            return Grid_->ShownText(Col_, Row_);
        case QAccessible::Value:
            return IsValueCell() ? Grid_->ShownText(Col_, Row_) : QString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = Grid_->CellRect(Col_, Row_);
        if (cell.isEmpty()) return {};
        return QRect(Grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override {
        if (!Grid_) return QAccessible::Cell;
        const bool fixedRow = Row_ < Grid_->FixedRows(), fixedCol = Col_ < Grid_->FixedCols();
        if (fixedRow && fixedCol) return QAccessible::Pane;
        if (fixedRow) return QAccessible::ColumnHeader;
        if (fixedCol) return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (Grid_->CellRect(Col_, Row_).isEmpty()) state.invisible = state.offscreen = true;
        if (!IsValueCell()) return state;
        state.focusable = state.selectable = true;
        const bool current = Col_ == Grid_->Col() && Row_ == Grid_->Row();
        state.focused = current && Grid_->hasFocus();
        state.active = current;
        state.selected = isSelected();
        const TOneCell& cell = Grid_->GetCell(Col_, Row_);
        state.editable = cell.ShowAs <= 1 && cell.Min < cell.Max;
        state.readOnly = !state.editable;
        return state;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override {
        return IsValueCell() && Grid_->Selection().contains(Col_, Row_);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        if (!isValid()) return headers;
        for (int row = 0; row < Grid_->FixedRows(); ++row) headers << Table()->CellInterface(Col_, row);
        return headers;
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        if (!isValid()) return headers;
        for (int col = 0; col < Grid_->FixedCols(); ++col) headers << Table()->CellInterface(col, Row_);
        return headers;
    }
    int columnIndex() const override { return IsValueCell() ? Col_ - Grid_->FixedCols() : -1; }
    int rowIndex() const override { return IsValueCell() ? Row_ - Grid_->FixedRows() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return Grid_ ? Table() : nullptr; }

    // QAccessibleTextInterface: the shown text, read only, without a caret.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString whole = Shown();
        start = std::clamp(start, 0, int(whole.size()));
        end = end < 0 ? int(whole.size()) : std::clamp(end, start, int(whole.size()));
        return whole.mid(start, end - start);
    }
    int characterCount() const override { return int(Shown().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override { ScrollTo(); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    // QAccessibleValueInterface: cells that show a number.
    QVariant currentValue() const override { return isValid() ? Grid_->GetCellValue(Col_, Row_) : 0; }
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (ok && isValid() && state().editable) Grid_->SetCellValueAsEdit(Col_, Row_, number);
    }
    QVariant maximumValue() const override { return isValid() ? Grid_->GetCell(Col_, Row_).Max : 0; }
    QVariant minimumValue() const override { return isValid() ? Grid_->GetCell(Col_, Row_).Min : 0; }
    QVariant minimumStepSize() const override { return 1; }

    // QAccessibleActionInterface: focusing a cell puts the grid's cursor on it.
    QStringList actionNames() const override { return {setFocusAction()}; }
    void doAction(const QString& name) override {
        if (name != setFocusAction() || !isValid()) return;
        Grid_->setFocus(Qt::OtherFocusReason);
        Grid_->FocusCellByUser(Col_, Row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TVekaGridAccessible* Table() const {
        return static_cast<TVekaGridAccessible*>(QAccessible::queryAccessibleInterface(Grid_));
    }
    bool IsValueCell() const {
        return isValid() && Col_ >= Grid_->FixedCols() && Row_ >= Grid_->FixedRows();
    }
    QString Shown() const { return isValid() ? Grid_->ShownText(Col_, Row_) : QString(); }
    void ScrollTo() {
        if (IsValueCell()) Grid_->SetFocusCell(Col_, Row_);
    }

    QPointer<TVekaGrid> Grid_;
    int Col_, Row_;
};

}  // namespace

TVekaGridAccessible::TVekaGridAccessible(TVekaGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

TVekaGridAccessible::~TVekaGridAccessible() {
    DropCells();
    if (Outside_) QAccessible::deleteAccessibleInterface(Outside_);
}

TVekaGrid* TVekaGridAccessible::Grid() const { return static_cast<TVekaGrid*>(widget()); }

void* TVekaGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TVekaGridAccessible::text(QAccessible::Text t) const {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        // A grid without a name of its own is called after its window (an editor window inside
        // the main window has a title of its own).
        for (const QWidget* up = Grid()->parentWidget(); up && text.isEmpty(); up = up->parentWidget())
            text = up->windowTitle();
    }
    return text;
}

void TVekaGridAccessible::DropCells() const {
    for (QAccessible::Id id : std::as_const(Cells_)) QAccessible::deleteAccessibleInterface(id);
    Cells_.clear();
}

namespace {
quint32 PlaceKey(int col, int row) { return quint32(col) << 16 | quint32(row); }
}  // namespace

QAccessibleInterface* TVekaGridAccessible::CellInterface(int col, int row) const {
    TVekaGrid* grid = Grid();
    if (!grid || col < 0 || row < 0 || col >= grid->ColCount() || row >= grid->RowCount()) return nullptr;
    const quint32 key = PlaceKey(col, row);
    if (auto found = Cells_.constFind(key); found != Cells_.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new TGridCellAccessible(grid, col, row);
    Cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int TVekaGridAccessible::childCount() const { return Grid()->ColCount() * Grid()->RowCount(); }

QAccessibleInterface* TVekaGridAccessible::child(int index) const {
    const int cols = Grid()->ColCount();
    if (index < 0 || index >= childCount()) return nullptr;
    return CellInterface(index % cols, index / cols);
}

int TVekaGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const TGridCellAccessible*>(child);
    if (!cell || !cell->isValid() || cell->Owner() != Grid()) return -1;
    return cell->Row() * Grid()->ColCount() + cell->Col();
}

QAccessibleInterface* TVekaGridAccessible::childAt(int x, int y) const {
    const TVekaGrid* grid = Grid();
    const QPoint pos = grid->viewport()->mapFromGlobal(QPoint(x, y));
    int col = 0, row = 0;
    if (!grid->CellAt(pos, col, row)) return nullptr;
    return CellInterface(col, row);
}

QAccessibleInterface* TVekaGridAccessible::focusChild() const {
    const TVekaGrid* grid = Grid();
    if (!grid->hasFocus()) return nullptr;
    return CellInterface(grid->Col(), grid->Row());
}

QAccessibleInterface* TVekaGridAccessible::cellAt(int row, int column) const {
    const TVekaGrid* grid = Grid();
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        if (!Outside_) Outside_ = QAccessible::registerAccessibleInterface(new TGridCellAccessible(Grid(), -1, -1));
        return QAccessible::accessibleInterface(Outside_);
    }
    return CellInterface(column + grid->FixedCols(), row + grid->FixedRows());
}

int TVekaGridAccessible::columnCount() const { return Grid()->ColCount() - Grid()->FixedCols(); }

int TVekaGridAccessible::rowCount() const { return Grid()->RowCount() - Grid()->FixedRows(); }

QString TVekaGridAccessible::columnDescription(int column) const {
    return Grid()->SpokenColumnName(column + Grid()->FixedCols());
}

QString TVekaGridAccessible::rowDescription(int row) const {
    return Grid()->SpokenRowName(row + Grid()->FixedRows());
}

int TVekaGridAccessible::selectedCellCount() const {
    const QRect selection = Grid()->Selection();
    return selection.width() * selection.height();
}

QList<QAccessibleInterface*> TVekaGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    const QRect selection = Grid()->Selection();
    for (int row = selection.top(); row <= selection.bottom(); ++row)
        for (int col = selection.left(); col <= selection.right(); ++col)
            if (QAccessibleInterface* cell = CellInterface(col, row)) cells << cell;
    return cells;
}

// A row or a column counts as selected only when the selection spans it whole.
int TVekaGridAccessible::selectedColumnCount() const { return int(selectedColumns().size()); }

int TVekaGridAccessible::selectedRowCount() const { return int(selectedRows().size()); }

QList<int> TVekaGridAccessible::selectedColumns() const {
    QList<int> columns;
    for (int column = 0; column < columnCount(); ++column)
        if (isColumnSelected(column)) columns << column;
    return columns;
}

QList<int> TVekaGridAccessible::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row)
        if (isRowSelected(row)) rows << row;
    return rows;
}

bool TVekaGridAccessible::isColumnSelected(int column) const {
    const TVekaGrid* grid = Grid();
    const QRect selection = grid->Selection();
    const int col = column + grid->FixedCols();
    return selection.left() <= col && col <= selection.right() && selection.top() == grid->FixedRows() &&
           selection.bottom() == grid->RowCount() - 1;
}

bool TVekaGridAccessible::isRowSelected(int row) const {
    const TVekaGrid* grid = Grid();
    const QRect selection = grid->Selection();
    const int gridRow = row + grid->FixedRows();
    return selection.top() <= gridRow && gridRow <= selection.bottom() &&
           selection.left() == grid->FixedCols() && selection.right() == grid->ColCount() - 1;
}

// The grid selects a range by its cursor only; an assistive tool moves the cursor instead.
bool TVekaGridAccessible::selectRow(int row) {
    TVekaGrid* grid = Grid();
    if (row < 0 || row >= rowCount()) return false;
    grid->SetFocusCell(grid->Col(), row + grid->FixedRows());
    return true;
}

bool TVekaGridAccessible::selectColumn(int column) {
    TVekaGrid* grid = Grid();
    if (column < 0 || column >= columnCount()) return false;
    grid->SetFocusCell(column + grid->FixedCols(), grid->Row());
    return true;
}

void TVekaGridAccessible::modelChange(QAccessibleTableModelChangeEvent*) { DropCells(); }

}  // namespace veka

// ---------------------------------------------------------------------------------------------
// The grid's side: texts for the table and the events that keep a screen reader current.

namespace veka {

namespace {

QString JoinedTexts(const TVekaGrid& grid, int fromCol, int toCol, int fromRow, int toRow) {
    QStringList parts;
    for (int col = fromCol; col < toCol; ++col) {
        for (int row = fromRow; row < toRow; ++row) {
            const QString text = QString::fromStdString(grid.GetCell(col, row).Text).simplified();
            if (!text.isEmpty()) parts << text;
        }
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

QString TVekaGrid::ShownText(int col, int row) const {
    const TOneCell* cell = At(col, row);
    if (!cell) return {};
    if (cell->ShowAs == 0 && col >= FixedCols_ && row >= FixedRows_) return QString::number(cell->Value);
    if (cell->ShowAs <= 1 || col < FixedCols_ || row < FixedRows_) return QString::fromStdString(cell->Text);
    return {};
}

QString TVekaGrid::SpokenRowName(int row) const {
    if (row < 0 || row >= Rows_) return {};
    if (RowNameForSpeech && row >= FixedRows_) {
        const QString name = RowNameForSpeech(row);
        if (!name.isEmpty()) return name;
    }
    return JoinedTexts(*this, 0, FixedCols_, row, row + 1);
}

QString TVekaGrid::SpokenColumnName(int col) const {
    if (col < 0 || col >= Cols_) return {};
    return JoinedTexts(*this, col, col + 1, 0, FixedRows_);
}

void TVekaGrid::TellFocusMoved() {
    if (!QAccessible::isActive() || !IsValueCell(Col_, Row_)) return;
    SpokenCol_ = Col_;
    SpokenRow_ = Row_;
    SpokenText_ = ShownText(Col_, Row_);
    const int index = Row_ * Cols_ + Col_;
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
}

void TVekaGrid::TellFocusedValue() {
    if (!QAccessible::isActive() || !IsValueCell(Col_, Row_)) return;
    const QString text = ShownText(Col_, Row_);
    if (Col_ != SpokenCol_ || Row_ != SpokenRow_) {
        // A new cursor position is told by TellFocusMoved; here it only becomes the reference.
        SpokenCol_ = Col_;
        SpokenRow_ = Row_;
        SpokenText_ = text;
        return;
    }
    if (text == SpokenText_) return;
    const QString before = std::exchange(SpokenText_, text);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* cell = table ? table->child(Row_ * Cols_ + Col_) : nullptr;
    if (!cell) return;
    QAccessibleTextUpdateEvent textChange(cell, 0, before, text);
    QAccessible::updateAccessibility(&textChange);
    if (cell->valueInterface()) {
        QAccessibleValueChangeEvent valueChange(cell, GetCellValue(Col_, Row_));
        QAccessible::updateAccessibility(&valueChange);
    }
}

void TVekaGrid::TellCellsRebuilt() {
    SpokenCol_ = SpokenRow_ = -1;
    if (!QAccessible::isActive()) return;
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
}

}  // namespace veka
