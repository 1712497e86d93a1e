// Every command on a setup that holds values of Port B: without --max-part the ports come from
// what the command is given (embed and export write Port B, send sends it, diff compares it,
// request and sync reach it, panic reaches the ports --out names); a --max-part that leaves
// values out is obeyed and says so on standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "run_command.h"
#include "temp_dir.h"

namespace {

using TBytes = std::vector<uint8_t>;
using veka::test::TTempDir;

// Standard output and standard error of one run, apart.
struct TRun {
    int Status = -1;
    std::string Out, Err;
};

std::string Quote(const std::string& path) { return "'" + path + "'"; }

TBytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
void WriteFile(const std::string& path, const TBytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
bool Contains(const TBytes& haystack, const TBytes& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

class PortBCommands : public ::testing::Test {
protected:
    TRun Cli(const std::string& args) {
        const std::string err = Dir / "stderr";
        const veka::test::TCommandRun r = veka::test::RunCommand(std::string(VEKA_CLI) + " " + args + " 2>" + Quote(err));
        const TBytes e = ReadFile(err);
        return {r.Status, r.Out, std::string(e.begin(), e.end())};
    }
    // A whole setup file of part sections: (global part 1..64, parameter, value).
    std::string WriteSetup(const std::string& name, const std::vector<std::array<int, 3>>& values) {
        TBytes records;
        auto record = [&records](int b0, int b1, int v) {
            for (int b : {b0, b1, 0, 0}) records.push_back(uint8_t(b));
            for (int i = 0; i < 4; ++i) records.push_back(uint8_t(uint32_t(v) >> (8 * i)));
        };
        for (const auto& [global, n, v] : values) {
            record(1, global, 1);
            record((global - 1) % 16 + 1, n, v);
        }
        TBytes file = {'V', 'e', 'k', 'a', '4', '0'};
        for (int i = 0; i < 4; ++i) file.push_back(uint8_t(records.size() >> (8 * i)));
        file.insert(file.end(), records.begin(), records.end());
        WriteFile(Dir / name, file);
        return Quote(Dir / name);
    }
    TTempDir Dir;
};

// A data-set message from the manufacturer byte to F7, device 10.
TBytes Dt1(uint8_t a0, uint8_t a1, uint8_t a2, uint8_t value) {
    const int sum = a0 + a1 + a2 + value;
    return {0x41, 0x10, 0x42, 0x12, a0, a1, a2, value, uint8_t((128 - sum % 128) % 128), 0xF7};
}
const TBytes kA1Volume = Dt1(0x40, 0x11, 0x19, 90);
const TBytes kB3Volume = Dt1(0x50, 0x13, 0x19, 80);  // Port B's address form in a song

// A1 Volume 90 (global part 1), B3 Volume 80 (global part 19, parameter 9).
const std::vector<std::array<int, 3>> kPortsAAndB = {{1, 9, 90}, {19, 9, 80}};

TEST_F(PortBCommands, EmbedWritesPortBUnlessMaxPartOrFormatLeavesItOut) {
    const std::string setup = WriteSetup("ab.ga4", kPortsAAndB);
    // A format 0 song named "Tune": a note on channel 1. Whatever is written, the name stays.
    const TBytes name = {0xFF, 0x03, 0x04, 'T', 'u', 'n', 'e'};
    WriteFile(Dir / "song.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 20,
                                 0x00, 0xFF, 0x03, 0x04, 'T', 'u', 'n', 'e', 0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C,
                                 0x00, 0x00, 0xFF, 0x2F, 0x00});
    const std::string song = Quote(Dir / "song.mid"), out = Quote(Dir / "out.mid");
    TRun r = Cli("embed " + setup + " " + song + " " + out);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    TBytes written = ReadFile(Dir / "out.mid");
    EXPECT_TRUE(Contains(written, kA1Volume));
    EXPECT_TRUE(Contains(written, kB3Volume));
    EXPECT_TRUE(Contains(written, name));

    for (const auto& [args, reason] : std::vector<std::pair<std::string, std::string>>{
             {"--max-part 16 embed", "--max-part 16 writes Port A only"}, {"embed --format 0", "--format 0 writes Port A only"}}) {
        r = Cli(args + " " + setup + " " + song + " " + out);
        ASSERT_EQ(r.Status, 0) << args << "\n" << r.Err;
        EXPECT_EQ(r.Err, "veka4-cli: 1 value of Port B was not written (" + reason + ")\n");
        written = ReadFile(Dir / "out.mid");
        EXPECT_TRUE(Contains(written, kA1Volume)) << args;
        EXPECT_FALSE(Contains(written, kB3Volume)) << args;
        EXPECT_TRUE(Contains(written, name)) << args;
    }
}

TEST_F(PortBCommands, ExportAllWritesPortBUnlessMaxPartLeavesItOut) {
    const std::string setup = WriteSetup("ab.ga4", kPortsAAndB), out = Quote(Dir / "all.syx");
    TRun r = Cli("export all " + setup + " " + out);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_TRUE(Contains(ReadFile(Dir / "all.syx"), kB3Volume));
    r = Cli("--max-part 16 export all " + setup + " " + out);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "veka4-cli: 1 value of Port B was not written (--max-part 16 writes Port A only)\n");
    EXPECT_FALSE(Contains(ReadFile(Dir / "all.syx"), kB3Volume));
}

TEST_F(PortBCommands, DiffComparesPortBUnlessMaxPartLeavesItOut) {
    const std::string a = WriteSetup("a.ga4", {{1, 9, 90}, {19, 9, 80}});
    const std::string b = WriteSetup("b.ga4", {{1, 9, 90}, {19, 9, 70}});
    TRun r = Cli("diff " + a + " " + b);
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_EQ(r.Out, "Part B3 Volume: 80 (80) -> 70 (70)\n");
    EXPECT_EQ(r.Err, "");
    // A value only one of them holds: still on Port B.
    r = Cli("diff " + WriteSetup("only-a.ga4", {{1, 9, 90}}) + " " + a);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "Part B3 Volume: 100 (100) -> 80 (80)\n");

