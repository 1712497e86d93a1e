// The part window customisation dialog: what its lists show for each module type, adding,
// deleting and moving lines with buttons and keys, when an order is saved (and when it is not),
// its status texts and the read-error message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "document/part_order.h"
#include "windows/part_win_custom.h"
#include "module/image.h"
#include "document/settings.h"
#include "temp_dir.h"
#include "ui/control_names.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace veka {
namespace {

TLinkData Entry(int index, int width = 64) { return TLinkData{LinkPart, 0, index, 0, width}; }

// The dialog with its message boxes recorded instead of shown.
class TRecordingPartWinCustom : public TPartWinCustom {
public:
    using TPartWinCustom::TPartWinCustom;
    QStringList Messages;

protected:
    void ShowMessage(QMessageBox::Icon, const QString& text) override { Messages << text; }
};

class PartWinCustom : public ::testing::Test {
protected:
    test::TTempDir Dir{"veka-custom-"};
    TSettings Settings{Dir / "Veka.ini"};
    std::string Folder = Dir.Path.string();
    std::unique_ptr<TRecordingPartWinCustom> Dialog;

    void Open(int moduleType = mtSC8850, TLanguage language = TLanguage::Japanese) {
        Dialog = std::make_unique<TRecordingPartWinCustom>(Folder, Settings, moduleType, language);
    }
    void Save(int n, const std::vector<TLinkData>& list, const std::string& name) {
        std::string error;
        ASSERT_TRUE(SaveOrder(list, n, Folder, Settings, name, error)) << error;
    }
    std::vector<TLinkData> Stored(int n) {
        std::vector<TLinkData> list;
        std::string name;
        LoadOrder(list, n, Folder, Settings, name);
        return list;
    }
    QStringList Lines(QListWidget* list) const {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    void Select(QListWidget* list, std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows) list->item(row)->setSelected(true);
    }
    std::vector<int> Indices() const {
        std::vector<int> indices;
        for (const TLinkData& e : Dialog->OrderList()) indices.push_back(e.Index);
        return indices;
    }
    std::vector<int> SelectedRows(QListWidget* list) const {
        std::vector<int> rows;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected()) rows.push_back(i);
        return rows;
    }
};

// A screen reader names every control, in both languages.
TEST_F(PartWinCustom, EveryControlHasAName) {
    for (const TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        Open(mtSC8850, language);
        Dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(test::UnnamedControls(*Dialog), std::vector<std::string>{});
    }
}

TEST_F(PartWinCustom, OpensOnTheFirstOrderWithTheCandidatesAndTheHint) {
    Save(0, {Entry(9), Entry(12)}, "Mix");
    Open();
    EXPECT_EQ(Dialog->windowTitle(), QString::fromUtf8("Part Windowの構成"));
    EXPECT_EQ(Dialog->CurrentOrder(), 0);
    EXPECT_TRUE(Dialog->OrderButton(0)->isChecked());
    EXPECT_EQ(Dialog->NameEdit()->text(), "Mix");
    EXPECT_EQ(Lines(Dialog->UsedList()), (QStringList{"Volume", "Panpot"}));
    EXPECT_EQ(Dialog->StatusText(), QString::fromUtf8("登録 : ﾘｽﾄ選択後[追加] , ﾀﾞﾌﾞﾙｸﾘｯｸ , ｶｰｿﾙ右"));

    const QStringList candidates = Lines(Dialog->CandidateList());
    ASSERT_EQ(candidates.size(), 111);
    EXPECT_EQ(candidates[0], "Ch. Msg Rx Port");
    EXPECT_EQ(candidates[1], "--------");   // Tone Number
    EXPECT_EQ(candidates[5], "--------");   // Use for Rythm Part
    EXPECT_EQ(candidates[20], "--------");  // Bank Select LSB
    EXPECT_EQ(candidates[18], "Pitch Fine Tune/Master Fine Tuning(RPN)");
    EXPECT_EQ(candidates[55], "Bend Pitch Control/Pitch Bend Sensitivity(RPN)");
    EXPECT_EQ(candidates[22], "Output Assign");
    EXPECT_EQ(candidates[110], "Master Coarse Tuning");
}

