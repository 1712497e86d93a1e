#pragma once
// The kinds of setup file, told apart by their extension (without regard to case), and the
// system parameter ranges of the effect blocks and custom-file groups.
#include <string>
#include <string_view>

#include "module/language.h"

namespace veka {

enum class TSetupFileKind {
    Ga4,          // ".ga4": the whole setup
    Ga3,          // ".ga3": the older whole setup, read only
    OnePart,      // ".1pg"
    OneDrumMap,   // ".1dg"
    OneUserDrum,  // ".1ug"
    Custom,       // ".cst"
    Reverb,       // effect presets: ".rev", ".cho", ".del", ".eq", ".ief"
    Chorus,
    Delay,
    Eq,
    Insertion,
    Unknown,      // any other extension: read as it stands, without questions
};

TSetupFileKind SetupFileKindOf(std::string_view fileName);
// "ga4", "1pg", "rev" ...; empty for Unknown.
std::string_view SetupFileExtension(TSetupFileKind kind);
// "All data", "One Part", ... "Reverb", "Insertion Effect" (Japanese where the program has it).
std::string SetupFileKindText(TSetupFileKind kind, TLanguage language);
bool IsEffectPreset(TSetupFileKind kind);

// System parameter groups: Master 1..4, Reverb 5..11, Chorus 12..20, Delay 21..31, EQ 32..35,
// Insertion 36..64 (the custom file's fixed items and the effect presets' blocks).
enum class TSystemGroup { Master, Reverb, Chorus, Delay, Eq, Insertion };
inline constexpr int kSystemGroupCount = 6;
struct TParameterRange {
    int First = 0;
    int Last = 0;
};
TParameterRange SystemGroupRange(TSystemGroup group);
std::string_view SystemGroupName(TSystemGroup group);  // "Master" .. "Insertion"
// The block an effect preset kind holds; Reverb for kinds that are no preset.
TSystemGroup EffectPresetGroup(TSetupFileKind kind);

}  // namespace veka
