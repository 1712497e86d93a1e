// veka4-cli export: the nine exclusive-file exports, each file read back by a parser of its own
// here (split at F7 as amidi -s sends it, header, 7-bit data, checksum).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "run_command.h"
#include "temp_dir.h"

namespace {

using TBytes = std::vector<uint8_t>;
using TAddress = std::array<uint8_t, 3>;

veka::test::TCommandRun Cli(const std::string& args) {
    return veka::test::RunCommand(std::string(VEKA_CLI) + " " + args + " 2>&1");
}

TBytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct TRecords {
    TBytes Bytes;
    void Add(uint8_t b0, uint8_t b1, uint8_t b2, int32_t v) {
        for (uint8_t b : {b0, b1, b2, uint8_t(0)}) Bytes.push_back(b);
        for (int i = 0; i < 4; ++i) Bytes.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    }
    void Write(const std::string& path) const {
        TBytes out = {'V', 'e', 'k', 'a', '4', '0'};
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(Bytes.size() >> (8 * i)));
        out.insert(out.end(), Bytes.begin(), Bytes.end());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    }
};

// Each data-set message of the file as address and data; a fault in the framing fails the test.
std::vector<std::pair<TAddress, TBytes>> ParseSysexFile(const TBytes& file) {
    std::vector<std::pair<TAddress, TBytes>> messages;
    size_t start = 0;
    for (size_t i = 0; i < file.size(); ++i) {
        if (file[i] != 0xF7) continue;
        const TBytes m(file.begin() + std::ptrdiff_t(start), file.begin() + std::ptrdiff_t(i) + 1);
        start = i + 1;
        EXPECT_GE(m.size(), 11u);
        if (m.size() < 11) continue;
        EXPECT_EQ(TBytes(m.begin(), m.begin() + 5), (TBytes{0xF0, 0x41, 0x10, 0x42, 0x12}));
        int sum = 0;
        for (size_t k = 5; k + 2 < m.size(); ++k) {
            EXPECT_LT(m[k], 0x80) << "byte " << k;
            sum += m[k];
        }
        EXPECT_EQ((sum + m[m.size() - 2]) % 128, 0) << "checksum";
        messages.push_back({{m[5], m[6], m[7]}, TBytes(m.begin() + 8, m.end() - 2)});
    }
    EXPECT_EQ(start, file.size()) << "bytes after the last F7";
    return messages;
}

TEST(ExportCommand, EachKindHoldsItsObjectsModifiedValuesOnly) {
    veka::test::TTempDir dir;
    const std::string setup = dir / "song.ga4";
    TRecords r;
    r.Add(0, 1, 64, 3);  // system: Master Volume 100, Reverb Level 100, Chorus Level 30
    r.Add(2, 0, 0, 100);
    r.Add(8, 0, 0, 100);
    r.Add(14, 0, 0, 30);
    r.Add(1, 3, 0, 1);  // part A3: volume 90
    r.Add(3, 9, 0, 90);
    r.Add(1, 19, 0, 1);  // part B3: panpot 20
    r.Add(3, 12, 0, 20);
    r.Add(2, 2, 0, 1);  // drum map A2: note 36 level 5
    r.Add(2, 36, 2, 5);
    r.Add(3, 1, 0, 1);  // user drum set 66: note 40 level 7
    r.Add(1, 40, 2, 7);
    r.Write(setup);

    struct TCase {
        std::string Args;
        std::vector<std::pair<TAddress, TBytes>> Expected;
    };
    const std::vector<TCase> cases = {
        {"reverb", {{{0x40, 0x01, 0x33}, {100}}}},
        {"chorus", {{{0x40, 0x01, 0x3A}, {30}}}},
        {"part A3", {{{0x40, 0x13, 0x19}, {90}}}},
        {"part B3", {{{0x50, 0x13, 0x1C}, {20}}}},  // Port B: the second module's addresses
        {"drum A2", {{{0x41, 0x12, 0x24}, {5}}}},
        {"userdrum 66", {{{0x21, 0x12, 0x28}, {7}}}},
    };
    for (const TCase& c : cases) {
        const std::string out = dir / "x.syx";
        const auto run = Cli("export " + c.Args + " '" + setup + "' '" + out + "'");
        ASSERT_EQ(run.Status, 0) << c.Args << ": " << run.Out;
        EXPECT_EQ(ParseSysexFile(ReadFile(out)), c.Expected) << c.Args;
    }
    // All data: every value above, system first; the same framing.
    ASSERT_EQ(Cli("export all '" + setup + "' '" + dir / "all.syx" + "'").Status, 0);
    EXPECT_EQ(ParseSysexFile(ReadFile(dir / "all.syx")).size(), 7u);
}

TEST(ExportCommand, NothingModifiedAndBadArgumentsWriteNoFile) {
    veka::test::TTempDir dir;
    const std::string setup = dir / "song.ga4";
    TRecords r;
    r.Add(1, 1, 0, 1);
    r.Add(1, 9, 0, 90);
    r.Write(setup);
    const std::string out = dir / "x.syx";
    for (const std::string args : {"delay", "eq", "insertion", "part A2", "userdrum 65"}) {
        const auto run = Cli("export " + args + " '" + setup + "' '" + out + "'");
        EXPECT_EQ(run.Status, 1) << args << ": " << run.Out;
        EXPECT_NE(run.Out.find("not changed"), std::string::npos) << run.Out;
    }
    for (const std::string args : {"part E1", "part A17", "drum A3", "userdrum 64", "volume", "part", "reverb"})
        EXPECT_EQ(Cli("export " + args + " '" + setup + "' '" + out + "'" + (args == "reverb" ? " extra" : "")).Status, 2)
            << args;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Cli("export part A1 '" + dir / "missing.ga4" + "' '" + out + "'").Status, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
