// The Effect window in a main window on the virtual module: the pages and their rows, macros
// and insertion types reaching the module, the value texts of the title, the send grid linked
// with the part window, the insertion pages of a module without them, presets in and out, the
// chorus blink, and pictures of every page in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <fstream>

#include "image_writer/image_writer.h"
#include "windows/bookmark_menu.h"
#include "widgets/edge_font_panel.h"
#include "widgets/effect_pictures.h"
#include "windows/effect_window.h"
#include "windows/part_window.h"
#include "widgets/veka_grid.h"
#include "midi/pump_wait.h"
#include "module/setup_file.h"
#include "ui/main_window_fixture.h"
#include "app/managed_windows.h"
#include "app/status_area.h"
#include "windows/window_services.h"

namespace veka::test {
namespace {

class EffectWindowTest : public TMainWindowFixture {
protected:
    // A started main window with the effect window open; the module reset at start is off,
    // so only what the window sends reaches the module, and every pause passes at once.
    TEffectWindow& Open(bool japanese = false) {
        Clock.Process = [] { QApplication::processEvents(); };
        Options.Wait = &Clock;
        Ini().WriteBool("other option", "2", false);
        TEffectWindow& window = OpenManaged<TEffectWindow>(wnEffect, japanese);
        Module()->ClearReceived();
        return window;
    }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    uint8_t SystemByte(int number) {
        const auto a = Form->Document().Image().System(number).Address.Bytes;
        return Module()->Memory(0, a[0], a[1], a[2]);
    }
    QString Title(TEffectWindow& window) { return window.TitlePanel()->Caption(); }
    void Click(TEffectWindow& window, int row) {
        window.Grid()->SetFocusCell(1, row);
        window.VekaGrid1Click();
    }
    // The system parameter numbers of the messages the module received, in order.
    std::vector<int> ReceivedNumbers() {
        const TVGS& image = Form->Document().Image();
        std::vector<int> numbers;
        for (const auto& message : Module()->Received(0)) {
            if (message.size() < 9) continue;
            for (int n = 1; n <= kSystemParameterCount; ++n) {
                const auto& a = image.System(n).Address.Bytes;
                if (message[5] == a[0] && message[6] == a[1] && message[7] == a[2]) numbers.push_back(n);
            }
        }
        return numbers;
    }
    TFakePumpWait Clock;
};

TEST_F(EffectWindowTest, EveryPageShowsItsBlockItsChooserAndItsSends) {
    TEffectWindow& window = Open();
    TVGS& image = Form->Document().Image();
    ASSERT_EQ(window.Pages()->count(), 6);
    EXPECT_EQ(window.Pages()->tabText(5), "Insertion Sub");
    struct TExpected {
        int Page, Rows, Chooser, First, Send;
        const char* FirstEntry;
    };
    for (const TExpected& e : {TExpected{0, 7, 8, 6, 18, "Room 1"}, TExpected{1, 9, 8, 13, 17, "Chorus 1"},
                               TExpected{2, 11, 10, 22, 20, "Delay 1"}, TExpected{3, 5, 0, 32, 22, nullptr},
                               TExpected{5, 9, 0, 57, 24, nullptr}}) {
        SCOPED_TRACE(e.Page);
        TImageWriter(image).Part(0, 5, e.Send).Value = 77;
        window.TabControl1Change(e.Page);
        EXPECT_EQ(window.Grid()->RowCount(), e.Rows);
        EXPECT_EQ(window.Grid()->GetCell(1, 0).Text, "Value");
        EXPECT_EQ(window.NumberOfRow(1), e.First);
        EXPECT_EQ(window.Grid()->GetCell(0, 1).Text, std::string(image.System(e.First).Name));
        EXPECT_EQ(window.Grid()->GetCellValue(1, 1), image.System(e.First).Value);
        EXPECT_EQ(window.Chooser()->count(), e.Chooser);
        EXPECT_EQ(window.Chooser()->isVisible(), e.Chooser > 0);
        if (e.FirstEntry) {
            EXPECT_EQ(window.Chooser()->itemText(0), e.FirstEntry);
        }
        EXPECT_EQ(window.SendGrid()->GetCell(1, 0).Text, "Send");
        EXPECT_EQ(window.SendGrid()->GetCell(0, 9).Text, " 9");
        EXPECT_EQ(window.SendGrid()->GetCellValue(1, 5), 77);
        EXPECT_EQ(window.SendGrid()->GetCell(1, 5).Link.Index, e.Send);
        EXPECT_EQ(window.PresetList()->isVisible(), e.Page != 5);
        EXPECT_EQ(Title(window), window.Pages()->tabText(e.Page));
        EXPECT_TRUE(window.StatusText().isEmpty());
    }
    // The chooser shows the stored macro.
    TImageWriter(image).System(21).Value = 4;
    window.TabControl1Change(2);
    EXPECT_EQ(window.Chooser()->currentText(), "Pan Delay 1");
}

TEST_F(EffectWindowTest, AMacroChoiceSendsItsDetailsThenTheMacro) {
    TEffectWindow& window = Open();
    window.TabControl1Change(1);
    window.Chooser()->setCurrentIndex(5);
    window.cbMacroChange(5);  // "Flanger"
    TVGS& image = Form->Document().Image();
    EXPECT_EQ(image.System(12).Value, 5);
    const std::vector<int> numbers = ReceivedNumbers();
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.back(), 12);  // the macro last
    for (int n = 13; n <= 20; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(SystemByte(n), image.System(n).Value);
        EXPECT_EQ(image.System(n).Default, image.System(n).Value);  // the macro's own value
        EXPECT_EQ(window.Grid()->GetCellValue(1, n - 12), image.System(n).Value);
    }
    EXPECT_EQ(SystemByte(12), 5);
    EXPECT_EQ(window.Grid()->Row(), 1);
    EXPECT_TRUE(Form->Document().Changed());
}

TEST_F(EffectWindowTest, AnInsertionTypeBringsItsOwnRowsAndATypeWithoutParametersHidesTheGrid) {
    TEffectWindow& window = Open();
    TVGS& image = Form->Document().Image();
    window.TabControl1Change(4);
    EXPECT_EQ(window.ChooserLabel()->text(), "Type ");
    ASSERT_EQ(window.Chooser()->count(), int(image.Data().InsertionTypes().size()));
    EXPECT_EQ(window.Chooser()->currentText(), "Thru");  // type 0: nothing to set
    EXPECT_FALSE(window.Grid()->isVisible());

    const int stereoEq = image.Data().InsertionIndexOf(1, 0);
    ASSERT_GE(stereoEq, 0);
    window.cbMacroChange(stereoEq);
    EXPECT_EQ(image.System(36).Value, 128);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x03, 0x00), 1);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x03, 0x01), 0);
    ASSERT_TRUE(window.Grid()->isVisible());
    const auto& parameters = image.InsertionParameters();
    ASSERT_EQ(window.Grid()->RowCount(), int(parameters.size()) + 1);
    EXPECT_EQ(window.Grid()->GetCell(0, 1).Text, parameters[0].Name);
    EXPECT_EQ(window.NumberOfRow(1), parameters[0].Slot + 36);
    EXPECT_EQ(window.Grid()->GetCell(1, 1).Max, parameters[0].Max);
    // An edit of a type's parameter goes to its slot.
    const int number = window.NumberOfRow(2);
    window.Grid()->SetFocusCell(1, 2);
    window.Grid()->SetCellValue(1, 2, window.Grid()->GetCell(1, 2).Min);
    EXPECT_EQ(image.System(number).Value, window.Grid()->GetCell(1, 2).Min);
    EXPECT_EQ(SystemByte(number), image.System(number).Value);

    // A type the definition file does not hold, read from elsewhere: no entry, no rows.
    TImageWriter(image).System(36).Value = 127 * 128 + 127;
    image.LoadInsertionType(127, 127);
    window.RefreshFromImage();
    EXPECT_EQ(window.Chooser()->currentIndex(), -1);
    EXPECT_FALSE(window.Grid()->isVisible());
}

