// Reading Standard MIDI Files: what a song holds, and what a damaged or hostile file does.
#include <gtest/gtest.h>

#include <filesystem>

#include "smf/smf.h"
#include "smf/vlq.h"
#include "smf_test_util.h"

namespace veka {
namespace {

using test::Append;
using test::EndOfTrack;
using test::SmfBytes;
using test::TBytes;

TEST(Vlq, EncodesAndDecodesUpToFourBytes) {
    const std::vector<std::pair<uint32_t, TBytes>> cases = {
        {0, {0x00}}, {0x40, {0x40}}, {0x7F, {0x7F}}, {0x80, {0x81, 0x00}}, {0x2000, {0xC0, 0x00}},
        {0x3FFF, {0xFF, 0x7F}}, {0x4000, {0x81, 0x80, 0x00}}, {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}};
    for (const auto& [value, bytes] : cases) {
        TBytes out;
        EncodeVlq(value, out);
        EXPECT_EQ(out, bytes) << value;
        size_t pos = 0;
        uint32_t back = 0;
        ASSERT_EQ(DecodeVlq(bytes, pos, back), TVlqResult::Ok);
        EXPECT_EQ(back, value);
        EXPECT_EQ(pos, bytes.size());
    }
    TBytes big;
    EncodeVlq(0xFFFFFFFF, big);  // the largest a file may carry instead
    EXPECT_EQ(big, (TBytes{0xFF, 0xFF, 0xFF, 0x7F}));

    const TBytes five = {0x81, 0x80, 0x80, 0x80, 0x00}, cut = {0x81, 0x80};
    size_t pos = 0;
    uint32_t v = 0;
    EXPECT_EQ(DecodeVlq(five, pos, v), TVlqResult::TooLong);
    EXPECT_EQ(DecodeVlq(cut, pos, v), TVlqResult::Truncated);
    EXPECT_EQ(pos, 0u);
}

TEST(SmfReader, RejectsHeadersItCannotUseWithAClearReason) {
    const TBytes body = {0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    struct TCase {
        TBytes Bytes;
        const char* Reason;
    };
    TBytes notMthd = SmfBytes(0, 96, {body});
    notMthd[1] = 'X';
    TBytes length7 = SmfBytes(0, 96, {body});
    length7[7] = 7;
    TBytes headerPastEnd = SmfBytes(0, 96, {body});
    headerPastEnd[6] = 0x7F;  // 0x00007F06 bytes of header
    TBytes format3 = SmfBytes(3, 96, {body});
    const std::vector<TCase> cases = {
        {TBytes{'M', 'T', 'h', 'd'}, "MThd"},
        {notMthd, "MThd"},
        {length7, "header length"},
        {headerPastEnd, "header runs past"},
        {SmfBytes(0, 0xE728, {body}), "SMPTE"},
        {SmfBytes(1, 96, {}, 0), "no track"},
        {SmfBytes(1, 96, {body}, 129), "more than 128"},
        {SmfBytes(0, 0, {body}), "time base is 0"},
        {format3, "format 3"},
    };
    for (const TCase& c : cases) {
        TSMF smf;
        EXPECT_FALSE(smf.LoadFromBytes(c.Bytes, "x.mid")) << c.Reason;
        EXPECT_NE(smf.LastError().find(c.Reason), std::string::npos) << smf.LastError();
        EXPECT_EQ(smf.TrackCount(), 0);
    }
}

TEST(SmfReader, RefusesFilesAbove64MiBBeforeReadingThem) {
    test::TScratchFolder folder;
    const std::string path = folder / "huge.mid";
    test::WriteBytes(path, SmfBytes(0, 96, {EndOfTrack()}));
    std::filesystem::resize_file(path, TSMF::kMaxFileSize + 1);  // sparse: nothing is written
    TSMF smf;
    EXPECT_FALSE(smf.LoadFromFile(path));
    EXPECT_NE(smf.LastError().find(std::to_string(TSMF::kMaxFileSize)), std::string::npos) << smf.LastError();
}

TEST(SmfReader, LongerHeaderAndForeignChunksAreSteppedOver) {
    TBytes file = {'M', 'T', 'h', 'd', 0, 0, 1, 6, 0, 0, 0, 1, 0, 96};
    file.insert(file.end(), 256, 0xEE);
    Append(file, {'X', 'Y', 'Z', 'W', 0, 0, 0, 3, 1, 2, 3});
    Append(file, {'M', 'T', 'r', 'k', 0, 0, 0, 8, 0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00});
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(file)) << smf.LastError();
    ASSERT_EQ(smf.TrackCount(), 1);
    ASSERT_EQ(smf.Tracks[0].size(), 2u);
    EXPECT_EQ(smf.Tracks[0][0].Status, 0x90);
    EXPECT_TRUE(smf.Warnings().empty());
}

TEST(SmfReader, RunningStatusProgramChangesAreSeparateEvents) {
    const TBytes body = {0x00, 0xC0, 0x05, 0x00, 0x06, 0x10, 0x07, 0x00, 0x90, 0x3C, 0x40, 0x00, 0x3E, 0x40,
                         0x00, 0xFF, 0x2F, 0x00};
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(0, 96, {body})));
    const TSMFEventList& t = smf.Tracks[0];
    ASSERT_EQ(t.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t[size_t(i)].Status, 0xC0);
        EXPECT_EQ(t[size_t(i)].Data1, 5 + i);
        EXPECT_EQ(t[size_t(i)].Data2, 0);
    }
    EXPECT_EQ(t[2].Time, 0x10);
    EXPECT_EQ(t[4].Status, 0x90);
    EXPECT_EQ(t[4].Data1, 0x3E);
    EXPECT_EQ(t[4].Track, kNoTrack);  // format 0
}

