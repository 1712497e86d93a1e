#include "document/bookmarks.h"

#include <algorithm>

#include "document/settings.h"

namespace veka {

namespace {
std::string Key(int position) { return "bm" + std::to_string(position + 2); }
}  // namespace

std::string BookmarkSection(const std::string& window) { return window + " bm"; }

TBookmarkIds ReadBookmarks(const TSettings& settings, const std::string& window) {
    TBookmarkIds ids{};
    for (int i = 0; i < kBookmarkCount; ++i)
        ids[size_t(i)] = settings.ReadInteger(BookmarkSection(window), Key(i), kDefaultBookmark);
    return ids;
}

bool WriteBookmarks(TSettings& settings, const std::string& window, const TBookmarkIds& ids) {
    TIniDocument document = settings.Open();
    for (int i = 0; i < kBookmarkCount; ++i) document.WriteInteger(BookmarkSection(window), Key(i), ids[size_t(i)]);
    return settings.Save(document);
}

bool RegisterBookmark(TBookmarkIds& ids, int row) {
    if (std::find(ids.begin(), ids.end(), row) != ids.end()) return false;
    std::move_backward(ids.begin(), ids.end() - 1, ids.end());
    ids[0] = row;
    return true;
}

}  // namespace veka
