// The setups set beside the image for a comparison, read without a window.
#include <gtest/gtest.h>

#include <fstream>

#include "document/compare_sources.h"
#include "module/difference_list.h"
#include "module/setup_file.h"
#include "temp_dir.h"

namespace veka {
namespace {

TEST(CompareSources, APowerOnImageIsSetUpLikeTheImageButHoldsTheDefaults) {
    TVGS like(VEKA_TEST_DEFAULT_DIR, mtSC88Pro);
    like.MaxPart = 2;
    like.DeviceId = 0x11;
    like.Language = TLanguage::Japanese;
    like.SetPartValue(3, 16, 30, ppVolume);
    const TCompareTarget target = PowerOnLike(like, VEKA_TEST_DEFAULT_DIR);
    ASSERT_TRUE(target.Image);
    EXPECT_TRUE(target.Error.empty());
    EXPECT_EQ(target.Image->ModuleType(), mtSC88Pro);
    EXPECT_EQ(target.Image->MaxPart, 2);
    EXPECT_EQ(target.Image->DeviceId, 0x11);
    EXPECT_EQ(target.Image->Language, TLanguage::Japanese);
    EXPECT_EQ(target.Image->Part(3, 16, ppVolume).Value, 100);

    const TCompareTarget none = PowerOnLike(like, "/nonexistent/default");
    EXPECT_FALSE(none.Image);
    EXPECT_FALSE(none.Error.empty());
}

TEST(CompareSources, ASetupFileIsReadOntoPowerOnAndABadOneIsNamedInTheError) {
    test::TTempDir dir;
    TVGS saved(VEKA_TEST_DEFAULT_DIR);
    saved.MaxPart = 1;
    saved.SetPartValue(1, 4, 45, ppVolume);
    saved.SetSystemValue(2, 90);
    ASSERT_TRUE(WriteWholeSetupFile(saved, dir / "song.ga4").Ok());

    TVGS like(VEKA_TEST_DEFAULT_DIR);
    like.MaxPart = 1;
    like.SetPartValue(0, 1, 12, ppVolume);  // the image's own edits are not in the file
    const TCompareTarget target = SetupFileOntoPowerOn(like, VEKA_TEST_DEFAULT_DIR, dir / "song.ga4");
    ASSERT_TRUE(target.Image) << target.Error;
    EXPECT_EQ(target.Name, "song.ga4");
    EXPECT_EQ(target.Image->Part(1, 4, ppVolume).Value, 45);
    EXPECT_EQ(target.Image->System(2).Value, 90);
    EXPECT_EQ(target.Image->Part(0, 1, ppVolume).Value, 100);

    const TCompareTarget missing = SetupFileOntoPowerOn(like, VEKA_TEST_DEFAULT_DIR, dir / "gone.ga4");
    EXPECT_FALSE(missing.Image);
    EXPECT_FALSE(missing.Error.empty());

    std::ofstream(dir / "broken.ga4", std::ios::binary) << "not a setup file at all";
    const TCompareTarget broken = SetupFileOntoPowerOn(like, VEKA_TEST_DEFAULT_DIR, dir / "broken.ga4");
    EXPECT_FALSE(broken.Image);
    EXPECT_NE(broken.Error.find(dir / "broken.ga4"), std::string::npos) << broken.Error;
}

}  // namespace
}  // namespace veka
