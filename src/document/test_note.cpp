#include "document/test_note.h"

#include <algorithm>

#include "midi/transmitter.h"
#include "module/value_texts.h"

namespace veka {

int TTestNote::Note(int port, int part) const {
    return TVGS::ValidPart(port, part, 1) ? Notes_.Notes[size_t(port)][size_t(part - 1)] : 64;
}

void TTestNote::Start(int port, int part) {
    Stop();
    if (!TVGS::ValidPart(port, part, 1) || port >= Transmitter_.ActivePortCount()) return;
    const int channel = Transmitter_.Image().Part(port, part, ppRxChannel).Value;
    if (channel < 0 || channel > 15) return;  // receive channel off
    const int note = Note(port, part);
    TMidiOutput& output = Transmitter_.Port(port);
    if (!output.IsOpen()) return;
    output.SendShort(uint8_t(0x90 | channel), uint8_t(note), uint8_t(std::clamp(Velocity, 1, 127)));
    Sounding_ = true;
    Port_ = port;
    Channel_ = channel;
    Note_ = note;
}

void TTestNote::Stop() {
    if (!Sounding_) return;
    Sounding_ = false;
    TMidiOutput& output = Transmitter_.Port(Port_);
    if (output.IsOpen()) output.SendShort(uint8_t(0x80 | Channel_), uint8_t(Note_), 0);
}

void TTestNote::Shift(int port, int part, int delta) {
    if (!TVGS::ValidPart(port, part, 1)) return;
    int& note = Notes_.Notes[size_t(port)][size_t(part - 1)];
    note = std::clamp(note + delta, 0, 127);
}

void TTestNote::SetNote(int port, int part, int note) {
    if (!TVGS::ValidPart(port, part, 1)) return;
    Notes_.Notes[size_t(port)][size_t(part - 1)] = std::clamp(note, 0, 127);
}

std::string TTestNote::Text(int port, int part) const {
    const int note = Note(port, part);
    return "Part " + PartName(port, part) + "  Note " + std::to_string(note) + " (" + NoteText(note) + ")";
}

}  // namespace veka
