#pragma once
// A folder of its own under the system's temporary folder, removed with everything in it.
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace veka::test {

class TTempDir {
public:
    explicit TTempDir(const std::string& prefix = "veka-test-") {
        std::random_device random;
        Path = std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
        std::filesystem::create_directories(Path);
    }
    ~TTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    std::string operator/(const std::string& name) const { return (Path / name).string(); }
    std::filesystem::path Path;
};

}  // namespace veka::test
