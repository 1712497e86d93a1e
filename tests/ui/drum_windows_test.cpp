// The Drum and User Drum windows in a main window on the virtual module: the tabs per port and
// map, the rows of the set on a map, edits reaching the map's address of their port, the row
// header's audition and its message, the columns kept, the user sets' buttons and source names,
// drops from the drum window, the mirror onto a map holding the set with the re-sent tone, and
// pictures in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <QDir>
#include <QMimeData>
#include <QTabBar>
#include <QToolButton>

#include "image_writer/image_writer.h"
#include "windows/bookmark_menu.h"
#include "windows/drum_window.h"
#include "widgets/edge_font_panel.h"
#include "windows/user_drum_window.h"
#include "widgets/veka_grid.h"
#include "midi/pump_wait.h"
#include "module/exclusive.h"
#include "document/test_note.h"
#include "ui/main_window_fixture.h"
#include "app/managed_windows.h"
#include "windows/window_services.h"

namespace veka::test {
namespace {

class DrumWindowsTest : public TMainWindowFixture {
protected:
    template <typename T> T& Open(int number, bool japanese = false) {
        Clock.Process = [] { QApplication::processEvents(); };
        Options.Wait = &Clock;
        Ini().WriteBool("other option", "2", false);
        T& window = OpenManaged<T>(number, japanese);
        Module()->ClearReceived();
        return window;
    }
    template <typename T> T& Another(int number) {
        auto* sub = Form->Windows().OpenOrBringForward(number);
        EXPECT_TRUE(sub);
        return *qobject_cast<T*>(sub->widget());
    }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    uint8_t Memory(int port, const TOneParameter& p) {
        return Module()->Memory(port, p.Address.Bytes[0], p.Address.Bytes[1], p.Address.Bytes[2]);
    }
    int RowOfNote(const TVekaGrid& grid, int note) {
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.GetCell(2, row).Link.Owner == note || grid.GetCell(2, row).Link.Data == note) return row;
        return -1;
    }
    bool NoteOnSent(int port, int channel, int note) {
        for (const auto& m : Module()->Received(port))
            if (m.size() == 3 && m[0] == 0x90 + channel && m[1] == note && m[2] > 0) return true;
        return false;
    }
    TFakePumpWait Clock;
};

TEST_F(DrumWindowsTest, TheDrumWindowShowsTheSetOnEachMapAndHidesAMapNoPartPlays) {
    auto& window = Open<TDrumWindow1>(wnDrum);
    ASSERT_EQ(window.Tabs()->count(), 4);  // two ports, two maps each
    EXPECT_EQ(window.Tabs()->tabText(3), "B 2");
    EXPECT_EQ(window.Tabs()->currentIndex(), 0);
    ASSERT_TRUE(window.ShowsSet());  // part 10 plays map 1
    EXPECT_EQ(window.TitlePanel()->Caption().left(8), "STANDARD");
    TVekaGrid& grid = *window.Grid();
    EXPECT_EQ(grid.ColCount(), 11);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(grid.GetCell(n + 1, 0).Link.Index, n);  // no order file: index order
    EXPECT_EQ(grid.GetCell(2, 0).Text, "Pitch");
    const int row = RowOfNote(grid, 36);
    ASSERT_GT(row, 0);
    EXPECT_EQ(grid.GetCell(0, row).Text, " 36  C 2");
    EXPECT_FALSE(grid.GetCell(1, row).Text.empty());
    // "Pitch" at its default reads 0.
    grid.SetFocusCell(2, row);
    window.VekaGrid1DClick();
    EXPECT_EQ(window.TitlePanel()->Caption(), "Pitch : 0");
    EXPECT_EQ(window.StatusText(), "Adjust the pitch of the instrument.");
    grid.SetCellValue(2, row, grid.GetCell(2, row).Default + 3);
    EXPECT_EQ(window.TitlePanel()->Caption(), "Pitch : +3");

    window.Tabs()->setCurrentIndex(1);  // A 2: no part
    EXPECT_FALSE(window.ShowsSet());
    EXPECT_FALSE(window.Grid()->isVisible());
    EXPECT_EQ(window.TitlePanel()->Caption(), "NO DRUM SET");
}

TEST_F(DrumWindowsTest, AnEditOnPortBMapTwoLandsAtThatMapsAddressOfPortB) {
    auto& window = Open<TDrumWindow1>(wnDrum);
    TVGS& image = Form->Document().Image();
    image.SetPartTone(1, 5, 2, 16, 4, 0);  // B5 plays POWER on drum map 2
    image.RecordDrumSetOfPart(1, 5);
    window.Tabs()->setCurrentIndex(3);
    QApplication::processEvents();
    EXPECT_EQ(Form->Services().Edit.CurrentPort(), 1);
    ASSERT_TRUE(window.ShowsSet());
    EXPECT_EQ(window.TitlePanel()->Caption(), "POWER");
    TVekaGrid& grid = *window.Grid();
    const int row = RowOfNote(grid, 38);
    ASSERT_GT(row, 0);
    Module()->ClearReceived();
    grid.SetFocusCell(3, row);  // Level
    grid.SetCellValue(3, row, 77);
    EXPECT_EQ(image.Drum(1, 2, 2, 38).Value, 77);
    EXPECT_EQ(Memory(1, image.Drum(1, 2, 2, 38)), 77);
    EXPECT_NE(Memory(1, image.Drum(1, 1, 2, 38)), 77);
    EXPECT_TRUE(Module()->Received(0).empty());
    const auto sent = Module()->Received(1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(sent[0].begin() + 5, sent[0].begin() + 9),
              (std::vector<uint8_t>{image.Drum(1, 2, 2, 38).Address.Bytes[0], image.Drum(1, 2, 2, 38).Address.Bytes[1],
                                    image.Drum(1, 2, 2, 38).Address.Bytes[2], 77}));
    // A kit loaded elsewhere onto the map shows at once.
    image.SetPartTone(1, 5, 2, 0, 4, 0);
    image.RecordDrumSetOfPart(1, 5);
    QApplication::processEvents();
    EXPECT_EQ(window.TitlePanel()->Caption().left(8), "STANDARD");
}

TEST_F(DrumWindowsTest, TheRowHeaderPlaysOnThePartOfTheMapOrSaysWhyItCannot) {
    auto& window = Open<TDrumWindow1>(wnDrum);
    TVekaGrid& grid = *window.Grid();
    const int row = RowOfNote(grid, 38);
    ASSERT_GT(row, 0);
    window.RowHeaderPress(row, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(Form->Services().Edit.CurrentPart(), 10);
    EXPECT_EQ(Form->Document().TestNote().Note(0, 10), 38);
    EXPECT_TRUE(NoteOnSent(0, 9, 38));
    EXPECT_TRUE(window.Auditioning());
    Form->Document().TestNote().Stop();
    // No part on the map any more (as the module sees it): the message, no note.
    TImageWriter(Form->Document().Image()).Part(0, 10, ppRhythm).Value = 0;
    Module()->ClearReceived();
    Messages.clear();
    window.RowHeaderPress(row, Qt::LeftButton, Qt::NoModifier);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].startsWith("Can not sound it."));
    EXPECT_TRUE(Module()->Received(0).empty());
}

