#include "module/default_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace veka {

namespace fs = std::filesystem;

std::string ProgramPath() {
    std::error_code ec;
    std::string exe = fs::read_symlink("/proc/self/exe", ec).string();
    if (ec) return {};
    // A program rebuilt while it runs is named "... (deleted)"; the new file has its name.
    constexpr std::string_view kDeleted = " (deleted)";
    if (exe.size() > kDeleted.size() && exe.ends_with(kDeleted)) {
        const std::string replaced = exe.substr(0, exe.size() - kDeleted.size());
        if (fs::exists(replaced, ec)) exe = replaced;
    }
    return exe;
}

std::string ProgramFolder() {
    const std::string exe = ProgramPath();
    return exe.empty() ? std::string(".") : fs::path(exe).parent_path().string();
}

std::string FindDefaultFolder() {
    if (const char* env = std::getenv("VEKA_DEFAULT_DIR"); env && *env) return env;
    const fs::path program = ProgramFolder();
    std::error_code ec;
    if (fs::is_directory(program / "default", ec)) return (program / "default").string();
    const fs::path installed = program.parent_path() / "share" / "veka4" / "default";
    if (fs::is_directory(installed, ec)) return installed.string();
    return (program / "default").string();  // the constructor then names the missing file
}

std::string FindShippedFile(const std::string& name, const std::string& programFolder) {
    if (name.empty() || programFolder.empty()) return {};
    const fs::path folder(programFolder);
    std::error_code ec;
    for (const fs::path& candidate : {folder / name, folder.parent_path() / "share" / "veka4" / name})
        if (fs::exists(candidate, ec)) return candidate.string();
    return {};
}

std::string FindShippedFile(const std::string& name) { return FindShippedFile(name, ProgramFolder()); }

}  // namespace veka
