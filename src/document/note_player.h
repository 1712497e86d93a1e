#pragma once
// TNotePlayer: the main window's player of notes without a MIDI keyboard. The computer's letter
// keys make a one-octave piano from the play octave, the on-screen keyboard holds one mouse
// note, and the ribbon sends pitch bend or a controller; everything goes to the current part's
// channel through the current port's output. Every note that starts is remembered with the port
// and channel it went to, so its note-off goes there whatever changed meanwhile.
#include <array>
#include <cstdint>
#include <exception>
#include <functional>

#include "midi/part_focus.h"
#include "module/signal.h"
#include "document/new_setup.h"

namespace veka {

class TTransmitter;

// Semitones above the play octave of a note key: A 0, W 1, S 2, E 3, D 4, F 5, T 6, G 7, Y 8,
// H 9, U 10, J 11, K 12; -1 for every other key.
int NoteKeyOffset(char letter);

// The part parameter a controller also sets when the ribbon sends it (7 Volume, 10 Panpot, 91
// Reverb, 93 Chorus and 94 Delay Send, 71 Resonance, 72 Release, 73 Attack, 74 Cutoff); 0 for
// the others.
int MirroredPartParameter(int controller);

class TNotePlayer {
public:
    static constexpr int kDefaultVelocity = 100;
    static constexpr int kVelocityStep = 4;
    static constexpr int kMaxOctave = 10;
    static constexpr int kRibbonPitchBend = 0;  // ribbon control 0; 1..96 are controllers 0..95
    static constexpr int kRibbonControls = 97;
    static constexpr int kRibbonCentre = 8192;

    // New notes go to the focus as it is when they start.
    TNotePlayer(TTransmitter& transmitter, TLastNotes& notes, const TPartFocus& focus);
    ~TNotePlayer();  // every sounding note is stopped
    TNotePlayer(const TNotePlayer&) = delete;
    TNotePlayer& operator=(const TNotePlayer&) = delete;

    // A keyboard window shows the player: only then do Q, R, C and X act.
    bool ViewOpen = false;

    int Velocity() const { return Velocity_; }
    void SetVelocity(int velocity);  // 0..127
    int Octave() const { return Octave_; }
    void SetOctave(int octave);      // 0..10; held keys are released first

    // The computer keyboard: letter is 'A'..'Z' (other keys are not the player's); modifier is
    // true while Shift, Ctrl or Alt is held. True when the key is a note key, whose press or
    // release the caller may swallow.
    bool KeyDown(char letter, bool modifier);
    bool KeyUp(char letter, bool modifier);
    bool Held(char letter) const;
    bool AnyHeld() const;
    // Every held key gets its note-off (before a pop-up menu, an octave change, when the
    // program loses the keyboard).
    void ReleaseKeys();

    // The buttons and letters Q, R, C, X.
    void OctaveDown() { SetOctave(Octave_ - 1); }
    void OctaveUp() { SetOctave(Octave_ + 1); }
    void VelocityUp() { SetVelocity(Velocity_ + kVelocityStep); }
    void VelocityDown() { SetVelocity(Velocity_ - kVelocityStep); }

    // The on-screen keyboard's one note: a press stops the previous mouse note first.
    void MouseDown(int note, int velocity);
    void MouseUp();
    int MouseNote() const { return Mouse_.Note; }  // -1 when none sounds

    // The ribbon: control 0 sends the 14-bit value as pitch bend, control c (1..96) sends
    // controller c - 1 with value / 128, and a mirrored controller's part parameter is stored
    // in the image and shown by the windows (no exclusive message: the module has the value).
    void Ribbon(int control, int value);

    // Every sounding note of the player is stopped: keys and the mouse note.
    void ReleaseAll();

    // A key is to be drawn down or up (the keyboard window).
    TSignal<int, bool> OnKey;
    // The octave or the velocity changed.
    TSignal<> OnStateChanged;
    // A note started on (port, part): the drum windows select its row.
    TSignal<int, int, int> OnNotePlayed;
    // A send failed (the output closed underneath); the note is then not remembered.
    std::function<void(const std::exception& error)> OnError;

private:
    struct TSounding {
        int Note = -1;  // -1: nothing sounds
        int Port = 0;
        int Channel = 0;
    };
    bool Start(TSounding& sounding, int note, int velocity);
    void Stop(TSounding& sounding);
    bool Send(int port, uint8_t status, uint8_t data1, uint8_t data2);

    TTransmitter& Transmitter_;
    const TPartFocus& Focus_;
    TLastNotes& Notes_;
    int Velocity_ = kDefaultVelocity;
    int Octave_ = 5;
    std::array<bool, 26> Held_{};
    std::array<TSounding, 26> Keys_{};  // by letter
    TSounding Mouse_;
};

}  // namespace veka
