// The window layout beside a setup file: its name, its bytes, and what a damaged one gives.
#include <gtest/gtest.h>

#include <fstream>

#include "document/layout_file.h"
#include "temp_dir.h"

namespace veka::test {
namespace {

void AppendInt32(std::vector<uint8_t>& bytes, int32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(uint32_t(value) >> shift));
}

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST(LayoutFile, TheCompanionNameAndTheExactBytes) {
    EXPECT_EQ(LayoutFileName("/songs/My Song.ga4"), "/songs/My Song.dsk");
    EXPECT_EQ(LayoutFileName("/songs/lead.1pg"), "/songs/lead.dsk");
    EXPECT_EQ(LayoutFileName("/songs/old.ga3"), "");
    EXPECT_EQ(LayoutFileName("/songs/OLD.GA3"), "");
    EXPECT_EQ(LayoutFileName("/songs/"), "");

    TLayout layout;
    layout.Notes.Notes[0][0] = 60;
    layout.Notes.Notes[3][15] = 127;
    layout.Windows.push_back({-5, 10, 300, 200, 128 + 2});
    const std::vector<uint8_t> bytes = LayoutFileBytes(layout);
    ASSERT_EQ(bytes.size(), 64u + 20u);
    EXPECT_EQ(bytes[0], 60);
    EXPECT_EQ(bytes[1], 64);
    EXPECT_EQ(bytes[63], 127);
    // Little-endian, the left edge negative.
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + 64, bytes.begin() + 72)),
              (std::vector<uint8_t>{0xFB, 0xFF, 0xFF, 0xFF, 10, 0, 0, 0}));
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + 80, bytes.end())), (std::vector<uint8_t>{130, 0, 0, 0}));

    TTempDir dir;
    std::string error;
    ASSERT_TRUE(WriteLayoutFile(dir / "a.dsk", layout, error)) << error;
    const TLayoutReadResult read = ReadLayoutFile(dir / "a.dsk");
    EXPECT_TRUE(read.Found);
    EXPECT_EQ(read.Error, "");
    EXPECT_EQ(read.Layout.Notes.Notes, layout.Notes.Notes);
    EXPECT_EQ(read.Layout.Windows, layout.Windows);
    EXPECT_TRUE(read.Layout.Windows[0].Minimized());
    EXPECT_EQ(read.Layout.Windows[0].WindowCode(), 2);
}

TEST(LayoutFile, AMissingOrDamagedFileGivesNothingUnsafe) {
    TTempDir dir;
    const TLayoutReadResult missing = ReadLayoutFile(dir / "none.dsk");
    EXPECT_FALSE(missing.Found);
    EXPECT_EQ(missing.Error, "");

    Write(dir / "short.dsk", std::vector<uint8_t>(63, 64));
    const TLayoutReadResult shortFile = ReadLayoutFile(dir / "short.dsk");
    EXPECT_TRUE(shortFile.Found);
    EXPECT_NE(shortFile.Error.find("too short"), std::string::npos) << shortFile.Error;

    Write(dir / "huge.dsk", std::vector<uint8_t>(kMaxLayoutFileSize + 1, 0));
    EXPECT_FALSE(ReadLayoutFile(dir / "huge.dsk").Error.empty());

    // Notes above 127, unknown codes, inverted rectangles, extreme corners and a cut record.
    std::vector<uint8_t> bytes(64, 200);
    for (const auto& r : std::vector<std::array<int32_t, 5>>{{0, 0, 100, 100, 10},
                                                            {0, 0, 100, 100, 127},
                                                            {0, 0, 100, 100, 128 + 10},
                                                            {0, 0, 100, 100, -1},
                                                            {100, 0, 50, 100, 1},
                                                            {INT32_MIN, 0, INT32_MAX, 100, 1},
                                                            {0, 0, 100, 100, 9}})
        for (int32_t v : r) AppendInt32(bytes, v);
    bytes.insert(bytes.end(), {1, 2, 3});
    Write(dir / "odd.dsk", bytes);
    const TLayoutReadResult odd = ReadLayoutFile(dir / "odd.dsk");
    EXPECT_EQ(odd.Error, "");
    EXPECT_EQ(odd.Layout.Notes.Notes[2][7], 64);
    ASSERT_EQ(odd.Layout.Windows.size(), 2u);
    EXPECT_EQ(odd.Layout.Windows[0].Left, INT32_MIN);  // kept: the window keeps it in reach
    EXPECT_EQ(odd.Layout.Windows[1].Code, 9);
}

}  // namespace
}  // namespace veka::test
