// The display's picture and text messages and the ".dsp" preset file, bad files included.
#include <gtest/gtest.h>

#include <fstream>

#include "module/display_data.h"
#include "temp_dir.h"

namespace veka {
namespace {

TEST(DisplayPicture, ColumnsGoIntoFourGroupsOfSixteenRows) {
    TDisplayDots dots;
    dots.Dot[0][0] = 1;
    auto data = PictureData(dots);
    EXPECT_EQ(data[0], 0x10);
    for (size_t i = 1; i < data.size(); ++i) EXPECT_EQ(data[i], 0) << i;
    dots = {};
    for (int row = 0; row < 16; ++row) dots.Dot[15][size_t(row)] = 1;
    data = PictureData(dots);
    for (size_t i = 0; i < 48; ++i) EXPECT_EQ(data[i], 0) << i;
    for (size_t i = 48; i < 64; ++i) EXPECT_EQ(data[i], 0x10) << i;
    // Column 9 is the last of group 1 (bit 0); column 5 its first (bit 4); row 7 is byte 7.
    dots = {};
    dots.Dot[9][7] = dots.Dot[5][7] = 1;
    EXPECT_EQ(PictureData(dots)[16 + 7], 0x11);
    dots.Fill(1);
    data = PictureData(dots);
    EXPECT_EQ(data[0], 0x1F);
    EXPECT_EQ(data[40], 0x1F);
    EXPECT_EQ(data[63], 0x10);
    const TBytes message = PictureMessage(0x10, dots);
    ASSERT_EQ(message.size(), 64u + 10u);
    EXPECT_EQ(std::vector<uint8_t>(message.begin(), message.begin() + 8),
              (std::vector<uint8_t>{0xF0, 0x41, 0x10, 0x45, 0x12, 0x10, 0x01, 0x00}));
    EXPECT_EQ(message.back(), 0xF7);
}

TEST(DisplayText, AtMostThirtyTwoCharactersAndNothingTheDisplayCannotShow) {
    const std::string forty(40, 'A');
    EXPECT_EQ(DisplayText(forty), std::string(32, 'A'));
    const TBytes message = TextMessage(0x10, forty);
    EXPECT_EQ(message.size(), 32u + 10u);
    EXPECT_EQ(std::vector<uint8_t>(message.begin() + 5, message.begin() + 8), (std::vector<uint8_t>{0x10, 0x00, 0x00}));
    // A Japanese character and a control character each become one "?".
    EXPECT_EQ(DisplayText("Ab\xE3\x81\x82" "c\td"), "Ab?c?d");
    const TBytes odd = TextMessage(0x10, "\xFF\xFE\x80 caf\xC3\xA9");
    for (size_t i = 1; i + 1 < odd.size(); ++i) EXPECT_LT(odd[i], 0x80) << i;
}

TEST(DisplayPreset, AnEmptyTextReadsBackEmptyWithTheSameDots) {
    test::TTempDir dir;
    TDisplayPreset preset;
    preset.Dots.Dot[3][4] = preset.Dots.Dot[15][15] = 1;
    std::string error;
    const std::string path = dir / "smile.dsp";
    ASSERT_TRUE(WriteDisplayPreset(path, preset, error)) << error;
    TDisplayPreset read;
    read.Text = "left over";
    ASSERT_TRUE(ReadDisplayPreset(path, read, error)) << error;
    EXPECT_EQ(read.Text, "");
    EXPECT_EQ(read.Dots, preset.Dots);
    preset.Text = "Welcome to Veka";
    const std::vector<uint8_t> bytes = DisplayPresetBytes(preset);
    ASSERT_EQ(bytes.size(), 292u);
    EXPECT_EQ(bytes[0], 15);
    EXPECT_EQ(bytes[4 + 3 * 16 + 4], 1);
    EXPECT_EQ(bytes[260], 'W');
    ASSERT_TRUE(ParseDisplayPreset(bytes, read, error));
    EXPECT_EQ(read.Text, "Welcome to Veka");
}

TEST(DisplayPreset, ControlCharactersReadAsTheDisplayShowsThemAndSaveAgainTheSame) {
    TDisplayPreset preset;
    preset.Text = "ab";
    std::vector<uint8_t> bytes = DisplayPresetBytes(preset);
    bytes[0] = 4;
    bytes[262] = 0x00;
    bytes[263] = 0x7F;
    TDisplayPreset read;
    std::string error;
    ASSERT_TRUE(ParseDisplayPreset(bytes, read, error)) << error;
    EXPECT_EQ(read.Text, "ab??");
    TDisplayPreset again;
    ASSERT_TRUE(ParseDisplayPreset(DisplayPresetBytes(read), again, error)) << error;
    EXPECT_EQ(again.Text, read.Text);
}

TEST(DisplayPreset, BadFilesAreRefusedWithAReasonAndChangeNothing) {
    TDisplayPreset good;
    good.Text = "keep";
    const std::vector<uint8_t> base = DisplayPresetBytes(good);
    auto refused = [&](std::vector<uint8_t> bytes, const std::string& says) {
        TDisplayPreset read = good;
        std::string error;
        EXPECT_FALSE(ParseDisplayPreset(bytes, read, error)) << says;
        EXPECT_NE(error.find(says), std::string::npos) << error;
        EXPECT_EQ(read.Text, "keep");
    };
    refused(std::vector<uint8_t>(base.begin(), base.end() - 1), "291 bytes");
    auto longer = base;
    longer.push_back(0);
    refused(longer, "293 bytes");
    auto count = base;
    count[0] = 33;
    refused(count, "33 characters");
    count[0] = count[1] = count[2] = count[3] = 0xFF;
    refused(count, "-1 characters");
    auto dot = base;
    dot[10] = 2;
    refused(dot, "dot byte of 2");
    auto text = base;
    text[261] = 0x80;
    refused(text, "80 hex");
    test::TTempDir dir;
    {
        std::ofstream big(dir / "big.dsp", std::ios::binary);
        big << std::string(5000, '\1');
    }
    TDisplayPreset read;
    std::string error;
    EXPECT_FALSE(ReadDisplayPreset(dir / "big.dsp", read, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace veka
