// The value grid: its cell store and bounds, every editing gesture with the events it raises
// (drag dead zone and steps, Ctrl tens, wheel, keypad, Backspace, double-click, typed entry),
// keyboard navigation, column moving and sizing, FitHeight and the painted colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QLocale>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "widgets/veka_grid.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace veka {
namespace {

constexpr int kCols = 6, kRows = 12;

struct TChange {
    int Col, Row;
    int32_t Value;
};

// A grid of 6 x 12 cells (one fixed row and column) in a window with one other control to
// take the focus away. Every value cell runs 0..127 with default 64 and holds 64.
class VekaGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        Host.resize(520, 380);
        Grid = new TVekaGrid(&Host);
        QFont font = Grid->font();
        font.setPixelSize(14);
        Grid->setFont(font);
        Grid->SetRowHeight(20);
        Grid->setGeometry(0, 0, 500, 200);
        Other = new QLineEdit(&Host);
        Other->setGeometry(0, 320, 200, 24);
        Grid->SetGridSize(kCols, kRows);
        for (int col = 1; col < kCols; ++col) {
            for (int row = 1; row < kRows; ++row) {
                TOneCell& cell = Grid->Cell(col, row);
                cell.Max = 127;
                cell.Min = 0;
                cell.Default = 64;
                cell.Value = 64;
                cell.Link.Owner = row;
                cell.Link.Index = col;
            }
        }
        QObject::connect(Grid, &TVekaGrid::OnCellChange, Grid, [this](int col, int row, const TOneCell& cell) {
            Changes.push_back({col, row, cell.Value});
        });
        QObject::connect(Grid, &TVekaGrid::OnPutLink, Grid,
                         [this](const TOneCell& cell) { PutLinks.push_back(cell.Value); });
        QObject::connect(Grid, &TVekaGrid::OnMouseInc, Grid, [this](int, int, int inc) { Incs.push_back(inc); });
        QObject::connect(Grid, &TVekaGrid::OnClick, Grid, [this] { ++Clicks; });
        QObject::connect(Grid, &TVekaGrid::ShowWarning, Grid,
                         [this](const QString& text) { Warnings.push_back(text); });
        Host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
        Host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Host));
        Grid->setFocus();
        QApplication::processEvents();
    }

    void TearDown() override {
        // QTest remembers held buttons across tests; never leave one down.
        if (ButtonDown != Qt::NoButton) QTest::mouseRelease(Vp(), ButtonDown, {}, PressPoint);
    }

    QWidget* Vp() const { return Grid->viewport(); }
    QPoint Centre(int col, int row) const { return Grid->CellRect(col, row).center(); }

    void Press(int col, int row, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {}) {
        PressPoint = Centre(col, row);
        ButtonDown = button;
        QTest::mousePress(Vp(), button, mods, PressPoint);
    }
    // A move to dy pixels below the press point (negative: above) with the buttons held.
    void MoveTo(int dy, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseEvent(QTest::MouseMove, Vp(), Qt::NoButton, mods, PressPoint + QPoint(0, dy));
    }
    void Release(int dy = 0, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseRelease(Vp(), ButtonDown, mods, PressPoint + QPoint(0, dy));
        ButtonDown = Qt::NoButton;
    }
    int32_t Value(int col, int row) const { return Grid->GetCellValue(col, row); }
    bool CursorIs(TVekaCursor which) const {
        return Vp()->cursor().shape() == Qt::BitmapCursor &&
               Vp()->cursor().pixmap().cacheKey() == VekaCursor(which).pixmap().cacheKey();
    }
    static QString InvalidValueText() {
        return QLocale::system().language() == QLocale::Japanese ? QStringLiteral("正しい値を入力してください")
                                                                 : QStringLiteral("Input correct value.");
    }

    QWidget Host;
    TVekaGrid* Grid = nullptr;
    QLineEdit* Other = nullptr;
    QPoint PressPoint;
    Qt::MouseButton ButtonDown = Qt::NoButton;
    std::vector<TChange> Changes;
    std::vector<int32_t> PutLinks;
    std::vector<int> Incs;
    std::vector<QString> Warnings;
    int Clicks = 0;
};

// --- Cell store ------------------------------------------------------------------------------

TEST(VekaGridStore, FreshGridAndCells) {
    TVekaGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.EditStep(), 1);
    EXPECT_FALSE(grid.InplaceEditor()->isVisible());
    const TOneCell cell = grid.GetCell(2, 3);
    EXPECT_EQ(cell.Flag, 1);
    EXPECT_EQ(cell.Link.Spare, 64);
    EXPECT_EQ(cell.Value, 0);
    EXPECT_EQ(cell.Max, 0);
    EXPECT_EQ(cell.ShowAs, 0);
    EXPECT_TRUE(cell.Text.empty());
}

TEST(VekaGridStore, SameSizeKeepsCellsWhileEveryCountSetterClearsThem) {
    TVekaGrid grid;
    grid.SetGridSize(8, 6);
    grid.Cell(3, 2).Value = 42;
    grid.SetFocusCell(4, 5);
    grid.SetGridSize(8, 6);
    EXPECT_EQ(grid.GetCellValue(3, 2), 42);
    EXPECT_EQ(grid.Col(), 4);

    grid.SetColumnCount(8);  // the same count, still a fresh store
    EXPECT_EQ(grid.GetCellValue(3, 2), 0);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);

    grid.Cell(3, 2).Value = 42;
    grid.SetRowCountCells(6);
    EXPECT_EQ(grid.GetCellValue(3, 2), 0);

    grid.Cell(3, 2).Value = 42;
    grid.SetGridSize(9, 6);
    EXPECT_EQ(grid.GetCellValue(3, 2), 0);
    EXPECT_EQ(grid.GetCell(3, 2).Link.Spare, 64);
}

