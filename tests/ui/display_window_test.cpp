// The Display window in a main window on the virtual module: drawing with the three pens, the
// picture on the shown port and the text on Port A with their history entries, the presets.
#include <gtest/gtest.h>

#include <QTest>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <fstream>

#include "ui/main_window_fixture.h"
#include "windows/display_window.h"
#include "app/managed_windows.h"
#include "windows/window_services.h"

namespace veka {
namespace {

class DisplayWindowTest : public test::TMainWindowFixture {
protected:
    TDisplayWindow& Open(bool japanese = false) { return OpenManaged<TDisplayWindow>(wnDisplay, japanese); }
    static QPoint DotCentre(int column, int row) {
        return QPoint(column * TDotGrid::kCellWidth + TDotGrid::kCellWidth / 2,
                      row * TDotGrid::kCellHeight + TDotGrid::kCellHeight / 2);
    }
    static void Mouse(TDotGrid& grid, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, grid.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(&grid, &event);
    }
    // Press on the first dot, drag over the others (each point once), release.
    static void Stroke(TDotGrid& grid, const std::vector<std::pair<int, int>>& dots) {
        Mouse(grid, QEvent::MouseButtonPress, DotCentre(dots[0].first, dots[0].second), Qt::LeftButton);
        for (size_t i = 1; i < dots.size(); ++i)
            Mouse(grid, QEvent::MouseMove, DotCentre(dots[i].first, dots[i].second), Qt::LeftButton);
        Mouse(grid, QEvent::MouseButtonRelease, DotCentre(dots.back().first, dots.back().second), Qt::NoButton);
    }
};

TEST_F(DisplayWindowTest, ThePensDrawAndThePictureGoesToTheShownPortWithItsHistoryName) {
    TDisplayWindow& window = Open();
    TDotGrid& grid = *window.Grid();
    Stroke(grid, {{0, 0}});
    EXPECT_EQ(grid.Dots.Dot[0][0], 1);
    // Reverse over a drag: each dot entered once, moving inside a dot changes it no more.
    window.PenButton(TDotGrid::penReverse)->click();
    Mouse(grid, QEvent::MouseButtonPress, DotCentre(0, 0), Qt::LeftButton);
    Mouse(grid, QEvent::MouseMove, DotCentre(0, 0) + QPoint(1, 1), Qt::LeftButton);
    Mouse(grid, QEvent::MouseMove, DotCentre(1, 0), Qt::LeftButton);
    Mouse(grid, QEvent::MouseButtonRelease, DotCentre(1, 0), Qt::NoButton);
    EXPECT_EQ(grid.Dots.Dot[0][0], 0);
    EXPECT_EQ(grid.Dots.Dot[1][0], 1);
    window.PenButton(TDotGrid::penClear)->click();
    Stroke(grid, {{1, 0}});
    window.PenButton(TDotGrid::penBlack)->click();
    Stroke(grid, {{0, 0}});
    auto module = TMidiDevices::Instance().VirtualModule();
    module->ClearReceived();
    window.findChild<QPushButton*>("Button1")->click();
    ASSERT_EQ(module->Received(0).size(), 1u);
    const std::vector<uint8_t> sent = module->Received(0)[0];
    ASSERT_EQ(sent.size(), 74u);
    EXPECT_EQ(std::vector<uint8_t>(sent.begin() + 3, sent.begin() + 9),
              (std::vector<uint8_t>{0x45, 0x12, 0x10, 0x01, 0x00, 0x10}));
    for (size_t i = 9; i < 8 + 64; ++i) EXPECT_EQ(sent[i], 0) << i;
    EXPECT_EQ(Form->Document().Session().Transmitter.History.Entries().front().Name, "Icon Display");
    // On the port the windows show.
    Form->Services().Edit.SetCurrentPort(1);
    module->ClearReceived();
    window.findChild<QPushButton*>("ToolbarButton975")->click();  // all black
    window.findChild<QPushButton*>("Button1")->click();
    EXPECT_TRUE(module->Received(0).empty());
    ASSERT_EQ(module->Received(1).size(), 1u);
    EXPECT_EQ(module->Received(1)[0][8], 0x1F);
    window.findChild<QPushButton*>("ToolbarButton974")->click();  // all clear
    EXPECT_EQ(grid.Dots, TDisplayDots{});
}

// Without a pointer: the arrows move a cursor, Space applies the pen, Shift with an arrow draws
// a line; the cursor's dot is what a screen reader is told.
TEST_F(DisplayWindowTest, TheCursorKeysDrawAndTheDotUnderTheCursorIsDescribed) {
    TDisplayWindow& window = Open();
    TDotGrid& grid = *window.Grid();
    EXPECT_EQ(grid.accessibleName(), QStringLiteral("Icon Display"));
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.Dots.Dot[0][0], 1);
    EXPECT_EQ(grid.accessibleDescription(), QStringLiteral("1, 1: on"));
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.accessibleDescription(), QStringLiteral("1, 2: off"));
    for (int i = 0; i < 3; ++i) QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.CursorColumn(), 3);
    EXPECT_EQ(grid.CursorRow(), 1);
    EXPECT_EQ(grid.Dots.Dot[0][1], 0);  // where the line started is not drawn by the move
    for (int column = 1; column <= 3; ++column) EXPECT_EQ(grid.Dots.Dot[size_t(column)][1], 1) << column;
    // The cursor stops at the edges.
    for (int i = 0; i < 20; ++i) QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.CursorRow(), 0);
    window.PenButton(TDotGrid::penReverse)->click();
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.Dots.Dot[3][0], 1);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.Dots.Dot[3][0], 0);
}

