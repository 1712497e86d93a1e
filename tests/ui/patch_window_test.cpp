// The Patch window in a main window on the virtual module: the tree and the lists of each node,
// a tone put by double-click and by a drop (the three messages in their order), a drum kit on a
// normal part with its drum map question, the sharing of a kit on a drum map, sorting, the
// search, the map buttons by module type, the stored view, and pictures in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include "widgets/edge_font_panel.h"
#include "document/part_texts.h"
#include "windows/part_window.h"
#include "windows/patch_dialogs.h"
#include "windows/patch_window.h"
#include "widgets/veka_grid.h"
#include "midi/pump_wait.h"
#include "ui/main_window_fixture.h"
#include "app/managed_windows.h"
#include "windows/window_services.h"

namespace veka::test {
namespace {

class PatchWindowTest : public TMainWindowFixture {
protected:
    TPatchWindow& Open(bool japanese = false) {
        Clock.Process = [] { QApplication::processEvents(); };
        Options.Wait = &Clock;
        Ini().WriteBool("other option", "2", false);
        TPatchWindow& window = OpenManaged<TPatchWindow>(wnPatch, japanese);
        Module()->ClearReceived();
        return window;
    }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    // The part parameters of the messages received on Port A, in order, for part.
    std::vector<int> Received(int part) {
        const TVGS& image = Form->Document().Image();
        std::vector<int> parameters;
        for (const auto& message : Module()->Received(0))
            for (int p : {int(ppRhythm), int(ppToneMap), int(ppToneNumber)}) {
                const auto a = image.Part(0, part, p).Address.Bytes;
                if (message.size() > 9 && message[5] == a[0] && message[6] == a[1] && message[7] == a[2])
                    parameters.push_back(p);
            }
        return parameters;
    }
    int IndexOf(TPatchWindow& window, const std::string& name) {
        for (size_t i = 0; i < window.Items().size(); ++i)
            if (window.Items()[i].Name == name) return int(i);
        return -1;
    }
    TFakePumpWait Clock;
};

TEST_F(PatchWindowTest, TheTreeAndItsListsFollowTheCatalogue) {
    TPatchWindow& window = Open();
    EXPECT_EQ(window.Grid()->ColCount(), 6);
    EXPECT_EQ(window.Grid()->RowCount(), 17);
    EXPECT_EQ(window.Grid()->GetCell(4, 0).Text, "Program Change");
    EXPECT_EQ(window.Grid()->Row(), Form->Services().Edit.CurrentPart());
    EXPECT_EQ(window.Grid()->Col(), int(TPatchWindow::pcProgram));
    EXPECT_EQ(window.Grid()->GetCell(1, 10).Text.substr(0, 8), "STANDARD");
    // The root lists the two branches; "Patch" its 18 categories after "..".
    QTreeWidgetItem* root = window.Tree()->topLevelItem(0);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->text(0), "Program Tree");
    ASSERT_EQ(window.Items().size(), 2u);
    EXPECT_EQ(window.Items()[0].Name, "Patch");
    EXPECT_EQ(window.Items()[1].Name, "Drum Kit");
    window.ActivateItem(0);
    ASSERT_EQ(window.Items().size(), 19u);
    EXPECT_TRUE(window.Items()[0].Up);
    EXPECT_EQ(window.Items()[18].Name, "CM-64(LA)");
    window.ActivateItem(4);  // "GUITAR"
    ASSERT_EQ(window.Items().size(), 9u);
    EXPECT_EQ(window.Items()[1].Name, "Nylon-str.Gt");
    // A program lists its tones from the module's own map down, without the CM-64 banks.
    window.ActivateItem(1);
    ASSERT_GT(window.Items().size(), 5u);
    EXPECT_EQ(window.Items()[1].Map, 4);
    EXPECT_EQ(window.Items().back().Map, 1);
    for (const TBrowserItem& item : window.Items()) EXPECT_TRUE(item.Up || (item.Program == 24 && item.Bank < 126));
    // ".." climbs back.
    window.ActivateItem(0);
    EXPECT_EQ(window.Items()[1].Name, "Nylon-str.Gt");
    // The drum kits with the two user sets at the end.
    window.SelectNode(window.NodeFor(nkDrumKits, 0));
    EXPECT_EQ(window.Items().back().Name, "UserDrumSet 66");
    EXPECT_EQ(window.Items().back().Program, 65);
    window.SelectNode(window.NodeFor(nkCategory, 16));  // "CM-64(PCM)": bank 126 of the 55Map
    ASSERT_GT(window.Items().size(), 1u);
    EXPECT_EQ(window.Items()[1].Bank, 126);
    EXPECT_EQ(window.Items()[1].Map, 1);
}

TEST_F(PatchWindowTest, ADoubleClickedToneSendsModeOnlyWhenItDiffersThenMapThenTone) {
    TPatchWindow& window = Open();
    auto* sub = Form->Windows().OpenOrBringForward(wnPart);
    ASSERT_TRUE(sub);
    auto& part = *qobject_cast<TPartWindow1*>(sub->widget());
    window.Grid()->SetFocusCell(4, 3);
    window.SelectNode(window.NodeFor(nkProgram, 0));
    const int mild = IndexOf(window, "Mild Piano");
    ASSERT_GT(mild, 0);
    window.ActivateItem(mild);
    TVGS& image = Form->Document().Image();
    EXPECT_EQ(image.Part(0, 3, ppToneNumber).Value, 2 * 128 + 0);
    EXPECT_EQ(image.Part(0, 3, ppToneMap).Value, 4);
    EXPECT_EQ(Received(3), (std::vector<int>{ppToneMap, ppToneNumber}));
    const auto messages = Module()->Received(0);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), (std::vector<uint8_t>{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x13, 0x00, 0x02, 0x00, 0x2B, 0xF7}));
    EXPECT_EQ(QString::fromStdString(window.Grid()->GetCell(1, 3).Text).trimmed(), "Mild Piano");
    EXPECT_EQ(window.Grid()->GetCellValue(2, 3), 2);
    EXPECT_EQ(QString::fromStdString(part.Grid()->GetCell(1, 3).Text).trimmed(), "Mild Piano");
    EXPECT_EQ(window.TitlePanel()->Caption(), "Program Change : 0  (PC 1)");

    // A drum part given a tone goes back to normal: the mode goes first.
    Module()->ClearReceived();
    window.Grid()->SetFocusCell(4, 10);
    window.ActivateItem(mild);
    EXPECT_EQ(Received(10), (std::vector<int>{ppRhythm, ppToneMap, ppToneNumber}));
    EXPECT_EQ(image.Part(0, 10, ppRhythm).Value, 0);
    // The history holds them newest first.
    const auto& history = Form->Document().Transmitter().History.Entries();
    ASSERT_GE(history.size(), 3u);
    EXPECT_EQ(history[0].Name, "A10 Tone Number 256");
    EXPECT_EQ(history[1].Name, "A10 Bank Select LSB 4");
    EXPECT_EQ(history[2].Name, "A10 Use for Rythm Part 0");
}

