#pragma once
// Names and one-line help texts of the 111 part parameters, as the part window's column headers,
// the customisation dialog's lists and the status bars show them.
#include <string>

#include "module/language.h"

namespace veka {

// The parameter's name for 1..111 ("Volume", "MOD Pitch Control"); "" for any other number.
const char* PartParameterName(int index);

// The status-bar help of parameter 1..111 in the chosen language; "" for any other number.
std::string PartHelpText(int index, TLanguage language);

}  // namespace veka
