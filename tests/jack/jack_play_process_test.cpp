// veka4-cli play against two independent JACK clients, one a port: every note arrives, in order,
// at the frame the song's tempo map gives it (through a tempo change), and Ctrl+C ends every
// note and the sustain.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "jack_peer.h"
#include "temp_dir.h"
#include "veka_process.h"
#include "process_home.h"
#include "x_server.h"
#include "document/settings.h"
#include "midi/midi_devices.h"
#include "midi/midi_session.h"

namespace veka::test {
namespace {

using namespace std::chrono_literals;

constexpr int kTimeBase = 480;
constexpr int64_t kTempoChangeTick = 4 * kTimeBase;  // 120 beats per minute, then 160 from beat 5
constexpr int kNotes = 100;                          // a port
constexpr int kStep = 60;                            // ticks from one note to the next

int64_t SongMicroseconds(int64_t tick) {
    if (tick < kTempoChangeTick) return tick * 500000 / kTimeBase;
    return kTempoChangeTick * 500000 / kTimeBase + (tick - kTempoChangeTick) * 375000 / kTimeBase;
}

void PutVlq(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value);
    while (n-- > 0) out.push_back(uint8_t(bytes[n] | (n > 0 ? 0x80 : 0)));
}

void PutTrack(std::vector<uint8_t>& file, const std::vector<uint8_t>& events) {
    const uint32_t size = uint32_t(events.size());
    file.insert(file.end(), {'M', 'T', 'r', 'k', uint8_t(size >> 24), uint8_t(size >> 16), uint8_t(size >> 8), uint8_t(size)});
    file.insert(file.end(), events.begin(), events.end());
}

// The key of port p's i-th note: the ports' keys apart, a run of 40 keys over and over.
uint8_t Key(int port, int i) { return uint8_t(30 + port * 50 + i % 40); }

// A format 1 song: a conductor track with the tempo change, and one track a port, its notes
// interleaved with the other's (port B's half a step later); a sustain held over port A.
std::vector<uint8_t> TwoPortSong() {
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 3, kTimeBase >> 8, kTimeBase & 0xFF};
    std::vector<uint8_t> conductor;
    PutVlq(conductor, 0);
    conductor.insert(conductor.end(), {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});  // 500000
    PutVlq(conductor, 0);
    conductor.insert(conductor.end(), {0xFF, 0x58, 0x04, 4, 2, 24, 8});
    PutVlq(conductor, uint32_t(kTempoChangeTick));
    conductor.insert(conductor.end(), {0xFF, 0x51, 0x03, 0x05, 0xB8, 0xD8});  // 375000
    PutVlq(conductor, 0);
    conductor.insert(conductor.end(), {0xFF, 0x2F, 0x00});
    PutTrack(file, conductor);
    for (int port = 0; port < 2; ++port) {
        std::vector<uint8_t> track;
        PutVlq(track, 0);
        track.insert(track.end(), {0xFF, 0x21, 0x01, uint8_t(port)});
        PutVlq(track, 0);
        track.insert(track.end(), {uint8_t(0xC0 | port), uint8_t(port)});
        int64_t last = 0;
        const int64_t offset = port * kStep / 2;
        for (int i = 0; i < kNotes; ++i) {
            const int64_t on = offset + int64_t(i) * kStep;
            PutVlq(track, uint32_t(on - last));
            track.insert(track.end(), {uint8_t(0x90 | port), Key(port, i), 100});
            PutVlq(track, kStep / 3);
            track.insert(track.end(), {uint8_t(0x80 | port), Key(port, i), 0});
            last = on + kStep / 3;
            if (port == 0 && i == 1) {
                PutVlq(track, 0);
                track.insert(track.end(), {0xB0, 64, 127});
            }
        }
        PutVlq(track, 0);
        track.insert(track.end(), {0xFF, 0x2F, 0x00});
        PutTrack(file, track);
    }
    return file;
}