TEST_F(PatchWindowTest, AKitOnANormalPartAsksForTheDrumMapAndCancelChangesNothing) {
    TPatchWindow& window = Open();
    TVGS& image = Form->Document().Image();
    window.SelectNode(window.NodeFor(nkDrumKits, 0));
    const int room = IndexOf(window, "ROOM");
    ASSERT_GT(room, 0);
    const TBrowserItem kit = window.Items()[size_t(room)];
    std::vector<std::string> asked;
    std::optional<int> answer;
    window.DrumMapQueryHook = [&](const std::string& name) {
        asked.push_back(name);
        return answer;
    };
    const int32_t tone = image.Part(0, 5, ppToneNumber).Value;
    window.PutItem(kit, 5);
    ASSERT_EQ(asked, std::vector<std::string>{"ROOM"});
    EXPECT_EQ(image.Part(0, 5, ppToneNumber).Value, tone);
    EXPECT_EQ(image.Part(0, 5, ppRhythm).Value, 0);
    EXPECT_TRUE(Module()->Received(0).empty());
    EXPECT_NE(window.Grid()->GetCell(1, 5).Text, "ROOM");

    answer = 2;
    window.PutItem(kit, 5);
    EXPECT_EQ(image.Part(0, 5, ppRhythm).Value, 2);
    EXPECT_EQ(image.Part(0, 5, ppToneNumber).Value, kit.Program);
    EXPECT_EQ(image.Part(0, 5, ppToneMap).Value, kit.Map);
    EXPECT_EQ(image.DrumSet(0, 2).Program, kit.Program);
    EXPECT_EQ(window.Grid()->GetCell(1, 5).Text, "ROOM");
    const std::vector<int> sent = Received(5);
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(std::vector<int>(sent.begin(), sent.begin() + 3), (std::vector<int>{ppRhythm, ppToneMap, ppToneNumber}));
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x15, 0x15), 2);  // A5's "Use for Rythm Part"
    // A kit on a drum part needs no question.
    asked.clear();
    window.SelectNode(window.NodeFor(nkDrumKits, 0));
    window.PutItem(window.Items()[size_t(IndexOf(window, "POWER"))], 5);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(window.Grid()->GetCell(1, 5).Text, "POWER");
}

