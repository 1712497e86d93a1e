// The grid as assistive tools see it: a table of the value cells named by their row and column
// headers, their shown text, the events that follow the cursor and the focused cell's value
// (whichever way it changed), and cells asked for after the grid was rebuilt smaller.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

#include "widgets/veka_grid.h"

namespace veka {
namespace {

// Three parts by two parameters; the second column shows texts, as an effect's type does.
class VekaGridAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        Host.resize(400, 200);
        Grid = new TVekaGrid(&Host);
        Grid->setGeometry(0, 0, 380, 150);
        Grid->setAccessibleName(QStringLiteral("Parts"));
        Other = new QLineEdit(&Host);
        Other->setGeometry(0, 160, 100, 24);
        Grid->SetGridSize(3, 4);
        Grid->Cell(1, 0).Text = "Volume";
        Grid->Cell(2, 0).Text = "Type";
        for (int row = 1; row < 4; ++row) {
            Grid->Cell(0, row).Text = " " + std::to_string(row);
            for (int col = 1; col < 3; ++col) {
                TOneCell& cell = Grid->Cell(col, row);
                cell.Max = 127;
                cell.Default = 100;
                cell.Value = 100;
            }
            Grid->Cell(2, row).ShowAs = 1;
            Grid->Cell(2, row).Text = "Hall 2";
        }
        Grid->RowNameForSpeech = [](int row) { return QStringLiteral("A%1").arg(row); };
        Host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
        Grid->setFocus();
        QApplication::processEvents();
        Table = QAccessible::queryAccessibleInterface(Grid);
        ASSERT_NE(Table, nullptr);
        ASSERT_NE(Table->tableInterface(), nullptr);
    }

    QWidget Host;
    TVekaGrid* Grid = nullptr;
    QLineEdit* Other = nullptr;
    QAccessibleInterface* Table = nullptr;
};

