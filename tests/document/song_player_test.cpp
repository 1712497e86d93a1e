// The song player against an outlet that records what it is handed and when, on a clock the
// test moves: timing by the tempo map, ports, mute and solo, stop, loop and going to a bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "document/song_player.h"
#include "smf/smf.h"
#include "smf/song_schedule.h"

namespace veka {
namespace {

constexpr int kTimeBase = 480;

struct TSent {
    int Port;
    std::vector<uint8_t> Bytes;
    int64_t Due;   // when it reaches the module
    bool Ahead;    // handed to a timed output before its time
};

// A module's ports: timed ones keep what is handed ahead until it is due (and drop it when
// told); the others hear each message when it is sent.
class TRecordingOutlet : public ISongOutlet {
public:
    int64_t Now = 1'000'000;
    std::array<bool, 4> Open{true, true, false, false};
    std::array<bool, 4> IsTimed{false, false, false, false};
    std::array<bool, 4> IsGone{};
    std::vector<TSent> Sent;

    int64_t NowMicroseconds() override { return Now; }
    bool Ready(int port) override { return Open[size_t(port)]; }
    bool Gone(int port) override { return IsGone[size_t(port)]; }
    bool Timed(int port) override { return IsTimed[size_t(port)]; }
    bool SendAt(int port, std::span<const uint8_t> message, int64_t due) override {
        EXPECT_TRUE(IsTimed[size_t(port)]);
        Sent.push_back({port, {message.begin(), message.end()}, std::max(due, Now), true});
        return true;
    }
    void SendNow(int port, std::span<const uint8_t> message) override {
        Sent.push_back({port, {message.begin(), message.end()}, Now, false});
    }
    void DropScheduled(int port) override {
        std::erase_if(Sent, [&](const TSent& s) { return s.Port == port && s.Ahead && s.Due > Now; });
    }
    // What reached the module by now, in the order it arrived.
    std::vector<TSent> Heard() const {
        std::vector<TSent> heard;
        for (const TSent& s : Sent)
            if (s.Due <= Now) heard.push_back(s);
        std::stable_sort(heard.begin(), heard.end(), [](const TSent& a, const TSent& b) { return a.Due < b.Due; });
        return heard;
    }
};

// Tracks of events given at their ticks in any order; the first track is the conductor.
class TSongBuilder {
public:
    TSongBuilder() {
        Song.TimeBase = kTimeBase;
        Song.TempoMicroseconds = 500000;
        Song.Tempo = 120;
        Song.Numerator = 4;
        Song.Denominator = 4;
        Events.emplace_back();
    }
    int Track(int port = -1) {
        Events.emplace_back();
        const int t = int(Events.size()) - 1;
        if (port >= 0) {
            const uint8_t data[1] = {uint8_t(port)};
            At(t, 0, MakeMetaEvent(0, mtPort, data));
        }
        return t;
    }
    void At(int track, int64_t tick, TSMFEvent event) {
        event.Time = int32_t(tick);
        Events[size_t(track)].push_back(std::move(event));
    }
    void Channel(int track, int64_t tick, uint8_t status, uint8_t d1, uint8_t d2 = 0) {
        At(track, tick, MakeChannelEvent(0, status, d1, d2));
    }
    void Note(int track, int64_t tick, int64_t length, uint8_t channel, uint8_t key) {
        Channel(track, tick, uint8_t(0x90 | channel), key, 100);
        Channel(track, tick + length, uint8_t(0x80 | channel), key, 0);
    }
    void Tempo(int64_t tick, uint32_t perQuarter) {
        const uint8_t data[3] = {uint8_t(perQuarter >> 16), uint8_t(perQuarter >> 8), uint8_t(perQuarter)};
        At(0, tick, MakeMetaEvent(0, mtTempo, data));
    }
    // The tracks in time order, with delta times as a song read from a file holds them.
    const TSMF& Built() {
        Song.SetTrackCount(int(Events.size()));
        for (size_t t = 0; t < Events.size(); ++t) {
            TSMFEventList list = Events[t];
            std::stable_sort(list.begin(), list.end(), [](const TSMFEvent& a, const TSMFEvent& b) { return a.Time < b.Time; });
            AbsoluteToDelta(list);
            Song.Tracks[t] = std::move(list);
        }
        return Song;
    }
    std::shared_ptr<const TSongSchedule> Schedule() { return std::make_shared<const TSongSchedule>(Built()); }