TEST_F(PatchWindowTest, PartsOnOneDrumMapShareItsKit) {
    TPatchWindow& window = Open();
    TVGS& image = Form->Document().Image();
    // Part 11 joins drum map 1, which part 10 plays: it takes part 10's kit.
    window.Grid()->SetFocusCell(5, 11);
    window.Grid()->SetCellValue(5, 11, 1);
    EXPECT_EQ(image.Part(0, 11, ppRhythm).Value, 1);
    EXPECT_EQ(image.Part(0, 11, ppToneNumber).Value, image.Part(0, 10, ppToneNumber).Value);
    EXPECT_EQ(window.Grid()->GetCell(1, 11).Text, window.Grid()->GetCell(1, 10).Text);
    // Another program on part 10: part 11 shows the new kit too, and a drum part's bank is 0.
    window.Grid()->SetFocusCell(2, 10);
    window.Grid()->SetCellValue(2, 10, 5);
    EXPECT_EQ(window.Grid()->GetCellValue(2, 10), 0);
    window.Grid()->SetFocusCell(4, 10);
    window.Grid()->SetCellValue(4, 10, 16);  // POWER
    EXPECT_EQ(image.Part(0, 10, ppToneNumber).Value, 16);
    EXPECT_EQ(image.Part(0, 11, ppToneNumber).Value, 16);
    EXPECT_EQ(window.Grid()->GetCell(1, 11).Text, "POWER");
    EXPECT_EQ(image.DrumSet(0, 1).Program, 16);
    EXPECT_EQ(window.TitlePanel()->Caption(), "Program Change : 16  (PC 17)");
    EXPECT_EQ(window.StatusText(), QString::fromStdString(PartHelpText(ppToneNumber, TLanguage::English)));
}

TEST_F(PatchWindowTest, SortingKeepsTheUpLineFirstAndReversesEachColumn) {
    TPatchWindow& window = Open();
    window.SelectNode(window.NodeFor(nkProgram, 0));
    ASSERT_GT(window.Items().size(), 3u);
    auto names = [&window] {
        std::vector<std::string> n;
        for (size_t i = 1; i < window.Items().size(); ++i) n.push_back(window.Items()[i].Name);
        return n;
    };
    window.SortBy(0);  // the name column sorts descending first
    EXPECT_TRUE(window.Items()[0].Up);
    std::vector<std::string> descending = names();
    EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    }));
    window.SortBy(0);
    EXPECT_TRUE(window.Items()[0].Up);
    EXPECT_NE(names(), descending);
    window.SortBy(2);  // numbers ascend first
    for (size_t i = 2; i < window.Items().size(); ++i) EXPECT_LE(window.Items()[i - 1].Bank, window.Items()[i].Bank);
    window.SortBy(2);
    for (size_t i = 2; i < window.Items().size(); ++i) EXPECT_GE(window.Items()[i - 1].Bank, window.Items()[i].Bank);
}

