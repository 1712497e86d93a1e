#include "module/safe_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
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

namespace {

TReplaceFault& Fault() {
    static TReplaceFault fault;
    return fault;
}

// 0 when the step may run; otherwise the test's errno, or kReplaceCrash.
int Injected(TReplaceStep step) {
    const TReplaceFault& fault = Fault();
    return fault ? fault(step) : 0;
}

// Writes every byte to the descriptor, in pieces; errno tells why when it fails.
bool WriteAll(int fd, std::span<const uint8_t> bytes, bool& crashed) {
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t piece = std::min(kReplaceChunk, bytes.size() - done);
        if (const int injected = Injected(TReplaceStep::Write)) {
            crashed = injected == kReplaceCrash;
            errno = crashed ? EIO : injected;
            return false;
        }
        const ssize_t n = ::write(fd, bytes.data() + done, piece);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// The folder's entry for the renamed file reaches the disk too. A folder that cannot be opened
// for it (no read permission) or a file system that cannot sync a folder leaves nothing to do:
// only an error of the disk itself fails the save.
bool SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EROFS;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

}  // namespace

void SetReplaceFault(TReplaceFault fault) { Fault() = std::move(fault); }

bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device random;
    int fd = -1;
    fs::path temp;
    if (const int injected = Injected(TReplaceStep::Create)) {
        error = path + ": cannot create a file in " + folder.string() + ": " +
                std::strerror(injected == kReplaceCrash ? EIO : injected);
        return false;
    }
    // O_EXCL: the temporary file is always a new one, never someone else's.
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        std::string name = ".";  // appended piece by piece: GCC 12 warns falsely at "." + string
        name += target.filename().string();
        name += ".tmp";
        name += std::to_string(random() % 1000000);
        temp = folder / name;
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error = path + ": cannot create a file in " + folder.string() + ": " + std::strerror(errno);
        return false;
    }
    std::error_code ec;
    // A failed step removes the new file; a crash leaves it as it is, beside the old one.
    const auto fail = [&](const char* what, int code, bool crashed) {
        if (fd >= 0) ::close(fd);
        if (!crashed) fs::remove(temp, ec);
        error = path + ": " + what + ": " + std::strerror(code);
        return false;
    };
    bool crashed = false;
    if (!WriteAll(fd, bytes, crashed)) return fail("write error", errno, crashed);
    // The bytes are on the disk before the name points at them.
    if (const int injected = Injected(TReplaceStep::Sync))
        return fail("write error", injected == kReplaceCrash ? EIO : injected, injected == kReplaceCrash);
    if (::fsync(fd) != 0) return fail("write error", errno, false);
    const int closing = Injected(TReplaceStep::Close);
    if (closing == kReplaceCrash) return fail("write error", EIO, true);
    const int closed = ::close(fd);
    fd = -1;
    if (closing != 0 || closed != 0) return fail("write error", closing ? closing : errno, false);
    if (const int injected = Injected(TReplaceStep::Rename)) {
        if (injected != kReplaceCrash) fs::remove(temp, ec);
        error = path + ": cannot replace the file: " + std::strerror(injected == kReplaceCrash ? EIO : injected);
        return false;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temp, ec);
        error = path + ": cannot replace the file: " + reason;
        return false;
    }
    // The new file is in place; a folder that does not reach the disk is still an error to tell.
    const int syncing = Injected(TReplaceStep::SyncFolder);
    if (syncing == kReplaceCrash) {
        error = path + ": the folder was not synced";
        return false;
    }
    if (syncing != 0 || !SyncFolder(folder)) {
        error = path + ": the folder could not be synced: " + std::strerror(syncing ? syncing : errno);
        return false;
    }
    return true;
}

}  // namespace veka