TEST_F(DrumWindowsTest, MovedColumnsComeBackWhenTheWindowOpensAgain) {
    auto& window = Open<TDrumWindow1>(wnDrum);
    window.Grid()->MoveColumn(2, 5);  // Pitch after Panpot
    const int moved = window.Grid()->GetCell(5, 0).Link.Index;
    EXPECT_EQ(moved, 1);
    Form->Windows().Window(wnDrum)->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto& again = Another<TDrumWindow1>(wnDrum);
    EXPECT_EQ(again.Grid()->GetCell(5, 0).Link.Index, 1);
    EXPECT_EQ(again.Grid()->GetCell(2, 0).Link.Index, 2);
}

TEST_F(DrumWindowsTest, BookmarksNameRowsByNoteAndAreKeptInTheSettings) {
    auto& window = Open<TDrumWindow1>(wnDrum);
    TBookmarkMenu& menu = *window.Bookmarks();
    // Never stored: note 36 in every entry.
    menu.Prepare();
    const QString kick = QStringLiteral("36:") + QString::fromStdString(window.Grid()->GetCell(1, RowOfNote(*window.Grid(), 36)).Text);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(menu.Entry(i)->text(), kick) << i;
    EXPECT_EQ(menu.RegisterAction()->text(), "Bookmark the current row");
    // Registering the focused row puts it first and writes every key.
    const int snare = RowOfNote(*window.Grid(), 38);
    window.Grid()->SetFocusCell(3, snare);
    menu.RegisterCurrent();
    EXPECT_EQ(Ini().ReadInteger("DrumWindow1 bm", "bm2", 0), 38);
    EXPECT_EQ(Ini().ReadInteger("DrumWindow1 bm", "bm11", 0), 36);
    EXPECT_TRUE(menu.Entry(0)->text().startsWith("38:"));
    EXPECT_TRUE(menu.Entry(1)->text().startsWith("36:"));
    menu.RegisterCurrent();  // already there: nothing moves
    EXPECT_EQ(Ini().ReadInteger("DrumWindow1 bm", "bm3", 0), 36);
    // A stored note the set lacks gets no entry; choosing an entry selects its row.
    Ini().WriteInteger("DrumWindow1 bm", "bm2", 200);
    menu.Prepare();
    EXPECT_TRUE(menu.Entry(0)->text().startsWith("36:"));
    EXPECT_FALSE(menu.Entry(9)->isVisible());
    window.Grid()->SetFocusCell(3, 1);
    menu.Choose(0);
    EXPECT_EQ(window.NoteOfRow(window.Grid()->Row()), 36);
    menu.Choose(9);  // no caption: nothing
    EXPECT_EQ(window.NoteOfRow(window.Grid()->Row()), 36);
}

