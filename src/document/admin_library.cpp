#include "document/admin_library.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#ifndef VEKA_INSTALL_LIBDIR
#define VEKA_INSTALL_LIBDIR "lib"
#endif

namespace veka {

namespace fs = std::filesystem;

std::vector<std::string> MevroFolders(const std::string& programFolder) {
    if (programFolder.empty()) return {};
    const fs::path folder(programFolder);
    std::vector<std::string> folders{folder.string()};
    for (const char* libdir : {"lib", VEKA_INSTALL_LIBDIR}) {
        const std::string candidate = (folder.parent_path() / libdir / "veka4").string();
        if (std::find(folders.begin(), folders.end(), candidate) == folders.end()) folders.push_back(candidate);
    }
    return folders;
}

std::optional<bool> AskAdministrator(const std::string& programFolder) {
    for (const std::string& folder : MevroFolders(programFolder)) {
        const fs::path path = fs::path(folder) / kMevroFileName;
        std::error_code error;
        if (!fs::is_regular_file(path, error)) continue;
        // The first library found answers, or nobody does: a broken one is not passed over
        // for another copy elsewhere.
        void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library) return std::nullopt;
        using TUserIsAdmin = bool (*)();
        const auto ask = reinterpret_cast<TUserIsAdmin>(dlsym(library, "UserIsAdmin"));
        std::optional<bool> answer;
        if (ask) answer = ask();
        dlclose(library);
        return answer;
    }
    return std::nullopt;
}

}  // namespace veka
