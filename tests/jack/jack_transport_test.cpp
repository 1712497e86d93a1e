// Real MIDI through a JACK server: the program's ports (RtMidi) against a client of our own.
// Each test skips itself when no server answers; every wait has a deadline.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>

#include "jack_peer.h"
#include "midi/midi_session.h"
#include "module/exclusive.h"
#include "module/image.h"

namespace veka::test {
namespace {

using namespace std::chrono_literals;

class JackTransport : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string absence = TJackPeer::ServerAbsence();
        if (!absence.empty()) GTEST_SKIP() << absence;
    }
};

std::string Describe(const TJackPeer& peer) {
    return "peer cycles " + std::to_string(peer.Cycles()) + ", xruns " + std::to_string(peer.Xruns()) +
           ", record overflows " + std::to_string(peer.RecordOverflows()) + ", oversize drops " +
           std::to_string(peer.OversizeDrops()) + ", port buffer " + std::to_string(peer.PortBufferBytes());
}

// Data of every length from nothing to past the 255-byte cut, with values above 7F among them.
std::vector<std::vector<uint8_t>> DataSets() {
    std::vector<std::vector<uint8_t>> sets;
    for (size_t length : {0, 1, 2, 4, 33, 127, 128, 200, 244, 245, 246, 400}) {
        std::vector<uint8_t> data(length);
        for (size_t i = 0; i < length; ++i) data[i] = uint8_t(i * 37 + length);
        sets.push_back(std::move(data));
    }
    return sets;
}

TEST_F(JackTransport, FramedExclusiveMessagesArriveWholeAndInOrder) {
    TJackPeer module("veka-test-module");
    TMidiDevices::Instance().Refresh();
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    TSteadyPumpWait wait;  // the real 7 ms after each message
    TTransmitter transmitter(image, wait);
    TMidiOutput& port = transmitter.Port(0);
    ASSERT_NO_THROW(port.SetProductName(module.InputName()));
    ASSERT_TRUE(port.Open()) << port.LastError();

    std::vector<std::vector<uint8_t>> expected;
    const auto sets = DataSets();
    for (size_t i = 0; i < sets.size(); ++i) {
        const std::array<uint8_t, 3> address = {0x40, uint8_t(0x10 + i % 16), uint8_t(i)};
        expected.push_back(BuildDT1(image.DeviceId, address, sets[i]));
        EXPECT_EQ(transmitter.SendSysx(0, address, sets[i]), HexText(expected.back(), THexSpacing::Blank));
    }

    ASSERT_TRUE(module.WaitReceived(expected.size(), 3s))
        << module.Received().size() << " of " << expected.size() << " arrived; " << Describe(module);
    std::this_thread::sleep_for(30ms);  // nothing more may follow
    const auto& received = module.Received();
    ASSERT_EQ(received.size(), expected.size());
    for (size_t i = 0; i < received.size(); ++i) {
        EXPECT_EQ(received[i], expected[i]) << "message " << i;
        ASSERT_GE(received[i].size(), 10u);
        EXPECT_LE(received[i].size(), kMaxSysexLength);
        EXPECT_EQ(received[i].front(), 0xF0);
        EXPECT_EQ(received[i].back(), 0xF7);
        for (size_t b = 1; b + 1 < received[i].size(); ++b) EXPECT_LT(received[i][b], 0x80) << "message " << i;
    }
    EXPECT_EQ(received.back().size(), kMaxSysexLength);  // the cut message fills the limit exactly
}

// RtMidi queues what the cycle cannot take and waits for room: nothing is lost even without
// the pause after each message.
TEST_F(JackTransport, FramedMessagesFasterThanTheCycleAreNotLost) {
    TJackPeer module("veka-test-module");
    TMidiDevices::Instance().Refresh();
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    TFakePumpWait wait;
    TTransmitter transmitter(image, wait);
    ASSERT_NO_THROW(transmitter.Port(0).SetProductName(module.InputName()));
    ASSERT_TRUE(transmitter.Port(0).Open()) << transmitter.Port(0).LastError();

    constexpr size_t kMessages = 1000;  // about eight cycles' worth of port buffer
    std::vector<std::vector<uint8_t>> expected;
    std::vector<uint8_t> data(kMaxSysexLength);
    for (size_t i = 0; i < kMessages; ++i) {
        const std::array<uint8_t, 3> address = {0x41, uint8_t(i >> 7 & 0x7F), uint8_t(i & 0x7F)};
        for (size_t b = 0; b < data.size(); ++b) data[b] = uint8_t((i + b) & 0x7F);
        expected.push_back(BuildDT1(image.DeviceId, address, data));
        transmitter.SendSysx(0, address, data);
    }
    ASSERT_TRUE(module.WaitReceived(kMessages, 5s))
        << module.Received().size() << " of " << kMessages << " arrived; " << Describe(module);
    const auto& received = module.Received();
    ASSERT_EQ(received.size(), kMessages);
    for (size_t i = 0; i < kMessages; ++i) ASSERT_EQ(received[i], expected[i]) << "message " << i;
}