class JackPlayProcess : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string absence = TJackPeer::ServerAbsence();
        if (!absence.empty()) GTEST_SKIP() << absence;
        A = std::make_unique<TJackPeer>("veka-test-play-a");
        B = std::make_unique<TJackPeer>("veka-test-play-b");
        std::filesystem::create_directories(Dir / "home");
        std::filesystem::create_directories(Dir / "run");
        std::filesystem::permissions(Dir / "run", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        const auto bytes = TwoPortSong();
        std::ofstream(Dir / "SONG.mid", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                  std::streamsize(bytes.size()));
    }
    std::vector<std::string> Arguments() const {
        return {"play", Dir / "SONG.mid", "--out", "A=" + A->InputName() + ",B=" + B->InputName()};
    }
    std::string Log() const { return Dir / "cli.log"; }
    std::string Said() const {
        std::ifstream in(Log());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TTempDir Dir;
    std::unique_ptr<TJackPeer> A, B;
};

struct TArrival {
    uint8_t Key;
    int64_t Frame;  // relative to the first arrival of either port
    int64_t Due;    // the song's time in frames
};

// One play of the song to both peers: every note in order on each port, and the arrivals'
// distance from the song's schedule in milliseconds, sorted.
// What each peer received from fromA and fromB on. programChange: the song's program change
// came first (the window takes it into the setup instead).
std::vector<double> Measure(TJackPeer& a, TJackPeer& b, size_t fromA, size_t fromB, bool programChange) {
    const double rate = a.SampleRate();
    std::vector<TArrival> arrivals;
    uint32_t first = 0;
    bool any = false;
    for (int port = 0; port < 2; ++port) {
        TJackPeer& peer = port == 0 ? a : b;
        const auto& got = peer.Received();
        const auto& frames = peer.ReceivedFrames();
        std::vector<uint8_t> ons, offs;
        const size_t from = port == 0 ? fromA : fromB;
        for (size_t i = from; i < got.size(); ++i) {
            const auto& m = got[i];
            if (m.size() == 3 && (m[0] & 0xF0) == 0x90 && m[2] > 0) {
                // The notes are checked to come in order below: the n-th is the song's n-th.
                const int index = int(ons.size());
                ons.push_back(m[1]);
                const int64_t tick = port * kStep / 2 + int64_t(index) * kStep;
                arrivals.push_back({m[1], frames[i], std::llround(SongMicroseconds(tick) * rate / 1e6)});
                if (!any || int32_t(frames[i] - first) < 0) first = frames[i];
                any = true;
            } else if (m.size() == 3 && ((m[0] & 0xF0) == 0x80 || (m[0] & 0xF0) == 0x90)) {
                offs.push_back(m[1]);
            }
        }
        std::vector<uint8_t> keys;
        for (int i = 0; i < kNotes; ++i) keys.push_back(Key(port, i));
        EXPECT_EQ(ons, keys) << "port " << port;
        EXPECT_EQ(offs, keys) << "port " << port;
        // The program change came first.
        EXPECT_GT(got.size(), from);
        if (programChange && got.size() > from) {
            EXPECT_EQ(got[from], (std::vector<uint8_t>{uint8_t(0xC0 | port), uint8_t(port)}));
        }
    }
    EXPECT_EQ(arrivals.size(), size_t(2 * kNotes));
    if (arrivals.empty()) return {1e9};
    // Both clocks start somewhere: compare distances from the song's start, through the median.
    std::vector<int64_t> offsets;
    for (TArrival& arrival : arrivals) {
        arrival.Frame = int32_t(uint32_t(arrival.Frame) - first);
        offsets.push_back(arrival.Frame - arrival.Due);
    }
    std::vector<int64_t> sorted = offsets;
    std::sort(sorted.begin(), sorted.end());
    const int64_t median = sorted[sorted.size() / 2];
    std::vector<double> errors;
    for (const int64_t offset : offsets) errors.push_back(std::abs(double(offset - median)) * 1000.0 / rate);
    std::sort(errors.begin(), errors.end());
    return errors;
}

std::vector<double> PlayAndMeasure(const std::vector<std::string>& arguments, const std::string& home,
                                   const std::string& run, const std::string& log, TJackPeer& a, TJackPeer& b) {
    const size_t fromA = a.Received().size(), fromB = b.Received().size();
    TVekaProcess cli(arguments, home, run, log, {}, {}, VEKA_CLI);
    EXPECT_TRUE(cli.Started());
    EXPECT_EQ(cli.Wait(60s), 0);
    a.WaitCycles(4, 2s);
    return Measure(a, b, fromA, fromB, true);
}

