#pragma once
// The bookmarks of an editor grid: ten row identifiers (for the drum windows the note), kept
// in Veka.ini in the section of the window's name + " bm" under the keys "bm2" .. "bm11" (the
// entries' positions in the pop-up menu). A key never written reads as row 36.
#include <array>
#include <string>

namespace veka {

class TSettings;

inline constexpr int kBookmarkCount = 10;
inline constexpr int kDefaultBookmark = 36;
using TBookmarkIds = std::array<int, kBookmarkCount>;

std::string BookmarkSection(const std::string& window);
TBookmarkIds ReadBookmarks(const TSettings& settings, const std::string& window);
// Every entry written back; false when the file could not be written.
bool WriteBookmarks(TSettings& settings, const std::string& window, const TBookmarkIds& ids);
// The current row goes first and the others move down by one (the tenth falls off); a row
// already among the entries changes nothing (false).
bool RegisterBookmark(TBookmarkIds& ids, int row);

}  // namespace veka
