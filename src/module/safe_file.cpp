#include "module/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace veka {

namespace fs = std::filesystem;

bool ReadWholeFile(const std::string& path, uintmax_t maxBytes, std::vector<uint8_t>& bytes, std::string& error) {
    bytes.clear();
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = path + ": is a folder";
        return false;
    }
    const uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        error = path + ": " + ec.message();
        return false;
    }
    if (size > maxBytes) {
        error = path + ": " + std::to_string(size) + " bytes, more than the " + std::to_string(maxBytes) +
                " this kind of file can have";
        return false;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    // The size may change under us: read at most the limit, and whatever is there.
    bytes.resize(size_t(size));
    size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    bool failed = std::ferror(f) != 0;
    if (!failed && got == bytes.size()) {
        uint8_t extra[4096];
        size_t more;
        while ((more = std::fread(extra, 1, sizeof extra, f)) > 0) {
            if (bytes.size() + more > maxBytes) {
                std::fclose(f);
                error = path + ": grew past " + std::to_string(maxBytes) + " bytes while being read";
                return false;
            }
            bytes.insert(bytes.end(), extra, extra + more);
            got += more;
        }
        failed = std::ferror(f) != 0;
    }
    std::fclose(f);
    if (failed) {
        error = path + ": read error";
        return false;
    }
    bytes.resize(got);
    return true;
}

bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device random;
    std::FILE* f = nullptr;
    fs::path temp;
    // "x": the temporary file is always a new one, never someone else's.
    for (int attempt = 0; attempt < 16 && !f; ++attempt) {
        std::string name = ".";  // appended piece by piece: GCC 12 warns falsely at "." + string
        name += target.filename().string();
        name += ".tmp";
        name += std::to_string(random() % 1000000);
        temp = folder / name;
        f = std::fopen(temp.c_str(), "wbx");
        if (!f && errno != EEXIST) break;
    }
    if (!f) {
        error = path + ": cannot create a file in " + folder.string() + ": " + std::strerror(errno);
        return false;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (ok) ok = std::fflush(f) == 0;
    const int writeErrno = errno;
    if (std::fclose(f) != 0) ok = false;
    std::error_code ec;
    if (!ok) {
        fs::remove(temp, ec);
        error = path + ": write error: " + std::strerror(writeErrno);
        return false;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        error = path + ": cannot replace the file: " + ec.message();
        return false;
    }
    return true;
}

}  // namespace veka
