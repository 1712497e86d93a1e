// veka4 as a process on a real JACK port: a setup named on the command line is read and sent
// (Send All) to Port A, and a second start hands its setup over to the first, which sends it
// too. The far end is a JACK client of the test's own; every wait has a deadline.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "jack_peer.h"
#include "veka_process.h"
#include "process_home.h"
#include "x_server.h"
#include "midi/midi_devices.h"
#include "midi/midi_session.h"
#include "module/difference_list.h"
#include "module/exclusive.h"
#include "module/image.h"
#include "module/setup_file.h"
#include "document/settings.h"
#include "temp_dir.h"

extern char** environ;

namespace veka::test {
namespace {

using namespace std::chrono_literals;

std::string WriteSetup(const std::string& path, int masterVolume) {
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    image.SetSystemValue(2, masterVolume);
    image.SetPartValue(0, 3, masterVolume / 2, ppVolume);
    return WriteWholeSetupFile(image, path).Ok() ? path : std::string();
}

TEST(JackProcess, ASetupOnTheCommandLineAndAHandedOverOneAreSentToAJackPort) {
    const std::string absence = TJackPeer::ServerAbsence();
    if (absence.empty() == false) GTEST_SKIP() << absence;
    TTempDir dir;
    const std::string home = dir / "home", runtime = dir / "run";
    TJackPeer peer("veka-process-peer");
    ASSERT_TRUE(PrepareHome(home, runtime, peer)) << peer.InputName();
    const std::string first = WriteSetup(dir / "SETUP.ga4", 90), second = WriteSetup(dir / "OTHER.ga4", 55);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    const std::array<uint8_t, 3> masterVolume{0x40, 0x00, 0x04};
    const std::array<uint8_t, 3> partVolume = TVGS(VEKA_TEST_DEFAULT_DIR).Part(0, 3, ppVolume).Address.Bytes;

    TVekaProcess program({first}, home, runtime, dir / "first.log");
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(WaitFor(peer, masterVolume, 90, 30s)) << "the command line's setup did not reach the port";
    EXPECT_TRUE(WaitFor(peer, partVolume, 45, 10s));
    // A second start hands its setup to the first and leaves; the first reads and sends it.
    TVekaProcess handOver({second}, home, runtime, dir / "second.log");
    ASSERT_TRUE(handOver.Started());
    EXPECT_EQ(handOver.Wait(20s), 0);
    EXPECT_TRUE(WaitFor(peer, masterVolume, 55, 30s)) << "the handed-over setup did not reach the port";
    EXPECT_TRUE(WaitFor(peer, partVolume, 27, 10s));
    // No byte of an exclusive message the program sent is 80 hex or more.
    for (const auto& m : peer.Received()) {
        if (m.empty() || m[0] != 0xF0) continue;
        for (size_t i = 1; i + 1 < m.size(); ++i) EXPECT_LT(m[i], 0x80);
    }
    program.Terminate();
    EXPECT_EQ(program.Wait(20s), 0) << ReadText(dir / "first.log");
}

// A setup changed and never saved survives a kill: the next start offers it (the process's
// questions are answered with their default button, here "restore") and sends it to the port.
TEST(JackProcess, AnUnsavedSetupSurvivesAKillAndIsRestoredAtTheNextStart) {
    const std::string absence = TJackPeer::ServerAbsence();
    if (absence.empty() == false) GTEST_SKIP() << absence;
    TTempDir dir;
    const std::string home = dir / "home", runtime = dir / "run";
    TJackPeer peer("veka-recovery-peer");
    ASSERT_TRUE(PrepareHome(home, runtime, peer)) << peer.InputName();
    // A reverb preset read on top of the power-on setup: an unsaved change.
    const std::string preset = dir / "Hall.rev";
    {
        TVGS image(VEKA_TEST_DEFAULT_DIR);
        image.SetSystemValue(9, 111);  // Reverb Time
        ASSERT_TRUE(WriteEffectPreset(image, TSystemGroup::Reverb, preset).Ok());
    }
    const std::array<uint8_t, 3> reverbTime = TVGS(VEKA_TEST_DEFAULT_DIR).System(9).Address.Bytes;
    const std::string recovery = home + "/Veka.recovery";
    {
        // The edited run plays the virtual module and reaches no JACK server: a client killed
        // in the middle of a cycle would stall the server for the tests after this one.
        TSettings settings(home + "/Veka.ini");
        settings.WriteInteger("midiport", "midiout 0", 0);
        settings.WriteString("midiport", "driver name : out1", "Virtual Module Port A");
        TVekaProcess program({"--virtual-module", preset}, home, runtime, dir / "edit.log", {},
                             {"JACK_DEFAULT_SERVER=veka-test-absent"});
        ASSERT_TRUE(program.Started());
        const auto end = std::chrono::steady_clock::now() + 30s;
        while (!std::filesystem::exists(recovery) && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(50ms);
        ASSERT_TRUE(std::filesystem::exists(recovery)) << ReadText(dir / "edit.log");
        program.Kill();
    }
    ASSERT_TRUE(PrepareHome(home, runtime, peer));  // Port A on the peer again
    const size_t before = peer.Received().size();
    TVekaProcess restart({}, home, runtime, dir / "restart.log");
    ASSERT_TRUE(restart.Started());
    const auto end = std::chrono::steady_clock::now() + 30s;
    bool sent = false;
    while (!sent && std::chrono::steady_clock::now() < end) {
        peer.WaitReceived(peer.Received().size() + 1, 100ms);
        const auto& received = peer.Received();
        sent = Holds(std::vector<std::vector<uint8_t>>(received.begin() + std::ptrdiff_t(before), received.end()),
                     reverbTime, 111);
    }
    EXPECT_TRUE(sent) << "the restored setup did not reach the port\n" << ReadText(dir / "restart.log");
    const std::string log = ReadText(dir / "restart.log");
    EXPECT_NE(log.find("Restore it?"), std::string::npos) << log;
    // Told to quit with the setup still unsaved: no question, the setup stays kept.
    restart.Terminate();
    EXPECT_EQ(restart.Wait(20s), 0) << ReadText(dir / "restart.log");
    EXPECT_TRUE(std::filesystem::exists(recovery));
    EXPECT_EQ(ReadText(dir / "restart.log").find("Save it?"), std::string::npos);
}


// The messages of the peer that are channel messages (no exclusive), from index from on.
std::vector<std::vector<uint8_t>> ChannelMessages(TJackPeer& peer, size_t from = 0) {
    std::vector<std::vector<uint8_t>> found;
    const auto& received = peer.Received();
    for (size_t i = from; i < received.size(); ++i)
        if (!received[i].empty() && received[i][0] < 0xF0) found.push_back(received[i]);
    return found;
}

bool WaitForChannelMessages(TJackPeer& peer, size_t count, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (ChannelMessages(peer).size() >= count) return true;
        peer.WaitReceived(peer.Received().size() + 1, 100ms);
    }
    return ChannelMessages(peer).size() >= count;
}

// The computer keyboard under a real X server: keys typed with xdotool play the part on the
// JACK port, the X server's auto-repeat of a held key restarts nothing, and a key still held
// when the program is told to quit gets its note-off before the program ends.
TEST(JackProcess, KeysTypedOnTheXServerPlayOnTheJackPortAndNoNoteOutlivesTheProgram) {
    const std::string absence = TJackPeer::ServerAbsence();
    if (absence.empty() == false) GTEST_SKIP() << absence;
    if (std::system("command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xset >/dev/null") != 0)
        GTEST_SKIP() << "Xvfb, xdotool or xset is not installed";
    TXServer x;
    ASSERT_TRUE(x.Ready()) << "Xvfb did not start";
    // A held key repeats after 200 ms, 30 times a second.
    x.Run("xset r on r rate 200 30");
    ASSERT_NE(x.Run("xset q", "auto repeat:  on").find("auto repeat:  on"), std::string::npos);
    TTempDir dir;
    const std::string home = dir / "home", runtime = dir / "run";
    TJackPeer peer("veka-keys-peer");
    ASSERT_TRUE(PrepareHome(home, runtime, peer)) << peer.InputName();
    TSettings(home + "/Veka.ini").WriteBool("other option", "3", true);  // the letters play

    TVekaProcess program({}, home, runtime, dir / "keys.log", x.Display());
    ASSERT_TRUE(program.Started());
    const std::string window = x.Tool("search --sync --onlyvisible --name \"^Veka 4\"");
    ASSERT_FALSE(window.empty()) << ReadText(dir / "keys.log");
    x.Tool("windowfocus --sync " + window);
    std::this_thread::sleep_for(300ms);  // the program takes the focus
    x.Tool("key --delay 100 a");
    ASSERT_TRUE(WaitForChannelMessages(peer, 2, 10s)) << ReadText(dir / "keys.log");
    EXPECT_EQ(ChannelMessages(peer), (std::vector<std::vector<uint8_t>>{{0x90, 60, 100}, {0x80, 60, 0}}));

    // Held well past the X server's repeat delay: still one note.
    x.Tool("keydown s");
    ASSERT_TRUE(WaitForChannelMessages(peer, 3, 10s));
    std::this_thread::sleep_for(1200ms);
    EXPECT_EQ(ChannelMessages(peer, 0).size(), 3u);
    program.Terminate();
    EXPECT_EQ(program.Wait(20s), 0) << ReadText(dir / "keys.log");
    x.Tool("keyup s");
    ASSERT_TRUE(WaitForChannelMessages(peer, 4, 3s));
    EXPECT_EQ(ChannelMessages(peer), (std::vector<std::vector<uint8_t>>{
                                         {0x90, 60, 100}, {0x80, 60, 0}, {0x90, 62, 100}, {0x80, 62, 0}}));
}

}  // namespace
}  // namespace veka::test
