// The settings file: single keys, window positions, the bulk load and save, damaged and
// unwritable files, and the choice of the program folder.
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>

#include "module/default_folder.h"
#include "document/program_folder.h"
#include "document/settings.h"

namespace veka {
namespace {

namespace fs = std::filesystem;

class TTempDir {
public:
    TTempDir() {
        std::random_device random;
        Path = fs::temp_directory_path() / ("veka-settings-test-" + std::to_string(random()));
        fs::create_directories(Path);
    }
    ~TTempDir() {
        std::error_code ec;
        fs::permissions(Path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(Path, ec);
    }
    std::string operator/(const std::string& name) const { return (Path / name).string(); }
    fs::path Path;
};

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The file's lines without the blank ones (the layout between sections is the library's).
std::string FileLines(const std::string& path) {
    std::string text = FileText(path), lines;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        if (end > start) lines += text.substr(start, end - start) + "\n";
    }
    return lines;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Sets an environment variable for one test and puts the old value back.
class TEnvironment {
public:
    TEnvironment(const char* name, const std::optional<std::string>& value) : Name_(name) {
        if (const char* old = std::getenv(name)) Old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~TEnvironment() {
        if (Old_) setenv(Name_, Old_->c_str(), 1);
        else unsetenv(Name_);
    }

private:
    const char* Name_;
    std::optional<std::string> Old_;
};

TBulkContext Context(TLanguage language = TLanguage::Japanese, int inputs = 2, int outputs = 4) {
    TBulkContext context;
    context.Language = language;
    context.MainFontName = "Noto Sans CJK JP";
    context.MainFontSize = 10;
    context.DesktopWidth = 1600;
    context.DesktopHeight = 900;
    for (int i = 0; i < inputs; ++i) context.InputDeviceNames.push_back("In " + std::to_string(i));
    context.OutputDeviceCount = outputs;
    return context;
}

// What the load gives for a file without any of its keys.
TSettingsData DefaultData(const TBulkContext& context) {
    TSettingsData data;
    data.FontName = context.MainFontName;
    data.FontSize = context.MainFontSize;
    data.MainWidth = context.DesktopWidth;
    data.MainHeight = context.DesktopHeight;
    return data;
}

class SettingsTest : public ::testing::Test {
protected:
    TTempDir Dir;
    std::string Path = Dir / "Veka.ini";
    TSettings Settings{Path};
};

// --- single keys -----------------------------------------------------------------------------

TEST_F(SettingsTest, SingleKeysAndTheirTypes) {
    ASSERT_TRUE(Settings.WriteInteger("setting", "device id", -17));
    ASSERT_TRUE(Settings.WriteString("file path", "veka data", "/home/me/音色"));
    ASSERT_TRUE(Settings.WriteBool("setting", "splash", false));
    ASSERT_TRUE(Settings.WriteString("fine option", "sysx space", " "));  // blanks at the ends survive
    EXPECT_EQ(Settings.ReadInteger("setting", "device id", 16), -17);
    EXPECT_EQ(Settings.ReadString("file path", "veka data", ""), "/home/me/音色");
    EXPECT_FALSE(Settings.ReadBool("setting", "splash", true));
    EXPECT_EQ(Settings.ReadString("fine option", "sysx space", "x"), " ");
    EXPECT_NE(FileText(Path).find("splash=0\n"), std::string::npos);

    // Numbers are decimal and whole; anything else is the default. Booleans: non-zero is True.
    WriteText(Path, "[setting]\na=abc\nb=12abc\nc=\nd=99999999999\ne=0x10\nf= 42 \ng=+7\nt=2\nu=yes\n");
    for (const char* key : {"a", "b", "c", "d", "e"}) EXPECT_EQ(Settings.ReadInteger("setting", key, 5), 5) << key;
    EXPECT_EQ(Settings.ReadInteger("setting", "f", 5), 42);
    EXPECT_EQ(Settings.ReadInteger("setting", "g", 5), 7);
    EXPECT_TRUE(Settings.ReadBool("setting", "t", false));
    EXPECT_TRUE(Settings.ReadBool("setting", "u", true));
    EXPECT_FALSE(Settings.ReadBool("setting", "u", false));
    // An empty value is a value for a text, not a missing key.
    EXPECT_EQ(Settings.ReadString("setting", "c", "default"), "");
    EXPECT_EQ(Settings.ReadString("setting", "missing", "default"), "default");
}

TEST_F(SettingsTest, SectionAndKeyNamesIgnoreCase) {
    WriteText(Path, "[Form]\nmain left=5\n[setting]\nmax part=2\n[form]\nMain Top=7\n");
    EXPECT_EQ(Settings.ReadInteger("form", "main left", 0), 5);
    EXPECT_EQ(Settings.ReadInteger("FORM", "MAIN TOP", 0), 7);
    EXPECT_EQ(Settings.ReadInteger("Form", "main top", 0), 7);
    // A write under either spelling updates the one key; the file keeps one such section.
    EXPECT_TRUE(Settings.WriteInteger("Form", "MAIN LEFT", 9));
    EXPECT_EQ(Settings.ReadInteger("form", "main left", 0), 9);
    EXPECT_EQ(Settings.ReadInteger("setting", "max part", 0), 2);
    const std::string text = FileText(Path);
    EXPECT_EQ(text.find("[form]"), std::string::npos) << text;
    EXPECT_EQ(text.find("MAIN LEFT"), std::string::npos) << text;
    EXPECT_EQ(Settings.ReadSection("FORM"), (std::vector<std::string>{"main left", "Main Top"}));
}

TEST_F(SettingsTest, ASingleKeyWriteKeepsEverythingElse) {
    const std::string cp932Value = "\x83\x65\x83\x58\x83\x67";  // "テスト" in CP932
    WriteText(Path,
              "; written by hand\r\n"
              "[MenuShortCutKey]\r\nOpen=16463\r\nSave=16467\r\n"
              "[PartWindow1 bm]\r\nname=" + cp932Value + "\r\n"
              "[setting]\r\nmax part=2\r\n");
    ASSERT_TRUE(Settings.WriteInteger("setting", "Data Req Wait", 2000));
    ASSERT_TRUE(Settings.WriteString("PartWindow1 bm", "other", "x"));
    // Everything else stays, in its order, the CP932 bytes as they were.
    EXPECT_EQ(FileLines(Path), "; written by hand\n[MenuShortCutKey]\nOpen=16463\nSave=16467\n"
                               "[PartWindow1 bm]\nname=" + cp932Value + "\nother=x\n"
                               "[setting]\nmax part=2\nData Req Wait=2000\n");
    EXPECT_EQ(Settings.ReadString("PartWindow1 bm", "name", ""), cp932Value);
    EXPECT_TRUE(Settings.DeleteKey("menushortcutkey", "open"));
    EXPECT_EQ(Settings.ReadInteger("MenuShortCutKey", "Open", 0), 0);
    EXPECT_TRUE(Settings.EraseSection("partwindow1 BM"));
    EXPECT_TRUE(Settings.ReadSection("PartWindow1 bm").empty());
    EXPECT_EQ(Settings.ReadInteger("MenuShortCutKey", "Save", 0), 16467);
}

TEST_F(SettingsTest, DamagedTextCannotInjectOrCutKeys) {
    // A line break in a value stays inside the value.
    ASSERT_TRUE(Settings.WriteString("file path", "history 0", "a.ga4\n[setting]\nmax part=2"));
    EXPECT_EQ(Settings.ReadString("file path", "history 0", ""), "a.ga4 [setting] max part=2");
    EXPECT_EQ(Settings.ReadInteger("setting", "max part", 1), 1);
    // Names the format cannot hold are refused and the file is left alone.
    const std::string before = FileText(Path);
    EXPECT_FALSE(Settings.WriteInteger("setting", "a=b", 1));
    EXPECT_FALSE(Settings.WriteInteger("setting", ";comment", 1));
    EXPECT_FALSE(Settings.WriteInteger("set]ting", "key", 1));
    EXPECT_FALSE(Settings.WriteInteger("setting", "", 1));
    EXPECT_FALSE(Settings.WriteInteger("setting", "two\nlines", 1));
    EXPECT_FALSE(Settings.LastError().empty());
    EXPECT_EQ(FileText(Path), before);
    // A zero byte in the file does not hide what follows it, and a write keeps that too.
    WriteText(Path, std::string("[setting]\nmax part=2\n\0\n[form]\nmain left=33\n", 42));
    EXPECT_EQ(Settings.ReadInteger("form", "main left", 0), 33);
    ASSERT_TRUE(Settings.WriteInteger("setting", "max part", 0));
    EXPECT_EQ(Settings.ReadInteger("form", "main left", 0), 33);
    // A UTF-8 signature is not part of the first section's name.
    WriteText(Path, "\xEF\xBB\xBF[setting]\nmax part=0\n");
    EXPECT_EQ(Settings.ReadInteger("setting", "max part", 1), 0);
}

// --- missing, unreadable and unwritable files ------------------------------------------------

TEST_F(SettingsTest, AMissingFileReadsAsDefaults) {
    EXPECT_EQ(Settings.ReadInteger("setting", "module type", 3), 3);
    EXPECT_TRUE(Settings.ReadBool("setting", "perfect finish", true));
    EXPECT_EQ(ReadModuleType(Settings), 3);
    TSettingsData data;
    const TBulkContext context = Context();
    const TBulkLoadResult result = LoadBulk(Settings, data, context);
    EXPECT_TRUE(result.Error.empty());
    EXPECT_TRUE(result.PortsIncomplete);  // no stored output: the port dialog opens
    EXPECT_FALSE(result.InputValid);
    EXPECT_EQ(data, DefaultData(context));
    EXPECT_FALSE(fs::exists(Path));  // reading creates nothing
    // The first write creates the file.
    EXPECT_TRUE(Settings.WriteBool("setting", "perfect finish", false));
    EXPECT_FALSE(Settings.ReadBool("setting", "perfect finish", true));
}

TEST_F(SettingsTest, AFailedWriteLeavesTheOldFileWhole) {
    // The target is a folder: reads give defaults, writes fail, the folder stays.
    fs::create_directory(Path);
    WriteText(Path + "/inside", "keep");
    EXPECT_EQ(Settings.ReadInteger("setting", "max part", 1), 1);
    EXPECT_FALSE(Settings.WriteInteger("setting", "max part", 2));
    EXPECT_FALSE(Settings.LastError().empty());
    TSettingsData data;
    const TBulkLoadResult result = LoadBulk(Settings, data, Context());
    EXPECT_FALSE(result.Error.empty());
    std::string error;
    EXPECT_FALSE(SaveBulk(Settings, data, Context(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(Path));
    EXPECT_EQ(FileText(Path + "/inside"), "keep");
    EXPECT_FALSE(TSettings(Dir / "no such folder/Veka.ini").WriteInteger("setting", "max part", 2));
}

// Runs check as an ordinary user: the super-user reads and writes any file, so under root (as
// in CI) a forked child drops to "nobody" first. check's answer, or false when that failed.
bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (geteuid() != 0) return check();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SettingsTest, AnUnwritableFolderLeavesTheOldFileWhole) {
    const std::string old = "[setting]\nmax part=2\n";
    WriteText(Path, old);
    fs::permissions(Dir.Path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        std::string error;
        return !Settings.WriteInteger("setting", "max part", 0) && !SaveBulk(Settings, TSettingsData(), Context(), error);
    })) << "a write into a folder without write permission was taken as done";
    fs::permissions(Dir.Path, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(FileText(Path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir.Path), fs::directory_iterator()), 1);  // no leftovers
}

TEST_F(SettingsTest, AnUnreadableFileIsNeverReplaced) {
    const std::string old = "[setting]\nmax part=2\n[MenuShortCutKey]\nOpen=1\n";
    WriteText(Path, old);
    fs::permissions(Path, fs::perms::none);
    // The folder stays writable for the ordinary user: only the file's own permission refuses.
    fs::permissions(Dir.Path, fs::perms::all, fs::perm_options::add);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        return Settings.ReadInteger("setting", "max part", 1) == 1 && !Settings.WriteInteger("setting", "module type", 2);
    })) << "a file that could not be read was read or written over";
    fs::permissions(Path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FileText(Path), old);
}

