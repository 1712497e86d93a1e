// The main window on the virtual module: the start-up order and its messages, the close
// sequence's keys, New, Send All, the copy button, the caption switch, the managed windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <set>

#include "midi/midi_devices.h"
#include "midi/midi_session.h"
#include "midi/virtual_module.h"
#include "app/led_panel.h"
#include "app/main_window.h"
#include "app/toolbar_icons.h"
#include "ui/main_window_fixture.h"
#include "app/communication_menu.h"
#include "app/file_menu.h"
#include "app/managed_windows.h"
#include "app/status_area.h"
#include "app/toolbars.h"

namespace veka {
namespace {

using MainWindowTest = test::TMainWindowFixture;

TEST_F(MainWindowTest, StartsWithStoredPortsAndResetsTheModule) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    EXPECT_TRUE(Messages.empty()) << Messages.front().toStdString();
    EXPECT_EQ(PortDialogs, 0);
    EXPECT_FALSE(Ini().ReadBool("setting", "perfect finish", true));  // running
    EXPECT_TRUE(form.Document().Session().Transmitter.Port(0).IsOpen());
    EXPECT_TRUE(form.Document().Session().Transmitter.Port(1).IsOpen());
    EXPECT_FALSE(form.Document().Session().Transmitter.Port(2).IsOpen());
    EXPECT_TRUE(form.Document().Session().Input.IsOpen());
    // Option 2 is on by default: New with sending ran at start.
    EXPECT_EQ(form.Toolbars().HexText().toStdString(), "F0 41 10 42 12 40 00 7F 00 41 F7");
    ASSERT_FALSE(form.Document().Session().Transmitter.History.Entries().empty());
    EXPECT_EQ(form.Document().Session().Transmitter.History.Entries().back().Name, "Init");
    EXPECT_FALSE(form.Document().Changed());
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01");
    // Lamps: ports in use green, the others in the window colour.
    EXPECT_EQ(form.Toolbars().Lamp(1)->Colour(), QColor(0, 255, 0));  // flashed by the part messages
    for (int tick = 0; tick < 5; ++tick) form.Toolbars().Lamp(1)->Tick();
    form.RefreshLamps();
    EXPECT_EQ(form.Toolbars().Lamp(1)->Colour(), QColor(0, 128, 0));
    EXPECT_EQ(form.Toolbars().Lamp(2)->Colour(), form.Toolbars().Lamp(2)->palette().color(QPalette::Window));
    // The reset and then a tone map and a program message for every part of both ports.
    auto module = TMidiDevices::Instance().VirtualModule();
    ASSERT_TRUE(module);
    EXPECT_EQ(module->Received(0).size(), 1u + 16u * 2u);
    EXPECT_EQ(module->Received(1).size(), 16u * 2u);
}

TEST_F(MainWindowTest, UncleanEndIsReportedFirstAndMissingSettingsOpenThePortDialog) {
    TSettings(Dir / "Veka.ini").WriteBool("setting", "perfect finish", false);
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.front().startsWith(Message(43, TLanguage::English)));
    EXPECT_TRUE(Messages.front().endsWith(QString::fromStdString(Dir.Path.string()))) << Messages.front().toStdString();
    EXPECT_EQ(PortDialogs, 1);  // no stored output for Port A
}

TEST_F(MainWindowTest, AnotherInputDeviceThanLastTimeIsReported) {
    WriteCompleteSettings();
    Ini().WriteString("midiport", "driver name : in", "Some Other Interface");
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], Message(68, TLanguage::English));
    EXPECT_EQ(PortDialogs, 1);
}

TEST_F(MainWindowTest, CloseSequenceWritesWindowsSettingsAndCleanEnd) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.show();
    TManagedSubWindow* history = form.Windows().OpenOrBringForward(wnSysxHistory);
    ASSERT_TRUE(history);
    history->setGeometry(30, 40, 500, 300);
    // Changed data with Cancel: nothing happens.
    form.Document().MarkChanged();
    EXPECT_TRUE(form.windowTitle().endsWith('*'));
    Answer = QMessageBox::Cancel;
    EXPECT_FALSE(form.close());
    EXPECT_EQ(Messages.back(), Message(28, TLanguage::English));
    EXPECT_FALSE(Ini().ReadBool("setting", "perfect finish", true));
    EXPECT_EQ(Ini().ReadInteger("form", "Win#10", -1), -1);
    // No: the close goes through in order.
    Answer = QMessageBox::No;
    EXPECT_TRUE(form.close());
    TSettings ini = Ini();
    EXPECT_EQ(ini.ReadInteger("form", "Win#10", -1), 1);
    for (int n = 1; n < 10; ++n) EXPECT_EQ(ini.ReadInteger("form", "Win#" + std::to_string(n), -1), 0) << n;
    TWindowPosition place;
    ini.WindowPosition("SysxHistoryDialog", 'R', place);
    EXPECT_EQ(place, (TWindowPosition{500, 300, 40, 30}));
    EXPECT_TRUE(ini.ReadBool("setting", "perfect finish", false));
    EXPECT_EQ(ini.ReadInteger("midiport", "midiout 1", -1), PortB);
    EXPECT_FALSE(form.Document().Session().Input.IsOpen());
}

