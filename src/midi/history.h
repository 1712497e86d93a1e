#pragma once
// The list of recently sent parameter messages, newest first, and the text the copy commands
// put on the clipboard.
#include <chrono>
#include <cstdint>
#include <deque>
#include <string>

#include "module/exclusive.h"

namespace veka {

struct THistoryEntry {
    std::chrono::system_clock::time_point Time;
    std::string Sysex;  // hex text, at most 225 characters
    std::string Name;   // the send's comment, at most 40 characters
    int32_t Value = 0;
};

class THistory {
public:
    static constexpr size_t kMaxEntries = 99;
    // Inserts at the head; true when the oldest entry was dropped to make room.
    bool Add(const std::string& sysex, const std::string& name, int32_t value,
             std::chrono::system_clock::time_point time = std::chrono::system_clock::now());
    const std::deque<THistoryEntry>& Entries() const { return Entries_; }

private:
    std::deque<THistoryEntry> Entries_;
};

// The clipboard text of a hex text: with dropF0F7 the leading "F0" and its separator and the
// trailing separator and "F7" are removed.
std::string SysexCopyText(const std::string& hex, bool dropF0F7, THexSpacing spacing);

}  // namespace veka
