#pragma once
// The module's parameter tables: names, addresses, sizes, ranges and power-on values of the
// 64 system, 111 part, 9 drum map and 12 user drum parameters.
#include <array>
#include <cstdint>
#include <string_view>

namespace veka {

inline constexpr int kSystemParameterCount = 64;
inline constexpr int kPartParameterCount = 111;
inline constexpr int kDrumParameterCount = 9;
inline constexpr int kUserDrumParameterCount = 12;
inline constexpr int kPortCount = 4;
inline constexpr int kPartsPerPort = 16;
inline constexpr int kDrumMapsPerPort = 2;
inline constexpr int kUserDrumSetCount = 2;
inline constexpr int kNoteCount = 128;

// Part parameters with a meaning of their own elsewhere in the system.
enum TPartParameter : int {
    ppRxPort = 1, ppToneNumber = 2, ppRxChannel = 3, ppRhythm = 6, ppPitchOffsetFine = 8,
    ppVolume = 9, ppPanpot = 12, ppPitchFineTune = 19, ppToneMap = 21, ppScaleTuningC = 33,
    ppScaleTuningB = 44, ppBendPitchControl = 56, ppMasterCoarseTuning = 111,
};
enum TSystemParameter : int {
    spMasterTune = 1, spReverbMacro = 5, spChorusMacro = 12, spDelayMacro = 21, spEfxType = 36,
    spEfxParameter1 = 37, spEfxSendToReverb = 57, spEfxSendEqSwitch = 64,
};

struct TParameterRow {
    std::string_view Name;
    std::array<uint8_t, 3> Address;  // fixed address, or the block-0 template of a part parameter
    uint8_t Size;
    int32_t Min;
    int32_t Max;
    int32_t Default;
    uint8_t ProOnly;
};

// Rows are indexed by parameter number; index 0 is unused.
const std::array<TParameterRow, kSystemParameterCount + 1>& SystemRows();
// Part rows hold the table values; the per-port, per-part and per-module-type defaults
// (parameters 1, 3, 6 and 21) are filled in by the image.
const std::array<TParameterRow, kPartParameterCount + 1>& PartRows();
std::string_view DrumParameterName(int parameter);      // 1..12, user drum names included
int32_t DrumParameterMax(int parameter);                // 1..12
int32_t DrumParameterMin(int parameter);                // 1..12

}  // namespace veka
