#include "app/sys_info.h"

#include <fcntl.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace veka {

namespace {

// The files read here are a few KiB; /proc/cpuinfo of a large machine is longer, but the
// first processor's entry comes first.
constexpr std::size_t kFileLimit = 64 * 1024;

std::string Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// Calls f(key, value) for every "key<separator>value" line until f returns true.
template <typename F>
void ForEachLine(const std::string& text, char separator, F f) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        if (const std::size_t at = line.find(separator); at != std::string_view::npos)
            if (f(Trim(line.substr(0, at)), Trim(line.substr(at + 1)))) return;
        start = end + 1;
    }
}

// A shell-style value of os-release: quoted with " or ', with \ escaping the next character.
std::string UnquoteShellValue(const std::string& value) {
    if (value.size() < 2 || (value.front() != '"' && value.front() != '\'') || value.back() != value.front())
        return value;
    std::string out;
    const std::string_view inner(value.data() + 1, value.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && value.front() == '"' && i + 1 < inner.size()) ++i;
        out += inner[i];
    }
    return out;
}

}  // namespace

std::string ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    // A FIFO in place of a file must not hang the form: without a writer, a non-blocking open
    // and read return at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return {};
    // /proc files report a size of 0, so read until the end or the limit.
    std::string text;
    std::vector<char> chunk(4096);
    while (text.size() < maxBytes) {
        const std::size_t want = std::min(chunk.size(), maxBytes - text.size());
        const ssize_t got = ::read(fd, chunk.data(), want);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        text.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

std::string OsReleasePrettyName(const std::string& osRelease) {
    std::string name;
    ForEachLine(osRelease, '=', [&](const std::string& key, const std::string& value) {
        if (key != "PRETTY_NAME") return false;
        name = UnquoteShellValue(value);
        return true;
    });
    return name;
}

std::string CpuModelName(const std::string& cpuInfo) {
    std::string model;
    ForEachLine(cpuInfo, ':', [&](const std::string& key, const std::string& value) {
        if (key != "model name") return false;
        model = value;
        return true;
    });
    return model;
}

std::uint64_t MemInfoTotalMB(const std::string& memInfo) {
    std::uint64_t megabytes = 0;
    ForEachLine(memInfo, ':', [&](const std::string& key, const std::string& value) {
        if (key != "MemTotal") return false;
        // "16374900 kB"; anything that is not a number leaves 0.
        char* end = nullptr;
        const unsigned long long kilobytes = std::strtoull(value.c_str(), &end, 10);
        if (end != value.c_str()) megabytes = kilobytes / 1024;
        return true;
    });
    return megabytes;
}

std::string CutUtf8(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    // Continuation bytes are 10xxxxxx; back off until the cut lands on a character's start.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

TMySysInfo::TMySysInfo(const TSysInfoSources& sources) {
    if (utsname names{}; ::uname(&names) == 0) {
        SysName = names.sysname;
        Release = names.release;
        Version = names.version;
        Machine = names.machine;
    }
    PrettyName = OsReleasePrettyName(ReadSmallFile(sources.OsRelease, kFileLimit));
    CpuModel = CpuModelName(ReadSmallFile(sources.CpuInfo, kFileLimit));

    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && pageSize > 0)
        TotalPhysMB = static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize) / (1024 * 1024);
    else
        TotalPhysMB = MemInfoTotalMB(ReadSmallFile(sources.MemInfo, kFileLimit));

    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0) ComputerName = CutUtf8(host, kComputerNameLength);
}

std::string TMySysInfo::OsVersionText() const {
    std::string kernel = SysName;
    if (!Release.empty()) {
        if (!kernel.empty()) kernel += ' ';
        kernel += Release;
    }
    if (!Version.empty()) {
        if (!kernel.empty()) kernel += ' ';
        kernel += '(';
        kernel += Version;
        kernel += ')';
    }
    std::string text = PrettyName.empty() ? kernel : kernel.empty() ? PrettyName : PrettyName + " / " + kernel;
    if (Administrator) text += *Administrator ? " Administrator" : " Not Administrator";
    return text;
}

std::string TMySysInfo::ProcessorText() const {
    if (CpuModel.empty()) return Machine;
    return Machine.empty() ? CpuModel : Machine + " (" + CpuModel + ")";
}

}  // namespace veka
