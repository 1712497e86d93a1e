#include <gtest/gtest.h>

#include "image_writer/image_writer.h"
#include "midi/lamp.h"
#include "midi_fixture.h"
#include "module/exclusive.h"

namespace veka {
namespace {

using test::Bytes;
using test::TMidiFixture;

TEST(Transmitter, SendSysxFramesWaitsAndRoutes) {
    TMidiFixture f(mtSC8850, 1);
    const uint8_t data[] = {0x64};
    const std::string text = f.Tx().SendSysx(1, {0x40, 0x11, 0x19}, data);
    EXPECT_EQ(text, "F0 41 10 42 12 40 11 19 64 32 F7");
    ASSERT_EQ(f.Sent(1).size(), 1u);
    EXPECT_EQ(f.Module->Memory(1, 0x40, 0x11, 0x19), 0x64);
    EXPECT_EQ(f.Clock.Waits, std::vector<int>{7});
    // Port C with two active ports: nothing, and an empty text.
    EXPECT_EQ(f.Tx().SendSysx(2, {0x40, 0x11, 0x19}, data), "");
    EXPECT_TRUE(f.Sent(2).empty());
    f.Tx().SysxSpace = THexSpacing::None;
    EXPECT_EQ(f.Tx().SendSysx(0, {0x40, 0x11, 0x19}, data), "F0411042124011196432F7");
    // Content beyond 255 bytes is cut; the message stays framed.
    const std::vector<uint8_t> big(300, 0x01);
    f.Tx().SendSysx(0, {0x40, 0x11, 0x19}, big);
    EXPECT_EQ(f.Sent(0).back().size(), 255u);
    EXPECT_EQ(f.Sent(0).back().back(), 0xF7);
}

TEST(Transmitter, ParameterChangesGoToTheirPortWithHexTextAndHistory) {
    TMidiFixture f(mtSC8850, 2);
    int modified = 0;
    std::string hex;
    const TSubscription marks = f.Image->OnDataChanged.Subscribe([&] { ++modified; });
    f.Tx().OnHexText = [&](const std::string& t) { hex = t; };
    f.Image->SetPartValue(1, 3, 90, ppVolume);  // B3 Volume
    EXPECT_EQ(f.Module->Memory(1, 0x40, 0x13, 0x19), 90);
    EXPECT_EQ(f.Module->Memory(0, 0x40, 0x13, 0x19), 100);
    EXPECT_EQ(hex, "F0 41 10 42 12 40 13 19 5A 3A F7");
    ASSERT_EQ(f.Tx().History.Entries().size(), 1u);
    EXPECT_EQ(f.Tx().History.Entries().front().Name, "B3 Volume 90");
    EXPECT_EQ(f.Tx().History.Entries().front().Value, 90);
    // System and user drum changes always go to the first output.
    f.Image->SetSystemValue(2, 100);
    f.Image->SetUserDrumValue(1, 60, 70, 1);
    EXPECT_EQ(f.Module->Memory(0, 0x40, 0x00, 0x04), 100);
    EXPECT_EQ(f.Module->Memory(0, 0x21, 0x11, 0x3C), 70);
    EXPECT_EQ(modified, 3);
    // A scale tuning change of Port D carries Port D's twelve values, whatever port is shown.
    f.Session->Focus.Port = 0;
    TImageWriter(*f.Image).Part(3, 5, ppScaleTuningC).Value = 70;
    f.Image->SetPartValue(3, 5, 58, ppScaleTuningC + 1);
    EXPECT_EQ(f.Module->Memory(3, 0x40, 0x15, 0x40), 70);
    EXPECT_EQ(f.Module->Memory(3, 0x40, 0x15, 0x41), 58);
    EXPECT_EQ(f.Module->Memory(0, 0x40, 0x15, 0x40), 64);
}

TEST(Transmitter, HistoryKeepsNinetyNineNewestFirst) {
    TMidiFixture f;
    for (int i = 0; i < 150; ++i) f.Image->SetPartValue(0, 1, i % 128, ppVolume);
    const auto& entries = f.Tx().History.Entries();
    ASSERT_EQ(entries.size(), 99u);
    EXPECT_EQ(entries.front().Value, 149 % 128);
    EXPECT_EQ(entries.back().Value, (150 - 99) % 128);
    EXPECT_EQ(SysexCopyText("F0 41 10 42 12 40 11 19 64 32 F7", true, THexSpacing::Blank), "41 10 42 12 40 11 19 64 32");
    EXPECT_EQ(SysexCopyText("F0411042124011196432F7", true, THexSpacing::None), "411042124011196432");
    EXPECT_EQ(SysexCopyText("F0 41 F7", false, THexSpacing::Blank), "F0 41 F7");
}

TEST(Transmitter, RpnSequencePanicAndClosedPorts) {
    TMidiFixture f(mtSC8850, 2);
    f.Tx().TransWaitMs = 5;
    f.Tx().SendRpn(2, 4, 0, 2, 70, 0);
    EXPECT_EQ(f.Sent(2), (std::vector<std::vector<uint8_t>>{Bytes({0xB3, 0x65, 0}), Bytes({0xB3, 0x64, 2}),
                                                             Bytes({0xB3, 0x06, 70}), Bytes({0xB3, 0x26, 0})}));
    EXPECT_EQ(f.Clock.Waits, (std::vector<int>{5, 5, 5}));
    f.Tx().SendRpn(2, 17, 0, 2, 70, 0);
    EXPECT_EQ(f.Sent(2).size(), 4u);
    f.Module->ClearReceived();
    f.Tx().Panic();
    for (int port = 0; port < 4; ++port) {
        ASSERT_EQ(f.Sent(port).size(), 16u);
        EXPECT_EQ(f.Sent(port).front(), Bytes({0xB0, 120, 0}));
        EXPECT_EQ(f.Sent(port).back(), Bytes({0xBF, 120, 0}));
    }
    f.Tx().Port(1).Close();
    EXPECT_THROW(f.Tx().SendSysx(1, {0x40, 0x00, 0x04}, Bytes({1})), EmidioutputError);
    EXPECT_THROW(f.Tx().Port(1).SetDeviceID(99), EmidioutputError);
    f.Tx().Port(1).SetDeviceID(0);  // only while closed
    EXPECT_THROW(f.Tx().Port(2).SetDeviceID(0), EmidioutputError);
}

TEST(SendAll, DefaultImageSendsInitAndThreeMessagesPerPart) {
    TMidiFixture f;
    int busy = 0, finished = 0;
    f.Tx().OnBusy = [&](bool on) { busy += on ? 1 : -1; };
    f.Tx().Progress.OnFinished = [&] { ++finished; };
    EXPECT_TRUE(f.Tx().SendAll(true, true, true, true, true, false));
    const auto sent = f.Sent(0);
    ASSERT_EQ(sent.size(), 1u + 48u);
    EXPECT_EQ(sent[0], SystemModeSetMessage(0x10));
    // Rhythm mode, tone map, then the tone, for part 1 (block 1).
    EXPECT_EQ(std::vector<uint8_t>(sent[1].begin() + 5, sent[1].begin() + 8), Bytes({0x40, 0x11, 0x15}));
    EXPECT_EQ(std::vector<uint8_t>(sent[2].begin() + 5, sent[2].begin() + 8), Bytes({0x40, 0x41, 0x00}));
    EXPECT_EQ(std::vector<uint8_t>(sent[3].begin() + 5, sent[3].begin() + 8), Bytes({0x40, 0x11, 0x00}));
    EXPECT_EQ(f.Clock.TotalWaited(), 7 + 500 + 48 * 14);
    EXPECT_TRUE(f.Sent(1).empty());
    EXPECT_EQ(busy, 0);
    EXPECT_GE(finished, 1);
}

TEST(SendAll, OnlyModifiedValuesAndTheRpnOfCoarseTuning) {
    TMidiFixture f(mtSC8850, 1);
    TImageWriter(*f.Image).Part(0, 2, ppMasterCoarseTuning).Value = 70;
    TImageWriter(*f.Image).Part(1, 5, ppVolume).Value = 90;
    TImageWriter(*f.Image).System(2).Value = 110;
    TImageWriter(*f.Image).Drum(1, 2, 2, 36).Value = 33;
    TImageWriter(*f.Image).Part(2, 1, ppVolume).Value = 10;  // Port C is not active
    f.Tx().SendAll(false, true, true, true, false, false);
    const auto a = f.Sent(0);
    EXPECT_EQ(a.size(), 1u + 48u + 4u);  // master volume, 48 tone messages, the RPN
    // Part A2: the RPN, then 6, 21, 2.
    size_t rpn = 0;
    while (rpn < a.size() && a[rpn].size() != 3) ++rpn;
    ASSERT_LT(rpn + 4, a.size());
    EXPECT_EQ(a[rpn], Bytes({0xB1, 0x65, 0x00}));
    EXPECT_EQ(a[rpn + 2], Bytes({0xB1, 0x06, 70}));
    EXPECT_EQ(a[rpn + 4][7], 0x15);
    EXPECT_EQ(f.Module->Memory(1, 0x40, 0x15, 0x19), 90);
    EXPECT_EQ(f.Module->Memory(1, 0x41, 0x12, 36), 33);
    EXPECT_EQ(f.Sent(1).size(), 48u + 2u);
    EXPECT_TRUE(f.Sent(2).empty());
}

TEST(SendAll, ScaleTuningGoesAsOneBlockOfTwelve) {
    TMidiFixture f;
    TImageWriter(*f.Image).Part(0, 1, ppScaleTuningC + 4).Value = 80;  // E only
    f.Tx().SendAll(false, false, true, false, false, false);
    const auto a = f.Sent(0);
    ASSERT_EQ(a.size(), 49u);
    EXPECT_EQ(a[0].size(), 22u);
    EXPECT_EQ(std::vector<uint8_t>(a[0].begin() + 5, a[0].begin() + 8), Bytes({0x40, 0x11, 0x40}));
    EXPECT_EQ(f.Module->Memory(0, 0x40, 0x11, 0x44), 80);
    EXPECT_EQ(f.Module->Memory(0, 0x40, 0x11, 0x45), 64);
}

TEST(SendAll, UserDrumsAllAndReselectionOfDrumParts) {
    TMidiFixture f;
    TImageWriter(*f.Image).Part(0, 10, ppToneNumber).Value = 65;  // a drum part on user set 66
    TImageWriter(*f.Image).Part(0, 3, ppToneNumber).Value = 65;   // a normal part: no re-selection
    f.Tx().SendAll(false, false, false, false, true, true);
    const auto a = f.Sent(0);
    ASSERT_EQ(a.size(), 3072u + 1u);
    EXPECT_EQ(a.back(), ToneReselectMessage(*f.Image, 0, 10));
    int progress = 0;
    f.Tx().Progress.OnProgress = [&](int max, int, const std::string& text) {
        EXPECT_EQ(max, 2);
        EXPECT_EQ(text, "Sending User Drum Set Parameter");
        ++progress;
    };
    f.Module->ClearReceived();
    f.Tx().SendAll(false, false, false, false, true, false);
    EXPECT_EQ(progress, 2);
    EXPECT_EQ(f.Sent(0).size(), 1u);  // nothing modified: only the re-selection
}

TEST(SendAll, CleanUpRunsWhenASendFails) {
    TMidiFixture f;
    f.Tx().Port(0).Close();
    bool busy = false;
    int finished = 0;
    f.Tx().OnBusy = [&](bool on) { busy = on; };
    f.Tx().Progress.OnFinished = [&] { ++finished; };
    EXPECT_THROW(f.Tx().SendAll(true, true, true, true, true, false), EmidioutputError);
    EXPECT_FALSE(busy);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(f.Image->Part(0, 1, ppVolume).Value, 100);
}

TEST(Transmitter, CoarseTuningFromTheImageGoesAsOneRpnOnItsPort) {
    TMidiFixture f(mtSC8850, 1);
    int marks = 0;
    const TSubscription m = f.Image->OnDataChanged.Subscribe([&] { ++marks; });
    const size_t before = f.Tx().History.Entries().size();
    f.Image->SetPartCoarseTuning(1, 3, 67);
    const auto b = f.Sent(1);
    ASSERT_EQ(b.size(), 4u);  // controllers 101, 100, 6, 38
    EXPECT_EQ(b[0], Bytes({0xB2, 0x65, 0x00}));
    EXPECT_EQ(b[1], Bytes({0xB2, 0x64, 0x02}));
    EXPECT_EQ(b[2], Bytes({0xB2, 0x06, 67}));
    EXPECT_TRUE(f.Sent(0).empty());
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(f.Tx().History.Entries().size(), before);  // no exclusive message
}

TEST(Transmitter, AForcedPartSendsItsCoarseTuningEvenAtTheDefault) {
    // Part copy, exchange and initialise force the part: the module must end up as the image,
    // also when the new coarse tuning is the default and the module still holds another.
    TMidiFixture f;
    f.Module->ClearReceived();
    f.Tx().SendPart(0, 4, true);
    int rpnValues = 0;
    for (const auto& m : f.Sent(0))
        if (m.size() == 3 && m[0] == 0xB3 && m[1] == 0x06) {
            EXPECT_EQ(m[2], f.Image->Part(0, 4, ppMasterCoarseTuning).Default);
            ++rpnValues;
        }
    EXPECT_EQ(rpnValues, 1);
    f.Module->ClearReceived();
    f.Tx().SendPart(0, 4, false);  // Send All: only a modified one
    for (const auto& m : f.Sent(0)) EXPECT_FALSE(m.size() == 3 && m[1] == 0x06);
}

TEST(SendAll, ProgressStaysWithinItsMaximumAndFinishesOnceWithFourPorts) {
    TMidiFixture f(mtSC8850, 2);
    int finished = 0, over = 0, drumReports = 0, lastDrum = 0;
    f.Tx().Progress.OnFinished = [&] { ++finished; };
    f.Tx().Progress.OnProgress = [&](int max, int current, const std::string& text) {
        if (current > max) ++over;
        if (text == "Sending Drum Set Parameter") {
            ++drumReports;
            lastDrum = current;
            EXPECT_EQ(max, 8);
        }
    };
    TImageWriter(*f.Image).Drum(3, 2, 2, 40).Value = 30;
    f.Tx().SendAll(true, true, true, true, true, false);
    EXPECT_EQ(over, 0);
    EXPECT_EQ(drumReports, 8);
    EXPECT_EQ(lastDrum, 8);
    EXPECT_EQ(finished, 1);  // the status bar is cleared once, at the end
    EXPECT_EQ(f.Module->Memory(3, 0x41, 0x12, 40), 30);
}

TEST(SendAll, AStopBetweenTwoMessagesEndsItAndSaysHowFarItCame) {
    TMidiFixture f;
    TImageWriter(*f.Image).Part(0, 3, ppVolume).Value = 90;
    int waits = 0, finished = 0;
    bool busy = false;
    f.Clock.Process = [&] {
        f.Session->Process();
        if (++waits == 20) f.Tx().RequestStop();  // the Stop button, pressed during a wait
    };
    f.Tx().OnBusy = [&](bool on) { busy = on; };
    f.Tx().Progress.OnFinished = [&] { ++finished; };
    EXPECT_FALSE(f.Tx().SendAll(true, true, true, true, true, true));
    EXPECT_FALSE(busy);
    EXPECT_EQ(finished, 1);
    const int sent = f.Tx().SentMessages();
    EXPECT_GT(sent, 0);
    EXPECT_LT(sent, 100);  // far from the 3000 and more of a whole image with all user drums
    EXPECT_EQ(int(f.Sent(0).size()), sent);
    EXPECT_FALSE(f.Tx().LastProgressText().empty());
    EXPECT_EQ(f.Image->Part(0, 3, ppVolume).Value, 90);  // the image is only read
    // The next Send All starts afresh.
    f.Clock.Process = [&] { f.Session->Process(); };
    f.Module->ClearReceived();
    EXPECT_TRUE(f.Tx().SendAll(false, false, true, false, false, false));
    EXPECT_EQ(f.Tx().SentMessages(), 48 + 1);
}

TEST(TransportTexts, EveryTextExistsInBothLanguages) {
    for (int n = 0; n < int(TTransportText::Count); ++n) {
        EXPECT_FALSE(TransportText(TTransportText(n), TLanguage::English).empty()) << n;
        EXPECT_FALSE(TransportText(TTransportText(n), TLanguage::Japanese).empty()) << n;
    }
    EXPECT_EQ(RestTimeText(75, 120, TLanguage::English), "Rest of time: 1 min 15 sec (120 blocks received)");
    EXPECT_EQ(RestTimeText(40, 60, TLanguage::Japanese), "推定残り時間 :  40 秒 (60 Block 受信済み)");
}

TEST(Lamp, FadesInFiveTicksAndRestartsOnAFlash) {
    TLampFade lamp(lpkGreen);
    EXPECT_EQ(lamp.Colour(), (TLampColour{0, 105, 0}));
    lamp.Flash();
    EXPECT_EQ(lamp.Colour(), (TLampColour{0, 255, 0}));
    EXPECT_TRUE(lamp.Tick());
    EXPECT_EQ(lamp.Colour(), (TLampColour{0, 225, 0}));
    lamp.Tick();
    lamp.Flash();  // a second send within 275 ms
    int ticks = 0;
    while (lamp.Tick()) ++ticks;
    EXPECT_EQ(ticks + 1, TLampFade::kSteps);
    EXPECT_EQ(lamp.Colour(), (TLampColour{0, 105, 0}));
    TLampFade red(lpkRed);
    red.Flash();
    EXPECT_EQ(red.Colour(), (TLampColour{255, 0, 0}));
}

}  // namespace
}  // namespace veka