TEST(SmfReader, CorruptTracksFailWithTheTrackNamed) {
    const std::vector<std::pair<TBytes, const char*>> cases = {
        {{0x00, 0x3C, 0x40}, "running status without"},
        {{0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x40}, "delta time is longer"},
        {{0x00, 0xF0, 0x81, 0x80, 0x80, 0x80, 0x00}, "exclusive length is longer"},
        {{0x00, 0xFF, 0x01, 0x81, 0x80, 0x80, 0x80, 0x00}, "meta event length is longer"},
    };
    for (const auto& [body, reason] : cases) {
        TSMF smf;
        EXPECT_FALSE(smf.LoadFromBytes(SmfBytes(1, 96, {EndOfTrack(), body}))) << reason;
        EXPECT_NE(smf.LastError().find("track 2"), std::string::npos) << smf.LastError();
        EXPECT_NE(smf.LastError().find(reason), std::string::npos) << smf.LastError();
    }
}

TEST(SmfReader, FilesCutShortKeepWhatCameBefore) {
    // An exclusive message and a meta event that claim more bytes than the file has: the
    // events before them stay, nothing is allocated for the claimed length.
    const TBytes note = {0x00, 0x90, 0x3C, 0x40, 0x10, 0x80, 0x3C, 0x00};
    for (const TBytes& tail : {TBytes{0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F, 0x41}, TBytes{0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F},
                               TBytes{0x00, 0x90, 0x3C}, TBytes{0x83}}) {
        TBytes body = note;
        body.insert(body.end(), tail.begin(), tail.end());
        TSMF smf;
        ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(0, 96, {body}))) << smf.LastError();
        ASSERT_EQ(smf.Tracks[0].size(), 2u);
        EXPECT_EQ(smf.Tracks[0][1].Status, 0x80);
        ASSERT_EQ(smf.Warnings().size(), 1u);
        EXPECT_NE(smf.Warnings()[0].find("runs past the end of the track"), std::string::npos);
    }
    // A chunk whose length runs past the end of the file is read to the end of the file.
    TBytes file = SmfBytes(0, 96, {note});
    file[21] = 0x7F;
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(file));
    EXPECT_EQ(smf.Tracks[0].size(), 2u);
    ASSERT_FALSE(smf.Warnings().empty());
    EXPECT_NE(smf.Warnings()[0].find("cut short"), std::string::npos);
    // Tracks the header announces but the file does not hold.
    ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(1, 96, {note}, 3)));
    ASSERT_FALSE(smf.Warnings().empty());
    EXPECT_NE(smf.Warnings()[0].find("1 of the 3 tracks"), std::string::npos) << smf.Warnings()[0];
}

TEST(SmfReader, AChannelMessageCutOffByAStatusByteEndsTheTrackThere) {
    // A polyphonic pressure whose second data byte is a note-on's status: the message was cut
    // off inside the track; what follows cannot be placed.
    const TBytes body = {0x00, 0x90, 0x3C, 0x40, 0x10, 0xA1, 0x10, 0x90, 0x3C, 0x64, 0x30, 0x80, 0x3C, 0x00};
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(0, 96, {body}))) << smf.LastError();
    ASSERT_EQ(smf.Tracks[0].size(), 1u);
    EXPECT_EQ(smf.Tracks[0][0].Status, 0x90);
    ASSERT_EQ(smf.Warnings().size(), 1u);
    EXPECT_NE(smf.Warnings()[0].find("cut off by a status byte at byte 29"), std::string::npos) << smf.Warnings()[0];
    // The same with the first data byte.
    ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(0, 96, {TBytes{0x00, 0xC0, 0x05, 0x00, 0xC0, 0xB0, 0x07, 0x64}})));
    EXPECT_EQ(smf.Tracks[0].size(), 1u);
    ASSERT_EQ(smf.Warnings().size(), 1u);
}

