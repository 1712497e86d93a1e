// The document's song playback on the virtual module, on the fixture's clock: the module is
// given the image before the song, the song's own setup is not played, mute and solo leave the
// image alone, Send All and data requests come before the song, and bad songs cost nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "document/document_fixture.h"
#include "document/song_commands.h"
#include "document/song_playback.h"
#include "smf/smf_test_util.h"
#include "smf/temp_smf.h"

namespace veka {
namespace {

using test::TBytes;

// Two beats at 120 bpm: a volume before the first note (the song's setup), then on channels 1
// and 2 a note at the second beat; with port: the track names Port B.
TBytes SongBytes(bool portB = false) {
    TBytes track = {0x00, 0xB0, 0x07, 0x28};  // volume 40 on channel 1
    if (portB) track.insert(track.begin(), {0x00, 0xFF, 0x21, 0x01, 0x01});
    test::Append(track, {0x83, 0x60, 0x90, 60, 100, 0x00, 0x91, 62, 100});
    test::Append(track, {0x83, 0x60, 0x80, 60, 0, 0x00, 0x81, 62, 0});
    const TBytes end = test::EndOfTrack();
    track.insert(track.end(), end.begin(), end.end());
    TBytes tempo = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
    tempo.insert(tempo.end(), end.begin(), end.end());
    return test::SmfBytes(1, 480, {tempo, track});
}

bool IsGsMessage(const std::vector<uint8_t>& m) { return m.size() > 4 && m[0] == 0xF0 && m[1] == 0x41; }
int CountNoteOns(const std::vector<std::vector<uint8_t>>& received, int channel) {
    return int(std::count_if(received.begin(), received.end(), [&](const std::vector<uint8_t>& m) {
        return m.size() == 3 && m[0] == (0x90 | channel) && m[2] > 0;
    }));
}
bool HasVolume40(const std::vector<std::vector<uint8_t>>& received) {
    return std::any_of(received.begin(), received.end(), [](const std::vector<uint8_t>& m) {
        return m.size() == 3 && m[0] == 0xB0 && m[1] == 7 && m[2] == 40;
    });
}

class SongPlaybackTest : public test::TDocumentFixture {
protected:
    TSongPlayback& Playback() { return Doc->Playback(); }
    std::string WriteSong(const std::string& name, bool portB = false) {
        const std::string path = Dir / name;
        test::WriteBytes(path, SongBytes(portB));
        return path;
    }
    // Plays on until the song has ended (or the time is up).
    void PlayOut(int ms = 3000) {
        for (int t = 0; t < ms && Playback().Playing(); t += 10) Timers.Run(10);
    }
};

TEST_F(SongPlaybackTest, TheModuleGetsTheImageFirstAndTheSongPlaysWithoutItsOwnSetup) {
    ASSERT_TRUE(Playback().LoadSong(WriteSong("song.mid"), VEKA_TEST_DEFAULT_DIR, Prompts));
    EXPECT_EQ(Playback().SongName(), "song.mid");
    EXPECT_FALSE(Playback().IsSongReadLast());
    EXPECT_EQ(Playback().Bars(), 1);
    EXPECT_TRUE(Prompts.Warnings.empty());
    int states = 0;
    const TSubscription watch = Playback().OnStateChange.Subscribe([&] { ++states; });

    // Nothing was sent in this run yet: the whole setup goes first.
    Module->ClearReceived();
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    EXPECT_TRUE(Doc->Transmitter().ImageHeard());
    auto received = Module->Received(0);
    ASSERT_FALSE(received.empty());
    EXPECT_TRUE(IsGsMessage(received.front())) << "the setup before any note";
    EXPECT_EQ(CountNoteOns(received, 0), 0);
    PlayOut();
    EXPECT_EQ(Playback().State(), TPlayState::Stopped);
    EXPECT_GE(states, 2);  // played, ended
    received = Module->Received(0);
    EXPECT_EQ(CountNoteOns(received, 0), 1);
    EXPECT_EQ(CountNoteOns(received, 1), 1);
    EXPECT_FALSE(HasVolume40(received)) << "the song's own setup measures are not played";

    // Heard now: the next play sends nothing before the song but what a gone port missed.
    Module->ClearReceived();
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    PlayOut();
    received = Module->Received(0);
    EXPECT_FALSE(std::any_of(received.begin(), received.end(), IsGsMessage));
    EXPECT_EQ(CountNoteOns(received, 0), 1);

    Module->Unplug(0);
    Doc->Transmitter().LookAtPorts();
    Doc->Image().SetPartValue(0, 3, 55, ppVolume);  // missed
    Module->Plug(0);
    Doc->Transmitter().LookAtPorts();
    ASSERT_TRUE(Doc->Transmitter().Loss.Lost(0));
    Module->ClearReceived();
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    EXPECT_EQ(ModuleVolume(3), 55);
    EXPECT_FALSE(Doc->Transmitter().Loss.Lost(0));
    received = Module->Received(0);
    EXPECT_EQ(std::count_if(received.begin(), received.end(), IsGsMessage), 1) << "only the value missed";
    PlayOut();
}

TEST_F(SongPlaybackTest, MuteAndSoloSilenceChannelsAndTheLightsComeAtTheNotesTime) {
    ASSERT_TRUE(Playback().LoadSong(WriteSong("song.mid"), VEKA_TEST_DEFAULT_DIR, Prompts));
    ISongMix& mix = Playback();
    int mixes = 0;
    std::vector<std::pair<int64_t, int>> lights;
    const TSubscription mixWatch = mix.OnMixChanged.Subscribe([&] { ++mixes; });
    const TSubscription lightWatch =
        mix.OnNoteSounded.Subscribe([&](int port, int channel) { lights.push_back({Clock.Now, port * 16 + channel}); });
    mix.SetMuted(0, 1, true);
    mix.SetMuted(0, 1, true);  // no change, no signal
    mix.SetMuted(5, 1, true);  // no such port
    EXPECT_EQ(mixes, 1);
    EXPECT_FALSE(mix.Heard(0, 1));
    EXPECT_TRUE(mix.Heard(0, 0));
    const int volume = Doc->Image().Part(0, 2, ppVolume).Value;

    Doc->Transmitter().SetImageHeard(true);
    Module->ClearReceived();
    const int64_t start = Clock.Now;
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    PlayOut();
    auto received = Module->Received(0);
    EXPECT_EQ(CountNoteOns(received, 0), 1);
    EXPECT_EQ(CountNoteOns(received, 1), 0);
    EXPECT_EQ(Doc->Image().Part(0, 2, ppVolume).Value, volume) << "mute leaves the image alone";
    ASSERT_EQ(lights.size(), 1u);
    EXPECT_EQ(lights[0].second, 0);
    // The note is due a start lead plus one beat (500 ms) after the play: its light no sooner.
    EXPECT_GE(lights[0].first - start, 500);
    EXPECT_LE(lights[0].first - start, 500 + TSongPlayer::kStartMicroseconds / 1000 + 10);

    // Solo channel 2: only it is heard, muted or not it is the soloed one that counts.
    mix.SetMuted(0, 1, false);
    mix.SetSoloed(0, 1, true);
    EXPECT_FALSE(mix.Heard(0, 0));
    EXPECT_TRUE(Playback().AnyMix());
    Module->ClearReceived();
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    PlayOut();
    received = Module->Received(0);
    EXPECT_EQ(CountNoteOns(received, 0), 0);
    EXPECT_EQ(CountNoteOns(received, 1), 1);
    const int before = mixes;
    Playback().ClearMix();
    EXPECT_FALSE(Playback().AnyMix());
    EXPECT_EQ(mixes, before + 1);
    Playback().ClearMix();
    EXPECT_EQ(mixes, before + 1);
}

TEST_F(SongPlaybackTest, SendAllAndDataRequestsComeBeforeTheSong) {
    ASSERT_TRUE(Playback().LoadSong(WriteSong("song.mid"), VEKA_TEST_DEFAULT_DIR, Prompts));
    Doc->Transmitter().SetImageHeard(true);
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    ASSERT_TRUE(Playback().Playing());
    // The user is asked; No leaves the song playing and the work undone.
    Prompts.Confirmations = {false};
    EXPECT_FALSE(Playback().StopForTransmission(Prompts));
    EXPECT_TRUE(Playback().Playing());
    Prompts.Confirmations = {true};
    EXPECT_TRUE(Playback().StopForTransmission(Prompts));
    EXPECT_EQ(Playback().State(), TPlayState::Paused);
    EXPECT_TRUE(Playback().StopForTransmission(Prompts)) << "nothing to ask while nothing plays";

    // A Send All from anywhere (a file opened, an undo) pauses the song first, its notes ended.
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    Timers.Run(540);  // into the notes
    Module->ClearReceived();
    ASSERT_TRUE(Doc->Transmitter().SendAll(true, true, true, true, true, false));
    EXPECT_EQ(Playback().State(), TPlayState::Paused);
    const auto received = Module->Received(0);
    ASSERT_FALSE(received.empty());
    const auto firstGs = std::find_if(received.begin(), received.end(), IsGsMessage);
    const auto lastOff = std::find_if(received.rbegin(), received.rend(), [](const std::vector<uint8_t>& m) {
        return m.size() == 3 && (m[0] & 0xF0) == 0xB0 && m[1] == 123;
    });
    ASSERT_NE(lastOff, received.rend());
    EXPECT_LT(std::distance(received.begin(), lastOff.base()), std::distance(received.begin(), firstGs) + 1)
        << "every note ended before the transmission";
}

TEST_F(SongPlaybackTest, BadSongsAreToldAndSilentPortsNamed) {
    ASSERT_TRUE(Playback().LoadSong(WriteSong("song.mid"), VEKA_TEST_DEFAULT_DIR, Prompts));
    const std::string bad = Dir / "bad.mid";
    test::WriteBytes(bad, {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1});
    EXPECT_FALSE(Playback().LoadSong(bad, VEKA_TEST_DEFAULT_DIR, Prompts));
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_NE(Prompts.Warnings[0].find("bad.mid"), std::string::npos);
    EXPECT_EQ(Playback().SongName(), "song.mid") << "the song before stays";
    EXPECT_FALSE(Playback().LoadSongReadLast(Dir.Path.string(), "x.mid", Prompts)) << "no working copy yet";
    EXPECT_EQ(Prompts.Warnings.size(), 2u);

    // Port B only, with port A the one output set up; a mute stays with the next song.
    Playback().SetMuted(1, 0, true);
    ASSERT_TRUE(Playback().LoadSong(WriteSong("b.mid", true), VEKA_TEST_DEFAULT_DIR, Prompts));
    ASSERT_EQ(Prompts.Warnings.size(), 3u);
    EXPECT_NE(Prompts.Warnings[2].find("Port B"), std::string::npos);
    EXPECT_TRUE(Playback().Muted(1, 0));
    EXPECT_FALSE(Playback().Play(Prompts, Frame)) << "nothing can be heard";
    EXPECT_EQ(Playback().State(), TPlayState::Stopped);
}

TEST_F(SongPlaybackTest, GettingASongsSetupMakesItTheSongReadLast) {
    TSettings settings(Dir / "Veka.ini");
    TSettingsData data;
    const TSongPlace place{settings, data, Dir.Path.string(), Dir.Path.string()};
    Prompts.SaveAnswers = {TSaveChanges::Discard};
    ASSERT_TRUE(ImportSong(*Doc, place, WriteSong("read.mid"), Prompts, Frame));
    EXPECT_EQ(Doc->Image().Part(0, 1, ppVolume).Value, 40) << "the setup went into the image";
    ASSERT_TRUE(Playback().HasSong());
    EXPECT_TRUE(Playback().IsSongReadLast());
    EXPECT_EQ(Playback().SongName(), "read.mid");
    EXPECT_EQ(SongReadLastName(settings.ReadString("SMF", "current file", "")), "read.mid");
    EXPECT_EQ(SongReadLastName(""), kTempSmfName);

    Module->ClearReceived();
    ASSERT_TRUE(Playback().Play(Prompts, Frame));
    PlayOut();
    const auto received = Module->Received(0);
    EXPECT_FALSE(std::any_of(received.begin(), received.end(), IsGsMessage)) << "the import sent the setup";
    EXPECT_EQ(CountNoteOns(received, 0), 1);
    EXPECT_FALSE(HasVolume40(received));
}

}  // namespace
}  // namespace veka