TEST_F(EffectWindowTest, TheTitleShowsEachValueAsTheModuleMeansIt) {
    TEffectWindow& window = Open();
    TVGS& image = Form->Document().Image();
    TImageWriter(image).System(23).Value = 50;   // 15 ms
    TImageWriter(image).System(24).Value = 12;   // 50 %
    TImageWriter(image).System(30).Value = 40;
    window.TabControl1Change(2);
    Click(window, 2);
    EXPECT_EQ(Title(window), "Delay Time Center : 15.00ms");
    EXPECT_EQ(window.StatusText(), "Adjust the delay time of the centre tap.");
    Click(window, 3);
    EXPECT_EQ(Title(window), "Delay Time Ratio Left : 50% (7.50ms)");
    Click(window, 9);
    EXPECT_EQ(Title(window), "Delay Feedback : -24");
    Click(window, 5);
    EXPECT_EQ(Title(window), "Delay Level Center : 127");

    TImageWriter(image).System(34).Value = 1;
    TImageWriter(image).System(35).Value = 70;
    window.TabControl1Change(3);
    Click(window, 1);
    EXPECT_EQ(Title(window), "EQ Low Freq : 200Hz");
    Click(window, 3);
    EXPECT_EQ(Title(window), "EQ High Freq : 6KHz");
    Click(window, 4);
    EXPECT_EQ(Title(window), "EQ High Gain : +6");

    // An insertion parameter under its type's name with its text kind.
    const int type = image.Data().InsertionIndexOf(1, 0);
    window.TabControl1Change(4);
    window.cbMacroChange(type);
    for (int row = 1; row < window.Grid()->RowCount(); ++row) {
        const TInsertionParameterRecord& rec = image.InsertionParameters()[size_t(row - 1)];
        if (rec.TextKind.rfind("balance", 0) != 0 && rec.TextKind.rfind("pan", 0) != 0) continue;
        window.Grid()->SetFocusCell(1, row);
        window.Grid()->SetCellValue(1, row, 64);
        window.VekaGrid1Click();
        EXPECT_EQ(Title(window), QString::fromStdString(rec.Name) +
                                     (rec.TextKind.rfind("pan", 0) == 0 ? " : Center" : " : Dry = Effect"));
    }
    EXPECT_EQ(window.StatusText(), QString::fromStdString(SystemHelpText(window.NumberOfRow(window.Grid()->Row()),
                                                                          TLanguage::English)));
}

