#pragma once
// What the main window does with received MIDI: flash the red lamp, pass a master keyboard
// through to the part being edited (note-offs go where their note-ons went, program changes
// never pass), and hand exclusive messages to a running request.
#include <array>
#include <functional>

#include "midi/midi_input.h"
#include "midi/part_focus.h"
#include "midi/transmitter.h"

namespace veka {

class TInputRouter {
public:
    // Notes go to the focus as it is when they arrive.
    TInputRouter(TMidiInput& input, TTransmitter& transmitter, const TPartFocus& focus);

    bool Thru = false;         // "MIDI INPUTをMIDI OUTPUTにｽﾙｰ"
    bool AcceptExclusive = false;

    std::function<void()> OnInputLamp;                    // the red lamp
    std::function<void(int note, bool down)> OnKey;       // the keyboard window, when open
    std::function<void(const TMyMidiEvent& event)> OnExclusive;

    // The input port's OnMidiInput handler: takes every pending event.
    void HandleInput();

private:
    void Pass(int part, uint8_t status, uint8_t data1, uint8_t data2);

    struct TNoteOwner {
        int Part = 0;
        int Channel = 0;
    };
    TMidiInput& Input_;
    TTransmitter& Transmitter_;
    const TPartFocus& Focus_;
    std::array<TNoteOwner, 128> Notes_{};
};

}  // namespace veka
