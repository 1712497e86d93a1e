#include "midi/input_router.h"

namespace veka {

TInputRouter::TInputRouter(TMidiInput& input, TTransmitter& transmitter, const TPartFocus& focus)
    : Input_(input), Transmitter_(transmitter), Focus_(focus) {}

void TInputRouter::Pass(int part, uint8_t status, uint8_t data1, uint8_t data2) {
    if (part < 1 || part > 16) return;
    const int port = Focus_.Port;
    if (port < 0 || port >= Transmitter_.ActivePortCount()) return;
    Transmitter_.Port(port).SendShort(status, data1, data2);
    if (Transmitter_.OnFlash) Transmitter_.OnFlash(port);
}

void TInputRouter::HandleInput() {
    if (OnInputLamp) OnInputLamp();
    while (Input_.PendingCount() > 0) {
        const std::optional<TMyMidiEvent> event = Input_.NextEvent();
        if (!event) break;
        const uint8_t kind = event->Status & 0xF0;
        const uint8_t note = event->Data1 & 0x7F;
        if (event->Status >= 0xF0) {
            if (AcceptExclusive && OnExclusive) OnExclusive(*event);
            continue;
        }
        if (!Thru) continue;
        switch (kind) {
            case 0x90:
                if (event->Data2 != 0) {
                    Notes_[note] = {Focus_.Part, Focus_.Channel};
                    if (OnKey) OnKey(note, true);
                    Pass(Focus_.Part, uint8_t(0x90 + Focus_.Channel), note, event->Data2);
                    break;
                }
                // Velocity 0 releases the key, on the channel its note-on used.
                if (OnKey) OnKey(note, false);
                Pass(Notes_[note].Part, uint8_t(0x90 + Notes_[note].Channel), note, 0);
                break;
            case 0x80:
                if (OnKey) OnKey(note, false);
                Pass(Notes_[note].Part, uint8_t(0x80 + Notes_[note].Channel), note, event->Data2);
                break;
            case 0xA0:
            case 0xB0:
            case 0xD0:
            case 0xE0:
                Pass(Focus_.Part, uint8_t(kind + Focus_.Channel), event->Data1, event->Data2);
                break;
            default:  // program changes are never passed on
                break;
        }
    }
}

}  // namespace veka
