#pragma once
// Mute and solo of the song that plays beside the setup, per part of the song (a MIDI channel
// of one of its ports), and the notes it sounds, as the Part window shows them. They leave the
// image alone: a muted part keeps its setup, the song's notes for it are not sent.
#include "module/signal.h"

namespace veka {

class ISongMix {
public:
    virtual ~ISongMix() = default;
    // port 0..3, channel 0..15; others are never muted nor soloed.
    virtual bool Muted(int port, int channel) const = 0;
    virtual bool Soloed(int port, int channel) const = 0;
    virtual void SetMuted(int port, int channel, bool on) = 0;
    virtual void SetSoloed(int port, int channel, bool on) = 0;
    // Not muted, and soloed too while any part is.
    virtual bool Heard(int port, int channel) const = 0;

    // Mute or solo changed, here or elsewhere: whatever shows them reads them again.
    TSignal<> OnMixChanged;
    // A note of the song sounds now on the port's channel.
    TSignal<int, int> OnNoteSounded;
};

}  // namespace veka
