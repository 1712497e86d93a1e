#include <gtest/gtest.h>

#include "image_writer/image_writer.h"
#include "module/exclusive.h"
#include "module/image.h"
#include "test_image.h"

namespace veka {
namespace {

using test::TImageFixture;

TBytes Bytes(std::initializer_list<int> v) {
    TBytes b;
    for (int x : v) b.push_back(uint8_t(x));
    return b;
}

// Every byte between F0 and F7 is below 80 hex.
void ExpectSevenBit(const TBytes& msg) {
    ASSERT_GE(msg.size(), 2u);
    EXPECT_EQ(msg.front(), 0xF0);
    EXPECT_EQ(msg.back(), 0xF7);
    for (size_t i = 1; i + 1 < msg.size(); ++i) EXPECT_LT(msg[i], 0x80) << "byte " << i;
}

TEST(ExclusiveFraming, ChecksumHeadersAndFixedMessages) {
    EXPECT_EQ(Checksum(Bytes({0x00, 0x00, 0x7F, 0x00})), 0x01);
    EXPECT_EQ(Checksum(Bytes({0x40, 0x00, 0x7F, 0x00})), 0x41);
    EXPECT_EQ(Checksum(Bytes({0x40, 0x00, 0x40})), 0x00);  // 128 gives 0
    const TSysexHeaders h = MakeHeaders(0x11);
    EXPECT_EQ(h.DT1, (std::array<uint8_t, 5>{0xF0, 0x41, 0x11, 0x42, 0x12}));
    EXPECT_EQ(h.RQ1, (std::array<uint8_t, 5>{0xF0, 0x41, 0x11, 0x42, 0x11}));
    EXPECT_EQ(GsResetMessage(0x10), Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}));
    EXPECT_EQ(SystemModeSetMessage(0x10), Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x00, 0x00, 0x7F, 0x00, 0x01, 0xF7}));
    const uint8_t letters[] = {'H', 'i'};
    EXPECT_EQ(DisplayMessage(0x10, {0x10, 0x00, 0x00}, letters),
              Bytes({0xF0, 0x41, 0x10, 0x45, 0x12, 0x10, 0x00, 0x00, 'H', 'i', Checksum(Bytes({0x10, 0x00, 0x00, 'H', 'i'})), 0xF7}));
    EXPECT_EQ(HexText(Bytes({0xF0, 0x0A, 0xF7})), "F0 0A F7");
    EXPECT_EQ(HexText(Bytes({0xF0, 0x0A, 0xF7}), THexSpacing::None), "F00AF7");
}

TEST(ExclusiveFraming, LongDataIsCutToTheLongestMessage) {
    const TBytes data(400, 0x01);
    const TBytes msg = BuildDT1(0x10, {0x40, 0x00, 0x00}, data);
    EXPECT_EQ(msg.size(), kMaxSysexLength);
    ExpectSevenBit(msg);
    EXPECT_EQ(msg[msg.size() - 2], Checksum(std::span<const uint8_t>(msg).subspan(5, msg.size() - 7)));
}

TEST(ExclusiveAddresses, BlocksPortsDrumsAndUserDrums) {
    TImageFixture f;
    EXPECT_EQ(PartBlock(1), 1);
    EXPECT_EQ(PartBlock(9), 9);
    EXPECT_EQ(PartBlock(10), 0);
    EXPECT_EQ(PartBlock(11), 10);
    EXPECT_EQ(PartBlock(16), 15);
    EXPECT_EQ(PartBlock(26), 0);
    EXPECT_EQ(PartBlock(32), 15);
    const TBytes a1 = BuildSystemMessage(*f, spMasterTune);
    EXPECT_EQ(a1, Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x3C, 0xF7}));
    EXPECT_EQ(f->Part(1, 10, ppRxPort).Address.Bytes, (std::array<uint8_t, 3>{0x00, 0x01, 0x10}));
    EXPECT_EQ(f->Part(0, 10, ppRxPort).Address.Bytes, (std::array<uint8_t, 3>{0x00, 0x01, 0x00}));
    EXPECT_EQ(f->Part(0, 16, ppVolume).Address.Bytes, (std::array<uint8_t, 3>{0x40, 0x1F, 0x19}));
    EXPECT_EQ(f->Part(0, 10, ppVolume).Address.Bytes, (std::array<uint8_t, 3>{0x40, 0x10, 0x19}));
    EXPECT_EQ(f->Part(3, 16, ppToneMap).Address.Bytes, (std::array<uint8_t, 3>{0x40, 0x4F, 0x00}));
    const TBytes drum = BuildDrumMessage(*f, false, 0, 2, 2, 36);
    EXPECT_EQ(std::vector<uint8_t>(drum.begin() + 5, drum.begin() + 8), Bytes({0x41, 0x12, 0x24}));
    const TBytes user = BuildDrumMessage(*f, true, 0, 1, 1, 60);
    EXPECT_EQ(std::vector<uint8_t>(user.begin() + 5, user.begin() + 8), Bytes({0x21, 0x11, 0x3C}));
    EXPECT_TRUE(BuildDrumMessage(*f, true, 0, 2, 1, 60).empty());
    EXPECT_TRUE(BuildPartMessage(*f, 0, 1, ppMasterCoarseTuning).empty());
}