TEST_F(DisplayWindowTest, TheTextGoesToPortAUnderItselfAndOnlyItsFirstThirtyTwoCharacters) {
    TDisplayWindow& window = Open();
    EXPECT_EQ(window.TextEdit()->text(), "Welcome to Veka");
    Form->Services().Edit.SetCurrentPort(1);
    auto module = TMidiDevices::Instance().VirtualModule();
    module->ClearReceived();
    window.TextEdit()->setMaxLength(100);  // as if pasted past the limit
    window.TextEdit()->setText(QString(40, 'x'));
    window.findChild<QPushButton*>("Button2")->click();
    ASSERT_EQ(module->Received(0).size(), 1u);
    EXPECT_EQ(module->Received(0)[0].size(), 32u + 10u);
    EXPECT_TRUE(module->Received(1).empty());
    EXPECT_EQ(Form->Document().Session().Transmitter.History.Entries().front().Name, std::string(32, 'x'));
}

TEST_F(DisplayWindowTest, PresetsAreSavedListedAndLoadedAndABadOneChangesNothing) {
    TDisplayWindow& window = Open();
    window.Grid()->Dots.Dot[2][3] = 1;
    window.TextEdit()->setText("");
    Form->Hooks.SaveName = [&](const QString&, const QString& folder, const QString& filter) {
        EXPECT_EQ(folder, QString::fromStdString(Dir.Path.string()));
        EXPECT_TRUE(filter.contains("*.dsp"));
        return QString::fromStdString(Dir / "star");
    };
    window.findChild<QPushButton*>("SpeedButton1")->click();
    EXPECT_TRUE(std::filesystem::exists(Dir / "star.dsp"));
    {
        std::ofstream bad(Dir / "broken.dsp", std::ios::binary);
        bad << "too short";
    }
    window.FillPresets();
    ASSERT_EQ(window.Presets()->count(), 2);
    EXPECT_EQ(window.Presets()->itemText(0), "broken.dsp");
    EXPECT_EQ(window.Presets()->itemText(1), "star.dsp");
    window.Grid()->Dots.Fill(0);
    window.TextEdit()->setText("other");
    window.cbPresetChange(1);
    EXPECT_EQ(window.Grid()->Dots.Dot[2][3], 1);
    EXPECT_EQ(window.TextEdit()->text(), "");
    const size_t before = Messages.size();
    window.cbPresetChange(0);
    ASSERT_EQ(Messages.size(), before + 1);
    EXPECT_TRUE(Messages.back().contains("broken.dsp"));
    EXPECT_EQ(window.Grid()->Dots.Dot[2][3], 1);  // unchanged
}

TEST_F(DisplayWindowTest, PicturesInBothLanguages) {
    for (const bool japanese : {false, true}) {
        TDisplayWindow& window = Open(japanese);
        window.Grid()->Dots.Dot[7][7] = window.Grid()->Dots.Dot[8][8] = 1;
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        const QString path = QStringLiteral(VEKA_ARTIFACT_DIR "/display-window-%1.png").arg(japanese ? "ja" : "en");
        EXPECT_TRUE(Form->Windows().Window(wnDisplay)->grab().save(path)) << path.toStdString();
        Form.reset();
    }
}

}  // namespace
}  // namespace veka