TEST_F(MainWindowTest, NewAsksBeforeDroppingChangesAndResetsTheImage) {
    WriteCompleteSettings();
    Ini().WriteBool("other option", "2", false);
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    EXPECT_TRUE(form.Document().Session().Transmitter.History.Entries().empty());  // no reset at start
    form.Document().Image().SetPartValue(0, 3, 50, ppVolume);
    Answer = QMessageBox::Cancel;
    form.Files().FileNew();
    EXPECT_EQ(form.Document().Image().Part(0, 3, ppVolume).Value, 50);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01 *");
    Answer = QMessageBox::No;
    form.Files().FileNew();
    EXPECT_EQ(Messages.back(), Message(63, TLanguage::English));
    EXPECT_EQ(form.Document().Image().Part(0, 3, ppVolume).Value, form.Document().Image().Part(0, 3, ppVolume).Default);
    EXPECT_EQ(form.windowTitle().toStdString(), "Veka 4.01");
}

TEST_F(MainWindowTest, SendAllReportsSuccessAndAVanishedDevice) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.Communication().SendAllCommand(false);
    EXPECT_EQ(Messages.back(), Message(100, TLanguage::English));
    form.Document().Session().Transmitter.Port(0).Close();  // as when the interface is unplugged
    form.Communication().SendAllCommand(false);
    EXPECT_TRUE(Messages.back().startsWith(Message(90, TLanguage::English)));
    form.Communication().PanicCommand();  // skips the closed port, reaches Port B
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(MainWindowTest, CopyButtonDropsF0AndF7WithOption5) {
    WriteCompleteSettings();
    Ini().WriteBool("other option", "5", true);
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    ASSERT_EQ(form.Toolbars().HexText().toStdString(), "F0 41 10 42 12 40 00 7F 00 41 F7");
    form.Toolbars().Button(TToolButton::Copy)->click();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "41 10 42 12 40 00 7F 00 41");
}