TEST(ExclusiveEncoding, ScaleTuningChangeCarriesAllTwelveOfItsPort) {
    TImageFixture f;
    TImageWriter(*f).Part(1, 3, ppScaleTuningC).Value = 70;  // the same part on another port must not leak in
    f->SetPartValue(0, 3, 80, ppScaleTuningC + 4);  // "Scale Tuning E" on A3
    ASSERT_EQ(f.Changes.size(), 1u);
    const TBytes msg = BuildChangeMessage(*f, 0, f.Changes[0].Record, f.Changes[0].Link);
    ASSERT_EQ(msg.size(), 5u + 3 + 12 + 2);
    EXPECT_EQ(std::vector<uint8_t>(msg.begin() + 5, msg.begin() + 8), Bytes({0x40, 0x13, 0x40}));
    EXPECT_EQ(msg[8], 64);
    EXPECT_EQ(msg[12], 80);
    // Send All's builder sends 33 with all twelve and 34..44 alone at their own address.
    EXPECT_EQ(BuildPartMessage(*f, 0, 3, ppScaleTuningC).size(), 22u);
    const TBytes e = BuildPartMessage(*f, 0, 3, ppScaleTuningC + 4);
    EXPECT_EQ(e, Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x13, 0x44, 80, Checksum(Bytes({0x40, 0x13, 0x44, 80})), 0xF7}));
}

TEST(ExclusiveEncoding, MultiByteValuesAndOutOfRangeValuesStaySevenBit) {
    TImageFixture f;
    EXPECT_EQ(EncodeData(*f, 0, {LinkSystem, spMasterTune}, 1024), Bytes({0, 4, 0, 0}));
    EXPECT_EQ(EncodeData(*f, 0, {LinkSystem, spEfxType}, 0x0111), Bytes({2, 0x11}));
    EXPECT_EQ(EncodeData(*f, 0, {LinkPart, 1, ppToneNumber}, 8 * 128 + 25), Bytes({8, 25}));
    EXPECT_EQ(EncodeData(*f, 0, {LinkPart, 1, ppPitchOffsetFine}, 128), Bytes({8, 0}));
    EXPECT_EQ(EncodeData(*f, 0, {LinkPart, 1, ppPitchFineTune}, 8192), Bytes({64, 0}));
    EXPECT_EQ(EncodeData(*f, 0, {LinkPart, 1, ppVolume}, 300), Bytes({127}));
    EXPECT_EQ(EncodeData(*f, 0, {LinkPart, 1, ppVolume}, -5), Bytes({0}));
    EXPECT_EQ(EncodeData(*f, 0, {LinkPart, 1, ppToneNumber}, 40000), Bytes({127, 127}));
    for (int32_t wild : {-1, 128, 255, 70000, -70000}) {
        TImageWriter(*f).Part(0, 1, ppVolume).Value = wild;
        TImageWriter(*f).Part(0, 1, ppToneNumber).Value = wild;
        TImageWriter(*f).System(spMasterTune).Value = wild;
        TImageWriter(*f).Drum(0, 1, 2, 36).Value = wild;
        TImageWriter(*f).Part(0, 1, ppScaleTuningC + 2).Value = wild;
        ExpectSevenBit(BuildPartMessage(*f, 0, 1, ppVolume));
        ExpectSevenBit(BuildPartMessage(*f, 0, 1, ppToneNumber));
        ExpectSevenBit(BuildPartMessage(*f, 0, 1, ppScaleTuningC));
        ExpectSevenBit(BuildSystemMessage(*f, spMasterTune));
        ExpectSevenBit(BuildDrumMessage(*f, false, 0, 1, 2, 36));
    }
    f->DeviceId = 0xFF;
    ExpectSevenBit(BuildSystemMessage(*f, 2));
}

TEST(ExclusiveRouting, PortsAtOrAboveTheActiveCountGetNothing) {
    EXPECT_EQ(OutputForMessage(LinkPart, 2, 2), -1);  // 32 parts: Port C is not sent
    EXPECT_EQ(OutputForMessage(LinkPart, 1, 2), 1);
    EXPECT_EQ(OutputForMessage(LinkDrum, 3, 4), 3);
    EXPECT_EQ(OutputForMessage(LinkDrum, 1, 1), -1);
    EXPECT_EQ(OutputForMessage(LinkSystem, 3, 1), 0);
    EXPECT_EQ(OutputForMessage(LinkUserDrum, 2, 1), 0);
    EXPECT_EQ(OutputForMessage(LinkPart, 4, 4), -1);
    TImageFixture f;
    f->MaxPart = 1;
    EXPECT_EQ(f->ActivePortCount(), 2);
    f->MaxPart = 2;
    EXPECT_EQ(f->ActivePortCount(), 4);
}