TEST_F(PatchWindowTest, TheSearchListsNewestMapsFirstOncePerWordAndNeedsTwoCharacters) {
    TPatchWindow& window = Open();
    TSearchRequest request;
    request.Keywords = SearchKeywords("o i");  // one-character words only
    request.Maps = {false, true, true, true, true};
    window.SearchHook = [&](const TMapChoice&) { return std::optional<TSearchRequest>(request); };
    window.SearchClick();
    ASSERT_EQ(window.Items().size(), 1u);
    EXPECT_TRUE(window.Items()[0].Up);

    request.Keywords = SearchKeywords("PIANO  mild");
    window.SearchClick();
    ASSERT_GT(window.Items().size(), 3u);
    EXPECT_EQ(window.Items()[1].Map, 4);
    int mildPianos = 0;
    for (const TBrowserItem& item : window.Items())
        mildPianos += item.Name == "Mild Piano" && item.Map == 4 && item.Bank == 2;
    EXPECT_EQ(mildPianos, 2);  // it holds both words
    for (size_t i = 2; i < window.Items().size(); ++i) EXPECT_GE(window.Items()[i - 1].Map, window.Items()[i].Map);

    // The dialog's sentence in both languages.
    TSearchWin english({false, true, true, false, false}, mtSC8850, TLanguage::English);
    english.Keyword()->setText("pia org x");
    EXPECT_EQ(english.Description(),
              "Search for patch names containing the characters \"pia\", \"org\"\nfrom 55Map, 88Map.");
    TSearchWin japanese({false, true, false, false, true}, mtSC8850, TLanguage::Japanese);
    japanese.Keyword()->setText("pia");
    EXPECT_EQ(japanese.Description(), QString::fromUtf8("音色マップ 55Map, 8850Mapのうち、文字列 \"pia\" を含む"));
    japanese.MapBox(1)->setChecked(false);
    japanese.MapBox(4)->setChecked(false);
    EXPECT_TRUE(japanese.Description().isEmpty());
    TSearchWin sc88({false, true, true, true, true}, mtSC88, TLanguage::English);
    EXPECT_TRUE(sc88.MapBox(3)->isHidden());
    EXPECT_TRUE(sc88.MapBox(4)->isHidden());
    EXPECT_FALSE(sc88.Request().Maps[3]);
    EXPECT_EQ(english.Keyword()->maxLength(), 12);
}

TEST_F(PatchWindowTest, MapButtonsFollowTheModuleTypeAndTheViewIsKept) {
    TPatchWindow& window = Open();
    Form->Document().Image().SetModuleType(mtSC88);
    window.RefreshFromImage();
    EXPECT_TRUE(window.MapButton(3)->isHidden());
    EXPECT_TRUE(window.MapButton(4)->isHidden());
    EXPECT_FALSE(window.MapButton(3)->isChecked());
    window.SelectNode(window.NodeFor(nkProgram, 0));
    for (const TBrowserItem& item : window.Items()) EXPECT_TRUE(item.Up || item.Map <= 2) << item.Name;
    // The 55Map button up: only the 88Map's tones.
    window.MapButton(1)->click();
    for (const TBrowserItem& item : window.Items()) EXPECT_TRUE(item.Up || item.Map == 2) << item.Name;
    EXPECT_FALSE(Form->Data().PatchUsingMap[0]);
    window.SetListState(TPatchWindow::lsDetails);
    EXPECT_TRUE(window.DetailsView()->isVisible());
    EXPECT_FALSE(window.IconView()->isVisible());
    EXPECT_EQ(Form->Data().PatchListState, 6);
    window.Splitter()->setSizes({222, 300});
    const int width = window.Splitter()->sizes()[0];
    EXPECT_NE(width, 140);
    Form->Windows().Window(wnPatch)->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form->Data().PatchTreeWidth, width);
    // Opened again, the window comes back as it was left.
    auto& again = *qobject_cast<TPatchWindow*>(Form->Windows().OpenOrBringForward(wnPatch)->widget());
    EXPECT_EQ(again.ListState(), TPatchWindow::lsDetails);
    EXPECT_FALSE(again.MapButton(1)->isChecked());
}