TEST_F(SettingsTest, ALinkedFileStaysALink) {
    const std::string real = Dir / "real.ini";
    WriteText(real, "[setting]\nmax part=0\n");
    fs::create_symlink(real, Path);
    ASSERT_TRUE(Settings.WriteInteger("setting", "module type", 2));
    EXPECT_TRUE(fs::is_symlink(Path));
    EXPECT_NE(FileText(real).find("module type=2"), std::string::npos);
}

// --- window positions ------------------------------------------------------------------------

TEST_F(SettingsTest, WindowPositions) {
    TWindowPosition position{1, 2, 3, 4};
    ASSERT_TRUE(Settings.WindowPosition("PatchWindow", 'R', position));
    EXPECT_EQ(position, (TWindowPosition{640, 400, 0, 0}));
    ASSERT_TRUE(Settings.WindowPosition("EffectWindow", 'r', position));
    EXPECT_EQ(position, (TWindowPosition{480, 400, 0, 0}));

    position = {700, 500, 30, 40};
    ASSERT_TRUE(Settings.WindowPosition("DrumWindow1", 'W', position));
    EXPECT_EQ(Settings.ReadInteger("Form", "DrumWindow1 top", 0), 30);
    EXPECT_EQ(Settings.ReadSection("form"), (std::vector<std::string>{"DrumWindow1 width", "DrumWindow1 height",
                                                                       "DrumWindow1 left", "DrumWindow1 top"}));
    TWindowPosition back;
    ASSERT_TRUE(Settings.WindowPosition("DrumWindow1", 'r', back));
    EXPECT_EQ(back, position);

    // Negative values read as 100; text where a number belongs gives the default.
    WriteText(Path, "[Form]\nPartWindow1 width=-300\nPartWindow1 height=-1\nPartWindow1 left=-5\n"
                    "PartWindow1 top=abc\n");
    ASSERT_TRUE(Settings.WindowPosition("PartWindow1", 'R', back));
    EXPECT_EQ(back, (TWindowPosition{100, 100, 0, 100}));

    // Another mode letter does nothing.
    const std::string before = FileText(Path);
    EXPECT_FALSE(Settings.WindowPosition("PartWindow1", 'x', position));
    EXPECT_EQ(FileText(Path), before);
}

