// The File menu's recent files: newest first, the first four never reordered, a name further
// down listed twice once it comes to the front, the ninth falling off.
#include <gtest/gtest.h>

#include "document/recent_files.h"

namespace veka {
namespace {

TEST(RecentFiles, TheListMovesOnAndListsAFileFurtherDownTwice) {
    TRecentFiles list;
    for (int n = 0; n < 10; ++n) EXPECT_TRUE(AddRecentFile(list, "p" + std::to_string(n)));
    // p9 first, p1 ninth, p0 fallen off.
    EXPECT_EQ(list[0], "p9");
    EXPECT_EQ(list[8], "p1");
    // Within the first four: nothing moves.
    EXPECT_FALSE(AddRecentFile(list, "p7"));
    EXPECT_FALSE(AddRecentFile(list, "p6"));
    EXPECT_EQ(list[0], "p9");
    EXPECT_EQ(list[2], "p7");
    // The fifth goes to the front and stays below as well.
    EXPECT_TRUE(AddRecentFile(list, "p5"));
    EXPECT_EQ(list[0], "p5");
    EXPECT_EQ(list[5], "p5");
    EXPECT_EQ(list[8], "p2");
    // Only an exact name counts as the same file.
    EXPECT_TRUE(AddRecentFile(list, "P5"));
    EXPECT_EQ(list[0], "P5");
    EXPECT_EQ(list[1], "p5");
}

}  // namespace
}  // namespace veka
