#pragma once
// The drum windows' texts: the one-line help of the twelve drum map and user drum parameters,
// and the row header of a note. Plain C++, no Qt.
#include <string>

#include "module/language.h"

namespace veka {

// The status-bar help of drum parameter 1..12 ("Pitch" .. "S. Note Number"); empty otherwise.
std::string DrumHelpText(int parameter, TLanguage language);
// "%3d" and the note's name: 36 " 36  C 2".
std::string DrumRowText(int note);

}  // namespace veka
