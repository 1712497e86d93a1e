// The File menu in the window: its dialogs, boxes, title, recent files, status line and the
// window layout beside a setup file, around the commands (whose own results the document's
// tests check without a window). Open by the dialog, a recent entry, a dropped or handed-over
// name and the command line; the saves; the exclusive-file export; the song commands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QTimer>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "module/difference_list.h"
#include "module/setup_file.h"
#include "app/main_window.h"
#include "document/layout_file.h"
#include "module/exclusive.h"
#include "smf/smf_test_util.h"
#include "ui/main_window_fixture.h"
#include "windows/custom_file_dialog.h"
#include "app/file_menu.h"
#include "app/managed_windows.h"
#include "app/status_area.h"
#include "windows/window_services.h"

namespace veka::test {
namespace {

class FileCommandsTest : public TMainWindowFixture {
protected:
    // A started main window (module reset at start switched off, so only what a command
    // sends reaches the module).
    TVekaMainForm& Started() {
        TVekaMainForm& form = StartQuiet(Clock);
        Module()->ClearReceived();
        return form;
    }
    TFakePumpWait Clock;
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    // A setup file written from an image of its own: Master Volume 90, part A3's volume 33.
    std::string WriteSong(const std::string& name) {
        TVGS image(VEKA_TEST_DEFAULT_DIR);
        image.MaxPart = 1;
        image.SetSystemValue(2, 90);
        image.SetPartValue(0, 3, 33, ppVolume);
        const std::string path = Dir / name;
        EXPECT_TRUE(WriteWholeSetupFile(image, path).Ok());
        return path;
    }
    std::string WritePartFile(const std::string& name, int volume) {
        TVGS image(VEKA_TEST_DEFAULT_DIR);
        image.SetPartValue(0, 1, volume, ppVolume);
        TDifferenceList list;
        CollectOnePartFile(image, list, 0, 1, false);
        const std::string path = Dir / name;
        EXPECT_TRUE(WriteSetupFile(image, list, path).Ok());
        return path;
    }
    void AnswerOpen(TVekaMainForm& form, const std::string& path) {
        form.Hooks.OpenName = [path](const QString&, const QString&, const QString&) { return QString::fromStdString(path); };
    }
    int OpenWindowCount(TVekaMainForm& form) {
        int count = 0;
        form.Windows().ForEachOpen([&count](int, TManagedSubWindow*) { ++count; });
        return count;
    }
};

TEST_F(FileCommandsTest, OpeningAWholeSetupLoadsSendsAndMakesItTheCurrentFile) {
    TVekaMainForm& form = Started();
    const std::string song = WriteSong("Song.GA4");  // the extension in capitals is a whole setup too
    form.Document().Image().SetPartValue(0, 5, 10, ppVolume);   // an unsaved edit: the question comes first
    AnswerOpen(form, song);
    Answer = QMessageBox::Cancel;
    form.Files().OpenCommand();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages.back(), Message(63, TLanguage::English));
    EXPECT_EQ(form.Document().Image().System(2).Value, 127) << "Cancel loaded the file all the same";
    EXPECT_TRUE(form.Data().History[0].empty());

    Answer = QMessageBox::No;
    form.Files().OpenCommand();
    EXPECT_EQ(form.Document().Image().System(2).Value, 90);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 " + song);
    EXPECT_EQ(form.Data().History[0], song);
    EXPECT_EQ(Ini().ReadString("file path", "history 0", ""), song) << "the list waits for the close";
    EXPECT_EQ(Ini().ReadString("file path", "veka data", ""), Dir.Path.string());
    EXPECT_EQ(form.Files().RecentActions[0]->text().toStdString(), song);
    EXPECT_TRUE(form.Files().RecentActions[0]->isVisible());
    EXPECT_FALSE(form.Files().RecentActions[1]->isVisible());
    EXPECT_EQ(form.Files().SendSwitches(), (std::array<bool, 4>{true, true, false, false}));
    // Save writes it back under its name, and its layout beside it.
    form.Document().Image().SetSystemValue(2, 80);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 " + song + "*");
    form.Hooks.SaveName = [](const QString&, const QString&, const QString&) -> QString {
        ADD_FAILURE() << "Save asked for a name although the file is known";
        return {};
    };
    EXPECT_TRUE(form.Files().Save());
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 " + song);
    EXPECT_TRUE(std::filesystem::exists(Dir / "Song.dsk"));
}

TEST_F(FileCommandsTest, APartFileGoesOnTopAndLeavesNoCurrentFile) {
    TVekaMainForm& form = Started();
    const std::string song = WriteSong("song.ga4");
    const std::string part = WritePartFile("lead.1pg", 55);
    AnswerOpen(form, song);
    form.Files().OpenCommand();
    std::vector<TSelectRequest> asked;
    form.Hooks.Select = [&asked](const TSelectRequest& request) -> std::optional<int> {
        asked.push_back(request);
        return 17;  // B2
    };
    AnswerOpen(form, part);
    form.Files().OpenCommand();
    // The list offers the parts of both ports in use.
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Items.size(), 32u);
    EXPECT_EQ(form.Document().Image().Part(1, 2, ppVolume).Value, 55);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 *");
    EXPECT_EQ(form.Files().SendSwitches(), (std::array<bool, 4>{false, true, false, false}));

