// The controller matrix in a main window on the virtual module: the cells and their parameters,
// the header's sentence in both languages, edits and the CC lists reaching the module, the
// target part and the port tabs moving the whole program, values from elsewhere shown, and
// pictures in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabBar>
#include <QTest>

#include "image_writer/image_writer.h"
#include "windows/part_window.h"
#include "widgets/veka_grid.h"
#include "midi/pump_wait.h"
#include "module/value_texts.h"
#include "ui/main_window_fixture.h"
#include "windows/assign_window.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "windows/window_services.h"

namespace veka::test {
namespace {

class AssignWindowTest : public TMainWindowFixture {
protected:
    TAssignWindow& Open(bool japanese = false) {
        Clock.Process = [] { QApplication::processEvents(); };
        Options.Wait = &Clock;
        Ini().WriteBool("other option", "2", false);
        TAssignWindow& window = OpenManaged<TAssignWindow>(wnMatrix, japanese);
        Module()->ClearReceived();
        return window;
    }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    uint8_t ModuleValue(int port, int part, int parameter) {
        const auto a = Form->Document().Image().Part(port, part, parameter).Address.Bytes;
        return Module()->Memory(port, a[0], a[1], a[2]);
    }
    TFakePumpWait Clock;
};

TEST_F(AssignWindowTest, CellsAreTheControllerBlocksWithTheirTextsAndTheirSentence) {
    TAssignWindow& window = Open();
    EXPECT_EQ(window.windowTitle(), "Controller Matrix");
    TVekaGrid* grid = window.Grid();
    ASSERT_EQ(grid->ColCount(), 7);
    ASSERT_EQ(grid->RowCount(), 12);
    EXPECT_EQ(grid->Cell(1, 0).Text, "Moduration");
    EXPECT_EQ(grid->Cell(6, 0).Text, "CC2");
    EXPECT_EQ(grid->Cell(0, 1).Text, " Pitch Control");
    EXPECT_EQ(grid->Cell(0, 11).Text, " LFO2 TVA Depth");
    EXPECT_EQ(grid->Cell(1, 1).Link.Index, 45);
    EXPECT_EQ(grid->Cell(6, 11).Link.Index, 110);
    EXPECT_EQ(grid->Cell(2, 1).Link.Index, 56);  // Bend Pitch Control
    EXPECT_EQ(std::string(Form->Document().Image().Part(0, 1, 110).Name), "CC2 LFO2 TVA Depth");
    EXPECT_EQ(std::string(Form->Document().Image().Part(0, 1, 56).Name), "Bend Pitch Control");
    // The texts of the image: a Pitch Control centred on 64, bend range +2.
    EXPECT_EQ(grid->Cell(1, 1).ShowAs, 1);
    EXPECT_EQ(grid->Cell(1, 1).Text, PartValueText(TLanguage::English, 45, 64));
    EXPECT_EQ(grid->Cell(2, 1).Text, PartValueText(TLanguage::English, 56, 66));
    EXPECT_EQ(grid->ColWidth(0), 150);
    EXPECT_EQ(window.HeaderText(), "Pitch Control varies with Moduration in proportion to " +
                                       QString::fromStdString(PartValueText(TLanguage::English, 45, 64)).trimmed() + ".");
    grid->SetFocusCell(6, 11);
    window.VekaGrid1Click();
    EXPECT_EQ(window.HeaderText(), "LFO2 TVA Depth varies with CC2 in proportion to 0.");
    // With "max part" 1 there are two port tabs.
    EXPECT_EQ(window.PortTabs()->count(), 2);
    EXPECT_EQ(window.PartList()->count(), 16);
    EXPECT_EQ(window.PartList()->itemText(0), " 1");
    EXPECT_EQ(window.Cc1List()->count(), 96);
    EXPECT_EQ(window.Cc1List()->currentIndex(), 16);
    EXPECT_EQ(window.Cc2List()->currentIndex(), 17);
    // The grid shows every row and column: no scroll bar, no empty band.
    EXPECT_EQ(grid->VisibleRowCount(), 11);
    EXPECT_EQ(grid->VisibleColCount(), 6);
}

TEST_F(AssignWindowTest, JapaneseSentenceNamesTheSourceFirst) {
    TAssignWindow& window = Open(true);
    window.Grid()->SetFocusCell(3, 2);
    window.VekaGrid1Click();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("ｺﾝﾄﾛｰﾗｰ接続ﾏﾄﾘｯｸｽ"));
    EXPECT_EQ(window.HeaderText(), QString::fromUtf8("Channel After Touch 情報が TVF Cutoff Control ﾊﾟﾗﾒｰﾀｰに与える効果 ") +
                                       QString::fromStdString(PartValueText(TLanguage::Japanese, 68, 64)).trimmed());
}

TEST_F(AssignWindowTest, EditsAndTheCcListsReachTheModuleAndTheOtherWindows) {
    TAssignWindow& window = Open();
    Form->Data().SetOption(TOption::ReviewEdit, true);
    TVekaGrid* grid = window.Grid();
    grid->SetFocusCell(5, 4);  // CC1 LFO1 Rate
    grid->SetCellValue(5, 4, 80);
    EXPECT_EQ(Form->Document().Image().Part(0, 1, 92).Value, 80);
    EXPECT_EQ(ModuleValue(0, 1, 92), 80);
    EXPECT_EQ(grid->Cell(5, 4).Text, PartValueText(TLanguage::English, 92, 80));
    EXPECT_TRUE(window.HeaderText().endsWith(QString::fromStdString(PartValueText(TLanguage::English, 92, 80)).trimmed() + "."));
    // The review note of the part followed the edit.
    const auto sent = Module()->Received(0);
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[sent.size() - 2], (std::vector<uint8_t>{0x90, 64, 100}));
    EXPECT_EQ(sent.back(), (std::vector<uint8_t>{0x80, 64, 0}));

