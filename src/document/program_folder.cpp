#include "document/program_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "module/default_folder.h"

namespace veka {

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
    if (std::string home = Environment("HOME"); !home.empty()) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir) return entry->pw_dir;
    return {};
}

}  // namespace

std::string ChooseProgramFolder(const std::string& vekaHome, const std::string& executableFolder,
                                const std::string& xdgConfigHome, const std::string& home) {
    if (!vekaHome.empty()) return vekaHome;
    std::error_code ec;
    if (!executableFolder.empty() && fs::is_directory(fs::path(executableFolder) / "default", ec) &&
        access(executableFolder.c_str(), W_OK) == 0)
        return executableFolder;
    // A relative XDG_CONFIG_HOME is invalid and is ignored, as the base-directory rules say.
    if (!xdgConfigHome.empty() && fs::path(xdgConfigHome).is_absolute())
        return (fs::path(xdgConfigHome) / "veka4").string();
    if (!home.empty()) return (fs::path(home) / ".config" / "veka4").string();
    // No home at all: the executable's folder is the last place left.
    return executableFolder.empty() ? std::string(".") : executableFolder;
}

std::string FindProgramFolder(std::string* error) {
    const std::string folder =
        ChooseProgramFolder(Environment("VEKA_HOME"), ProgramFolder(), Environment("XDG_CONFIG_HOME"), HomeFolder());
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec && error) *error = folder + ": " + ec.message();
    }
    return folder;
}

std::string SettingsFilePath(std::string* error) {
    return (fs::path(FindProgramFolder(error)) / "Veka.ini").string();
}

}  // namespace veka
