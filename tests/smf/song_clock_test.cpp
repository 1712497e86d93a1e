// The song's clock: ticks to time through every tempo change, bars and beats through every time
// signature change, and songs without either or with broken ones.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "smf/smf.h"
#include "smf/song_clock.h"

namespace veka {
namespace {

TSMFEvent Tempo(int32_t delta, uint32_t perQuarter) {
    const std::array<uint8_t, 3> data{uint8_t(perQuarter >> 16), uint8_t(perQuarter >> 8), uint8_t(perQuarter)};
    return MakeMetaEvent(delta, mtTempo, data);
}

TSMFEvent Signature(int32_t delta, uint8_t numerator, uint8_t power) {
    const std::array<uint8_t, 4> data{numerator, power, 24, 8};
    return MakeMetaEvent(delta, mtTimeSignature, data);
}

TEST(SongClock, TicksBecomeTimeThroughEveryTempoChangeOfAnyTrack) {
    TSMF song;
    song.TimeBase = 480;
    song.TempoMicroseconds = 500000;  // 120, taken out of the tracks when read
    song.SetTrackCount(2);
    song.Tracks[0].push_back(Tempo(960, 1000000));  // 60 from beat 3
    song.Tracks[1].push_back(MakeChannelEvent(100, 0x90, 60, 100));
    song.Tracks[1].push_back(Tempo(1820, 250000));  // 240 from tick 1920
    const TSongClock clock(song);
    ASSERT_EQ(clock.Tempi().size(), 3u);
    EXPECT_EQ(clock.Microseconds(0), 0);
    EXPECT_EQ(clock.Microseconds(480), 500000);
    EXPECT_EQ(clock.Microseconds(960), 1000000);
    EXPECT_EQ(clock.Microseconds(1440), 2000000);
    EXPECT_EQ(clock.Microseconds(1920), 3000000);
    EXPECT_EQ(clock.Microseconds(2400), 3250000);
    EXPECT_EQ(clock.Microseconds(-5), 0);
    // And back: the last tick not after a time.
    for (const int64_t tick : {0, 1, 479, 960, 1200, 1919, 1920, 2400, 100000})
        EXPECT_EQ(clock.TickAt(clock.Microseconds(tick)), tick) << tick;
    EXPECT_EQ(clock.TickAt(2999999), 1919);
}

TEST(SongClock, BarsAndBeatsFollowEveryTimeSignature) {
    TSMF song;
    song.TimeBase = 480;
    song.Numerator = 4;
    song.Denominator = 4;
    song.SetTrackCount(1);
    song.Tracks[0].push_back(Signature(2 * 1920, 3, 2));  // 3/4 from bar 3
    song.Tracks[0].push_back(Signature(2 * 1440, 6, 3));  // 6/8 from bar 5
    song.Tracks[0].push_back(Signature(1440 + 480, 2, 2));  // 2/4 inside bar 6: bar 7 starts there
    const TSongClock clock(song);
    EXPECT_EQ(clock.TickOfBar(1), 0);
    EXPECT_EQ(clock.TickOfBar(2), 1920);
    EXPECT_EQ(clock.TickOfBar(3), 3840);
    EXPECT_EQ(clock.TickOfBar(4), 3840 + 1440);
    EXPECT_EQ(clock.TickOfBar(5), 6720);
    EXPECT_EQ(clock.TickOfBar(6), 6720 + 1440);
    EXPECT_EQ(clock.TickOfBar(7), 6720 + 1440 + 480);
    EXPECT_EQ(clock.TickOfBar(8), 6720 + 1440 + 480 + 960);
    EXPECT_EQ(clock.TickOfBar(0), 0);
    EXPECT_EQ(clock.BarBeatAt(0), (TBarBeat{1, 1, 0}));
    EXPECT_EQ(clock.BarBeatAt(1920 + 480 + 5), (TBarBeat{2, 2, 5}));
    EXPECT_EQ(clock.BarBeatAt(3840 + 1440 + 960), (TBarBeat{4, 3, 0}));
    EXPECT_EQ(clock.BarBeatAt(6720 + 240 * 5), (TBarBeat{5, 6, 0}));  // quavers in 6/8
    EXPECT_EQ(clock.BarBeatAt(6720 + 1440 + 240), (TBarBeat{6, 2, 0}));
    EXPECT_EQ(clock.BarBeatAt(6720 + 1440 + 480 + 960 + 1), (TBarBeat{8, 1, 1}));
    for (int bar = 1; bar < 12; ++bar) EXPECT_EQ(clock.BarBeatAt(clock.TickOfBar(bar)), (TBarBeat{bar, 1, 0})) << bar;
}

TEST(SongClock, ASongWithoutOrWithBrokenConductorEventsPlaysAt120In44) {
    TSMF song;
    song.TimeBase = 0;  // no usable time base: one tick a quarter
    song.SetTrackCount(1);
    song.Tracks[0].push_back(MakeMetaEvent(10, mtTempo, std::array<uint8_t, 2>{7, 161}));  // cut short
    song.Tracks[0].push_back(Tempo(10, 0));                                               // no speed
    song.Tracks[0].push_back(Signature(10, 0, 2));                                        // no beats
    song.Tracks[0].push_back(Signature(10, 3, 9));                                        // 3/512
    const TSongClock clock(song);
    EXPECT_EQ(clock.TimeBase(), 1);
    EXPECT_EQ(clock.Tempi().size(), 1u);
    EXPECT_EQ(clock.Signatures().size(), 1u);
    EXPECT_EQ(clock.Microseconds(2), 1000000);
    EXPECT_EQ(clock.TickOfBar(3), 8);
    // The first tempo given in beats per minute only.
    TSMF bpm;
    bpm.TimeBase = 96;
    bpm.Tempo = 150;
    EXPECT_EQ(TSongClock(bpm).Microseconds(96), 400000);
}

}  // namespace
}  // namespace veka
