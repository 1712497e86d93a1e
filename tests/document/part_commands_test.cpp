// The part commands run without a window: scripted answers, a recording frame, and the virtual
// module hearing what was sent.
#include <gtest/gtest.h>

#include "document/part_commands.h"
#include "document/scripted_prompts.h"
#include "midi/midi_fixture.h"
#include "module/user_messages.h"

namespace veka {
namespace {

using test::TRecordingFrame;
using test::TScriptedPrompts;

class PartCommandsTest : public ::testing::Test {
protected:
    test::TMidiFixture Midi{mtSC8850, 1};  // ports A and B
    TScriptedPrompts Prompts;
    TRecordingFrame Frame;
    TPartFocus& Focus = Midi.Session->Focus;
    int Changes = 0;
    TSubscription Watch = Midi.Image->OnDataChanged.Subscribe([this] { ++Changes; });

    void SetUp() override { Midi.Image->Language = TLanguage::English; }
    bool Run(TPartCommand command) {
        return RunPartCommand(command, *Midi.Image, Midi.Tx(), Focus, Prompts, Frame);
    }
    int ModuleValue(int port, int part, int parameter) const {
        const auto& a = Midi.Image->Part(port, part, parameter).Address.Bytes;
        return Midi.Module->Memory(port, a[0], a[1], a[2]);
    }
};

TEST_F(PartCommandsTest, CopyAndExchangeWorkOnTheFocusPortAndSendTheChangedPartsWhole) {
    TVGS& image = *Midi.Image;
    image.SetPartValue(1, 2, 33, ppVolume);
    image.SetPartValue(1, 7, 20, ppPanpot);
    Midi.Module->ClearReceived();
    Focus.Port = 1;
    Focus.Part = 3;
    Changes = 0;
    Prompts.Answers = {std::make_pair(2, 5)};
    ASSERT_TRUE(Run(TPartCommand::Copy));
    EXPECT_EQ(Prompts.Asked, (std::vector<std::tuple<TPartCommand, int, int>>{{TPartCommand::Copy, 1, 3}}));
    EXPECT_EQ(image.Part(1, 5, ppVolume).Value, 33);
    EXPECT_EQ(image.Part(0, 5, ppVolume).Value, 100);  // port A untouched
    EXPECT_EQ(ModuleValue(1, 5, ppVolume), 33);
    EXPECT_TRUE(Midi.Sent(0).empty());
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Frame.Log, (std::vector<std::string>{"begin Copy Part / processing", "end"}));
    EXPECT_EQ(Frame.Reports, kPartParameterCount);  // the copy reports each parameter

    Prompts.Answers = {std::make_pair(5, 7)};
    ASSERT_TRUE(Run(TPartCommand::Exchange));
    EXPECT_EQ(image.Part(1, 7, ppVolume).Value, 33);
    EXPECT_EQ(image.Part(1, 5, ppVolume).Value, 100);
    EXPECT_EQ(image.Part(1, 5, ppPanpot).Value, 20);
    EXPECT_EQ(ModuleValue(1, 7, ppVolume), 33);
    EXPECT_EQ(ModuleValue(1, 5, ppVolume), 100);
    EXPECT_EQ(ModuleValue(1, 5, ppPanpot), 20);

    image.Language = TLanguage::Japanese;
    Prompts.Answers = {std::make_pair(7, 7)};
    ASSERT_TRUE(Run(TPartCommand::Initialize));
    EXPECT_EQ(image.Part(1, 7, ppVolume).Value, 100);
    EXPECT_EQ(ModuleValue(1, 7, ppVolume), 100);
    EXPECT_EQ(Frame.Log.back(), "end");
    EXPECT_EQ(Frame.Log[Frame.Log.size() - 2], "begin Part の初期化 / " + std::string(UserMessage(26, TLanguage::Japanese)));
    EXPECT_TRUE(Prompts.Warnings.empty());
}

TEST_F(PartCommandsTest, CancelOrAnAnswerOutOfRangeChangesAndSendsNothing) {
    Midi.Image->SetPartValue(0, 2, 33, ppVolume);
    Midi.Module->ClearReceived();
    Changes = 0;
    Prompts.Answers = {std::nullopt, std::make_pair(2, 17), std::make_pair(0, 3)};
    EXPECT_FALSE(Run(TPartCommand::Copy));
    EXPECT_FALSE(Run(TPartCommand::Copy));
    EXPECT_FALSE(Run(TPartCommand::Exchange));
    EXPECT_TRUE(Frame.Log.empty());
    EXPECT_EQ(Changes, 0);
    EXPECT_TRUE(Midi.Sent(0).empty());
    EXPECT_EQ(Midi.Image->Part(0, 3, ppVolume).Value, 100);
}

TEST_F(PartCommandsTest, AFailedSendIsToldTheFrameEndsAndTheImageKeepsTheChange) {
    Midi.Image->SetPartValue(0, 2, 33, ppVolume);
    Midi.Tx().Port(0).Close();
    Prompts.Answers = {std::make_pair(2, 4)};
    ASSERT_TRUE(Run(TPartCommand::Copy));
    EXPECT_EQ(Midi.Image->Part(0, 4, ppVolume).Value, 33);
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_EQ(Prompts.Warnings[0].rfind(std::string(UserMessage(90, TLanguage::English)), 0), 0u);
    EXPECT_EQ(Frame.Log.back(), "end");
}

}  // namespace
}  // namespace veka
