#pragma once
// Value texts that need the module image: system parameters (macro names, delay times, EQ
// frequencies) and drum parameters (the source drum set of a user drum note).
#include <string>

#include "module/language.h"

namespace veka {

class TVGS;

// The text of a system parameter's value, as the effect and master windows show it. Delay time
// ratios are shown against the image's current "Delay Time Center".
std::string SystemValueText(const TVGS& image, int number, int value);

// Drum map (set < 0) or user drum (set 0..1) parameter text; noteRow counts from 1 (note 0).
std::string DrumValueText(const TVGS& image, int set, int parameter, int n, int noteRow, int reference);

}  // namespace veka