TEST(VekaGridStore, SizesAreClampedToTheTable) {
    TVekaGrid grid;
    grid.SetGridSize(1000, 5000);
    EXPECT_EQ(grid.ColCount(), TVekaGrid::kMaxCols);
    EXPECT_EQ(grid.RowCount(), TVekaGrid::kMaxRows);
    grid.Cell(TVekaGrid::kMaxCols - 1, TVekaGrid::kMaxRows - 1).Value = 7;
    EXPECT_EQ(grid.GetCellValue(130, 1100), 7);
    grid.SetGridSize(131, 1101);  // the same size once clamped: contents stay
    EXPECT_EQ(grid.GetCellValue(130, 1100), 7);

    grid.SetGridSize(0, -3);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);  // fixed counts shrink with the grid
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.SetFixedCols(10);
    EXPECT_EQ(grid.FixedCols(), 0);
}

TEST(VekaGridStore, OutOfRangeIndicesAreIgnored) {
    TVekaGrid grid;
    int events = 0;
    QObject::connect(&grid, &TVekaGrid::OnCellChange, &grid, [&](int, int, const TOneCell&) { ++events; });
    QObject::connect(&grid, &TVekaGrid::OnPutLink, &grid, [&](const TOneCell&) { ++events; });
    TOneCell cell;
    cell.Value = 9;
    const std::vector<std::pair<int, int>> outside = {{-1, 0}, {0, -1}, {5, 0}, {0, 5}, {1000000, 1000000}};
    for (auto [col, row] : outside) {
        grid.PutCell(col, row, cell);
        grid.SetCellValue(col, row, 3);
        grid.RepaintCell(col, row);
        EXPECT_EQ(grid.GetCellValue(col, row), 0);
        EXPECT_EQ(grid.GetCell(col, row).Link.Spare, 64);
        EXPECT_TRUE(grid.CellRect(col, row).isEmpty());
        EXPECT_EQ(grid.ColWidth(col), col >= 0 && col < 5 ? 64 : 0);
    }
    // Writes through Cell() out of range land in a scratch record that is reset each time.
    grid.Cell(-1, -1).Value = 5;
    EXPECT_EQ(grid.Cell(-1, -1).Value, 0);
    EXPECT_EQ(grid.Cell(7, 7).Link.Spare, 64);
    grid.SetColWidth(-1, 10);
    grid.SetColWidth(5, 10);
    grid.SetFocusCell(0, 0);  // a fixed cell never takes the focus
    grid.SetFocusCell(9, 2);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    grid.MoveColumn(0, 3);  // fixed columns stay
    grid.MoveColumn(2, 9);
    EXPECT_EQ(events, 0);
}

TEST(VekaGridStore, TextIsCutToThirtyTwoCharacters) {
    TVekaGrid grid;
    TOneCell cell;
    cell.Text = std::string(40, 'x');
    grid.PutCell(1, 0, cell);
    EXPECT_EQ(grid.GetCell(1, 0).Text, std::string(32, 'x'));
    // Characters, not bytes: 40 katakana of three bytes each keep 32 whole characters.
    std::string kana;
    for (int i = 0; i < 40; ++i) kana += "ｶ";
    cell.Text = kana;
    grid.PutCell(2, 0, cell);
    EXPECT_EQ(grid.GetCell(2, 0).Text, kana.substr(0, 32 * 3));
}

TEST(VekaGridStore, ClampAppliesMaxFirstThenMin) {
    TVekaGrid grid;
    TOneCell& cell = grid.Cell(1, 1);
    cell.Max = 10;
    cell.Min = 20;  // a record with Min above Max ends at Min
    grid.SetCellValue(1, 1, 15);
    EXPECT_EQ(grid.GetCellValue(1, 1), 20);
    grid.SetCellValue(1, 1, 5);
    EXPECT_EQ(grid.GetCellValue(1, 1), 20);

    TOneCell& wide = grid.Cell(2, 1);
    wide.Max = INT32_MAX;
    wide.Min = INT32_MIN;
    wide.Value = INT32_MAX;
    grid.SetFocusCell(2, 1);
    grid.IncCellValue(1);  // no wrap-around at the edge of int32
    EXPECT_EQ(grid.GetCellValue(2, 1), INT32_MAX);
}

TEST(VekaGridStore, SetCellValueNotifiesAndTestsForPutLink) {
    TVekaGrid grid;
    std::vector<std::string> log;
    QObject::connect(&grid, &TVekaGrid::OnCellChange, &grid, [&](int col, int row, const TOneCell& cell) {
        log.push_back("change " + std::to_string(col) + "," + std::to_string(row) + "=" + std::to_string(cell.Value));
    });
    QObject::connect(&grid, &TVekaGrid::OnPutLink, &grid,
                     [&](const TOneCell& cell) { log.push_back("link " + std::to_string(cell.Value)); });
    grid.Cell(2, 3).Max = 100;
    grid.SetCellValue(2, 3, 250);  // clamped; the start value (0) differs: a put link follows
    grid.SetCellValue(2, 3, 0);    // back at the start value: no put link
    EXPECT_EQ(log, (std::vector<std::string>{"change 2,3=100", "link 100", "change 2,3=0"}));

    log.clear();
    grid.SetFocusCell(2, 3);
    grid.IncCellValue(5);  // one change, never a put link
    EXPECT_EQ(log, (std::vector<std::string>{"change 2,3=5"}));
}