    // From the recent list the caption keeps the file it shows, marked as changed.
    form.Hooks.Select = [](const TSelectRequest&) -> std::optional<int> { return 0; };
    form.Files().OpenRecent(1);  // song.ga4, now below lead.1pg
    EXPECT_EQ(form.FileName().toStdString(), song);
    form.Files().OpenRecent(0);
    EXPECT_EQ(form.Document().Image().Part(0, 1, ppVolume).Value, 55);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 " + song + "*");
}

TEST_F(FileCommandsTest, TheRecentListMovesOnAndListsAFileFurtherDownTwice) {
    TVekaMainForm& form = Started();
    std::vector<std::string> names;
    for (int n = 0; n < 10; ++n) {
        // Built in steps: g++ 12 sees a false overlap in "p" + std::to_string(n) + ".1pg".
        std::string name = std::to_string(n);
        name.insert(0, 1, 'p');
        name.append(".1pg");
        names.push_back(WritePartFile(name, 10 + n));
    }
    form.Hooks.Select = [](const TSelectRequest&) -> std::optional<int> { return 0; };
    for (const std::string& name : names) {
        AnswerOpen(form, name);
        form.Files().OpenCommand();
    }
    // p9 first, p1 ninth, p0 fallen off.
    EXPECT_EQ(form.Data().History[0], names[9]);
    EXPECT_EQ(form.Data().History[8], names[1]);
    EXPECT_TRUE(form.Files().RecentActions[8]->isVisible());
    EXPECT_FALSE(form.Files().RecentActions[8]->isEnabled()) << "the ninth entry only holds a name";
    // Within the first four: nothing moves.
    AnswerOpen(form, names[7]);
    form.Files().OpenCommand();
    EXPECT_EQ(form.Data().History[0], names[9]);
    EXPECT_EQ(form.Data().History[2], names[7]);
    // The fifth (p5) goes to the front and stays below as well.
    AnswerOpen(form, names[5]);
    form.Files().OpenCommand();
    EXPECT_EQ(form.Data().History[0], names[5]);
    EXPECT_EQ(form.Data().History[5], names[5]);
    EXPECT_EQ(Ini().ReadString("file path", "history 5", ""), names[5]);
    // An entry opens its file through the menu without moving the list.
    form.Files().RecentActions[3]->trigger();
    EXPECT_EQ(form.Data().History[0], names[5]);
    // A recent file that has gone is reported, and taken off the list when the user says so.
    std::filesystem::remove(names[9]);
    const size_t before = Messages.size();
    Answer = QMessageBox::No;
    form.Files().RecentActions[1]->trigger();
    ASSERT_EQ(Messages.size(), before + 1);
    EXPECT_TRUE(Messages.back().contains(QString::fromStdString(names[9])));
    EXPECT_EQ(form.Data().History[1], names[9]);
    Answer = QMessageBox::Yes;
    form.Files().RecentActions[1]->trigger();
    EXPECT_EQ(form.Data().History[1], names[8]);
    EXPECT_EQ(form.Data().History[8], "");
    EXPECT_FALSE(form.Files().RecentActions[8]->isVisible());
    EXPECT_EQ(Ini().ReadString("file path", "history 1", ""), names[8]);
}

