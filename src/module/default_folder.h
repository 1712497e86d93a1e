#pragma once
// Where the files shipped with the program are: beside the running program (a build tree or a
// portable copy), else under "<prefix>/share/veka4" of an installed copy, the program being
// "<prefix>/bin/veka4". The default data files are in "default/" there.
#include <string>

namespace veka {

std::string ProgramPath();          // the running executable
std::string ProgramFolder();        // folder of the running executable
std::string FindDefaultFolder();    // VEKA_DEFAULT_DIR wins when set (tests, packaging)

// The shipped file (or folder) name: "<programFolder>/name", else
// "<programFolder>/../share/veka4/name"; empty when neither exists.
std::string FindShippedFile(const std::string& name, const std::string& programFolder);
// The same beside the running program.
std::string FindShippedFile(const std::string& name);

}  // namespace veka
