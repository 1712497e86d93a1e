// The "Sysx History" window: its rows against the history, the copy by double click, and the
// auto-activate option inside an MDI area.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>

#include "app/sysx_history_dialog.h"
#include "module/exclusive.h"

// Readable QString values in failure messages (internal linkage: each test file has its own).
static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace veka {
namespace {

using TCol = TSysxHistoryDialog;

// A history of count sends named "p0" (oldest) to "p<count-1>" (newest), fed to the window
// while it is open.
void Send(THistory& history, TSysxHistoryDialog& window, int count) {
    for (int i = 0; i < count; ++i) {
        std::string name(1, 'p');
        name += std::to_string(i);
        const bool dropped = history.Add("F0 41 10 42 12 40 00 7F 00 41 F7", name, i);
        window.AddHistory(history.Entries().front(), dropped);
    }
}

TEST(SysxHistoryRows, HundredFiftySendsLeaveNinetyNineRowsNewestFirst) {
    THistory history;
    TSettingsData settings;
    TSysxHistoryDialog window(history, settings, TLanguage::Japanese);
    Send(history, window, 150);

    QTreeWidget* list = window.List();
    ASSERT_EQ(list->topLevelItemCount(), 99);
    EXPECT_EQ(list->topLevelItem(0)->text(TCol::colName), "p149");
    EXPECT_EQ(list->topLevelItem(98)->text(TCol::colName), "p51");
    // The rows are the history, entry for entry.
    for (int row = 0; row < 99; ++row)
        EXPECT_EQ(list->topLevelItem(row)->text(TCol::colValue).toInt(), history.Entries()[size_t(row)].Value);
}

TEST(SysxHistoryRows, OpeningShowsTheHistoryNewestFirstAndKeepsGrowingUpTo99) {
    THistory history;
    for (int i = 0; i < 120; ++i) history.Add("F0 F7", "old" + std::to_string(i), -i);
    TSettingsData settings;
    TSysxHistoryDialog window(history, settings, TLanguage::English);
    QTreeWidget* list = window.List();
    ASSERT_EQ(list->topLevelItemCount(), 99);
    EXPECT_EQ(list->topLevelItem(0)->text(TCol::colName), "old119");
    EXPECT_EQ(list->topLevelItem(0)->text(TCol::colValue), "-119");

    Send(history, window, 1);
    ASSERT_EQ(list->topLevelItemCount(), 99);
    EXPECT_EQ(list->topLevelItem(0)->text(TCol::colName), "p0");
    EXPECT_EQ(list->topLevelItem(98)->text(TCol::colName), "old22");
}

TEST(SysxHistoryRows, RowWithoutDropIsOnlyAdded) {
    THistory history;
    history.Add("F0 F7", "first", 1);
    TSettingsData settings;
    TSysxHistoryDialog window(history, settings, TLanguage::English);
    THistoryEntry entry{std::chrono::system_clock::now(), "F0 41 F7", "second", 300};
    window.AddHistory(entry, false);
    ASSERT_EQ(window.List()->topLevelItemCount(), 2);
    const QTreeWidgetItem* top = window.List()->topLevelItem(0);
    EXPECT_EQ(top->text(TCol::colName), "second");
    EXPECT_EQ(top->text(TCol::colValue), "300");
    EXPECT_EQ(top->text(TCol::colSysx), "F0 41 F7");
    EXPECT_TRUE(top->textAlignment(TCol::colValue) & Qt::AlignRight);
}

TEST(SysxHistoryLook, ColumnsAndStatusInBothLanguages) {
    THistory history;
    TSettingsData settings;
    TSysxHistoryDialog japanese(history, settings, TLanguage::Japanese);
    const QTreeWidgetItem* header = japanese.List()->headerItem();
    EXPECT_EQ(header->text(0), "ﾊﾟﾗﾒｰﾀｰ名");
    EXPECT_EQ(header->text(1), "値");
    EXPECT_EQ(header->text(2), "Sysx");
    EXPECT_EQ(header->text(3), "時間");
    EXPECT_EQ(japanese.StatusText(), "ﾊﾟﾗﾒｰﾀｰ名をﾀﾞﾌﾞﾙｸﾘｯｸするとｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ");
    EXPECT_EQ(japanese.windowTitle(), "Sysx History");
    EXPECT_EQ(japanese.List()->columnWidth(0), 180);
    EXPECT_EQ(japanese.List()->columnWidth(2), 240);
    EXPECT_EQ(japanese.List()->columnWidth(3), 150);
    EXPECT_TRUE(header->textAlignment(1) & Qt::AlignRight);

    TSysxHistoryDialog english(history, settings, TLanguage::English);
    header = english.List()->headerItem();
    EXPECT_EQ(header->text(0), "Parameter");
    EXPECT_EQ(header->text(1), "Value");
    EXPECT_EQ(header->text(2), "Sysx Text");
    EXPECT_EQ(header->text(3), "Time");
    EXPECT_EQ(english.StatusText(), "To copy a sysx text, simply double-click on the parameter name.");
}

TEST(SysxHistoryLook, TimeIsLocalDateAndTime) {
    const QDateTime local(QDate(2024, 3, 5), QTime(14, 7, 9));
    const std::chrono::system_clock::time_point time{std::chrono::milliseconds(local.toMSecsSinceEpoch())};
    EXPECT_EQ(TSysxHistoryDialog::TimeText(time), "2024/03/05 14:07:09");
}

// Double-clicks the row in the middle of its name cell, as the user would.
void DoubleClickRow(TSysxHistoryDialog& window, int row) {
    QTreeWidget* list = window.List();
    const QRect cell = list->visualItemRect(list->topLevelItem(row));
    const QPoint at(20, cell.center().y());
    // The sequence a real double click makes: the item views act on the second press only
    // when the first one chose the same row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

class SysxHistoryCopy : public ::testing::Test {
protected:
    void SetUp() override {
        // A real data set as the live path frames it: F0 41 10 42 12 40 00 7F 00 41 F7.
        const std::array<uint8_t, 3> address{0x40, 0x00, 0x7F};
        const uint8_t data[1] = {0x00};
        Message = BuildDT1(0x10, address, data);
        Sum = QString::asprintf("%02X", Checksum(std::vector<uint8_t>{0x40, 0x00, 0x7F, 0x00}));
    }
    TBytes Message;
    QString Sum;
};

TEST_F(SysxHistoryCopy, WithoutF0F7AndWithoutSeparatorStartsWithTheMakerAndEndsWithTheChecksum) {
    THistory history;
    history.Add(HexText(Message, THexSpacing::None), "GS Reset", 0);
    history.Add("F0 41 10 42 12 40 01 30 00 0F F7", "Reverb Macro", 0);
    TSettingsData settings;
    settings.Options[4] = true;  // option 5
    settings.SysxSpace = THexSpacing::None;
    TSysxHistoryDialog window(history, settings, TLanguage::English);
    window.resize(700, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QGuiApplication::clipboard()->clear();
    DoubleClickRow(window, 1);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, "411042124000"
                      "7F00" + Sum);
    EXPECT_TRUE(copied.startsWith("41"));
    EXPECT_TRUE(copied.endsWith(Sum));
}

TEST_F(SysxHistoryCopy, OptionOffCopiesTheWholeText) {
    THistory history;
    history.Add(HexText(Message, THexSpacing::Blank), "GS Reset", 0);
    TSettingsData settings;  // option 5 off, one blank between the bytes
    TSysxHistoryDialog window(history, settings, TLanguage::Japanese);
    window.resize(700, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    DoubleClickRow(window, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(HexText(Message, THexSpacing::Blank)));

    // The option is read at the click: switching it on while the window is open takes effect.
    settings.Options[4] = true;
    DoubleClickRow(window, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "41 10 42 12 40 00 7F 00 " + Sum);
}

class SysxHistoryActivate : public ::testing::Test {
protected:
    // Two MDI children; the other one is active when the mouse passes over the history.
    void Build(bool autoActivate) {
        settings.Options[0] = autoActivate;  // option 1
        area.resize(900, 600);
        window = new TSysxHistoryDialog(history, settings, TLanguage::English);
        historyChild = area.addSubWindow(window);
        otherChild = area.addSubWindow(new QWidget);
        area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
        area.setActiveSubWindow(otherChild);
        ASSERT_EQ(area.activeSubWindow(), otherChild);
    }
    void MoveMouseOverList() {
        QWidget* viewport = window->List()->viewport();
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    THistory history;
    TSettingsData settings;
    QMdiArea area;
    TSysxHistoryDialog* window = nullptr;
    QMdiSubWindow* historyChild = nullptr;
    QMdiSubWindow* otherChild = nullptr;
};

TEST_F(SysxHistoryActivate, MousePassActivatesTheWindowWithTheOptionOn) {
    Build(true);
    MoveMouseOverList();
    EXPECT_EQ(area.activeSubWindow(), historyChild);
}

TEST_F(SysxHistoryActivate, MousePassLeavesActivationAloneWithTheOptionOff) {
    Build(false);
    MoveMouseOverList();
    EXPECT_EQ(area.activeSubWindow(), otherChild);
}

}  // namespace
}  // namespace veka