TEST(SmfReader, AllOf128AnnouncedTracksAreRead) {
    std::vector<TBytes> tracks;
    for (int t = 0; t < 128; ++t) tracks.push_back({0x00, uint8_t(0x90 | t % 16), 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00});
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(1, 96, tracks)));
    ASSERT_EQ(smf.TrackCount(), 128);
    EXPECT_EQ(smf.Tracks[127][0].Track, 127);
    EXPECT_EQ(smf.Tracks[127][0].Status, 0x9F);
    EXPECT_FALSE(smf.SetTrackCount(129));
    EXPECT_EQ(smf.TrackCount(), 0);
    EXPECT_TRUE(smf.SetTrackCount(128));
    EXPECT_EQ(smf.AddTrack(), -1);
}

TEST(SmfReader, ContinuationPacketsAndStrayBytesDoNotDerailTheTrack) {
    const TBytes body = {0x00, 0xF0, 0x03, 0x43, 0x12, 0x00,        // first packet, no F7
                         0x05, 0xF7, 0x02, 0x43, 0xF7,              // continuation
                         0x03, 0xF8,                                // a stray real-time byte
                         0x04, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(0, 96, {body})));
    const TSMFEventList& t = smf.Tracks[0];
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(TBytes(t[1].Data().begin(), t[1].Data().end()), (TBytes{0xF7, 0x43, 0xF7}));
    EXPECT_EQ(t[2].Kind, ekNone);
    EXPECT_EQ(t[3].Status, 0x90);
    EXPECT_EQ(t[3].Time, 4);
    // Written back: the continuation as it was; the stray byte gone, its time kept.
    const TBytes out = smf.SaveToBytes(0);
    TSMF again;
    ASSERT_TRUE(again.LoadFromBytes(out));
    ASSERT_EQ(again.Tracks[0].size(), 4u);
    EXPECT_EQ(again.Tracks[0][1].Data()[0], 0xF7);
    EXPECT_EQ(again.Tracks[0][2].Time, 7);
}

TEST(SmfReader, ConductorValuesAreTakenOutOfTheFirstTrack) {
    TBytes conductor = {0x00, 0xFF, 0x03, 0x04, 'S', 'o', 'n', 'g', 0x00, 0xFF, 0x02, 0x02, 'M', 'e',
                        0x00, 0xFF, 0x58, 0x04, 0x06, 0x03, 0x24, 0x08, 0x00, 0xFF, 0x59, 0x02, 0xFE, 0x01,
                        0x00, 0xFF, 0x51, 0x03, 0x07, 0x53, 0x00,  // 480000 us: 125 bpm
                        0x00, 0xFF, 0x01, 0x02, 'h', 'i', 0x60, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                        0x00, 0xFF, 0x01, 0x02, 'n', 'o', 0x00, 0xFF, 0x2F, 0x00};
    const TBytes music = {0x00, 0xFF, 0x03, 0x03, 'P', 'n', 'o', 0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00,
                          0x00, 0xFF, 0x2F, 0x00};
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(SmfBytes(1, 480, {conductor, music})));
    EXPECT_EQ(smf.Tempo, 125);
    EXPECT_EQ(smf.TempoMicroseconds, 480000u);
    EXPECT_EQ(smf.Numerator, 6);
    EXPECT_EQ(smf.Denominator, 8);
    EXPECT_EQ(smf.TimeSignatureData, (TBytes{0x06, 0x03, 0x24, 0x08}));
    EXPECT_EQ(smf.KeySignature, (TBytes{0xFE, 0x01}));
    EXPECT_EQ(smf.Notice, "Me");
    EXPECT_EQ(smf.TrackNames[0], "Song");
    EXPECT_EQ(smf.TrackNames[1], "Pno");
    EXPECT_EQ(smf.TextList, (std::vector<std::string>{"hi"}));  // "no" is not at time 0
    EXPECT_EQ(smf.BarLength(), 1440);
    // The first notice, time signature, key and tempo are gone from the song; the second tempo
    // stays where it was.
    ASSERT_EQ(smf.TrackCount(), 2);
    const TSMFEventList& t = smf.Tracks[0];
    ASSERT_EQ(t.size(), 5u);
    EXPECT_TRUE(t[0].IsMeta(mtTrackName));
    EXPECT_TRUE(t[1].IsMeta(mtText));
    EXPECT_TRUE(t[2].IsMeta(mtTempo));
    EXPECT_EQ(t[2].Time, 0x60);
    EXPECT_TRUE(t[3].IsMeta(mtText));
    EXPECT_TRUE(t[4].IsEndOfTrack());
}