TEST_F(PartWinCustom, SC88HidesTheProOnlyParameters) {
    Save(0, {Entry(23), Entry(9), Entry(24)}, "x");
    Open(mtSC88);
    const QStringList candidates = Lines(Dialog->CandidateList());
    EXPECT_EQ(candidates[22], "--------");
    EXPECT_EQ(candidates[23], "--------");
    EXPECT_EQ(candidates[24], "Vib. Rate");
    EXPECT_EQ(Lines(Dialog->UsedList()), (QStringList{"-------- (For SC-88Pro Only)", "Volume",
                                                      "-------- (For SC-88Pro Only)"}));
}

TEST_F(PartWinCustom, EnglishTexts) {
    Open(mtSC8850, TLanguage::English);
    EXPECT_EQ(Dialog->windowTitle(), "Customize Part Window");
    EXPECT_EQ(Dialog->AddButton()->text(), "Add");
    EXPECT_EQ(Dialog->DeleteButton()->text(), "Delete");
    EXPECT_EQ(Dialog->UpButton()->text(), "Up");
    EXPECT_EQ(Dialog->DownButton()->text(), "Down");
    EXPECT_EQ(Dialog->CloseButton()->text(), "Close");
    EXPECT_EQ(Dialog->StatusText(), "To add items to the Use list: click [add] button, or double-click on an item.");
    EXPECT_EQ(Dialog->NameEdit()->text(), "Order 1");
    Dialog->CandidateList()->setCurrentRow(11);
    EXPECT_EQ(Dialog->StatusText(), "Adjust the stereo position.");
    Dialog->ListBox2Click();
    EXPECT_EQ(Dialog->StatusText(), "[Del]:delete, [-]:1up, [+]:1down");
}

TEST_F(PartWinCustom, AddTakesSelectedParametersOnceAndNeverTheDashLines) {
    Open();
    QListWidget* left = Dialog->CandidateList();
    Select(left, {11, 8, 1});  // Panpot, Volume, and "--------" (Tone Number)
    Dialog->AddButton()->click();
    // In list order, whatever order they were selected in; the dash line is left out.
    EXPECT_EQ(Lines(Dialog->UsedList()), (QStringList{"Volume", "Panpot"}));
    EXPECT_EQ(Dialog->OrderList(), (std::vector<TLinkData>{Entry(9), Entry(12)}));

    Select(left, {8, 18});
    Dialog->AddButton()->click();  // Volume again: left out
    EXPECT_EQ(Indices(), (std::vector<int>{9, 12, 19}));
    EXPECT_EQ(Lines(Dialog->UsedList()).last(), "Pitch Fine Tune");
    Select(left, {18});
    Dialog->AddButton()->click();  // its candidate line differs from its used line: still once
    EXPECT_EQ(Indices(), (std::vector<int>{9, 12, 19}));
}

TEST_F(PartWinCustom, DoubleClickAndTheRightArrowAddToo) {
    Open();
    QListWidget* left = Dialog->CandidateList();
    Select(left, {16});
    QTest::keyClick(left, Qt::Key_Right);
    EXPECT_EQ(Indices(), std::vector<int>{17});
    Select(left, {26});
    emit left->itemDoubleClicked(left->item(26));
    EXPECT_EQ(Indices(), (std::vector<int>{17, 27}));
}