TEST_F(MainWindowTest, MenusAreCompleteAndOnlyBuiltCommandsAreEnabled) {
    WriteCompleteSettings();
    Options.SystemJapanese = true;
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    const auto menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 8);
    EXPECT_EQ(menus[0]->text(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(menus[1]->text(), QString::fromUtf8("編集(&E)"));
    EXPECT_EQ(menus[4]->text(), QString::fromUtf8("曲(&S)"));
    EXPECT_EQ(menus[7]->text(), QString::fromUtf8("ﾍﾙﾌﾟ(&H)"));
    // Play asks for a song when there is none; what needs a song waits for one.
    EXPECT_TRUE(form.Action(TCommand::SongPlay)->isEnabled());
    EXPECT_TRUE(form.Action(TCommand::SongOpen)->isEnabled());
    for (TCommand c : {TCommand::SongStop, TCommand::SongLoop, TCommand::SongReadLast, TCommand::SongClearMix})
        EXPECT_FALSE(form.Action(c)->isEnabled()) << int(c);
    EXPECT_EQ(form.Action(TCommand::SendAll)->text(), QString::fromUtf8("全て送信"));
    // Replace Setup Measures waits for a song read first.
    EXPECT_FALSE(form.Action(TCommand::ReplaceSetupMeasures)->isEnabled());
    for (TCommand c : {TCommand::OtherOptions, TCommand::Font, TCommand::ShortcutKeys, TCommand::New, TCommand::SendAll, TCommand::Panic, TCommand::MidiPortSetup,
                       TCommand::SysxHistory, TCommand::About, TCommand::ContactForm, TCommand::ViewPart,
                       TCommand::CustomizePartWindow, TCommand::ViewMaster, TCommand::ViewDisplay, TCommand::ViewPatch, TCommand::ViewEffect,
                       TCommand::ViewDrum, TCommand::ViewUserDrum, TCommand::ViewMatrix, TCommand::KeyboardWindow,
                       TCommand::DataRequest, TCommand::Open, TCommand::SaveOnePart, TCommand::ExportSysxInsertion})
        EXPECT_TRUE(form.Action(c)->isEnabled()) << int(c);
    EXPECT_TRUE(form.Toolbars().Button(TToolButton::Part)->isEnabled());
    EXPECT_TRUE(form.Toolbars().Button(TToolButton::Drum)->isEnabled());
    EXPECT_TRUE(form.Toolbars().Button(TToolButton::Keyboard)->isEnabled());
    EXPECT_TRUE(form.Toolbars().Button(TToolButton::MidiPort)->isEnabled());
}

TEST_F(MainWindowTest, CaptionSwitchShowsLabelsByScreenWidth) {
    EXPECT_EQ(ToolButtonLabel(TToolButton::Drum, TLanguage::Japanese, 1024), QString::fromUtf8("ﾄﾞﾗﾑ"));
    EXPECT_EQ(ToolButtonLabel(TToolButton::Drum, TLanguage::Japanese, 1280), QString::fromUtf8("ドラム"));
    EXPECT_EQ(ToolButtonLabel(TToolButton::UserDrum, TLanguage::English, 1280), "U.Drum");
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    QToolButton* part = form.Toolbars().Button(TToolButton::Part);
    EXPECT_EQ(part->toolTip(), "Part Window");
    EXPECT_EQ(part->size(), QSize(32, 32));
    form.Toolbars().SetButtonCaptions(true);
    EXPECT_EQ(part->text(), "Part");
    EXPECT_TRUE(part->toolTip().isEmpty());
    EXPECT_GE(part->height(), 36);
    form.Toolbars().SetButtonCaptions(false);
    EXPECT_TRUE(part->text().isEmpty());
}

TEST_F(MainWindowTest, ManagedWindowIsBroughtForwardNotCreatedTwice) {
    WriteCompleteSettings();
    TSettings ini = Ini();
    TWindowPosition absurd{-5, 400, 99999, -20};  // width, height, top, left
    ini.WindowPosition("SysxHistoryDialog", 'W', absurd);
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.resize(800, 600);
    form.show();
    TManagedSubWindow* first = form.Windows().OpenOrBringForward(wnSysxHistory);
    ASSERT_TRUE(first);
    // Negative values read as 100; a place far below the area is brought back inside it.
    EXPECT_EQ(first->x(), 100);
    EXPECT_LT(first->y(), form.MdiArea()->viewport()->height());
    first->showMinimized();
    EXPECT_EQ(form.Windows().OpenOrBringForward(wnSysxHistory), first);
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(form.MdiArea()->subWindowList().size(), 1);
    form.Windows().CloseAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form.Windows().Window(wnSysxHistory), nullptr);

    // Ctrl+F4 closes the active window and only that one.
    TManagedSubWindow* part = form.Windows().OpenOrBringForward(wnPart);
    TManagedSubWindow* master = form.Windows().OpenOrBringForward(wnMaster);
    ASSERT_TRUE(part && master);
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    form.MdiArea()->setActiveSubWindow(master);
    QTest::keyClick(&form, Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form.Windows().Window(wnMaster), nullptr);
    EXPECT_EQ(form.Windows().Window(wnPart), part);
}

