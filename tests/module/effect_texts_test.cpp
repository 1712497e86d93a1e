#include "module/effect_texts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace veka {
namespace {

TEST(EffectTexts, DelayTimeKnots) {
    // Both ends of every segment of the centre delay time.
    const std::pair<int, double> knots[] = {
        {0, 0},     {1, 0.1},   {20, 2},    {21, 2.2},   {35, 5},    {36, 5.5},   {45, 10},
        {46, 11},   {55, 20},   {56, 22},   {70, 50},    {71, 55},   {80, 100},   {81, 110},
        {90, 200},  {91, 220},  {105, 500}, {106, 550},  {115, 1000}, {116, 0},   {-1, 0}};
    for (const auto& [v, ms] : knots) EXPECT_DOUBLE_EQ(DelayTimeMs(v), ms) << "value " << v;
    EXPECT_EQ(DelayTimeText(3), "0.30ms");
    EXPECT_EQ(DelayTimeText(115), "1000.00ms");
    EXPECT_EQ(DelayTimeText(0), "0.00ms");
}

TEST(EffectTexts, DelayRatio) {
    EXPECT_EQ(DelayRatioPercent(0), 0);
    EXPECT_EQ(DelayRatioPercent(1), 4);
    EXPECT_EQ(DelayRatioPercent(3), 13);
    EXPECT_EQ(DelayRatioPercent(9), 38);  // 37.5 goes up
    EXPECT_EQ(DelayRatioPercent(24), 100);
    EXPECT_EQ(DelayRatioPercent(120), 500);
    EXPECT_EQ(DelayRatioText(24, 46), "100% (11.00ms)");
    EXPECT_EQ(DelayRatioText(12, 55), "50% (10.00ms)");
    EXPECT_EQ(DelayRatioText(1, 115), "4% (40.00ms)");
    EXPECT_EQ(DelayRatioText(120, 0), "500% (0.00ms)");
}

TEST(EffectTexts, EqAndLevel) {
    EXPECT_EQ(EqFreqText(TEqBand::Low, 0), "200Hz");
    EXPECT_EQ(EqFreqText(TEqBand::Low, 1), "400Hz");
    EXPECT_EQ(EqFreqText(TEqBand::High, 0), "3KHz");
    EXPECT_EQ(EqFreqText(TEqBand::High, 1), "6KHz");
    EXPECT_EQ(EqFreqText(TEqBand::High, 2), "2");

    EXPECT_EQ(LevelPercentText(64), "0%");
    EXPECT_EQ(LevelPercentText(127), "126%");
    EXPECT_EQ(LevelPercentText(0), "-128%");
    EXPECT_EQ(LevelPercentInvertedText(0), "128%");
    EXPECT_EQ(LevelPercentInvertedText(127), "-126%");
}

struct TCase {
    const char* Kind;
    const char* Detail;
    int Raw;
    const char* Text;
};

void ExpectTexts(std::initializer_list<TCase> cases) {
    for (const TCase& c : cases)
        EXPECT_EQ(InsertionValueText(c.Kind, c.Detail, c.Raw), c.Text) << c.Kind << " " << c.Detail << " " << c.Raw;
}

TEST(EffectTexts, BalanceAndPan) {
    ExpectTexts({
        {"balance", "D,E", 0, "Dry > Effect 0"},    {"balance", "D,E", 1, "Dry > Effect 0"},
        {"balance", "D,E", 63, "Dry > Effect 98"},  {"balance", "D,E", 64, "Dry = Effect"},
        {"balance", "D,E", 65, "Dry 98 < Effect"},  {"balance", "D,E", 127, "Dry 0 < Effect"},
        {"balance", "D,E", 128, "128"},
        // values the module is known to show
        {"balance", "D,E", 20, "Dry > Effect 30"},  {"balance", "D,E", 48, "Dry > Effect 74"},
        {"balance", "A,B", 0, "A > B 0"},           {"balance", "A,B", 32, "A > B 49"},
        {"balance", "A,B", 64, "A = B"},            {"balance", "A,B", 65, "A 98 < B"},
        {"pan", "", 0, "L64"},                      {"pan", "", 64, "Center"},
        {"pan", "", 127, "R63"},                    {"pan", "", -1, "-1"},
    });
}

TEST(EffectTexts, WordLists) {
    ExpectTexts({
        {"words", "Off,On", 1, "On"},
        {"words", "Odrv,Dist", 0, "Over Drive"},                {"words", "Odrv,Dist", 1, "Distortion"},
        {"words", "Small,BltIn,2-Stk,3-Stk", 1, "Built In"},    {"words", "Small,BltIn,2-Stk,3-Stk", 2, "2 Stack"},
        {"words", "Small,BltIn,2-Stk,3-Stk", 3, "3 Stack"},     {"words", "LPF,BPF", 1, "Band Pass Filter"},
        {"words", "Off,LPF,HPF", 1, "Low Pass Filter"},         {"words", "Off,LPF,HPF", 2, "High Pass Filter"},
        {"words", "Speaker,Phones", 1, "Head Phones"},          {"words", "Norm,Invert", 0, "Normal"},
        {"words", "Chorus,Flangr", 1, "Flanger"},               {"words", "Tri,Sqr,Sin,Saw1,Saw2", 1, "Sqr"},
        {"words", "Tri,Sqr,Sin,Saw1,Saw2", 2, "Sine"},          {"words", "Tri,Sqr,Sin,Saw1,Saw2", 4, "Saw2"},
        {"words", "1/1.5,1/2,1/4,1/100", 3, "1/100"},           {"words", "-,+", 0, "-"},
        // outside the list: the number
        {"words", "Tri,Sqr,Sin,Saw1,Saw2", 5, "5"},             {"words", "Off,On", -1, "-1"},
        {"words", "", 0, "0"},
        {"switch_0_127", "Slow,Fast", 63, "Slow"},              {"switch_0_127", "Slow,Fast", 64, "Fast"},
        {"switch_0_127", "Slow,Fast", 127, "Fast"},             {"switch_0_127", "Slow,Fast", 128, "128"},
    });
}

TEST(EffectTexts, ArithmeticKinds) {
    ExpectTexts({
        {"number", "", 37, "37"},                      {"number_plus1", "", 0, "1"},
        {"signed", "dB", 52, "-12 dB"},                {"signed", "dB", 64, "0 dB"},
        {"signed", "dB", 76, "+12 dB"},                {"signed", "", 84, "+20"},
        {"signed_x2", "%", 15, "-98%"},                {"signed_x2", "cents", 114, "+100 cents"},
        {"times2", "deg", 90, "180 deg"},              {"gate_time_ms", "", 12, "65.00ms"},
        {"gate_time_ms", "", 99, "500.00ms"},          {"accel_0_15", "", 7, "0"},
        {"accel_0_15", "", 8, "1"},                    {"accel_0_15", "", 127, "15"},
        {"no_such_kind", "x", 12, "12"},
    });
}

TEST(EffectTexts, ConversionTables) {
    ExpectTexts({
        {"pre_delay_ms", "", 51, "5.50ms"},            {"pre_delay_ms", "", 101, "52.00ms"},
        {"delay_ms_200_1000_a", "", 70, "550.00ms"},   {"delay_ms_200_1000_a", "", 71, "560.00ms"},
        {"delay_ms_200_1000_b", "", 79, "595.00ms"},   {"delay_ms_200_1000_b", "", 81, "610.00ms"},
        {"delay_ms_0_500", "", 91, "50.00ms"},         {"delay_ms_0_500", "", 117, "320.00ms"},
        {"delay_ms_0_635", "", 1, "5.00ms"},           {"delay_ms_0_635", "", 127, "635.00ms"},
        {"rate_hz_10", "", 0, "0.05Hz"},               {"rate_hz_10", "", 120, "7.50Hz"},
        {"rate_hz_6_4", "", 100, "5.05Hz"},            {"rate_hz_6_4", "", 127, "6.40Hz"},
        {"hf_damp_hz", "", 119, "8000.00Hz"},          {"hf_damp_hz", "", 120, "Bypass"},
        {"cutoff_hz", "", 7, "250.00Hz"},              {"cutoff_hz", "", 8, "315.00Hz"},
        {"eq_freq_hz", "", 64, "1250.00Hz"},           {"eq_freq_hz", "", 127, "6300.00Hz"},
        {"lpf_hz", "", 112, "6300.00Hz"},              {"lpf_hz", "", 127, "Bypass"},
        {"manual_hz", "", 21, "320.00Hz"},             {"manual_hz", "", 56, "1100.00Hz"},
        {"azimuth_deg", "", 5, "180"},                 {"azimuth_deg", "", 6, "L168"},
        {"azimuth_deg", "", 62, "0"},                  {"azimuth_deg", "", 66, "R12"},
        {"azimuth_deg", "", 122, "180"},
        // outside the byte range no table is read
        {"pre_delay_ms", "", 128, "128"},              {"hf_damp_hz", "", -1, "-1"},
        {"azimuth_deg", "", 128, "128"},               {"gate_time_ms", "", -1, "-1"},
    });
}

TEST(EffectTexts, EveryKindOfTheTextFileIsKnown) {
    // An unknown (e.g. misspelt) kind would fall back to the bare number.
    const std::pair<const char*, const char*> kinds[] = {
        {"number_plus1", ""},        {"signed", "dB"},         {"signed_x2", "%"},
        {"times2", "deg"},           {"gate_time_ms", ""},     {"pan", ""},
        {"balance", "D,E"},          {"words", "Off,On"},      {"switch_0_127", "Slow,Fast"},
        {"pre_delay_ms", ""},        {"delay_ms_200_1000_a", ""}, {"delay_ms_200_1000_b", ""},
        {"delay_ms_0_500", ""},      {"delay_ms_0_635", ""},   {"rate_hz_10", ""},
        {"rate_hz_6_4", ""},         {"hf_damp_hz", ""},       {"cutoff_hz", ""},
        {"eq_freq_hz", ""},          {"lpf_hz", ""},           {"manual_hz", ""},
        {"azimuth_deg", ""},         {"accel_0_15", ""},
    };
    for (const auto& [kind, detail] : kinds) EXPECT_NE(InsertionValueText(kind, detail, 1), "1") << kind;
}

}  // namespace
}  // namespace veka