TEST_F(DrumWindowsTest, TheUserDrumWindowsBookmarksAreItsOwn) {
    auto& user = Open<TUserDrumWindow>(wnUserDrum);
    TBookmarkMenu& menu = *user.Bookmarks();
    user.Grid()->SetFocusCell(3, 51);  // note 50
    menu.RegisterCurrent();
    EXPECT_EQ(Ini().ReadInteger("UserDrumWindow bm", "bm2", 0), 50);
    EXPECT_EQ(Ini().ReadInteger("DrumWindow1 bm", "bm2", 0), 0);  // another window's keys stay
    user.Grid()->SetFocusCell(3, 2);
    menu.Prepare();
    menu.Choose(0);
    EXPECT_EQ(user.Grid()->Row(), 51);
}

TEST_F(DrumWindowsTest, TheUserDrumSetButtonsAndTheSourceNames) {
    auto& window = Open<TUserDrumWindow>(wnUserDrum);
    EXPECT_EQ(window.windowTitle(), "User Drum Window");
    EXPECT_EQ(window.Grid()->RowCount(), 129);
    EXPECT_EQ(window.Grid()->ColCount(), 14);
    EXPECT_TRUE(window.SetButton(0)->isChecked());
    window.SetButton(0)->click();  // the button that is down stays down
    EXPECT_TRUE(window.SetButton(0)->isChecked());
    EXPECT_EQ(window.Set(), 0);
    window.SetButton(1)->click();
    EXPECT_EQ(window.Set(), 1);
    EXPECT_FALSE(window.SetButton(0)->isChecked());
    EXPECT_EQ(window.TitlePanel()->Caption(), "USER DRUM SET 66");

    // A source that names no instrument.
    TVGS& image = Form->Document().Image();
    TImageWriter(image).UserDrum(1, 11, 5).Value = 60;
    window.RefreshFromImage();
    EXPECT_EQ(window.Grid()->GetCell(1, 6).Text, "-No Inst.");
    const int col = window.ColumnOf(12);
    window.Grid()->SetFocusCell(col, 6);
    window.Grid()->SetCellValue(col, 6, 40);
    EXPECT_EQ(image.UserDrum(1, 12, 5).Value, 40);
    EXPECT_EQ(window.Grid()->GetCell(1, 6).Text, "-No Inst");
    window.VekaGrid1Click();
    EXPECT_EQ(window.TitlePanel()->Caption(), "S. Note Number : 40  E 2");
}

