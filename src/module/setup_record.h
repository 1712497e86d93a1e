#pragma once
// The 8-byte record of the setup files: a section header or one stored value.
#include <cstdint>

namespace veka {

// B0, B1, B2, B3 (reserved: written 0, never read), then the value V (int32, little-endian).
// A header's V is the number of item records that follow it.
struct TSetupRecord {
    uint8_t B0 = 0;
    uint8_t B1 = 0;
    uint8_t B2 = 0;
    uint8_t B3 = 0;
    int32_t V = 0;
    bool operator==(const TSetupRecord&) const = default;
};

// Section kinds, as header B0 holds them.
enum TSetupSectionKind : uint8_t { skSystem = 0, skPart = 1, skDrumMap = 2, skUserDrum = 3 };

inline constexpr int kSetupRecordSize = 8;

}  // namespace veka
