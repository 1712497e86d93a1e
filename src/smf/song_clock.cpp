#include "smf/song_clock.h"

#include <algorithm>
#include <limits>
#include <iterator>

#include "smf/smf.h"

namespace veka {

namespace {

constexpr uint32_t kDefaultPerQuarter = 500000;  // 120 beats per minute
constexpr int kMaxDenominatorPower = 6;           // down to sixty-fourth notes

struct TChange {
    int64_t Tick;
    uint32_t Value;  // microseconds per quarter, or numerator << 8 | denominator
};

// The later changes of the song, in time order (the order of the tracks at one tick).
void Collect(const TSMF& song, std::vector<TChange>& tempi, std::vector<TChange>& signatures) {
    for (const TSMFEventList& track : song.Tracks) {
        int64_t tick = 0;
        for (const TSMFEvent& event : track) {
            tick += std::max<int32_t>(0, event.Time);
            if (event.Kind != ekMeta) continue;
            const auto data = event.Data();
            if (event.Data1 == mtTempo && data.size() == 3) {
                const uint32_t perQuarter = uint32_t(data[0]) << 16 | uint32_t(data[1]) << 8 | data[2];
                if (perQuarter > 0) tempi.push_back({tick, perQuarter});
            } else if (event.Data1 == mtTimeSignature && data.size() >= 2 && data[0] > 0 &&
                       data[1] <= kMaxDenominatorPower) {
                signatures.push_back({tick, uint32_t(data[0]) << 8 | (1u << data[1])});
            }
        }
    }
    const auto byTick = [](const TChange& a, const TChange& b) { return a.Tick < b.Tick; };
    std::stable_sort(tempi.begin(), tempi.end(), byTick);
    std::stable_sort(signatures.begin(), signatures.end(), byTick);
}

int64_t Scaled(int64_t ticks, uint32_t perQuarter, int timeBase) {
    // Ticks of a song fit 31 bits and a tempo 24: the product fits 64 bits.
    return ticks * int64_t(perQuarter) / timeBase;
}

}  // namespace

TSongClock::TSongClock(const TSMF& song) : TimeBase_(std::max(1, song.TimeBase)) {
    std::vector<TChange> tempi, signatures;
    Collect(song, tempi, signatures);

    // The first tempo was taken out of the tracks when the song was read.
    uint32_t first = song.TempoMicroseconds;
    if (first == 0 && song.Tempo > 0) first = uint32_t(60000000 / song.Tempo);
    Tempi_.push_back({0, 0, first > 0 ? first : kDefaultPerQuarter});
    for (const TChange& change : tempi) {
        TTempo& last = Tempi_.back();
        if (change.Tick == last.Tick) {
            last.PerQuarter = change.Value;  // the later one at a tick holds
            continue;
        }
        const int64_t at = last.Microseconds + Scaled(change.Tick - last.Tick, last.PerQuarter, TimeBase_);
        Tempi_.push_back({change.Tick, at, change.Value});
    }

    // A beat is one note of the denominator's length; the time base counts quarters.
    const auto beat = [this](int denominator) { return std::max<int64_t>(1, int64_t(TimeBase_) * 4 / denominator); };
    TSignature start;
    if (song.Numerator > 0 && song.Denominator > 0) {
        start.Numerator = song.Numerator;
        start.Denominator = song.Denominator;
    }
    start.BeatTicks = beat(start.Denominator);
    Signatures_.push_back(start);
    for (const TChange& change : signatures) {
        TSignature next;
        next.Numerator = int(change.Value >> 8);
        next.Denominator = int(change.Value & 0xFF);
        next.BeatTicks = beat(next.Denominator);
        TSignature& last = Signatures_.back();
        if (change.Tick <= last.Tick) {  // the later one at a tick holds
            next.Tick = last.Tick;
            next.Bar = last.Bar;
            last = next;
            continue;
        }
        // A change inside a bar starts the next bar there.
        const int64_t into = change.Tick - last.Tick;
        const int64_t bars = (into + last.BarTicks() - 1) / last.BarTicks();
        next.Tick = change.Tick;
        next.Bar = int(std::min<int64_t>(last.Bar + bars, std::numeric_limits<int>::max()));
        Signatures_.push_back(next);
    }
}

int64_t TSongClock::Microseconds(int64_t tick) const {
    tick = std::max<int64_t>(0, tick);
    const auto after = std::upper_bound(Tempi_.begin(), Tempi_.end(), tick,
                                        [](int64_t t, const TTempo& tempo) { return t < tempo.Tick; });
    const TTempo& tempo = *std::prev(after);  // the first starts at tick 0
    return tempo.Microseconds + Scaled(tick - tempo.Tick, tempo.PerQuarter, TimeBase_);
}

int64_t TSongClock::TickAt(int64_t microseconds) const {
    microseconds = std::max<int64_t>(0, microseconds);
    const auto after = std::upper_bound(Tempi_.begin(), Tempi_.end(), microseconds,
                                        [](int64_t us, const TTempo& tempo) { return us < tempo.Microseconds; });
    const TTempo& tempo = *std::prev(after);
    // Times are floored, so the last tick t with floor(dt * q / base) <= d has dt * q < (d + 1) * base.
    return tempo.Tick + ((microseconds - tempo.Microseconds + 1) * TimeBase_ - 1) / tempo.PerQuarter;
}

int64_t TSongClock::TickOfBar(int bar) const {
    bar = std::max(1, bar);
    const auto after = std::upper_bound(Signatures_.begin(), Signatures_.end(), bar,
                                        [](int b, const TSignature& signature) { return b < signature.Bar; });
    const TSignature& signature = *std::prev(after);
    return signature.Tick + int64_t(bar - signature.Bar) * signature.BarTicks();
}

TBarBeat TSongClock::BarBeatAt(int64_t tick) const {
    tick = std::max<int64_t>(0, tick);
    const auto after = std::upper_bound(Signatures_.begin(), Signatures_.end(), tick,
                                        [](int64_t t, const TSignature& signature) { return t < signature.Tick; });
    const TSignature& signature = *std::prev(after);
    const int64_t into = tick - signature.Tick;
    const int64_t bars = into / signature.BarTicks();
    const int64_t inBar = into % signature.BarTicks();
    TBarBeat at;
    at.Bar = int(std::min<int64_t>(signature.Bar + bars, std::numeric_limits<int>::max()));
    at.Beat = int(inBar / signature.BeatTicks) + 1;
    at.Tick = inBar % signature.BeatTicks;
    return at;
}

}  // namespace veka