TEST(VekaGridStore, SetLinkedValueStoresUnclampedInTheFirstMatchOnlyAndSilently) {
    TVekaGrid grid;
    grid.SetGridSize(4, 4);
    int events = 0;
    QObject::connect(&grid, &TVekaGrid::OnCellChange, &grid, [&](int, int, const TOneCell&) { ++events; });
    QObject::connect(&grid, &TVekaGrid::OnPutLink, &grid, [&](const TOneCell&) { ++events; });
    TLinkData link;
    link.Owner = 2;
    link.Index = 7;
    grid.Cell(0, 1).Link = link;  // header cells are not searched
    grid.Cell(2, 3).Link = link;
    grid.Cell(3, 1).Link = link;  // a later column
    grid.Cell(2, 3).Max = 10;
    grid.SetLinkedValue(link, 99);
    EXPECT_EQ(grid.GetCellValue(0, 1), 0);
    EXPECT_EQ(grid.GetCellValue(2, 3), 99);
    EXPECT_EQ(grid.GetCellValue(3, 1), 0);
    EXPECT_EQ(events, 0);
}

// --- Mouse drag ------------------------------------------------------------------------------

TEST_F(VekaGridTest, DragNeedsMoreThanFivePixels) {
    Press(2, 5);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 5);
    MoveTo(-5);
    MoveTo(5);
    EXPECT_EQ(Value(2, 5), 64);
    EXPECT_TRUE(Changes.empty());
    MoveTo(-6);
    EXPECT_EQ(Value(2, 5), 65);
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].Col, 2);
    EXPECT_EQ(Changes[0].Row, 5);
    EXPECT_EQ(Incs, std::vector<int>{1});
    EXPECT_TRUE(CursorIs(TVekaCursor::UpDown));
    Release(-6);
    EXPECT_EQ(PutLinks, std::vector<int32_t>{65});
    EXPECT_NE(Vp()->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(VekaGridTest, OneStepPerMoveEventHoweverFarAndDownIsMinus) {
    Press(2, 5);
    MoveTo(-100);
    EXPECT_EQ(Value(2, 5), 65);
    MoveTo(-101);
    MoveTo(-102);
    EXPECT_EQ(Value(2, 5), 67);
    MoveTo(-102);  // no movement: no step
    EXPECT_EQ(Value(2, 5), 67);
    MoveTo(40);
    EXPECT_EQ(Value(2, 5), 66);
    EXPECT_EQ(Incs, (std::vector<int>{1, 1, 1, -1}));
    Release(40);
}

TEST_F(VekaGridTest, DragChangesThePressedCellWhereverThePointerEnds) {
    Press(2, 5);
    MoveTo(-Grid->RowHeight() * 3);  // over another cell now
    MoveTo(-Grid->RowHeight() * 3 - 1);
    Release(-Grid->RowHeight() * 3 - 1);
    EXPECT_EQ(Value(2, 5), 66);
    EXPECT_EQ(Value(2, 2), 64);
    EXPECT_EQ(Grid->Row(), 5);
    EXPECT_EQ(Grid->Selection(), QRect(2, 5, 1, 1));  // collapsed to the focused cell
}

TEST_F(VekaGridTest, CtrlStepsByTenWithItsCursorUntilCtrlIsReleased) {
    Press(2, 5);
    QTest::keyPress(Grid, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(Grid->EditStep(), 10);
    MoveTo(-6, Qt::ControlModifier);
    EXPECT_EQ(Value(2, 5), 74);
    EXPECT_TRUE(CursorIs(TVekaCursor::UpDown10));
    QTest::keyRelease(Grid, Qt::Key_Control);
    EXPECT_EQ(Grid->EditStep(), 1);
    MoveTo(-7);
    EXPECT_EQ(Value(2, 5), 75);
    EXPECT_TRUE(CursorIs(TVekaCursor::UpDown));
    EXPECT_EQ(Incs, (std::vector<int>{10, 1}));
    Release(-7);
}

TEST_F(VekaGridTest, RightButtonOrShiftDragChangesNothing) {
    Press(2, 5, Qt::RightButton);
    MoveTo(-30);
    MoveTo(-40);
    Release(-40);
    EXPECT_EQ(Grid->Row(), 5);  // the right button still focuses the cell for its menu
    Press(3, 5, Qt::LeftButton, Qt::ShiftModifier);
    MoveTo(-30, Qt::ShiftModifier);
    MoveTo(-40, Qt::ShiftModifier);
    MoveTo(-50, Qt::ShiftModifier | Qt::ControlModifier);
    Release(-50, Qt::ShiftModifier);
    EXPECT_EQ(Value(2, 5), 64);
    EXPECT_EQ(Value(3, 5), 64);
    EXPECT_TRUE(Changes.empty());
    EXPECT_TRUE(PutLinks.empty());
}

TEST_F(VekaGridTest, AtMaxTheValueStaysButEveryStepIsStillReported) {
    Grid->Cell(2, 5).Value = 126;
    Press(2, 5);
    MoveTo(-6);
    MoveTo(-7);
    MoveTo(-8);
    EXPECT_EQ(Value(2, 5), 127);
    ASSERT_EQ(Changes.size(), 3u);
    EXPECT_EQ(Changes[2].Value, 127);
    Release(-8);
    EXPECT_EQ(PutLinks, std::vector<int32_t>{127});

    // Starting at Max: steps are reported, the value never changes, no put link.
    Changes.clear();
    PutLinks.clear();
    Press(2, 5);
    MoveTo(-6);
    MoveTo(-7);
    Release(-7);
    EXPECT_EQ(Changes.size(), 2u);
    EXPECT_TRUE(PutLinks.empty());
}

TEST_F(VekaGridTest, DragUpAndBackToTheStartRaisesNoPutLink) {
    Press(2, 5);
    MoveTo(-6);
    MoveTo(-7);
    MoveTo(6);
    MoveTo(7);
    Release(7);
    EXPECT_EQ(Value(2, 5), 64);
    EXPECT_EQ(Changes.size(), 4u);
    EXPECT_TRUE(PutLinks.empty());
}

TEST_F(VekaGridTest, PressOnAHeaderOrOutsideTheCellsStartsNothing) {
    Press(0, 5);
    MoveTo(-20);
    MoveTo(-30);
    Release(-30);
    PressPoint = QPoint(Vp()->width() - 3, Vp()->height() - 3);  // beyond the last column
    ButtonDown = Qt::LeftButton;
    QTest::mousePress(Vp(), Qt::LeftButton, {}, PressPoint);
    MoveTo(-20);
    MoveTo(-30);
    Release(-30);
    EXPECT_TRUE(Changes.empty());
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Clicks, 0);
}

TEST_F(VekaGridTest, DoubleClickRestoresTheDefaultWithOnePutLink) {
    Grid->Cell(2, 5).Value = 100;
    QTest::mouseClick(Vp(), Qt::LeftButton, {}, Centre(2, 5));
    QTest::mouseDClick(Vp(), Qt::LeftButton, {}, Centre(2, 5));
    QTest::mouseRelease(Vp(), Qt::LeftButton, {}, Centre(2, 5));
    EXPECT_EQ(Value(2, 5), 64);
    EXPECT_EQ(PutLinks, std::vector<int32_t>{64});
}

TEST_F(VekaGridTest, SpeakerCursorOverRowHeadersOnly) {
    Grid->SpeakerCursor = true;
    QMouseEvent move(QEvent::MouseMove, Centre(0, 4), Vp()->mapToGlobal(Centre(0, 4)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Vp(), &move);
    EXPECT_TRUE(CursorIs(TVekaCursor::Speaker));
    EXPECT_FALSE(Grid->PointerOverValueCell());
    QMouseEvent over(QEvent::MouseMove, Centre(2, 4), Vp()->mapToGlobal(Centre(2, 4)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Vp(), &over);
    EXPECT_FALSE(CursorIs(TVekaCursor::Speaker));
    EXPECT_TRUE(Grid->PointerOverValueCell());
}

// --- Wheel and keys --------------------------------------------------------------------------

TEST_F(VekaGridTest, WheelChangesValuesOnlyWithShiftOrCtrlAlone) {
    Grid->SetFocusCell(2, 3);
    const auto wheel = [this](int delta, Qt::KeyboardModifiers mods) {
        QWheelEvent event(Centre(2, 3), Vp()->mapToGlobal(Centre(2, 3)), {}, QPoint(0, delta), Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Vp(), &event);
    };
    wheel(120, Qt::NoModifier);
    wheel(-120, Qt::AltModifier);
    wheel(120, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(Value(2, 3), 64);
    EXPECT_TRUE(Changes.empty());
    wheel(120, Qt::ShiftModifier);
    EXPECT_EQ(Value(2, 3), 65);
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(Value(2, 3), 55);
    wheel(60, Qt::ShiftModifier);  // half a notch of a fine wheel: nothing yet
    EXPECT_EQ(Value(2, 3), 55);
    wheel(60, Qt::ShiftModifier);
    EXPECT_EQ(Value(2, 3), 56);
    EXPECT_EQ(Changes.size(), 3u);
    EXPECT_TRUE(PutLinks.empty());
}

TEST_F(VekaGridTest, KeypadPlusAndMinusStepAndLinkAtKeyUp) {
    Grid->SetFocusCell(2, 3);
    QTest::keyPress(Grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Value(2, 3), 65);
    EXPECT_TRUE(PutLinks.empty());
    QTest::keyRelease(Grid, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(PutLinks, std::vector<int32_t>{65});

    // Ctrl makes it ten; the main keyboard's minus is no step.
    QTest::keyPress(Grid, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(Grid, Qt::Key_Minus, Qt::KeypadModifier | Qt::ControlModifier);
    QTest::keyRelease(Grid, Qt::Key_Control);
    QTest::keyClick(Grid, Qt::Key_Minus);
    EXPECT_EQ(Value(2, 3), 55);
    EXPECT_EQ(PutLinks, (std::vector<int32_t>{65, 55}));
}

TEST_F(VekaGridTest, HeldKeypadPlusLinksOnceWhenReallyReleased) {
    Grid->SetFocusCell(2, 3);
    // Auto-repeat arrives as release and press pairs flagged as repeats.
    QTest::simulateEvent(Grid, true, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"), false);
    QTest::simulateEvent(Grid, false, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"), true);
    QTest::simulateEvent(Grid, true, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"), true);
    QTest::simulateEvent(Grid, false, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"), true);
    QTest::simulateEvent(Grid, true, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"), true);
    EXPECT_TRUE(PutLinks.empty());
    QTest::simulateEvent(Grid, false, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"), false);
    EXPECT_EQ(Value(2, 3), 67);
    EXPECT_EQ(PutLinks, std::vector<int32_t>{67});
}

TEST_F(VekaGridTest, BackspaceRestoresTheDefault) {
    Grid->Cell(2, 3).Value = 3;
    Grid->SetFocusCell(2, 3);
    QTest::keyClick(Grid, Qt::Key_Backspace);
    EXPECT_EQ(Value(2, 3), 64);
    EXPECT_EQ(PutLinks, std::vector<int32_t>{64});
    QTest::keyClick(Grid, Qt::Key_Backspace);  // already at the default: reported, not linked
    EXPECT_EQ(Changes.size(), 2u);
    EXPECT_EQ(PutLinks.size(), 1u);
}

TEST_F(VekaGridTest, CtrlArrowJumpsToTheNextModifiedCellOrStays) {
    Grid->SetFocusCell(1, 4);
    Grid->Cell(4, 4).Value = 10;
    Grid->Cell(1, 9).Value = 100;
    QTest::keyClick(Grid, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Grid->Col(), 4);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(Clicks, 1);
    QTest::keyClick(Grid, Qt::Key_Right, Qt::ControlModifier);  // nothing modified further right
    EXPECT_EQ(Grid->Col(), 4);
    QTest::keyClick(Grid, Qt::Key_Left, Qt::ControlModifier);  // nor to the left (fixed column excluded)
    EXPECT_EQ(Grid->Col(), 4);
    Grid->SetFocusCell(1, 4);
    QTest::keyClick(Grid, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid->Row(), 9);
    QTest::keyClick(Grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);  // not Ctrl alone: one row up
    EXPECT_EQ(Grid->Row(), 8);
    EXPECT_TRUE(Changes.empty());
}

TEST_F(VekaGridTest, NavigationKeysMoveTheFocusWithinTheValueCells) {
    Grid->SetFocusCell(1, 1);
    QTest::keyClick(Grid, Qt::Key_Up);
    QTest::keyClick(Grid, Qt::Key_Left);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Clicks, 0);  // no move, no click
    QTest::keyClick(Grid, Qt::Key_End);
    EXPECT_EQ(Grid->Col(), kCols - 1);
    QTest::keyClick(Grid, Qt::Key_Tab);  // wraps to the next row
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 2);
    QTest::keyClick(Grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Grid->Col(), kCols - 1);
    EXPECT_EQ(Grid->Row(), 1);
    QTest::keyClick(Grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid->Row(), kRows - 1);
    EXPECT_EQ(Grid->TopRow() + Grid->VisibleRowCount(), kRows);  // scrolled into view
    QTest::keyClick(Grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->TopRow(), 1);
    const int page = Grid->VisibleRowCount();
    ASSERT_LT(page, kRows - 1);  // the rows must not all fit for paging to mean anything
    QTest::keyClick(Grid, Qt::Key_PageDown);
    EXPECT_EQ(Grid->Row(), 1 + page);
    EXPECT_EQ(Clicks, 6);
}

// --- Typed entry -----------------------------------------------------------------------------

TEST_F(VekaGridTest, ANegativeTypedValueBelowTheMinimumGivesTheMinimumNeverItsAbsoluteValue) {
    Grid->SetFocusCell(2, 3);
    Grid->Cell(2, 3).Min = 0;
    QTest::keyClick(Grid, Qt::Key_Minus);  // the main keyboard's minus
    ASSERT_TRUE(Grid->InplaceEditor()->isVisible());
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_5);
    EXPECT_EQ(Grid->InplaceEditor()->text(), QStringLiteral("-5"));
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(Value(2, 3), 0);
}

TEST_F(VekaGridTest, AHeaderCutToItsColumnShowsItsWholeCaptionAsATooltip) {
    Grid->Cell(2, 0).Text = "Reverb Send Level";
    Grid->Cell(3, 0).Text = "Vol";
    Grid->SetColWidth(2, 40);
    Grid->SetColWidth(3, 80);
    Host.show();
    QApplication::processEvents();
    auto tip = [this](int col) {
        QToolTip::hideText();
        const QPoint at = Grid->CellRect(col, 0).center();
        QHelpEvent help(QEvent::ToolTip, at, Grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(Grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tip(3), QString());  // shown whole: no tooltip
    EXPECT_EQ(tip(2), QStringLiteral("Reverb Send Level"));
}

TEST_F(VekaGridTest, DigitOpensTheEditorOverTheCell) {
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_7);
    QLineEdit* editor = Grid->InplaceEditor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), QStringLiteral("7"));
    EXPECT_EQ(editor->cursorPosition(), 1);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->geometry(), Grid->CellRect(3, 4).adjusted(1, 1, -1, -1));
    EXPECT_LT(editor->font().pointSizeF() + editor->font().pixelSize(),
              Grid->font().pointSizeF() + Grid->font().pixelSize());
}

TEST_F(VekaGridTest, TypedNumberIsClampedAndLinkedAndEnterGoesOnToTheGrid) {
    std::vector<int> keysSeen;
    QObject::connect(Grid, &TVekaGrid::OnKeyDown, Grid,
                     [&](QKeyEvent* event, bool*) { keysSeen.push_back(event->key()); });
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_5);
    QLineEdit* editor = Grid->InplaceEditor();
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Minus);
    EXPECT_EQ(editor->text(), QStringLiteral("-5"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Value(3, 4), 0);  // Min 0
    EXPECT_EQ(PutLinks, std::vector<int32_t>{0});
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(Grid->hasFocus());
    EXPECT_EQ(keysSeen, (std::vector<int>{Qt::Key_5, Qt::Key_Return}));
    EXPECT_EQ(Grid->Row(), 4);
}

TEST_F(VekaGridTest, LettersAreDroppedAndALoneMinusIsRefused) {
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_1);
    QLineEdit* editor = Grid->InplaceEditor();
    QTest::keyClicks(editor, "a2x.+ ");  // the blank commits
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Value(3, 4), 12);

    QTest::keyClick(Grid, Qt::Key_9);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Minus);
    QTest::keyClick(editor, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(Warnings.size(), 1u);
    EXPECT_EQ(Warnings[0], InvalidValueText());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), QStringLiteral("-"));
    EXPECT_EQ(Value(3, 4), 12);
    QTest::keyClick(editor, Qt::Key_3);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Value(3, 4), 0);
    EXPECT_EQ(Warnings.size(), 1u);
}

TEST_F(VekaGridTest, WithNoWarningReceiverTheGridShowsItsOwnBox) {
    QObject::disconnect(Grid, &TVekaGrid::ShowWarning, nullptr, nullptr);
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_Minus);
    QString shown;
    const QObject guard;  // no late timer once the test is over
    QTimer::singleShot(0, &guard, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        shown = box->text();
        box->accept();
    });
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(shown, InvalidValueText());
    EXPECT_TRUE(Grid->InplaceEditor()->isVisible());
    EXPECT_EQ(Value(3, 4), 64);
}

