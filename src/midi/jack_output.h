#pragma once
// An output to a JACK MIDI port, written straight against libjack: a client of its own with one
// port ("Veka Out") connected to the device's port. Messages sent now go out at the start of the
// next cycle; messages given a due time go out at their frame inside the cycle that holds it, so
// a song's events keep their timing to the frame instead of to the period. Both queues are
// lock-free rings read by the process callback; neither side allocates once it is open.
#include <cstdint>
#include <memory>

#include "midi/midi_devices.h"

namespace veka {

// Microseconds of the steady clock: the clock the due times of SendAt count on.
int64_t SteadyMicroseconds();

// Opens the output for the JACK port of that full name ("client:port"); throws EMidiDeviceError.
std::unique_ptr<IMidiOutDevice> OpenJackOutput(const TMidiDeviceInfo& info);

}  // namespace veka
