// The GS reset of the image: afterwards it holds what a module holds after one, which is what
// a fresh image holds, drum maps included.
#include <gtest/gtest.h>

#include "image_writer/image_writer.h"
#include "module/image_reset.h"
#include "module/setup_diff.h"
#include "test_image.h"

namespace veka {
namespace {

// Changes in every area a reset restores: system and effects, parts, drum parts on both maps
// with kits of their own, and drum values, on every port of the image.
void ChangeEverythingButTheUserDrums(TVGS& image) {
    TImageWriter(image).System(2).Value = 90;
    image.ApplySystemSideEffects(spReverbMacro, TImageWriter(image).System(spReverbMacro).Value = 3);
    if (image.ModuleType() != mtSC88)
        image.ApplySystemSideEffects(spEfxType, TImageWriter(image).System(spEfxType).Value = 1 * 128 + 1);
    const int toneMap = image.ToneMapOfModuleType();
    for (int port = 0; port < image.ActivePortCount(); ++port) {
        TImageWriter(image).Part(port, 1, ppVolume).Value = 50;
        image.SetPartTone(port, 10, 1, 16, toneMap, 0);
        image.SetPartTone(port, 11, 2, 25, toneMap, 0);
        TImageWriter(image).Drum(port, 1, 2, 38).Value = 11;
        TImageWriter(image).Drum(port, 2, 3, 40).Value = 22;
    }
}

TEST(GsResetImage, AResetImageIsAFreshImageOfEachModuleType) {
    struct TCase {
        int ModuleType;
        int MaxPart;
    };
    for (const TCase c : {TCase{mtSC88, 0}, TCase{mtSC88, 1}, TCase{mtSC88Pro, 0}, TCase{mtSC88Pro, 1},
                          TCase{mtSC8850, 0}, TCase{mtSC8850, 1}, TCase{mtSC8850, 2}}) {
        SCOPED_TRACE("module type " + std::to_string(c.ModuleType) + ", max part " + std::to_string(c.MaxPart));
        test::TImageFixture image(c.ModuleType), fresh(c.ModuleType);
        image->MaxPart = fresh->MaxPart = c.MaxPart;
        ChangeEverythingButTheUserDrums(*image);
        ASSERT_FALSE(DiffImages(*image, *fresh).empty());
        GsResetImage(*image);

        const std::vector<TSetupDifference> d = DiffImages(*image, *fresh);
        EXPECT_TRUE(d.empty()) << d.size() << " differences, the first " << DifferenceLine(d.front());
        // Not only the values: what counts as modified, and the set each map holds, as well.
        for (int port = 0; port < kPortCount; ++port)
            for (int map = 1; map <= kDrumMapsPerPort; ++map) {
                int defaults = 0;
                for (int note = 0; note < kNoteCount; ++note)
                    for (int n = 1; n <= kDrumParameterCount; ++n)
                        defaults += image->Drum(port, map, n, note).Default != fresh->Drum(port, map, n, note).Default;
                EXPECT_EQ(defaults, 0) << "drum map " << DrumMapName(port, map);
                const TDrumSetRecord a = image->DrumSet(port, map), b = fresh->DrumSet(port, map);
                EXPECT_EQ(a.ToneMap, b.ToneMap) << DrumMapName(port, map);
                EXPECT_EQ(a.Program, b.Program) << DrumMapName(port, map);
                EXPECT_EQ(a.Found, b.Found) << DrumMapName(port, map);
                EXPECT_EQ(image->DrumSetOnMap(port, map).ToneMap, fresh->DrumSetOnMap(port, map).ToneMap);
            }
    }
}

}  // namespace
}  // namespace veka
