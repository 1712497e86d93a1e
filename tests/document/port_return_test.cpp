// Ports that go and come back, on the virtual module: edits made meanwhile stay in the image and
// are counted, a Send All or a request ends with the port named, and once the port is back the
// module is caught up so that it holds the image again.
#include <gtest/gtest.h>

#include "document/document_fixture.h"
#include "document/port_return.h"
#include "document/scripted_prompts.h"
#include "document/send_commands.h"
#include "midi/midi_fixture.h"
#include "midi/module_compare.h"
#include "module/user_messages.h"

namespace veka {
namespace {

class PortReturnTest : public ::testing::Test {
protected:
    test::TMidiFixture Midi{mtSC8850, 1};  // ports A and B
    test::TScriptedPrompts Prompts;
    test::TRecordingFrame Frame;
    std::vector<std::pair<int, bool>> States;  // OnPortState as it came

    void SetUp() override {
        Midi.Image->Language = TLanguage::English;
        Midi.Tx().OnPortState = [this](int port, bool gone) { States.emplace_back(port, gone); };
    }
    int ModuleVolume(int port, int part) {
        const auto& a = Midi.Image->Part(port, part, ppVolume).Address.Bytes;
        return Midi.Module->Memory(port, a[0], a[1], a[2]);
    }
    // Every value of the parts of both ports and the effects read back from the module.
    std::vector<TSetupDifference> ModuleAgainstImage() {
        TRequestSelection parts{};
        for (TRequestItem item : {riPartsA, riPartsB, riReverb, riChorus, riMaster}) parts[item] = true;
        return CompareWithModule(Midi.Session->Request, *Midi.Image, VEKA_TEST_DEFAULT_DIR, parts).Differences;
    }
};

TEST_F(PortReturnTest, EditsWhileAPortIsGoneAreCountedAndItsModuleGetsTheValuesThatDiffer) {
    const int volume6 = Midi.Image->Part(1, 6, ppVolume).Value;
    Midi.Module->Unplug(1);
    // No error for an edit: it stays in the image, the module does not hear it.
    Midi.Image->SetPartValue(1, 4, 45, ppVolume);
    Midi.Image->SetPartValue(1, 5, 10, ppPanpot);
    Midi.Image->SetPartValue(1, 6, 50, ppVolume);
    Midi.Image->SetPartValue(1, 6, volume6, ppVolume);  // and back: nothing to catch up there
    Midi.Image->SetPartValue(0, 3, 33, ppVolume);       // Port A is still there
    EXPECT_TRUE(Midi.Tx().PortGone(1));
    EXPECT_FALSE(Midi.Tx().PortGone(0));
    EXPECT_EQ(States, (std::vector<std::pair<int, bool>>{{1, true}}));
    EXPECT_EQ(Midi.Tx().Loss.Unsent(1), 4);
    EXPECT_NE(ModuleVolume(1, 4), 45);
    EXPECT_EQ(ModuleVolume(0, 3), 33);
    // Panic reaches the ports that are there.
    Midi.Module->ClearReceived();
    Midi.Tx().Panic();
    EXPECT_EQ(Midi.Sent(0).size(), 16u);

    // Still gone: a look changes nothing. Plugged in again: the port is connected again.
    EXPECT_FALSE(Midi.Session->LookAtPorts());
    Midi.Module->Plug(1);
    EXPECT_TRUE(Midi.Session->LookAtPorts());
    EXPECT_EQ(States.back(), (std::pair<int, bool>{1, false}));
    EXPECT_FALSE(Midi.Tx().PortGone(1));
    EXPECT_TRUE(Midi.Tx().Loss.Lost(1));

    Prompts.Choices = {0};  // the values that differ
    OfferWhatWasMissed(Midi.Tx(), 1, Prompts, Frame);
    ASSERT_EQ(Prompts.Lists.size(), 1u);
    const TSelectRequest& asked = Prompts.Lists[0];
    EXPECT_EQ(asked.Title, "Port B (Virtual Module Port B) is back.");
    EXPECT_NE(asked.Label.find("4 messages were not sent"), std::string::npos) << asked.Label;
    EXPECT_NE(asked.Label.find("2 values differ"), std::string::npos) << asked.Label;
    EXPECT_EQ(asked.Items, (std::vector<std::string>{"Send the values that differ (2)",
                                                     "Send All (everything, as after the module was switched off)",
                                                     "Send nothing"}));
    EXPECT_EQ(ModuleVolume(1, 4), 45);
    EXPECT_FALSE(Midi.Tx().Loss.Lost(1));
    EXPECT_EQ(Frame.Log.back(), "status Port B (Virtual Module Port B) is back. 2 values sent.");
    EXPECT_TRUE(Prompts.Warnings.empty());
    EXPECT_TRUE(ModuleAgainstImage().empty());
}

TEST_F(PortReturnTest, ASendAllCutByAPortGoingIsToldOnceAndOnlyAWholeSendAllIsOffered) {
    Midi.Image->SetPartValue(1, 4, 45, ppVolume);
    Midi.Image->SetPartValue(0, 2, 20, ppVolume);
    int waits = 0;
    Midi.Clock.Process = [&] {
        Midi.Session->Process();
        if (++waits == 30) Midi.Module->Unplug(1);
    };
    RunSendAll(Midi.Tx(), false, Prompts, Frame);
    Midi.Clock.Process = [this] { Midi.Session->Process(); };
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    const std::string& warning = Prompts.Warnings[0];
    const std::string gone = "Port B (Virtual Module Port B) is gone.";
    ASSERT_NE(warning.find(gone), std::string::npos) << warning;
    EXPECT_EQ(warning.find(gone, warning.find(gone) + 1), std::string::npos) << "named once: " << warning;
    EXPECT_NE(warning.find(std::to_string(Midi.Tx().SentMessages()) + " messages sent"), std::string::npos) << warning;
    EXPECT_TRUE(Midi.Tx().Loss.Cut());
    Midi.Image->SetPartValue(1, 7, 77, ppVolume);  // an edit while it is gone

    Midi.Module->Plug(1);
    Midi.Session->LookAtPorts();
    Prompts.Choices = {0};  // Send All
    OfferWhatWasMissed(Midi.Tx(), 1, Prompts, Frame);
    ASSERT_EQ(Prompts.Lists.size(), 1u);
    EXPECT_NE(Prompts.Lists[0].Label.find("It went in the middle of a transmission"), std::string::npos) << Prompts.Lists[0].Label;
    EXPECT_EQ(Prompts.Lists[0].Items.size(), 2u) << "no differences are offered when the module's state is not known";
    EXPECT_EQ(Prompts.Informed, std::vector<std::string>{std::string(UserMessage(100, TLanguage::English))});
    EXPECT_FALSE(Midi.Tx().Loss.Lost(1));
    EXPECT_FALSE(Midi.Tx().Loss.Cut());
    EXPECT_TRUE(ModuleAgainstImage().empty());
}

TEST_F(PortReturnTest, NothingSentSettlesThePortAndNothingMissedOnlySaysItIsBack) {
    Midi.Module->Unplug(1);
    Midi.Image->SetPartValue(1, 4, 45, ppVolume);
    Midi.Module->Plug(1);
    Midi.Session->LookAtPorts();
    Prompts.Choices = {std::nullopt};  // the dialog closed: nothing
    Midi.Module->ClearReceived();
    OfferWhatWasMissed(Midi.Tx(), 1, Prompts, Frame);
    EXPECT_TRUE(Midi.Sent(1).empty());
    EXPECT_FALSE(Midi.Tx().Loss.Lost(1));
    EXPECT_EQ(Frame.Log.back(), "status Port B (Virtual Module Port B) is back. Nothing was sent.");

    // Gone and back without an edit: no question.
    Midi.Module->Unplug(1);
    Midi.Session->LookAtPorts();
    Midi.Module->Plug(1);
    Midi.Session->LookAtPorts();
    Midi.Image->Language = TLanguage::Japanese;
    OfferWhatWasMissed(Midi.Tx(), 1, Prompts, Frame);
    EXPECT_EQ(Prompts.Lists.size(), 1u);
    EXPECT_EQ(Frame.Log.back(), "status Port B (Virtual Module Port B) が戻りました。 音源が受信しなかった値はありません。");
    EXPECT_FALSE(Midi.Tx().Loss.AnyLost());
}

TEST_F(PortReturnTest, ARequestStopsWhenItsOutputOrItsInputIsUnplugged) {
    for (const bool input : {false, true}) {
        SCOPED_TRACE(input ? "input" : "output");
        int requests = 0;
        Midi.Session->Request.OnRequest = [&](const std::string&, const std::string&) {
            if (++requests != 4) return;
            if (input)
                Midi.Module->UnplugInput();
            else
                Midi.Module->Unplug(0);
        };
        const TRequestReport report = Midi.Session->Request.Run(test::Select({riMaster, riReverb}), "");
        EXPECT_TRUE(report.PortGone);
        EXPECT_EQ(report.Received, 3u);
        const std::string gone = input ? "MIDI input (Virtual Module Out) is gone." : "Port A (Virtual Module Port A) is gone.";
        ASSERT_NE(report.Text.find(gone), std::string::npos) << report.Text;
        EXPECT_EQ(report.Text.find(gone, report.Text.find(gone) + 1), std::string::npos) << report.Text;
        EXPECT_NE(report.Text.find("Data transmission is interrupted."), std::string::npos) << report.Text;
        // Back: the next request runs whole.
        Midi.Module->Plug(0);
        Midi.Module->PlugInput();
        EXPECT_TRUE(Midi.Session->LookAtPorts());
        Midi.Session->Request.OnRequest = nullptr;
        const TRequestReport again = Midi.Session->Request.Run(test::Select({riMaster}), "");
        EXPECT_FALSE(again.PortGone);
        EXPECT_EQ(again.Received, again.Requested);
    }
}

// The program's document looks at the ports every second between transmissions.
class DocumentPortWatchTest : public test::TDocumentFixture {};

TEST_F(DocumentPortWatchTest, ThePortsAreLookedAtEverySecond) {
    std::vector<std::pair<int, bool>> states;
    Doc->Transmitter().OnPortState = [&](int port, bool gone) { states.emplace_back(port, gone); };
    Doc->WatchPorts();
    Module->Unplug(0);
    Timers.Run(TDocument::kPortLookMs - 1);
    EXPECT_TRUE(states.empty());
    Timers.Run(1);
    EXPECT_EQ(states, (std::vector<std::pair<int, bool>>{{0, true}}));
    Module->Plug(0);
    Timers.Run(TDocument::kPortLookMs);
    EXPECT_EQ(states.back(), (std::pair<int, bool>{0, false}));
    Doc->Transmitter().OnPortState = nullptr;
}

}  // namespace
}  // namespace veka
