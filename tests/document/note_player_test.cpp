// The note player: computer keys, the mouse note and the ribbon, as bytes on the virtual
// module's ports.
#include <gtest/gtest.h>

#include "midi/midi_fixture.h"
#include "document/note_player.h"

namespace veka {
namespace {

using test::Bytes;

class NotePlayerTest : public ::testing::Test {
protected:
    test::TMidiFixture Midi{mtSC8850, 1};  // two ports
    TLastNotes Notes;
    TPartFocus Focus;
    TNotePlayer Player{Midi.Tx(), Notes, Focus};

    void SetUp() override {
        Midi.Module->ClearReceived();
        Focus.Channel = 2;
    }
    std::vector<std::vector<uint8_t>> Take(int port = 0) {
        auto sent = Midi.Sent(port);
        Midi.Module->ClearReceived();
        return sent;
    }
};

TEST_F(NotePlayerTest, LettersPlayTheOctaveFromThePlayOctaveAndRepeatsDoNotRestart) {
    EXPECT_TRUE(Player.KeyDown('A', false));
    EXPECT_TRUE(Player.KeyDown('A', false));  // still held: nothing new
    EXPECT_TRUE(Player.KeyDown('K', false));
    EXPECT_TRUE(Player.KeyUp('A', false));
    EXPECT_TRUE(Player.KeyUp('K', false));
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 60, 100}), Bytes({0x92, 72, 100}),
                                                          Bytes({0x82, 60, 0}), Bytes({0x82, 72, 0})}));
    // Every note key, and nothing else, is one.
    std::string notes;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (NoteKeyOffset(c) >= 0) notes += c;
    EXPECT_EQ(notes, "ADEFGHJKSTUWY");
    EXPECT_EQ(NoteKeyOffset('W'), 1);
    EXPECT_EQ(NoteKeyOffset('J'), 11);
    EXPECT_FALSE(Player.KeyDown('B', false));
    EXPECT_FALSE(Player.KeyDown('1', false));
    EXPECT_TRUE(Take().empty());
}

TEST_F(NotePlayerTest, AModifierBlocksTheNoteButNotTheReleaseOfAHeldKey) {
    EXPECT_TRUE(Player.KeyDown('A', true));  // Ctrl+A: a note key, no note
    EXPECT_FALSE(Player.Held('A'));
    EXPECT_TRUE(Take().empty());
    Player.KeyDown('S', false);
    Player.KeyUp('S', true);  // Shift went down while S was held
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 62, 100}), Bytes({0x82, 62, 0})}));
}

TEST_F(NotePlayerTest, NoteOffGoesWhereItsNoteOnWentWhateverChangedMeanwhile) {
    Player.KeyDown('D', false);
    Player.MouseDown(30, 64);
    Focus.Channel = 9;
    Focus.Port = 1;
    Focus.Part = 5;
    Player.KeyUp('D', false);
    Player.MouseUp();
    EXPECT_EQ(Take(0), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 64, 100}), Bytes({0x92, 30, 64}),
                                                           Bytes({0x82, 64, 0}), Bytes({0x82, 30, 0})}));
    Player.KeyDown('D', false);
    Player.KeyUp('D', false);
    EXPECT_EQ(Take(1), (std::vector<std::vector<uint8_t>>{Bytes({0x99, 64, 100}), Bytes({0x89, 64, 0})}));
    // A port outside those in use sounds nothing and leaves nothing to stop.
    Focus.Port = 3;
    Player.KeyDown('D', false);
    Player.KeyUp('D', false);
    EXPECT_TRUE(Take(3).empty());
}

TEST_F(NotePlayerTest, QAndRReleaseHeldKeysFirstAndOnlyActWhileTheWindowShows) {
    Player.KeyDown('Q', false);
    EXPECT_EQ(Player.Octave(), 5);  // no keyboard window
    Player.ViewOpen = true;
    int changes = 0;
    const TSubscription watch = Player.OnStateChanged.Subscribe([&] {
        // By the time the octave is new, A's note-off is on the port.
        if (changes++ == 0) {
            EXPECT_EQ(Midi.Sent(0).back(), Bytes({0x82, 60, 0}));
        }
    });
    Player.KeyDown('A', false);
    Player.KeyDown('Q', false);
    EXPECT_EQ(Player.Octave(), 4);
    EXPECT_FALSE(Player.Held('A'));
    Player.KeyUp('A', false);  // released already: no second note-off
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 60, 100}), Bytes({0x82, 60, 0})}));
    EXPECT_EQ(changes, 1);
    for (int i = 0; i < 12; ++i) Player.KeyDown('R', false);
    EXPECT_EQ(Player.Octave(), 10);
    // K at octave 10 would be note 132: nothing sounds, nothing hangs.
    Player.KeyDown('K', false);
    Player.KeyDown('G', false);  // 127
    Player.KeyUp('K', false);
    Player.KeyUp('G', false);
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 127, 100}), Bytes({0x82, 127, 0})}));
    for (int i = 0; i < 12; ++i) Player.OctaveDown();
    EXPECT_EQ(Player.Octave(), 0);
    Player.SetOctave(-3);
    EXPECT_EQ(Player.Octave(), 0);
}

