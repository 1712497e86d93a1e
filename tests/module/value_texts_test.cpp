#include "module/value_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "module/effect_texts.h"

#include <string>

namespace veka {
namespace {

constexpr TLanguage kJa = TLanguage::Japanese;
constexpr TLanguage kEn = TLanguage::English;

TEST(ValueTexts, SignedPanAndNote) {
    EXPECT_EQ(SignedText(64), "0");
    EXPECT_EQ(SignedText(127), "+63");
    EXPECT_EQ(SignedText(0), "-64");
    EXPECT_EQ(SignedText(59), "-5");

    EXPECT_EQ(PanText(0), "Random");
    EXPECT_EQ(PanText(1), "L63");
    EXPECT_EQ(PanText(64), "Center");
    EXPECT_EQ(PanText(127), "R63");
    EXPECT_EQ(PanText(-1), "-1");
    EXPECT_EQ(PanText(128), "128");

    EXPECT_EQ(NoteText(60), " C 4");
    EXPECT_EQ(NoteText(61), "C# 4");
    EXPECT_EQ(NoteText(0), " C-1");
    EXPECT_EQ(NoteText(127), " G 9");
    EXPECT_EQ(NoteText(-1), "-1");
    EXPECT_EQ(NoteText(128), "128");
}

TEST(ValueTexts, ControllerNames) {
    EXPECT_EQ(ControllerText(2), " CC#2");
    EXPECT_EQ(ControllerText(1), " CC#1-Modulation");
    EXPECT_EQ(ControllerText(91), " CC#91-Effect1 (Reverb Send Level)");
    EXPECT_EQ(ControllerText(92), " CC#92");
    EXPECT_EQ(ControllerText(101), " CC#101-RPN MSB");
    EXPECT_EQ(ControllerText(127), " CC#127");
}

TEST(ValueTexts, PartWordsAndChannels) {
    EXPECT_EQ(PartValueText(kEn, 1, 0), "Port A");
    EXPECT_EQ(PartValueText(kEn, 1, 4), "4");
    EXPECT_EQ(PartValueText(kEn, 2, 130), "2");
    EXPECT_EQ(PartValueText(kEn, 3, 16), "OFF");
    EXPECT_EQ(PartValueText(kEn, 3, 9), "Channel 10");
    EXPECT_EQ(PartValueText(kEn, 3, 17), "17");
    EXPECT_EQ(PartValueText(kEn, 5, 1), "Limited Multi");
    EXPECT_EQ(PartValueText(kEn, 6, 2), "Drum Map 2");
    EXPECT_EQ(PartValueText(kEn, 6, -1), "-1");
    EXPECT_EQ(PartValueText(kEn, 21, 3), "88ProMap");
    EXPECT_EQ(PartValueText(kEn, 21, 4), "");
    EXPECT_EQ(PartValueText(kEn, 21, 0), "0");
    EXPECT_EQ(PartValueText(kJa, 24, 1), "ON");
    EXPECT_EQ(PartValueText(kEn, 23, 3), "Output 2R");
    EXPECT_EQ(PartValueText(kEn, 23, 200), "200");
}

TEST(ValueTexts, PartFractions) {
    // Offset in tenths of a hertz; the sign shows only above zero.
    EXPECT_EQ(PartValueText(kEn, 8, 0), "0.00 Hz");
    EXPECT_EQ(PartValueText(kEn, 8, 5), "+0.50 Hz");
    EXPECT_EQ(PartValueText(kEn, 8, -5), "-0.50 Hz");

    EXPECT_EQ(PartValueText(kEn, 19, 8192), "0.00 cent");
    EXPECT_EQ(PartValueText(kEn, 19, 8193), "+0.01 cent");
    EXPECT_EQ(PartValueText(kEn, 19, 8191), "-0.01 cent");
    EXPECT_EQ(PartValueText(kEn, 19, 16383), "+99.99 cent");
    EXPECT_EQ(PartValueText(kEn, 19, 0), "-100.00 cent");

    EXPECT_EQ(Fixed2Text(-0.004), "0.00");
    EXPECT_EQ(Fixed2Text(1.5), "1.50");
}

TEST(ValueTexts, PartSignedAndPlainParameters) {
    EXPECT_EQ(PartValueText(kEn, 33, 64), "0 cent");
    EXPECT_EQ(PartValueText(kEn, 44, 70), "+6 cent");
    // Signed: the part's own tuning and sends, and in each controller block
    // Pitch/Cutoff/Amplitude Control and the two LFO rates.
    for (int p : {7, 10, 11, 25, 32, 45, 48, 52, 56, 59, 63, 67, 74, 78, 85, 89, 96, 100, 103, 107, 111})
        EXPECT_EQ(PartValueText(kEn, p, 60), "-4") << "parameter " << p;
    for (int p : {9, 13, 14, 15, 18, 20, 49, 51, 53, 55, 60, 62, 64, 66, 108, 110})
        EXPECT_EQ(PartValueText(kEn, p, 60), "60") << "parameter " << p;
    EXPECT_EQ(PartValueText(kEn, 0, 60), "");
    EXPECT_EQ(PartValueText(kEn, 112, 60), "");
    EXPECT_EQ(PartValueText(kEn, -3, 60), "");
}

TEST(ValueTexts, DrumParameters) {
    const TDrumSetNameLookup none;
    EXPECT_EQ(DrumValueText(kEn, 1, 62, 60, 0, none), "+2");
    EXPECT_EQ(DrumValueText(kEn, 1, 60, 60, 0, none), "0");
    EXPECT_EQ(DrumValueText(kEn, 4, 64, 0, 0, none), "Center");
    EXPECT_EQ(DrumValueText(kEn, 7, 0, 0, 0, none), "Ineffective");
    EXPECT_EQ(DrumValueText(kEn, 8, 1, 0, 0, none), "Effective");
    EXPECT_EQ(DrumValueText(kJa, 7, 0, 0, 0, none), "無効");
    EXPECT_EQ(DrumValueText(kJa, 8, 1, 0, 0, none), "有効");
    EXPECT_EQ(DrumValueText(kJa, 8, 2, 0, 0, none), "2");
    EXPECT_EQ(DrumValueText(kEn, 10, 3, 0, 0, none), "SC88Pro Map");
    EXPECT_EQ(DrumValueText(kEn, 10, 4, 0, 0, none), "4");
    EXPECT_EQ(DrumValueText(kEn, 12, 60, 0, 0, none), "60  C 4");
    EXPECT_EQ(DrumValueText(kEn, 12, 61, 0, 0, none), "61 C# 4");
    EXPECT_EQ(DrumValueText(kEn, 2, 100, 0, 0, none), "100");
    EXPECT_EQ(DrumValueText(kEn, 13, -7, 0, 0, none), "-7");
}

TEST(ValueTexts, DrumSourceSetName) {
    int askedMap = -1, askedProgram = -1;
    const TDrumSetNameLookup lookup = [&](int map, int program) -> std::string {
        askedMap = map;
        askedProgram = program;
        return map == 2 && program == 0 ? "STANDARD 1" : "";
    };
    EXPECT_EQ(DrumValueText(kEn, 11, 0, 0, 2, lookup), "1(0) STANDARD 1");
    EXPECT_EQ(askedMap, 2);
    EXPECT_EQ(askedProgram, 0);
    EXPECT_EQ(DrumValueText(kEn, 11, 5, 0, 2, lookup), "6(5) does not exist.");
    EXPECT_EQ(askedProgram, 5);
    EXPECT_EQ(DrumValueText(kJa, 11, 5, 0, 2, lookup), "6(5)に対応するドラムキットはありません");
    EXPECT_EQ(DrumValueText(kEn, 11, 0, 0, 2, TDrumSetNameLookup{}), "1(0) does not exist.");
}

TEST(ValueTexts, MacroNames) {
    EXPECT_EQ(MacroName(MacroReverb, 7), "Panning Delay");
    EXPECT_EQ(MacroName(MacroReverb, 8), "");
    EXPECT_EQ(MacroName(MacroChorus, 7), "Short Delay[FB]");
    EXPECT_EQ(MacroName(MacroDelay, 8), "Delay to Rev.");
    EXPECT_EQ(MacroName(MacroDelay, 9), "PanRepeat");
    EXPECT_EQ(MacroName(MacroDelay, 10), "");
    EXPECT_EQ(MacroName(MacroDelay, -1), "");
    EXPECT_EQ(MacroName(3, 0), "");
    EXPECT_EQ(MacroCount(MacroDelay), 10);
}

}  // namespace
}  // namespace veka

namespace veka {
namespace {

// Values read from files reach the texts as they were stored: extreme ones must stay defined.
TEST(ValueTextExtremes, NoOverflowAtTheEndsOfInt) {
    const int extremes[] = {INT_MIN, INT_MIN + 1, -1, INT_MAX - 1, INT_MAX};
    for (int v : extremes) {
        EXPECT_FALSE(SignedText(v).empty());
        EXPECT_FALSE(PartValueText(TLanguage::English, 19, v).empty());
        EXPECT_FALSE(DrumValueText(TLanguage::English, 1, v, 60, 2, [](int, int) { return std::string(); }).empty());
        EXPECT_FALSE(DrumValueText(TLanguage::English, 11, v, 60, 2, [](int, int) { return std::string(); }).empty());
        EXPECT_FALSE(LevelPercentText(v).empty());
        for (const char* kind : {"signed", "signed_x2", "times2", "number_plus1"})
            EXPECT_FALSE(InsertionValueText(kind, "", v).empty());
    }
    EXPECT_EQ(SignedText(INT_MIN), std::to_string(int64_t(INT_MIN) - 64));
}

}  // namespace
}  // namespace veka