TEST_F(VekaGridTest, AKeyAReceiverTakesNeverReachesTheGrid) {
    Grid->SetFocusCell(3, 4);
    QObject::connect(Grid, &TVekaGrid::OnKeyDown, Grid, [](QKeyEvent* event, bool* handled) {
        if (event->key() == Qt::Key_Down || event->key() == Qt::Key_5) *handled = true;
    });
    QTest::keyClick(Grid, Qt::Key_Down);
    QTest::keyClick(Grid, Qt::Key_5);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_FALSE(Grid->InplaceEditor()->isVisible());
    QTest::keyClick(Grid, Qt::Key_Up);  // the keys it leaves still work
    EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(VekaGridTest, UpAndDownCommitAndMoveSpaceOnlyCommits) {
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_2);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_0);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Up);
    EXPECT_EQ(Value(3, 4), 20);
    EXPECT_EQ(Grid->Row(), 3);
    QTest::keyClick(Grid, Qt::Key_3);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Down);
    EXPECT_EQ(Value(3, 3), 3);
    EXPECT_EQ(Grid->Row(), 4);
    QTest::keyClick(Grid, Qt::Key_4);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Space);
    EXPECT_EQ(Value(3, 4), 4);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(PutLinks, (std::vector<int32_t>{20, 3, 4}));
}

