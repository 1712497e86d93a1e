#pragma once
// The setup writer: the module image turned into the track lists of a "setup", the block a
// sequencer plays before a song - a conductor list, the setup list (reset, "Start of Setup by
// Veka", the exclusive messages, "End of Setup by Veka") and one list per part for what goes
// as channel messages. The order list (order_file.h) says which parameters go in, in which
// order and form.
#include <cstdint>
#include <string>
#include <vector>

#include "module/progress.h"
#include "smf/order_file.h"
#include "smf/smf_event.h"

namespace veka {

class TSMF;
class TVGS;

inline constexpr const char* kStartOfSetup = "Start of Setup by Veka";
inline constexpr const char* kEndOfSetup = "End of Setup by Veka";
inline constexpr const char* kDummyNoteText = "Dummy Note Event";
inline constexpr int kNewSmfTempo = 100;

struct TSetupOptions {
    int TimeBase = 48;
    int Tempo = kNewSmfTempo;            // beats per minute
    uint32_t TempoMicroseconds = 0;      // a song's exact tempo; 0: from Tempo
    int Format = 1;
    bool WithText = false;
    bool Embedding = false;
    bool DummyNotes = false;
};

// What the conductor list repeats from the song (or sets for a new one).
struct TConductorData {
    std::string Notice;                      // meta 02
    std::vector<uint8_t> KeySignature;       // meta 59; C major when empty
    int Numerator = 4, Denominator = 4;      // 4/4 when 0
    std::vector<uint8_t> TimeSignatureData;  // a song's own four bytes, when it had them
};
TConductorData ConductorOf(const TSMF& smf);

struct TPartList {
    int Port = 0, Part = 1, Channel = 0;
    TSMFEventList Events;
};

// The lists, with delta times. Parts holds the written ports' parts in order (Port A part 1
// first), and Port A part 1's list has the setup list merged into it.
struct TSetupTracks {
    TSMFEventList Conductor;
    std::vector<TPartList> Parts;
    int32_t SetupLength = 0;  // absolute time of "End of Setup by Veka"
};

// round(length x 0.67 x tempo x time base / 60000), at least 1: the ticks the module gets
// after an exclusive message of that length.
int SysexTicks(int length, int tempo, int timeBase);

// Builds the lists, reporting to progress.
TSetupTracks WriteSetup(TVGS& image, const TOrderList& order, const TSetupOptions& options,
                        const TConductorData& conductor, const TProgress& progress = kNoProgress);

// A data-set message as a song carries it for a port: Port B's part and drum map addresses in
// their second-module form (50.., 51..), which the analysis reads back; other messages as built.
// (Ports C and D have no such form: their messages go into their parts' own lists, which name
// the port with a MIDI port meta event.)
std::vector<uint8_t> SongFormOfMessage(std::vector<uint8_t> message, int port);

}  // namespace veka
