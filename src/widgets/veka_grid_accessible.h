#pragma once
// What a screen reader finds in a TVekaGrid: a table whose rows are the value rows and whose
// columns are the value columns, the fixed column(s) and row as row and column headers. A cell
// is named by its row and column ("A1, Volume"); its text and value are what the grid shows
// ("100", "L63", "Effective"). Children are numbered row after row over the whole grid, headers
// included, as Qt's own table views number theirs.
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace veka {

class TVekaGrid;

class TVekaGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TVekaGridAccessible(TVekaGrid* grid);
    ~TVekaGridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface: rows and columns count value cells only.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    TVekaGrid* Grid() const;
    // The child of grid cell (col, row), made on first use; nullptr outside the grid.
    QAccessibleInterface* CellInterface(int col, int row) const;

private:
    void DropCells() const;  // the grid was rebuilt: every cell interface is made anew

    // Keyed by grid position (column, row), not by child index: a cell keeps its place whatever
    // the grid's size, so a grid resized while no tool listened leaves no cell at a wrong index.
    mutable QHash<quint32, QAccessible::Id> Cells_;
    // What cellAt gives for a place outside the value cells: Qt's bridge uses the answer
    // without asking whether there is one, so there always is (an invalid cell).
    mutable QAccessible::Id Outside_ = 0;
};

}  // namespace veka