TEST_F(NotePlayerTest, VelocityStepsStopAtTheirLimits) {
    Player.ViewOpen = true;
    Player.SetVelocity(125);
    Player.KeyDown('C', false);
    EXPECT_EQ(Player.Velocity(), 127);
    Player.SetVelocity(3);
    Player.KeyDown('X', false);
    EXPECT_EQ(Player.Velocity(), 0);
    Player.VelocityDown();
    EXPECT_EQ(Player.Velocity(), 0);
    Player.SetVelocity(500);
    EXPECT_EQ(Player.Velocity(), 127);
}

TEST_F(NotePlayerTest, TheMouseNoteMovesTheLastPlayedNoteAndTellsTheDrumWindows) {
    Focus.Part = 10;
    std::vector<int> played;
    const TSubscription watch =
        Player.OnNotePlayed.Subscribe([&](int port, int part, int note) { played.push_back(port * 1000 + part * 200 + note); });
    std::vector<std::pair<int, bool>> drawn;
    const TSubscription draw = Player.OnKey.Subscribe([&](int note, bool down) { drawn.emplace_back(note, down); });
    Player.MouseDown(36, 94);
    Player.MouseDown(38, 30);  // a glissando: the first stops
    EXPECT_EQ(Player.MouseNote(), 38);
    Player.MouseUp();
    EXPECT_EQ(Player.MouseNote(), -1);
    EXPECT_EQ(Notes.Notes[0][9], 38);
    EXPECT_EQ(played, (std::vector<int>{2036, 2038}));
    EXPECT_EQ(drawn, (std::vector<std::pair<int, bool>>{{36, true}, {36, false}, {38, true}, {38, false}}));
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 36, 94}), Bytes({0x82, 36, 0}),
                                                          Bytes({0x92, 38, 30}), Bytes({0x82, 38, 0})}));
}

TEST_F(NotePlayerTest, TheRibbonSendsBendOrAControllerAndMirrorsPartParametersWithoutExclusive) {
    Focus.Part = 4;
    Player.Ribbon(TNotePlayer::kRibbonPitchBend, 16320);
    Player.Ribbon(TNotePlayer::kRibbonPitchBend, TNotePlayer::kRibbonCentre);
    int puts = 0;
    TSubscription watch = Midi.Image->OnValuePut.Subscribe([&](const TPutNotice& put) {
        ++puts;
        EXPECT_EQ(put.Link, (TLinkData{LinkPart, 4, ppVolume, 0, 0}));
        EXPECT_EQ(put.Value, 50);
    });
    Player.Ribbon(1 + 7, 50 * 128 + 3);  // controller 7: Volume
    Player.Ribbon(1 + 7, 50 * 128);      // the same value: stored already
    Player.Ribbon(1 + 11, 90 * 128);     // Expression mirrors nothing
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0xE2, 64, 127}), Bytes({0xE2, 0, 64}),
                                                          Bytes({0xB2, 7, 50}), Bytes({0xB2, 7, 50}),
                                                          Bytes({0xB2, 11, 90})}));
    EXPECT_EQ(Midi.Image->Part(0, 4, ppVolume).Value, 50);
    EXPECT_EQ(puts, 1);
    watch.Reset();
    Player.Ribbon(1 + 74, 0);  // Cutoff
    EXPECT_EQ(Midi.Image->Part(0, 4, 27).Value, 0);
    Player.Ribbon(TNotePlayer::kRibbonControls, 0);  // no such control
    Player.Ribbon(-1, 0);
    EXPECT_EQ(Take().size(), 1u);
    EXPECT_EQ(MirroredPartParameter(91), 18);
    EXPECT_EQ(MirroredPartParameter(93), 17);
    EXPECT_EQ(MirroredPartParameter(94), 20);
    EXPECT_EQ(MirroredPartParameter(71), 28);
    EXPECT_EQ(MirroredPartParameter(72), 31);
    EXPECT_EQ(MirroredPartParameter(73), 29);
    EXPECT_EQ(MirroredPartParameter(10), ppPanpot);
    EXPECT_EQ(MirroredPartParameter(1), 0);
}

TEST_F(NotePlayerTest, AClosedPortNeitherCrashesNorLeavesANoteToStop) {
    std::string error;
    Player.OnError = [&](const std::exception& e) { error = e.what(); };
    Player.KeyDown('A', false);
    Midi.Tx().Port(0).Close();
    Player.ReleaseAll();  // the note-off cannot go; nothing throws
    EXPECT_FALSE(Player.Held('A'));
    Player.MouseDown(60, 100);
    EXPECT_EQ(Player.MouseNote(), -1);  // not sent, not remembered
    Player.Ribbon(1 + 7, 0);
    EXPECT_EQ(Midi.Image->Part(0, 1, ppVolume).Value, 100);  // the module never heard it
    Midi.Tx().Port(0).Open();
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 60, 100})}));
}

TEST_F(NotePlayerTest, APlayerThatGoesStopsItsNotes) {
    {
        const TPartFocus focus;  // part A1 on channel 1
        TNotePlayer player(Midi.Tx(), Notes, focus);
        player.KeyDown('H', false);
        player.MouseDown(50, 117);
    }
    EXPECT_EQ(Take(), (std::vector<std::vector<uint8_t>>{Bytes({0x90, 69, 100}), Bytes({0x90, 50, 117}),
                                                          Bytes({0x80, 69, 0}), Bytes({0x80, 50, 0})}));
}

}  // namespace
}  // namespace veka