TEST_F(EffectWindowTest, TheSendGridAndThePartWindowFollowEachOther) {
    TEffectWindow& window = Open();
    TVGS& image = Form->Document().Image();
    auto* sub = Form->Windows().OpenOrBringForward(wnPart);
    ASSERT_TRUE(sub);
    auto& part = *qobject_cast<TPartWindow1*>(sub->widget());
    window.TabControl1Change(0);
    // A send set here reaches the module, the image and the part window's column.
    window.SendGrid()->SetFocusCell(1, 3);
    window.VekaGrid2Click();
    EXPECT_EQ(Form->Services().Edit.CurrentPart(), 3);
    window.SendGrid()->SetCellValue(1, 3, 99);
    EXPECT_EQ(image.Part(0, 3, 18).Value, 99);
    int reverbCol = -1;
    for (int col = 0; col < part.Grid()->ColCount(); ++col)
        if (part.Grid()->GetCell(col, 0).Link.Index == 18) reverbCol = col;
    ASSERT_GE(reverbCol, 0);
    EXPECT_EQ(part.Grid()->GetCellValue(reverbCol, 3), 99);
    EXPECT_EQ(Title(window), "Reverb Send Level : 99");
    ASSERT_FALSE(Module()->Received(0).empty());
    // And the other way round, and the part selection.
    part.Grid()->SetFocusCell(reverbCol, 7);
    part.Grid()->SetCellValue(reverbCol, 7, 12);
    EXPECT_EQ(window.SendGrid()->GetCellValue(1, 7), 12);
    Form->Services().Edit.SelectPart(11, nullptr);
    EXPECT_EQ(window.SendGrid()->Row(), 11);
    // Another port: the tabs and the sends of that port.
    TImageWriter(image).Part(1, 2, 18).Value = 5;
    window.TabControl2Change(1);
    EXPECT_EQ(Form->Services().Edit.CurrentPort(), 1);
    EXPECT_EQ(window.PortTabs()->currentIndex(), 1);
    EXPECT_EQ(window.SendGrid()->GetCellValue(1, 2), 5);
    window.SendGrid()->SetFocusCell(1, 2);
    window.SendGrid()->SetCellValue(1, 2, 6);
    EXPECT_EQ(image.Part(1, 2, 18).Value, 6);
    EXPECT_EQ(image.Part(0, 2, 18).Value, 40);
}

