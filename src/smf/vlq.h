#pragma once
// Variable-length quantities of Standard MIDI Files: 7-bit groups, most significant first, the
// top bit set on every byte but the last. A file may use at most four bytes (0x0FFFFFFF).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace veka {

inline constexpr uint32_t kMaxVlq = 0x0FFFFFFF;

enum class TVlqResult { Ok, Truncated, TooLong };

// Decodes the quantity at data[pos] and moves pos past it. Truncated: the data end inside it;
// TooLong: a fifth byte would be needed. pos is left where it was on failure.
inline TVlqResult DecodeVlq(std::span<const uint8_t> data, size_t& pos, uint32_t& value) {
    uint32_t v = 0;
    for (size_t k = 0; k < 4; ++k) {
        if (pos + k >= data.size()) return TVlqResult::Truncated;
        const uint8_t b = data[pos + k];
        v = (v << 7) | (b & 0x7Fu);
        if ((b & 0x80) == 0) {
            pos += k + 1;
            value = v;
            return TVlqResult::Ok;
        }
    }
    return TVlqResult::TooLong;
}

// Appends the quantity; values above 0x0FFFFFFF are written as 0x0FFFFFFF, the largest a
// reader accepts.
inline void EncodeVlq(uint32_t value, std::vector<uint8_t>& out) {
    if (value > kMaxVlq) value = kMaxVlq;
    uint8_t groups[4];
    int n = 0;
    do {
        groups[n++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n > 1) out.push_back(uint8_t(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

}  // namespace veka
