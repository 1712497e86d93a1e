// Reading a Standard MIDI File into TSMF. Every length and count comes from a stranger's file:
// each is checked against the bytes that are really there before anything is taken or
// allocated, and the reader moves forward on every step, so it ends on any input.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "module/safe_file.h"
#include "smf/smf.h"
#include "smf/vlq.h"

namespace veka {

namespace {

uint32_t Be32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}
uint16_t Be16(std::span<const uint8_t> b, size_t at) { return uint16_t(b[at] << 8 | b[at + 1]); }

bool Tag(std::span<const uint8_t> b, size_t at, const char* tag) { return std::memcmp(&b[at], tag, 4) == 0; }

// Data bytes of a system common message: F1 time code quarter frame and F3 song select have
// one, F2 song position two, F6 tune request and the undefined F4 and F5 none.
bool IsSystemCommon(uint8_t b) { return b >= 0xF1 && b <= 0xF6; }
size_t SystemCommonDataLength(uint8_t b) { return b == 0xF2 ? 2 : (b == 0xF1 || b == 0xF3) ? 1 : 0; }

// How many bytes from the status byte at p a system common message takes; 0 when the chunk
// ends before its data bytes do.
size_t SystemCommonSpan(std::span<const uint8_t> chunk, size_t p) {
    const size_t span = 1 + SystemCommonDataLength(chunk[p]);
    return chunk.size() - p < span ? 0 : span;
}

// How many events a track chunk holds, found by stepping over them the way ParseTrack reads
// them (stopping where it would stop), so the list is allocated once and at its size.
size_t CountEvents(std::span<const uint8_t> chunk) {
    size_t p = 0, n = 0;
    uint8_t running = 0;
    uint32_t value = 0;
    while (p < chunk.size()) {
        if (DecodeVlq(chunk, p, value) != TVlqResult::Ok || p >= chunk.size()) break;
        const uint8_t b = chunk[p];
        if (b < 0xF0) {
            const uint8_t status = b < 0x80 ? running : b;
            if (status == 0) break;
            if (b >= 0x80) {
                ++p;
                running = b;
            }
            const size_t need = (status & 0xE0) == 0xC0 ? 1 : 2;
            if (chunk.size() - p < need || chunk[p] >= 0x80 || (need == 2 && chunk[p + 1] >= 0x80)) break;
            p += need;
        } else if (b == 0xF0 || b == 0xF7 || b == 0xFF) {
            size_t q = p + (b == 0xFF ? 2 : 1);
            if (q > chunk.size() || DecodeVlq(chunk, q, value) != TVlqResult::Ok || value > chunk.size() - q) break;
            p = q + value;
        } else if (IsSystemCommon(b)) {
            const size_t span = SystemCommonSpan(chunk, p);
            if (span == 0) break;
            p += span;
        } else {
            ++p;
        }
        ++n;
    }
    return n;
}

}  // namespace

bool TSMF::LoadFromFile(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(path, kMaxFileSize, bytes, error)) {
        Clear();
        TextList.clear();
        Warnings_.clear();
        LastError_ = error;
        return false;
    }
    return LoadFromBytes(bytes, path);
}

bool TSMF::LoadFromBytes(std::span<const uint8_t> bytes, const std::string& name) {
    TextList.clear();
    Clear();
    Warnings_.clear();
    LastError_.clear();
    Tempo = 0;
    TempoMicroseconds = 0;
    Numerator = Denominator = 0;
    TimeSignatureData.clear();
    Notice.clear();
    KeySignature.clear();
    for (std::string& n : TrackNames) n.clear();
    TempoSeen_ = TimeSignatureSeen_ = false;
    SystemCommonSkipped_ = 0;
    NextProgress_ = 1000;

    const std::string who = name.empty() ? std::string("the song") : name;
    auto fail = [&](const std::string& why) {
        Clear();
        LastError_ = who + ": " + why;
        return false;
    };

    if (bytes.size() > kMaxFileSize) return fail("the file is larger than 64 MiB");
    if (bytes.size() < 14 || !Tag(bytes, 0, "MThd")) return fail("not a Standard MIDI File (no \"MThd\" header)");
    const uint32_t headerLength = Be32(bytes, 4);
    if ((headerLength & 0xFF) != 6) return fail("the header length does not end in 6");
    if (headerLength > bytes.size() - 8) return fail("the header runs past the end of the file");
    Format = Be16(bytes, 8);
    const int trackCount = Be16(bytes, 10);
    if (bytes[12] & 0x80) return fail("SMPTE time division is not supported");
    TimeBase = Be16(bytes, 12);
    if (Format > 2) return fail("unknown format " + std::to_string(Format));
    if (trackCount == 0) return fail("the header announces no track");
    if (trackCount > kMaxTracks) return fail("the header announces more than 128 tracks");
    if (TimeBase == 0) return fail("the time base is 0");
    SetTrackCount(trackCount);

    // A longer header is allowed by the format for later extensions; its extra bytes are skipped.
    size_t pos = 8 + size_t(headerLength);
    int track = 0;
    while (track < trackCount) {
        if (bytes.size() - pos < 8) break;
        const uint32_t length = Be32(bytes, pos + 4);
        const size_t start = pos + 8;
        const size_t available = bytes.size() - start;
        if (!Tag(bytes, pos, "MTrk")) {
            // Chunks of other kinds are not tracks: step over them.
            if (length > available) break;
            pos = start + length;
            continue;
        }
        size_t end = start + length;
        if (length > available) {
            Warnings_.push_back(who + ": track " + std::to_string(track + 1) + " is cut short by the end of the file");
            end = bytes.size();
        }
        if (!ParseTrack(track, bytes.subspan(start, end - start), start, bytes.size(), who)) return fail(LastError_);
        pos = end;
        ++track;
    }
    if (track < trackCount)
        Warnings_.push_back(who + ": the file holds " + std::to_string(track) + " of the " +
                            std::to_string(trackCount) + " tracks its header announces");
    if (SystemCommonSkipped_ > 0)
        Warnings_.push_back(who + ": " + std::to_string(SystemCommonSkipped_) +
                            (SystemCommonSkipped_ == 1 ? " system common message" : " system common messages") +
                            " (time code, song position, song select, tune request) skipped");

    Normalise();
    if (OnFinished) OnFinished();
    return true;
}

