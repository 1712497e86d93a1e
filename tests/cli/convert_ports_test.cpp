// veka4-cli convert with setups for more than one port: without --max-part the ports the file
// holds values for are written; a --max-part or --format that leaves values out says how many
// of which port on one line, and the file is still written.
#include <gtest/gtest.h>

#include <algorithm>
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
using veka::test::TCommandRun;
using veka::test::TTempDir;

TCommandRun Cli(const std::string& args) { return veka::test::RunCommand(std::string(VEKA_CLI) + " " + args + " 2>&1"); }
std::string Quote(const std::string& path) { return "'" + path + "'"; }

void WriteFile(const std::string& path, const TBytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
TBytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
bool Contains(const TBytes& haystack, const TBytes& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

// A whole setup file: "Veka40", the length of the rest, then 8-byte records (B0 B1 B2 B3, V as
// little-endian int32), each section a header counting the items after it.
struct TSetupFileBuilder {
    TBytes Records;
    void Record(uint8_t b0, uint8_t b1, uint8_t b2, int32_t v) {
        for (uint8_t b : {b0, b1, b2, uint8_t(0)}) Records.push_back(b);
        for (int i = 0; i < 4; ++i) Records.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    }
    // A part section (global part number 1..64) with (parameter, value) items.
    void Part(int global, std::vector<std::pair<int, int>> items) {
        Record(1, uint8_t(global), 0, int32_t(items.size()));
        for (auto [n, v] : items) Record(uint8_t((global - 1) % 16 + 1), uint8_t(n), 0, v);
    }
    TBytes Bytes() const {
        TBytes out = {'V', 'e', 'k', 'a', '4', '0'};
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(Records.size() >> (8 * i)));
        out.insert(out.end(), Records.begin(), Records.end());
        return out;
    }
};

// A data-set message body from the manufacturer byte to F7 (as it stands in a song after the
// length), device 10.
TBytes Dt1(uint8_t a0, uint8_t a1, uint8_t a2, uint8_t value) {
    const int sum = a0 + a1 + a2 + value;
    return {0x41, 0x10, 0x42, 0x12, a0, a1, a2, value, uint8_t((128 - sum % 128) % 128), 0xF7};
}

// A1 volume 90; B3 volume 80 and panpot 20; C1 volume 50; D's first drum map, note 36 level 5.
TBytes FourPortSetup() {
    TSetupFileBuilder b;
    b.Part(1, {{9, 90}});
    b.Part(19, {{9, 80}, {12, 20}});
    b.Part(33, {{9, 50}});
    b.Record(2, 7, 0, 1);  // drum map D1: map 7 of the eight
    b.Record(7, 36, 2, 5);
    return b.Bytes();
}

// The exclusives Port B's values take in a song or a .syx: the second-module address form.
const TBytes kB3Volume = Dt1(0x50, 0x13, 0x19, 80);
const TBytes kB3Pan = Dt1(0x50, 0x13, 0x1C, 20);
const TBytes kA1Volume = Dt1(0x40, 0x11, 0x19, 90);
const TBytes kC1Volume = Dt1(0x40, 0x11, 0x19, 50);  // in Port C's own track, which names its port

int SongFormat(const TBytes& song) { return song.size() >= 10 ? song[8] << 8 | song[9] : -1; }

TEST(ConvertPorts, WithoutMaxPartTheSongHoldsEveryPortTheSetupHasValuesFor) {
    TTempDir dir;
    WriteFile(dir / "four.ga4", FourPortSetup());
    TCommandRun r = Cli("convert " + Quote(dir / "four.ga4") + " " + Quote(dir / "four.mid"));
    ASSERT_EQ(r.Status, 0) << r.Out;
    EXPECT_EQ(r.Out, "");
    const TBytes song = ReadFile(dir / "four.mid");
    EXPECT_EQ(SongFormat(song), 1);  // one track per part: a format 0 song has a single port
    for (const TBytes& m : {kA1Volume, kB3Volume, kB3Pan, kC1Volume}) EXPECT_TRUE(Contains(song, m));
    EXPECT_TRUE(Contains(song, {0xFF, 0x21, 0x01, 0x03}));  // a track of Port D

    // Back to a setup file, again without --max-part: every port's values come back, as the
    // exclusives of that file show (Ports C and D counted, as a .syx cannot hold them).
    r = Cli("convert " + Quote(dir / "four.mid") + " " + Quote(dir / "back.ga4"));
    ASSERT_EQ(r.Status, 0) << r.Out;
    for (const char* setup : {"four.ga4", "back.ga4"}) {
        r = Cli("convert " + Quote(dir / setup) + " " + Quote(dir / (std::string(setup) + ".syx")));
        ASSERT_EQ(r.Status, 0) << r.Out;
        EXPECT_EQ(r.Out, "veka4-cli: 2 values of Ports C and D are left out: one stream of messages has no address "
                         "for them (a song keeps them, in tracks naming their port)\n")
            << setup;
        TBytes expected = {0xF0};
        expected.insert(expected.end(), kA1Volume.begin(), kA1Volume.end());
        for (const TBytes& m : {kB3Volume, kB3Pan}) {
            expected.push_back(0xF0);
            expected.insert(expected.end(), m.begin(), m.end());
        }
        EXPECT_EQ(ReadFile(dir / (std::string(setup) + ".syx")), expected) << setup;
    }

    // A setup of Port A alone stays a format 0 song.
    TSetupFileBuilder a;
    a.Part(2, {{12, 30}});
    WriteFile(dir / "a.ga4", a.Bytes());
    r = Cli("convert " + Quote(dir / "a.ga4") + " " + Quote(dir / "a.mid"));
    ASSERT_EQ(r.Status, 0) << r.Out;
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(SongFormat(ReadFile(dir / "a.mid")), 0);
}

TEST(ConvertPorts, ValuesAGivenMaxPartOrFormatLeavesOutAreNamedOnOneLine) {
    TTempDir dir;
    WriteFile(dir / "four.ga4", FourPortSetup());
    const std::string in = Quote(dir / "four.ga4");
    struct TCase {
        std::string Args, Out, Says;
        bool HasPortB;
    };
    for (const TCase& c : std::vector<TCase>{
             {"--max-part 16 convert " + in, "x.mid",
              "2 values of Port B, 1 value of Port C and 1 value of Port D were not written (--max-part 16 writes Port A only)",
              false},
             {"--max-part 32 convert " + in, "x.mid",
              "1 value of Port C and 1 value of Port D were not written (--max-part 32 writes Ports A and B only)", true},
             {"convert --format 0 " + in, "x.mid",
              "2 values of Port B, 1 value of Port C and 1 value of Port D were not written (--format 0 writes Port A only)",
              false},
             {"--max-part 16 convert " + in, "x.syx",
              "2 values of Port B, 1 value of Port C and 1 value of Port D were not written (--max-part 16 writes Port A only)",
              false},
             // Port C beyond --max-part 32 is counted on this line alone, not again as a port
             // the message stream has no address for.
             {"--max-part 32 convert " + in, "x.syx",
              "1 value of Port C and 1 value of Port D were not written (--max-part 32 writes Ports A and B only)", true},
         }) {
        std::filesystem::remove(dir / c.Out);
        const TCommandRun r = Cli(c.Args + " " + Quote(dir / c.Out));
        EXPECT_EQ(r.Status, 0) << c.Args << "\n" << r.Out;
        EXPECT_EQ(r.Out, "veka4-cli: " + c.Says + "\n") << c.Args;
        const TBytes written = ReadFile(dir / c.Out);
        EXPECT_TRUE(Contains(written, kA1Volume)) << c.Args;
        EXPECT_EQ(Contains(written, kB3Volume), c.HasPortB) << c.Args;
    }

    // A song's setup to a setup file: the same line for the ports --max-part leaves out.
    ASSERT_EQ(Cli("convert " + in + " " + Quote(dir / "four.mid")).Status, 0);
    const TCommandRun r = Cli("--max-part 32 convert " + Quote(dir / "four.mid") + " " + Quote(dir / "back.ga4"));
    EXPECT_EQ(r.Status, 0) << r.Out;
    EXPECT_EQ(r.Out, "veka4-cli: 1 value of Port C and 1 value of Port D were not written (--max-part 32 writes "
                     "Ports A and B only)\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "back.ga4"));
}

}  // namespace