TEST_F(FileCommandsTest, BadFilesAreReportedAndChangeNothing) {
    TVekaMainForm& form = Started();
    const std::string song = WriteSong("song.ga4");
    AnswerOpen(form, song);
    form.Files().OpenCommand();
    Module()->ClearReceived();
    const std::string other = Dir / "notes.ga4";
    std::ofstream(other, std::ios::binary) << "these are a user's notes, not a setup";
    AnswerOpen(form, other);
    Answer = QMessageBox::Ok;
    const size_t before = Messages.size();
    form.Files().OpenCommand();
    ASSERT_EQ(Messages.size(), before + 1);
    EXPECT_TRUE(Messages.back().startsWith(Message(22, TLanguage::English))) << Messages.back().toStdString();
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 " + song) << "a file that is no setup took the caption";
    // A layout file of garbage is reported in the status bar and opens no window.
    std::ofstream(Dir / "song.dsk", std::ios::binary) << "short";
    AnswerOpen(form, song);
    form.Files().OpenCommand();
    EXPECT_TRUE(form.StatusArea().Text().contains("layout")) << form.StatusArea().Text().toStdString();
}

TEST_F(FileCommandsTest, TheLayoutBesideASetupRestoresNotesAndWindowsByOption8) {
    TVekaMainForm& form = Started();
    const std::string song = WriteSong("song.ga4");
    TLayout layout;
    layout.Notes.Notes[1][2] = 70;  // B3
    layout.Windows.push_back({10, 20, 410, 320, 1});   // Part
    layout.Windows.push_back({0, 0, 300, 200, 128 + 9});  // Master, minimised
    layout.Windows.push_back({0, 0, 300, 200, 12});    // no window has code 12: left out
    std::string error;
    ASSERT_TRUE(WriteLayoutFile(Dir / "song.dsk", layout, error)) << error;
    form.Windows().OpenOrBringForward(wnDisplay);  // in no record: closed
    AnswerOpen(form, song);
    form.Files().OpenCommand();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed windows go
    EXPECT_EQ(form.Document().LastNotes().Notes[1][2], 70);
    TManagedSubWindow* part = form.Windows().Window(wnPart);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->geometry(), QRect(10, 20, 400, 300));
    ASSERT_TRUE(form.Windows().Window(wnMaster));
    EXPECT_TRUE(form.Windows().Window(wnMaster)->isMinimized());
    EXPECT_FALSE(form.Windows().Window(wnDisplay));
    // Saving writes what is open now, in code order.
    part->setGeometry(5, 6, 420, 330);
    form.Document().Image().SetSystemValue(2, 70);
    ASSERT_TRUE(form.Files().Save());
    const TLayoutReadResult saved = ReadLayoutFile(Dir / "song.dsk");
    ASSERT_TRUE(saved.Error.empty()) << saved.Error;
    ASSERT_EQ(saved.Layout.Windows.size(), 2u);
    EXPECT_EQ(saved.Layout.Windows[0], (TLayoutRecord{5, 6, 425, 336, 1}));
    EXPECT_EQ(saved.Layout.Windows[1].Code, 128 + 9);
    EXPECT_EQ(saved.Layout.Notes.Notes[1][2], 70);

    // With option 8 off only the notes come back.
    form.Data().SetOption(TOption::LayoutInFile, false);
    form.Windows().OpenOrBringForward(wnDisplay);
    layout.Notes.Notes[1][2] = 71;
    ASSERT_TRUE(WriteLayoutFile(Dir / "song.dsk", layout, error)) << error;
    form.Files().OpenRecent(0);
    EXPECT_EQ(form.Document().LastNotes().Notes[1][2], 71);
    EXPECT_TRUE(form.Windows().Window(wnDisplay));
}

TEST_F(FileCommandsTest, InJapaneseEachObjectListIsCaptionedWithItsOwnKind) {
    Options.SystemJapanese = true;
    TVekaMainForm& form = Started();
    form.Document().Image().SetPartValue(0, 3, 44, ppVolume);
    std::vector<std::string> labels;
    form.Hooks.Select = [&](const TSelectRequest& request) -> std::optional<int> {
        labels.push_back(request.Label);
        return std::nullopt;
    };
    for (TSetupFileKind kind : {TSetupFileKind::OnePart, TSetupFileKind::OneDrumMap, TSetupFileKind::OneUserDrum})
        form.Files().SaveObject(kind);
    EXPECT_EQ(labels, (std::vector<std::string>{"このPartが対象", "このDrum Mapが対象", "このUser Drum Setが対象"}));
}

