#pragma once
// What the contact form tells about this machine: the operating system, the memory, the
// computer's name and the processor. Captured once, when the object is made. Plain C++ and
// POSIX, so it is tested without windows.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace veka {

// Where the descriptions of the system are read; tests point these at their own files.
struct TSysInfoSources {
    std::string OsRelease = "/etc/os-release";
    std::string CpuInfo = "/proc/cpuinfo";
    std::string MemInfo = "/proc/meminfo";
};

struct TMySysInfo {
    // The computer name is cut to this many bytes (never inside a UTF-8 character).
    static constexpr std::size_t kComputerNameLength = 16;

    TMySysInfo() : TMySysInfo(TSysInfoSources{}) {}
    explicit TMySysInfo(const TSysInfoSources& sources);

    std::string SysName;      // uname: "Linux"
    std::string Release;      // uname: kernel release
    std::string Version;      // uname: kernel build text
    std::string PrettyName;   // PRETTY_NAME of os-release; empty when unreadable
    std::uint64_t TotalPhysMB = 0;
    std::string ComputerName;
    std::string Machine;      // uname: "x86_64", "aarch64" ...
    std::string CpuModel;     // "model name" of cpuinfo; empty when unreadable
    // What libmevro.so answered at start; nothing when it is not there.
    std::optional<bool> Administrator;

    // One line each for the form: the distribution with the kernel (then "Administrator" or
    // "Not Administrator" when known), the machine with the model.
    std::string OsVersionText() const;
    std::string ProcessorText() const;
};

// The pieces, on given text, so they are tested without the machine's own files.

// At most maxBytes of the file; empty when it is missing or unreadable.
std::string ReadSmallFile(const std::string& path, std::size_t maxBytes);
// PRETTY_NAME of os-release text, its quotes and escapes removed; empty when absent.
std::string OsReleasePrettyName(const std::string& osRelease);
// The first "model name" of cpuinfo text; empty when absent.
std::string CpuModelName(const std::string& cpuInfo);
// MemTotal of meminfo text in MB; 0 when absent.
std::uint64_t MemInfoTotalMB(const std::string& memInfo);
// text cut to at most maxBytes, backing off to the start of a UTF-8 character.
std::string CutUtf8(const std::string& text, std::size_t maxBytes);

}  // namespace veka
