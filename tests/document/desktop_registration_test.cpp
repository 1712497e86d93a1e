// The desktop registration: the three files written once and then left alone, rewritten when
// the program moves or a file is damaged, an Exec line the desktop's own tools accept and
// parse back to the path, the MIME types known to xdg-mime afterwards, and every failure a
// message rather than an exception. The cache tools are stood in for by scripts on PATH.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "run_command.h"
#include "document/desktop_registration.h"
#include "temp_dir.h"

namespace veka {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;
using test::TTempDir;

// Sets or clears a variable for the scope and puts the old value back.
class TEnvironmentValue {
public:
    TEnvironmentValue(const char* name, const std::optional<std::string>& value) : Name_(name) {
        if (const char* old = std::getenv(name)) Old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~TEnvironmentValue() {
        if (Old_) setenv(Name_, Old_->c_str(), 1);
        else unsetenv(Name_);
    }
    TEnvironmentValue(const TEnvironmentValue&) = delete;
    TEnvironmentValue& operator=(const TEnvironmentValue&) = delete;

private:
    const char* Name_;
    std::optional<std::string> Old_;
};

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ino_t Inode(const fs::path& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

bool OnPath(const std::string& program) {
    return RunCommand("command -v " + program + " >/dev/null 2>&1").Status == 0;
}

// Single quotes for a shell command line.
std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

void WriteScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
}

const std::string kIcon = std::string(VEKA_TEST_DESKTOP_DIR) + "/veka4.svg";

class DesktopRegistrationTest : public ::testing::Test {
protected:
    TTempDir Dir;
    fs::path Home = Dir.Path / "data";
    fs::path Entry = Home / "applications/veka4.desktop";
    fs::path Package = Home / "mime/packages/veka4.xml";
    fs::path Icon = Home / "icons/hicolor/scalable/apps/veka4.svg";

