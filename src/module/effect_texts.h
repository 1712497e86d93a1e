#pragma once
// Value texts of the effect window: delay times and ratios, the equaliser frequencies and the
// insertion effect parameters. Pure functions; texts are UTF-8.
#include <string>
#include <string_view>

namespace veka {

// "Delay Time Center": the time in milliseconds of value v (0 outside 1..115).
double DelayTimeMs(int v);
std::string DelayTimeText(int v);  // "10.00ms"

// "Delay Time Ratio Left/Right": v x 100 / 24 rounded half up (1 -> 4, 3 -> 13, 24 -> 100).
int DelayRatioPercent(int v);
// "100% (10.00ms)": the ratio and the resulting time for the given "Delay Time Center" value.
std::string DelayRatioText(int ratioValue, int centreValue);

enum class TEqBand { Low, High };
// "EQ Low Freq" 0 "200Hz", 1 "400Hz"; "EQ High Freq" 0 "3KHz", 1 "6KHz"; else the number.
std::string EqFreqText(TEqBand band, int v);

// (v - 64) x 2 + "%", and the inverted (64 - v) x 2 + "%".
std::string LevelPercentText(int v);
std::string LevelPercentInvertedText(int v);

// Text of an insertion parameter's raw value v (0..127) by the parameter's text kind and
// detail, as the insertion parameter text file gives them ("balance" / "D,E", "words" /
// "Off,On", "rate_hz_10" / ""...). Unknown kinds and values outside a list give the number.
std::string InsertionValueText(std::string_view kind, std::string_view detail, int v);

}  // namespace veka