TEST_F(PatchWindowTest, AListLineDroppedOnARowPutsItThereAndOtherDropsAreRefused) {
    TPatchWindow& window = Open();
    window.SelectNode(window.NodeFor(nkProgram, 0));
    const int mild = IndexOf(window, "Mild Piano");
    const QRect cell = window.Grid()->CellRect(4, 6);
    ASSERT_FALSE(cell.isEmpty());
    // As a drag delivers them: enter, move, drop.
    auto drop = [&](QMimeData& data) {
        QWidget* target = window.Grid()->viewport();
        QDragEnterEvent enter(cell.center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(cell.center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted()) return false;
        QDropEvent event(QPointF(cell.center()), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
        return event.isAccepted();
    };
    QMimeData text;
    text.setText("Mild Piano");
    EXPECT_FALSE(drop(text));
    QMimeData wrong;
    wrong.setData("application/x-veka-browser-item", "100000");
    EXPECT_FALSE(drop(wrong));
    EXPECT_TRUE(Module()->Received(0).empty());
    QMimeData line;
    line.setData("application/x-veka-browser-item", QByteArray::number(mild));
    EXPECT_TRUE(drop(line));
    EXPECT_EQ(Form->Document().Image().Part(0, 6, ppToneNumber).Value, 256);
    EXPECT_EQ(window.Grid()->Row(), 6);
}

TEST_F(PatchWindowTest, PicturesInBothLanguages) {
    for (const bool japanese : {false, true}) {
        TPatchWindow& window = Open(japanese);
        Form->Windows().Window(wnPatch)->resize(980, 520);
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        auto shot = [&](const char* name) {
            QApplication::processEvents();
            const QString path =
                QStringLiteral(VEKA_ARTIFACT_DIR "/patch-window-%1-%2.png").arg(name).arg(japanese ? "ja" : "en");
            EXPECT_TRUE(Form->Windows().Window(wnPatch)->grab().save(path)) << path.toStdString();
        };
        window.SetListState(TPatchWindow::lsDetails);
        window.Tree()->expandItem(window.NodeFor(nkCategory, 0));
        window.SelectNode(window.NodeFor(nkProgram, 0));
        shot("details");
        window.SetListState(TPatchWindow::lsIcons);
        window.SelectNode(window.NodeFor(nkDrumKits, 0));
        shot("icons");
        TSearchRequest request;
        request.Keywords = {"str"};
        request.Maps = {false, true, true, true, true};
        window.SearchHook = [&](const TMapChoice&) { return std::optional<TSearchRequest>(request); };
        window.SetListState(TPatchWindow::lsSmallIcons);
        window.SearchClick();
        shot("search");
        TSearchWin search({false, true, true, true, true}, mtSC8850, japanese ? TLanguage::Japanese : TLanguage::English);
        search.Keyword()->setText("str pad");
        search.show();
        QApplication::processEvents();
        EXPECT_TRUE(search.grab().save(QStringLiteral(VEKA_ARTIFACT_DIR "/search-dialog-%1.png").arg(japanese ? "ja" : "en")));
        TDrumMapQuery query("ROOM", japanese ? TLanguage::Japanese : TLanguage::English);
        query.show();
        QApplication::processEvents();
        EXPECT_TRUE(query.grab().save(QStringLiteral(VEKA_ARTIFACT_DIR "/drum-map-query-%1.png").arg(japanese ? "ja" : "en")));
        Form.reset();
    }
}

}  // namespace
}  // namespace veka::test