// --- bulk load and save ----------------------------------------------------------------------

// Every saved value different from its default.
TSettingsData ChangedData() {
    TSettingsData data;
    data.ModuleType = 2;
    data.MaxPart = 2;
    data.DeviceId = 17;
    data.TransWait = 9;
    data.DataReqWait = 1500;
    data.PlayNoteBaseOct = 3;
    data.FontName = "DejaVu Sans Mono";
    data.FontSize = 12;
    data.SeqName = "RoseGardenMainWindow";
    data.HotKey = 24642;
    data.CurrentScd = "my.scd";
    data.ButtonStrings = true;
    data.GradationBar = false;
    data.UseMidiIn = true;
    data.MidiIn = 1;
    data.MidiOut = {3, 2, 1, 0};
    data.MainLeft = -8;
    data.MainTop = 20;
    data.MainWidth = 1200;
    data.MainHeight = 700;
    data.PatchTreeWidth = 200;
    data.PatchListState = 6;
    data.PatchUsingMap = {false, true, false};
    for (bool& option : data.Options) option = !option;
    for (int n = 0; n < 9; ++n) data.History[size_t(n)] = "/songs/ソング " + std::to_string(n) + ".ga4";
    data.History[4].clear();  // an unused entry between used ones
    return data;
}

TEST_F(SettingsTest, BulkSaveThenLoadGivesTheSameData) {
    const TBulkContext context = Context();
    TSettingsData saved = ChangedData();
    std::string error;
    ASSERT_TRUE(SaveBulk(Settings, saved, context, error)) << error;
    // Keys the load reads but the save leaves to others.
    for (int n = 1; n <= 4; ++n) {
        const std::string name = "Mine " + std::to_string(n);
        saved.OrderNames[size_t(n - 1)] = name;
        ASSERT_TRUE(Settings.WriteString("Form", "Part Window Order Name" + std::to_string(n), name));
    }
    ASSERT_TRUE(Settings.WriteString("fine option", "sysx space", "-"));
    saved.SysxSpace = THexSpacing::Blank;  // the file cannot turn the blank off

    TSettingsData loaded;
    const TBulkLoadResult result = LoadBulk(Settings, loaded, context);
    loaded.ModuleType = ReadModuleType(Settings);  // read by the start-up on its own
    EXPECT_EQ(loaded, saved);
    EXPECT_TRUE(result.InputValid);
    EXPECT_TRUE(result.PortChanged);  // the port dialog has not stored the input's name
    EXPECT_EQ(result.OutputValid, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_FALSE(result.PortsIncomplete);
    EXPECT_FALSE(Settings.ReadBool("setting", "first run", true));

    // Saving what was loaded changes nothing in the file.
    const std::string first = FileText(Path);
    ASSERT_TRUE(SaveBulk(Settings, loaded, context, error)) << error;
    EXPECT_EQ(FileText(Path), first);
}

TEST_F(SettingsTest, BulkSaveWritesItsKeysInOrderAndKeepsTheRest) {
    WriteText(Path, "[MenuShortCutKey]\nOpen=16463\n[setting]\nsplash=0\n");
    TSettingsData data = ChangedData();
    data.MaxPart = 1;
    std::string error;
    ASSERT_TRUE(SaveBulk(Settings, data, Context(), error)) << error;
    EXPECT_EQ(Settings.ReadInteger("MenuShortCutKey", "Open", 0), 16463);
    EXPECT_FALSE(Settings.ReadBool("setting", "splash", true));
    using TNames = std::vector<std::string>;
    EXPECT_EQ(Settings.ReadSection("setting"),
              (TNames{"splash", "device id", "trans wait(ms)", "max part", "first run", "module type", "Data Req Wait",
                      "play note baseoct", "veka hot key", "seqname", "font name", "font size", "current scd",
                      "button strings"}));
    EXPECT_EQ(Settings.ReadSection("midiport"), (TNames{"use midiin", "midiin", "midiout 0", "midiout 1"}));
    EXPECT_EQ(Settings.ReadSection("form"),
              (TNames{"main width", "main height", "main top", "main left", "PatchWindow / Tree View / Width",
                      "PatchWindow / List View / State", "PatchWindow / List View / Using Map1",
                      "PatchWindow / List View / Using Map2", "PatchWindow / List View / Using Map3"}));
    EXPECT_EQ(Settings.ReadSection("other option"),
              (TNames{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}));
    EXPECT_EQ(Settings.ReadSection("smf fine"), (TNames{"with text"}));
    EXPECT_EQ(Settings.ReadSection("fine option"), (TNames{"gradation bar"}));
    EXPECT_EQ(Settings.ReadSection("file path"), (TNames{"history 0", "history 1", "history 2", "history 3",
                                                         "history 4", "history 5", "history 6", "history 7",
                                                         "history 8"}));
    // The input unused: "midiin" is not written.
    TTempDir other;
    TSettings fresh(other / "Veka.ini");
    data.UseMidiIn = false;
    ASSERT_TRUE(SaveBulk(fresh, data, Context(), error)) << error;
    EXPECT_EQ(fresh.ReadSection("midiport"), (TNames{"use midiin", "midiout 0", "midiout 1"}));
}

TEST_F(SettingsTest, MaxPartDecidesWhichOutputKeysAreReadAndWritten) {
    WriteText(Path, "[setting]\nmax part=0\n[midiport]\nmidiout 0=1\nmidiout 1=2\nmidiout 2=3\nmidiout 3=0\n");
    TSettingsData data;
    TBulkLoadResult result = LoadBulk(Settings, data, Context());
    EXPECT_EQ(data.MidiOut, (std::array<int, 4>{1, -1, -1, -1}));
    EXPECT_EQ(result.OutputValid, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_FALSE(result.PortsIncomplete);

    TTempDir other;
    TSettings fresh(other / "Veka.ini");
    data.MidiOut = {2, 3, 1, 0};
    std::string error;
    ASSERT_TRUE(SaveBulk(fresh, data, Context(), error)) << error;
    EXPECT_EQ(fresh.ReadSection("midiport"), (std::vector<std::string>{"use midiin", "midiout 0"}));

    WriteText(Path, "[setting]\nmax part=2\n[midiport]\nmidiout 0=1\nmidiout 1=2\nmidiout 2=3\nmidiout 3=0\n");
    result = LoadBulk(Settings, data, Context());
    EXPECT_EQ(data.MidiOut, (std::array<int, 4>{1, 2, 3, 0}));
    EXPECT_FALSE(result.PortsIncomplete);
    fs::remove(other / "Veka.ini");
    ASSERT_TRUE(SaveBulk(fresh, data, Context(), error)) << error;
    EXPECT_EQ(fresh.ReadSection("midiport"),
              (std::vector<std::string>{"use midiin", "midiout 0", "midiout 1", "midiout 2", "midiout 3"}));
    EXPECT_EQ(fresh.ReadInteger("midiport", "midiout 3", -1), 0);

    // A device number that names no listed device leaves its port incomplete; it is saved as -1.
    WriteText(Path, "[setting]\nmax part=1\n[midiport]\nmidiout 0=1\nmidiout 1=4\n");
    result = LoadBulk(Settings, data, Context());
    EXPECT_EQ(data.MidiOut, (std::array<int, 4>{1, -1, -1, -1}));
    EXPECT_EQ(result.OutputValid, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_TRUE(result.PortsIncomplete);
    ASSERT_TRUE(SaveBulk(Settings, data, Context(), error)) << error;
    EXPECT_EQ(Settings.ReadInteger("midiport", "midiout 1", 0), -1);
}

TEST_F(SettingsTest, TheInputIsUsedOnlyWithAListedDevice) {
    WriteText(Path, "[midiport]\nuse midiin=1\nmidiin=1\ndriver name : in=In 1\n");
    TSettingsData data;
    TBulkLoadResult result = LoadBulk(Settings, data, Context());
    EXPECT_TRUE(data.UseMidiIn);
    EXPECT_TRUE(result.InputValid);
    EXPECT_FALSE(result.PortChanged);

    WriteText(Path, "[midiport]\nuse midiin=1\nmidiin=1\ndriver name : in=Some other box\n");
    result = LoadBulk(Settings, data, Context());
    EXPECT_TRUE(result.InputValid);
    EXPECT_TRUE(result.PortChanged);

    WriteText(Path, "[midiport]\nuse midiin=1\nmidiin=2\n");
    result = LoadBulk(Settings, data, Context());
    EXPECT_FALSE(data.UseMidiIn);
    EXPECT_FALSE(result.InputValid);
    EXPECT_FALSE(result.PortChanged);
    result = LoadBulk(Settings, data, Context(TLanguage::Japanese, 0, 4));
    EXPECT_FALSE(data.UseMidiIn);
}

TEST_F(SettingsTest, LanguageRules) {
    WriteText(Path, "[other option]\n7=1\n");
    TSettingsData data;
    LoadBulk(Settings, data, Context(TLanguage::English));
    EXPECT_FALSE(data.Option(7));
    EXPECT_EQ(data.FontName, "Courier New");
    // Whatever the caller holds, the English save writes 0.
    data.Options[6] = true;
    std::string error;
    ASSERT_TRUE(SaveBulk(Settings, data, Context(TLanguage::English), error)) << error;
    EXPECT_EQ(Settings.ReadString("other option", "7", ""), "0");

    WriteText(Path, "[other option]\n7=1\n");
    LoadBulk(Settings, data, Context(TLanguage::Japanese));
    EXPECT_TRUE(data.Option(7));
    EXPECT_EQ(data.FontName, "Noto Sans CJK JP");
    ASSERT_TRUE(SaveBulk(Settings, data, Context(TLanguage::Japanese), error)) << error;
    EXPECT_EQ(Settings.ReadString("other option", "7", ""), "1");
}

TEST_F(SettingsTest, AbsurdStoredValuesReadAsDefaults) {
    WriteText(Path,
              "[setting]\nmax part=7\ndevice id=200\ntrans wait(ms)=-4\nData Req Wait=abc\nplay note baseoct=11\n"
              "font size=0\nveka hot key=-1\nmodule type=9\n"
              "[fine option]\nsysx space=\n"
              "[Form]\nmain width=-5\nmain height=0\nmain left=-30\nPatchWindow / List View / State=9\n"
              "PatchWindow / Tree View / Width=-1\nPart Window Order Name2=" + std::string(300, 'x') + "\n"
              "[other option]\n2=0\n13=1\n"
              "[smf fine]\nwith text=0\n");
    TSettingsData data;
    const TBulkContext context = Context();
    LoadBulk(Settings, data, context);
    TSettingsData expected = DefaultData(context);
    expected.MainLeft = -30;  // a second screen to the left; the window keeps itself on screen
    expected.OrderNames[1] = std::string(255, 'x');
    expected.Options[1] = false;  // option 13 comes from "with text", not from key "13"
    EXPECT_EQ(data, expected);
    EXPECT_EQ(ReadModuleType(Settings), 3);
}

// --- program folder --------------------------------------------------------------------------

TEST(ProgramFolderTest, TheRuleInItsOrder) {
    TTempDir dir;
    const std::string exe = dir / "bin";
    fs::create_directories(exe);
    // VEKA_HOME wins over everything.
    EXPECT_EQ(ChooseProgramFolder("/veka/home", exe, "/xdg", "/home/me"), "/veka/home");
    // The executable's folder without default/ is not a program folder.
    EXPECT_EQ(ChooseProgramFolder("", exe, "/xdg", "/home/me"), "/xdg/veka4");
    fs::create_directories(fs::path(exe) / "default");
    EXPECT_EQ(ChooseProgramFolder("", exe, "/xdg", "/home/me"), exe);
    // No XDG_CONFIG_HOME, or a relative one: ~/.config/veka4.
    const std::string noDefault = dir / "elsewhere";
    EXPECT_EQ(ChooseProgramFolder("", noDefault, "", "/home/me"), "/home/me/.config/veka4");
    EXPECT_EQ(ChooseProgramFolder("", noDefault, "relative/xdg", "/home/me"), "/home/me/.config/veka4");
}

TEST(ProgramFolderTest, TheEnvironmentDecidesAndTheFolderIsCreated) {
    TTempDir dir;
    {
        TEnvironment home("VEKA_HOME", dir / "veka home");
        std::string error;
        EXPECT_EQ(SettingsFilePath(&error), dir / "veka home/Veka.ini");
        EXPECT_TRUE(error.empty()) << error;
        EXPECT_TRUE(fs::is_directory(dir / "veka home"));
    }
    TEnvironment home("VEKA_HOME", std::nullopt);
    TEnvironment xdg("XDG_CONFIG_HOME", dir / "config");
    const fs::path exe = ProgramFolder();
    const bool portable = fs::is_directory(exe / "default") && access(exe.c_str(), W_OK) == 0;
    const std::string expected = portable ? exe.string() : dir / "config/veka4";
    EXPECT_EQ(FindProgramFolder(), expected);
    EXPECT_TRUE(fs::is_directory(expected));
}

}  // namespace
}  // namespace veka
