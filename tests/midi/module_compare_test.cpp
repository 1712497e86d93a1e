// The image against the module: exactly the parameters that differ, the ones the module did not
// answer, the image untouched, and "send the differences" sending exactly those.
#include <gtest/gtest.h>

#include "image_writer/image_writer.h"
#include "midi/module_compare.h"
#include "midi_fixture.h"
#include "module/image_snapshot.h"

namespace veka {
namespace {

using test::Select;
using test::TMidiFixture;

int DataSets(const std::vector<std::vector<uint8_t>>& sent) {
    int n = 0;
    for (const auto& m : sent)
        if (m.size() > 8 && m[0] == 0xF0 && m[4] == 0x12) ++n;
    return n;
}

TEST(ModuleCompare, FiveDifferencesAreListedAndExactlyFiveMessagesBringTheModuleUpToDate) {
    TMidiFixture f(mtSC8850, 1);
    TVGS& image = *f.Image;
    TImageWriter(image).Part(0, 4, ppVolume).Value = 77;
    TImageWriter(image).Part(1, 16, ppPanpot).Value = 20;
    TImageWriter(image).Part(0, 2, ppScaleTuningC + 3).Value = 50;
    TImageWriter(image).System(2).Value = 99;
    TImageWriter(image).UserDrum(0, 3, 60).Value = 5;
    const TImageSnapshot before = TImageSnapshot::Capture(image);
    const TRequestSelection selection = Select({riPartsA, riPartsB, riMaster, riUserDrum65});
    TModuleComparison c = CompareWithModule(f.Session->Request, image, VEKA_TEST_DEFAULT_DIR, selection);
    EXPECT_EQ(TImageSnapshot::Capture(image).States, before.States) << "the image is as it was";
    EXPECT_TRUE(c.Unread.empty());
    ASSERT_EQ(c.Differences.size(), 5u);
    EXPECT_EQ(DifferenceLine(c.Differences[0]).rfind("System ", 0), 0u);
    EXPECT_EQ(c.Differences[1].Where, "Part A2");
    EXPECT_EQ(c.Differences[1].Second, 64);  // the module's own value
    EXPECT_EQ(c.Differences[2].Where, "Part A4");
    EXPECT_EQ(c.Differences[3].Where, "Part B16");
    EXPECT_EQ(c.Differences[4].Where, "User Drum 0 Key60");
    EXPECT_EQ(c.Module->Part(1, 16, ppPanpot).Value, 64);

    f.Module->ClearReceived();
    EXPECT_EQ(SendImageParameters(f.Tx(), DifferenceIndices(c.Differences)), 5);
    EXPECT_EQ(DataSets(f.Sent(0)) + DataSets(f.Sent(1)), 5);
    EXPECT_EQ(f.Module->Memory(1, 0x40, 0x1F, 0x1C), 20);  // B16: block 15 at 40 1F
    EXPECT_EQ(TImageSnapshot::Capture(image).States, before.States);
    c = CompareWithModule(f.Session->Request, image, VEKA_TEST_DEFAULT_DIR, selection);
    EXPECT_TRUE(c.Differences.empty());
}

TEST(ModuleCompare, ParametersTheModuleDidNotAnswerAreNamed) {
    TMidiFixture f;
    TVGS& image = *f.Image;
    TImageWriter(image).Part(0, 5, ppVolume).Value = 10;
    TImageWriter(image).Part(0, 6, ppVolume).Value = 11;
    f.Module->DropRepliesTo(image.Part(0, 5, ppVolume).Address.Bytes);
    const TModuleComparison c =
        CompareWithModule(f.Session->Request, image, VEKA_TEST_DEFAULT_DIR, Select({riPartsA, riReverb}));
    ASSERT_EQ(c.Unread.size(), 1u);
    const TParameterPlace place = PlaceOfIndex(c.Unread[0]);
    EXPECT_EQ(place.Link, (TLinkData{LinkPart, 5, ppVolume, 0, 0}));
    // Unread is not "the same": only the answered difference is listed as one.
    ASSERT_EQ(c.Differences.size(), 1u);
    EXPECT_EQ(c.Differences[0].Where, "Part A6");
    EXPECT_LT(c.Report.Received, c.Report.Requested);
}

TEST(ModuleCompare, AModuleThatDoesNotAnswerLeavesEverythingUnreadAndTheImageAsItWas) {
    TMidiFixture f(mtSC8850, 0, false);  // no input: nothing comes back
    f.Session->Request.DataReqWaitMs = 20;
    TVGS& image = *f.Image;
    TImageWriter(image).System(2).Value = 90;
    const TImageSnapshot before = TImageSnapshot::Capture(image);
    const TRequestSelection selection = Select({riReverb, riMaster});
    const TModuleComparison c = CompareWithModule(f.Session->Request, image, VEKA_TEST_DEFAULT_DIR, selection);
    EXPECT_TRUE(c.Differences.empty());
    EXPECT_EQ(c.Unread, RequestedParameters(image, selection));
    EXPECT_EQ(c.Unread.size(), 11u);
    EXPECT_EQ(TImageSnapshot::Capture(image).States, before.States);
}

TEST(ModuleCompare, TheRequestedParametersAreThoseTheLoopAsksFor) {
    TMidiFixture f(mtSC8850, 2);
    std::vector<int> asked;
    f.Session->Request.OnAnswer = [&](int index, bool) { asked.push_back(index); };
    TRequestSelection all{};
    all.fill(true);
    all[riMap1B] = all[riMap2B] = all[riMap1C] = all[riMap2C] = all[riMap1D] = all[riMap2D] = false;
    all[riPartsC] = all[riPartsD] = false;
    f.Session->Request.Run(all, "");
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, RequestedParameters(*f.Image, all));
    f.Image->SetModuleType(mtSC88);
    EXPECT_LT(RequestedParameters(*f.Image, all).size(), asked.size()) << "no insertion, no later-model values";
}

}  // namespace
}  // namespace veka
