#pragma once
// File > New: the module image back to its power-on state and the sound module reset with it.
// The windows ask the save question and refresh themselves; this is the part they share with
// the start-up reset and the tests.
#include <array>
#include <functional>
#include <string>

namespace veka {

class TTransmitter;

// The note each part sounded last (the audition and the keyboard play it); 64 after a reset.
struct TLastNotes {
    std::array<std::array<int, 16>, 4> Notes;
    TLastNotes() { Reset(); }
    void Reset() {
        for (auto& port : Notes) port.fill(64);
    }
};

struct TNewSetupSteps {
    static constexpr int kResetWaitMs = 51;  // the module needs this after a GS reset
    static constexpr int kPartPauseMs = 1;   // before each tone map and program message
};

// Resets the image (no change events) and sends the GS reset, entered in the history as
// "Init". With send, every part of every port in use then gets its tone map (the module
// type's) and its program, so the module plays what the image shows. status (may be empty)
// receives the "Initializing..." text before the part messages. Send errors propagate.
void ResetModuleAndImage(TTransmitter& transmitter, TLastNotes& notes, bool send,
                         const std::function<void(const std::string&)>& status = {});

}  // namespace veka
