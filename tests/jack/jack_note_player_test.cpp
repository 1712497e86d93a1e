// The note player on a real JACK port: letters, the mouse note and the ribbon arrive as their
// channel bytes, and a program that loses the keyboard or ends with keys held leaves no note on.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "jack_peer.h"
#include "midi/midi_session.h"
#include "module/image.h"
#include "document/note_player.h"

namespace veka::test {
namespace {

using namespace std::chrono_literals;
using TMessages = std::vector<std::vector<uint8_t>>;

TEST(JackNotePlayer, KeysTheMouseAndTheRibbonArriveAndNothingIsLeftOn) {
    const std::string absence = TJackPeer::ServerAbsence();
    if (!absence.empty()) GTEST_SKIP() << absence;
    TJackPeer module("veka-test-keys");
    TMidiDevices::Instance().Refresh();
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    TFakePumpWait wait;
    TTransmitter transmitter(image, wait);
    TMidiOutput& port = transmitter.Port(0);
    ASSERT_NO_THROW(port.SetProductName(module.InputName()));
    ASSERT_TRUE(port.Open()) << port.LastError();
    TLastNotes notes;
    TMessages expected;
    {
        TPartFocus focus;
        focus.Channel = 3;
        TNotePlayer player(transmitter, notes, focus);
        player.KeyDown('A', false);
        player.KeyUp('A', false);
        player.Ribbon(TNotePlayer::kRibbonPitchBend, 12000);
        player.Ribbon(TNotePlayer::kRibbonPitchBend, TNotePlayer::kRibbonCentre);
        player.Ribbon(1 + 7, 90 * 128);
        player.MouseDown(40, 117);
        player.KeyDown('E', false);
        player.ReleaseKeys();  // the program lost the keyboard
        player.KeyDown('U', false);
        // The player goes with the program while U and the mouse note are held.
        expected = {{0x93, 60, 100}, {0x83, 60, 0}, {0xE3, 12000 % 128, 12000 / 128}, {0xE3, 0, 64},
                    {0xB3, 7, 90},   {0x93, 40, 117}, {0x93, 63, 100}, {0x83, 63, 0},
                    {0x93, 70, 100}, {0x83, 70, 0},   {0x83, 40, 0}};
    }
    ASSERT_TRUE(module.WaitReceived(expected.size(), 3s)) << module.Received().size() << " of " << expected.size();
    std::this_thread::sleep_for(30ms);  // nothing more may follow
    EXPECT_EQ(module.Received(), expected);
    EXPECT_EQ(image.Part(0, 1, ppVolume).Value, 90);
}

}  // namespace
}  // namespace veka::test
