#pragma once
// Display texts of part, drum and user drum values: what the editor windows show in place of
// the stored integer. Pure functions; texts are UTF-8.
#include <functional>
#include <string>

#include "module/language.h"

namespace veka {

// Two decimals, at least two columns wide, as every fractional value text shows; never "-0.00".
std::string Fixed2Text(double value);

// value - 64, "+" in front of positive results: 64 "0", 76 "+12", 59 "-5".
std::string SignedText(int value);
// 0 "Random", 1..63 "L63".."L1", 64 "Center", 65..127 "R1".."R63"; else the plain number.
std::string PanText(int value);
// Note name right-aligned in 2 columns, then the octave in 2 columns: 60 " C 4", 61 "C# 4".
// Notes outside 0..127 give the plain number.
std::string NoteText(int note);
// " CC#" + number, with the controller's name for the well-known ones.
std::string ControllerText(int number);

// Text of part parameter 1..111 for the value n the caller hands in; empty for other parameters.
std::string PartValueText(TLanguage language, int parameter, int n);

// Drum set name of a tone map (1..4) and program; empty when there is none.
using TDrumSetNameLookup = std::function<std::string(int toneMap, int program)>;

// Text of drum map / user drum parameter 1..12. reference is the value that means "no shift"
// for parameter 1; sourceMap is user drum parameter 10 of the same note, used by parameter 11.
std::string DrumValueText(TLanguage language, int parameter, int n, int reference, int sourceMap,
                          const TDrumSetNameLookup& drumSetName);

enum TMacroKind : int { MacroReverb = 0, MacroChorus = 1, MacroDelay = 2 };
// Name of a reverb (0..7), chorus (0..7) or delay (0..9) macro; empty outside.
std::string MacroName(int kind, int macro);
int MacroCount(int kind);

}  // namespace veka