TEST_F(PartWinCustom, DeleteRemovesEverySelectedLineWithItsEntry) {
    Save(0, {Entry(9), Entry(12), Entry(17), Entry(18), Entry(20)}, "x");
    Open();
    QListWidget* right = Dialog->UsedList();
    Select(right, {0, 2, 4});
    Dialog->DeleteButton()->click();
    EXPECT_EQ(Indices(), (std::vector<int>{12, 18}));
    EXPECT_EQ(Lines(right), (QStringList{"Panpot", "Reverb Send Level"}));
    Select(right, {1});
    QTest::keyClick(right, Qt::Key_Delete);
    EXPECT_EQ(Indices(), std::vector<int>{12});
}

TEST_F(PartWinCustom, UpAndDownMoveLinesWithTheirEntriesAndStopAtTheEnds) {
    Save(0, {Entry(9), Entry(12), Entry(17), Entry(18), Entry(20)}, "x");
    Open();
    QListWidget* right = Dialog->UsedList();

    Select(right, {0});
    Dialog->UpButton()->click();  // the first line up: nothing
    EXPECT_EQ(Indices(), (std::vector<int>{9, 12, 17, 18, 20}));
    Select(right, {4});
    Dialog->DownButton()->click();  // the last line down: nothing
    EXPECT_EQ(Indices(), (std::vector<int>{9, 12, 17, 18, 20}));

    Select(right, {2, 3});
    Dialog->UpButton()->click();
    EXPECT_EQ(Indices(), (std::vector<int>{9, 17, 18, 12, 20}));
    EXPECT_EQ(SelectedRows(right), (std::vector<int>{1, 2}));  // the selection moved with them
    EXPECT_EQ(Lines(right), (QStringList{"Volume", "Chorus Send Level", "Reverb Send Level", "Panpot",
                                         "Delay Send Level"}));
    Dialog->UpButton()->click();
    Dialog->UpButton()->click();  // a selected block at the top stays in its order
    EXPECT_EQ(Indices(), (std::vector<int>{17, 18, 9, 12, 20}));

    Select(right, {0, 3});
    Dialog->DownButton()->click();
    EXPECT_EQ(Indices(), (std::vector<int>{18, 17, 9, 20, 12}));
    EXPECT_EQ(SelectedRows(right), (std::vector<int>{1, 4}));
    EXPECT_EQ(right->currentRow(), 1);

    Select(right, {1});
    QTest::keyClick(right, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(Indices(), (std::vector<int>{17, 18, 9, 20, 12}));
    QTest::keyClick(right, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(right, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Indices(), (std::vector<int>{18, 9, 17, 20, 12}));
}

TEST_F(PartWinCustom, SwitchingOrdersSavesTheOneLeftUnderTheNameInTheField) {
    Open();
    Select(Dialog->CandidateList(), {8, 11});
    Dialog->AddButton()->click();
    Dialog->NameEdit()->setText("ミックス");
    Dialog->OrderButton(2)->click();
    EXPECT_EQ(Dialog->CurrentOrder(), 2);
    EXPECT_EQ(Dialog->NameEdit()->text(), "Order 3");
    EXPECT_EQ(Dialog->UsedList()->count(), 0);
    EXPECT_EQ(Stored(0), (std::vector<TLinkData>{Entry(9), Entry(12)}));
    EXPECT_EQ(OrderName(Settings, 0), "ミックス");

    Dialog->OrderButton(0)->click();
    EXPECT_EQ(Dialog->NameEdit()->text(), QString::fromUtf8("ミックス"));
    EXPECT_EQ(Lines(Dialog->UsedList()), (QStringList{"Volume", "Panpot"}));
    EXPECT_FALSE(std::filesystem::exists(PartOrderFileName(Folder, 2)));  // left empty: never saved
    EXPECT_EQ(Settings.ReadSection("Form").size(), 1u);  // only the saved order's name
}

TEST_F(PartWinCustom, AnEmptiedOrderKeepsItsFormerFile) {
    Save(1, {Entry(9), Entry(12)}, "Kept");
    Open();
    Dialog->RadioGroup1Click(1);
    EXPECT_TRUE(Dialog->OrderButton(1)->isChecked());
    Select(Dialog->UsedList(), {0, 1});
    Dialog->DeleteButton()->click();
    Dialog->NameEdit()->setText("Lost");
    Dialog->RadioGroup1Click(3);
    Dialog->CloseButton()->click();
    EXPECT_EQ(Stored(1), (std::vector<TLinkData>{Entry(9), Entry(12)}));
    EXPECT_EQ(OrderName(Settings, 1), "Kept");
    EXPECT_FALSE(std::filesystem::exists(PartOrderFileName(Folder, 3)));
}

TEST_F(PartWinCustom, ClosingSavesTheChosenOrderHoweverTheDialogCloses) {
    Open();
    Dialog->RadioGroup1Click(3);
    Select(Dialog->CandidateList(), {26});
    Dialog->AddButton()->click();
    Dialog->NameEdit()->setText("Filter");
    Dialog->CloseButton()->click();
    EXPECT_EQ(Stored(3), std::vector<TLinkData>{Entry(27)});
    EXPECT_EQ(OrderName(Settings, 3), "Filter");

    // Escape or the title bar: the same save.
    Open();
    Select(Dialog->CandidateList(), {27});
    Dialog->AddButton()->click();
    Dialog->reject();
    EXPECT_EQ(Stored(0), std::vector<TLinkData>{Entry(28)});
    EXPECT_TRUE(Dialog->Messages.isEmpty());
}

TEST_F(PartWinCustom, WidthsOfSavedColumnsSurviveEditing) {
    Save(0, {Entry(9, 120), Entry(12, 40)}, "x");
    Open();
    Select(Dialog->UsedList(), {1});
    Dialog->UpButton()->click();
    Dialog->CloseButton()->click();
    EXPECT_EQ(Stored(0), (std::vector<TLinkData>{Entry(12, 40), Entry(9, 120)}));
}

TEST_F(PartWinCustom, BrokenOrderFileIsReportedOnceShownAndGivesAnEmptyList) {
    Save(0, {Entry(9)}, "x");
    Save(2, {Entry(12)}, "y");
    for (int n : {0, 2}) {
        std::fstream f(PartOrderFileName(Folder, n), std::ios::in | std::ios::out | std::ios::binary);
        f.write("Part Paramxter Order", 20);
    }
    Open();
    EXPECT_EQ(Dialog->UsedList()->count(), 0);
    EXPECT_TRUE(Dialog->Messages.isEmpty());  // not before the dialog is on screen
    Dialog->show();
    EXPECT_EQ(Dialog->Messages, QStringList{QString::fromUtf8("Order Data 読み取りエラー")});
    Dialog->RadioGroup1Click(2);
    EXPECT_EQ(Dialog->Messages.size(), 2);
    EXPECT_EQ(Dialog->OrderList().size(), 0u);
    Dialog->RadioGroup1Click(1);  // missing file: no message
    EXPECT_EQ(Dialog->Messages.size(), 2);
    Dialog->done(0);
}

TEST_F(PartWinCustom, StatusLineFollowsTheFocus) {
    Open();
    Dialog->show();
    Dialog->activateWindow();
    Dialog->CandidateList()->setCurrentRow(0);
    EXPECT_EQ(Dialog->StatusText(), QString::fromUtf8("受信するMIDIポートを選びます。"));
    Dialog->ListBox2Click();
    EXPECT_EQ(Dialog->StatusText(), QString::fromUtf8("削除:[Del] , 一つ上:[-] , 一つ下:[+]"));
    Dialog->OrderButton(1)->setFocus();
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(Dialog->OrderButton(1), &in);
    EXPECT_EQ(Dialog->StatusText(), QString::fromUtf8("ﾊﾟﾗﾒｰﾀｰの順序を4セット登録"));
    QApplication::sendEvent(Dialog->NameEdit(), &in);
    EXPECT_EQ(Dialog->StatusText(), "");
    Dialog->done(0);
}

}  // namespace
}  // namespace veka
