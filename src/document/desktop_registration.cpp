#include "document/desktop_registration.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <system_error>
#include <thread>

#include "module/default_folder.h"
#include "module/safe_file.h"

extern char** environ;

namespace veka {

namespace fs = std::filesystem;

namespace {

struct TSetupType {
    const char* Type;
    const char* Glob;
    const char* Comment;
    const char* CommentJapanese;
};

// The main type first: it is the one a file manager offers Veka for by default.
constexpr TSetupType kSetupTypes[] = {
    {"application/x-veka4-setup", "*.ga4", "Veka GS setup", "Veka 全データ"},
    {"application/x-veka3-setup", "*.ga3", "Veka GS setup (older format)", "Veka 全データ (旧形式)"},
    {"application/x-veka4-part", "*.1pg", "Veka GS part", "Veka パート"},
    {"application/x-veka4-drum-map", "*.1dg", "Veka GS drum map", "Veka ドラムマップ"},
    {"application/x-veka4-user-drum-set", "*.1ug", "Veka GS user drum set", "Veka ユーザードラム"},
    {"application/x-veka4-custom", "*.cst", "Veka custom file", "Veka カスタムデータファイル"},
};

// The largest file of ours worth comparing; anything bigger is not ours and is replaced.
constexpr uintmax_t kMaxCompared = 4u << 20;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The escapes of a desktop entry's string values (applied last, over the Exec quoting).
std::string EscapeStringValue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    if (!out.empty() && out[0] == ' ') out.replace(0, 1, "\\s");
    return out;
}

bool ValidUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        uint32_t code = 0;
        if (c < 0x80) length = 1, code = c;
        else if ((c & 0xE0) == 0xC0) length = 2, code = c & 0x1F;
        else if ((c & 0xF0) == 0xE0) length = 3, code = c & 0x0F;
        else if ((c & 0xF8) == 0xF0) length = 4, code = c & 0x07;
        else return false;
        if (i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

bool HasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

void AddError(std::string& all, const std::string& one) {
    if (!all.empty()) all += "; ";
    all += one;
}

// Creates the folder with its parents; false with the reason when there is no folder then.
bool EnsureFolder(const fs::path& folder, std::string& errors) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::error_code ignored;
    if (fs::is_directory(folder, ignored)) return true;
    const bool inTheWay = fs::exists(folder, ignored);
    AddError(errors, "cannot create the folder " + folder.string() + ": " +
                         (inTheWay || !ec ? std::string("a file of that name is in the way") : ec.message()));
    return false;
}

// Writes content to path unless the file already holds exactly that. True when the file is
// as wanted afterwards; written tells whether it had to be written.
bool WriteIfDifferent(const fs::path& path, std::span<const uint8_t> content, bool& written, std::string& errors) {
    written = false;
    std::vector<uint8_t> present;
    std::string ignored;
    if (ReadWholeFile(path.string(), kMaxCompared, present, ignored) &&
        std::equal(present.begin(), present.end(), content.begin(), content.end()))
        return true;
    if (!EnsureFolder(path.parent_path(), errors)) return false;
    std::string error;
    if (!ReplaceFile(path.string(), content, error)) {
        AddError(errors, error);
        return false;
    }
    written = true;
    return true;
}

std::span<const uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// A cache rebuild after a change, or when the cache is missing (a start that ended between
// the write and the rebuild, or a tool installed since).
void Refresh(const TDesktopRegistration& r, bool wrote, const fs::path& folder, const char* cache,
             std::vector<std::string> argv, std::string& errors) {
    std::error_code ec;
    if (!r.RefreshCaches || (!wrote && fs::exists(folder / cache, ec))) return;
    switch (RunQuietly(argv, r.RefreshTimeoutMs)) {
    case TSpawnResult::Exited0:
    case TSpawnResult::NotFound: break;  // without the tool the desktop reads the files itself
    case TSpawnResult::ExitedNonZero: AddError(errors, argv[0] + " failed on " + folder.string()); break;
    case TSpawnResult::TimedOut: AddError(errors, argv[0] + " did not finish in time and was stopped"); break;
    case TSpawnResult::Failed: AddError(errors, argv[0] + " could not be started"); break;
    }
}

}  // namespace