    r = Cli("--max-part 16 diff " + a + " " + b);
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, "veka4-cli: " + Dir / "a.ga4" + ": 1 value of Port B was not compared (--max-part 16 compares Port A only)\n" +
                         "veka4-cli: " + Dir / "b.ga4" + ": 1 value of Port B was not compared (--max-part 16 compares Port A only)\n");
}

TEST_F(PortBCommands, SendAndPanicReachPortBOfTheVirtualModule) {
    const std::string setup = WriteSetup("ab.ga4", kPortsAAndB);
    // Init, two values, and the three tone messages of each of 32 parts.
    TRun r = Cli("send " + setup + " --out A=0,B=1 --virtual-module");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "Sent 99 exclusive messages\n");
    // Port B's values need Port B's output.
    r = Cli("send " + setup + " --out A=0 --virtual-module");
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Err.find("Port B needs a device"), std::string::npos) << r.Err;
    // --max-part 16: Port A alone, and a line for what stays behind.
    r = Cli("--max-part 16 send " + setup + " --out A=0 --virtual-module");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "Sent 50 exclusive messages\n");
    EXPECT_NE(r.Err.find("veka4-cli: 1 value of Port B was not sent (--max-part 16 sends Port A only)\n"), std::string::npos)
        << r.Err;
    // panic reaches the ports --out names.
    r = Cli("panic --out A=0,B=1 --virtual-module");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "All Sound Off sent on 32 channels\n");
}

TEST_F(PortBCommands, RequestAndSyncReachThePortsTheyAreGiven) {
    const std::string setup = WriteSetup("ab.ga4", kPortsAAndB);
    // A module holding the setup gives Port B's parts back when --what names them.
    const std::string read = Dir / "read.ga4";
    TRun r = Cli("request --out A=0,B=1 --in 0 --what parts:B --virtual-module=" + setup + " " + Quote(read));
    EXPECT_EQ(r.Status, 0) << r.Err;
    const std::string listing = Cli("info " + Quote(read)).Out;
    EXPECT_NE(listing.find("Part B3 Volume = 80 (80)"), std::string::npos) << listing;
    r = Cli("--max-part 16 request --out A=0 --in 0 --what master,parts:B --virtual-module " + Quote(read));
    EXPECT_NE(r.Err.find("veka4-cli: parts:B was not requested (--max-part 16 requests Port A only)\n"), std::string::npos)
        << r.Err;

    // sync compares the ports the setup holds values for: Port B needs its output (the
    // comparison itself is the request's, above), and --max-part 16 leaves it out, saying so.
    r = Cli("sync " + setup + " --out A=0 --in 0 --dry-run --virtual-module");
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Err.find("Port B needs a device"), std::string::npos) << r.Err;
    r = Cli("--max-part 16 sync " + setup + " --out A=0 --in 0 --what master,parts:B --dry-run --virtual-module");
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "0 differences, nothing sent\n");
    EXPECT_NE(r.Err.find("veka4-cli: parts:B was not compared (--max-part 16 compares Port A only)\n"), std::string::npos)
        << r.Err;
}

}  // namespace