TEST_F(DrumWindowsTest, ADroppedRowCopiesTheNineValuesAndItsSource) {
    auto& drum = Open<TDrumWindow1>(wnDrum);
    auto& user = Another<TUserDrumWindow>(wnUserDrum);
    TVGS& image = Form->Document().Image();
    const int row = RowOfNote(*drum.Grid(), 38);
    drum.Grid()->SetFocusCell(3, row);
    drum.Grid()->SetCellValue(3, row, 99);  // Level of the dragged instrument
    Module()->ClearReceived();
    TDrumRowDrag drag = drum.RowData(row);
    EXPECT_EQ(drag.Note, 38);
    EXPECT_EQ(drag.Values[1], 99);
    // Through the drag's own bytes, as a drop delivers them.
    QMimeData data;
    data.setData(kDrumRowMime, EncodeDrumRow(drag));
    TDrumRowDrag decoded;
    ASSERT_TRUE(DecodeDrumRow(&data, decoded));
    user.DropRow(decoded, 51);  // note 50
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(image.UserDrum(0, n, 50).Value, image.Drum(0, 1, n, 38).Value) << n;
        EXPECT_EQ(Memory(0, image.UserDrum(0, n, 50)), image.UserDrum(0, n, 50).Value) << n;
    }
    // The kit of the 8850 map is named by its 88Pro map twin.
    EXPECT_EQ(image.UserDrum(0, 10, 50).Value, 3);
    EXPECT_EQ(image.UserDrum(0, 11, 50).Value, drag.Program);
    EXPECT_EQ(image.UserDrum(0, 12, 50).Value, 38);
    EXPECT_EQ(Memory(0, image.UserDrum(0, 12, 50)), 38);
    EXPECT_NE(user.Grid()->GetCell(1, 51).Text, "-No Inst.");

    // A row of a user set passes on that row's source, not the set itself.
    TDrumRowDrag fromUser;
    fromUser.ToneMap = 3;
    fromUser.Program = 64;
    fromUser.Note = 50;
    fromUser.FromUserSet = true;
    fromUser.Source = {2, 0, 42};
    user.DropRow(fromUser, 61);
    EXPECT_EQ(image.UserDrum(0, 10, 60).Value, 2);
    EXPECT_EQ(image.UserDrum(0, 11, 60).Value, 0);
    EXPECT_EQ(image.UserDrum(0, 12, 60).Value, 42);

    // Anything else is no row.
    QMimeData text;
    text.setText("a row");
    EXPECT_FALSE(DecodeDrumRow(&text, decoded));
    QMimeData cut;
    cut.setData(kDrumRowMime, EncodeDrumRow(drag).left(9));
    EXPECT_FALSE(DecodeDrumRow(&cut, decoded));
}

