#include "smf/temp_smf.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "module/safe_file.h"
#include "smf/smf.h"

namespace veka {

namespace {

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(v >> shift));
}

// Reads forward through the bytes; every take checks the room first.
class TCursor {
public:
    explicit TCursor(std::span<const uint8_t> bytes) : Bytes_(bytes) {}
    size_t Left() const { return Bytes_.size() - Pos_; }
    bool Int(int32_t& v) {
        if (Left() < 4) return false;
        uint32_t u = 0;
        for (int k = 3; k >= 0; --k) u = u << 8 | Bytes_[Pos_ + size_t(k)];
        v = int32_t(u);
        Pos_ += 4;
        return true;
    }
    bool Take(size_t n, std::span<const uint8_t>& out) {
        if (Left() < n) return false;
        out = Bytes_.subspan(Pos_, n);
        Pos_ += n;
        return true;
    }

private:
    std::span<const uint8_t> Bytes_;
    size_t Pos_ = 0;
};

}  // namespace

std::vector<uint8_t> TempSmfBytes(const TSMF& smf) {
    size_t size = 64 + smf.Notice.size();
    for (const TSMFEventList& list : smf.Tracks) {
        size += kTempSmfNameSize + 4 + list.size() * kTempSmfEventSize;
        for (const TSMFEvent& e : list) size += e.DataLength();
    }
    std::vector<uint8_t> out;
    out.reserve(size);
    PutLe32(out, uint32_t(smf.Notice.size()));
    out.insert(out.end(), smf.Notice.begin(), smf.Notice.end());
    for (size_t k = 0; k < 2; ++k) out.push_back(k < smf.KeySignature.size() ? smf.KeySignature[k] : 0);
    PutLe32(out, uint32_t(smf.Tempo));
    PutLe32(out, uint32_t(smf.TimeBase));
    PutLe32(out, uint32_t(smf.Format == 0 ? 0 : 1));
    PutLe32(out, uint32_t(smf.Denominator));
    PutLe32(out, uint32_t(smf.Numerator));
    PutLe32(out, uint32_t(smf.TrackCount()));
    for (size_t t = 0; t < smf.Tracks.size(); ++t) {
        const std::string& name = t < smf.TrackNames.size() ? smf.TrackNames[t] : std::string();
        const size_t n = std::min<size_t>(name.size(), 255);
        out.push_back(uint8_t(n));
        out.insert(out.end(), name.begin(), name.begin() + std::ptrdiff_t(n));
        out.insert(out.end(), kTempSmfNameSize - 1 - n, 0);
        const TSMFEventList& list = smf.Tracks[t];
        PutLe32(out, uint32_t(list.size()));
        for (const TSMFEvent& e : list) {
            PutLe32(out, uint32_t(e.Time));
            out.insert(out.end(), {e.Status, e.Data1, 0, 0});
            PutLe32(out, uint32_t(e.Data2));
            out.insert(out.end(), {e.Kind, 0, 0, 0});
            PutLe32(out, e.DataLength());
            PutLe32(out, uint32_t(e.MetaType()));
            out.insert(out.end(), {e.Track, 0, 0, 0});
            const auto d = e.Data();
            out.insert(out.end(), d.begin(), d.end());
        }
    }
    return out;
}

bool WriteTempSmf(const TSMF& smf, const std::string& path, std::string& error) {
    return ReplaceFile(path, TempSmfBytes(smf), error);
}

