// The differences of two images: exactly the parameters that differ, in every area, with their
// places, names and texts.
#include <gtest/gtest.h>

#include "module/setup_diff.h"
#include "test_image.h"

namespace veka {
namespace {

TEST(SetupDiff, ListsExactlyTheDifferingParametersOfEveryArea) {
    test::TImageFixture first, second;
    EXPECT_TRUE(DiffImages(*first, *second).empty());
    second->MaxPart = 1;  // the second uses two ports: both are compared
    second->SetSystemValue(2, 90);
    second->SetPartValue(1, 16, 5, 110);
    second->SetPartValue(0, 3, 30, ppPanpot);
    second->SetDrumValue(0, 1, 100, 3, 40);
    second->SetUserDrumValue(1, 60, 12, 4);
    const std::vector<TSetupDifference> d = DiffImages(*first, *second);
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(DifferenceLine(d[0]), "System " + std::string(first->System(2).Name) + ": 127 (" + d[0].FirstText +
                                         ") -> 90 (" + d[0].SecondText + ")");
    EXPECT_EQ(d[0].Link, (TLinkData{LinkSystem, 2, 0, 0, 0}));
    EXPECT_EQ(DifferenceLine(d[1]), "Part A3 Panpot: 64 (Center) -> 30 (L34)");
    EXPECT_EQ(d[1].Port, 0);
    EXPECT_EQ(d[2].Where, "Drum Map A1 Key40");
    EXPECT_EQ(d[2].Link, (TLinkData{LinkDrum, 1, 40, 3, 0}));
    EXPECT_EQ(d[2].Second, 100);
    EXPECT_EQ(d[3].Where, "Part B16");
    EXPECT_EQ(d[3].Name, "CC2 LFO2 TVA Depth");
    EXPECT_EQ(d[3].Port, 1);
    EXPECT_EQ(d[4].Where, "User Drum 1 Key60");
    EXPECT_EQ(d[4].Link, (TLinkData{LinkUserDrum, 1, 60, 4, 0}));
    EXPECT_FALSE(d[4].FirstText.empty());
    // Turned round, the same places with the values swapped.
    const std::vector<TSetupDifference> back = DiffImages(*second, *first);
    ASSERT_EQ(back.size(), d.size());
    for (size_t i = 0; i < d.size(); ++i) {
        EXPECT_EQ(back[i].Where, d[i].Where);
        EXPECT_EQ(back[i].First, d[i].Second);
    }
    // A port neither image uses is not compared.
    second->MaxPart = 0;
    EXPECT_EQ(DiffImages(*first, *second).size(), 4u);
}

}  // namespace
}  // namespace veka

namespace veka {
namespace {

TEST(SetupDiff, DescribeParameterNamesOneParameterAsADifferenceWould) {
    test::TImageFixture first, second;
    second->SetPartValue(0, 3, 30, ppPanpot);
    second->SetDrumValue(0, 1, 100, 3, 40);
    const std::vector<TSetupDifference> d = DiffImages(*first, *second);
    ASSERT_EQ(d.size(), 2u);
    for (const TSetupDifference& each : d) {
        const TSetupDifference one = DescribeParameter(*second, each.Port, each.Link);
        EXPECT_EQ(one.Where, each.Where);
        EXPECT_EQ(one.Name, each.Name);
        EXPECT_EQ(one.First, each.Second);
        EXPECT_EQ(one.FirstText, each.SecondText);
    }
    EXPECT_TRUE(DescribeParameter(*first, 0, TLinkData{LinkPart, 17, 1, 0, 0}).Where.empty());
    EXPECT_TRUE(DescribeParameter(*first, 0, TLinkData{9, 1, 1, 0, 0}).Where.empty());
}

}  // namespace
}  // namespace veka
