// The contact form's text and window, the system facts it reports, the wallpaper tiles and the
// drawn pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "app/contact_form.h"
#include "app/sys_info.h"
#include "app/toolbar_icons.h"
#include "temp_dir.h"
#include "ui/control_names.h"

namespace veka {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A machine described by hand, so the expected text does not depend on where the test runs.
TMySysInfo SampleMachine() {
    TMySysInfo info(TSysInfoSources{"/nonexistent", "/nonexistent", "/nonexistent"});
    info.SysName = "Linux";
    info.Release = "6.1.0-13-amd64";
    info.Version = "#1 SMP";
    info.PrettyName = "Debian GNU/Linux 12 (bookworm)";
    info.TotalPhysMB = 2048;
    info.Machine = "x86_64";
    info.CpuModel = "Example CPU";
    return info;
}

const std::vector<std::string> kInputs = {"[MIDIIN]Virtual Module Out (ver. 1.0)"};
const std::vector<std::string> kOutputs = {"[MIDIOUT]Virtual Module Port A (ver. 1.0)",
                                           "[MIDIOUT]Virtual Module Port B (ver. 1.0)"};

// ---------------------------------------------------------------- the text

TEST(ContactFormText, JapaneseFormAsAWhole) {
    const std::string rule(78, '-');
    const std::string expected =
        "お問い合わせの際はこのﾌｫｰﾑのｺﾋﾟｰにてお願いします。\n" + rule + "\n"
        "Version : 4.01\n"
        "指定された音源 : SC88Pro\n" + rule + "\n"
        "OS Version : Debian GNU/Linux 12 (bookworm) / Linux 6.1.0-13-amd64 (#1 SMP)\n"
        "Total Phys : 2048M byte\n"
        "Processor Type : x86_64 (Example CPU)\n" + rule + "\n"
        "MIDI Interface :\n"
        "  Input\n"
        "    [MIDIIN]Virtual Module Out (ver. 1.0)\n"
        "  Output\n"
        "    [MIDIOUT]Virtual Module Port A (ver. 1.0)\n"
        "    [MIDIOUT]Virtual Module Port B (ver. 1.0)\n" + rule + "\n"
        "お名前・御連絡先 :\n\n" + rule + "\n"
        "お使いのｼｰｹﾝｽｿﾌﾄ :\n\n" + rule + "\n"
        "お問い合わせ内容 :\n\n";
    EXPECT_EQ(ContactFormText(SampleMachine(), TLanguage::Japanese, 2, kInputs, kOutputs), expected);
}

TEST(ContactFormText, EnglishHeadingsAndRules) {
    const auto lines = Lines(ContactFormText(SampleMachine(), TLanguage::English, 1, kInputs, kOutputs));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Please contact me by this format.");
    int rules = 0;
    for (const std::string& line : lines) {
        if (line.find_first_not_of('-') == std::string::npos && !line.empty()) {
            EXPECT_EQ(line.size(), 78u);
            ++rules;
        }
    }
    EXPECT_EQ(rules, 6);
    for (const char* expected : {"Version : 4.01", "Model : SC-88", "Total Phys : 2048M byte", "MIDI Interface :",
                                 "Your Name and e-mail :", "Your music sequencer :", "Your question :"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    // No Japanese text slips into the English form.
    for (const std::string& line : lines)
        for (unsigned char c : line) ASSERT_LT(c, 0x80) << line;
}

TEST(ContactFormText, DevicesIndentedUnderTheirHeading) {
    const auto lines = Lines(ContactFormText(SampleMachine(), TLanguage::English, 3, kInputs, kOutputs));
    const auto input = std::find(lines.begin(), lines.end(), "  Input");
    const auto output = std::find(lines.begin(), lines.end(), "  Output");
    ASSERT_NE(input, lines.end());
    ASSERT_NE(output, lines.end());
    ASSERT_EQ(output - input, 2);
    EXPECT_EQ(*(input + 1), "    " + kInputs[0]);
    EXPECT_EQ(*(output + 1), "    " + kOutputs[0]);
    EXPECT_EQ(*(output + 2), "    " + kOutputs[1]);
    EXPECT_EQ(*(output + 3), std::string(78, '-'));
}

TEST(ContactFormText, NoDevicesLeavesBareHeadings) {
    const auto lines = Lines(ContactFormText(SampleMachine(), TLanguage::English, 3, {}, {}));
    const auto input = std::find(lines.begin(), lines.end(), "  Input");
    ASSERT_NE(input, lines.end());
    EXPECT_EQ(*(input + 1), "  Output");
    EXPECT_EQ(*(input + 2), std::string(78, '-'));
}

TEST(ContactFormText, ModelLineFollowsModuleType) {
    struct TCase { int Type; const char* Japanese; const char* English; };
    for (const TCase& c : {TCase{1, "指定された音源 : SC88", "Model : SC-88"},
                           TCase{2, "指定された音源 : SC88Pro", "Model : SC-88Pro"},
                           TCase{3, "指定された音源 : SC8850", "Model : SC-8850"},
                           TCase{0, "指定された音源 : SC8850", "Model : SC-8850"}}) {
        EXPECT_EQ(Lines(ContactFormText(SampleMachine(), TLanguage::Japanese, c.Type, {}, {}))[3], c.Japanese);
        EXPECT_EQ(Lines(ContactFormText(SampleMachine(), TLanguage::English, c.Type, {}, {}))[3], c.English);
    }
}

TEST(ContactFormText, DeviceNameWithLineBreakStaysOneLine) {
    const std::string text = ContactFormText(SampleMachine(), TLanguage::English, 3, {"[MIDIIN]Two\r\nLines"}, {});
    EXPECT_NE(text.find("    [MIDIIN]Two  Lines\n"), std::string::npos);
}

// ---------------------------------------------------------------- the system facts

TEST(SysInfo, ThisMachine) {
    const TMySysInfo info;
    EXPECT_FALSE(info.SysName.empty());
    EXPECT_FALSE(info.OsVersionText().empty());
    EXPECT_GT(info.TotalPhysMB, 0u);
    EXPECT_FALSE(info.ProcessorText().empty());
    EXPECT_LE(info.ComputerName.size(), TMySysInfo::kComputerNameLength);
}

TEST(SysInfo, MissingFilesGiveEmptyText) {
    const TMySysInfo info(TSysInfoSources{"/nonexistent/os-release", "/nonexistent/cpuinfo", "/nonexistent/meminfo"});
    EXPECT_TRUE(info.PrettyName.empty());
    EXPECT_TRUE(info.CpuModel.empty());
    // The kernel's own answers are still there.
    EXPECT_EQ(info.OsVersionText().rfind(info.SysName, 0), 0u);
    EXPECT_EQ(info.ProcessorText(), info.Machine);
    EXPECT_EQ(ReadSmallFile("/nonexistent", 100), "");
}

TEST(SysInfo, ReadsAreBounded) {
    EXPECT_EQ(ReadSmallFile("/dev/zero", 10000).size(), 10000u);
    test::TTempDir dir;
    { std::ofstream(dir / "big") << std::string(300000, 'x'); }
    EXPECT_EQ(ReadSmallFile(dir / "big", 5000).size(), 5000u);
    { std::ofstream(dir / "small") << "abc"; }
    EXPECT_EQ(ReadSmallFile(dir / "small", 5000), "abc");
    // A pipe nobody writes to gives nothing instead of waiting for ever.
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReadSmallFile(dir / "fifo", 5000), "");
}

TEST(SysInfo, ReadsTheDescriptionFiles) {
    test::TTempDir dir;
    { std::ofstream(dir / "os") << "NAME=Test\nPRETTY_NAME=\"Test \\\"Linux\\\" 1\"\nID=test\n"; }
    { std::ofstream(dir / "cpu") << "processor\t: 0\nmodel name\t: First CPU\n\nprocessor\t: 1\nmodel name\t: Second\n"; }
    { std::ofstream(dir / "mem") << "MemFree:  1000 kB\nMemTotal:       2097152 kB\n"; }
    const TMySysInfo info(TSysInfoSources{dir / "os", dir / "cpu", dir / "mem"});
    EXPECT_EQ(info.PrettyName, "Test \"Linux\" 1");
    EXPECT_EQ(info.CpuModel, "First CPU");
    EXPECT_NE(info.OsVersionText().find("Test \"Linux\" 1"), std::string::npos);
    EXPECT_EQ(MemInfoTotalMB(ReadSmallFile(dir / "mem", 1000)), 2048u);
}

TEST(SysInfo, ParsersOnOddText) {
    EXPECT_EQ(OsReleasePrettyName("PRETTY_NAME='Single Quoted'\n"), "Single Quoted");
    EXPECT_EQ(OsReleasePrettyName("PRETTY_NAME=Bare\n"), "Bare");
    EXPECT_EQ(OsReleasePrettyName("PRETTY_NAME=\"\n"), "\"");
    EXPECT_EQ(OsReleasePrettyName("NAME=x"), "");
    EXPECT_EQ(CpuModelName("Processor\t: ARMv7\n"), "");
    EXPECT_EQ(MemInfoTotalMB("MemTotal: lots\n"), 0u);
    EXPECT_EQ(MemInfoTotalMB(""), 0u);
}

TEST(SysInfo, ComputerNameCutOnCharacterBoundary) {
    EXPECT_EQ(CutUtf8("abcdefghijklmnopqrstu", 16), "abcdefghijklmnop");
    // 15 ASCII bytes then a three-byte character: the character does not fit and is dropped whole.
    EXPECT_EQ(CutUtf8("abcdefghijklmno\xE3\x81\x82", 16), "abcdefghijklmno");
    EXPECT_EQ(CutUtf8("short", 16), "short");
}

// ---------------------------------------------------------------- the window

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = file.readAll();
    // Qt writes one "/Type /Page" line per page object ("/Type /Pages" is the tree's root).
    return int(pdf.count("/Type /Page\n"));
}

// A screen reader names every control, in both languages.
TEST(InqWindow, EveryControlHasAName) {
    for (const TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        TInqWindow window("x", language);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(test::UnnamedControls(window), std::vector<std::string>{});
    }
}

TEST(InqWindow, CaptionsFollowTheLanguage) {
    const TInqWindow japanese("x", TLanguage::Japanese);
    EXPECT_EQ(japanese.windowTitle(), QString::fromUtf8("問い合わせﾌｫｰﾑ"));
    EXPECT_EQ(japanese.CopyButton()->text(), QString::fromUtf8("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"));
    EXPECT_EQ(japanese.PrintButton()->text(), QString::fromUtf8("印刷"));
    EXPECT_EQ(japanese.CloseButton()->text(), QString::fromUtf8("閉じる"));
    EXPECT_TRUE(japanese.isModal());
    const TInqWindow english("x", TLanguage::English);
    EXPECT_EQ(english.windowTitle(), "Contact Form");
    EXPECT_EQ(english.CopyButton()->text(), "Copy to Clipboard");
    EXPECT_EQ(english.PrintButton()->text(), "Print");
    EXPECT_EQ(english.CloseButton()->text(), "Close");
}

TEST(InqWindow, CopyPutsTheWholeTextOnTheClipboard) {
    const std::string text = ContactFormText(SampleMachine(), TLanguage::Japanese, 3, kInputs, kOutputs);
    TInqWindow window(text, TLanguage::Japanese);
    QGuiApplication::clipboard()->setText("before");
    QTest::mouseClick(window.CopyButton(), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(text));

    // What the user typed into the form goes along.
    auto* edit = window.findChild<QTextEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->moveCursor(QTextCursor::End);
    edit->insertPlainText("Hello");
    QTest::mouseClick(window.CopyButton(), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(text) + "Hello");
}

TEST(InqWindow, CancelledPrintDialogPrintsNothing) {
    test::TTempDir dir;
    const QString pdf = QString::fromStdString(dir / "form.pdf");
    TInqWindow window("text", TLanguage::English);
    bool asked = false;
    window.SetPrintDialogRunner([&](QPrinter& printer) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    });
    QTest::mouseClick(window.PrintButton(), Qt::LeftButton);
    EXPECT_TRUE(asked);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(InqWindow, PrintsWithNarrowMarginsOnAsManyPagesAsNeeded) {
    test::TTempDir dir;
    const QString shortPdf = QString::fromStdString(dir / "short.pdf");
    TInqWindow window(ContactFormText(SampleMachine(), TLanguage::English, 3, kInputs, kOutputs), TLanguage::English);
    window.SetPrintDialogRunner([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(shortPdf);
        return true;
    });
    QTest::mouseClick(window.PrintButton(), Qt::LeftButton);
    QFile file(shortPdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(shortPdf), 1);

    std::string longText;
    for (int i = 0; i < 300; ++i) longText += "line " + std::to_string(i) + "\n";
    TInqWindow longWindow(longText, TLanguage::English);
    const QString longPdf = QString::fromStdString(dir / "long.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(longPdf);
    ASSERT_TRUE(longWindow.PrintTo(printer));
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Inch);
    EXPECT_NEAR(margins.left(), 0.2, 0.01);
    EXPECT_NEAR(margins.top(), 0.2, 0.01);
    EXPECT_NEAR(margins.right(), 0.2, 0.01);
    EXPECT_NEAR(margins.bottom(), 0.2, 0.01);
    EXPECT_GT(PdfPageCount(longPdf), 1);
}

TEST(InqWindow, CloseButtonClosesTheWindow) {
    TInqWindow window("x", TLanguage::English);
    window.show();
    ASSERT_TRUE(window.isVisible());
    QTest::mouseClick(window.CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

// ---------------------------------------------------------------- the wallpaper tiles

QImage Wallpaper(const char* name) {
    return QImage(QString::fromUtf8(VEKA_TEST_DEFAULT_DIR) + "/../" + name);
}

// Mean colour distance between two columns (or rows) of the tile.
double Distance(const QImage& image, bool columns, int a, int b) {
    double sum = 0;
    const int length = columns ? image.height() : image.width();
    for (int i = 0; i < length; ++i) {
        const QColor p = columns ? image.pixelColor(a, i) : image.pixelColor(i, a);
        const QColor q = columns ? image.pixelColor(b, i) : image.pixelColor(i, b);
        sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
    }
    return sum / length;
}

// Where the tile meets its copy, neighbours must differ no more than neighbours inside it do.
void ExpectSeamless(const QImage& image) {
    const int last = image.width() - 1;
    for (bool columns : {true, false}) {
        double inside = 0;
        for (int i = 0; i < last; ++i) inside += Distance(image, columns, i, i + 1);
        inside /= last;
        EXPECT_LE(Distance(image, columns, last, 0), inside * 1.5 + 1) << (columns ? "columns" : "rows");
    }
}

TEST(Wallpaper, TilesDecodeAndMeetWithoutSeams) {
    const QImage wall8 = Wallpaper("Wall8.bmp");
    const QImage wall4 = Wallpaper("Wall4.bmp");
    if (wall8.isNull() || wall4.isNull()) GTEST_SKIP() << "the wallpaper tiles are not built beside the program";
    for (const QImage* image : {&wall8, &wall4}) {
        EXPECT_EQ(image->size(), QSize(128, 128));
        ExpectSeamless(*image);
    }
    QSet<QRgb> colours8, colours4;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            colours8.insert(wall8.pixel(x, y));
            colours4.insert(wall4.pixel(x, y));
        }
    EXPECT_GT(colours8.size(), 16);  // a texture, not a flat fill
    EXPECT_LE(colours4.size(), 16);
    EXPECT_GT(colours4.size(), 4);
    // Calm and dark: nothing bright enough to fight with the windows in front.
    for (QRgb c : colours8) EXPECT_LT(qGray(c), 110);
}

// ---------------------------------------------------------------- the drawn pictures

TEST(ToolbarIcons, EveryGlyphIsDrawnAndDistinct) {
    std::vector<QImage> glyphs;
    for (int i = 0; i <= int(TToolIcon::History); ++i) {
        const QImage image = ToolbarIcon(TToolIcon(i)).pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(24, 24)) << i;
        int opaque = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(opaque, 24 * 24 / 8) << "glyph " << i << " is nearly empty";
        EXPECT_LT(opaque, 24 * 24) << "glyph " << i << " has no transparent ground";
        for (std::size_t j = 0; j < glyphs.size(); ++j) EXPECT_NE(glyphs[j], image) << i << " equals " << j;
        glyphs.push_back(image);
    }
    EXPECT_FALSE(AppIcon().pixmap(16, 16).isNull());
    EXPECT_FALSE(AppIcon().pixmap(128, 128).isNull());
}

TEST(ToolbarIcons, SplashLeavesDarkRoomForTheVersion) {
    const QImage splash = SplashPicture().toImage();
    ASSERT_EQ(splash.size(), QSize(400, 240));
    for (int y = 204; y < 240; ++y)
        for (int x = 0; x < 400; x += 3) ASSERT_LT(qGray(splash.pixel(x, y)), 40) << x << "," << y;
    // The name itself is bright.
    int bright = 0;
    for (int y = 30; y < 120; ++y)
        for (int x = 20; x < 300; ++x) bright += qGray(splash.pixel(x, y)) > 200;
    EXPECT_GT(bright, 1000);
}

}  // namespace
}  // namespace veka

namespace veka {
namespace {

TEST(ContactFormText, TheOsLineSaysWhatTheAdministratorCheckAnswered) {
    TMySysInfo info;
    info.PrettyName = "Debian GNU/Linux 12 (bookworm)";
    info.SysName = info.Release = info.Version = "";
    EXPECT_EQ(info.OsVersionText(), "Debian GNU/Linux 12 (bookworm)");  // no library: nothing said
    info.Administrator = false;
    EXPECT_EQ(info.OsVersionText(), "Debian GNU/Linux 12 (bookworm) Not Administrator");
    info.Administrator = true;
    EXPECT_EQ(info.OsVersionText(), "Debian GNU/Linux 12 (bookworm) Administrator");
}

}  // namespace
}  // namespace veka
