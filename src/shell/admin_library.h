#pragma once
// Asks libmevro.so in a folder whether the user administers this machine: loaded by its full
// name, UserIsAdmin called once, the library freed at once. Nothing when the library or its
// function is missing (the questions that depend on it are then skipped without a word).
#include <optional>
#include <string>

namespace veka {

inline constexpr const char* kMevroFileName = "libmevro.so";
std::optional<bool> AskAdministrator(const std::string& folder);

}  // namespace veka