TEST_F(EffectWindowTest, ValuesStoredElsewhereShowAndRedrawThePicture) {
    TEffectWindow& window = Open();
    window.TabControl1Change(3);
    const int top = EqBandCurve(4, 76, TMGeqGS::kHeight).Points.back().y();
    EXPECT_EQ(window.Equaliser()->PixelAt(10, top), Qt::black);
    Form->Document().Image().SetSystemValue(33, 76);  // the low shelf at +12 dB: the left edge rises
    EXPECT_EQ(window.Grid()->GetCellValue(1, 2), 76);
    EXPECT_EQ(window.Equaliser()->PixelAt(10, top), QColor(255, 255, 0));
    // A macro chosen elsewhere shows in the chooser.
    window.TabControl1Change(0);
    Form->Document().Image().ApplyMacro(0, 6);
    EXPECT_EQ(window.Chooser()->currentText(), "Delay");
}

TEST_F(EffectWindowTest, TheInsertionPagesRefuseWorkOnAModuleWithoutInsertionEffect) {
    TEffectWindow& window = Open(true);
    Form->Document().Image().SetModuleType(mtSC88);
    for (const int page : {4, 5}) {
        window.TabControl1Change(page);
        EXPECT_EQ(window.StatusText(), QString::fromUtf8("このﾍﾟｰｼﾞはSC-88Pro専用です"));
        EXPECT_FALSE(window.Grid()->isEnabled());
        EXPECT_FALSE(window.SendGrid()->isEnabled());
        EXPECT_FALSE(window.Chooser()->isEnabled());
    }
    window.cbMacroChange(3);
    EXPECT_TRUE(Module()->Received(0).empty());
    window.TabControl1Change(0);
    EXPECT_TRUE(window.StatusText().isEmpty());
    EXPECT_TRUE(window.Grid()->isEnabled());
    Form->Document().Image().SetModuleType(mtSC88Pro);
    window.TabControl1Change(4);
    EXPECT_TRUE(window.StatusText().isEmpty());
}