bool TSMF::ParseTrack(int index, std::span<const uint8_t> chunk, size_t fileOffset, size_t fileSize,
                      const std::string& name) {
    TSMFEventList& list = Tracks[size_t(index)];
    list.reserve(CountEvents(chunk));
    const std::string where = "track " + std::to_string(index + 1);
    const uint8_t trackField = Format == 0 ? kNoTrack : uint8_t(index);
    const std::string loading = "Loading " + name;
    auto cutShort = [&](const char* what) {
        Warnings_.push_back(name + ": " + where + ": " + what + " runs past the end of the track; the rest is ignored");
    };

    size_t p = 0;
    uint8_t running = 0;
    int64_t now = 0;
    while (p < chunk.size()) {
        if (fileOffset + p >= NextProgress_) {
            Progress(int(std::min<size_t>(fileSize, INT32_MAX)), int(fileOffset + p), loading);
            NextProgress_ = fileOffset + p + 1000;
        }
        uint32_t delta = 0;
        const TVlqResult dr = DecodeVlq(chunk, p, delta);
        if (dr == TVlqResult::TooLong) {
            LastError_ = where + ": a delta time is longer than 4 bytes";
            return false;
        }
        if (dr == TVlqResult::Truncated || p >= chunk.size()) {
            cutShort("a delta time");
            break;
        }
        now += delta;
        if (now > std::numeric_limits<int32_t>::max()) {
            LastError_ = where + ": the track is longer than 2147483647 ticks";
            return false;
        }

        TSMFEvent e;
        e.Time = int32_t(delta);
        e.Track = trackField;
        const uint8_t b = chunk[p];
        if (b < 0xF0) {
            uint8_t status = b;
            if (b < 0x80) {
                if (running == 0) {
                    LastError_ = where + ": running status without a status byte before it";
                    return false;
                }
                status = running;
            } else {
                ++p;
                running = b;
            }
            const uint8_t high = status & 0xF0;
            const size_t need = (high == 0xC0 || high == 0xD0) ? 1 : 2;
            if (chunk.size() - p < need) {
                cutShort("a channel message");
                break;
            }
            // A status byte where a data byte belongs: the message was cut off inside the
            // track, and nothing after it can be trusted to be where it seems.
            if (chunk[p] >= 0x80 || (need == 2 && chunk[p + 1] >= 0x80)) {
                Warnings_.push_back(name + ": " + where + ": a channel message is cut off by a status byte at byte " +
                                    std::to_string(fileOffset + p + (chunk[p] >= 0x80 ? 0 : 1)) +
                                    "; the rest of the track is ignored");
                break;
            }
            e.Kind = ekMidi;
            e.Status = status;
            e.Data1 = chunk[p];
            e.Data2 = need == 2 ? chunk[p + 1] : 0;
            p += need;
        } else if (b == 0xF0 || b == 0xF7) {
            // F7 starts a continuation packet; it is kept with its bytes like an exclusive
            // message, so that nothing after it is misread.
            size_t q = p + 1;
            uint32_t length = 0;
            const TVlqResult lr = DecodeVlq(chunk, q, length);
            if (lr == TVlqResult::TooLong) {
                LastError_ = where + ": an exclusive length is longer than 4 bytes";
                return false;
            }
            if (lr == TVlqResult::Truncated || length > chunk.size() - q) {
                cutShort("an exclusive message");
                break;
            }
            e.Kind = ekSysx;
            e.SetData(b, chunk.subspan(q, length));
            p = q + length;
        } else if (b == 0xFF) {
            if (chunk.size() - p < 2) {
                cutShort("a meta event");
                break;
            }
            size_t q = p + 2;
            uint32_t length = 0;
            const TVlqResult lr = DecodeVlq(chunk, q, length);
            if (lr == TVlqResult::TooLong) {
                LastError_ = where + ": a meta event length is longer than 4 bytes";
                return false;
            }
            if (lr == TVlqResult::Truncated || length > chunk.size() - q) {
                cutShort("a meta event");
                break;
            }
            e.Kind = ekMeta;
            e.Status = 0xFF;
            e.Data1 = chunk[p + 1];
            e.Data2 = int32_t(length);
            e.SetData(chunk.subspan(q, length));
            p = q + length;
            ReadMetaSideEffects(index, int32_t(now), e);
        } else if (IsSystemCommon(b)) {
            // A system common message has no place in a file but some sequencers leave one
            // there: it is stepped over by its length and kept as a record without data, which
            // the writer leaves out, so its delta time stays with the song. On a MIDI cable such
            // a message ends running status; here the channel running status stays as it was,
            // because a file that goes on with data bytes after it means the channel message
            // before it - refusing them, or reading them as a new status, would lose every
            // event after it.
            const size_t span = SystemCommonSpan(chunk, p);
            if (span == 0) {
                cutShort("a system common message");
                break;
            }
            p += span;
            e.Kind = ekNone;
            ++SystemCommonSkipped_;
        } else {
            // A real-time byte has no place in a file: kept as a record of its own without data,
            // which the writer leaves out.
            ++p;
            e.Kind = ekNone;
        }
        list.push_back(std::move(e));
    }
    return true;
}

