#pragma once
// Reading Roland GS data-set messages found in a song back into parameter values: the inverse
// of the builders in module/exclusive.h. Part and drum map addresses are understood in their
// first form (40.., 41..) and their Port B form (50.., 51..); system, effect and user drum
// addresses exist once.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "module/one_parameter.h"

namespace veka {

class TVGS;

// One value a message sets. System: Owner = parameter number. Part: Owner = part 1..16.
// Drum map: Owner = map 1..2. User drum: Owner = set 0..1.
struct TGsAssignment {
    TLinkKind Kind = LinkSystem;
    int Port = 0;
    int Owner = 0;
    int Parameter = 0;
    int Note = 0;
    int32_t Value = 0;
    bool operator==(const TGsAssignment&) const = default;
};

enum class TGsMessage {
    NotUnderstood,  // not a GS data set, a wrong checksum, or an address the image does not hold
    Reset,          // GS reset, system mode set, GM system on, XG system on: nothing to set
    Parameters,     // every data byte belongs to a parameter: the assignments are in out
};

// Decodes a whole exclusive message, F0 through F7. out is filled only for Parameters.
// basePort is the port that part and drum map addresses of the first form (40.., 41..) mean:
// 0, or the port a song track names with a MIDI port meta event (a second module on a cable
// of its own reads its parts there).
TGsMessage DecodeGsExclusive(const TVGS& image, std::span<const uint8_t> message, std::vector<TGsAssignment>& out,
                             int basePort = 0);

// The port a part or drum map message addresses in a song: 0 for 40../41.., 1 for 50../51..,
// -1 for every other address.
int GsAddressPort(const std::array<uint8_t, 3>& address);

}  // namespace veka
