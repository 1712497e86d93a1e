// A module behind JACK ports that go and come back: the far end removes its ports in the middle
// of a Send All, a data request and a series of edits, then brings them back. The program goes
// on, says which port went and how far it came, connects again by itself, and once it has sent
// what the module missed the module holds the image.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "document/port_return.h"
#include "document/scripted_prompts.h"
#include "document/send_commands.h"
#include "jack_module.h"
#include "midi/midi_fixture.h"
#include "midi/midi_session.h"
#include "midi/virtual_module.h"
#include "module/exclusive.h"
#include "module/image.h"
#include "module/user_messages.h"

namespace veka::test {
namespace {

using namespace std::chrono_literals;

class JackPortReturn : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string absence = TJackPeer::ServerAbsence();
        if (!absence.empty()) GTEST_SKIP() << absence;
        Module = std::make_unique<TJackModule>("veka-test-unplug");
        TMidiDevices::Instance().Refresh();
        Image = std::make_unique<TVGS>(VEKA_TEST_DEFAULT_DIR);
        Image->Language = TLanguage::English;
        Image->MaxPart = 0;  // Port A
        Session = std::make_unique<TMidiSession>(*Image, &Wait);
        Wait.Process = [this] {
            Session->Process();
            Module->Pump();
            if (DuringWaits) DuringWaits();
        };
        TMidiOutput& out = Session->Transmitter.Port(0);
        out.SetProductName(Module->Peer.InputName());
        ASSERT_TRUE(out.Open()) << out.LastError();
        Session->Input.SetProductName(Module->Peer.OutputName());
        Session->Input.Open();
        ASSERT_TRUE(Module->Peer.WaitOutputConnected(2s));
        Session->Request.DataReqWaitMs = 300;
        Session->Transmitter.OnPortState = [this](int port, bool gone) { States.emplace_back(port, gone); };
    }
    void TearDown() override {
        if (Session) Wait.Process = nullptr;
        Session.reset();
    }
    // Lets what is on its way arrive.
    void Settle() { Wait.Wait(60); }
    std::string PortName() const { return "Port A (" + Module->Peer.InputName() + ")"; }

    std::unique_ptr<TJackModule> Module;
    std::unique_ptr<TVGS> Image;
    TSteadyPumpWait Wait;
    std::unique_ptr<TMidiSession> Session;
    std::function<void()> DuringWaits;
    std::vector<std::pair<int, bool>> States;
    TScriptedPrompts Prompts;
    TRecordingFrame Frame;
};

TEST_F(JackPortReturn, APortRemovedInTheMiddleOfSendAllIsNamedAndAfterItIsBackSendAllPutsTheModuleRight) {
    for (int part = 1; part <= 16; ++part) Image->SetPartValue(0, part, 20 + part, ppVolume);
    Settle();
    DuringWaits = [this] {
        if (Module->Heard() < 40) return;
        DuringWaits = nullptr;
        Module->Peer.RemoveInput();
    };
    RunSendAll(Session->Transmitter, false, Prompts, Frame);
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_NE(Prompts.Warnings[0].find(PortName() + " is gone."), std::string::npos) << Prompts.Warnings[0];
    EXPECT_NE(Prompts.Warnings[0].find(" messages sent"), std::string::npos) << Prompts.Warnings[0];
    EXPECT_TRUE(Session->Transmitter.PortGone(0));
    // Edits go on meanwhile; the module does not hear them.
    Image->SetPartValue(0, 5, 55, ppVolume);
    EXPECT_EQ(Session->Transmitter.Loss.Unsent(0), 1);

    Module->Peer.RestoreInput();
    EXPECT_TRUE(Session->LookAtPorts());
    EXPECT_EQ(States, (std::vector<std::pair<int, bool>>{{0, true}, {0, false}}));
    Prompts.Choices = {0};  // Send All, the only way when a Send All was cut
    OfferWhatWasMissed(Session->Transmitter, 0, Prompts, Frame);
    EXPECT_EQ(Prompts.Informed, std::vector<std::string>{std::string(UserMessage(100, TLanguage::English))});
    Settle();
    const auto mismatches = Mismatches(*Module->Memory, *Image);
    EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " differ, first " << mismatches.front();
}

TEST_F(JackPortReturn, ARequestStopsWhenTheModulesInputOrOutputIsRemovedAndRunsWholeOnceTheyAreBack) {
    std::vector<bool> inputStates;
    Session->OnInputState = [&](bool gone) { inputStates.push_back(gone); };
    for (const bool input : {false, true}) {
        SCOPED_TRACE(input ? "the module's output (the program's input)" : "the module's input");
        int requests = 0;
        Session->Request.OnRequest = [&](const std::string&, const std::string&) {
            if (++requests != 4) return;
            if (input)
                Module->Peer.RemoveOutput();
            else
                Module->Peer.RemoveInput();
        };
        const TRequestReport report = Session->Request.Run(Select({riMaster, riReverb}), "");
        EXPECT_TRUE(report.PortGone);
        EXPECT_LT(report.Received, report.Requested);
        const std::string gone =
            input ? "MIDI input (" + Module->Peer.OutputName() + ") is gone." : PortName() + " is gone.";
        EXPECT_NE(report.Text.find(gone), std::string::npos) << report.Text;
        EXPECT_NE(report.Text.find("Data transmission is interrupted."), std::string::npos) << report.Text;

        if (input)
            Module->Peer.RestoreOutput();
        else
            Module->Peer.RestoreInput();
        EXPECT_TRUE(Session->LookAtPorts());
        if (input) {
            ASSERT_TRUE(Module->Peer.WaitOutputConnected(2s));
        }
        Session->Request.OnRequest = nullptr;
        const TRequestReport again = Session->Request.Run(Select({riMaster, riReverb}), "");
        EXPECT_FALSE(again.PortGone) << again.Text;
        EXPECT_EQ(again.Received, again.Requested) << again.Text;
    }
    EXPECT_EQ(inputStates, (std::vector<bool>{true, false}));
}

TEST_F(JackPortReturn, EditsWhileThePortIsRemovedAreCaughtUpByTheValuesThatDiffer) {
    Image->SetPartValue(0, 2, 22, ppVolume);
    Settle();
    Module->Peer.RemoveInput();
    Image->SetPartValue(0, 3, 33, ppVolume);
    Image->SetPartValue(0, 4, 10, ppPanpot);
    Image->SetPartValue(0, 6, 66, ppVolume);
    Image->SetPartValue(0, 6, 100, ppVolume);  // back to what the module holds
    EXPECT_TRUE(Session->Transmitter.PortGone(0));
    EXPECT_EQ(Session->Transmitter.Loss.Unsent(0), 4);
    EXPECT_FALSE(Session->LookAtPorts()) << "still gone";

    Module->Peer.RestoreInput();
    EXPECT_TRUE(Session->LookAtPorts());
    Prompts.Choices = {0};
    OfferWhatWasMissed(Session->Transmitter, 0, Prompts, Frame);
    ASSERT_EQ(Prompts.Lists.size(), 1u);
    EXPECT_NE(Prompts.Lists[0].Label.find("2 values differ"), std::string::npos) << Prompts.Lists[0].Label;
    EXPECT_EQ(Frame.Log.back(), "status " + PortName() + " is back. 2 values sent.");
    Settle();
    const auto mismatches = Mismatches(*Module->Memory, *Image);
    EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " differ, first " << mismatches.front();
}

}  // namespace
}  // namespace veka::test
