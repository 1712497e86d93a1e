// The Part window in a main window on the virtual module: layout, orders, shifted values, and
// one edit end to end (drag -> image -> DT1 on the port -> hex text, history, other windows).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTabBar>
#include <QToolButton>
#include <fstream>

#include "widgets/edge_font_panel.h"
#include "document/part_order.h"
#include "windows/part_window.h"
#include "ui/main_window_fixture.h"
#include "app/managed_windows.h"
#include "app/part_menu.h"
#include "app/toolbars.h"
#include "windows/window_services.h"

namespace veka {
namespace {

// Records what another open editor window hears of an edit gesture.
class TRecordingWindow : public QWidget, public IEditorWindow {
public:
    explicit TRecordingWindow(TVGS& image)
        : Puts_(image.OnValuePut.Subscribe([this](const TPutNotice& put) { PropagateValue(put.Link, put.Value); })) {}
    void PropagateValue(const TLinkData& link, int value) override { Values.emplace_back(link, value); }
    std::vector<std::pair<TLinkData, int>> Values;

private:
    TSubscription Puts_;
};

class PartWindowTest : public test::TMainWindowFixture {
protected:
    TPartWindow1& Open() {
        WriteCompleteSettings();
        TVekaMainForm& form = Make();
        EXPECT_TRUE(form.Create());
        form.resize(1000, 700);
        form.show();
        TManagedSubWindow* sub = form.Windows().OpenOrBringForward(wnPart);
        EXPECT_TRUE(sub);
        sub->resize(900, 560);
        QApplication::processEvents();
        return *qobject_cast<TPartWindow1*>(sub->widget());
    }
    // One drag on a value cell: press, moves of dy pixels each, release.
    static void Drag(TVekaGrid& grid, int col, int row, const std::vector<int>& moves) {
        const QPoint start = grid.CellRect(col, row).center();
        QWidget* view = grid.viewport();
        auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
            QApplication::sendEvent(view, &event);
        };
        send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        QPoint at = start;
        for (int dy : moves) {
            at.ry() += dy;
            send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        }
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    static int ColumnOf(const TPartWindow1& window, int parameter) {
        for (int col = 2; col < window.Grid()->ColCount(); ++col)
            if (window.Grid()->GetCell(col, 0).Link.Index == parameter) return col;
        return -1;
    }
};

TEST_F(PartWindowTest, NeverSavedOrderShowsTheDefaultColumnsAndOneTabPerPort) {
    TPartWindow1& window = Open();
    EXPECT_EQ(window.Grid()->RowCount(), 17);
    ASSERT_EQ(window.Grid()->ColCount(), 2 + 14);
    const int expected[] = {9, 12, 17, 18, 20, 22, 27, 28, 29, 30, 31, 25, 26, 32};
    for (int i = 0; i < 14; ++i) EXPECT_EQ(window.Grid()->GetCell(2 + i, 0).Link.Index, expected[i]);
    EXPECT_EQ(window.Grid()->GetCell(2, 0).Text, "Volume");
    ASSERT_EQ(window.Tabs()->count(), 2);  // 32 parts
    EXPECT_EQ(window.Tabs()->tabText(1), "Port B");
    EXPECT_EQ(window.Grid()->GetCell(0, 3).Text, " 3");
    EXPECT_EQ(window.Grid()->GetCellValue(2, 3), 100);
    // The title shows the focused parameter, the status its help.
    EXPECT_TRUE(window.TitlePanel()->Caption().startsWith("Volume : "));
    EXPECT_FALSE(window.StatusText().isEmpty());
    // Sizing stops where all 17 rows show and where two parts still show.
    const int row = window.Grid()->RowHeight() + 1;
    EXPECT_LT(window.maximumHeight(), 40 * row);
    EXPECT_GE(window.maximumHeight() - window.minimumHeight(), 14 * row);
}

TEST_F(PartWindowTest, ShiftedParametersShowZeroAtTheirCentre) {
    TPartWindow1& window = Open();
    std::vector<TLinkData> order{{LinkPart, 0, ppPitchOffsetFine, 0, 70}, {LinkPart, 0, ppPitchFineTune, 0, 80}};
    std::string error;
    ASSERT_TRUE(SaveOrder(order, 1, Dir.Path.string(), Form->Settings(), "Tuning", error)) << error;
    window.OrderButton(1)->click();
    EXPECT_EQ(window.CurrentOrder(), 1);
    EXPECT_TRUE(window.OrderButton(1)->isChecked());
    EXPECT_FALSE(window.OrderButton(0)->isChecked());
    ASSERT_EQ(window.Grid()->ColCount(), 4);
    EXPECT_EQ(window.Grid()->GetCellValue(2, 1), 0);  // Pitch Offset Fine 128
    EXPECT_EQ(window.Grid()->GetCellValue(3, 1), 0);  // Pitch Fine Tune 8192
    EXPECT_EQ(window.Grid()->ColWidth(3), 80);
    // The shift is added back on the way to the image.
    window.Grid()->SetFocusCell(3, 2);
    window.Grid()->SetCellValue(3, 2, 100);
    EXPECT_EQ(Form->Document().Image().Part(0, 2, ppPitchFineTune).Value, 8292);
    // Pressing the button that is already down changes nothing.
    window.OrderButton(1)->click();
    EXPECT_TRUE(window.OrderButton(1)->isChecked());
    EXPECT_EQ(window.CurrentOrder(), 1);
}

TEST_F(PartWindowTest, AnOrderKeepsItsWidthsAndMovedColumnsWhenLeftAndPortTabsKeepThem) {
    TPartWindow1& window = Open();
    TVekaGrid& grid = *window.Grid();
    grid.SetColWidth(3, 111);
    grid.MoveColumn(2, 5);  // Volume behind Reverb Send Level
    EXPECT_EQ(grid.GetCell(5, 0).Link.Index, ppVolume);
    EXPECT_EQ(window.OrderList()[3].Index, ppVolume);
    window.Tabs()->setCurrentIndex(1);
    EXPECT_EQ(Form->Services().Edit.CurrentPort(), 1);
    EXPECT_EQ(grid.GetCell(5, 0).Link.Index, ppVolume);
    window.OrderButton(2)->click();
    window.OrderButton(0)->click();
    EXPECT_EQ(grid.GetCell(5, 0).Link.Index, ppVolume);
    EXPECT_EQ(grid.GetCell(2, 0).Link.Index, ppPanpot);
    EXPECT_EQ(grid.ColWidth(2), 111);  // Panpot moved to the front with its width
}

TEST_F(PartWindowTest, DragOnB3VolumeReachesTheModuleAndEveryView) {
    TPartWindow1& window = Open();
    auto* other = new TRecordingWindow(Form->Document().Image());
    Form->Windows().SetFactory(wnEffect, [other] { return other; });
    Form->Windows().OpenOrBringForward(wnEffect);
    Form->Windows().OpenOrBringForward(wnPart);
    window.Tabs()->setCurrentIndex(1);
    TVekaGrid& grid = *window.Grid();
    const int col = ColumnOf(window, ppVolume);
    ASSERT_GE(col, 2);
    grid.SetFocusCell(col, 3);
    Drag(grid, col, 3, {-3, -3, -3, -3});  // 6 and 9 and 12 pixels above the press: three steps
    EXPECT_EQ(Form->Document().Image().Part(1, 3, ppVolume).Value, 103);
    auto module = TMidiDevices::Instance().VirtualModule();
    EXPECT_EQ(module->Memory(1, 0x40, 0x13, 0x19), 103);
    EXPECT_EQ(Form->Toolbars().HexText().toStdString(), "F0 41 10 42 12 40 13 19 67 2D F7");
    const auto& entry = Form->Document().Session().Transmitter.History.Entries().front();
    EXPECT_EQ(entry.Sysex, "F0 41 10 42 12 40 13 19 67 2D F7");
    EXPECT_EQ(entry.Value, 103);
    ASSERT_EQ(other->Values.size(), 1u);  // once, at the end of the gesture
    EXPECT_EQ(other->Values[0].first.Owner, 3);
    EXPECT_EQ(other->Values[0].first.Index, ppVolume);
    EXPECT_EQ(other->Values[0].second, 103);
    EXPECT_TRUE(Form->Document().Changed());
}

TEST_F(PartWindowTest, ASendThatFailsDuringADragIsReportedOnceAndTheValueStays) {
    TPartWindow1& window = Open();
    const size_t before = Messages.size();
    Form->Document().Session().Transmitter.Port(0).Close();  // the interface is gone
    TVekaGrid& grid = *window.Grid();
    grid.SetFocusCell(2, 4);
    Drag(grid, 2, 4, {-6, -3, -3, -3});
    EXPECT_EQ(Messages.size(), before + 1);
    EXPECT_EQ(Form->Document().Image().Part(0, 4, ppVolume).Value, 104);
    Drag(grid, 2, 4, {-6});  // the next gesture reports again
    EXPECT_EQ(Messages.size(), before + 2);
}

TEST_F(PartWindowTest, RowHeaderAuditionsTheLeftButtonOnly) {
    TPartWindow1& window = Open();
    auto module = TMidiDevices::Instance().VirtualModule();
    module->ClearReceived();
    TVekaGrid& grid = *window.Grid();
    QWidget* view = grid.viewport();
    const QPoint header = grid.CellRect(0, 4).center();
    auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseButtonPress, header, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseButtonRelease, header, Qt::RightButton, Qt::NoButton);
    EXPECT_TRUE(module->Received(0).empty());
    send(QEvent::MouseButtonPress, header, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(window.Auditioning());
    EXPECT_TRUE(window.TitlePanel()->Caption().contains("A4"));
    send(QEvent::MouseButtonRelease, header, Qt::LeftButton, Qt::NoButton);
    const auto received = module->Received(0);
    ASSERT_EQ(received.size(), 2u);
    const uint8_t channel = uint8_t(Form->Document().Image().Part(0, 4, ppRxChannel).Value);
    EXPECT_EQ(received[0], (std::vector<uint8_t>{uint8_t(0x90 | channel), 64, 100}));
    EXPECT_EQ(received[1], (std::vector<uint8_t>{uint8_t(0x80 | channel), 64, 0}));
    EXPECT_FALSE(window.Auditioning());
    EXPECT_EQ(Form->Services().Edit.CurrentPart(), 4);
}

TEST_F(PartWindowTest, CopyExchangeAndInitialiseKeepPortAndChannel) {
    TPartWindow1& window = Open();
    TVGS& image = Form->Document().Image();
    image.SetPartValue(0, 1, 50, ppVolume);
    image.SetPartValue(0, 1, 3, ppRxChannel);
    const int channel5 = image.Part(0, 5, ppRxChannel).Value;
    Form->Hooks.PartChoice = [](int) { return std::make_optional(std::make_pair(1, 5)); };
    Form->Parts().CopyPartCommand();
    EXPECT_EQ(image.Part(0, 5, ppVolume).Value, 50);
    EXPECT_EQ(image.Part(0, 5, ppRxChannel).Value, channel5);
    EXPECT_EQ(window.Grid()->GetCellValue(2, 5), 50);  // the window shows it
    EXPECT_EQ(TMidiDevices::Instance().VirtualModule()->Memory(0, 0x40, 0x15, 0x19), 50);
    Form->Hooks.PartChoice = [](int) { return std::make_optional(std::make_pair(5, 5)); };
    Form->Parts().InitializePartCommand();
    EXPECT_EQ(image.Part(0, 5, ppVolume).Value, 100);
    Form->Hooks.PartChoice = [](int) { return std::optional<std::pair<int, int>>(); };  // Cancel
    Form->Parts().ExchangePartCommand();
    EXPECT_EQ(image.Part(0, 1, ppVolume).Value, 50);
}

TEST_F(PartWindowTest, MasterCoarseTuningGoesOnceAtTheEndOfAGestureAndTheReviewNoteSounds) {
    TPartWindow1& window = Open();
    std::vector<TLinkData> order{{LinkPart, 0, ppMasterCoarseTuning, 0, 64}};
    std::string error;
    ASSERT_TRUE(SaveOrder(order, 3, Dir.Path.string(), Form->Settings(), "Coarse", error)) << error;
    window.OrderButton(3)->click();
    Form->Data().Options[6] = true;  // option 7: a note after every edit
    auto module = TMidiDevices::Instance().VirtualModule();
    module->ClearReceived();
    Drag(*window.Grid(), 2, 2, {-6, -3, -3});
    EXPECT_EQ(Form->Document().Image().Part(0, 2, ppMasterCoarseTuning).Value,
              Form->Document().Image().Part(0, 2, ppMasterCoarseTuning).Default + 3);
    const auto received = module->Received(0);
    int rpnStarts = 0, notesOn = 0, notesOff = 0;
    for (const auto& m : received) {
        if (m.size() == 3 && (m[0] & 0xF0) == 0xB0 && m[1] == 0x65) ++rpnStarts;
        if (m.size() == 3 && (m[0] & 0xF0) == 0x90) ++notesOn;
        if (m.size() == 3 && (m[0] & 0xF0) == 0x80) ++notesOff;
    }
    EXPECT_EQ(rpnStarts, 1);  // the image never sends it; the window sends it once
    EXPECT_EQ(notesOn, 1);
    EXPECT_EQ(notesOff, 1);
}

TEST_F(PartWindowTest, ACoarseTuningEditMarksTheSetupChangedSoClosingAsksToSave) {
    TPartWindow1& window = Open();
    std::vector<TLinkData> order{{LinkPart, 0, ppMasterCoarseTuning, 0, 64}};
    std::string error;
    ASSERT_TRUE(SaveOrder(order, 2, Dir.Path.string(), Form->Settings(), "Coarse", error)) << error;
    window.OrderButton(2)->click();
    ASSERT_FALSE(Form->Document().Changed());
    Drag(*window.Grid(), 2, 6, {-6, -3});
    EXPECT_EQ(Form->Document().Image().Part(0, 6, ppMasterCoarseTuning).Value,
              Form->Document().Image().Part(0, 6, ppMasterCoarseTuning).Default + 2);
    EXPECT_TRUE(Form->Document().Changed());
    EXPECT_TRUE(Form->windowTitle().endsWith('*'));
    Answer = QMessageBox::Cancel;
    EXPECT_FALSE(Form->close());
    EXPECT_EQ(Messages.back(), Message(28, TLanguage::English));
}

TEST_F(PartWindowTest, InitialisingAPartSendsItsCoarseTuningBackToTheDefault) {
    Open();
    TVGS& image = Form->Document().Image();
    image.SetPartCoarseTuning(0, 5, 70);  // the module holds 70 now
    auto module = TMidiDevices::Instance().VirtualModule();
    module->ClearReceived();
    Form->Hooks.PartChoice = [](int) { return std::make_optional(std::make_pair(5, 5)); };
    Form->Parts().InitializePartCommand();
    const int byDefault = image.Part(0, 5, ppMasterCoarseTuning).Default;
    EXPECT_EQ(image.Part(0, 5, ppMasterCoarseTuning).Value, byDefault);
    int coarse = 0;
    for (const auto& m : module->Received(0))
        if (m.size() == 3 && m[0] == 0xB4 && m[1] == 0x06 && m[2] == byDefault) ++coarse;
    EXPECT_EQ(coarse, 1);
    EXPECT_TRUE(Form->Document().Changed());
}

TEST_F(PartWindowTest, AValueStoredElsewhereShowsAtOnceAndAClosedWindowHearsNothing) {
    TPartWindow1& window = Open();
    const int col = ColumnOf(window, ppVolume);
    ASSERT_GE(col, 2);
    Form->Document().Image().SetPartValue(0, 3, 77, ppVolume);
    EXPECT_EQ(window.Grid()->GetCellValue(col, 3), 77);
    Form->Document().Image().SetPartValue(1, 3, 55, ppVolume);  // another port than the one shown
    EXPECT_EQ(window.Grid()->GetCellValue(col, 3), 77);
    Form->Document().Image().SetPartTone(0, 4, 0, 5, Form->Document().Image().ToneMapOfModuleType(), 0);
    EXPECT_EQ(window.Grid()->GetCell(1, 4).Text, Form->Document().Image().PartToneName(0, 4));
    // The window closes; what the image says afterwards reaches no freed window.
    Form->Windows().Window(wnPart)->CloseForGood();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form->Windows().Window(wnPart), nullptr);
    Form->Document().Image().SetPartValue(0, 3, 78, ppVolume);
    Form->Document().Image().NotifyPut(0, TLinkData{LinkPart, 3, ppVolume, 0, 0}, 78, nullptr);
    Form->RefreshAll();
    EXPECT_EQ(Form->Document().Image().Part(0, 3, ppVolume).Value, 78);
}

TEST_F(PartWindowTest, ADamagedOrderFileIsReportedInTheDesktopsLanguage) {
    TPartWindow1& window = Open();
    {
        std::ofstream bad(PartOrderFileName(Dir.Path.string(), 1), std::ios::binary);
        bad << "Not a part order file at all, but long enough to be read";
    }
    const size_t before = Messages.size();
    window.OrderButton(1)->click();
    ASSERT_EQ(Messages.size(), before + 1);
    EXPECT_EQ(Messages.back(), QStringLiteral("Order Data read error"));
    EXPECT_EQ(window.Grid()->ColCount(), 2 + 14);  // the default order instead
}

TEST_F(PartWindowTest, AnEnlargedWindowGivesTheRoomToTheGridAndStopsAtItsLastRow) {
    TPartWindow1& window = Open();
    TManagedSubWindow* sub = Form->Windows().Window(wnPart);
    ASSERT_TRUE(sub);
    sub->resize(900, 3000);
    QApplication::processEvents();
    EXPECT_LE(window.height(), window.maximumHeight());
    EXPECT_LT(sub->height() - window.height(), 80);  // the frame only: no empty bands
    // Every part row shows.
    EXPECT_GE(window.Grid()->viewport()->height(), 17 * window.Grid()->RowHeight());
}

}  // namespace
}  // namespace veka
