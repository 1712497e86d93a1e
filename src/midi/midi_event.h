#pragma once
// One MIDI event as the input port hands it out and as SendEvent takes it.
#include <cstdint>
#include <vector>

namespace veka {

struct TMyMidiEvent {
    uint8_t Status = 0;
    uint8_t Data1 = 0;
    uint8_t Data2 = 0;
    uint32_t Time = 0;               // milliseconds since the port was opened
    std::vector<uint8_t> Sysex;      // the whole exclusive message (F0 .. F7), empty for a short one
    bool IsSysex() const { return !Sysex.empty(); }
};

}  // namespace veka
