#pragma once
// Where a song's ticks are in time and in bars: its tempo map (the first tempo, then every later
// tempo event of any track) and its bar map (the first time signature, then every later one; a
// change of signature starts a new bar). What a player schedules by and what "bar 5" means.
#include <cstdint>
#include <vector>

namespace veka {

class TSMF;

struct TBarBeat {
    int Bar = 1;   // from 1
    int Beat = 1;  // from 1, in the signature's beat (a quaver in 6/8)
    int64_t Tick = 0;  // ticks into the beat
    bool operator==(const TBarBeat&) const = default;
};

class TSongClock {
public:
    // Reads the song's conductor values and the tempo and time signature events of every track
    // (tracks hold delta times, as stored). Malformed events are left out; a song without any
    // plays at 120 beats per minute in 4/4.
    explicit TSongClock(const TSMF& song);

    int TimeBase() const { return TimeBase_; }
    int64_t Microseconds(int64_t tick) const;   // ticks before 0 count as 0
    int64_t TickAt(int64_t microseconds) const;  // the last tick not after that time
    int64_t TickOfBar(int bar) const;            // bars before 1 count as 1
    TBarBeat BarBeatAt(int64_t tick) const;

    struct TTempo {
        int64_t Tick = 0;
        int64_t Microseconds = 0;  // of Tick
        uint32_t PerQuarter = 500000;
    };
    struct TSignature {
        int64_t Tick = 0;
        int Bar = 1;  // the bar it starts
        int Numerator = 4;
        int Denominator = 4;
        int64_t BeatTicks = 48;  // one note of the denominator's length, at least one tick
        int64_t BarTicks() const { return BeatTicks * Numerator; }
    };
    const std::vector<TTempo>& Tempi() const { return Tempi_; }
    const std::vector<TSignature>& Signatures() const { return Signatures_; }

private:
    int TimeBase_ = 48;
    std::vector<TTempo> Tempi_;
    std::vector<TSignature> Signatures_;
};

}  // namespace veka