// Without a pointer: Ctrl+C on a row of the drum window, Ctrl+V on a note of the user set.
TEST_F(DrumWindowsTest, ARowCopiedWithCtrlCIsPastedIntoTheUserSetWithCtrlV) {
    auto& drum = Open<TDrumWindow1>(wnDrum);
    auto& user = Another<TUserDrumWindow>(wnUserDrum);
    TVGS& image = Form->Document().Image();
    QApplication::clipboard()->setText(QStringLiteral("something else"));
    user.Grid()->SetFocusCell(2, 41);  // note 40
    QTest::keyClick(user.Grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_NE(user.findChild<QLabel*>("StatusBar1")->text().indexOf(QLatin1String("Ctrl+C")), -1);

    const int row = RowOfNote(*drum.Grid(), 38);
    drum.Grid()->SetFocusCell(3, row);
    drum.Grid()->SetCellValue(3, row, 77);
    QTest::keyClick(drum.Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_NE(drum.findChild<QLabel*>("StatusBar1")->text().indexOf(QLatin1String("Ctrl+V")), -1);
    Module()->ClearReceived();
    QTest::keyClick(user.Grid(), Qt::Key_V, Qt::ControlModifier);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(image.UserDrum(0, n, 40).Value, image.Drum(0, 1, n, 38).Value) << n;
    EXPECT_EQ(image.UserDrum(0, 2, 40).Value, 77);
    EXPECT_EQ(Memory(0, image.UserDrum(0, 2, 40)), 77);
    EXPECT_EQ(image.UserDrum(0, 12, 40).Value, 38);
    EXPECT_EQ(user.Grid()->Row(), 41);
}

TEST_F(DrumWindowsTest, AnEditOfASetInUseReachesItsMapAndTheModuleTakesTheSetAgain) {
    auto& user = Open<TUserDrumWindow>(wnUserDrum);
    TVGS& image = Form->Document().Image();
    image.SetPartTone(0, 10, 1, 64, 4, 0);  // part 10 plays user set 65 on map 1
    image.RecordDrumSetOfPart(0, 10);
    Module()->ClearReceived();
    const int col = user.ColumnOf(2);
    user.Grid()->SetFocusCell(col, 37);  // note 36
    user.Grid()->SetCellValue(col, 37, 55);
    EXPECT_EQ(image.UserDrum(0, 2, 36).Value, 55);
    EXPECT_EQ(image.Drum(0, 1, 2, 36).Value, 55);
    EXPECT_EQ(Memory(0, image.Drum(0, 1, 2, 36)), 55);
    const auto sent = Module()->Received(0);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), ToneReselectMessage(image, 0, 10));
    // Set 66 is on no map: its edits stay with it.
    user.p3Click(1);
    const int32_t before = image.Drum(0, 1, 2, 40).Value;
    user.Grid()->SetFocusCell(col, 41);
    user.Grid()->SetCellValue(col, 41, 11);
    EXPECT_EQ(image.UserDrum(1, 2, 40).Value, 11);
    EXPECT_EQ(image.Drum(0, 1, 2, 40).Value, before);
    // Its row headers have no part to play on.
    Messages.clear();
    user.RowHeaderPress(41, Qt::LeftButton, Qt::NoModifier);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].startsWith("This Drum Set is not active."));
    user.p3Click(0);
    Module()->ClearReceived();
    user.RowHeaderPress(37, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(NoteOnSent(0, 9, 36));
}

TEST_F(DrumWindowsTest, PicturesInBothLanguages) {
    for (const bool japanese : {false, true}) {
        auto& drum = Open<TDrumWindow1>(wnDrum, japanese);
        Form->Windows().Window(wnDrum)->resize(640, 420);
        drum.Grid()->SetFocusCell(3, 5);
        drum.VekaGrid1DClick();
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        QApplication::processEvents();
        EXPECT_TRUE(Form->Windows().Window(wnDrum)->grab().save(
            QStringLiteral(VEKA_ARTIFACT_DIR "/drum-window-%1.png").arg(japanese ? "ja" : "en")));
        TBookmarkMenu& menu = *drum.Bookmarks();
        menu.Prepare();
        menu.adjustSize();
        EXPECT_TRUE(menu.grab().save(QStringLiteral(VEKA_ARTIFACT_DIR "/bookmark-menu-%1.png").arg(japanese ? "ja" : "en")));
        Another<TUserDrumWindow>(wnUserDrum);
        Form->Windows().Window(wnUserDrum)->resize(640, 420);
        QApplication::processEvents();
        EXPECT_TRUE(Form->Windows().Window(wnUserDrum)->grab().save(
            QStringLiteral(VEKA_ARTIFACT_DIR "/user-drum-window-%1.png").arg(japanese ? "ja" : "en")));
        Form.reset();
    }
}

}  // namespace
}  // namespace veka::test