// Normalising keeps each event in its track: the same as merging every track, taking the
// first conductor events out of the merged song and splitting it again by track field.
TEST(SmfReader, NormalisingIsMergingAndSplittingWithoutTheMoves) {
    auto meta = [](int32_t t, uint8_t type, uint8_t track) { return MakeTextEvent(t, type, "x", track); };
    auto note = [](int32_t t, uint8_t track) { return MakeChannelEvent(t, uint8_t(0x90 | track), 60, 100, track); };
    const std::vector<std::vector<TSMFEventList>> songs = {
        // Tempo in two tracks at the same time (the lower track's goes), a time signature later in
        // track 0 than in track 2, End of Track events in the middle and with a delta.
        {{meta(0, mtTrackName, 0), meta(5, mtTimeSignature, 0), meta(0, mtTempo, 0), MakeEndOfTrack(7, 0)},
         {meta(5, mtTempo, 1), note(0, 1), MakeEndOfTrack(0, 1), note(3, 1), MakeEndOfTrack(9, 1)},
         {meta(1, mtTimeSignature, 2), meta(0, mtKeySignature, 2), meta(0, mtNotice, 2), note(2, 2), meta(0, mtNotice, 2)},
         {MakeEndOfTrack(0, 3)}},
        // Everything in the first track: 18 tracks come back.
        {{meta(0, mtTempo, 0), note(4, 0), MakeEndOfTrack(0, 0)}, {MakeEndOfTrack(0, 1)}},
        // No events at all.
        {{MakeEndOfTrack(0, 0)}, {MakeEndOfTrack(0, 1)}, {MakeEndOfTrack(0, 2)}},
    };
    for (const auto& tracks : songs) {
        TSMF fast, reference;
        fast.Format = reference.Format = 1;
        fast.Tracks = reference.Tracks = tracks;
        fast.Normalise();
        reference.MergeTracks();
        TSMFEventList& merged = reference.Tracks[0];
        DeltaToAbsolute(merged);
        for (uint8_t type : {mtNotice, mtTimeSignature, mtKeySignature, mtTempo}) {
            const auto it = std::find_if(merged.begin(), merged.end(), [type](const TSMFEvent& e) { return e.IsMeta(type); });
            if (it != merged.end()) merged.erase(it);
        }
        AbsoluteToDelta(merged);
        reference.SplitTracks();
        ASSERT_EQ(fast.TrackCount(), reference.TrackCount());
        for (int t = 0; t < fast.TrackCount(); ++t) EXPECT_EQ(fast.Tracks[size_t(t)], reference.Tracks[size_t(t)]) << t;
    }
}

TEST(SmfReader, ProgressEveryThousandBytes) {
    TBytes body;
    for (int i = 0; i < 1500; ++i) Append(body, {0x01, 0x90, 0x3C, 0x40});
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
    const TBytes file = SmfBytes(0, 96, {body});
    TSMF smf;
    std::vector<int> at;
    smf.OnProgress = [&](int max, int current, const std::string& text) {
        EXPECT_EQ(max, int(file.size()));
        EXPECT_EQ(text, "Loading song.mid");
        at.push_back(current);
    };
    int finished = 0;
    smf.OnFinished = [&] { ++finished; };
    ASSERT_TRUE(smf.LoadFromBytes(file, "song.mid"));
    EXPECT_EQ(at.size(), file.size() / 1000);
    for (size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], 1000);
    EXPECT_GE(finished, 1);
}

TEST(SmfReader, TracksLongerThanTheTimeFieldAreRefused) {
    TBytes body;
    for (int i = 0; i < 9; ++i) Append(body, {0xFF, 0xFF, 0xFF, 0x7F, 0x90, 0x3C, 0x40});
    TSMF smf;
    EXPECT_FALSE(smf.LoadFromBytes(SmfBytes(0, 96, {body})));
    EXPECT_NE(smf.LastError().find("longer than"), std::string::npos);
}

}  // namespace
}  // namespace veka