TEST(ExclusiveChannelMessages, ControlNrpnAndRpnForms) {
    TImageFixture f;
    TImageWriter(*f).Part(0, 4, ppToneNumber).Value = 3 * 128 + 48;
    TImageWriter(*f).Part(0, 4, ppRxChannel).Value = 16;  // off: the part's own number is used
    const TPartChannelBytes b = PartChannelBytes(*f, 0, 4);
    EXPECT_EQ(b.ControlStatus, 0xB3);
    EXPECT_EQ(b.ProgramStatus, 0xC3);
    EXPECT_EQ(b.BankMsb, 3);
    EXPECT_EQ(b.Program, 48);
    EXPECT_EQ(b.BankLsb, 4);

    TShortMessage cc;
    TImageWriter(*f).Part(0, 1, ppVolume).Value = 90;
    ASSERT_TRUE(PartNrpnBytes(*f, 0, 1, ppVolume, cc));
    EXPECT_EQ(cc, (TShortMessage{0xB0, 7, 90}));
    EXPECT_FALSE(PartNrpnBytes(*f, 0, 1, 4, cc));

    std::array<TShortMessage, 4> seq;
    TImageWriter(*f).Part(0, 2, 27).Value = 70;
    ASSERT_TRUE(PartRpnBytes(*f, 0, 2, 0, 27, seq));
    EXPECT_EQ(seq[0], (TShortMessage{0xB1, 99, 1}));
    EXPECT_EQ(seq[1], (TShortMessage{0xB1, 98, 32}));
    EXPECT_EQ(seq[2], (TShortMessage{0xB1, 6, 70}));
    EXPECT_EQ(seq[3], (TShortMessage{0xB1, 38, 0}));
    EXPECT_FALSE(PartRpnBytes(*f, 0, 2, 1, 27, seq));
    TImageWriter(*f).Part(0, 2, ppPitchFineTune).Value = 8192 + 100;
    ASSERT_TRUE(PartRpnBytes(*f, 0, 2, 1, ppPitchFineTune, seq));
    EXPECT_EQ(seq[0], (TShortMessage{0xB1, 101, 0}));
    EXPECT_EQ(seq[1], (TShortMessage{0xB1, 100, 1}));
    EXPECT_EQ(seq[2], (TShortMessage{0xB1, 6, 64}));
    EXPECT_EQ(seq[3], (TShortMessage{0xB1, 38, 100}));
    TImageWriter(*f).Part(0, 2, ppBendPitchControl).Value = 76;
    ASSERT_TRUE(PartRpnBytes(*f, 0, 2, 1, ppBendPitchControl, seq));
    EXPECT_EQ(seq[2], (TShortMessage{0xB1, 6, 12}));
    ASSERT_TRUE(PartRpnBytes(*f, 0, 2, 1, ppMasterCoarseTuning, seq));
    EXPECT_EQ(seq[1], (TShortMessage{0xB1, 100, 2}));
}

TEST(ExclusiveReplies, DecodeReadsOnlyWhatTheReplyHolds) {
    TImageFixture f(mtSC88Pro);
    const TBytes tune = Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x00, 0x00, 0x04, 0x01, 0x02, 0x39, 0xF7});
    EXPECT_EQ(DecodeReply(*f, rkSystem, spMasterTune, tune), 0x0412);
    const TBytes shortTune(tune.begin(), tune.begin() + 10);
    EXPECT_FALSE(DecodeReply(*f, rkSystem, spMasterTune, shortTune));
    EXPECT_FALSE(DecodeReply(*f, rkSystem, 2, TBytes{0xF0, 0x41}));
    EXPECT_FALSE(DecodeReply(*f, rkSystem, 2, TBytes{}));
    // A truncated reply would read its own F7 as data.
    EXPECT_FALSE(DecodeReply(*f, rkPart, ppToneNumber, Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x11, 0x00, 0x05, 0xF7})));
    const TBytes tone = Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x11, 0x00, 0x08, 0x19, 0x00, 0xF7});
    EXPECT_EQ(DecodeReply(*f, rkPart, ppToneNumber, tone), 8 * 128 + 25);
    EXPECT_EQ(DecodeReply(*f, rkPart, ppPitchOffsetFine, tone), 8 * 16 + 25);
    const TBytes map0 = Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x41, 0x00, 0x00, 0x00, 0xF7});
    EXPECT_EQ(DecodeReply(*f, rkPart, ppToneMap, map0), 3);  // 0 reads as the module type's map

    TBytes scale = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x1B, 0x40};  // block 11 = part 12
    for (int k = 0; k < 12; ++k) scale.push_back(uint8_t(50 + k));
    scale.push_back(0);
    scale.push_back(0xF7);
    ASSERT_EQ(scale.size(), 22u);
    EXPECT_EQ(DecodeReply(*f, rkPart, ppScaleTuningC, scale, 2), 50);
    EXPECT_EQ(f->Part(2, 12, ppScaleTuningB).Value, 61);
    EXPECT_EQ(f->Part(0, 12, ppScaleTuningB).Value, 64);
    EXPECT_TRUE(f.Changes.empty());
    scale[10] = 0x90;  // a status byte inside the data
    EXPECT_FALSE(DecodeReply(*f, rkPart, ppScaleTuningC, scale, 2));
}

}  // namespace
}  // namespace veka
