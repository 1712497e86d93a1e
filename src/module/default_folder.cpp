#include "module/default_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace veka {

namespace fs = std::filesystem;

std::string ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
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

}  // namespace veka