TEST_F(FileCommandsTest, OneObjectSavesAskInTheWindowsDialogsAndAddTheExtension) {
    TVekaMainForm& form = Started();
    std::vector<TSelectRequest> asked;
    std::optional<int> answer = 2;  // A3
    form.Hooks.Select = [&](const TSelectRequest& request) {
        asked.push_back(request);
        return answer;
    };
    std::string name;
    form.Hooks.SaveName = [&name](const QString&, const QString&, const QString& filter) {
        EXPECT_FALSE(filter.isEmpty());
        return QString::fromStdString(name);
    };
    // Nothing modified: message 20, no dialog.
    name = Dir / "never";
    EXPECT_FALSE(form.Files().SaveObject(TSetupFileKind::OnePart));
    EXPECT_EQ(Messages.back(), Message(20, TLanguage::English));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Title, "Select a Part to save");
    EXPECT_EQ(asked[0].Label, "Part:");
    EXPECT_EQ(asked[0].Items.size(), 32u);
    EXPECT_EQ(asked[0].Items[2].substr(0, 3), "A3 ");
    EXPECT_FALSE(std::filesystem::exists(Dir / "never.1pg"));

    form.Document().Image().SetPartValue(0, 3, 44, ppVolume);
    name = Dir / "third";  // the extension is added
    EXPECT_TRUE(form.Files().SaveObject(TSetupFileKind::OnePart));
    ASSERT_TRUE(std::filesystem::exists(Dir / "third.1pg"));
    EXPECT_EQ(form.Data().History[0], (Dir / "third.1pg"));
    // A drum part asks whether its map goes with it (part 10 plays map 1).
    answer = 9;
    form.Document().Image().SetDrumValue(0, 1, 100, 2, 38);
    form.Document().Image().SetPartValue(0, 10, 90, ppVolume);
    const size_t before = Messages.size();
    Answer = QMessageBox::Yes;
    name = Dir / "drums";
    EXPECT_TRUE(form.Files().SaveObject(TSetupFileKind::OnePart));
    ASSERT_EQ(Messages.size(), before + 1);
    EXPECT_EQ(Messages.back(), Message(25, TLanguage::English));
    EXPECT_TRUE(std::filesystem::exists(Dir / "drums.1pg"));
    // The drum maps of both ports in use.
    answer = 0;
    name = Dir / "map";
    EXPECT_TRUE(form.Files().SaveObject(TSetupFileKind::OneDrumMap));
    EXPECT_EQ(asked.back().Items.size(), 4u);
    EXPECT_TRUE(std::filesystem::exists(Dir / "map.1dg"));
}

TEST_F(FileCommandsTest, TheExclusiveExportStartsAtTheFocusPartAndSaysHowManyMessages) {
    TVekaMainForm& form = Started();
    std::string name = Dir / "none";
    form.Hooks.SaveName = [&name](const QString&, const QString&, const QString& filter) {
        EXPECT_EQ(filter, "SYSX File(for Cakewalk) (*.syx)");
        return QString::fromStdString(name);
    };
    std::vector<TSelectRequest> asked;
    form.Hooks.Select = [&asked](const TSelectRequest& request) -> std::optional<int> {
        asked.push_back(request);
        return request.Preselected;
    };
    // Reverb untouched: message 20 in a box.
    form.Action(TCommand::ExportSysxReverb)->trigger();
    EXPECT_EQ(Messages.back(), Message(20, TLanguage::English));

    // The part list starts at the part the windows' focus is on.
    form.Services().Edit.SelectPart(4, nullptr);
    form.Document().Image().SetPartValue(0, 4, 77, ppVolume);
    form.Document().Image().SetPartValue(0, 4, 20, ppPanpot);
    name = Dir / "a4";
    form.Action(TCommand::ExportSysxPart)->trigger();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().Preselected, 3);
    EXPECT_TRUE(std::filesystem::exists(Dir / "a4.syx"));
    EXPECT_TRUE(form.StatusArea().Text().contains("2 messages")) << form.StatusArea().Text().toStdString();
}

