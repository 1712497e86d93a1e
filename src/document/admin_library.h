#pragma once
// Asks libmevro.so whether the user administers this machine: loaded by its full name,
// UserIsAdmin called once, the library freed at once. Nothing when the library or its
// function is missing (the questions that depend on it are then skipped without a word).
#include <optional>
#include <string>
#include <vector>

namespace veka {

inline constexpr const char* kMevroFileName = "libmevro.so";

// Where the library may be for a program in programFolder, in this order: beside it (a build
// tree or a portable copy), then the installed tree's "../lib/veka4" and "../LIBDIR/veka4"
// with the library folder the build was configured for (such as "lib/x86_64-linux-gnu").
std::vector<std::string> MevroFolders(const std::string& programFolder);

// Asks the first library found in MevroFolders(programFolder).
std::optional<bool> AskAdministrator(const std::string& programFolder);

}  // namespace veka
