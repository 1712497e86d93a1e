// Writing TSMF as a Standard MIDI File, format 0 or 1, without running status.
#include <algorithm>
#include <cstdint>

#include "module/safe_file.h"
#include "smf/smf.h"
#include "smf/vlq.h"

namespace veka {

namespace {

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

// A track is left out when it holds at most two events and nothing but names and an End of
// Track: a lone note with its End of Track is still music.
bool WorthWriting(const TSMFEventList& list) {
    if (list.size() >= 3) return true;
    return std::any_of(list.begin(), list.end(), [](const TSMFEvent& e) {
        return !e.IsEndOfTrack() && !e.IsMeta(mtTrackName) && e.Kind != ekNone;
    });
}

// One "MTrk" chunk. Events that cannot be written (no kind, a bad status, an exclusive without
// bytes, a meta event of a type above 7F) and End of Track events before the last event pass their delta time on to the next
// event, so the timing of the rest stays as it was.
void WriteTrack(const TSMFEventList& list, std::vector<uint8_t>& out, std::vector<uint8_t>& body) {
    body.clear();
    uint64_t carry = 0;
    uint64_t total = 0;  // a reader adds the deltas up in 31 bits: they must fit
    bool endWritten = false;
    auto putDelta = [&](uint64_t delta) {
        delta = std::min<uint64_t>(delta, uint64_t(INT32_MAX) - total);
        total += delta;
        // A delta time holds at most 4 bytes: a longer pause is carried by empty text events.
        while (delta > kMaxVlq) {
            EncodeVlq(uint32_t(kMaxVlq), body);
            body.insert(body.end(), {0xFF, mtText, 0x00});
            delta -= kMaxVlq;
        }
        EncodeVlq(uint32_t(delta), body);
    };
    for (size_t i = 0; i < list.size(); ++i) {
        const TSMFEvent& e = list[i];
        const uint64_t delta = carry + uint64_t(std::max<int32_t>(0, e.Time));
        const auto data = e.Data();
        const bool last = i + 1 == list.size();
        bool writable = false;
        switch (e.Kind) {
            case ekMidi: writable = e.Status >= 0x80 && e.Status < 0xF0; break;
            case ekSysx: writable = !data.empty(); break;
            // A meta type is below 80 hex: masking another one would write a different event
            // (AF as an End of Track that cuts the track short), so such a one is left out.
            case ekMeta: writable = e.Data1 < 0x80 && (!e.IsEndOfTrack() || last); break;
            default: break;
        }
        if (!writable) {
            carry = delta;
            continue;
        }
        carry = 0;
        putDelta(delta);
        if (e.Kind == ekMidi) {
            body.push_back(e.Status);
            body.push_back(e.Data1 & 0x7F);
            const uint8_t high = e.Status & 0xF0;
            if (high != 0xC0 && high != 0xD0) body.push_back(uint8_t(e.Data2) & 0x7F);
        } else if (e.Kind == ekSysx) {
            // Lead byte F0 (or F7 for a continuation packet), the length of the rest, the rest.
            // Nothing between the lead byte and a closing F7 may be 80 hex or more.
            const bool lead = data[0] == 0xF0 || data[0] == 0xF7;
            const auto rest = lead ? data.subspan(1) : data;
            body.push_back(lead ? data[0] : uint8_t(0xF0));
            EncodeVlq(uint32_t(rest.size()), body);
            for (size_t k = 0; k < rest.size(); ++k) {
                const bool closing = k + 1 == rest.size() && rest[k] == 0xF7;
                body.push_back(closing ? rest[k] : uint8_t(rest[k] & 0x7F));
            }
        } else {
            body.push_back(0xFF);
            body.push_back(e.Data1);
            EncodeVlq(uint32_t(data.size()), body);
            body.insert(body.end(), data.begin(), data.end());
            endWritten = e.IsEndOfTrack();
        }
    }
    if (!endWritten) {
        // Every chunk ends with an End of Track, whatever the list held.
        putDelta(carry);
        body.insert(body.end(), {0xFF, mtEndOfTrack, 0x00});
    }
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    PutBe32(out, uint32_t(body.size()));
    out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

std::vector<uint8_t> TSMF::SaveToBytes(int format) {
    LastError_.clear();
    if (Tracks.empty()) {
        LastError_ = "there is no track to write";
        return {};
    }
    if (format == 0) {
        MergeTracks();
        // One track name stays; the later ones go, their time passing to the next event.
        TSMFEventList& list = Tracks[0];
        DeltaToAbsolute(list);
        std::vector<bool> drop(list.size(), false);
        bool seen = false;
        for (size_t i = 0; i < list.size(); ++i) {
            if (!list[i].IsMeta(mtTrackName)) continue;
            drop[i] = seen;
            seen = true;
        }
        RemoveFlagged(list, drop);
        AbsoluteToDelta(list);
    }

    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, uint8_t(format == 0 ? 0 : 1), 0, 0,
                                uint8_t(TimeBase >> 8 & 0x7F), uint8_t(TimeBase & 0xFF)};
    std::vector<uint8_t> body;
    int written = 0;
    for (const TSMFEventList& list : Tracks) {
        if (!WorthWriting(list)) continue;
        WriteTrack(list, out, body);
        ++written;
    }
    if (written == 0) {
        LastError_ = "no track holds events to write";
        return {};
    }
    out[10] = uint8_t(written >> 8);
    out[11] = uint8_t(written & 0xFF);
    return out;
}

bool TSMF::SaveToFile(const std::string& path, int format) {
    const std::vector<uint8_t> bytes = SaveToBytes(format);
    if (bytes.empty()) return false;
    std::string error;
    if (!ReplaceFile(path, bytes, error)) {
        LastError_ = error;
        return false;
    }
    return true;
}

}  // namespace veka