TEST_F(MainWindowTest, SaveAsAsksBeforeReplacingAFileTypedWithoutItsExtension) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    const std::filesystem::path existing = Dir / "song.ga4";
    {
        std::ofstream old(existing, std::ios::binary);
        old << "the user's earlier setup";
    }
    const auto content = [&] {
        std::ifstream in(existing, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    // A setup of nothing but defaults has nothing to store.
    form.Hooks.SaveName = [&](const QString&, const QString&, const QString&) -> QString {
        ADD_FAILURE() << "asked for a name with nothing to save";
        return {};
    };
    EXPECT_FALSE(form.Files().SaveAllData());
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().startsWith("The data is not changed."));
    form.Document().Image().SetSystemValue(2, 90);
    // No goes back to the dialog at the name declined; Cancel there ends the save.
    std::vector<QString> starts;
    form.Hooks.SaveName = [&](const QString&, const QString& start, const QString&) {
        starts.push_back(start);
        return starts.size() == 1 ? QString::fromStdString(Dir / "song") : QString();  // typed without ".ga4"
    };
    const size_t before = Messages.size();
    Answer = QMessageBox::No;
    EXPECT_FALSE(form.Files().SaveAllData());
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[1], QString::fromStdString(Dir / "song.ga4"));
    ASSERT_EQ(Messages.size(), before + 1);
    EXPECT_TRUE(Messages.back().contains("song.ga4"));
    EXPECT_EQ(content(), "the user's earlier setup");
    form.Hooks.SaveName = [&](const QString&, const QString&, const QString&) {
        return QString::fromStdString(Dir / "song");
    };
    // Yes replaces it with the setup; a new name asks nothing.
    Answer = QMessageBox::Yes;
    EXPECT_TRUE(form.Files().SaveAllData());
    EXPECT_EQ(content().substr(0, 6), "Veka40");
    form.Hooks.SaveName = [&](const QString&, const QString&, const QString&) {
        return QString::fromStdString(Dir / "fresh");
    };
    EXPECT_TRUE(form.Files().SaveAllData());
    EXPECT_EQ(Messages.size(), before + 2);
    EXPECT_TRUE(std::filesystem::exists(Dir / "fresh.ga4"));
    EXPECT_TRUE(form.FileName().endsWith("fresh.ga4"));
}

TEST_F(MainWindowTest, TheStatusBarSaysWhichModuleAndOutputsAreEditedAndThatPanicWasSent) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(form.StatusArea().ModuleText(),
              QString::fromUtf8("SC-8850 · A: Virtual Module Port A · B: Virtual Module Port B"));
    form.Document().Session().Transmitter.Port(1).Close();
    form.RefreshAll();
    EXPECT_EQ(form.StatusArea().ModuleText(), QString::fromUtf8("SC-8850 · A: Virtual Module Port A · B: -"));
    EXPECT_EQ(ModuleStatusText(1, {"X"}), QString::fromUtf8("SC-88 · A: X"));
    form.Communication().PanicCommand();
    EXPECT_TRUE(form.StatusArea().Text().contains("All Sound Off")) << form.StatusArea().Text().toStdString();
}

TEST_F(MainWindowTest, APortThatGoesShowsAsGoneAndOnceBackItsModuleIsOfferedWhatItMissed) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    const auto module = TMidiDevices::Instance().VirtualModule();
    module->Unplug(1);
    form.Document().Image().SetPartValue(1, 4, 45, ppVolume);  // an edit finds the port gone
    EXPECT_TRUE(form.Toolbars().Lamp(1)->Gone());
    EXPECT_FALSE(form.Toolbars().Lamp(0)->Gone());
    EXPECT_EQ(form.Toolbars().Lamp(1)->toolTip(), "Port B (gone)");
    form.Toolbars().Lamp(1)->Flash();  // a gone port's lamp does not light
    EXPECT_EQ(form.Toolbars().Lamp(1)->Colour(), QColor(64, 64, 64));
    EXPECT_EQ(form.StatusArea().ModuleText(),
              QString::fromUtf8("SC-8850 · A: Virtual Module Port A · B: Virtual Module Port B (gone, 1 not heard)"));
    EXPECT_TRUE(form.StatusArea().Text().contains("Port B (Virtual Module Port B) is gone."))
        << form.StatusArea().Text().toStdString();

    std::vector<TSelectRequest> asked;
    form.Hooks.Select = [&asked](const TSelectRequest& request) -> std::optional<int> {
        asked.push_back(request);
        return 0;  // the values that differ
    };
    module->Plug(1);
    EXPECT_TRUE(form.Document().Session().LookAtPorts());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Title, "Port B (Virtual Module Port B) is back.");
    EXPECT_FALSE(form.Toolbars().Lamp(1)->Gone());
    EXPECT_EQ(form.StatusArea().ModuleText(),
              QString::fromUtf8("SC-8850 · A: Virtual Module Port A · B: Virtual Module Port B"));
    const auto& volume = form.Document().Image().Part(1, 4, ppVolume).Address.Bytes;
    EXPECT_EQ(module->Memory(1, volume[0], volume[1], volume[2]), 45);
    EXPECT_TRUE(form.StatusArea().Text().contains("1 value sent.")) << form.StatusArea().Text().toStdString();
}

