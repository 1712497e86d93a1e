#pragma once
// Helpers of the song tests: files built byte by byte, a scratch folder, image comparison and
// running external programs.
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "module/image.h"
#include "run_command.h"

namespace veka::test {

using TBytes = std::vector<uint8_t>;

inline void Append(TBytes& out, std::initializer_list<uint8_t> bytes) { out.insert(out.end(), bytes); }
inline void AppendBe32(TBytes& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

// "MThd" with the given fields, then one "MTrk" chunk per body (its length from the body).
inline TBytes SmfBytes(int format, int division, const std::vector<TBytes>& tracks, int announced = -1) {
    const int n = announced >= 0 ? announced : int(tracks.size());
    TBytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, uint8_t(format),
                  uint8_t(n >> 8), uint8_t(n), uint8_t(division >> 8), uint8_t(division)};
    for (const TBytes& body : tracks) {
        Append(out, {'M', 'T', 'r', 'k'});
        AppendBe32(out, uint32_t(body.size()));
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

inline TBytes EndOfTrack() { return {0x00, 0xFF, 0x2F, 0x00}; }

// A folder of its own under the system's temporary folder, removed afterwards.
class TScratchFolder {
public:
    TScratchFolder() {
        Path_ = std::filesystem::temp_directory_path() /
                ("veka-smf-" + std::to_string(::getpid()) + "-" + std::to_string(Counter()++));
        std::filesystem::create_directories(Path_);
    }
    ~TScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Path_, ec);
    }
    std::string operator/(const std::string& name) const { return (Path_ / name).string(); }
    const std::filesystem::path& Path() const { return Path_; }

private:
    static int& Counter() {
        static int n = 0;
        return n;
    }
    std::filesystem::path Path_;
};

inline void WriteBytes(const std::string& path, const TBytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
inline TBytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Every value in which two images differ, named, for the ports given.
inline std::vector<std::string> ImageDifferences(const TVGS& a, const TVGS& b, int ports = kPortCount) {
    std::vector<std::string> out;
    auto check = [&out](const std::string& what, int32_t x, int32_t y) {
        if (x != y) out.push_back(what + ": " + std::to_string(x) + " / " + std::to_string(y));
    };
    for (int n = 1; n <= kSystemParameterCount; ++n)
        check("system " + std::to_string(n), a.System(n).Value, b.System(n).Value);
    for (int port = 0; port < ports; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n <= kPartParameterCount; ++n)
                check(PartName(port, part) + " " + std::to_string(n), a.Part(port, part, n).Value,
                      b.Part(port, part, n).Value);
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n)
                    check("drum " + DrumMapName(port, map) + " note " + std::to_string(note) + " " + std::to_string(n),
                          a.Drum(port, map, n, note).Value, b.Drum(port, map, n, note).Value);
    }
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int note = 0; note < kNoteCount; ++note)
            for (int n = 1; n <= kUserDrumParameterCount; ++n)
                check("user drum " + std::to_string(set) + " note " + std::to_string(note) + " " + std::to_string(n),
                      a.UserDrum(set, n, note).Value, b.UserDrum(set, n, note).Value);
    return out;
}

struct TRun {
    int Status = -1;
    std::string Out;
};

// Runs a shell command; standard error is folded into Out.
inline TRun Run(const std::string& command) {
    const TCommandRun run = RunCommand(command + " 2>&1");
    return TRun{run.Status, run.Out};
}

inline std::string Quote(const std::string& path) { return "'" + path + "'"; }

}  // namespace veka::test
