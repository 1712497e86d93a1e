#pragma once
// The parameter record and the link record that every event, grid cell and message carries.
#include <array>
#include <cstdint>
#include <string_view>

namespace veka {

// Module address of a parameter: Length 3 for an exclusive address, Length 1 with the single
// byte 00 for the one parameter that has none (part parameter 111, sent as an RPN).
struct TAddress {
    uint8_t Length = 3;
    std::array<uint8_t, 3> Bytes{};
};

struct TOneParameter {
    TAddress Address;
    int32_t Max = 0;
    int32_t Min = 0;
    int32_t Default = 0;
    int32_t Value = 0;
    std::string_view Name;  // names live in static tables for the life of the process
    uint8_t Size = 1;       // data bytes in an exclusive message (0 for part parameter 111)
    uint8_t ProOnly = 1;    // 2 = present on the SC-88Pro and later only
};

inline bool IsModified(const TOneParameter& p) { return p.Value != p.Default; }

enum TLinkKind : uint8_t { LinkSystem = 0, LinkPart = 1, LinkDrum = 2, LinkUserDrum = 3 };

// Names one parameter: system {0, number}; part {1, part, parameter};
// drum map {2, map, note, value}; user drum set {3, set, note, value}.
struct TLinkData {
    uint8_t Kind = 0;
    int32_t Owner = 0;
    int32_t Index = 0;
    int32_t Data = 0;
    int32_t Spare = 0;
    bool operator==(const TLinkData&) const = default;
};

}  // namespace veka
