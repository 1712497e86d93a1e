#include "module/effect_texts.h"

#include <array>
#include <cstddef>

#include "module/value_texts.h"

namespace veka {

namespace {

using TValueTable = std::array<double, 128>;

// The module's value conversion tables of the insertion effect parameters, raw byte -> shown value.
constexpr TValueTable kPreDelayMs = {
    0.0,  0.1,  0.2,  0.3,  0.4,  0.5,  0.6,  0.7,
    0.8,  0.9,  1.0,  1.1,  1.2,  1.3,  1.4,  1.5,
    1.6,  1.7,  1.8,  1.9,  2.0,  2.1,  2.2,  2.3,
    2.4,  2.5,  2.6,  2.7,  2.8,  2.9,  3.0,  3.1,
    3.2,  3.3,  3.4,  3.5,  3.6,  3.7,  3.8,  3.9,
    4.0,  4.1,  4.2,  4.3,  4.4,  4.5,  4.6,  4.7,
    4.8,  4.9,  5.0,  5.5,  6.0,  6.5,  7.0,  7.5,
    8.0,  8.5,  9.0,  9.5,  10,   11,   12,   13,
    14,   15,   16,   17,   18,   19,   20,   21,
    22,   23,   24,   25,   26,   27,   28,   29,
    30,   31,   32,   33,   34,   35,   36,   37,
    38,   39,   40,   41,   42,   43,   44,   45,
    46,   47,   48,   49,   50,   52,   54,   56,
    58,   60,   62,   64,   66,   68,   70,   72,
    74,   76,   78,   80,   82,   84,   86,   88,
    90,   92,   94,   96,   98,   100,  100,  100,
};
constexpr TValueTable kDelayMs200To1000A = {  // 5 ms steps up to 550
    200,   205,   210,   215,   220,   225,   230,   235,
    240,   245,   250,   255,   260,   265,   270,   275,
    280,   285,   290,   295,   300,   305,   310,   315,
    320,   325,   330,   335,   340,   345,   350,   355,
    360,   365,   370,   375,   380,   385,   390,   395,
    400,   405,   410,   415,   420,   425,   430,   435,
    440,   445,   450,   455,   460,   465,   470,   475,
    480,   485,   490,   495,   500,   505,   510,   515,
    520,   525,   530,   535,   540,   545,   550,   560,
    570,   580,   590,   600,   610,   620,   630,   640,
    650,   660,   670,   680,   690,   700,   710,   720,
    730,   740,   750,   760,   770,   780,   790,   800,
    810,   820,   830,   840,   850,   860,   870,   880,
    890,   900,   910,   920,   930,   940,   950,   960,
    970,   980,   990,   1000,  1000,  1000,  1000,  1000,
    1000,  1000,  1000,  1000,  1000,  1000,  1000,  1000,
};
constexpr TValueTable kDelayMs200To1000B = {  // 5 ms steps up to 600
    200,   205,   210,   215,   220,   225,   230,   235,
    240,   245,   250,   255,   260,   265,   270,   275,
    280,   285,   290,   295,   300,   305,   310,   315,
    320,   325,   330,   335,   340,   345,   350,   355,
    360,   365,   370,   375,   380,   385,   390,   395,
    400,   405,   410,   415,   420,   425,   430,   435,
    440,   445,   450,   455,   460,   465,   470,   475,
    480,   485,   490,   495,   500,   505,   510,   515,
    520,   525,   530,   535,   540,   545,   550,   555,
    560,   565,   570,   575,   580,   585,   590,   595,
    600,   610,   620,   630,   640,   650,   660,   670,
    680,   690,   700,   710,   720,   730,   740,   750,
    760,   770,   780,   790,   800,   810,   820,   830,
    840,   850,   860,   870,   880,   890,   900,   910,
    920,   930,   940,   950,   960,   970,   980,   990,
    1000,  1000,  1000,  1000,  1000,  1000,  1000,  1000,
};
constexpr TValueTable kDelayMs0To500 = {
    0.0,  0.1,  0.2,  0.3,  0.4,  0.5,  0.6,  0.7,
    0.8,  0.9,  1.0,  1.1,  1.2,  1.3,  1.4,  1.5,
    1.6,  1.7,  1.8,  1.9,  2.0,  2.1,  2.2,  2.3,
    2.4,  2.5,  2.6,  2.7,  2.8,  2.9,  3.0,  3.1,
    3.2,  3.3,  3.4,  3.5,  3.6,  3.7,  3.8,  3.9,
    4.0,  4.1,  4.2,  4.3,  4.4,  4.5,  4.6,  4.7,
    4.8,  4.9,  5.0,  5.5,  6.0,  6.5,  7.0,  7.5,
    8.0,  8.5,  9.0,  9.5,  10,   11,   12,   13,
    14,   15,   16,   17,   18,   19,   20,   21,
    22,   23,   24,   25,   26,   27,   28,   29,
    30,   31,   32,   33,   34,   35,   36,   37,
    38,   39,   40,   50,   60,   70,   80,   90,
    100,  110,  120,  130,  140,  150,  160,  170,
    180,  190,  200,  210,  220,  230,  240,  250,
    260,  270,  280,  290,  300,  320,  340,  360,
    380,  400,  420,  440,  460,  480,  500,  500,
};
constexpr TValueTable kDelayMs0To635 = {
    0,    5,    10,   15,   20,   25,   30,   35,
    40,   45,   50,   55,   60,   65,   70,   75,
    80,   85,   90,   95,   100,  105,  110,  115,
    120,  125,  130,  135,  140,  145,  150,  155,
    160,  165,  170,  175,  180,  185,  190,  195,
    200,  205,  210,  215,  220,  225,  230,  235,
    240,  245,  250,  255,  260,  265,  270,  275,
    280,  285,  290,  295,  300,  305,  310,  315,
    320,  325,  330,  335,  340,  345,  350,  355,
    360,  365,  370,  375,  380,  385,  390,  395,
    400,  405,  410,  415,  420,  425,  430,  435,
    440,  445,  450,  455,  460,  465,  470,  475,
    480,  485,  490,  495,  500,  505,  510,  515,
    520,  525,  530,  535,  540,  545,  550,  555,
    560,  565,  570,  575,  580,  585,  590,  595,
    600,  605,  610,  615,  620,  625,  630,  635,
};
constexpr TValueTable kRateHz10 = {
    0.05,   0.10,   0.15,   0.20,   0.25,   0.30,   0.35,   0.40,
    0.45,   0.50,   0.55,   0.60,   0.65,   0.70,   0.75,   0.80,
    0.85,   0.90,   0.95,   1.00,   1.05,   1.10,   1.15,   1.20,
    1.25,   1.30,   1.35,   1.40,   1.45,   1.50,   1.55,   1.60,
    1.65,   1.70,   1.75,   1.80,   1.85,   1.90,   1.95,   2.00,
    2.05,   2.10,   2.15,   2.20,   2.25,   2.30,   2.35,   2.40,
    2.45,   2.50,   2.55,   2.60,   2.65,   2.70,   2.75,   2.80,
    2.85,   2.90,   2.95,   3.00,   3.05,   3.10,   3.15,   3.20,
    3.25,   3.30,   3.35,   3.40,   3.45,   3.50,   3.55,   3.60,
    3.65,   3.70,   3.75,   3.80,   3.85,   3.90,   3.95,   4.00,
    4.05,   4.10,   4.15,   4.20,   4.25,   4.30,   4.35,   4.40,
    4.45,   4.50,   4.55,   4.60,   4.65,   4.70,   4.75,   4.80,
    4.85,   4.90,   4.95,   5.00,   5.10,   5.20,   5.30,   5.40,
    5.50,   5.60,   5.70,   5.80,   5.90,   6.00,   6.10,   6.20,
    6.30,   6.40,   6.50,   6.60,   6.70,   6.80,   6.90,   7.00,
    7.50,   8.00,   8.50,   9.00,   9.50,   10.00,  10.00,  10.00,
};
constexpr TValueTable kRateHz6_4 = {
    0.05,  0.10,  0.15,  0.20,  0.25,  0.30,  0.35,  0.40,
    0.45,  0.50,  0.55,  0.60,  0.65,  0.70,  0.75,  0.80,
    0.85,  0.90,  0.95,  1.00,  1.05,  1.10,  1.15,  1.20,
    1.25,  1.30,  1.35,  1.40,  1.45,  1.50,  1.55,  1.60,
    1.65,  1.70,  1.75,  1.80,  1.85,  1.90,  1.95,  2.00,
    2.05,  2.10,  2.15,  2.20,  2.25,  2.30,  2.35,  2.40,
    2.45,  2.50,  2.55,  2.60,  2.65,  2.70,  2.75,  2.80,
    2.85,  2.90,  2.95,  3.00,  3.05,  3.10,  3.15,  3.20,
    3.25,  3.30,  3.35,  3.40,  3.45,  3.50,  3.55,  3.60,
    3.65,  3.70,  3.75,  3.80,  3.85,  3.90,  3.95,  4.00,
    4.05,  4.10,  4.15,  4.20,  4.25,  4.30,  4.35,  4.40,
    4.45,  4.50,  4.55,  4.60,  4.65,  4.70,  4.75,  4.80,
    4.85,  4.90,  4.95,  5.00,  5.05,  5.10,  5.15,  5.20,
    5.25,  5.30,  5.35,  5.40,  5.45,  5.50,  5.55,  5.60,
    5.65,  5.70,  5.75,  5.80,  5.85,  5.90,  5.95,  6.00,
    6.05,  6.10,  6.15,  6.20,  6.25,  6.30,  6.35,  6.40,
};
constexpr TValueTable kManualHz = {
    100,   110,   120,   130,   140,   150,   160,   170,
    180,   190,   200,   210,   220,   230,   240,   250,
    260,   270,   280,   290,   300,   320,   340,   360,
    380,   400,   420,   440,   460,   480,   500,   520,
    540,   560,   580,   600,   620,   640,   660,   680,
    700,   720,   740,   760,   780,   800,   820,   840,
    860,   880,   900,   920,   940,   960,   980,   1000,
    1100,  1200,  1300,  1400,  1500,  1600,  1700,  1800,
    1900,  2000,  2100,  2200,  2300,  2400,  2500,  2600,
    2700,  2800,  2900,  3000,  3100,  3200,  3300,  3400,
    3500,  3600,  3700,  3800,  3900,  4000,  4100,  4200,
    4300,  4400,  4500,  4600,  4700,  4800,  4900,  5000,
    5100,  5200,  5300,  5400,  5500,  5600,  5700,  5800,
    5900,  6000,  6100,  6200,  6300,  6400,  6500,  6600,
    6700,  6800,  6900,  7000,  7100,  7200,  7300,  7400,
    7500,  7600,  7700,  7800,  7900,  8000,  8000,  8000,
};

// Tables that move in 1/3-octave steps of 8 raw values each; kBypass marks the top step
// where the filter is out of the path.
using TStepTable = std::array<double, 16>;
constexpr double kBypass = -1;
constexpr TStepTable kHfDampHz = {315,  400,  500,  630,  800,  1000, 1250, 1600,
                                  2000, 2500, 3150, 4000, 5000, 6300, 8000, kBypass};
constexpr TStepTable kCutoffHz = {250,  315,  400,  500,  630,  800,  1000, 1250,
                                  1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000};
constexpr TStepTable kEqFreqHz = {200,  250,  315,  400,  500,  630,  800,  1000,
                                  1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300};
constexpr TStepTable kLpfHz = {250,  315,  400,  500,  630,  800,  1000, 1250,
                               1600, 2000, 2500, 3150, 4000, 5000, 6300, kBypass};

// Azimuth in degrees, negative to the left; both ends are the rear (180).
constexpr std::array<int, 128> kAzimuthDeg = {
    180,   180,   180,   180,   180,   180,   -168,  -168,
    -168,  -168,  -156,  -156,  -156,  -156,  -144,  -144,
    -144,  -144,  -132,  -132,  -132,  -132,  -120,  -120,
    -120,  -120,  -108,  -108,  -108,  -108,  -96,   -96,
    -96,   -96,   -84,   -84,   -84,   -84,   -72,   -72,
    -72,   -72,   -60,   -60,   -60,   -60,   -48,   -48,
    -48,   -48,   -36,   -36,   -36,   -36,   -24,   -24,
    -24,   -24,   -12,   -12,   -12,   -12,   0,     0,
    0,     0,     12,    12,    12,    12,    24,    24,
    24,    24,    36,    36,    36,    36,    48,    48,
    48,    48,    60,    60,    60,    60,    72,    72,
    72,    72,    84,    84,    84,    84,    96,    96,
    96,    96,    108,   108,   108,   108,   120,   120,
    120,   120,   132,   132,   132,   132,   144,   144,
    144,   144,   156,   156,   156,   156,   168,   168,
    168,   168,   180,   180,   180,   180,   180,   180,
};

// The short words of the insertion text file and the words the window shows for them.
struct TWordName {
    std::string_view Short;
    std::string_view Shown;
};
constexpr std::array<TWordName, 12> kWordNames = {{
    {"Norm", "Normal"},
    {"Odrv", "Over Drive"},
    {"Dist", "Distortion"},
    {"BltIn", "Built In"},
    {"2-Stk", "2 Stack"},
    {"3-Stk", "3 Stack"},
    {"LPF", "Low Pass Filter"},
    {"BPF", "Band Pass Filter"},
    {"HPF", "High Pass Filter"},
    {"Phones", "Head Phones"},
    {"Sin", "Sine"},
    {"Flangr", "Flanger"},
}};

bool InRange(int v) { return v >= 0 && v <= 127; }

// A number's text after a short prefix ("+5", "L12"), appended to the prefix: GCC 12 at -O3
// warns falsely of an overlapping copy (-Wrestrict) when a literal is put before a string.
std::string Prefixed(std::string_view prefix, long long value) {
    std::string text(prefix);
    text += std::to_string(value);
    return text;
}

std::string WithSign(long long value) { return value > 0 ? Prefixed("+", value) : std::to_string(value); }

// Units follow the number after a blank, except "%", which is written against it.
std::string UnitSuffix(std::string_view unit) {
    if (unit.empty()) return {};
    if (unit == "%") return "%";
    std::string text = " ";
    text += unit;
    return text;
}

// The index-th entry of a comma-separated list; false when the list is shorter.
bool ListEntry(std::string_view list, int index, std::string_view& entry) {
    if (index < 0 || list.empty()) return false;
    for (int i = 0;; ++i) {
        const std::size_t comma = list.find(',');
        if (i == index) {
            entry = list.substr(0, comma);
            return true;
        }
        if (comma == std::string_view::npos) return false;
        list.remove_prefix(comma + 1);
    }
}

std::string ShownWord(std::string_view word) {
    for (const TWordName& name : kWordNames)
        if (name.Short == word) return std::string(name.Shown);
    return std::string(word);
}

std::string WordText(std::string_view words, int v) {
    std::string_view word;
    if (!ListEntry(words, v, word)) return std::to_string(v);
    return ShownWord(word);
}

std::string BalanceText(std::string_view dry, std::string_view wet, int v) {
    const std::string d(dry), e(wet);
    if (v == 0) return d + " > " + e + " 0";
    // Integer division truncates exactly as the window's trunc of the fraction does.
    if (v >= 1 && v <= 63) return d + " > " + e + " " + std::to_string((v - 1) * 100 / 63);
    if (v == 64) return d + " = " + e;
    if (v >= 65 && v <= 127) return d + " " + std::to_string((127 - v) * 100 / 63) + " < " + e;
    return std::to_string(v);
}

std::string InsertionPanText(int v) {
    if (!InRange(v)) return std::to_string(v);
    if (v < 64) return Prefixed("L", 64 - v);
    if (v == 64) return "Center";
    return Prefixed("R", v - 64);
}

std::string AmountText(double value, std::string_view unit) {
    if (value == kBypass) return "Bypass";
    return Fixed2Text(value) + std::string(unit);
}

const TValueTable* ValueTable(std::string_view kind, std::string_view& unit) {
    unit = "ms";
    if (kind == "pre_delay_ms") return &kPreDelayMs;
    if (kind == "delay_ms_200_1000_a") return &kDelayMs200To1000A;
    if (kind == "delay_ms_200_1000_b") return &kDelayMs200To1000B;
    if (kind == "delay_ms_0_500") return &kDelayMs0To500;
    if (kind == "delay_ms_0_635") return &kDelayMs0To635;
    unit = "Hz";
    if (kind == "rate_hz_10") return &kRateHz10;
    if (kind == "rate_hz_6_4") return &kRateHz6_4;
    if (kind == "manual_hz") return &kManualHz;
    return nullptr;
}

const TStepTable* StepTable(std::string_view kind) {
    if (kind == "hf_damp_hz") return &kHfDampHz;
    if (kind == "cutoff_hz") return &kCutoffHz;
    if (kind == "eq_freq_hz") return &kEqFreqHz;
    if (kind == "lpf_hz") return &kLpfHz;
    return nullptr;
}

}  // namespace

double DelayTimeMs(int v) {
    if (v >= 1 && v <= 20) return v * 0.1;
    if (v >= 21 && v <= 35) return 2 + (v - 20) * 0.2;
    if (v >= 36 && v <= 45) return 5 + (v - 35) * 0.5;
    if (v >= 46 && v <= 55) return 10 + (v - 45);
    if (v >= 56 && v <= 70) return 20 + (v - 55) * 2;
    if (v >= 71 && v <= 80) return 50 + (v - 70) * 5;
    if (v >= 81 && v <= 90) return 100 + (v - 80) * 10;
    if (v >= 91 && v <= 105) return 200 + (v - 90) * 20;
    if (v >= 106 && v <= 115) return 500 + (v - 105) * 50;
    return 0;
}

std::string DelayTimeText(int v) { return Fixed2Text(DelayTimeMs(v)) + "ms"; }

int DelayRatioPercent(int v) {
    // floor(v x 100 / 24 + 1/2) in integers, so that halves (v = 3, 9, ...) go up exactly.
    const long long twice = static_cast<long long>(v) * 200 + 24;
    long long q = twice / 48;
    if (twice % 48 != 0 && twice < 0) --q;
    return static_cast<int>(q);
}

std::string DelayRatioText(int ratioValue, int centreValue) {
    const int percent = DelayRatioPercent(ratioValue);
    return std::to_string(percent) + "% (" + Fixed2Text(DelayTimeMs(centreValue) * percent / 100) + "ms)";
}

std::string EqFreqText(TEqBand band, int v) {
    if (v == 0) return band == TEqBand::Low ? "200Hz" : "3KHz";
    if (v == 1) return band == TEqBand::Low ? "400Hz" : "6KHz";
    return std::to_string(v);
}

// Values may come from files as stored: 64-bit arithmetic keeps every one of them defined.
std::string LevelPercentText(int v) { return std::to_string((static_cast<long long>(v) - 64) * 2) + "%"; }
std::string LevelPercentInvertedText(int v) { return std::to_string((64 - static_cast<long long>(v)) * 2) + "%"; }

std::string InsertionValueText(std::string_view kind, std::string_view detail, int v) {
    if (kind == "number") return std::to_string(v);
    if (kind == "number_plus1") return std::to_string(static_cast<long long>(v) + 1);
    if (kind == "signed") return WithSign(static_cast<long long>(v) - 64) + UnitSuffix(detail);
    if (kind == "signed_x2") return WithSign((static_cast<long long>(v) - 64) * 2) + UnitSuffix(detail);
    if (kind == "times2") return std::to_string(static_cast<long long>(v) * 2) + UnitSuffix(detail);
    if (kind == "pan") return InsertionPanText(v);
    if (kind == "balance") return detail == "A,B" ? BalanceText("A", "B", v) : BalanceText("Dry", "Effect", v);
    if (kind == "words") return WordText(detail, v);
    if (kind == "switch_0_127") return InRange(v) ? WordText(detail, v < 64 ? 0 : 1) : std::to_string(v);
    if (!InRange(v)) return std::to_string(v);

    const auto raw = static_cast<std::size_t>(v);
    if (kind == "gate_time_ms") return AmountText((v + 1) * 5, "ms");
    if (kind == "accel_0_15") return std::to_string(v / 8);
    if (kind == "azimuth_deg") {
        const int degrees = kAzimuthDeg[raw];
        if (degrees < 0) return Prefixed("L", -degrees);
        if (degrees == 0 || degrees == 180) return std::to_string(degrees);
        return Prefixed("R", degrees);
    }
    std::string_view unit;
    if (const TValueTable* table = ValueTable(kind, unit)) return AmountText((*table)[raw], unit);
    if (const TStepTable* table = StepTable(kind)) return AmountText((*table)[raw / 8], "Hz");
    return std::to_string(v);
}

}  // namespace veka
