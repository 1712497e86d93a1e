// Any song the reader takes is written in its own format and read again to the same song: the same
// tracks with the same events, the same time base, and the same setup found in it. (The first
// tempo, time signature, key signature and notice are taken out of a song as it is read; the
// commands that write songs put them back with the setup measures, which the other song
// target covers.)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "fuzz_image.h"
#include "module/image.h"
#include "module/image_reset.h"
#include "module/image_snapshot.h"
#include "smf/setup_analysis.h"
#include "smf/smf.h"

namespace {

using namespace veka;

// The bytes the program wrote, kept for the report (VEKA_ROUNDTRIP_OUT names a file for them).
const std::vector<uint8_t>* WrittenBytes = nullptr;

[[noreturn]] void Differs(const char* what) {
    std::fprintf(stderr, "the song read again differs: %s\n", what);
    const char* out = std::getenv("VEKA_ROUNDTRIP_OUT");
    if (out && WrittenBytes)
        if (std::FILE* f = std::fopen(out, "wb")) {
            std::fwrite(WrittenBytes->data(), 1, WrittenBytes->size(), f);
            std::fclose(f);
        }
    std::abort();
}

// Both versions of a track, for the report of a difference.
void Dump(const char* which, const TSMFEventList& track) {
    std::fprintf(stderr, "%s:\n", which);
    for (const TSMFEvent& e : track) {
        std::fprintf(stderr, "  t%d k%d s%02X d1 %02X d2 %d track %d data", e.Time, e.Kind, e.Status, e.Data1, e.Data2, e.Track);
        for (uint8_t b : e.Data()) std::fprintf(stderr, " %02X", b);
        std::fprintf(stderr, "\n");
    }
}

// A track's events at their absolute times. The place-holders of the system common messages
// the reader steps over and meta events of a type no file may hold (80 hex and above) are not
// written (their time goes to the event after them), and a track cut short gets the End of
// Track every written track has. The reader takes the song's first notice, tempo, time and
// key signature out of its tracks, so a later one of each becomes the first when the song is
// read again: those four kinds are not compared.
struct TPlacedEvent {
    int64_t Time;
    uint8_t Kind, Status, Data1;
    int32_t Data2;
    std::vector<uint8_t> Data;
    bool operator==(const TPlacedEvent&) const = default;
};
std::vector<TPlacedEvent> Placed(const TSMFEventList& track) {
    std::vector<TPlacedEvent> out;
    int64_t now = 0;
    for (const TSMFEvent& e : track) {
        now += e.Time;
        if (e.Kind == ekNone || e.IsEndOfTrack() || (e.Kind == ekMeta && e.Data1 >= 0x80)) continue;
        if (e.IsMeta(mtNotice) || e.IsMeta(mtTempo) || e.IsMeta(mtTimeSignature) || e.IsMeta(mtKeySignature)) continue;
        if (e.IsMeta(mtText) && e.DataLength() == 0) continue;  // what carries a pause too long for one delta
        if (e.IsMeta(mtTrackName)) continue;  // a format 0 song keeps its first name only
        std::vector<uint8_t> data(e.Data().begin(), e.Data().end());
        // Inside an exclusive the writer keeps every byte below 80 hex (its lead byte and a
        // closing F7 aside), as the module must never see a status byte there.
        if (e.Kind == ekSysx)
            for (size_t k = 1; k < data.size(); ++k)
                if (!(k + 1 == data.size() && data[k] == 0xF7)) data[k] &= 0x7F;
        out.push_back({now, e.Kind, e.Status, e.Data1, e.Data2, std::move(data)});
    }
    return out;
}

// The tracks that hold more than names, an end, place-holders and the conductor events the
// reader takes out: the writer leaves a bare one out, and the reader may make one bare.
std::vector<const TSMFEventList*> Written(const TSMF& song) {
    std::vector<const TSMFEventList*> out;
    for (const TSMFEventList& track : song.Tracks) {
        const bool bare = std::all_of(track.begin(), track.end(), [](const TSMFEvent& e) {
            return e.IsEndOfTrack() || e.IsMeta(mtTrackName) || e.Kind == ekNone || e.IsMeta(mtNotice) ||
                   e.IsMeta(mtTempo) || e.IsMeta(mtTimeSignature) || e.IsMeta(mtKeySignature) ||
                   (e.Kind == ekMeta && e.Data1 >= 0x80);
        });
        if (!bare) out.push_back(&track);
    }
    return out;
}

// The setup a song holds, found on an image reset as the module resets.
std::vector<TParameterState> SetupOf(TSMF& song) {
    static const std::unique_ptr<TVGS> image = fuzz::MakeImage(1);
    GsResetImage(*image);
    AnalyzeSetup(*image, song);
    return TImageSnapshot::Capture(*image).States;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WrittenBytes = nullptr;
    TSMF song;
    if (!song.LoadFromBytes(std::span<const uint8_t>(data, size))) return 0;
    TSMF written;
    if (!written.LoadFromBytes(std::span<const uint8_t>(data, size))) Differs("the song reads once only");
    const std::vector<uint8_t> bytes = written.SaveToBytes(song.Format == 0 ? 0 : 1);
    if (bytes.empty()) return 0;  // nothing to write: said by LastError
    WrittenBytes = &bytes;
    TSMF again;
    if (!again.LoadFromBytes(bytes)) Differs("what the program wrote does not read");
    if (again.TimeBase != song.TimeBase) Differs("time base");
    // The tracks that hold something; a format 1 song of one track is read as the 18 tracks of
    // a song split by channel.
    const std::vector<const TSMFEventList*> read = Written(song), readAgain = Written(again);
    if (readAgain.size() != read.size()) {
        std::fprintf(stderr, "%zu tracks hold events, %zu read again\n", read.size(), readAgain.size());
        Differs("track count");
    }
    for (size_t t = 0; t < read.size(); ++t)
        if (Placed(*readAgain[t]) != Placed(*read[t])) {
            Dump("read", *read[t]);
            Dump("written and read again", *readAgain[t]);
            Differs("a track's events");
        }
    // An exclusive the writer had to change may hold another setup; every other song holds the
    // same one.
    bool changed = false;
    for (const TSMFEventList* track : read)
        for (const TSMFEvent& e : *track)
            if (e.Kind == ekSysx)
                for (size_t k = 1; k < e.Data().size(); ++k)
                    if (e.Data()[k] >= 0x80 && !(k + 1 == e.Data().size() && e.Data()[k] == 0xF7)) changed = true;
    if (changed) return 0;
    const auto before = SetupOf(song), after = SetupOf(again);
    if (after != before) {
        for (size_t i = 0; i < before.size(); ++i)
            if (before[i] != after[i])
                std::fprintf(stderr, "parameter %zu: %d read, %d read again\n", i, before[i].Value, after[i].Value);
        Differs("the setup");
    }
    return 0;
}
