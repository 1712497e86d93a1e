#pragma once
// A folder of the fuzz run's own for targets that read through files, gone when the run ends.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace veka::fuzz {

struct TFolder {
    std::filesystem::path Path;
    explicit TFolder(const std::string& name)
        : Path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(Path);
    }
    ~TFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
};

}  // namespace veka::fuzz