std::string UserDataHome() {
    // A relative XDG_DATA_HOME is invalid and is ignored, as the base-directory rules say.
    if (const std::string data = Environment("XDG_DATA_HOME"); !data.empty() && fs::path(data).is_absolute())
        return data;
    std::string home = Environment("HOME");
    if (home.empty())
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) home = entry->pw_dir;
    if (home.empty()) return {};
    return (fs::path(home) / ".local" / "share").string();
}

const std::vector<std::string>& SetupMimeTypes() {
    static const std::vector<std::string> types = [] {
        std::vector<std::string> all;
        for (const TSetupType& t : kSetupTypes) all.emplace_back(t.Type);
        return all;
    }();
    return types;
}

std::string QuoteExecArgument(const std::string& argument) {
    static constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted;
    const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    if (quote) quoted += '"';
    for (const char c : argument) {
        if (c == '%') quoted += "%%";  // a literal percent sign, not a field code
        else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) quoted += '\\', quoted += c;
        else quoted += c;
    }
    if (quote) quoted += '"';
    return EscapeStringValue(quoted);
}

std::string DesktopEntryText(const std::string& programPath) {
    std::string types;
    for (const TSetupType& t : kSetupTypes) types += std::string(t.Type) + ";";
    std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Version=1.4\n"
        "Name=Veka\n"
        "GenericName=GS Sound Module Editor\n"
        "GenericName[ja]=GS 音源エディタ\n"
        "Comment=Edit the setups of GS sound modules (SC-88, SC-88Pro, SC-8850) and keep them in files\n"
        "Comment[ja]=GS 音源 (SC-88, SC-88Pro, SC-8850) の設定を編集し、ファイルに保存します\n"
        "Keywords=MIDI;GS;SC-88;SC-88Pro;SC-8850;Sound Module;Synthesizer;Librarian;\n"
        "Icon=veka4\n";
    // TryExec hides the entry once the program it names is gone (a build tree removed).
    text += "TryExec=" + EscapeStringValue(programPath) + "\n";
    text += "Exec=" + QuoteExecArgument(programPath) + " %f\n";
    text +=
        "Terminal=false\n"
        "Categories=AudioVideo;Audio;Midi;\n"
        "MimeType=" + types + "\n"
        // The program names itself "Veka4", which Qt makes the class of its X11 windows.
        "StartupWMClass=Veka4\n"
        "X-Talvik-ProgID=Talvik Veka4\n";
    return text;
}

std::string MimePackageText() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- Talvik Veka4: the setup files of Veka, the editor and librarian for GS sound modules.\n"
        "     Globs match without regard to case, so \"SONG.GA4\" is a setup as well. -->\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const TSetupType& t : kSetupTypes) {
        text += std::string("  <mime-type type=\"") + t.Type + "\">\n";
        text += std::string("    <comment>") + t.Comment + "</comment>\n";
        text += std::string("    <comment xml:lang=\"ja\">") + t.CommentJapanese + "</comment>\n";
        text += "    <generic-icon name=\"audio-x-generic\"/>\n";
        text += std::string("    <glob pattern=\"") + t.Glob + "\"/>\n";
        text += "  </mime-type>\n";
    }
    text += "</mime-info>\n";
    return text;
}

std::string ShippedIconPath(const std::string& programFolder) {
    if (programFolder.empty()) return {};
    const fs::path folder(programFolder);
    const std::string name = std::string(kDesktopName) + ".svg";
    std::error_code ec;
    for (const fs::path& candidate :
         {folder / name, folder.parent_path() / "share" / "icons" / "hicolor" / "scalable" / "apps" / name})
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    return {};
}

TDesktopRegistration ThisProgramsDesktopRegistration() {
    TDesktopRegistration r;
    r.ProgramPath = ProgramPath();
    r.IconSource = ShippedIconPath(fs::path(r.ProgramPath).parent_path().string());
    r.DataHome = UserDataHome();
    return r;
}

