#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "image_writer/image_writer.h"
#include "midi_fixture.h"
#include "module/exclusive.h"

namespace veka {
namespace {

using test::Select;
using test::TMidiFixture;

int Requests(const std::vector<std::vector<uint8_t>>& sent) {
    int n = 0;
    for (const auto& m : sent)
        if (m.size() == 13 && m[4] == 0x11) ++n;
    return n;
}

TEST(DataRequest, PartsAndMasterReturnWhatTheModuleHolds) {
    TMidiFixture f;
    // The module holds other values than the editor's image.
    TVGS other(VEKA_TEST_DEFAULT_DIR);
    TImageWriter(other).Part(0, 4, ppVolume).Value = 77;
    TImageWriter(other).Part(0, 16, ppToneNumber).Value = 8 * 128 + 25;
    TImageWriter(other).Part(0, 2, ppScaleTuningC + 3).Value = 50;
    TImageWriter(other).Part(0, 7, ppPitchFineTune).Value = 9000;
    TImageWriter(other).System(1).Value = 1100;
    TImageWriter(other).System(2).Value = 99;
    f.Module->LoadImage(other);
    int modified = 0;
    const TSubscription marks = f.Image->OnDataChanged.Subscribe([&] { ++modified; });
    const TRequestReport report = f.Session->Request.Run(Select({riPartsA, riMaster}), "");
    EXPECT_EQ(report.Requested, 1760u + 4u);
    EXPECT_EQ(report.Received, report.Requested);
    EXPECT_NE(report.Text.find("Completed"), std::string::npos);
    EXPECT_EQ(f.Image->Part(0, 4, ppVolume).Value, 77);
    EXPECT_EQ(f.Image->Part(0, 16, ppToneNumber).Value, 8 * 128 + 25);
    EXPECT_EQ(f.Image->Part(0, 2, ppScaleTuningC + 3).Value, 50);
    EXPECT_EQ(f.Image->Part(0, 7, ppPitchFineTune).Value, 9000);
    EXPECT_EQ(f.Image->System(1).Value, 1100);
    EXPECT_EQ(f.Image->System(2).Value, 99);
    EXPECT_GE(modified, 6);
    EXPECT_TRUE(f.Image->DrumSet(0, 1).Found || f.Image->Drum(0, 1, 2, 36).Default != 0);
    EXPECT_FALSE(f.Session->Router.AcceptExclusive);
}

TEST(DataRequest, DroppedRepliesAreCountedAndLogged) {
    TMidiFixture f;
    f.Module->DropEveryNthReply(10);
    const auto log = std::filesystem::temp_directory_path() / "veka-datareq-test.log";
    std::filesystem::remove(log);
    const TRequestReport report = f.Session->Request.Run(Select({riReverb, riChorus, riDelay, riEq, riMaster}), log.string());
    EXPECT_EQ(report.Requested, 35u);
    // The identity probe is the first reply; every tenth reply after it is lost.
    EXPECT_EQ(report.Received, 35u - uint32_t(f.Module->RepliesDropped()));
    EXPECT_GT(f.Module->RepliesDropped(), 0);
    EXPECT_NE(report.Text.find("Data transmission is interrupted."), std::string::npos);
    EXPECT_EQ(report.Text.rfind("Receved : ", 0), 0u);
    std::ifstream in(log, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Request : System or Effect / Master Tune\r\nSucceeded / "), std::string::npos);
    EXPECT_NE(text.find("Failed / "), std::string::npos);
    EXPECT_NE(text.find("ms\r\n\r\n"), std::string::npos);
    std::filesystem::remove(log);
}

TEST(DataRequest, NothingSelectedSendsNothingAndMasterAsksFourTimes) {
    TMidiFixture f;
    const TRequestReport none = f.Session->Request.Run(TRequestSelection{}, "");
    EXPECT_FALSE(none.Ran);
    EXPECT_TRUE(f.Sent(0).empty());
    const TRequestReport master = f.Session->Request.Run(Select({riMaster}), "");
    EXPECT_EQ(master.Requested, 4u);
    EXPECT_EQ(Requests(f.Sent(0)), 4);
    // Items of inactive ports are neither asked for nor counted.
    f.Module->ClearReceived();
    const TRequestReport inactive = f.Session->Request.Run(Select({riMaster, riMap1B}), "");
    EXPECT_EQ(inactive.Requested, 4u);
    EXPECT_EQ(inactive.Received, 4u);
}

TEST(DataRequest, AnSC88BehindAnSC88ProSettingSkipsTheNewerParameters) {
    TMidiFixture f(mtSC88Pro, 0, true, mtSC88);  // the SC-88 does not answer the identity request
    const TRequestReport report = f.Session->Request.Run(Select({riPartsA, riInsertion, riMaster}), "");
    EXPECT_TRUE(report.SwitchedToSC88);
    EXPECT_EQ(f.Image->ModuleType(), mtSC88);
    EXPECT_NE(report.Notice.find("connected device is not SC-88Pro"), std::string::npos);
    // Insertion dropped; "Output Assign" and "Part Efx Assign" of 16 parts not asked for.
    EXPECT_EQ(report.Requested, 1760u - 32u + 4u);
    EXPECT_EQ(report.Received, report.Requested);
    EXPECT_EQ(Requests(f.Sent(0)), int(report.Requested));
}

TEST(DataRequest, IdentityOfEachModel) {
    for (int model : {mtSC88, mtSC88Pro, mtSC8850}) {
        TMidiFixture f(model);
        std::string report;
        EXPECT_EQ(f.Session->Request.DetectModel(&report), model);
        if (model == mtSC88) {
            EXPECT_TRUE(report.empty());
        } else {
            EXPECT_NE(report.find(model == mtSC88Pro ? "Result:SC-88Pro" : "Result:SC-8850"), std::string::npos);
            EXPECT_NE(report.find(" Device family number code(LSB,MSB):  0, " + std::to_string(model == mtSC88Pro ? 4 : 6)),
                      std::string::npos)
                << report;
        }
        EXPECT_EQ(f.Session->Request.ProbeModel(), model == mtSC88Pro);
    }
}

TEST(DataRequest, OnlyTheAwaitedReplyAnswersARequestAndTheCountNeverExceedsWhatWasAsked) {
    TMidiFixture f;
    f.Module->DropEveryNthReply(1);  // the replies come from the test
    TMidiInput& in = f.Session->Input;
    const auto feed = [&in](const std::vector<uint8_t>& m) { in.Receive(0.001, m.data(), m.size()); };
    const uint8_t byte7F = 0x7F;
    // Answered before each request's wait: strangers' exclusives first, then the module.
    size_t answered = 0;
    f.Clock.Process = [&] {
        const auto sent = f.Sent(0);
        for (; answered < sent.size(); ++answered) {
            const std::vector<uint8_t>& rq = sent[answered];
            if (rq.size() != 13 || rq[4] != 0x11) continue;
            const std::array<uint8_t, 3> address = {rq[5], rq[6], rq[7]};
            feed({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});         // another maker's
            feed(BuildDT1(0x11, address, std::span(&byte7F, 1)));                  // another device
            std::vector<uint8_t> damaged = BuildDT1(0x10, address, std::span(&byte7F, 1));
            damaged[damaged.size() - 2] ^= 0x01;                                    // a wrong checksum
            feed(damaged);
            feed(BuildDT1(0x10, {0x40, 0x01, 0x30}, std::span(&byte7F, 1)));      // another address
            if (address == std::array<uint8_t, 3>{0x40, 0x00, 0x00}) {
                const uint8_t tune[] = {0x00, 0x04, 0x00, 0x01};
                feed(BuildDT1(0x10, address, tune));
            } else if (address == std::array<uint8_t, 3>{0x40, 0x00, 0x04}) {
                const uint8_t volume = 99;
                feed(BuildDT1(0x10, address, std::span(&volume, 1)));
                feed(BuildDT1(0x10, address, std::span(&volume, 1)));  // said twice
            }  // the key shift's and the panpot's requests get nothing but the strangers'
            // The volume's reply, late: it arrives while the key shift is awaited.
            if (address == std::array<uint8_t, 3>{0x40, 0x00, 0x05}) {
                const uint8_t volume = 0x10;
                feed(BuildDT1(0x10, {0x40, 0x00, 0x04}, std::span(&volume, 1)));
            }
        }
        f.Session->Process();
    };
    const int shift = f.Image->System(3).Value, panpot = f.Image->System(4).Value;
    const TRequestReport report = f.Session->Request.Run(Select({riMaster}), "");
    EXPECT_EQ(report.Requested, 4u);
    EXPECT_EQ(report.Received, 2u) << "only the tune and the volume were answered";
    EXPECT_NE(report.Text.find("Data transmission is interrupted."), std::string::npos) << report.Text;
    EXPECT_EQ(f.Image->System(1).Value, 1025);
    EXPECT_EQ(f.Image->System(2).Value, 99);
    EXPECT_EQ(f.Image->System(3).Value, shift) << "another address's reply answered the key shift";
    EXPECT_EQ(f.Image->System(4).Value, panpot) << "a stranger's exclusive answered a request";

    // The identity: another maker's reply names no model.
    f.Clock.Process = [&] {
        feed({0xF0, 0x7E, 0x10, 0x06, 0x02, 0x43, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0xF7});
        f.Session->Process();
    };
    EXPECT_EQ(f.Session->Request.DetectModel(), 10);
    EXPECT_FALSE(f.Session->Request.ProbeModel());
}

TEST(DataRequest, ARequestToEveryDeviceTakesTheAnswerOfTheDeviceThatGivesIt) {
    TMidiFixture f;
    f.Image->DeviceId = 0x7F;
    TVGS other(VEKA_TEST_DEFAULT_DIR);
    TImageWriter(other).System(2).Value = 77;
    f.Module->LoadImage(other);
    const TRequestReport report = f.Session->Request.Run(Select({riMaster}), "");
    EXPECT_EQ(report.Received, report.Requested);
    EXPECT_EQ(f.Image->System(2).Value, 77);
    EXPECT_EQ(f.Session->Request.DetectModel(), mtSC8850);
}

TEST(DataRequest, AnOutputGoneInTheMiddleStopsTheRequestWithWhatCameAndSaysWhich) {
    TMidiFixture f;
    TVGS other(VEKA_TEST_DEFAULT_DIR);
    TImageWriter(other).System(2).Value = 77;
    f.Module->LoadImage(other);
    int requests = 0;
    f.Session->Request.OnRequest = [&](const std::string&, const std::string&) {
        if (++requests == 4) f.Tx().Port(0).Close();  // as when the interface is unplugged
    };
    const TRequestReport report = f.Session->Request.Run(Select({riMaster, riReverb}), "");
    EXPECT_EQ(report.Requested, 11u);
    EXPECT_EQ(report.Received, 3u);
    EXPECT_EQ(f.Image->System(2).Value, 77) << "what came before is kept";
    EXPECT_NE(report.Text.find("Receved : 3 blocks/Requested : 11 blocks"), std::string::npos) << report.Text;
    EXPECT_NE(report.Text.find("Port A (Virtual Module Port A) is gone. MIDI Output device not open"), std::string::npos)
        << report.Text;
    EXPECT_NE(report.Text.find("Data transmission is interrupted."), std::string::npos) << report.Text;
    EXPECT_FALSE(f.Session->Router.AcceptExclusive);
}

TEST(DataRequest, RestTimeChangesOnlyEveryThirtyRepliesAfterFifty) {
    TMidiFixture f;
    std::vector<uint32_t> at;
    f.Session->Request.OnRestTime = [&](int percent, const std::string& text) {
        at.push_back(f.Session->Request.ReceivedCount());
        EXPECT_GE(percent, 0);
        EXPECT_NE(text.find("Rest of time: "), std::string::npos);
    };
    f.Session->Request.Run(Select({riMap1A}), "");
    ASSERT_GE(at.size(), 3u);
    EXPECT_EQ(at[0], 60u);
    EXPECT_EQ(at[1], 90u);
    EXPECT_EQ(at[2], 120u);
    EXPECT_GT(f.Session->Request.Reply49Ms(), 0);
}

TEST(DataRequest, CancelStopsAndDisplayShowsText) {
    TMidiFixture f;
    std::atomic<bool> cancel{false};
    f.Session->Request.OnRequest = [&](const std::string&, const std::string&) {
        if (f.Session->Request.ReceivedCount() >= 20) cancel = true;
    };
    const TRequestReport report = f.Session->Request.Run(Select({riPartsA}), "", &cancel);
    EXPECT_LT(report.Received, report.Requested);
    EXPECT_LE(report.Received, 22u);
    f.Session->Request.ShowOnModuleDisplay("Hello from Veka, a long text that is cut");
    EXPECT_EQ(f.Module->DisplayText(), "Hello from Veka, a long text tha");
}

}  // namespace
}  // namespace veka