TEST_F(VekaGridTest, EditorHidesWithoutCommittingOnFocusLossScrollOrEscape) {
    int exits = 0;
    QObject::connect(Grid, &TVekaGrid::OnExit, Grid, [&] { ++exits; });
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_8);
    Other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(Grid->InplaceEditor()->isVisible());
    EXPECT_EQ(exits, 1);

    Grid->setFocus();
    QTest::keyClick(Grid, Qt::Key_8);
    Grid->verticalScrollBar()->setValue(1);
    EXPECT_FALSE(Grid->InplaceEditor()->isVisible());
    EXPECT_TRUE(Grid->hasFocus());  // not passed on to the next control

    QTest::keyClick(Grid, Qt::Key_8);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Escape);
    EXPECT_FALSE(Grid->InplaceEditor()->isVisible());
    EXPECT_EQ(Value(3, 4), 64);
    EXPECT_TRUE(Changes.empty());
    EXPECT_EQ(exits, 1);  // moving between the grid and its editor is no exit
}

TEST_F(VekaGridTest, AClickOnAnotherCellTakesTheEntryForItsOwnCellAndTheNextEntryGoesToTheCellClicked) {
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_5);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_0);
    // A click into the entry itself keeps typing there.
    QTest::mouseClick(Vp(), Qt::LeftButton, {}, Centre(3, 4));
    EXPECT_TRUE(Grid->InplaceEditor()->isVisible());
    EXPECT_EQ(Value(3, 4), 64);
    QTest::mouseClick(Vp(), Qt::LeftButton, {}, Centre(2, 2));
    EXPECT_FALSE(Grid->InplaceEditor()->isVisible());
    EXPECT_EQ(Value(3, 4), 50);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Row(), 2);
    QTest::keyClick(Grid, Qt::Key_2);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_0);
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(Value(2, 2), 20);
    EXPECT_EQ(Value(3, 4), 50) << "the second entry never joins the first";
    EXPECT_EQ(PutLinks, (std::vector<int32_t>{50, 20}));

    // An entry that is no number stays open after its warning; the click goes nowhere.
    QTest::keyClick(Grid, Qt::Key_Minus);
    QTest::mouseClick(Vp(), Qt::LeftButton, {}, Centre(3, 4));
    EXPECT_EQ(Warnings.size(), 1u);
    EXPECT_TRUE(Grid->InplaceEditor()->isVisible());
    EXPECT_EQ(Grid->Col(), 2);
}

