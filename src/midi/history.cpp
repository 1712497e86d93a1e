#include "midi/history.h"

namespace veka {

bool THistory::Add(const std::string& sysex, const std::string& name, int32_t value,
                   std::chrono::system_clock::time_point time) {
    Entries_.push_front({time, sysex.substr(0, 225), name.substr(0, 40), value});
    // The list keeps 99 entries: reaching 100 frees the oldest.
    if (Entries_.size() > kMaxEntries) {
        Entries_.pop_back();
        return true;
    }
    return false;
}

std::string SysexCopyText(const std::string& hex, bool dropF0F7, THexSpacing spacing) {
    if (!dropF0F7) return hex;
    const bool spaced = spacing == THexSpacing::Blank;
    std::string text = hex;
    const std::string head = spaced ? "F0 " : "F0";
    const std::string tail = spaced ? " F7" : "F7";
    if (text.rfind(head, 0) == 0) text.erase(0, head.size());
    if (text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
        text.erase(text.size() - tail.size());
    return text;
}

}  // namespace veka
