#pragma once
// Where the default data files are: "default/" beside the running program (a build tree or a
// portable copy), else "<prefix>/share/veka4/default" of an installed copy.
#include <string>

namespace veka {

std::string ProgramFolder();        // folder of the running executable
std::string FindDefaultFolder();    // VEKA_DEFAULT_DIR wins when set (tests, packaging)

}  // namespace veka