TEST_F(VekaGridAccessibleTest, TheValueCellsAreATableNamedByTheirHeaders) {
    EXPECT_EQ(Table->role(), QAccessible::Table);
    EXPECT_EQ(Table->text(QAccessible::Name), QStringLiteral("Parts"));
    QAccessibleTableInterface* table = Table->tableInterface();
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->rowDescription(0), QStringLiteral("A1"));
    EXPECT_EQ(table->columnDescription(1), QStringLiteral("Type"));

    QAccessibleInterface* volume = table->cellAt(0, 0);
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(volume->role(), QAccessible::Cell);
    EXPECT_EQ(volume->text(QAccessible::Name), QStringLiteral("A1, Volume"));
    EXPECT_EQ(volume->text(QAccessible::Value), QStringLiteral("100"));
    ASSERT_NE(volume->textInterface(), nullptr);
    EXPECT_EQ(volume->textInterface()->text(0, -1), QStringLiteral("100"));
    EXPECT_TRUE(volume->state().editable);
    ASSERT_NE(volume->valueInterface(), nullptr);
    EXPECT_EQ(volume->valueInterface()->maximumValue().toInt(), 127);
    // A cell that shows a text reads as the text and has no number to offer.
    QAccessibleInterface* type = table->cellAt(2, 1);
    EXPECT_EQ(type->text(QAccessible::Value), QStringLiteral("Hall 2"));
    EXPECT_EQ(type->valueInterface(), nullptr);

    // The headers are the cells of the fixed row and column, numbered with the rest.
    QAccessibleTableCellInterface* cell = volume->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowIndex(), 0);
    EXPECT_EQ(cell->columnIndex(), 0);
    ASSERT_EQ(cell->columnHeaderCells().size(), 1);
    EXPECT_EQ(cell->columnHeaderCells()[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(cell->columnHeaderCells()[0]->text(QAccessible::Name), QStringLiteral("Volume"));
    EXPECT_EQ(cell->rowHeaderCells()[0]->text(QAccessible::Name), QStringLiteral("A1"));
    EXPECT_EQ(Table->childCount(), 3 * 4);
    EXPECT_EQ(Table->indexOfChild(volume), 1 * 3 + 1);
    EXPECT_EQ(Table->child(1 * 3 + 1), volume);
    // Outside the value cells an invalid cell answers, never nothing: Qt's bridge uses the answer
    // unchecked (an index from a tool that numbers children otherwise lands there).
    for (QAccessibleInterface* outside : {table->cellAt(3, 0), table->cellAt(-1, 0), table->cellAt(0, 2)}) {
        ASSERT_NE(outside, nullptr);
        EXPECT_FALSE(outside->isValid());
        ASSERT_NE(outside->tableCellInterface(), nullptr);
        EXPECT_EQ(outside->tableCellInterface()->rowIndex(), -1);
        EXPECT_EQ(outside->text(QAccessible::Name), QString());
    }
}

// What the events announce (checked through the accessibility bus by the AccessibilityBus test,
// which this offscreen run cannot reach) is read here from the cells themselves.
TEST_F(VekaGridAccessibleTest, TheCellsFollowTheCursorAndEveryChangeOfTheirValue) {
    QAccessibleTableInterface* table = Table->tableInterface();
    QTest::keyClick(Grid, Qt::Key_Down);
    QAccessibleInterface* second = table->cellAt(1, 0);
    EXPECT_TRUE(second->state().active);
    EXPECT_TRUE(second->tableCellInterface()->isSelected());
    EXPECT_FALSE(table->cellAt(0, 0)->state().active);
    EXPECT_FALSE(table->cellAt(0, 0)->tableCellInterface()->isSelected());
    EXPECT_EQ(Table->focusChild() == second, Grid->hasFocus());

    QTest::keyClick(Grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(second->text(QAccessible::Value), QStringLiteral("101"));
    EXPECT_EQ(second->valueInterface()->currentValue().toInt(), 101);
    // Refilled from elsewhere (another window, an undo, a file).
    Grid->Cell(1, 2).Value = 90;
    Grid->RepaintCell(1, 2);
    EXPECT_EQ(second->text(QAccessible::Value), QStringLiteral("90"));
    // A cell that shows nothing reads as nothing.
    Grid->Cell(1, 2).ShowAs = 2;
    EXPECT_EQ(second->text(QAccessible::Value), QString());
    EXPECT_FALSE(second->state().editable);
}

TEST_F(VekaGridAccessibleTest, AnAssistiveToolMovesTheCursorAndSetsAValueAsOneEdit) {
    std::vector<int> changes, puts;
    QObject::connect(Grid, &TVekaGrid::OnCellChange, Grid, [&](int, int, const TOneCell& c) { changes.push_back(c.Value); });
    QObject::connect(Grid, &TVekaGrid::OnPutLink, Grid, [&](const TOneCell& c) { puts.push_back(c.Value); });
    int clicks = 0;
    QObject::connect(Grid, &TVekaGrid::OnClick, Grid, [&] { ++clicks; });
    QAccessibleInterface* cell = Table->tableInterface()->cellAt(2, 0);
    cell->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(clicks, 1);  // as a click: the window hears of the new current part
    cell->valueInterface()->setCurrentValue(200);  // clamped
    EXPECT_EQ(changes, std::vector<int>{127});
    EXPECT_EQ(puts, std::vector<int>{127});
    EXPECT_EQ(cell->text(QAccessible::Value), QStringLiteral("127"));
    // A value set is a finished edit of its own, whatever gesture went before on another cell:
    // a key gesture that started at 100 does not make a set to 100 look like no change.
    Grid->SetFocusCell(1, 1);
    QTest::keyClick(Grid, Qt::Key_Plus, Qt::KeypadModifier);  // from 100
    puts.clear();
    cell->valueInterface()->setCurrentValue(100);  // the cell holds 127
    EXPECT_EQ(puts, std::vector<int>{100});
    puts.clear();
    cell->valueInterface()->setCurrentValue(100);  // and setting what it holds is no edit
    EXPECT_TRUE(puts.empty());
}

TEST_F(VekaGridAccessibleTest, CellsAskedForAfterTheGridShrankAreInvalidNotDangerous) {
    QAccessibleInterface* last = Table->tableInterface()->cellAt(2, 1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(Table->indexOfChild(last), 3 * 3 + 2);
    // Resized while no tool listens (no model reset reaches the table): the old cell stays at its
    // place and answers as gone; the cell at its old index is another one.
    Grid->SetGridSize(2, 2);
    EXPECT_EQ(Table->tableInterface()->rowCount(), 1);
    EXPECT_EQ(Table->tableInterface()->columnCount(), 1);
    EXPECT_FALSE(Table->tableInterface()->cellAt(1, 1)->isValid());
    EXPECT_FALSE(last->isValid());
    EXPECT_EQ(Table->indexOfChild(last), -1);
    QAccessibleInterface* only = Table->tableInterface()->cellAt(0, 0);
    ASSERT_NE(only, nullptr);
    EXPECT_TRUE(only->isValid());
    EXPECT_EQ(only->text(QAccessible::Value), QStringLiteral("0"));
    EXPECT_EQ(Table->indexOfChild(only), 1 * 2 + 1);
    // A model reset (sent while a tool listens) frees the cells; the table makes new ones.
    QAccessibleTableModelChangeEvent reset(Grid, QAccessibleTableModelChangeEvent::ModelReset);
    Table->tableInterface()->modelChange(&reset);
    QAccessibleInterface* again = Table->tableInterface()->cellAt(0, 0);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isValid());
    EXPECT_EQ(again->text(QAccessible::Name), QStringLiteral("A1"));  // its column has no heading now
}

}  // namespace
}  // namespace veka
