// The song player's work per pump and per song: laying out a dense 16-track song (tempo
// changes, about 200,000 events) and handing a whole song to outputs that take messages ahead
// of time, as the JACK outputs do. A pump must stay far below the lead the outputs are given.
#include <benchmark/benchmark.h>

#include <memory>

#include "document/song_player.h"
#include "smf/smf.h"
#include "smf/song_schedule.h"

namespace {

using namespace veka;

TSMF DenseSong() {
    TSMF song;
    song.TimeBase = 480;
    song.TempoMicroseconds = 500000;
    song.SetTrackCount(17);
    // A tempo change every bar in the conductor track.
    for (int bar = 0; bar < 400; ++bar) {
        const uint32_t perQuarter = 400000 + uint32_t(bar % 7) * 25000;
        const uint8_t tempo[3] = {uint8_t(perQuarter >> 16), uint8_t(perQuarter >> 8), uint8_t(perQuarter)};
        song.Tracks[0].push_back(MakeMetaEvent(bar == 0 ? 0 : 1920, mtTempo, tempo));
    }
    for (int t = 1; t <= 16; ++t) {
        TSMFEventList& list = song.Tracks[size_t(t)];
        const uint8_t channel = uint8_t(t - 1);
        const uint8_t port[1] = {uint8_t(t > 8 ? 1 : 0)};
        list.push_back(MakeMetaEvent(0, mtPort, port));
        for (int i = 0; i < 6400; ++i) {  // sixteenths for 400 bars, a controller with each
            list.push_back(MakeChannelEvent(i == 0 ? 0 : 60, uint8_t(0x90 | channel), uint8_t(36 + i % 48), 90));
            list.push_back(MakeChannelEvent(30, uint8_t(0xB0 | channel), 11, uint8_t(i & 0x7F)));
            list.push_back(MakeChannelEvent(30, uint8_t(0x80 | channel), uint8_t(36 + i % 48), 0));
        }
        list.push_back(MakeEndOfTrack(0));
    }
    return song;
}

// Outputs that take everything ahead and count it.
class TCountingOutlet : public ISongOutlet {
public:
    int64_t Now = 0;
    int64_t Messages = 0;
    int64_t NowMicroseconds() override { return Now; }
    bool Ready(int) override { return true; }
    bool Gone(int) override { return false; }
    bool Timed(int) override { return true; }
    bool SendAt(int, std::span<const uint8_t> message, int64_t) override {
        Messages += int64_t(!message.empty());
        return true;
    }
    void SendNow(int, std::span<const uint8_t> message) override { Messages += int64_t(!message.empty()); }
    void DropScheduled(int) override {}
};

void BM_LayOutADenseSong(benchmark::State& state) {
    const TSMF song = DenseSong();
    size_t events = 0;
    for (auto _ : state) {
        const TSongSchedule schedule(song);
        events = schedule.Events().size();
        benchmark::DoNotOptimize(events);
    }
    state.counters["events"] = double(events);
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(events));
}
BENCHMARK(BM_LayOutADenseSong)->Unit(benchmark::kMillisecond);

// The song played through at pumps every 2 ms of its clock; the time per pump is what a pump
// costs the user-interface thread.
void BM_PlayADenseSongThroughInPumps(benchmark::State& state) {
    const auto schedule = std::make_shared<const TSongSchedule>(DenseSong());
    int64_t pumps = 0, messages = 0;
    for (auto _ : state) {
        TCountingOutlet outlet;
        TSongPlayer player(outlet);
        player.Load(schedule);
        player.Play();
        while (player.Pump()) {
            outlet.Now += 2000;
            ++pumps;
        }
        messages = outlet.Messages;
    }
    state.counters["messages"] = double(messages);
    state.counters["pumps"] = benchmark::Counter(double(pumps), benchmark::Counter::kAvgIterations);
    state.counters["per_pump"] =
        benchmark::Counter(double(pumps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PlayADenseSongThroughInPumps)->Unit(benchmark::kMillisecond);

}  // namespace
