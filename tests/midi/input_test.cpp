#include <gtest/gtest.h>

#include "midi_fixture.h"

namespace veka {
namespace {

using test::Bytes;
using test::TMidiFixture;

void Feed(TMidiInput& input, std::initializer_list<int> bytes) {
    const std::vector<uint8_t> b = Bytes(bytes);
    input.Receive(0.001, b.data(), b.size());
}

TEST(MidiInput, RingDropsClockAndSensingCutsLongExclusivesAndOverflows) {
    TMidiFixture f;
    TMidiInput& in = f.Session->Input;
    Feed(in, {0xFE});
    Feed(in, {0xF8});
    Feed(in, {0x90, 60, 100});
    EXPECT_EQ(in.PendingCount(), 1u);
    const auto note = in.NextEvent();
    ASSERT_TRUE(note);
    EXPECT_EQ(note->Status, 0x90);
    EXPECT_EQ(note->Data1, 60);
    EXPECT_EQ(note->Data2, 100);
    EXPECT_FALSE(in.NextEvent());

    std::vector<uint8_t> big(5000, 0x11);
    big.front() = 0xF0;
    big.back() = 0xF7;
    in.Receive(0, big.data(), big.size());
    const auto sysex = in.NextEvent();
    ASSERT_TRUE(sysex);
    EXPECT_EQ(sysex->Status, 0xF0);
    EXPECT_EQ(sysex->Sysex.size(), size_t(in.SysexBufferSize()));  // cut to the buffer

    in.SetSysexOnly(true);
    Feed(in, {0xB0, 7, 100});
    EXPECT_EQ(in.PendingCount(), 0u);
    in.SetSysexOnly(false);

    // A full ring loses the new event and says so, nothing else.
    int overflows = 0;
    in.OnOverflow = [&] { ++overflows; };
    for (int i = 0; i < 5000; ++i) Feed(in, {0xB0, 1, i & 0x7F});
    EXPECT_EQ(in.PendingCount(), 4096u);
    EXPECT_EQ(in.LostCount(), 5000u - 4096u);
    in.OnMidiInput = nullptr;
    in.DispatchNotices();
    EXPECT_EQ(overflows, 1);
    EXPECT_EQ(in.NextEvent()->Data2, 0);  // the oldest stayed
    // All exclusive buffers in use: the next exclusive is lost, a taken one frees its buffer.
    while (in.NextEvent()) {
    }
    const uint8_t small[] = {0xF0, 0x41, 0xF7};
    for (int i = 0; i < in.SysexBufferCount() + 1; ++i) in.Receive(0, small, sizeof small);
    EXPECT_EQ(in.PendingCount(), size_t(in.SysexBufferCount()));
    in.NextEvent();
    in.Receive(0, small, sizeof small);
    EXPECT_EQ(in.PendingCount(), size_t(in.SysexBufferCount()));
    in.Close();
    EXPECT_FALSE(in.NextEvent());
    EXPECT_EQ(in.PendingCount(), 0u);
}

TEST(InputRouter, ThruFollowsTheNoteTableAndNeverPassesProgramChanges) {
    TMidiFixture f;
    TInputRouter& router = f.Session->Router;
    TMidiInput& in = f.Session->Input;
    int lamp = 0;
    std::vector<std::pair<int, bool>> keys;
    router.OnInputLamp = [&] { ++lamp; };
    router.OnKey = [&](int note, bool down) { keys.emplace_back(note, down); };

    // Thru off: consumed and dropped, the lamp still flashes.
    Feed(in, {0x90, 60, 100});
    in.DispatchNotices();
    EXPECT_EQ(lamp, 1);
    EXPECT_TRUE(f.Sent(0).empty());

    router.Thru = true;
    f.Session->Focus.Part = 3;
    f.Session->Focus.Channel = 2;
    Feed(in, {0x90, 60, 100});
    in.DispatchNotices();
    f.Session->Focus.Channel = 7;  // the user moved to another part meanwhile
    Feed(in, {0x80, 60, 0});
    Feed(in, {0x90, 62, 90});
    Feed(in, {0x90, 62, 0});
    Feed(in, {0xC0, 5, 0});
    Feed(in, {0xB0, 1, 64});
    Feed(in, {0xF0, 0x41, 0xF7});  // no request running: dropped
    in.DispatchNotices();
    EXPECT_EQ(f.Sent(0), (std::vector<std::vector<uint8_t>>{Bytes({0x92, 60, 100}), Bytes({0x82, 60, 0}),
                                                            Bytes({0x97, 62, 90}), Bytes({0x97, 62, 0}),
                                                            Bytes({0xB7, 1, 64})}));
    EXPECT_EQ(keys, (std::vector<std::pair<int, bool>>{{60, true}, {60, false}, {62, true}, {62, false}}));
    // A note-off whose note-on never passed has no part: nothing is sent.
    Feed(in, {0x80, 70, 0});
    in.DispatchNotices();
    EXPECT_EQ(f.Sent(0).size(), 5u);
}

}  // namespace
}  // namespace veka