// Plays of the song, judged on their timing: the 99th percentile of the best play within a
// millisecond. The dummy driver's frame clock is the machine's: a cycle it missed (an xrun the
// peers saw) moves every later frame, which no output can make up for, so such a play is not
// judged and the song is played again (five plays at most). When the driver missed cycles in
// every play the timing cannot be judged on this machine: the test says so and is skipped.
void JudgeTiming(const char* label, TJackPeer& a, TJackPeer& b, const std::function<std::vector<double>()>& play,
                 const std::function<std::string()> said) {
    double best = 1e9;
    int judged = 0;
    uint64_t missed = 0;
    for (int attempt = 1; attempt <= 5 && best > 1.0; ++attempt) {
        const uint64_t xrunsBefore = a.Xruns() + b.Xruns();
        const auto errors = play();
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << said();
            return;
        }
        const uint64_t xruns = a.Xruns() + b.Xruns() - xrunsBefore;
        const double p99 = errors[size_t(std::ceil(0.99 * double(errors.size()))) - 1];
        std::printf("%s %d: note arrival against the song's schedule: 99th percentile %.3f ms, worst %.3f ms "
                    "(%zu notes, %llu xruns)\n",
                    label, attempt, p99, errors.back(), errors.size(), static_cast<unsigned long long>(xruns));
        ::testing::Test::RecordProperty(std::string(label) + "_p99_ms_" + std::to_string(attempt), std::to_string(p99));
        if (xruns > 0) {
            missed += xruns;
            continue;
        }
        ++judged;
        best = std::min(best, p99);
    }
    if (judged == 0)
        GTEST_SKIP() << "the JACK server's driver missed cycles in every play (" << missed
                     << " xruns): the timing cannot be judged here";
    EXPECT_LE(best, 1.0);
}

size_t NoteOns(TJackPeer& peer, size_t from) {
    size_t count = 0;
    const auto& got = peer.Received();
    for (size_t i = from; i < got.size(); ++i)
        if (got[i].size() == 3 && (got[i][0] & 0xF0) == 0x90 && got[i][2] > 0) ++count;
    return count;
}

TEST_F(JackPlayProcess, EveryNoteOfBothPortsArrivesInOrderWithinAMillisecondOfTheSongsSchedule) {
    JudgeTiming("play", *A, *B, [&] { return PlayAndMeasure(Arguments(), Dir / "home", Dir / "run", Log(), *A, *B); },
                [&] { return Said(); });
}

TEST_F(JackPlayProcess, CtrlCStopsWithEveryNoteAndTheSustainEndedOnEveryChannelOfBothPorts) {
    TVekaProcess cli(Arguments(), Dir / "home", Dir / "run", Log(), {}, {}, VEKA_CLI);
    ASSERT_TRUE(cli.Started());
    // Into the song: some notes of both ports heard, the sustain of port A down.
    ASSERT_TRUE(B->WaitReceived(24, 20s)) << Said();
    kill(cli.Pid(), SIGINT);
    ASSERT_EQ(cli.Wait(20s), 130) << Said();
    EXPECT_NE(Said().find("every note ended"), std::string::npos) << Said();
    A->WaitCycles(4, 2s);
    for (int port = 0; port < 2; ++port) {
        TJackPeer& peer = port == 0 ? *A : *B;
        std::vector<int> sounding(128, 0);
        std::vector<bool> sustainOff(16, false), allOff(16, false);
        int ons = 0;
        for (const auto& m : peer.Received()) {
            if (m.size() != 3) continue;
            const int kind = m[0] & 0xF0, channel = m[0] & 0x0F;
            if (kind == 0x90 && m[2] > 0) {
                ++sounding[m[1]];
                ++ons;
                std::fill(sustainOff.begin(), sustainOff.end(), false);
                std::fill(allOff.begin(), allOff.end(), false);
            } else if (kind == 0x80 || kind == 0x90) {
                sounding[m[1]] = std::max(0, sounding[m[1]] - 1);
            } else if (kind == 0xB0 && m[1] == 64) {
                sustainOff[size_t(channel)] = m[2] < 64;
            } else if (kind == 0xB0 && m[1] == 123) {
                allOff[size_t(channel)] = true;
            }
        }
        SCOPED_TRACE(port);
        std::string tail;
        for (const auto& m : peer.Received()) {
            char text[16];
            std::snprintf(text, sizeof text, "%02X %02X %02X\n", m[0], m.size() > 1 ? m[1] : 0, m.size() > 2 ? m[2] : 0);
            tail += text;
        }
        SCOPED_TRACE(tail);
        EXPECT_GT(ons, 0);
        EXPECT_LT(ons, kNotes);  // stopped before the end
        EXPECT_EQ(std::count(sounding.begin(), sounding.end(), 0), 128);
        EXPECT_EQ(std::count(sustainOff.begin(), sustainOff.end(), true), 16);
        EXPECT_EQ(std::count(allOff.begin(), allOff.end(), true), 16);
    }
}

