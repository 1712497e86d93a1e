#include "smf/smf.h"

#include <cmath>
#include <new>
#include <queue>

namespace veka {

namespace {

constexpr size_t kInitialCapacity = 1000;

const char* ConvertingText(TLanguage language) {
    return language == TLanguage::Japanese ? "変換中" : "converting";
}

// Where SplitTracks puts an event the program added or read from a format 0 file.
int TrackByKind(const TSMFEvent& e) {
    switch (e.Kind) {
        case ekMidi: return e.Channel() + 2;
        case ekSysx: return 2;
        case ekMeta:
            switch (e.Data1) {
                case mtNotice:
                case 0x06:
                case 0x07:
                case mtTempo:
                case 0x54:
                case mtTimeSignature:
                case mtKeySignature: return 0;
                default: return 2;
            }
        default: return 1;
    }
}

}  // namespace

TSMF::TSMF() = default;

void TSMF::Clear() { Tracks.clear(); }

bool TSMF::SetTrackCount(int n) {
    Clear();
    // Up to 128 lists (indices 0..127): a file may announce 128 tracks, and every one of
    // them needs a list before its events are appended.
    if (n < 0 || n > kMaxTracks) return false;
    Tracks.resize(size_t(n));
    for (TSMFEventList& list : Tracks) list.reserve(kInitialCapacity);
    return true;
}

int TSMF::AddTrack() {
    if (TrackCount() >= kMaxTracks) return -1;
    Tracks.emplace_back().reserve(kInitialCapacity);
    return TrackCount() - 1;
}

bool TSMF::AddEvent(TSMFEventList& list, int32_t time, uint8_t track, uint8_t kind, int32_t metaType,
                    std::span<const uint8_t> data, uint8_t status, uint8_t data1, int32_t data2) {
    try {
        TSMFEvent e;
        e.Time = time;
        e.Track = track;
        e.Kind = kind;
        e.Status = status;
        e.Data1 = kind == ekMeta ? uint8_t(metaType) : data1;
        e.Data2 = kind == ekMeta ? int32_t(data.size()) : data2;
        e.SetData(data);
        list.push_back(std::move(e));
        return true;
    } catch (const std::bad_alloc&) {
        LastError_ = "イベント追加エラー";
        return false;
    }
}

int TSMF::BarLength() const {
    const int numerator = Numerator > 0 ? Numerator : 4;
    const int denominator = Denominator > 0 ? Denominator : 4;
    const long bar = std::lround(4.0 / denominator * numerator * TimeBase);
    return bar >= 1 ? int(std::min<long>(bar, 0x3FFFFFFF)) : 1;
}

void TSMF::MergeTracks() {
    size_t total = 0;
    for (TSMFEventList& list : Tracks) {
        DeltaToAbsolute(list);
        // Only a closing End of Track goes; a track whose last event is something else keeps it.
        if (!list.empty() && list.back().IsEndOfTrack()) list.pop_back();
        total += list.size();
    }

    TSMFEventList merged;
    merged.reserve(total + 1);
    // Smallest time first, the lower track index on equal times.
    using TKey = std::pair<int32_t, size_t>;
    std::priority_queue<TKey, std::vector<TKey>, std::greater<TKey>> next;
    std::vector<size_t> cursor(Tracks.size(), 0);
    for (size_t t = 0; t < Tracks.size(); ++t)
        if (!Tracks[t].empty()) next.push({Tracks[t][0].Time, t});
    const std::string text = ConvertingText(Language);
    while (!next.empty()) {
        const size_t t = next.top().second;
        next.pop();
        merged.push_back(std::move(Tracks[t][cursor[t]]));
        if (++cursor[t] < Tracks[t].size()) next.push({Tracks[t][cursor[t]].Time, t});
        if (merged.size() % 1000 == 0) Progress(int(std::min<size_t>(total, INT32_MAX)), int(merged.size()), text);
    }

    const int32_t last = merged.empty() ? 0 : merged.back().Time;
    merged.push_back(MakeEndOfTrack(AddTicks(last, 10)));
    AbsoluteToDelta(merged);
    Tracks.clear();
    Tracks.push_back(std::move(merged));
    if (OnFinished) OnFinished();
}

void TSMF::SplitTracks() {
    if (Tracks.empty()) return;
    if (Tracks.size() > 1) MergeTracks();  // never leave events of other tracks behind
    TSMFEventList all = std::move(Tracks[0]);
    Tracks.clear();
    DeltaToAbsolute(all);

    // The first name of a format 0 song is the song's: it goes to the first track, which
    // carries the name in a format 1 song.
    size_t songName = all.size();
    for (size_t i = 0; i < all.size() && songName == all.size(); ++i)
        if (all[i].Track >= kMaxTracks && all[i].IsMeta(mtTrackName)) songName = i;
    auto target = [&](size_t i) {
        const TSMFEvent& e = all[i];
        return e.Track < kMaxTracks ? int(e.Track) : i == songName ? 0 : TrackByKind(e);
    };

    // Each track gets one End of Track of its own below; the old ones go.
    int highest = -1;
    int needed = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const TSMFEvent& e = all[i];
        if (e.IsEndOfTrack()) continue;
        if (e.Track < kMaxTracks) highest = std::max<int>(highest, e.Track);
        else needed = std::max(needed, target(i) + 1);
    }
    int count = highest + 1;
    if (highest <= 0) count = 18;
    // Added events may go to tracks above the highest read one (a channel's track).
    count = std::max(count, needed);

    // Each track is allocated once, at its size: a song in memory stays a small multiple of
    // its file also while it is split.
    std::vector<size_t> sizes(size_t(count), 1);
    for (size_t i = 0; i < all.size(); ++i)
        if (!all[i].IsEndOfTrack()) ++sizes[size_t(target(i))];
    Tracks.resize(size_t(count));
    for (size_t t = 0; t < Tracks.size(); ++t) Tracks[t].reserve(sizes[t]);
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].IsEndOfTrack()) continue;
        const int t = target(i);
        Tracks[size_t(t)].push_back(std::move(all[i]));
    }
    all = TSMFEventList();
    for (TSMFEventList& list : Tracks) {
        AbsoluteToDelta(list);
        list.push_back(MakeEndOfTrack(0));
    }
}

}  // namespace veka