TEST_F(VekaGridTest, AnEntryStaysOpenOverItsCellWhenANewSizeMovesTheRows) {
    Grid->SetFocusCell(3, kRows - 1);  // scrolled down to the last row
    ASSERT_GT(Grid->verticalScrollBar()->value(), 0);
    QTest::keyClick(Grid, Qt::Key_7);
    Grid->resize(500, 300);  // every row fits: the rows move up
    ASSERT_EQ(Grid->verticalScrollBar()->value(), 0);
    ASSERT_TRUE(Grid->InplaceEditor()->isVisible()) << "the typed value was dropped by the layout";
    EXPECT_EQ(Grid->InplaceEditor()->geometry(), Grid->CellRect(3, kRows - 1).adjusted(1, 1, -1, -1));
    QTest::keyClick(Grid->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(Value(3, kRows - 1), 7);
}

TEST_F(VekaGridTest, KeysReachTheEntryWhenTheFocusWentBackToTheGrid) {
    // A window activated after the first digit gives the focus back to the grid itself.
    Grid->SetFocusCell(3, 4);
    QTest::keyClick(Grid, Qt::Key_4);
    Grid->setFocus();
    ASSERT_TRUE(Grid->InplaceEditor()->isVisible());
    QTest::keyClick(Grid, Qt::Key_2);
    QTest::keyClick(Grid, Qt::Key_Return);
    EXPECT_FALSE(Grid->InplaceEditor()->isVisible());
    EXPECT_EQ(Value(3, 4), 42);
    EXPECT_EQ(PutLinks, std::vector<int32_t>{42});
}

// --- Columns ---------------------------------------------------------------------------------

TEST_F(VekaGridTest, MovedColumnCarriesItsCellsAndTheHandlerRunsFirst) {
    Grid->Cell(2, 0).Text = "two";
    Grid->Cell(2, 3).Value = 2;
    Grid->SetColWidth(2, 80);
    Grid->SetFocusCell(2, 3);
    std::string seenAtHandler;
    const QMetaObject::Connection handler = QObject::connect(Grid, &TVekaGrid::OnColumnMoved, Grid, [&](int from, int to) {
        EXPECT_EQ(from, 2);
        EXPECT_EQ(to, 4);
        seenAtHandler = Grid->GetCell(2, 0).Text;  // not moved yet
    });
    Grid->MoveColumn(2, 4);
    EXPECT_EQ(seenAtHandler, "two");
    EXPECT_EQ(Grid->GetCell(4, 0).Text, "two");
    EXPECT_EQ(Value(4, 3), 2);
    EXPECT_EQ(Grid->GetCell(3, 3).Link.Index, 4);  // the columns between shift towards the start
    EXPECT_EQ(Grid->GetCell(2, 3).Link.Index, 3);
    EXPECT_EQ(Grid->ColWidth(4), 80);
    EXPECT_EQ(Grid->ColWidth(2), 64);
    EXPECT_EQ(Grid->Col(), 4);  // the focus stays with its cell

    QObject::disconnect(handler);
    Grid->MoveColumn(4, 1);
    EXPECT_EQ(Grid->GetCell(1, 0).Text, "two");
    EXPECT_EQ(Grid->GetCell(2, 3).Link.Index, 1);
}

TEST_F(VekaGridTest, DraggingAHeaderMovesTheColumnOnlyWhenAllowed) {
    Grid->Cell(2, 0).Text = "two";
    std::vector<std::pair<int, int>> moves;
    QObject::connect(Grid, &TVekaGrid::OnColumnMoved, Grid,
                     [&](int from, int to) { moves.emplace_back(from, to); });
    const QPoint from = Centre(2, 0), to = Centre(4, 0);
    QTest::mousePress(Vp(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Vp(), to);
    QTest::mouseEvent(QTest::MouseMove, Vp(), Qt::NoButton, {}, to);
    QTest::mouseRelease(Vp(), Qt::LeftButton, {}, to);
    EXPECT_TRUE(moves.empty());  // AllowColumnMove is off by default

    Grid->AllowColumnMove = true;
    QTest::mousePress(Vp(), Qt::LeftButton, {}, from);
    QTest::mouseEvent(QTest::MouseMove, Vp(), Qt::NoButton, {}, to);
    QTest::mouseRelease(Vp(), Qt::LeftButton, {}, to);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(2, 4));
    EXPECT_EQ(Grid->GetCell(4, 0).Text, "two");

    // A click on a header without dragging moves nothing.
    QTest::mouseClick(Vp(), Qt::LeftButton, {}, Centre(3, 0));
    EXPECT_EQ(moves.size(), 1u);
}

TEST_F(VekaGridTest, SizingAHeaderBorderStoresTheWidthInSpare) {
    const QRect header = Grid->CellRect(2, 0);
    const QPoint border(header.right() + 1, header.center().y());
    QTest::mousePress(Vp(), Qt::LeftButton, {}, border);
    QTest::mouseEvent(QTest::MouseMove, Vp(), Qt::NoButton, {}, border + QPoint(25, 0));
    QTest::mouseRelease(Vp(), Qt::LeftButton, {}, border + QPoint(25, 0));
    EXPECT_EQ(Grid->ColWidth(2), 64 + 25);
    EXPECT_EQ(Grid->GetCell(2, 0).Link.Spare, 64 + 25);
    EXPECT_EQ(Grid->Col(), 1);  // a sizing press focuses nothing

    Grid->AllowColumnSizing = false;
    const QPoint newBorder(Grid->CellRect(2, 0).right() + 1, header.center().y());
    QTest::mousePress(Vp(), Qt::LeftButton, {}, newBorder);
    QTest::mouseEvent(QTest::MouseMove, Vp(), Qt::NoButton, {}, newBorder + QPoint(25, 0));
    QTest::mouseRelease(Vp(), Qt::LeftButton, {}, newBorder + QPoint(25, 0));
    EXPECT_EQ(Grid->ColWidth(2), 64 + 25);
}

// --- Layout and painting ---------------------------------------------------------------------

TEST_F(VekaGridTest, FitHeightTakesWidthsFromSpareAndShowsWholeRows) {
    Grid->Cell(3, 0).Link.Spare = 90;
    Grid->resize(500, 1000);
    Grid->FitHeight();
    const int rowHeight = QFontInfo(Grid->font()).pixelSize() + 6;
    EXPECT_EQ(Grid->RowHeight(), rowHeight);
    EXPECT_EQ(Grid->ColWidth(3), 90);
    EXPECT_EQ(Grid->height(), (rowHeight + 1) * kRows + 2 * Grid->frameWidth());
    EXPECT_EQ(Grid->width(), 500);
    EXPECT_EQ(Grid->VisibleRowCount(), kRows - 1);

    // Narrower than the columns and shorter than the rows: room for the scroll bar and for
    // one more (partly hidden) row.
    Grid->resize(200, 120);
    const int rows = Grid->VisibleRowCount();
    Grid->FitHeight();
    const int bar = Grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Grid);
    EXPECT_EQ(Grid->height(), bar + (rowHeight + 1) * (rows + 2) + 2 * Grid->frameWidth());
}