bool ReadTempSmf(TSMF& smf, std::span<const uint8_t> bytes, std::string& error) {
    smf.Clear();
    auto fail = [&](const std::string& why) {
        smf.Clear();
        error = "read error: " + std::string(kTempSmfName) + ": " + why;
        return false;
    };
    TCursor c(bytes);
    int32_t noticeLength = 0;
    std::span<const uint8_t> notice, key;
    if (!c.Int(noticeLength) || noticeLength < 0 || !c.Take(size_t(noticeLength), notice))
        return fail("the notice runs past the end");
    if (!c.Take(2, key)) return fail("the file ends in the conductor data");
    int32_t tempo = 0, timeBase = 0, format = 0, denominator = 0, numerator = 0, trackCount = 0;
    if (!c.Int(tempo) || !c.Int(timeBase) || !c.Int(format) || !c.Int(denominator) || !c.Int(numerator) ||
        !c.Int(trackCount))
        return fail("the file ends in the conductor data");
    if (tempo < 0 || tempo > 60000000) return fail("tempo " + std::to_string(tempo) + " is no tempo");
    if (timeBase < 1 || timeBase > 0x7FFF) return fail("time base " + std::to_string(timeBase) + " is no time base");
    if (format != 0 && format != 1) return fail("format " + std::to_string(format) + " is neither 0 nor 1");
    const bool powerOfTwo = denominator > 0 && (denominator & (denominator - 1)) == 0;
    if (denominator != 0 && (!powerOfTwo || denominator > 64)) return fail("bad time signature denominator");
    if (numerator < 0 || numerator > 255) return fail("bad time signature numerator");
    if (trackCount < 0 || trackCount > TSMF::kMaxTracks) return fail("bad track count");

    std::vector<TSMFEventList> tracks(static_cast<size_t>(trackCount));
    std::array<std::string, TSMF::kMaxTracks> names;
    for (int t = 0; t < trackCount; ++t) {
        std::span<const uint8_t> name;
        if (!c.Take(kTempSmfNameSize, name)) return fail("track " + std::to_string(t + 1) + " runs past the end");
        names[size_t(t)].assign(reinterpret_cast<const char*>(name.data()) + 1, name[0]);
        int32_t count = 0;
        if (!c.Int(count)) return fail("track " + std::to_string(t + 1) + " runs past the end");
        // Each event takes at least its record: a count that cannot fit is refused before
        // anything is allocated for it.
        if (count < 0 || size_t(count) > c.Left() / kTempSmfEventSize)
            return fail("the event count of track " + std::to_string(t + 1) + " runs past the end");
        TSMFEventList& list = tracks[size_t(t)];
        list.reserve(size_t(count));
        for (int32_t i = 0; i < count; ++i) {
            std::span<const uint8_t> r, data;
            if (!c.Take(kTempSmfEventSize, r)) return fail("an event of track " + std::to_string(t + 1) + " runs past the end");
            auto le = [&r](size_t at) {
                return int32_t(uint32_t(r[at]) | uint32_t(r[at + 1]) << 8 | uint32_t(r[at + 2]) << 16 |
                               uint32_t(r[at + 3]) << 24);
            };
            const int32_t length = le(16);
            if (length < 0 || !c.Take(size_t(length), data))
                return fail("the data of an event of track " + std::to_string(t + 1) + " run past the end");
            TSMFEvent e;
            e.Time = le(0);
            e.Status = r[4];
            e.Data1 = r[5];
            e.Data2 = le(8);
            e.Kind = r[12];
            e.Track = r[24];
            if (e.Time < 0) return fail("an event of track " + std::to_string(t + 1) + " has a negative time");
            if (e.Kind > ekMeta) return fail("an event of track " + std::to_string(t + 1) + " is of no known kind");
            if (e.Track >= TSMF::kMaxTracks && e.Track != kNoTrack)
                return fail("an event of track " + std::to_string(t + 1) + " names track " + std::to_string(e.Track));
            if (e.Kind == ekMeta) e.Data2 = length;
            e.SetData(data);
            list.push_back(std::move(e));
        }
    }
    if (c.Left() != 0) return fail("there are bytes after the last track");

    smf.Notice.assign(reinterpret_cast<const char*>(notice.data()), notice.size());
    smf.KeySignature.assign(key.begin(), key.end());
    smf.Tempo = tempo;
    smf.TempoMicroseconds = 0;
    smf.TimeBase = timeBase;
    smf.Format = format;
    smf.Denominator = denominator;
    smf.Numerator = numerator;
    smf.TimeSignatureData.clear();
    smf.TextList.clear();
    smf.Tracks = std::move(tracks);
    smf.TrackNames = std::move(names);
    return true;
}

bool LoadTempSmf(TSMF& smf, const std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    std::string why;
    if (!ReadWholeFile(path, kMaxTempSmfSize, bytes, why)) {
        smf.Clear();
        error = "read error: " + why;
        return false;
    }
    return ReadTempSmf(smf, bytes, error);
}

}  // namespace veka