TEST_F(FileCommandsTest, ADroppedOrHandedOverSetupIsOpenedAndSentWithoutTouchingTheList) {
    TVekaMainForm& form = Started();
    const std::string song = WriteSong("dropped.ga4");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(song)), QUrl::fromLocalFile("/nonexistent/second.ga4")});
    // The drop goes to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_NE(form.Document().Image().System(2).Value, 90) << "opened inside the drop";
    QApplication::processEvents();
    EXPECT_EQ(form.Document().Image().System(2).Value, 90);
    EXPECT_EQ(form.FileName().toStdString(), song);
    EXPECT_TRUE(form.Data().History[0].empty());
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x00, 0x04), 90);
    // A second start hands a part file over: it goes into the current setup.
    form.Hooks.Select = [](const TSelectRequest&) -> std::optional<int> { return 0; };
    form.Activate(QString::fromStdString(WritePartFile("handed.1pg", 12)));
    EXPECT_EQ(form.Document().Image().Part(0, 1, ppVolume).Value, 12);
    EXPECT_EQ(form.Document().Image().System(2).Value, 90);
    EXPECT_TRUE(form.Document().Changed());
}

TEST_F(FileCommandsTest, AFileOnTheCommandLineIsLoadedAndSentWithTheResetAtTheFirstShow) {
    const std::string song = WriteSong("start.ga4");
    Clock.Process = [] { QApplication::processEvents(); };
    Options.Wait = &Clock;
    Options.FirstArgument = QString::fromStdString(song);
    WriteCompleteSettings();
    Ini().WriteBool("other option", "2", false);
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.resize(1000, 700);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.Document().Image().System(2).Value, 90);
    EXPECT_EQ(form.FileName().toStdString(), song);
    EXPECT_FALSE(form.Document().Changed());
    // Send All with the reset first: the module has only the file's values.
    const auto received = Module()->Received(0);
    // Two ports in use: the reset is the double-module mode set.
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.front(), (std::vector<uint8_t>{0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x7F, 0x00, 0x01, 0xF7}));
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x00, 0x04), 90);
    // Without a layout the default windows open.
    EXPECT_TRUE(form.Windows().Window(wnPart));
    EXPECT_TRUE(form.Data().History[0].empty());
}

TEST_F(FileCommandsTest, ACustomFileKeepsTheChosenGroupsAndPartsWithItsCommentAndShowsThemWhenOpened) {
    TVekaMainForm& form = Started();
    std::optional<TCustomChoice> answer;
    std::vector<std::pair<TCustomChoice, bool>> shown;
    form.Hooks.CustomFile = [&](const TCustomChoice& choice, bool viewOnly) {
        shown.emplace_back(choice, viewOnly);
        return viewOnly ? std::nullopt : answer;
    };
    form.Hooks.SaveName = [this](const QString&, const QString&, const QString& filter) {
        EXPECT_EQ(filter, "Veka Custom File (*.cst)");
        return QString::fromStdString(Dir / "live");
    };
    // Nothing chosen: message 20 in a box, no file.
    answer = TCustomChoice{};
    EXPECT_FALSE(form.Files().SaveCustomFile());
    EXPECT_EQ(Messages.back(), Message(20, TLanguage::English));
    EXPECT_FALSE(std::filesystem::exists(Dir / "live.cst"));
    answer->Selection.Groups[int(TSystemGroup::Reverb)] = true;

    form.Document().Image().SetSystemValue(2, 99);                  // Master
    form.Document().Image().SetPartValue(0, 3, 61, ppVolume);        // A3
    form.Document().Image().SetPartValue(1, 16, 62, ppVolume);       // B16
    answer->Selection.Groups[int(TSystemGroup::Master)] = true;
    answer->Selection.GlobalParts = {3, 32};
    answer->Comment = QString::fromUtf8("Live set, second half\nブラス");
    ASSERT_TRUE(form.Files().SaveCustomFile());
    ASSERT_TRUE(std::filesystem::exists(Dir / "live.cst"));
    std::ifstream comment(Dir / "live.Comment", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(comment), {}), "Live set, second half\nブラス");
    EXPECT_EQ(form.Data().History[0], Dir / "live.cst");

    // Opened again, the file's items are shown with the comment; No keeps the module as it is.
    form.Document().Image().SetPartValue(0, 3, 100, ppVolume);
    AnswerOpen(form, Dir / "live.cst");
    Answer = QMessageBox::No;
    const size_t before = Messages.size();
    form.Files().OpenCommand();
    ASSERT_EQ(Messages.size(), before + 1);
    EXPECT_EQ(Messages.back(), Message(37, TLanguage::English));
    EXPECT_EQ(form.Document().Image().Part(0, 3, ppVolume).Value, 61);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown.back().second);
    const TCustomSelection& read = shown.back().first.Selection;
    EXPECT_TRUE(read.Groups[int(TSystemGroup::Master)]);
    EXPECT_FALSE(read.Groups[int(TSystemGroup::Reverb)]);
    EXPECT_EQ(read.GlobalParts, (std::vector<int>{3, 32}));
    EXPECT_EQ(shown.back().first.Comment.toStdString(), "Live set, second half\nブラス");
    EXPECT_TRUE(form.Document().Changed());
}