TEST_F(VekaGridTest, CellGeometryFollowsScrolling) {
    int changes = 0;
    QObject::connect(Grid, &TVekaGrid::OnChange, Grid, [&] { ++changes; });
    const QRect first = Grid->CellRect(1, 1);
    int col = -1, row = -1;
    ASSERT_TRUE(Grid->CellAt(first.center(), col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    Grid->SetTopRow(3);
    EXPECT_EQ(Grid->TopRow(), 3);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(Grid->CellRect(1, 1).isEmpty());
    EXPECT_EQ(Grid->CellRect(1, 3).top(), first.top());
    EXPECT_EQ(Grid->CellRect(0, 3).top(), first.top());  // the fixed column scrolls with the rows
    EXPECT_EQ(Grid->CellRect(1, 0).top(), 0);           // the fixed row stays
    ASSERT_TRUE(Grid->CellAt(first.center(), col, row));
    EXPECT_EQ(row, 3);
}

// Pixels of one colour within a cell: the digits are drawn in it.
int CountColour(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& match) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += match(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool Red(QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }
bool Blue(QColor c) { return c.blue() > 200 && c.red() < 80 && c.green() < 80; }
bool Dark(QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }

TEST_F(VekaGridTest, ValuesAboveAndBelowTheDefaultAreRedAndBlue) {
    Grid->Cell(2, 2).Value = 100;
    Grid->Cell(3, 2).Value = 10;
    Grid->SetFocusCell(5, 9);
    Vp()->repaint();
    const QImage image = Vp()->grab().toImage();
    const QRect above = Grid->CellRect(2, 2), below = Grid->CellRect(3, 2), equal = Grid->CellRect(4, 2);
    EXPECT_GT(CountColour(image, above, Red), 5);
    EXPECT_EQ(CountColour(image, above, Blue), 0);
    EXPECT_GT(CountColour(image, below, Blue), 5);
    EXPECT_EQ(CountColour(image, below, Red), 0);
    EXPECT_GT(CountColour(image, equal, Dark), 5);
    EXPECT_EQ(CountColour(image, equal, Red) + CountColour(image, equal, Blue), 0);
    // The number stands at the right: the left half of the cell is empty.
    const QRect leftHalf(above.left() + 1, above.top() + 1, above.width() / 2 - 4, above.height() - 2);
    EXPECT_EQ(CountColour(image, leftHalf, Red), 0);
}

TEST_F(VekaGridTest, ShowAsChoosesBetweenNumberTextAndNothing) {
    TOneCell& text = Grid->Cell(2, 2);
    text.ShowAs = 1;
    text.Text = "HHHHHH";
    text.Value = 70;  // above the default: the text is red too, at the left
    TOneCell& hidden = Grid->Cell(3, 2);
    hidden.ShowAs = 2;
    hidden.Value = 70;
    Vp()->repaint();
    const QImage image = Vp()->grab().toImage();
    const QRect rect = Grid->CellRect(2, 2);
    const QRect leftHalf(rect.left() + 1, rect.top() + 1, rect.width() / 2 - 2, rect.height() - 2);
    EXPECT_GT(CountColour(image, leftHalf, Red), 5);
    EXPECT_EQ(CountColour(image, Grid->CellRect(3, 2), Red), 0);
    EXPECT_EQ(CountColour(image, Grid->CellRect(3, 2), Dark), 0);

    // A new text in the same cell is drawn, not a remembered one.
    text.Text = "I";
    Vp()->repaint();
    const QImage narrow = Vp()->grab().toImage();
    EXPECT_LT(CountColour(narrow, leftHalf, Red), CountColour(image, leftHalf, Red));
}

TEST_F(VekaGridTest, HeadersOfTheFocusedColumnAndRowAreBlueAndTheCornerIsBlank) {
    for (int col = 0; col < kCols; ++col) Grid->Cell(col, 0).Text = "HHH";
    for (int row = 1; row < kRows; ++row) Grid->Cell(0, row).Text = "HH";
    Grid->SetFocusCell(3, 5);
    Vp()->repaint();
    QImage image = Vp()->grab().toImage();
    EXPECT_GT(CountColour(image, Grid->CellRect(3, 0), Blue), 5);
    EXPECT_GT(CountColour(image, Grid->CellRect(0, 5), Blue), 5);
    EXPECT_EQ(CountColour(image, Grid->CellRect(2, 0), Blue), 0);
    EXPECT_GT(CountColour(image, Grid->CellRect(2, 0), Dark), 5);
    EXPECT_EQ(CountColour(image, Grid->CellRect(0, 4), Blue), 0);
    // The corner shows no text, only its raised edge.
    EXPECT_EQ(CountColour(image, Grid->CellRect(0, 0).adjusted(2, 2, -2, -2), Dark), 0);

    // Moving the focus by key repaints the old header plain.
    QTest::keyClick(Grid, Qt::Key_Left);
    image = Vp()->grab().toImage();
    EXPECT_EQ(CountColour(image, Grid->CellRect(3, 0), Blue), 0);
    EXPECT_GT(CountColour(image, Grid->CellRect(2, 0), Blue), 5);
}

TEST_F(VekaGridTest, HeaderCaptionIsCutToTheColumn) {
    // The last column, so text that was not cut would run on into the empty area beside it.
    Grid->Cell(kCols - 1, 0).Text = std::string(30, 'W');
    Vp()->repaint();
    const QImage image = Vp()->grab().toImage();
    const QRect header = Grid->CellRect(kCols - 1, 0);
    EXPECT_GT(CountColour(image, header.adjusted(2, 2, -2, -2), Dark), 5);
    const QRect beside(header.right() + 3, header.top() + 2, 60, header.height() - 4);
    ASSERT_LT(beside.right(), Vp()->width());
    EXPECT_EQ(CountColour(image, beside, Dark), 0);

    // A wider column shows more of the caption.
    Grid->SetColWidth(kCols - 1, 64 + 60);
    Vp()->repaint();
    const QImage wider = Vp()->grab().toImage();
    EXPECT_GT(CountColour(wider, beside, Dark), 5);
}

}  // namespace
}  // namespace veka
