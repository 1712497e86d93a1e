#pragma once
// The test note of each part: the note the audition, the review after an edit and the keyboard
// play for a part (its last-played note, 64 after New), on the part's receive channel and the
// current port's output. One test note sounds at a time; its note-off goes where its note-on went.
#include <string>

#include "document/new_setup.h"

namespace veka {

class TTransmitter;

class TTestNote {
public:
    TTestNote(TTransmitter& transmitter, TLastNotes& notes) : Transmitter_(transmitter), Notes_(notes) {}

    int Velocity = 100;

    // Starts the part's note (a sounding test note is stopped first). A part whose receive
    // channel is off (16) sounds nothing. Send errors propagate.
    void Start(int port, int part);
    void Stop();
    // Moves the part's note by delta within 0..127.
    void Shift(int port, int part, int delta);
    // Makes note (clamped to 0..127) the part's test note: a drum row plays its instrument.
    void SetNote(int port, int part, int note);
    int Note(int port, int part) const;
    bool Sounding() const { return Sounding_; }
    // The title text of an audition: "Part A3  Note 64 ( E 4)".
    std::string Text(int port, int part) const;

private:
    TTransmitter& Transmitter_;
    TLastNotes& Notes_;
    bool Sounding_ = false;
    int Port_ = 0, Channel_ = 0, Note_ = 0;
};

}  // namespace veka