// Every port the program opens is a JACK client of its own, named "Veka", "Veka-01" ..; none
// of them may be offered as a device, or the program could talk to itself.
TEST_F(JackTransport, TheProgramsOwnPortsAreNotListed) {
    TJackPeer module("veka-test-module");
    TMidiDevices::Instance().Refresh();
    TMidiOutput first, second;
    ASSERT_NO_THROW(first.SetProductName(module.InputName()));
    ASSERT_NO_THROW(second.SetProductName(module.InputName()));
    ASSERT_TRUE(first.Open()) << first.LastError();
    ASSERT_TRUE(second.Open()) << second.LastError();
    TMidiInput input;
    ASSERT_NO_THROW(input.SetProductName(module.OutputName()));
    ASSERT_NO_THROW(input.Open());

    TMidiDevices::Instance().Refresh();
    for (const auto* list : {&TMidiDevices::Instance().Outputs(), &TMidiDevices::Instance().Inputs()})
        for (const TMidiDeviceInfo& device : *list) {
            const std::string client = device.Name.substr(0, device.Name.find(':'));
            EXPECT_FALSE(client == "Veka" || (client.rfind("Veka-", 0) == 0 && client.size() > 5 &&
                                               client.find_first_not_of("0123456789", 5) == std::string::npos))
                << device.Name;
        }
    // The peer's ports stay listed.
    EXPECT_NO_THROW(TMidiOutput().SetProductName(module.InputName()));
    EXPECT_NO_THROW(TMidiInput().SetProductName(module.OutputName()));
}

// One message of the burst: a short one whose data bytes carry its sequence number, or an
// exclusive message of 1000 bytes whose bytes do.
std::vector<uint8_t> BurstMessage(int index) {
    if (index % 26 == 25) {
        const int k = index / 26;
        std::vector<uint8_t> sysex(1000);
        sysex.front() = 0xF0;
        sysex[1] = 0x7D;
        sysex[2] = uint8_t(k >> 7 & 0x7F);
        sysex[3] = uint8_t(k & 0x7F);
        for (size_t i = 4; i + 1 < sysex.size(); ++i) sysex[i] = uint8_t((k + i) & 0x7F);
        sysex.back() = 0xF7;
        return sysex;
    }
    const auto channel = uint8_t(index % 16);
    const auto low = uint8_t(index & 0x7F), high = uint8_t(index >> 7 & 0x7F);
    switch (index % 5) {
        case 0: return {uint8_t(0x90 | channel), low, uint8_t(high | 1)};
        case 1: return {uint8_t(0x80 | channel), low, high};
        case 2: return {uint8_t(0xB0 | channel), low, high};
        case 3: return {uint8_t(0xE0 | channel), low, high};
        default: return {uint8_t(0xC0 | channel), low};  // two bytes
    }
}

