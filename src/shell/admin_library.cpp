#include "shell/admin_library.h"

#include <dlfcn.h>

#include <filesystem>

namespace veka {

std::optional<bool> AskAdministrator(const std::string& folder) {
    const std::filesystem::path path = std::filesystem::path(folder) / kMevroFileName;
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    using TUserIsAdmin = bool (*)();
    const auto ask = reinterpret_cast<TUserIsAdmin>(dlsym(library, "UserIsAdmin"));
    std::optional<bool> answer;
    if (ask) answer = ask();
    dlclose(library);
    return answer;
}

}  // namespace veka
