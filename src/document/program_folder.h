#pragma once
// The program folder: where "Veka.ini", presets, "temp.smf", order files and logs live.
// VEKA_HOME when set; else the executable's folder when it is writable and holds default/ (a
// build tree or a portable copy); else $XDG_CONFIG_HOME/veka4 (~/.config/veka4 by default).
#include <string>

namespace veka {

// The rule itself, on given values (an empty text stands for an unset variable). Looks at the
// file system only to test the executable's folder.
std::string ChooseProgramFolder(const std::string& vekaHome, const std::string& executableFolder,
                                const std::string& xdgConfigHome, const std::string& home);

// The rule on this process's environment. The folder is created when it does not exist yet;
// when that fails, error (if given) says why and the path is returned all the same, so
// reads give defaults and writes report their own failure.
std::string FindProgramFolder(std::string* error = nullptr);

// Full path of "Veka.ini" in the program folder.
std::string SettingsFilePath(std::string* error = nullptr);

}  // namespace veka