bool RegisterDesktop(const TDesktopRegistration& r, bool* changed, std::string* error) {
    if (changed) *changed = false;
    std::string errors;
    try {
        if (r.DataHome.empty() || !fs::path(r.DataHome).is_absolute()) {
            errors = "no data folder to register the program in (HOME is not set)";
        } else if (r.ProgramPath.empty() || !fs::path(r.ProgramPath).is_absolute()) {
            errors = "the program path \"" + r.ProgramPath + "\" is not absolute";
        } else if (!ValidUtf8(r.ProgramPath) || HasControlCharacter(r.ProgramPath)) {
            // A desktop entry is UTF-8 text of single lines.
            errors = "the program path \"" + r.ProgramPath + "\" cannot be written in a desktop entry";
        } else if (EnsureFolder(r.DataHome, errors)) {
            const fs::path home(r.DataHome);
            const fs::path mimeFolder = home / "mime";
            const fs::path applications = home / "applications";
            const std::string name = kDesktopName;
            bool wroteMime = false, wroteEntry = false, wroteIcon = false;
            WriteIfDifferent(mimeFolder / "packages" / (name + ".xml"), Bytes(MimePackageText()), wroteMime, errors);
            WriteIfDifferent(applications / (name + ".desktop"), Bytes(DesktopEntryText(r.ProgramPath)), wroteEntry,
                             errors);
            if (!r.IconSource.empty()) {
                std::vector<uint8_t> icon;
                std::string readError;
                if (ReadWholeFile(r.IconSource, kMaxCompared, icon, readError))
                    WriteIfDifferent(home / "icons" / "hicolor" / "scalable" / "apps" / (name + ".svg"), icon, wroteIcon,
                                     errors);
                else
                    AddError(errors, "the icon: " + readError);
            }
            if (changed) *changed = wroteMime || wroteEntry || wroteIcon;
            // The caches are rebuilt only in folders whose files are in place.
            std::error_code ec;
            if (fs::exists(mimeFolder / "packages" / (name + ".xml"), ec))
                Refresh(r, wroteMime, mimeFolder, "mime.cache", {"update-mime-database", mimeFolder.string()}, errors);
            if (fs::exists(applications / (name + ".desktop"), ec))
                Refresh(r, wroteEntry, applications, "mimeinfo.cache", {"update-desktop-database", "-q", applications.string()},
                        errors);
        }
    } catch (const std::exception& e) {  // memory, or a path the file system library refuses
        AddError(errors, e.what());
    }
    if (error) *error = errors;
    return errors.empty();
}

TSpawnResult RunQuietly(const std::vector<std::string>& argv, int timeoutMs) {
    if (argv.empty() || argv[0].empty()) return TSpawnResult::Failed;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    if (posix_spawn_file_actions_init(&actions) != 0) return TSpawnResult::Failed;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return TSpawnResult::Failed;
    }
    bool ready = true;
    for (const int fd : {0, 1, 2})
        ready = ready && posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0) == 0;
    // A group of its own, so a stop takes whatever it started too; no signal blocked by our
    // threads stays blocked in it.
    sigset_t none;
    sigemptyset(&none);
    ready = ready && posix_spawnattr_setsigmask(&attributes, &none) == 0 && posix_spawnattr_setpgroup(&attributes, 0) == 0 &&
            posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP) == 0;
    pid_t pid = -1;
    const int spawned = ready ? posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ) : -1;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned == ENOENT) return TSpawnResult::NotFound;
    if (spawned != 0) return TSpawnResult::Failed;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    auto pause = std::chrono::milliseconds(1);
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) return TSpawnResult::Failed;  // reaped elsewhere
        if (Clock::now() >= deadline) {
            kill(-pid, SIGKILL);
            kill(pid, SIGKILL);
            // A killed process goes at once unless the kernel holds it; then it is left behind.
            for (int i = 0; i < 50 && waitpid(pid, &status, WNOHANG) == 0; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            return TSpawnResult::TimedOut;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? TSpawnResult::Exited0 : TSpawnResult::ExitedNonZero;
}

}  // namespace veka