    window.Cc1List()->setCurrentIndex(74);
    emit window.Cc1List()->activated(74);
    EXPECT_EQ(Form->Document().Image().Part(0, 1, 15).Value, 74);
    EXPECT_EQ(ModuleValue(0, 1, 15), 74);

    // A value stored elsewhere shows here, the CC lists included.
    Form->Document().Image().SetPartValue(0, 1, 20, 45);
    EXPECT_EQ(grid->Cell(1, 1).Value, 20);
    EXPECT_EQ(grid->Cell(1, 1).Text, PartValueText(TLanguage::English, 45, 20));
    Form->Document().Image().SetPartValue(0, 1, 3, 16);
    EXPECT_EQ(window.Cc2List()->currentIndex(), 3);
    TImageWriter(Form->Document().Image()).Part(0, 1, 16).Value = 4;  // stored by an edit gesture elsewhere, then put
    Form->Document().Image().NotifyPut(0, TLinkData{LinkPart, 1, 16, 0, 0}, 4, nullptr);
    EXPECT_EQ(window.Cc2List()->currentIndex(), 4);
    Form->Document().Image().SetPartValue(0, 2, 99, 45);  // another part: not shown
    EXPECT_EQ(grid->Cell(1, 1).Value, 20);
}

TEST_F(AssignWindowTest, TargetPartAndPortTabsMoveTheWholeProgram) {
    TAssignWindow& window = Open();
    TPartWindow1& part = *qobject_cast<TPartWindow1*>(Form->Windows().OpenOrBringForward(wnPart)->widget());
    Form->Document().Image().SetPartValue(0, 7, 4, ppRxChannel);  // part 7 listens on channel 5
    Form->Document().Image().SetPartValue(0, 7, 30, 100);
    window.PartList()->setCurrentIndex(6);
    emit window.PartList()->activated(6);
    EXPECT_EQ(Form->Services().Edit.CurrentPart(), 7);
    EXPECT_EQ(Form->Document().Session().Focus.Part, 7);
    EXPECT_EQ(Form->Document().Session().Focus.Channel, 4);
    EXPECT_EQ(window.ShownPart(), 7);
    EXPECT_EQ(window.Grid()->Cell(6, 1).Value, 30);
    // The part chosen elsewhere is followed.
    Form->Services().Edit.SelectPart(3, nullptr);
    EXPECT_EQ(window.ShownPart(), 3);
    EXPECT_EQ(window.PartList()->currentIndex(), 2);

    Form->Document().Image().SetPartValue(1, 3, 90, 45);
    window.PortTabs()->setCurrentIndex(1);
    EXPECT_EQ(Form->Services().Edit.CurrentPort(), 1);
    EXPECT_EQ(window.Grid()->Cell(1, 1).Value, 90);
    EXPECT_EQ(Form->Document().Session().Focus.Port, 1);
    QApplication::processEvents();
    EXPECT_EQ(part.Tabs()->currentIndex(), 1);  // the part window moved along

    // Letting go of the mouse here ends a held computer key.
    Form->OptionMenu().SetPcKeyboard(true);
    Form->Document().NotePlayer().KeyDown('A', false);
    QTest::mouseRelease(window.Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_FALSE(Form->Document().NotePlayer().Held('A'));
}

TEST_F(AssignWindowTest, PicturesInBothLanguages) {
    for (const bool japanese : {false, true}) {
        SCOPED_TRACE(japanese);
        TAssignWindow& window = Open(japanese);
        window.Grid()->SetFocusCell(2, 1);
        window.VekaGrid1Click();
        QApplication::processEvents();
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        const QString path = QStringLiteral(VEKA_ARTIFACT_DIR "/controller-matrix-%1.png").arg(japanese ? "ja" : "en");
        EXPECT_TRUE(Form->Windows().Window(wnMatrix)->grab().save(path)) << path.toStdString();
        Form.reset();
    }
}

}  // namespace
}  // namespace veka::test
