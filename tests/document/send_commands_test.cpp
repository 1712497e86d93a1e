// Send All and Panic without a window: what reaches the module and what the user is told.
#include <gtest/gtest.h>

#include <algorithm>

#include "document/scripted_prompts.h"
#include "document/send_commands.h"
#include "midi/midi_fixture.h"
#include "module/user_messages.h"

namespace veka {
namespace {

class SendCommandsTest : public ::testing::Test {
protected:
    test::TMidiFixture Midi{mtSC8850, 1};  // ports A and B
    test::TScriptedPrompts Prompts;
    test::TRecordingFrame Frame;
    void SetUp() override { Midi.Image->Language = TLanguage::English; }
};

TEST_F(SendCommandsTest, SendAllReachesTheModuleAndSaysItIsDoneOrHowFarItCame) {
    Midi.Image->SetPartValue(1, 4, 45, ppVolume);
    Midi.Module->ClearReceived();
    RunSendAll(Midi.Tx(), false, Prompts, Frame);
    EXPECT_EQ(Prompts.Informed, std::vector<std::string>{std::string(UserMessage(100, TLanguage::English))});
    const auto& a = Midi.Image->Part(1, 4, ppVolume).Address.Bytes;
    EXPECT_EQ(Midi.Module->Memory(1, a[0], a[1], a[2]), 45);
    EXPECT_TRUE(Frame.Log.empty());

    // The Stop button during the waits: the status line says how many went and where.
    int waits = 0;
    Midi.Clock.Process = [&] {
        Midi.Session->Process();
        if (++waits == 10) Midi.Tx().RequestStop();
    };
    Midi.Image->Language = TLanguage::Japanese;
    RunSendAll(Midi.Tx(), false, Prompts, Frame);
    ASSERT_EQ(Frame.Log.size(), 1u);
    EXPECT_EQ(Frame.Log[0].rfind("status Send All を中止しました: ", 0), 0u) << Frame.Log[0];
    EXPECT_EQ(Prompts.Informed.size(), 1u);
    EXPECT_TRUE(Prompts.Warnings.empty());
    Midi.Clock.Process = [this] { Midi.Session->Process(); };  // the counter goes with this scope
}

TEST_F(SendCommandsTest, APortGoneInTheMiddleOfSendAllIsNamedWithHowFarItCame) {
    Midi.Image->SetPartValue(1, 4, 45, ppVolume);  // Port B has something to hear
    int waits = 0;
    Midi.Clock.Process = [&] {
        Midi.Session->Process();
        if (++waits == 30) Midi.Tx().Port(1).Close();  // as when its interface is unplugged
    };
    RunSendAll(Midi.Tx(), false, Prompts, Frame);
    Midi.Clock.Process = [this] { Midi.Session->Process(); };
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    const std::string& warning = Prompts.Warnings[0];
    EXPECT_EQ(warning.rfind(std::string(UserMessage(90, TLanguage::English)), 0), 0u) << warning;
    EXPECT_NE(warning.find("Port B (Virtual Module Port B) is gone. "), std::string::npos) << warning;
    EXPECT_EQ(warning.find("Port A"), std::string::npos) << warning;
    const std::string sent = std::to_string(Midi.Tx().SentMessages()) + " messages sent";
    EXPECT_NE(warning.find(sent), std::string::npos) << warning;
    EXPECT_GT(Midi.Tx().SentMessages(), 0);
    EXPECT_TRUE(Prompts.Informed.empty());
}

TEST_F(SendCommandsTest, AFailedSendIsToldAndPanicStillReachesThePortsThatAreThere) {
    Midi.Tx().Port(0).Close();  // as when the interface is unplugged
    RunSendAll(Midi.Tx(), false, Prompts, Frame);
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_EQ(Prompts.Warnings[0].rfind(std::string(UserMessage(90, TLanguage::English)), 0), 0u);

    Midi.Module->ClearReceived();
    RunPanic(Midi.Tx(), Prompts, Frame);
    EXPECT_EQ(Frame.Log.back(), "status Panic: All Sound Off sent on every channel");
    const auto received = Midi.Sent(1);
    const auto soundOff = std::count_if(received.begin(), received.end(), [](const std::vector<uint8_t>& m) {
        return m.size() == 3 && (m[0] & 0xF0) == 0xB0 && m[1] == 120;
    });
    EXPECT_EQ(soundOff, 16);
    EXPECT_EQ(Prompts.Warnings.size(), 1u);
}

}  // namespace
}  // namespace veka