TEST_F(FileCommandsTest, PicturesOfTheOpenDialogAndThePartChoiceInBothLanguages) {
    for (bool japanese : {false, true}) {
        Options.SystemJapanese = japanese;
        TVekaMainForm& form = Started();
        const std::string suffix = japanese ? "ja" : "en";
        QString title;
        int items = 0;
        // Each modal window is photographed and closed as soon as it is up.
        const auto photograph = [&](const std::string& name) {
            QTimer::singleShot(0, [&, name] {
                QWidget* modal = QApplication::activeModalWidget();
                ASSERT_TRUE(modal) << name;
                if (auto* combo = modal->findChild<QComboBox*>()) items = combo->count();
                title = modal->windowTitle();
                QApplication::processEvents();
                modal->grab().save(QString::fromStdString(std::string(VEKA_ARTIFACT_DIR) + "/" + name + "_" + suffix + ".png"));
                static_cast<QDialog*>(modal)->reject();
            });
        };
        photograph("open_dialog");
        form.Files().OpenCommand();
        EXPECT_EQ(title, japanese ? QString::fromUtf8("開く") : QString("Open"));
        photograph("part_choice");
        EXPECT_FALSE(form.Files().SaveObject(TSetupFileKind::OnePart));
        EXPECT_EQ(items, 32);
        Form.reset();
    }
}