    TSMF Song;
    std::vector<TSMFEventList> Events;
};

bool IsNoteOn(const TSent& s) { return s.Bytes.size() == 3 && (s.Bytes[0] & 0xF0) == 0x90 && s.Bytes[2] > 0; }
bool IsNoteOff(const TSent& s) {
    return s.Bytes.size() == 3 && ((s.Bytes[0] & 0xF0) == 0x80 || ((s.Bytes[0] & 0xF0) == 0x90 && s.Bytes[2] == 0));
}
std::vector<int> KeysOn(const std::vector<TSent>& sent, int port = -1) {
    std::vector<int> keys;
    for (const TSent& s : sent)
        if (IsNoteOn(s) && (port < 0 || s.Port == port)) keys.push_back(s.Bytes[1]);
    return keys;
}

// Moves the clock in steps of ms, pumping after each, for total ms.
void Advance(TSongPlayer& player, TRecordingOutlet& outlet, int64_t totalMs, int64_t stepMs = 1) {
    for (int64_t t = 0; t < totalMs; t += stepMs) {
        outlet.Now += stepMs * 1000;
        player.Pump();
    }
}

// Notes that reached the module and did not end, per port and channel; none once all ended.
int StillSounding(const std::vector<TSent>& heard) {
    std::map<std::array<int, 3>, int> on;
    for (const TSent& s : heard) {
        const std::array<int, 3> key{s.Port, s.Bytes[0] & 0x0F, s.Bytes.size() > 1 ? s.Bytes[1] : 0};
        if (IsNoteOn(s)) ++on[key];
        if (IsNoteOff(s) && on[key] > 0) --on[key];
    }
    int count = 0;
    for (const auto& [k, n] : on) count += n;
    return count;
}

TEST(SongPlayerTest, MessagesReachTheirPortsAtTheTimesOfTheTempoMapTimedOrNot) {
    for (const bool timed : {false, true}) {
        SCOPED_TRACE(timed ? "timed" : "sent when due");
        TSongBuilder b;
        b.Tempo(2 * kTimeBase, 250000);  // 240 beats per minute from beat 3
        const int a = b.Track(), bp = b.Track(1);
        for (int i = 0; i < 6; ++i) b.Note(a, i * kTimeBase, kTimeBase / 2, 0, uint8_t(60 + i));
        b.Note(bp, 3 * kTimeBase, 10, 2, 90);
        TRecordingOutlet outlet;
        outlet.IsTimed = {timed, timed, false, false};
        TSongPlayer player(outlet);
        player.Load(b.Schedule());
        const int64_t start = outlet.Now;
        ASSERT_TRUE(player.Play());
        Advance(player, outlet, 3000);
        EXPECT_EQ(player.State(), TPlayState::Stopped);  // it ended by itself
        const auto heard = outlet.Heard();
        EXPECT_EQ(KeysOn(heard, 0), (std::vector<int>{60, 61, 62, 63, 64, 65}));
        EXPECT_EQ(KeysOn(heard, 1), (std::vector<int>{90}));
        // Beats 1 and 2 take half a second each, the others a quarter.
        const int64_t lead = timed ? TSongPlayer::kStartMicroseconds : 0;
        const std::vector<int64_t> due = {0, 500000, 1000000, 1250000, 1500000, 1750000};
        std::vector<int64_t> got;
        for (const TSent& s : heard)
            if (IsNoteOn(s) && s.Port == 0) got.push_back(s.Due - start - lead);
        ASSERT_EQ(got.size(), due.size());
        for (size_t i = 0; i < due.size(); ++i) {
            // Sent when due: within the pump's step of a millisecond.
            EXPECT_GE(got[i], due[i]);
            EXPECT_LE(got[i], due[i] + (timed ? 0 : 1000));
        }
        if (timed) {
            EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](const TSent& s) { return s.Ahead || !IsNoteOn(s); }));
        }
        EXPECT_EQ(StillSounding(heard), 0);
    }
}

