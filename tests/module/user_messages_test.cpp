#include "module/user_messages.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace veka {
namespace {

constexpr TLanguage kJa = TLanguage::Japanese;
constexpr TLanguage kEn = TLanguage::English;

TEST(UserMessages, ExactTexts) {
    EXPECT_EQ(UserMessage(20, kJa), "変更されているﾃﾞｰﾀは有りません\r\nﾌｧｲﾙ保存は中止します");
    EXPECT_EQ(UserMessage(20, kEn), "The data is not changed.\r\nSave command is canceled.");
    EXPECT_EQ(UserMessage(24, kJa), "対象を指定してください");
    EXPECT_EQ(UserMessage(24, kEn), "Specify object");
    EXPECT_EQ(UserMessage(17, kEn), " Parameter");
    EXPECT_EQ(UserMessage(10, kEn), "Velocty changes by its position(height)");
    EXPECT_EQ(UserMessage(43, kEn),
              "Veka was not finished normally last time.\r\nFinish Veka once if having any wrong point.\r\n"
              "And restart after deleting \"Veka.ini\"(in Veka folder).");
    EXPECT_EQ(UserMessage(70, kJa), "MIDI OUTPUT が１つも有りません");
    EXPECT_EQ(UserMessage(95, kEn), "MMSYSTEM007 Error ");
    EXPECT_EQ(UserMessage(101, kJa), "既に\"%s\"に割り当てられているｼｮｰﾄｶｯﾄｷｰです");
    EXPECT_EQ(UserMessage(86, kEn), "%s varies with %s in proportion to %s.");
    EXPECT_EQ(UserMessage(100, kJa), "送信終了");
    EXPECT_EQ(UserMessage(28, kJa), UserMessage(63, kJa));
    EXPECT_EQ(UserMessage(28, kEn), UserMessage(63, kEn));
}

TEST(UserMessages, EveryNumberInBothLanguages) {
    const std::vector<int> expected = {9,  10, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,  29,  31,  32,
                                       33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 57, 58, 59,  63,  68,  70,
                                       71, 75, 86, 90, 94, 95, 99, 100, 101, 102, 107};
    EXPECT_EQ(UserMessageNumbers(), expected);
    for (int number : UserMessageNumbers()) {
        for (TLanguage language : {kJa, kEn}) {
            const std::string_view text = UserMessage(number, language);
            EXPECT_FALSE(text.empty()) << number;
            // Line breaks are CR LF throughout.
            for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << number;
        }
    }
}

TEST(UserMessages, UnknownNumbersAreEmpty) {
    for (int number : {-1, 0, 8, 11, 30, 44, 56, 108, 400, 1024})
        for (TLanguage language : {kJa, kEn}) EXPECT_TRUE(UserMessage(number, language).empty()) << number;
}

}  // namespace
}  // namespace veka
