#include "document/note_player.h"

#include <algorithm>

#include "midi/transmitter.h"
#include "module/parameter_tables.h"

namespace veka {

int NoteKeyOffset(char letter) {
    switch (letter) {
        case 'A': return 0;
        case 'W': return 1;
        case 'S': return 2;
        case 'E': return 3;
        case 'D': return 4;
        case 'F': return 5;
        case 'T': return 6;
        case 'G': return 7;
        case 'Y': return 8;
        case 'H': return 9;
        case 'U': return 10;
        case 'J': return 11;
        case 'K': return 12;
        default: return -1;
    }
}

int MirroredPartParameter(int controller) {
    switch (controller) {
        case 7: return ppVolume;
        case 10: return ppPanpot;
        case 91: return 18;  // Reverb Send Level
        case 93: return 17;  // Chorus Send Level
        case 94: return 20;  // Delay Send Level
        case 71: return 28;  // Resonance
        case 72: return 31;  // Release Time
        case 73: return 29;  // Attack Time
        case 74: return 27;  // Cutoff Frequency
        default: return 0;
    }
}

namespace {
int LetterIndex(char letter) { return letter >= 'A' && letter <= 'Z' ? letter - 'A' : -1; }
}  // namespace

TNotePlayer::TNotePlayer(TTransmitter& transmitter, TLastNotes& notes, const TPartFocus& focus)
    : Transmitter_(transmitter), Focus_(focus), Notes_(notes) {}

TNotePlayer::~TNotePlayer() {
    OnError = nullptr;  // the owner is going: a failed note-off is nobody's news
    ReleaseAll();
}

void TNotePlayer::SetVelocity(int velocity) {
    velocity = std::clamp(velocity, 0, 127);
    if (velocity == Velocity_) return;
    Velocity_ = velocity;
    OnStateChanged();
}

void TNotePlayer::SetOctave(int octave) {
    ReleaseKeys();  // a held key's note-off must not depend on the new octave
    octave = std::clamp(octave, 0, kMaxOctave);
    if (octave == Octave_) return;
    Octave_ = octave;
    OnStateChanged();
}

bool TNotePlayer::Send(int port, uint8_t status, uint8_t data1, uint8_t data2) {
    if (port < 0 || port >= Transmitter_.ActivePortCount()) return false;
    TMidiOutput& output = Transmitter_.Port(port);
    if (!output.IsOpen()) return false;
    try {
        output.SendShort(status, data1, data2);
    } catch (const std::exception& error) {
        if (OnError) OnError(error);
        return false;
    }
    if (Transmitter_.OnFlash) Transmitter_.OnFlash(port);
    return true;
}

bool TNotePlayer::Start(TSounding& sounding, int note, int velocity) {
    Stop(sounding);
    if (note < 0 || note > 127 || Focus_.Channel < 0 || Focus_.Channel > 15) return false;
    if (!Send(Focus_.Port, uint8_t(0x90 | Focus_.Channel), uint8_t(note), uint8_t(std::clamp(velocity, 0, 127)))) return false;
    sounding = TSounding{note, Focus_.Port, Focus_.Channel};
    if (TVGS::ValidPart(Focus_.Port, Focus_.Part, 1)) Notes_.Notes[size_t(Focus_.Port)][size_t(Focus_.Part - 1)] = note;
    OnKey(note, true);
    OnNotePlayed(Focus_.Port, Focus_.Part, note);
    return true;
}

void TNotePlayer::Stop(TSounding& sounding) {
    if (sounding.Note < 0) return;
    const TSounding was = sounding;
    sounding = TSounding{};
    // A note-off that cannot go (the port closed meanwhile) has nothing left to stop.
    Send(was.Port, uint8_t(0x80 | was.Channel), uint8_t(was.Note), 0);
    OnKey(was.Note, false);
}

bool TNotePlayer::KeyDown(char letter, bool modifier) {
    const int index = LetterIndex(letter);
    if (index < 0) return false;
    const int offset = NoteKeyOffset(letter);
    if (modifier) return offset >= 0;
    if (offset >= 0) {
        if (Held_[size_t(index)]) return true;
        Held_[size_t(index)] = true;
        Start(Keys_[size_t(index)], Octave_ * 12 + offset, Velocity_);
        return true;
    }
    if (!ViewOpen) return false;
    switch (letter) {
        case 'Q': OctaveDown(); break;
        case 'R': OctaveUp(); break;
        case 'C': VelocityUp(); break;
        case 'X': VelocityDown(); break;
        default: break;
    }
    return false;
}

bool TNotePlayer::KeyUp(char letter, bool modifier) {
    const int index = LetterIndex(letter);
    if (index < 0) return false;
    const bool noteKey = NoteKeyOffset(letter) >= 0;
    // A held note stops even when a modifier went down meanwhile: no note is left hanging.
    if (noteKey && Held_[size_t(index)]) {
        Held_[size_t(index)] = false;
        Stop(Keys_[size_t(index)]);
    }
    (void)modifier;
    return noteKey;
}

bool TNotePlayer::Held(char letter) const {
    const int index = LetterIndex(letter);
    return index >= 0 && Held_[size_t(index)];
}

bool TNotePlayer::AnyHeld() const {
    for (const bool held : Held_)
        if (held) return true;
    return false;
}

void TNotePlayer::ReleaseKeys() {
    for (size_t i = 0; i < Held_.size(); ++i) {
        if (!Held_[i]) continue;
        Held_[i] = false;
        Stop(Keys_[i]);
    }
}

void TNotePlayer::MouseDown(int note, int velocity) { Start(Mouse_, note, velocity); }

void TNotePlayer::MouseUp() { Stop(Mouse_); }

void TNotePlayer::Ribbon(int control, int value) {
    if (control < 0 || control >= kRibbonControls || Focus_.Channel < 0 || Focus_.Channel > 15) return;
    value = std::clamp(value, 0, 16383);
    const int high = value / 128, low = value % 128;
    if (control == kRibbonPitchBend) {
        Send(Focus_.Port, uint8_t(0xE0 | Focus_.Channel), uint8_t(low), uint8_t(high));
        return;
    }
    const int controller = control - 1;
    if (!Send(Focus_.Port, uint8_t(0xB0 | Focus_.Channel), uint8_t(controller), uint8_t(high))) return;
    if (const int parameter = MirroredPartParameter(controller))
        Transmitter_.Image().StoreControllerValue(Focus_.Port, Focus_.Part, parameter, high);
}

void TNotePlayer::ReleaseAll() {
    ReleaseKeys();
    Stop(Mouse_);
}

}  // namespace veka