TEST(SongPlayerTest, MuteAndSoloLeaveNotesOutAndEndThoseThatSound) {
    for (const bool timed : {false, true}) {
        SCOPED_TRACE(timed ? "timed" : "sent when due");
        TSongBuilder b;
        const int t = b.Track();
        for (int i = 0; i < 8; ++i) {
            b.Note(t, i * kTimeBase, kTimeBase - 10, 0, uint8_t(60 + i));  // part A1
            b.Note(t, i * kTimeBase, kTimeBase - 10, 1, uint8_t(40 + i));  // part A2
        }
        TRecordingOutlet outlet;
        outlet.IsTimed = {timed, false, false, false};
        TSongPlayer player(outlet);
        player.Load(b.Schedule());
        player.SetMuted(1, true);
        EXPECT_FALSE(player.Heard(1));
        ASSERT_TRUE(player.Play());
        Advance(player, outlet, 1200);  // notes 0..2 of A1 began
        const size_t mark = outlet.Sent.size();
        player.SetMuted(1, false);
        player.SetSoloed(1, true);  // A2 alone from now on: A1's sounding note ends
        EXPECT_FALSE(player.Heard(0));
        Advance(player, outlet, 400);
        const auto heard = outlet.Heard();
        // A1's note 2 ended within the lead after the solo, before A2's next note.
        EXPECT_EQ(StillSounding(heard), 1);  // A2's note 3 sounds
        bool ended = false;
        for (size_t i = mark; i < outlet.Sent.size(); ++i)
            if (IsNoteOff(outlet.Sent[i]) && outlet.Sent[i].Bytes[1] == 62) ended = true;
        EXPECT_TRUE(ended);
        player.SetSoloed(1, false);
        Advance(player, outlet, 6000);
        const auto all = outlet.Heard();
        std::vector<int> a1, a2;
        for (const TSent& s : all)
            if (IsNoteOn(s)) ((s.Bytes[0] & 0x0F) == 0 ? a1 : a2).push_back(s.Bytes[1]);
        EXPECT_EQ(a1, (std::vector<int>{60, 61, 62, 64, 65, 66, 67}));  // note 3 fell in the solo
        EXPECT_EQ(a2, (std::vector<int>{43, 44, 45, 46, 47}));          // muted until note 3
        EXPECT_EQ(StillSounding(all), 0);
        // The image is not the player's business: nothing but channel messages went out.
        EXPECT_TRUE(std::all_of(all.begin(), all.end(), [](const TSent& s) { return s.Bytes[0] < 0xF0; }));
    }
}

TEST(SongPlayerTest, StopAndPauseEndEveryNoteAndTheSustainOnEveryChannelOfTheSongsPorts) {
    TSongBuilder b;
    const int a = b.Track(), bp = b.Track(1);
    b.Channel(a, 0, 0xB3, 64, 127);
    for (int i = 0; i < 8; ++i) {
        b.Note(a, i * kTimeBase, 2 * kTimeBase, 3, uint8_t(50 + i));  // overlapping notes
        b.Note(bp, i * kTimeBase, kTimeBase / 4, 9, 36);
    }
    TRecordingOutlet outlet;
    outlet.IsTimed = {true, true, false, false};  // ends handed ahead are dropped by the pause
    TSongPlayer player(outlet);
    player.Load(b.Schedule());
    ASSERT_TRUE(player.Play());
    Advance(player, outlet, 1300, 5);
    const size_t before = outlet.Sent.size();
    player.Pause();
    EXPECT_EQ(player.State(), TPlayState::Paused);
    // 2.5 beats: where the clock was, less the start's lead.
    EXPECT_EQ(player.PositionTick(), (1300 - TSongPlayer::kStartMicroseconds / 1000) * kTimeBase / 500);
    outlet.Now += 1'000'000;
    const auto heard = outlet.Heard();
    EXPECT_EQ(StillSounding(heard), 0);
    for (int port = 0; port < 2; ++port) {
        for (int channel = 0; channel < 16; ++channel) {
            const auto has = [&](uint8_t controller) {
                return std::any_of(outlet.Sent.begin() + long(std::min(before, outlet.Sent.size())), outlet.Sent.end(),
                                   [&](const TSent& s) {
                                       return s.Port == port && s.Bytes == std::vector<uint8_t>{uint8_t(0xB0 | channel), controller, 0};
                                   });
            };
            EXPECT_TRUE(has(64)) << port << " " << channel;
            EXPECT_TRUE(has(123)) << port << " " << channel;
        }
    }
    // Nothing handed ahead comes after the pause.
    const size_t paused = outlet.Sent.size();
    outlet.Now += 1'000'000;
    player.Pump();
    EXPECT_EQ(outlet.Sent.size(), paused);
    // Play goes on where it paused; Stop goes back to the start.
    ASSERT_TRUE(player.Play());
    Advance(player, outlet, 700, 5);
    const auto keys = KeysOn(outlet.Heard(), 0);
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.back(), 53);  // beat 4 followed beat 3
    player.Stop();
    EXPECT_EQ(player.PositionTick(), 0);
    outlet.Now += 1'000'000;
    EXPECT_EQ(StillSounding(outlet.Heard()), 0);
    // Panic while playing pauses first: nothing handed ahead sounds after it.
    ASSERT_TRUE(player.Play());
    Advance(player, outlet, 1100, 5);
    player.Panic();
    EXPECT_EQ(player.State(), TPlayState::Paused);
    outlet.Now += 1'000'000;
    EXPECT_EQ(StillSounding(outlet.Heard()), 0);
}

