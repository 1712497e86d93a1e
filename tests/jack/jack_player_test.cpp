// The song player on a real JACK output beside the editor's edits: an edit made while the song
// plays goes out whole among the song's messages, not after them, the song's notes keep their
// order, and the module ends up holding the image.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "document/song_outlet.h"
#include "document/song_player.h"
#include "jack_module.h"
#include "midi/midi_session.h"
#include "module/parameter_tables.h"
#include "smf/smf.h"
#include "smf/song_schedule.h"

namespace veka::test {
namespace {

using namespace std::chrono_literals;

TEST(JackPlayer, AnEditWhileTheSongPlaysArrivesWholeBetweenItsMessagesAndTheModuleTakesIt) {
    const std::string absence = TJackPeer::ServerAbsence();
    if (!absence.empty()) GTEST_SKIP() << absence;
    TJackModule module("veka-test-player");
    TMidiDevices::Instance().Refresh();

    // Sixteenth notes at 120 beats per minute for two seconds.
    TSMF song;
    song.TimeBase = 480;
    song.TempoMicroseconds = 500000;
    song.SetTrackCount(1);
    constexpr int kNotes = 32;
    for (int i = 0; i < kNotes; ++i) {
        song.Tracks[0].push_back(MakeChannelEvent(i == 0 ? 0 : 60, 0x90, uint8_t(40 + i), 100));
        song.Tracks[0].push_back(MakeChannelEvent(60, 0x80, uint8_t(40 + i), 0));
    }
    song.Tracks[0].push_back(MakeEndOfTrack(0));

    TVGS image(VEKA_TEST_DEFAULT_DIR);
    TMidiSession session(image);
    session.Transmitter.Attach();
    ASSERT_NO_THROW(session.Transmitter.Port(0).SetProductName(module.Peer.InputName()));
    ASSERT_TRUE(session.Transmitter.Port(0).Open()) << session.Transmitter.Port(0).LastError();
    ASSERT_TRUE(session.Transmitter.Port(0).Timed());

    TTransmitterOutlet outlet(session.Transmitter);
    TSongPlayer player(outlet);
    player.Load(std::make_shared<const TSongSchedule>(song));
    ASSERT_TRUE(player.Play());
    int edits = 0;
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (player.Pump() && std::chrono::steady_clock::now() < end) {
        // Every tenth of a second a new volume for part A1, as a drag in the Part window gives.
        if (player.PositionTick() >= (edits + 1) * 48 && edits < 15) {
            ++edits;
            image.SetPartValue(0, 1, 20 + edits, ppVolume);
        }
        module.Pump();
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_EQ(player.State(), TPlayState::Stopped);
    module.Peer.WaitCycles(4, 2s);
    module.Pump();

    const auto& received = module.Peer.Received();
    std::vector<int> keys;
    int exclusives = 0;
    for (const auto& m : received) {
        if (m.size() == 3 && m[0] == 0x90) keys.push_back(m[1]);
        if (!m.empty() && m[0] == 0xF0) {
            ++exclusives;
            // Whole: one message from F0 to F7, nothing of the song inside it.
            EXPECT_EQ(m.back(), 0xF7);
            EXPECT_EQ(std::count(m.begin(), m.end(), 0xF0), 1);
            EXPECT_TRUE(std::all_of(m.begin() + 1, m.end() - 1, [](uint8_t b) { return b < 0x80; }));
        }
    }
    EXPECT_EQ(edits, 15);
    EXPECT_EQ(exclusives, 15);
    std::vector<int> expected;
    for (int i = 0; i < kNotes; ++i) expected.push_back(40 + i);
    EXPECT_EQ(keys, expected);
    // The edits fell among the notes, not after them.
    const auto firstExclusive = std::find_if(received.begin(), received.end(), [](const auto& m) { return m[0] == 0xF0; });
    const auto lastNote = std::find_if(received.rbegin(), received.rend(), [](const auto& m) { return m[0] == 0x90; });
    EXPECT_LT(firstExclusive - received.begin(), received.rend() - lastNote - 1);
    // The module holds the last value.
    EXPECT_TRUE(Mismatches(*module.Memory, image).empty());
}

}  // namespace
}  // namespace veka::test