void TSMF::ReadMetaSideEffects(int track, int32_t absoluteTime, const TSMFEvent& e) {
    const auto d = e.Data();
    switch (e.Data1) {
        case mtTempo:
            if (!TempoSeen_ && d.size() >= 3) {
                const uint32_t us = uint32_t(d[0]) << 16 | uint32_t(d[1]) << 8 | d[2];
                if (us > 0) {
                    TempoSeen_ = true;
                    TempoMicroseconds = us;
                    Tempo = int(std::lround(60000000.0 / us));
                }
            }
            break;
        case mtTimeSignature:
            // Exponents above 6 (a 1/64 note) are no time signature a song can mean.
            if (!TimeSignatureSeen_ && d.size() >= 2 && d[0] > 0 && d[1] <= 6) {
                TimeSignatureSeen_ = true;
                Numerator = d[0];
                Denominator = 1 << d[1];
                TimeSignatureData.assign(d.begin(), d.end());
            }
            break;
        case mtNotice: Notice.assign(e.Text()); break;
        case mtKeySignature: KeySignature.assign(d.begin(), d.end()); break;
        case mtTrackName:
            if (track >= 0 && track < kMaxTracks) TrackNames[size_t(track)].assign(e.Text());
            break;
        case mtText:
            if (track == 0 && absoluteTime == 0) TextList.emplace_back(e.Text());
            break;
        default: break;
    }
}

void TSMF::Normalise() {
    // A format 0 file has one track; should it hold more, they are joined rather than lost.
    if (Format == 0 && Tracks.size() > 1) MergeTracks();
    if (Tracks.empty()) return;

    // The first notice, time signature, key signature and tempo of the song - first in time,
    // the lower track on equal times, as in the merged song - leave it; their values stay here.
    struct TFirst {
        int64_t Time = INT64_MAX;
        size_t Track = 0, Index = 0;
    };
    constexpr uint8_t kTaken[4] = {mtNotice, mtTimeSignature, mtKeySignature, mtTempo};
    TFirst first[4];
    for (size_t t = 0; t < Tracks.size(); ++t) {
        bool seen[4] = {};
        int64_t now = 0;
        int left = 4;
        for (size_t i = 0; i < Tracks[t].size() && left > 0; ++i) {
            const TSMFEvent& e = Tracks[t][i];
            now += e.Time;
            if (e.Kind != ekMeta) continue;
            for (int k = 0; k < 4; ++k) {
                if (e.Data1 != kTaken[k] || seen[k]) continue;
                seen[k] = true;
                --left;
                if (now < first[k].Time) first[k] = {now, t, i};
            }
        }
    }
    std::vector<std::vector<bool>> drop(Tracks.size());
    for (const TFirst& f : first) {
        if (f.Time == INT64_MAX) continue;
        drop[f.Track].resize(Tracks[f.Track].size(), false);
        drop[f.Track][f.Index] = true;
    }
    if (Format == 0) {
        RemoveFlaggedKeepingTimes(Tracks[0], drop[0]);
        return;
    }

    // Format 1 (and 2): each event stays in its track - what merging the tracks and splitting
    // them again by each event's track gives, without moving the song twice. Every track ends
    // with one End of Track right after its last event; a song whose events are all in its
    // first track gets the 18 tracks of a split song.
    int highest = -1;
    for (size_t t = 0; t < Tracks.size(); ++t) {
        TSMFEventList& list = Tracks[t];
        drop[t].resize(list.size(), false);
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].IsEndOfTrack()) drop[t][i] = true;
        RemoveFlaggedKeepingTimes(list, drop[t]);
        if (!list.empty()) highest = int(t);
    }
    Tracks.resize(size_t(highest <= 0 ? 18 : highest + 1));
    for (TSMFEventList& list : Tracks) list.push_back(MakeEndOfTrack(0));
}

}  // namespace veka