TEST(SongPlayerTest, WhatASongHoldsAtItsLastTickIsPlayedASetupOnItsOwnToo) {
    TSongBuilder b;
    const int t = b.Track();
    b.Channel(t, 0, 0xC0, 20);
    const uint8_t reset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
    b.At(t, 0, MakeSysexEvent(0, reset));
    TRecordingOutlet outlet;
    outlet.IsTimed = {true, true, false, false};
    TSongPlayer player(outlet);
    player.Load(b.Schedule());
    ASSERT_TRUE(player.Play());
    Advance(player, outlet, 200);
    EXPECT_EQ(player.State(), TPlayState::Stopped);
    const auto heard = outlet.Heard();
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard[0].Bytes, (std::vector<uint8_t>{0xC0, 20}));
    EXPECT_EQ(heard[1].Bytes, std::vector<uint8_t>(std::begin(reset), std::end(reset)));
}

TEST(SongPlayerTest, ALoopTurnsAtTheEndOfItsLastBarEndingItsNotesAndGoToBarSendsThePartsState) {
    TSongBuilder b;
    const int t = b.Track();
    b.Channel(t, 0, 0xC0, 10);                    // program 10
    b.Channel(t, 0, 0xB0, 7, 50);                 // volume 50, then 90 in bar 2
    b.Channel(t, kTimeBase * 4, 0xB0, 7, 90);
    b.Channel(t, kTimeBase * 4 + 1, 0xB0, 101, 0);  // an RPN sequence: every message counts
    b.Channel(t, kTimeBase * 4 + 1, 0xB0, 100, 0);
    b.Channel(t, kTimeBase * 4 + 1, 0xB0, 6, 12);
    for (int bar = 0; bar < 4; ++bar) b.Note(t, bar * 4 * kTimeBase, 5 * kTimeBase, 0, uint8_t(60 + bar));
    TRecordingOutlet outlet;
    outlet.IsTimed = {true, false, false, false};
    TSongPlayer player(outlet);
    player.Load(b.Schedule());
    ASSERT_TRUE(player.SetLoop(2, 3));  // bars 2 and 3: two seconds each
    EXPECT_EQ(player.PositionTick(), 4 * kTimeBase);
    ASSERT_TRUE(player.Play());
    // The state before bar 2 came first: the program, the last volume, the RPN in order.
    const std::vector<std::vector<uint8_t>> chase = {{0xC0, 10}, {0xB0, 7, 50}};
    ASSERT_GE(outlet.Sent.size(), 2u);
    EXPECT_EQ(outlet.Sent[0].Bytes, chase[0]);
    EXPECT_EQ(outlet.Sent[1].Bytes, chase[1]);
    Advance(player, outlet, 9000, 5);  // two turns of four seconds and a bit
    const auto heard = outlet.Heard();
    EXPECT_EQ(KeysOn(heard), (std::vector<int>{61, 62, 61, 62, 61}));
    // Bar 3's note lasts into bar 4: the turn ends it, at the loop's end.
    int endsAtTurn = 0;
    for (const TSent& s : heard)
        if (IsNoteOff(s) && s.Bytes[1] == 62) ++endsAtTurn;
    EXPECT_GE(endsAtTurn, 2);
    const int bar = player.Position().Bar;
    EXPECT_TRUE(bar == 2 || bar == 3) << bar;
    player.Stop();
    EXPECT_EQ(player.PositionTick(), 4 * kTimeBase);  // the loop's start

    // Going to bar 3 while playing: the volume of bar 2 and the RPN sent again, in order.
    player.ClearLoop();
    ASSERT_TRUE(player.Play());
    outlet.Sent.clear();
    player.GoToBar(3);
    std::vector<std::vector<uint8_t>> sent;
    for (const TSent& s : outlet.Sent)
        if ((s.Bytes[0] & 0xF0) == 0xC0 || ((s.Bytes[0] & 0xF0) == 0xB0 && s.Bytes[1] != 64 && s.Bytes[1] != 123))
            sent.push_back(s.Bytes);
    const std::vector<std::vector<uint8_t>> expected = {{0xC0, 10}, {0xB0, 7, 90}, {0xB0, 101, 0}, {0xB0, 100, 0}, {0xB0, 6, 12}};
    EXPECT_EQ(sent, expected);
    Advance(player, outlet, 5000, 5);
    EXPECT_EQ(KeysOn(outlet.Heard()), (std::vector<int>{62, 63}));
}