TEST_F(EffectWindowTest, APresetSavedAndLoadedBringsTheBlockBackAndSendsWhatDiffers) {
    TEffectWindow& window = Open();
    TVGS& image = Form->Document().Image();
    window.TabControl1Change(0);
    window.cbMacroChange(3);  // "Hall 1"
    window.Grid()->SetFocusCell(1, 3);
    window.Grid()->SetCellValue(1, 3, 100);  // Reverb Level
    QString asked;
    Form->Hooks.SaveName = [&](const QString&, const QString& folder, const QString& filter) {
        asked = filter;
        return QDir(folder).filePath("Big hall");
    };
    window.SaveButton()->click();
    EXPECT_EQ(asked, "Reverb (*.rev)");
    ASSERT_TRUE(std::filesystem::exists(Dir / "Big hall.rev"));
    ASSERT_EQ(window.PresetList()->count(), 1);
    EXPECT_EQ(window.PresetList()->currentText(), "Big hall.rev");

    // Elsewhere the block changes; the preset brings it back.
    image.ApplyMacro(0, 0);
    image.SetSystemValue(8, 3);
    image.SetSystemValue(2, 90);  // Master Volume differs from its default too
    Module()->ClearReceived();
    Clock.Waits.clear();
    window.cbPresetChange(0);
    EXPECT_EQ(image.System(5).Value, 3);
    EXPECT_EQ(image.System(8).Value, 100);
    EXPECT_EQ(window.Chooser()->currentText(), "Hall 1");
    EXPECT_EQ(window.Grid()->GetCellValue(1, 3), 100);
    for (int n = 5; n <= 11; ++n) EXPECT_EQ(SystemByte(n), image.System(n).Value) << n;
    // After the macro's own messages, exactly what differs from its default, each followed by
    // the "trans wait(ms)" pause of 5 ms.
    std::vector<int> numbers = ReceivedNumbers();
    const auto macro = std::find(numbers.begin(), numbers.end(), 5);
    ASSERT_NE(macro, numbers.end());
    std::vector<int> differing;
    for (int n = 1; n <= kSystemParameterCount; ++n)
        if (image.System(n).Value != image.System(n).Default) differing.push_back(n);
    EXPECT_EQ(differing, (std::vector<int>{2, 5, 8}));  // the macro, 3, is not the power-on one
    std::vector<int> sent(macro + 1, numbers.end());
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(std::vector<int>(sent.begin(), sent.begin() + 3), differing);
    EXPECT_EQ(std::count(Clock.Waits.begin(), Clock.Waits.end(), 5), 3);
    EXPECT_TRUE(Messages.empty());
    // What the status bar said while sending is gone once the preset is in.
    QApplication::processEvents();
    EXPECT_FALSE(Form->StatusArea().Text().contains("Sending Effect Data")) << Form->StatusArea().Text().toStdString();
}