TEST_F(MainWindowTest, QuittingAtTheFirstStartsPortDialogIsAnOrderlyEnd) {
    TVekaMainForm& form = Make();  // no Veka.ini: nothing set up
    form.Hooks.QuitOffer = [] { return true; };
    EXPECT_FALSE(form.Create());
    EXPECT_TRUE(form.QuitRequested());
    EXPECT_EQ(PortDialogs, 1);
    EXPECT_TRUE(Ini().ReadBool("setting", "perfect finish", false));
}

TEST_F(MainWindowTest, AFirstStartLeavesRoomForTheFrameAndEditorWindowsReturnWhereTheyWere) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LT(form.height(), screen.height());  // the desktop's size, less a frame
    EXPECT_LT(form.width(), screen.width());
    form.show();
    QApplication::processEvents();
    TManagedSubWindow* part = form.Windows().Window(wnPart);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->pos(), QPoint(0, 0));  // never placed: its corner
    part->move(200, 150);
    Answer = QMessageBox::No;
    ASSERT_TRUE(form.close());
    Form.reset();
    TVekaMainForm& again = Make();
    ASSERT_TRUE(again.Create());
    again.show();
    QApplication::processEvents();
    ASSERT_TRUE(again.Windows().Window(wnPart));
    EXPECT_EQ(again.Windows().Window(wnPart)->pos(), QPoint(200, 150));
}

TEST_F(MainWindowTest, SendAllShowsABarAndTheStopButtonEndsItSayingHowFarItCame) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.show();
    bool barShown = false, stopShown = false;
    QTimer::singleShot(700, &form, [&] {  // past the reset pause, during the transmission's waits
        barShown = form.StatusArea().ProgressBar()->isVisible();
        stopShown = form.StatusArea().StopButton()->isVisible();
        form.StatusArea().StopButton()->click();
    });
    const size_t before = Messages.size();
    form.Communication().SendAllCommand(true);
    EXPECT_TRUE(barShown);
    EXPECT_TRUE(stopShown);
    EXPECT_EQ(Messages.size(), before);  // no "finished" box
    EXPECT_TRUE(form.StatusArea().Text().startsWith("Send All stopped: ")) << form.StatusArea().Text().toStdString();
    EXPECT_FALSE(form.StatusArea().ProgressBar()->isVisible());
    EXPECT_FALSE(form.StatusArea().StopButton()->isVisible());
    EXPECT_TRUE(form.menuBar()->isEnabled());
}

TEST(ToolbarIcons, TheDisabledFormIsGreyAndFaint) {
    const QIcon icon = ToolbarIcon(TToolIcon::Drum);
    const QImage normal = icon.pixmap(32, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = icon.pixmap(32, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(normal.size(), disabled.size());
    int coloured = 0, opaque = 0;
    for (int y = 0; y < disabled.height(); ++y)
        for (int x = 0; x < disabled.width(); ++x) {
            const QRgb d = disabled.pixel(x, y);
            if (qRed(d) != qGreen(d) || qGreen(d) != qBlue(d)) ++coloured;
            if (qAlpha(d) > 110) ++opaque;
            EXPECT_LE(qAlpha(d), qAlpha(normal.pixel(x, y)));
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_EQ(opaque, 0);
}

TEST(WindowDescriptors, OneEntryPerSlotWithItsOwnNameLayoutCodeAndCommand) {
    const auto& table = WindowDescriptors();
    std::set<std::string> names;
    std::set<int> codes, ranks;
    std::set<TCommand> commands;
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].Number, int(i) + 1);
        names.insert(table[i].Name);
        codes.insert(table[i].LayoutCode);
        ranks.insert(table[i].CloseRank);
        commands.insert(table[i].Command);
    }
    EXPECT_EQ(names.size(), size_t(wnCount));
    EXPECT_EQ(commands.size(), size_t(wnCount));
    // The layout files know ten windows; the compare window has no record there.
    EXPECT_EQ(codes, (std::set<int>{-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(DescriptorOf(wnCompare)->LayoutCode, -1);
    EXPECT_EQ(ranks.size(), size_t(wnCount));
    EXPECT_STREQ(ManagedWindowName(wnSysxHistory), "SysxHistoryDialog");
    EXPECT_EQ(DescriptorOfLayoutCode(8)->Number, wnSysxHistory);  // the layout files' own numbering
    EXPECT_EQ(DescriptorOfLayoutCode(9)->Number, wnMaster);
    EXPECT_EQ(DescriptorOf(0), nullptr);
    EXPECT_EQ(DescriptorOfLayoutCode(10), nullptr);
}

}  // namespace
}  // namespace veka
