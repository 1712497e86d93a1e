// Taking a song's setup into the image: the horizon, the channel-to-part rule, understood
// exclusives, NRPN and RPN sequences, and what stays in the song.
#include <gtest/gtest.h>

#include "module/exclusive.h"
#include "smf/gs_exclusive_decode.h"
#include "module/image_reset.h"
#include "smf/setup_analysis.h"
#include "smf/smf.h"
#include "test_image.h"

namespace veka {
namespace {

using TBytes = std::vector<uint8_t>;

TSMFEvent Dt1(int32_t delta, std::array<uint8_t, 3> address, TBytes data) {
    return MakeSysexEvent(delta, BuildDT1(0x10, address, data));
}
TSMFEvent Cc(int32_t delta, int channel, uint8_t number, uint8_t value) {
    return MakeChannelEvent(delta, uint8_t(0xB0 | channel), number, value);
}
TSMFEvent NoteOn(int32_t delta, int channel, uint8_t velocity) {
    return MakeChannelEvent(delta, uint8_t(0x90 | channel), 60, velocity);
}

struct TAnalysed {
    test::TImageFixture Image;
    TSMF Song;
    TAnalysisResult Result;
    explicit TAnalysed(std::vector<TSMFEventList> tracks, int maxPart = 0) {
        Image->MaxPart = maxPart;
        GsResetImage(*Image);
        Song.Format = 1;
        Song.Tracks = std::move(tracks);
        for (TSMFEventList& t : Song.Tracks) t.push_back(MakeEndOfTrack(0));
        Result = AnalyzeSetup(*Image, Song);
    }
    int32_t Part(int port, int part, int n) { return Image->Part(port, part, n).Value; }
    // What stayed in a track, as (absolute time, status or meta type) pairs.
    std::vector<std::pair<int32_t, int>> Left(size_t track) {
        TSMFEventList copy = Song.Tracks[track];
        DeltaToAbsolute(copy);
        std::vector<std::pair<int32_t, int>> out;
        for (const TSMFEvent& e : copy)
            if (!e.IsEndOfTrack()) out.push_back({e.Time, e.Kind == ekMeta ? 0x100 + e.Data1 : e.Status});
        return out;
    }
};

TEST(SetupAnalysis, ReadsUpToTheFirstRealNoteAndRemovesWhatItApplied) {
    TAnalysed a({{Dt1(0, {0x40, 0x11, 0x19}, {90}), NoteOn(1, 0, 1), MakeChannelEvent(1, 0x80, 60, 1),
                  Cc(1, 0, 10, 30), NoteOn(7, 0, 100), Cc(1, 0, 91, 50), MakeChannelEvent(5, 0x80, 60, 0)}});
    EXPECT_EQ(a.Part(0, 1, ppVolume), 90);
    EXPECT_EQ(a.Part(0, 1, ppPanpot), 30);  // after the dummy note, before the real one
    EXPECT_EQ(a.Part(0, 1, 18), 40);        // the reverb send after the note stays in the song
    EXPECT_EQ(a.Result.Applied, 2);
    EXPECT_EQ(a.Left(0), (std::vector<std::pair<int32_t, int>>{{1, 0x90}, {2, 0x80}, {10, 0x90}, {11, 0xB0}, {16, 0x80}}));
    EXPECT_TRUE(a.Result.Message.empty());
}

TEST(SetupAnalysis, ProgramChangesKeepTheBankAndLoadDrumSets) {
    TAnalysed a({{Cc(0, 0, 0, 8), MakeChannelEvent(0, 0xC0, 4), NoteOn(10, 0, 100)},
                 {MakeChannelEvent(0, 0xC9, 16), NoteOn(10, 9, 100)}});
    EXPECT_EQ(a.Part(0, 1, ppToneNumber), 8 * 128 + 4);
    EXPECT_EQ(a.Part(0, 10, ppToneNumber), 16);
    EXPECT_EQ(a.Image->DrumSet(0, 1).Program, 16);
    EXPECT_TRUE(a.Image->DrumSet(0, 1).Found);
    EXPECT_EQ(a.Result.Applied, 3);
}

TEST(SetupAnalysis, ReceiveChannelMessagesDecideWhichPartsAControllerReaches) {
    // A2 moves to channel 1 (like A1): channel 1 reaches both, channel 2 no part at all.
    TAnalysed a({{Dt1(0, {0x40, 0x12, 0x02}, {0}), Cc(5, 0, 7, 77), Cc(0, 1, 7, 66), NoteOn(10, 0, 100)}});
    EXPECT_EQ(a.Part(0, 2, ppRxChannel), 0);
    EXPECT_EQ(a.Part(0, 1, ppVolume), 77);
    EXPECT_EQ(a.Part(0, 2, ppVolume), 77);
    EXPECT_EQ(a.Part(0, 3, ppVolume), 100);
    EXPECT_EQ(a.Left(0), (std::vector<std::pair<int32_t, int>>{{5, 0xB1}, {15, 0x90}}));
}

TEST(SetupAnalysis, TracksSharingAChannelAreCountedAndReported) {
    TAnalysed a({{NoteOn(0, 3, 100)}, {Cc(0, 3, 7, 1), NoteOn(0, 3, 100)}, {NoteOn(0, 4, 100)}});
    EXPECT_EQ(a.Result.OverlapCount, 2);
    EXPECT_NE(a.Result.Message.find("Total number of overlapped tracks : 2\r\n"), std::string::npos);
    EXPECT_EQ(SharedChannelMessage(3, TLanguage::Japanese).find("このSMFには"), 0u);
}

TEST(SetupAnalysis, NrpnAndRpnSequencesTheTableKnows) {
    TAnalysed a({{Cc(0, 0, 99, 1), Cc(0, 0, 98, 8), Cc(0, 0, 6, 80),        // vibrato rate
                  Cc(0, 0, 99, 1), Cc(0, 0, 98, 50), Cc(0, 0, 6, 70),       // no such NRPN
                  Cc(0, 0, 101, 0), Cc(0, 0, 100, 0), Cc(0, 0, 6, 12),      // bend range
                  Cc(0, 0, 101, 0), Cc(0, 0, 100, 1), Cc(0, 0, 6, 0x50), Cc(0, 0, 38, 0x10),
                  Cc(0, 0, 101, 0), Cc(0, 0, 100, 2), Cc(0, 0, 6, 70),      // coarse tuning
                  Cc(0, 0, 99, 1), Cc(0, 0, 98, 9), Cc(0, 0, 101, 0), Cc(0, 0, 100, 0), Cc(0, 0, 6, 5),
                  NoteOn(10, 0, 100)}});
    EXPECT_EQ(a.Part(0, 1, 25), 80);
    EXPECT_EQ(a.Part(0, 1, ppBendPitchControl), 64 + 5);  // the last data entry was for the RPN
    EXPECT_EQ(a.Part(0, 1, ppPitchFineTune), 0x50 * 128 + 0x10);
    EXPECT_EQ(a.Part(0, 1, ppMasterCoarseTuning), 70);
    EXPECT_EQ(a.Part(0, 1, 26), 64);  // its NRPN number was followed by an RPN number
    // Left: the unknown NRPN's three events, and the NRPN number pair that got no value.
    std::vector<std::pair<int32_t, int>> left;
    for (int i = 0; i < 5; ++i) left.push_back({0, 0xB0});
    left.push_back({10, 0x90});
    EXPECT_EQ(a.Left(0), left);
}

TEST(SetupAnalysis, ExclusivesTheImageKnowsAndThoseItDoesNot) {
    TBytes badChecksum = BuildDT1(0x10, {0x40, 0x11, 0x1C}, TBytes{1});
    badChecksum[badChecksum.size() - 2] ^= 1;
    TAnalysed a({{MakeSysexEvent(0, GsResetMessage(0x10)), MakeSysexEvent(0, TBytes{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}),
                  MakeSysexEvent(0, TBytes{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}),
                  Dt1(0, {0x40, 0x01, 0x30}, {1, 6, 3}),           // reverb macro, character, pre-LPF
                  Dt1(0, {0x40, 0x01, 0x36}, {1}),                 // no parameter there
                  MakeSysexEvent(0, badChecksum),
                  Dt1(0, {0x40, 0x19, 0x40}, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}),
                  Dt1(0, {0x21, 0x01, 0x24}, {70}),                // user drum set 0 note 36 pitch
                  Dt1(0, {0x40, 0x00, 0x00}, {0, 4, 1, 0}),        // master tune 1040
                  NoteOn(10, 0, 100)}});
    EXPECT_EQ(a.Image->System(spReverbMacro).Value, 1);
    EXPECT_EQ(a.Image->System(6).Value, 6);
    EXPECT_EQ(a.Image->System(7).Value, 3);
    EXPECT_EQ(a.Image->System(spMasterTune).Value, 1040);
    EXPECT_EQ(a.Part(0, 1, ppPanpot), 64);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(a.Part(0, 9, ppScaleTuningC + k), 60 + k);
    EXPECT_EQ(a.Image->UserDrum(0, 1, 36).Value, 70);
    EXPECT_EQ(a.Left(0), (std::vector<std::pair<int32_t, int>>{{0, 0}, {0, 0}, {10, 0x90}}));
}

TEST(SetupAnalysis, SecondPortByAddressAndByPortMetaEvent) {
    const uint8_t portB = 1;
    TAnalysed a({{Dt1(0, {0x50, 0x11, 0x19}, {90}), Dt1(0, {0x51, 0x01, 0x24}, {99}), Dt1(0, {0x00, 0x01, 0x13}, {0}),
                  NoteOn(10, 0, 100)},
                 {MakeMetaEvent(0, mtPort, std::span<const uint8_t>(&portB, 1)), Cc(0, 1, 10, 20), NoteOn(10, 1, 100)}},
                1);
    EXPECT_EQ(a.Part(1, 1, ppVolume), 90);
    EXPECT_EQ(a.Part(0, 1, ppVolume), 100);
    EXPECT_EQ(a.Image->Drum(1, 1, 1, 36).Value, 99);
    EXPECT_EQ(a.Part(1, 3, ppRxPort), 0);
    EXPECT_EQ(a.Part(1, 2, ppPanpot), 20);
    EXPECT_EQ(a.Part(0, 2, ppPanpot), 64);
}

TEST(SetupAnalysis, DrumValuesSurviveALaterProgramChange) {
    TAnalysed a({{Dt1(0, {0x41, 0x02, 0x26}, {33}), MakeChannelEvent(1, 0xC9, 8), NoteOn(10, 9, 100)}});
    EXPECT_EQ(a.Image->DrumSet(0, 1).Program, 8);
    EXPECT_EQ(a.Image->Drum(0, 1, 2, 38).Value, 33);
}

TEST(SetupAnalysis, Format0SongsAreSplitAndSongsWithoutNotesReadToTheEnd) {
    test::TImageFixture image;
    GsResetImage(*image);
    TSMF song;
    song.Format = 0;
    song.Tracks = {{Dt1(0, {0x40, 0x11, 0x19}, {11}), Cc(500, 2, 7, 22), MakeEndOfTrack(0)}};
    AnalyzeSetup(*image, song);
    EXPECT_EQ(song.TrackCount(), 18);
    EXPECT_EQ(image->Part(0, 1, ppVolume).Value, 11);
    EXPECT_EQ(image->Part(0, 3, ppVolume).Value, 22);
}

TEST(GsExclusiveDecode, AddressesAcrossPartBlocksAndBadMessages) {
    test::TImageFixture image;
    std::vector<TGsAssignment> out;
    // 40 10 00 is part 10's tone number: two bytes, one value.
    EXPECT_EQ(DecodeGsExclusive(*image, BuildDT1(0x10, {0x40, 0x10, 0x00}, TBytes{1, 2}), out), TGsMessage::Parameters);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], (TGsAssignment{LinkPart, 0, 10, ppToneNumber, 0, 130}));
    // The bank select LSB 0 means the module type's own map.
    EXPECT_EQ(DecodeGsExclusive(*image, BuildDT1(0x10, {0x40, 0x4F, 0x00}, TBytes{0}), out), TGsMessage::Parameters);
    EXPECT_EQ(out[0], (TGsAssignment{LinkPart, 0, 16, ppToneMap, 0, image->ToneMapOfModuleType()}));
    // A message whose last parameter is cut is not understood at all.
    EXPECT_EQ(DecodeGsExclusive(*image, BuildDT1(0x10, {0x40, 0x11, 0x17}, TBytes{8}), out), TGsMessage::NotUnderstood);
    EXPECT_TRUE(out.empty());
    for (const TBytes& m : {TBytes{0xF0, 0xF7}, TBytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x11, 0x19, 0x90, 0x00, 0xF7},
                            TBytes{0xF0, 0x41, 0x10, 0x42, 0x11, 0x40, 0x11, 0x19, 0x5A, 0x3C, 0xF7},
                            TBytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x11, 0x19, 0x5A, 0x3C}})
        EXPECT_EQ(DecodeGsExclusive(*image, m, out), TGsMessage::NotUnderstood);
    EXPECT_EQ(DecodeGsExclusive(*image, SystemModeSetMessage(0x10, 0), out), TGsMessage::Reset);
}

}  // namespace
}  // namespace veka