// The same song read by the program and played from its window's transport bar: the notes of both
// ports arrive in order and on time, as from the command line.
TEST_F(JackPlayProcess, TheWindowsTransportPlaysEveryNoteInOrderWithinAMillisecondToo) {
    if (std::system("command -v Xvfb >/dev/null && command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "Xvfb or xdotool is not installed";
    TXServer x;
    ASSERT_TRUE(x.Ready()) << "Xvfb did not start";
    TMidiDevices::Instance().Refresh();
    const int outA = FindDevice(TMidiDevices::Instance().Outputs(), A->InputName());
    const int outB = FindDevice(TMidiDevices::Instance().Outputs(), B->InputName());
    ASSERT_GE(outA, 0);
    ASSERT_GE(outB, 0);
    {
        TSettings settings(Dir.Path / "home" / "Veka.ini");
        settings.WriteInteger("setting", "max part", 1);
        settings.WriteInteger("midiport", "midiout 0", outA);
        settings.WriteString("midiport", "driver name : out1", TMidiDevices::Instance().Outputs()[size_t(outA)].Name);
        settings.WriteInteger("midiport", "midiout 1", outB);
        settings.WriteString("midiport", "driver name : out2", TMidiDevices::Instance().Outputs()[size_t(outB)].Name);
        settings.WriteBool("other option", "2", false);
    }
    // The song given at the start is read: its setup goes to the module, the rest is the song to play.
    const std::string log = Dir / "gui.log";
    TVekaProcess program({Dir / "SONG.mid"}, Dir / "home", Dir / "run", log, x.Display());
    ASSERT_TRUE(program.Started());
    const std::string window = x.Tool("search --sync --onlyvisible --name \"^Veka 4\"");
    ASSERT_FALSE(window.empty()) << ReadText(log);
    // The setup's Send All is over once the ports stay quiet for a while.
    for (size_t seen = SIZE_MAX; seen != A->Received().size() + B->Received().size();) {
        seen = A->Received().size() + B->Received().size();
        std::this_thread::sleep_for(1500ms);
    }
    x.Tool("windowfocus --sync " + window);
    std::this_thread::sleep_for(300ms);
    JudgeTiming(
        "window play", *A, *B,
        [&] {
            const size_t fromA = A->Received().size(), fromB = B->Received().size();
            // The transport bar's play button, the first on the bar under the toolbars.
            x.Tool("mousemove --window " + window + " 29 77 click 1");
            const auto end = std::chrono::steady_clock::now() + 30s;
            while ((NoteOns(*A, fromA) < size_t(kNotes) || NoteOns(*B, fromB) < size_t(kNotes)) &&
                   std::chrono::steady_clock::now() < end)
                A->WaitReceived(A->Received().size() + 1, 100ms);
            // The last note-offs; then the song has ended and the button plays it again from the start.
            std::this_thread::sleep_for(1s);
            return Measure(*A, *B, fromA, fromB, false);
        },
        [&] { return ReadText(log); });
    program.Terminate();
    EXPECT_EQ(program.Wait(20s), 0) << ReadText(log);
}

}  // namespace
}  // namespace veka::test