TEST_F(JackTransport, BurstFromTheFarEndReachesTheInputWithNothingLost) {
    constexpr int kMessages = 5200;  // 5000 short, 200 exclusive of 1000 bytes
    // Far faster than a MIDI cable's 3125 bytes/s, spread over cycles as a real port would.
    TJackPeer keyboard("veka-test-keyboard", {.EventsPerCycle = 128, .BytesPerCycle = 2048});
    TMidiDevices::Instance().Refresh();

    TMidiInput input;
    input.Capacity = 4096;  // as the main window sets it
    input.SetSysexBufferSize(1024);
    // One JACK cycle can carry more exclusive messages than the main window's 16 buffers; the
    // test gives this thread, which shares the machine, a few cycles of slack.
    input.SetSysexBufferCount(64);
    ASSERT_NO_THROW(input.SetProductName(keyboard.OutputName()));
    std::vector<TMyMidiEvent> got;
    bool overflow = false;
    std::atomic<int> wakes{0};
    input.Wake = [&wakes] { wakes.fetch_add(1, std::memory_order_relaxed); };
    input.OnMidiInput = [&] {
        while (auto event = input.NextEvent()) got.push_back(std::move(*event));
    };
    input.OnOverflow = [&overflow] { overflow = true; };
    ASSERT_NO_THROW(input.Open());
    input.Start();
    ASSERT_TRUE(keyboard.WaitOutputConnected(3s)) << Describe(keyboard);

    std::vector<std::vector<uint8_t>> expected;
    int shortCount = 0, sysexCount = 0;
    for (int i = 0; i < kMessages; ++i) {
        expected.push_back(BurstMessage(i));
        (expected.back().front() == 0xF0 ? sysexCount : shortCount)++;
        ASSERT_TRUE(keyboard.Send(expected.back()));
        // Timing clock and active sensing never reach the ring.
        if (i % 100 == 50) {
            ASSERT_TRUE(keyboard.Send({uint8_t(i % 200 == 50 ? 0xF8 : 0xFE)}));
        }
    }
    ASSERT_EQ(shortCount, 5000);
    ASSERT_EQ(sysexCount, 200);

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (got.size() < expected.size() && std::chrono::steady_clock::now() < deadline) {
        input.DispatchNotices();
        std::this_thread::sleep_for(200us);
    }
    EXPECT_TRUE(keyboard.WaitSent(1s));
    std::this_thread::sleep_for(30ms);
    input.DispatchNotices();

    EXPECT_EQ(input.LostCount(), 0u) << Describe(keyboard);
    EXPECT_FALSE(overflow);
    EXPECT_GT(wakes.load(), 0);
    ASSERT_EQ(got.size(), expected.size()) << Describe(keyboard);
    for (size_t i = 0; i < got.size(); ++i) {
        const std::vector<uint8_t>& want = expected[i];
        const TMyMidiEvent& event = got[i];
        if (want.front() == 0xF0) {
            ASSERT_EQ(event.Status, 0xF0) << "message " << i;
            ASSERT_EQ(event.Sysex, want) << "message " << i;
        } else {
            ASSERT_FALSE(event.IsSysex()) << "message " << i;
            ASSERT_EQ(event.Status, want[0]) << "message " << i;
            ASSERT_EQ(event.Data1, want[1]) << "message " << i;
            ASSERT_EQ(event.Data2, want.size() > 2 ? want[2] : 0) << "message " << i;
        }
    }
    // Arrival times come from the driver and never run backwards.
    for (size_t i = 1; i < got.size(); ++i) ASSERT_GE(got[i].Time, got[i - 1].Time) << "message " << i;
}

TEST_F(JackTransport, ThruPassesAKeyboardToTheCurrentPartsChannel) {
    TJackPeer keyboard("veka-test-keyboard");
    TJackPeer module("veka-test-module");
    TMidiDevices::Instance().Refresh();

    TVGS image(VEKA_TEST_DEFAULT_DIR);
    TMidiSession session(image);  // waits on the steady clock, handling the input meanwhile
    ASSERT_NO_THROW(session.Input.SetProductName(keyboard.OutputName()));
    ASSERT_NO_THROW(session.Input.Open());
    session.Input.Start();
    ASSERT_TRUE(keyboard.WaitOutputConnected(3s)) << Describe(keyboard);
    session.Focus.Port = 0;
    TMidiOutput& out = session.Transmitter.Port(0);
    ASSERT_NO_THROW(out.SetProductName(module.InputName()));
    ASSERT_TRUE(out.Open()) << out.LastError();
    session.Router.Thru = true;
    session.Focus.Part = 5;
    session.Focus.Channel = 4;

    auto arrived = [&module](size_t count) {
        return [&module, count] { return module.Received().size() >= count; };
    };
    ASSERT_TRUE(keyboard.Send({0x90, 60, 100}));
    ASSERT_TRUE(keyboard.Send({0xC0, 7}));  // a program change never passes
    ASSERT_TRUE(keyboard.Send({0xB0, 7, 80}));
    ASSERT_TRUE(session.Wait().WaitFor(3000, arrived(2))) << Describe(module);

    // The editor moves to another part while the key is down: the release follows the key.
    session.Focus.Part = 10;
    session.Focus.Channel = 9;
    ASSERT_TRUE(keyboard.Send({0x80, 60, 64}));
    ASSERT_TRUE(keyboard.Send({0xE0, 0, 64}));
    ASSERT_TRUE(session.Wait().WaitFor(3000, arrived(4))) << Describe(module);
    session.Wait().Wait(30);  // nothing more may follow

    const std::vector<std::vector<uint8_t>> expected = {
        {0x94, 60, 100}, {0xB4, 7, 80}, {0x84, 60, 64}, {0xE9, 0, 64}};
    EXPECT_EQ(module.Received(), expected);
}

}  // namespace
}  // namespace veka::test