    TDesktopRegistration Registration(const std::string& program = "/opt/veka/bin/veka4") const {
        TDesktopRegistration r;
        r.ProgramPath = program;
        r.IconSource = kIcon;
        r.DataHome = Home.string();
        r.RefreshCaches = false;
        return r;
    }
};

TEST_F(DesktopRegistrationTest, TheFirstStartWritesTheFilesAndTheNextOnlyWhatChanged) {
    bool changed = false;
    std::string error;
    ASSERT_TRUE(RegisterDesktop(Registration(), &changed, &error)) << error;
    EXPECT_TRUE(changed);
    EXPECT_NE(Read(Entry).find("\nExec=/opt/veka/bin/veka4 %f\n"), std::string::npos) << Read(Entry);
    EXPECT_EQ(Read(Package), MimePackageText());
    EXPECT_EQ(Read(Icon), Read(kIcon));

    // The same program again: nothing is written (a rewrite would be a new file).
    const ino_t entry = Inode(Entry), package = Inode(Package), icon = Inode(Icon);
    ASSERT_TRUE(RegisterDesktop(Registration(), &changed, &error)) << error;
    EXPECT_FALSE(changed);
    EXPECT_EQ(Inode(Entry), entry);
    EXPECT_EQ(Inode(Package), package);
    EXPECT_EQ(Inode(Icon), icon);

    // The program elsewhere: only the entry follows it.
    ASSERT_TRUE(RegisterDesktop(Registration("/home/me/veka/bin/veka4"), &changed, &error)) << error;
    EXPECT_TRUE(changed);
    EXPECT_NE(Read(Entry).find("\nExec=/home/me/veka/bin/veka4 %f\n"), std::string::npos);
    EXPECT_NE(Read(Entry).find("\nTryExec=/home/me/veka/bin/veka4\n"), std::string::npos);
    EXPECT_EQ(Inode(Package), package);
    EXPECT_EQ(Inode(Icon), icon);

    // A damaged or shortened file is put right; no temporary file is left behind.
    std::ofstream(Package, std::ios::trunc) << "<mime-info";
    ASSERT_TRUE(RegisterDesktop(Registration("/home/me/veka/bin/veka4"), &changed, &error)) << error;
    EXPECT_TRUE(changed);
    EXPECT_EQ(Read(Package), MimePackageText());
    for (const fs::path& folder : {Entry.parent_path(), Package.parent_path(), Icon.parent_path()})
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << folder;
}

TEST_F(DesktopRegistrationTest, WhatCannotBeWrittenIsAMessageAndTheRestIsWritten) {
    // A folder where the entry should be: the entry fails, the MIME types and the icon do not.
    fs::create_directories(Entry / "in the way");
    bool changed = false;
    std::string error;
    EXPECT_FALSE(RegisterDesktop(Registration(), &changed, &error));
    EXPECT_NE(error.find(Entry.string()), std::string::npos) << error;
    EXPECT_TRUE(changed);
    EXPECT_EQ(Read(Package), MimePackageText());
    EXPECT_TRUE(fs::is_regular_file(Icon));

    // A file where the data folder should be (a root user can write anywhere else).
    std::ofstream(Dir / "file") << "not a folder";
    TDesktopRegistration blocked = Registration();
    blocked.DataHome = Dir / "file";
    error.clear();
    EXPECT_NO_THROW(EXPECT_FALSE(RegisterDesktop(blocked, &changed, &error)));
    EXPECT_FALSE(changed);
    EXPECT_NE(error.find(blocked.DataHome), std::string::npos) << error;

    // A missing icon source is named; the other files are still written.
    TDesktopRegistration noIcon = Registration();
    noIcon.DataHome = Dir / "other";
    noIcon.IconSource = Dir / "missing.svg";
    error.clear();
    EXPECT_FALSE(RegisterDesktop(noIcon, &changed, &error));
    EXPECT_NE(error.find("missing.svg"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_regular_file(Dir.Path / "other/applications/veka4.desktop"));

    // Nothing to register in, or a program path no entry can hold: refused before any write.
    for (const auto& [program, dataHome] : {std::pair<std::string, std::string>{"/opt/veka4", ""},
                                            {"/opt/veka4", "relative/share"},
                                            {"bin/veka4", Dir / "refused"},
                                            {"/opt/\xff\xfe/veka4", Dir / "refused"},
                                            {"/opt/two\nlines/veka4", Dir / "refused"}}) {
        TDesktopRegistration r = Registration(program);
        r.DataHome = dataHome;
        error.clear();
        EXPECT_FALSE(RegisterDesktop(r, &changed, &error)) << program;
        EXPECT_FALSE(error.empty()) << program;
        EXPECT_FALSE(changed);
    }
    EXPECT_FALSE(fs::exists(Dir / "refused"));
    // Without the optional outputs too.
    EXPECT_FALSE(RegisterDesktop(blocked, nullptr, nullptr));
}

TEST(DesktopEntry, ExecQuotesWhatTheRulesReserve) {
    EXPECT_EQ(QuoteExecArgument("/usr/bin/veka4"), "/usr/bin/veka4");
    EXPECT_EQ(QuoteExecArgument("/home/me/My Programs/veka4"), "\"/home/me/My Programs/veka4\"");
    // Inside quotes " ` $ \ take a backslash, which the string escapes double once more.
    EXPECT_EQ(QuoteExecArgument("/a$b/c\"d/e`f/g\\h"), R"("/a\\$b/c\\"d/e\\`f/g\\\\h")");
    EXPECT_EQ(QuoteExecArgument("/opt/100%/veka4"), "/opt/100%%/veka4");
    EXPECT_EQ(QuoteExecArgument("/opt/a'b/veka4"), "\"/opt/a'b/veka4\"");
    EXPECT_EQ(QuoteExecArgument("/opt/日本語/veka4"), "/opt/日本語/veka4");
}

TEST_F(DesktopRegistrationTest, TheDesktopsToolsAcceptTheEntryAndRunThePath) {
    if (!OnPath("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate is not installed";
    for (const std::string folder : {"My Programs", "a$b \"c\" `d` \\e (f) & g; 'h'"}) {
        const fs::path program = Dir.Path / folder / "veka4";
        fs::create_directories(program.parent_path());
        bool changed = false;
        std::string error;
        ASSERT_TRUE(RegisterDesktop(Registration(program.string()), &changed, &error)) << error;
        const test::TCommandRun check = RunCommand("desktop-file-validate " + ShellQuoted(Entry.string()) + " 2>&1");
        EXPECT_EQ(check.Status, 0) << check.Out << Read(Entry);
        EXPECT_EQ(check.Out, "") << Read(Entry);

        // GLib parses the line back into the program and the file it is given.
        if (!OnPath("gio")) continue;
        const std::string launched = ShellQuoted((Dir.Path / "launched").string());
        WriteScript(program, "printf '%s|' \"$0\" \"$@\" > " + launched + ".new && mv " + launched + ".new " + launched);
        fs::remove(Dir.Path / "launched");
        const fs::path setup = Dir.Path / "my setup.ga4";
        const test::TCommandRun launch =
            RunCommand("timeout 20 gio launch " + ShellQuoted(Entry.string()) + " " + ShellQuoted(setup.string()) + " 2>&1");
        if (launch.Status != 0 && launch.Out.find("nknown command") != std::string::npos) continue;  // an older gio
        ASSERT_EQ(launch.Status, 0) << launch.Out << Read(Entry);
        // The launch does not wait for the program.
        for (int i = 0; i < 400 && !fs::exists(Dir.Path / "launched"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        EXPECT_EQ(Read(Dir.Path / "launched"), program.string() + "|" + setup.string() + "|");
    }
}

TEST(DesktopEntry, TheInstalledFilesAreTheOnesTheProgramWrites) {
    EXPECT_EQ(Read(std::string(VEKA_TEST_DESKTOP_DIR) + "/veka4.desktop"), DesktopEntryText("veka4"));
    EXPECT_EQ(Read(std::string(VEKA_TEST_DESKTOP_DIR) + "/veka4.xml"), MimePackageText());
    const std::string entry = DesktopEntryText("veka4");
    std::string types;
    for (const std::string& type : SetupMimeTypes()) {
        types += type + ";";
        EXPECT_NE(MimePackageText().find("<mime-type type=\"" + type + "\">"), std::string::npos) << type;
    }
    EXPECT_NE(entry.find("\nMimeType=" + types + "\n"), std::string::npos) << entry;
    EXPECT_EQ(SetupMimeTypes().front(), "application/x-veka4-setup");
    if (OnPath("desktop-file-validate")) {
        const test::TCommandRun check =
            RunCommand("desktop-file-validate " + ShellQuoted(std::string(VEKA_TEST_DESKTOP_DIR) + "/veka4.desktop") + " 2>&1");
        EXPECT_EQ(check.Status, 0) << check.Out;
    }
}

TEST_F(DesktopRegistrationTest, AfterTheRefreshTheDesktopKnowsTheSetupFiles) {
    // Outside a session xdg-mime asks mimetype, which reads the MIME database (without it, file(1)).
    if (!OnPath("update-mime-database") || !OnPath("xdg-mime") || !OnPath("mimetype"))
        GTEST_SKIP() << "update-mime-database, xdg-mime or mimetype (libfile-mimeinfo-perl) is not installed";
    TDesktopRegistration r = Registration();
    r.RefreshCaches = true;
    bool changed = false;
    std::string error;
    ASSERT_TRUE(RegisterDesktop(r, &changed, &error)) << error;
    EXPECT_TRUE(fs::is_regular_file(Home / "mime/mime.cache"));
    if (OnPath("update-desktop-database")) {
        EXPECT_NE(Read(Home / "applications/mimeinfo.cache").find("application/x-veka4-setup=veka4.desktop;"),
                  std::string::npos);
    }

    // Only our folder: no desktop session's own tools, no system-wide types.
    fs::create_directories(Dir.Path / "no system");
    const std::string environment = "env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID "
                                    "-u MATE_DESKTOP_SESSION_ID -u DISPLAY XDG_DATA_HOME=" +
                                    ShellQuoted(Home.string()) + " XDG_DATA_DIRS=" + ShellQuoted((Dir.Path / "no system").string());
    for (const auto& [name, type] : {std::pair<std::string, std::string>{"song setup.ga4", "application/x-veka4-setup"},
                                     {"OLD.GA3", "application/x-veka3-setup"},
                                     {"bass.1pg", "application/x-veka4-part"},
                                     {"kit.1dg", "application/x-veka4-drum-map"},
                                     {"user.1ug", "application/x-veka4-user-drum-set"},
                                     {"live.cst", "application/x-veka4-custom"}}) {
        const fs::path file = Dir.Path / name;
        std::ofstream(file, std::ios::binary) << std::string("\x01\x02\x03\x04", 4);
        const test::TCommandRun query = RunCommand(environment + " xdg-mime query filetype " + ShellQuoted(file.string()) + " 2>&1");
        EXPECT_EQ(query.Status, 0) << query.Out;
        EXPECT_EQ(query.Out, type + "\n") << name;
    }

    // Nothing changed: no refresh, so the cache stays as it is.
    const ino_t cache = Inode(Home / "mime/mime.cache");
    ASSERT_TRUE(RegisterDesktop(r, &changed, &error)) << error;
    EXPECT_FALSE(changed);
    EXPECT_EQ(Inode(Home / "mime/mime.cache"), cache);
}

TEST_F(DesktopRegistrationTest, TheCacheToolsMayBeMissingButNotFailOrHang) {
    const fs::path tools = Dir.Path / "tools";
    fs::create_directories(tools);
    TEnvironmentValue path("PATH", tools.string());
    TDesktopRegistration r = Registration();
    r.RefreshCaches = true;
    r.RefreshTimeoutMs = 100;
    bool changed = false;
    std::string error;
    // Neither tool installed: the files alone, and no complaint.
    EXPECT_TRUE(RegisterDesktop(r, &changed, &error)) << error;
    EXPECT_TRUE(changed);

    // A tool that fails is named, after a change or while its cache is missing.
    WriteScript(tools / "update-mime-database", "exit 3");
    EXPECT_FALSE(RegisterDesktop(r, &changed, &error));
    EXPECT_FALSE(changed);
    EXPECT_NE(error.find("update-mime-database"), std::string::npos) << error;

    // One that never ends is stopped and named; the start goes on.
    WriteScript(tools / "update-mime-database", "echo working; exec /bin/sleep 30");
    WriteScript(tools / "update-desktop-database", "echo working >&2; exit 0");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(RegisterDesktop(r, &changed, &error));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_NE(error.find("did not finish"), std::string::npos) << error;
    EXPECT_EQ(error.find("update-desktop-database"), std::string::npos) << error;
}

TEST(RunQuietly, TellsHowTheProgramEndedAndKeepsItsOutputAway) {
    EXPECT_EQ(RunQuietly({"true"}, 5000), TSpawnResult::Exited0);
    EXPECT_EQ(RunQuietly({"false"}, 5000), TSpawnResult::ExitedNonZero);
    EXPECT_EQ(RunQuietly({"veka4-no-such-program"}, 5000), TSpawnResult::NotFound);
    EXPECT_EQ(RunQuietly({}, 5000), TSpawnResult::Failed);
    // Arguments go as they are, without a shell.
    EXPECT_EQ(RunQuietly({"sh", "-c", "test \"$1\" = 'a b;c'", "sh", "a b;c"}, 5000), TSpawnResult::Exited0);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const TSpawnResult talk = RunQuietly({"sh", "-c", "echo out; echo err >&2; read line; exit 0"}, 5000);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(talk, TSpawnResult::Exited0);  // its input is empty, so the read returns
    // A program that outlives the wait is stopped, with what it started.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(RunQuietly({"sh", "-c", "sleep 30; sleep 30"}, 50), TSpawnResult::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(DesktopRegistrationPlaces, DataHomeAndIconByTheRules) {
    TTempDir dir;
    {
        TEnvironmentValue data("XDG_DATA_HOME", "/xdg/data");
        TEnvironmentValue home("HOME", "/home/me");
        EXPECT_EQ(UserDataHome(), "/xdg/data");
    }
    {
        // A relative XDG_DATA_HOME is ignored, as is an empty one.
        TEnvironmentValue data("XDG_DATA_HOME", "relative/data");
        TEnvironmentValue home("HOME", "/home/me");
        EXPECT_EQ(UserDataHome(), "/home/me/.local/share");
        TEnvironmentValue empty("XDG_DATA_HOME", "");
        EXPECT_EQ(UserDataHome(), "/home/me/.local/share");
    }
    {
        TEnvironmentValue data("XDG_DATA_HOME", std::nullopt);
        TEnvironmentValue home("HOME", "/home/me");
        EXPECT_EQ(UserDataHome(), "/home/me/.local/share");
    }

    // The icon beside the program (build tree) wins over the installed tree's.
    const fs::path bin = dir.Path / "bin";
    const fs::path installed = dir.Path / "share/icons/hicolor/scalable/apps/veka4.svg";
    fs::create_directories(bin);
    EXPECT_EQ(ShippedIconPath(bin.string()), "");
    fs::create_directories(installed.parent_path());
    std::ofstream(installed) << "<svg/>";
    EXPECT_EQ(ShippedIconPath(bin.string()), installed.string());
    std::ofstream(bin / "veka4.svg") << "<svg/>";
    EXPECT_EQ(ShippedIconPath(bin.string()), (bin / "veka4.svg").string());
    EXPECT_EQ(ShippedIconPath(""), "");

    // The running program: an absolute path and the data home of the environment.
    const TDesktopRegistration self = ThisProgramsDesktopRegistration();
    EXPECT_TRUE(fs::path(self.ProgramPath).is_absolute()) << self.ProgramPath;
    EXPECT_TRUE(fs::is_regular_file(self.ProgramPath)) << self.ProgramPath;
    EXPECT_EQ(self.DataHome, UserDataHome());
}

}  // namespace
}  // namespace veka
