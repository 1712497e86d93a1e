#pragma once
// The File menu's list of recent files: nine names, newest first; the first eight open their
// file, the ninth only holds a name.
#include <array>
#include <string>

namespace veka {

using TRecentFiles = std::array<std::string, 9>;
inline constexpr int kOpenableRecentFiles = 8;

// A name equal (exactly) to one of the first four entries changes nothing; any other goes to
// the front, every entry moves down by one and the ninth falls off - so a name further down
// is then listed twice. False when nothing changed.
bool AddRecentFile(TRecentFiles& list, const std::string& name);

}  // namespace veka