TEST(SongPlayerTest, PortsWithoutAnOutputStaySilentAndAPortThatGoesStopsThePlay) {
    TSongBuilder b;
    const int a = b.Track(0), c = b.Track(2);
    for (int i = 0; i < 8; ++i) {
        b.Note(a, i * kTimeBase, 100, 0, uint8_t(60 + i));
        b.Note(c, i * kTimeBase, 100, 0, uint8_t(70 + i));
    }
    TRecordingOutlet outlet;
    TSongPlayer player(outlet);
    player.Load(b.Schedule());
    EXPECT_EQ(player.SilentPorts(), (std::array<bool, 4>{false, false, true, false}));
    ASSERT_TRUE(player.Play());
    Advance(player, outlet, 1200);
    EXPECT_TRUE(std::all_of(outlet.Sent.begin(), outlet.Sent.end(), [](const TSent& s) { return s.Port == 0; }));
    outlet.IsGone[0] = true;
    EXPECT_FALSE(player.Pump());
    EXPECT_EQ(player.State(), TPlayState::Paused);
    EXPECT_EQ(player.FailedPort(), 0);
    EXPECT_FALSE(player.Failure().empty());
    // A song for no port that is there does not start.
    outlet.Open = {false, false, false, false};
    TSongPlayer silent(outlet);
    silent.Load(b.Schedule());
    EXPECT_FALSE(silent.Play());
}

TEST(SongScheduleTest, EventsInTimeOrderLowerTrackFirstWithPortsAndExclusiveMessages) {
    TSongBuilder b;
    const int one = b.Track(), two = b.Track(1);
    b.Channel(two, 10, 0x91, 40, 1);
    b.Channel(one, 10, 0x90, 30, 1);
    const uint8_t port9[1] = {9};  // beyond Port D: Port A, as the setup analysis reads it
    b.At(two, 20, MakeMetaEvent(0, mtPort, port9));
    const uint8_t sysex[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41};  // no F7
    b.At(two, 30, MakeSysexEvent(0, sysex));
    const uint8_t packet[] = {0xF7, 0x01, 0xF7};
    b.At(one, 40, MakeSysexEvent(0, packet));
    b.At(one, 50, MakeEndOfTrack(0));
    const TSongSchedule schedule(b.Built());
    const auto& events = schedule.Events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].Bytes[1], 30);  // track one before track two at tick 10
    EXPECT_EQ(events[1].Port, 1);
    EXPECT_EQ(events[2].Port, 0);
    const auto bytes = schedule.SysexOf(events[2]);
    EXPECT_EQ(bytes.back(), 0xF7);
    EXPECT_EQ(bytes.size(), sizeof sysex + 1);
    EXPECT_EQ(schedule.LeftOut(), 1);
    EXPECT_EQ(schedule.EndTick(), 50);
    EXPECT_EQ(schedule.FirstAt(11), 2u);
    EXPECT_EQ(events[2].Microseconds, 30 * 500000 / kTimeBase);
    EXPECT_EQ(schedule.PortsUsed(), (std::array<bool, 4>{true, true, false, false}));
}

}  // namespace
}  // namespace veka