TEST_F(FileCommandsTest, ASongsSetupIsReadAndSentAndABadSongCostsNothing) {
    TVekaMainForm& form = Started();
    // One track: part A1's volume 77 as an exclusive, then a note.
    test::TBytes track = {0x00, 0xF0, 0x0A};
    const std::vector<uint8_t> volume = BuildDT1(0x10, {0x40, 0x11, 0x19}, std::vector<uint8_t>{77});
    track.insert(track.end(), volume.begin() + 1, volume.end());
    test::Append(track, {0x10, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    const std::string song = Dir / "song.mid";
    test::WriteBytes(song, test::SmfBytes(0, 96, {track}));
    const std::string garbage = Dir / "garbage.mid";
    std::ofstream(garbage, std::ios::binary) << "MThd but not really";

    // A song that cannot be read is refused before the reset: the edit stays.
    form.Document().Image().SetPartValue(0, 5, 10, ppVolume);
    AnswerOpen(form, garbage);
    form.Action(TCommand::GetSetupMeasures)->trigger();
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().startsWith("read error")) << Messages.back().toStdString();
    EXPECT_EQ(form.Document().Image().Part(0, 5, ppVolume).Value, 10);

    AnswerOpen(form, song);
    Answer = QMessageBox::No;  // the unsaved edit may go
    Module()->ClearReceived();
    form.Action(TCommand::GetSetupMeasures)->trigger();
    EXPECT_EQ(Messages.back(), Message(63, TLanguage::English));
    EXPECT_EQ(form.Document().Image().Part(0, 1, ppVolume).Value, 77);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 *");
    EXPECT_EQ(Ini().ReadString("smf read", "file path", ""), Dir.Path.string());
    EXPECT_TRUE(form.StatusArea().Text().startsWith("Last SMF : ")) << form.StatusArea().Text().toStdString();

    // A song given by name takes the same way.
    form.Document().Image().SetPartValue(0, 1, 5, ppVolume);
    form.Files().OpenByName(QString::fromStdString(song));
    EXPECT_EQ(form.Document().Image().Part(0, 1, ppVolume).Value, 77);

    // So does one chosen in the Open dialog, whose first filter shows songs and every kind of
    // setup file together.
    form.Document().Image().SetPartValue(0, 1, 6, ppVolume);
    QString filters;
    form.Hooks.OpenName = [&](const QString&, const QString&, const QString& offered) {
        filters = offered;
        return QString::fromStdString(song);
    };
    form.Files().OpenCommand();
    EXPECT_EQ(form.Document().Image().Part(0, 1, ppVolume).Value, 77);
    const QString first = filters.section(QStringLiteral(";;"), 0, 0);
    for (const char* pattern : {"*.ga3", "*.ga4", "*.1pg", "*.1dg", "*.1ug", "*.cst", "*.mid"})
        EXPECT_TRUE(first.contains(QString::fromLatin1(pattern))) << pattern << " in " << first.toStdString();
    EXPECT_TRUE(filters.section(QStringLiteral(";;"), -1).contains("*.mid"));
}

TEST_F(FileCommandsTest, TheRecentFilesAreInTheMenuFromTheStart) {
    const std::string song = WriteSong("kept.ga4");
    WriteCompleteSettings();
    Ini().WriteString("file path", "history 0", song);
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    EXPECT_TRUE(form.Files().RecentActions[0]->isVisible());
    EXPECT_EQ(form.Files().RecentActions[0]->text(), QString::fromStdString(song));
    EXPECT_FALSE(form.Files().RecentActions[1]->isVisible());
}

TEST_F(FileCommandsTest, TheSetupGoesIntoANewSongAndInFrontOfTheSongReadLast) {
    TVekaMainForm& form = Started();
    EXPECT_FALSE(form.Action(TCommand::ReplaceSetupMeasures)->isEnabled()) << "no song was read";
    std::string name;
    form.Hooks.SaveName = [&name](const QString&, const QString&, const QString& filters) {
        EXPECT_EQ(filters, "SMF Format 0 (*.mid);;SMF Format 1 (*.mid)");
        return QString::fromStdString(name);
    };
    QString offered;
    form.Hooks.SaveFilter = [&offered](const QString& first) {
        offered = first;
        return QString("SMF Format 1 (*.mid)");
    };
    // No definition file yet: the composition window opens (here: OK on the built-in list).
    int windows = 0;
    form.Hooks.SmfCustom = [&windows]() -> std::optional<TOrderList> {
        ++windows;
        return DefaultOrderList();
    };
    // A song holding nothing but the setup, in the format chosen in the dialog.
    form.Document().Image().SetPartValue(0, 1, 77, ppVolume);
    name = Dir / "setup";
    ASSERT_TRUE(form.Files().ExportSmfCommand());
    EXPECT_EQ(offered, "SMF Format 0 (*.mid)") << "a new song is offered as format 0 first";
    EXPECT_EQ(Ini().ReadInteger("SMF", "Format", -1), 1);
    EXPECT_TRUE(std::filesystem::exists(Dir / "setup.mid"));
    EXPECT_EQ(windows, 1);
    // With a definition file and option 11 off, the file's list goes in without the window.
    std::string error;
    ASSERT_TRUE(WriteOrderFile(DefaultOrderList(), Dir / "default.scd", error)) << error;
    form.Data().SetOption(TOption::SmfSetupDialog, false);

    // Read a song, change the setup, put it in front of the song read last.
    test::TBytes track = {0x00, 0xC0, 0x05};
    test::Append(track, {0x10, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    test::WriteBytes(Dir / "tune.mid", test::SmfBytes(0, 96, {track}));
    AnswerOpen(form, Dir / "tune.mid");
    form.Action(TCommand::GetSetupMeasures)->trigger();
    EXPECT_TRUE(form.Action(TCommand::ReplaceSetupMeasures)->isEnabled());
    form.Document().Image().SetPartValue(0, 1, 90, ppVolume);
    name = Dir / "tune with setup";
    const size_t before = Messages.size();
    form.Action(TCommand::ReplaceSetupMeasures)->trigger();
    ASSERT_GT(Messages.size(), before);
    EXPECT_TRUE(Messages.back().startsWith("If you are going to change the other's material")) << Messages.back().toStdString();
    EXPECT_TRUE(std::filesystem::exists(Dir / "tune with setup.mid"));

    // A save of a user drum set whose replace question is answered Cancel leaves no progress of
    // its collection behind it.
    form.Document().Image().SetUserDrumValue(1, 60, 70, 1);
    const std::string existing = Dir / "set.1ug";
    std::ofstream(existing) << "older";
    form.Hooks.Select = [](const TSelectRequest&) { return std::optional<int>(0); };
    form.Hooks.SaveName = [&](const QString&, const QString&, const QString&) { return QString::fromStdString(existing); };
    Answer = QMessageBox::Cancel;
    EXPECT_FALSE(form.Files().SaveObject(TSetupFileKind::OneUserDrum));
    QApplication::processEvents();
    EXPECT_FALSE(form.StatusArea().ProgressBar()->isVisible());
    EXPECT_FALSE(form.StatusArea().Text().contains("User Drum")) << form.StatusArea().Text().toStdString();
    Answer = QMessageBox::Ok;

    // A definition file the settings name but the folder lacks stops both commands.
    EXPECT_EQ(windows, 1) << "the window opened although the definition file is there";
    Ini().WriteString("setting", "current scd", "mine.scd");
    form.Hooks.SmfCustom = [&windows]() -> std::optional<TOrderList> {
        ++windows;
        return std::nullopt;  // Cancel
    };
    EXPECT_FALSE(form.Files().ExportSmfCommand());
    EXPECT_EQ(windows, 2) << "the composition window did not open";
    EXPECT_TRUE(Messages.back().startsWith("Specified SMF definition file is not found.")) << Messages.back().toStdString();
}

TEST(CustomFileWindow, TheListHoldsSixGroupsAndSixtyFourPartsAndGivesBackTheChoice) {
    QStringList labels;
    for (int n = 0; n < 64; ++n) labels << QString("%1%2 Piano 1").arg(QChar('A' + n / 16)).arg(n % 16 + 1);
    for (TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        TCustomFile dialog(language, labels, false);
        ASSERT_EQ(dialog.List()->count(), 70);
        EXPECT_EQ(dialog.List()->item(0)->text(), "Master");
        EXPECT_EQ(dialog.List()->item(5)->text(), "Insertion");
        EXPECT_EQ(dialog.List()->item(6)->text(), "A1 Piano 1");
        EXPECT_EQ(dialog.List()->item(69)->text(), "D16 Piano 1");
        TCustomChoice choice;
        choice.Selection.Groups[2] = true;
        choice.Selection.GlobalParts = {1, 64};
        choice.Comment = "memo";
        dialog.SetChoice(choice);
        const TCustomChoice back = dialog.Choice();
        EXPECT_TRUE(back.Selection.Groups[2]);
        EXPECT_FALSE(back.Selection.Groups[0]);
        EXPECT_EQ(back.Selection.GlobalParts, (std::vector<int>{1, 64}));
        EXPECT_EQ(back.Comment, "memo");
        EXPECT_TRUE(dialog.Note()->text().startsWith(language == TLanguage::English ? "When the selected part is Drum" : "Drum ModeのPart"));
        dialog.show();
        QApplication::processEvents();
        const std::string suffix = language == TLanguage::English ? "en" : "ja";
        dialog.grab().save(QString::fromStdString(std::string(VEKA_ARTIFACT_DIR) + "/custom_file_" + suffix + ".png"));
        // Shown after an open: the same items, read only, closed with Close.
        TCustomFile view(language, labels, true);
        view.SetChoice(choice);
        EXPECT_TRUE(view.List()->item(2)->isSelected());
        EXPECT_TRUE(view.List()->item(69)->isSelected());
        EXPECT_TRUE(view.Memo()->isReadOnly());
        EXPECT_TRUE(view.Buttons()->button(QDialogButtonBox::Close));
        EXPECT_FALSE(view.Buttons()->button(QDialogButtonBox::Ok));
    }
}

}  // namespace
}  // namespace veka::test
