#include "document/recent_files.h"

#include <algorithm>

namespace veka {

bool AddRecentFile(TRecentFiles& list, const std::string& name) {
    if (name.empty() || std::find(list.begin(), list.begin() + 4, name) != list.begin() + 4) return false;
    std::move_backward(list.begin(), list.end() - 1, list.end());
    list[0] = name;
    return true;
}

}  // namespace veka
