// The recovery file: an edited image written and read back is the same image; every kind of
// damage is told apart and nothing is taken from a damaged file.
#include <gtest/gtest.h>

#include <fstream>

#include "module/image.h"
#include "module/safe_file.h"
#include "module/setup_reader.h"
#include "document/recovery_file.h"
#include "temp_dir.h"

namespace veka {
namespace {

// Every value of the image, in one list, so that two images compare as a whole.
std::vector<int32_t> AllValues(const TVGS& image) {
    std::vector<int32_t> values;
    for (int n = 1; n <= kSystemParameterCount; ++n) values.push_back(image.System(n).Value);
    for (int port = 0; port < image.ActivePortCount(); ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int p = 1; p <= kPartParameterCount; ++p) values.push_back(image.Part(port, part, p).Value);
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int p = 1; p <= kDrumParameterCount; ++p)
                for (int note = 0; note < kNoteCount; ++note) values.push_back(image.Drum(port, map, p, note).Value);
    }
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int p = 1; p <= kUserDrumParameterCount; ++p)
            for (int note = 0; note < kNoteCount; ++note) values.push_back(image.UserDrum(set, p, note).Value);
    return values;
}

class RecoveryFileTest : public ::testing::Test {
protected:
    TVGS Image{VEKA_TEST_DEFAULT_DIR};
    test::TTempDir Dir;
    std::string Path = RecoveryPath(Dir.Path.string());

    void SetUp() override {
        Image.MaxPart = 1;
        Image.SetSystemValue(2, 99);
        Image.ApplyMacro(0, 4);
        Image.SetPartValue(0, 3, 55, ppVolume);
        Image.SetPartValue(1, 16, 5, 110);
        Image.SetDrumValue(1, 2, 90, 3, 40);
        Image.SetUserDrumValue(1, 60, 12, 4);
    }
    TRecoveryInfo Info() const {
        TRecoveryInfo info;
        info.ModuleType = mtSC8850;
        info.MaxPart = 1;
        info.FileName = "/home/musician/Song Setups/ライブ.ga4";
        return info;
    }
};

TEST_F(RecoveryFileTest, AnEditedImageComesBackWholeWithItsFileName) {
    std::string error;
    ASSERT_TRUE(WriteRecoveryFile(Image, Path, Info(), error)) << error;
    const TRecoveryRead read = ReadRecoveryFile(Path, mtSC8850);
    ASSERT_EQ(read.Status, TRecoveryStatus::Ok) << read.Detail;
    EXPECT_EQ(read.Info.FileName, Info().FileName);
    EXPECT_EQ(read.Info.MaxPart, 1);
    EXPECT_TRUE(read.Info.Modified);
    TVGS restored(VEKA_TEST_DEFAULT_DIR);
    restored.MaxPart = 1;
    TFixedSetupFileHost host;
    ASSERT_TRUE(ReadSetupBytes(restored, host, 0, TSetupFileKind::Ga4, read.Setup, read.Info.FileName).Ok());
    EXPECT_EQ(AllValues(restored), AllValues(Image));
    EXPECT_EQ(restored.Part(1, 16, 110).Value, 5);
    // Written again over the old one; removed, and removing again is no error.
    Image.SetPartValue(0, 1, 1, ppVolume);
    ASSERT_TRUE(WriteRecoveryFile(Image, Path, Info(), error)) << error;
    EXPECT_EQ(ReadRecoveryFile(Path, mtSC8850).Status, TRecoveryStatus::Ok);
    EXPECT_TRUE(RemoveRecoveryFile(Path, error));
    EXPECT_TRUE(RemoveRecoveryFile(Path, error));
    EXPECT_EQ(ReadRecoveryFile(Path, mtSC8850).Status, TRecoveryStatus::Missing);
}

TEST_F(RecoveryFileTest, DamageAnotherVersionAndAnotherModuleTypeAreToldApart) {
    const std::vector<uint8_t> good = RecoveryBytes(Image, Info());
    ASSERT_EQ(ParseRecovery(good, mtSC8850).Status, TRecoveryStatus::Ok);
    // Cut at every length: damaged, never read past the end.
    for (size_t n = 0; n < good.size(); n += (n < 200 ? 1 : 97)) {
        const TRecoveryRead read = ParseRecovery(std::span(good.data(), n), mtSC8850);
        EXPECT_EQ(read.Status, TRecoveryStatus::Damaged) << n;
        EXPECT_TRUE(read.Setup.empty());
    }
    std::vector<uint8_t> bad = good;
    bad.back() ^= 0x01;  // a changed setup byte
    EXPECT_EQ(ParseRecovery(bad, mtSC8850).Detail, "the setup's check sum is wrong");
    bad = good;
    bad.push_back(0);  // a byte too many
    EXPECT_EQ(ParseRecovery(bad, mtSC8850).Status, TRecoveryStatus::Damaged);
    bad = good;
    const size_t nameLength = 12 + 4 + 4 + 4 + 1;
    bad[nameLength + 3] = 0x7F;  // a name of 2 GB
    EXPECT_EQ(ParseRecovery(bad, mtSC8850).Detail, "the file name runs past its limit");
    bad = good;
    bad[12] = 2;  // version 2
    EXPECT_EQ(ParseRecovery(bad, mtSC8850).Status, TRecoveryStatus::OtherVersion);
    bad = good;
    bad[0] = 'X';
    EXPECT_EQ(ParseRecovery(bad, mtSC8850).Status, TRecoveryStatus::Damaged);
    EXPECT_EQ(ParseRecovery(good, mtSC88Pro).Status, TRecoveryStatus::OtherModuleType);
    EXPECT_TRUE(ParseRecovery(good, mtSC88Pro).Setup.empty());
    // A file that is not one at all.
    std::ofstream(Path, std::ios::binary) << "Veka40 but not really";
    EXPECT_EQ(ReadRecoveryFile(Path, mtSC8850).Status, TRecoveryStatus::Damaged);
}

TEST_F(RecoveryFileTest, AWriteThatFailsLeavesTheOldFileAndSaysWhy) {
    std::string error;
    ASSERT_TRUE(WriteRecoveryFile(Image, Path, Info(), error)) << error;
    const std::string missingFolder = (Dir.Path / "gone" / "Veka.recovery").string();
    EXPECT_FALSE(WriteRecoveryFile(Image, missingFolder, Info(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadRecoveryFile(Path, mtSC8850).Status, TRecoveryStatus::Ok);
}

}  // namespace
}  // namespace veka
