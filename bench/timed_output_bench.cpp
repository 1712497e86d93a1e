// How late a song's messages leave an output that has no queue of its own (an ALSA sequencer
// port), sent on time by the output's thread: the player hands each message on 150 ms ahead
// from pumps every 2 ms, as the program's event loop does, and the device notes when each
// arrives on the steady clock. Lateness is arrival minus due time; the target is a 99th
// percentile under 1 ms. With Arg(1) both cores are kept busy by threads of normal priority.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "document/song_player.h"
#include "midi/jack_output.h"
#include "midi/timed_output.h"
#include "smf/smf.h"
#include "smf/song_schedule.h"

namespace {

using namespace veka;

// Four bars of sixteenths on eight channels at 240 crotchets a minute, with a tempo change in
// the third bar: about a thousand messages in four seconds.
TSMF QuickSong() {
    TSMF song;
    song.TimeBase = 480;
    song.SetTrackCount(9);
    const uint8_t fast[3] = {0x03, 0xD0, 0x90};   // 250,000 us a crotchet
    const uint8_t faster[3] = {0x03, 0x0D, 0x40}; // 200,000
    song.Tracks[0].push_back(MakeMetaEvent(0, mtTempo, fast));
    song.Tracks[0].push_back(MakeMetaEvent(2 * 1920, mtTempo, faster));
    for (int t = 1; t <= 8; ++t) {
        TSMFEventList& list = song.Tracks[size_t(t)];
        const uint8_t channel = uint8_t(t - 1);
        for (int i = 0; i < 64; ++i) {
            list.push_back(MakeChannelEvent(i == 0 ? 0 : 60, uint8_t(0x90 | channel), uint8_t(40 + (i + t) % 40), 90));
            list.push_back(MakeChannelEvent(60, uint8_t(0x80 | channel), uint8_t(40 + (i + t) % 40), 0));
        }
        list.push_back(MakeEndOfTrack(0));
    }
    return song;
}

// The device behind the queue: notes each message's arrival.
class TArrivalDevice : public IMidiOutDevice {
public:
    explicit TArrivalDevice(std::vector<int64_t>& arrivals) : Arrivals_(arrivals) {}
    void Send(std::span<const uint8_t>) override { Arrivals_.push_back(SteadyMicroseconds()); }

private:
    std::vector<int64_t>& Arrivals_;  // written on the output's thread; read once it is gone
};

class TTimedOutlet : public ISongOutlet {
public:
    std::vector<int64_t> Due, Arrivals;
    std::unique_ptr<TTimedOutDevice> Out;
    TTimedOutlet() {
        Due.reserve(4096);
        Arrivals.reserve(4096);
        Out = std::make_unique<TTimedOutDevice>(std::make_unique<TArrivalDevice>(Arrivals));
    }
    int64_t NowMicroseconds() override { return SteadyMicroseconds(); }
    bool Ready(int port) override { return port == 0; }
    bool Gone(int) override { return false; }
    bool Timed(int) override { return true; }
    bool SendAt(int, std::span<const uint8_t> message, int64_t due) override {
        if (!Out->SendAt(message, due)) return false;
        Due.push_back(due);
        return true;
    }
    void SendNow(int, std::span<const uint8_t> message) override { Out->Send(message); }
    void DropScheduled(int) override { Out->DropScheduled(); }
};

void BM_SongMessagesLateOnAnOutputWithoutQueue(benchmark::State& state) {
    const auto schedule = std::make_shared<const TSongSchedule>(QuickSong());
    std::atomic<bool> busy{state.range(0) != 0};
    std::vector<std::thread> load;
    for (int i = 0; busy && i < 2; ++i)
        load.emplace_back([&busy] {
            while (busy.load(std::memory_order_relaxed)) benchmark::DoNotOptimize(busy);
        });
    std::vector<int64_t> lateness;
    bool realTime = false;
    for (auto _ : state) {
        TTimedOutlet outlet;
        realTime = outlet.Out->RealTime();
        {
            TSongPlayer player(outlet);
            player.Load(schedule);
            player.Play();
            while (player.Pump()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        outlet.Out.reset();  // every message has gone out
        const size_t n = std::min(outlet.Due.size(), outlet.Arrivals.size());
        for (size_t i = 0; i < n; ++i) lateness.push_back(outlet.Arrivals[i] - outlet.Due[i]);
    }
    busy = false;
    for (std::thread& t : load) t.join();
    std::sort(lateness.begin(), lateness.end());
    const auto at = [&lateness](double q) {
        return lateness.empty() ? 0.0 : double(lateness[size_t(q * double(lateness.size() - 1))]);
    };
    state.counters["messages"] = double(lateness.size());
    state.counters["p50_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = lateness.empty() ? 0.0 : double(lateness.back());
    state.counters["min_us"] = lateness.empty() ? 0.0 : double(lateness.front());
    state.counters["real_time"] = realTime ? 1 : 0;
}
BENCHMARK(BM_SongMessagesLateOnAnOutputWithoutQueue)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