TEST_F(EffectWindowTest, ABadPresetIsReportedAndChangesNothing) {
    TEffectWindow& window = Open();
    TVGS& image = Form->Document().Image();
    // A chorus preset renamed, a foreign file, one cut short, one with a level beyond its range.
    TImageWriter(image).System(14).Value = 90;
    ASSERT_TRUE(WriteEffectPreset(image, TSystemGroup::Chorus, Dir / "a chorus.rev").Ok());
    { std::ofstream(Dir / "b foreign.rev") << "RIFF and more bytes than ten"; }
    {
        std::ifstream in(Dir / "a chorus.rev", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(Dir / "c short.rev", std::ios::binary) << bytes.substr(0, bytes.size() - 5);
    }
    TVGS other(VEKA_TEST_DEFAULT_DIR);
    TImageWriter(other).System(8).Value = 300;
    ASSERT_TRUE(WriteEffectPreset(other, TSystemGroup::Reverb, Dir / "d loud.rev").Ok());
    window.TabControl1Change(1);
    window.TabControl1Change(0);
    ASSERT_EQ(window.PresetList()->count(), 4);
    const int32_t level = image.System(8).Value;
    for (int index : {0, 1, 2}) {
        SCOPED_TRACE(index);
        Messages.clear();
        Module()->ClearReceived();
        window.cbPresetChange(index);
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_EQ(Messages[0], index == 1 ? "This file is not for Veka." : "Found error in the data file.");
        EXPECT_EQ(image.System(8).Value, level);
        EXPECT_TRUE(Module()->Received(0).empty());
    }
    Messages.clear();
    window.cbPresetChange(3);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(image.System(8).Value, 127);
    EXPECT_EQ(SystemByte(8), 127);
}

TEST_F(EffectWindowTest, BookmarksNameSystemParametersAndJumpOnTheirPage) {
    TEffectWindow& window = Open();
    window.TabControl1Change(2);
    TBookmarkMenu& menu = *window.Bookmarks();
    menu.Prepare();  // never stored: row 36, which the delay page lacks
    EXPECT_FALSE(menu.Entry(0)->isVisible());
    window.Grid()->SetFocusCell(1, 9);  // Delay Feedback
    menu.RegisterCurrent();
    EXPECT_EQ(Ini().ReadInteger("EffectWindow bm", "bm2", 0), 30);
    EXPECT_EQ(menu.Entry(0)->text(), "30:Delay Feedback");
    window.Grid()->SetFocusCell(1, 1);
    menu.Choose(0);
    EXPECT_EQ(window.NumberOfRow(window.Grid()->Row()), 30);
    EXPECT_TRUE(window.TitlePanel()->Caption().startsWith("Delay Feedback : "));
}

TEST_F(EffectWindowTest, TheChorusWaveBlinksAtItsRateAndStopsAtZero) {
    TEffectWindow& window = Open();
    TVGS& image = Form->Document().Image();
    window.TabControl1Change(0);
    EXPECT_FALSE(window.Timer()->isActive());  // the blink belongs to the chorus page
    image.SetSystemValue(17, 127);
    window.TabControl1Change(1);
    ASSERT_TRUE(window.Timer()->isActive());
    EXPECT_EQ(window.Timer()->interval(), 65);  // 15.5 Hz
    Clock.Waits.clear();
    const QPoint at = window.ChorusPicture()->Wave()[30];
    window.Timer1Timer();
    EXPECT_EQ(Clock.TotalWaited(), 65 / 4);
    EXPECT_EQ(window.ChorusPicture()->PixelAt(at.x(), at.y()), QColor(0, 0, 255));
    // Rate 0: no timer, and the text says so.
    window.Grid()->SetFocusCell(1, 5);
    window.Grid()->SetCellValue(1, 5, 0);
    EXPECT_EQ(image.System(17).Value, 0);
    EXPECT_FALSE(window.Timer()->isActive());
    bool white = false;
    const TChorusPicture& picture = *window.ChorusPicture();
    for (int x = 10; x < 60; ++x)
        for (int y = TChorusPicture::kSize - 20; y < TChorusPicture::kSize; ++y)
            white = white || picture.PixelAt(x, y) == QColor(Qt::white);
    EXPECT_TRUE(white);
    EXPECT_EQ(TChorusPicture::RateHz(0), 0.0);
    // A rate set back, then the window hidden: the timer stops with it.
    image.SetSystemValue(17, 30);
    EXPECT_TRUE(window.Timer()->isActive());
    EXPECT_EQ(window.Timer()->interval(), TChorusPicture::IntervalMs(30));
    Form->Windows().Window(wnEffect)->hide();
    EXPECT_FALSE(window.Timer()->isActive());
}

TEST_F(EffectWindowTest, PicturesOfEveryPageInBothLanguages) {
    for (const bool japanese : {false, true}) {
        TEffectWindow& window = Open(japanese);
        TVGS& image = Form->Document().Image();
        image.ApplyMacro(2, 4);  // a delay with three taps
        image.SetSystemValue(30, 110);
        image.SetSystemValue(33, 72);  // a low boost and a high cut
        image.SetSystemValue(35, 58);
        image.SetSystemValue(18, 100);
        image.SetSystemValue(9, 120);
        const int type = image.Data().InsertionIndexOf(1, 0);
        window.TabControl1Change(4);
        window.cbMacroChange(type);
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        for (int page = 0; page < kEffectPageCount; ++page) {
            window.TabControl1Change(page);
            QApplication::processEvents();
            const QString path = QStringLiteral(VEKA_ARTIFACT_DIR "/effect-window-%1-%2.png")
                                     .arg(page)
                                     .arg(japanese ? "ja" : "en");
            EXPECT_TRUE(Form->Windows().Window(wnEffect)->grab().save(path)) << path.toStdString();
        }
        Form.reset();
    }
}

}  // namespace
}  // namespace veka::test
