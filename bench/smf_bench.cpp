// A song's trip through the program: read a generated 1 MiB, 16-track SMF with a GS setup,
// analyse the setup into the image, and write it back with a fresh setup embedded.
#include <benchmark/benchmark.h>

#include "module/exclusive.h"
#include "module/image.h"
#include "module/image_reset.h"
#include "smf/order_file.h"
#include "smf/setup_analysis.h"
#include "smf/setup_merge.h"
#include "smf/setup_writer.h"
#include "smf/smf.h"

namespace {

using namespace veka;

// Track 0: tempo and meter; tracks 1..15: one channel each, a GS setup (reset on track 1, part
// exclusives, bank and program, controllers, an NRPN) before its notes, then notes and
// controllers until the file is about 1 MiB.
std::vector<uint8_t> GeneratedSong() {
    TSMF smf;
    smf.TimeBase = 480;
    smf.SetTrackCount(16);
    const uint8_t tempo[3] = {0x07, 0xA1, 0x20}, meter[4] = {4, 2, 24, 8};
    smf.Tracks[0] = {MakeTextEvent(0, mtTrackName, "Benchmark"), MakeMetaEvent(0, mtTempo, tempo),
                     MakeMetaEvent(0, mtTimeSignature, meter)};
    smf.Tracks[1].push_back(MakeSysexEvent(0, GsResetMessage(0x10)));
    for (int t = 1; t < 16; ++t) {
        TSMFEventList& list = smf.Tracks[size_t(t)];
        const int ch = t - 1, part = ch + 1;
        const uint8_t block = uint8_t(PartBlock(part));
        list.push_back(MakeTextEvent(0, mtTrackName, "Part " + std::to_string(part)));
        for (uint8_t a3 : {0x19, 0x1C, 0x21, 0x22, 0x30, 0x31, 0x32, 0x33})
            list.push_back(MakeSysexEvent(2, BuildDT1(0x10, {0x40, uint8_t(0x10 | block), a3}, std::vector<uint8_t>{uint8_t(40 + t)})));
        const uint8_t cc = uint8_t(0xB0 | ch);
        for (auto [n, v] : {std::pair{0, 8}, {32, 0}, {7, 100}, {10, 64}, {91, 40}, {93, 20}, {99, 1}, {98, 8}, {6, 70}})
            list.push_back(MakeChannelEvent(1, cc, uint8_t(n), uint8_t(v)));
        list.push_back(MakeChannelEvent(1, uint8_t(0xC0 | ch), uint8_t(t)));
    }
    // About 1 MiB of notes: 4 bytes per event, 15 tracks.
    const int perTrack = (1 << 20) / 4 / 15;
    for (int t = 1; t < 16; ++t) {
        TSMFEventList& list = smf.Tracks[size_t(t)];
        const int ch = t - 1;
        for (int i = 0; i < perTrack / 2; ++i) {
            const uint8_t note = uint8_t(36 + (i * 7 + t) % 48);
            list.push_back(MakeChannelEvent(i == 0 ? 480 : 60, uint8_t(0x90 | ch), note, uint8_t(64 + i % 60)));
            if (i % 16 == 0) list.push_back(MakeChannelEvent(60, uint8_t(0xB0 | ch), 11, uint8_t(i % 128)));
            else list.push_back(MakeChannelEvent(60, uint8_t(0x80 | ch), note, 0));
        }
    }
    for (TSMFEventList& list : smf.Tracks) list.push_back(MakeEndOfTrack(0));
    return smf.SaveToBytes(1);
}

void BM_ReadAnalyseWriteSong(benchmark::State& state) {
    const std::vector<uint8_t> song = GeneratedSong();
    TVGS image(VEKA_BENCH_DEFAULT_DIR);
    const TOrderList order = DefaultOrderList();
    size_t written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        GsResetImage(image);  // the reset before a song is read is no part of reading it
        state.ResumeTiming();
        TSMF smf;
        if (!smf.LoadFromBytes(song)) state.SkipWithError("the generated song did not read");
        AnalyzeSetup(image, smf);
        TSetupOptions options;
        options.TimeBase = smf.TimeBase;
        options.Tempo = smf.Tempo;
        options.Embedding = true;
        MergeSetup(smf, WriteSetup(image, order, options, ConductorOf(smf)));
        written = smf.SaveToBytes(1).size();
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(song.size()));
    state.counters["song bytes"] = double(song.size());
    state.counters["written bytes"] = double(written);
}
BENCHMARK(BM_ReadAnalyseWriteSong)->Unit(benchmark::kMillisecond);

void BM_ReadSong(benchmark::State& state) {
    const std::vector<uint8_t> song = GeneratedSong();
    for (auto _ : state) {
        TSMF smf;
        benchmark::DoNotOptimize(smf.LoadFromBytes(song));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(song.size()));
}
BENCHMARK(BM_ReadSong)->Unit(benchmark::kMillisecond);

}  // namespace
