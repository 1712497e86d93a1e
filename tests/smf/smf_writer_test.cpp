// Writing songs back: format 0 and 1 round trips, merging and splitting tracks, and what a
// write leaves out.
#include <gtest/gtest.h>

#include "smf/smf.h"
#include "smf_test_util.h"

namespace veka {
namespace {

using test::Append;
using test::SmfBytes;
using test::TBytes;

// Events of every track with absolute times, for comparisons.
std::vector<TSMFEventList> Absolute(const TSMF& smf) {
    std::vector<TSMFEventList> out = smf.Tracks;
    for (TSMFEventList& list : out) DeltaToAbsolute(list);
    return out;
}

TBytes Text(uint8_t type, const std::string& text) {
    TBytes out(text.size() + 3);
    out[0] = 0xFF;
    out[1] = type;
    out[2] = uint8_t(text.size());
    for (size_t i = 0; i < text.size(); ++i) out[i + 3] = uint8_t(text[i]);
    return out;
}

// A format 1 song: a conductor with a text, tempo and meter, a piano and a drum track, and a
// track of a name only.
TBytes ThreeTrackSong() {
    TBytes conductor = {0x00};
    for (uint8_t b : Text(0x03, "Title")) conductor.push_back(b);
    conductor.push_back(0x00);
    for (uint8_t b : Text(0x01, "words")) conductor.push_back(b);
    Append(conductor, {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x58, 0x04, 0x03, 0x02, 0x18, 0x08});
    Append(conductor, {0x00, 0xFF, 0x2F, 0x00});
    TBytes piano = {0x00};
    for (uint8_t b : Text(0x03, "Piano")) piano.push_back(b);
    Append(piano, {0x00, 0xC0, 0x00, 0x00, 0xF0, 0x0A, 0x41, 0x10, 0x42, 0x12, 0x40, 0x11, 0x19, 0x5A, 0x3C, 0xF7,
                   0x30, 0x90, 0x3C, 0x64, 0x30, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    TBytes drums = {0x00};
    for (uint8_t b : Text(0x03, "Drums")) drums.push_back(b);
    Append(drums, {0x30, 0x99, 0x24, 0x64, 0x00, 0x89, 0x24, 0x00, 0x18, 0xB9, 0x07, 0x64, 0x00, 0xFF, 0x2F, 0x00});
    TBytes empty = {0x00};
    for (uint8_t b : Text(0x03, "Empty")) empty.push_back(b);
    Append(empty, {0x00, 0xFF, 0x2F, 0x00});
    return SmfBytes(1, 96, {conductor, piano, drums, empty});
}

TEST(SmfWriter, Format1RoundTripKeepsEachEventInItsTrack) {
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(ThreeTrackSong())) << smf.LastError();
    ASSERT_EQ(smf.TrackCount(), 4);
    const auto before = Absolute(smf);
    // The tempo and meter went to the conductor values and are not written back by the song.
    for (const TSMFEvent& e : before[0]) EXPECT_FALSE(e.IsMeta(mtTempo) || e.IsMeta(mtTimeSignature));
    EXPECT_EQ(smf.Tempo, 120);

    const TBytes written = smf.SaveToBytes(1);
    // The name-only track is left out and the header counts the three chunks written.
    EXPECT_EQ(written[10] * 256 + written[11], 3);
    TSMF again;
    ASSERT_TRUE(again.LoadFromBytes(written)) << again.LastError();
    ASSERT_EQ(again.TrackCount(), 3);
    const auto after = Absolute(again);
    for (int t = 0; t < 3; ++t) {
        ASSERT_EQ(after[size_t(t)].size(), before[size_t(t)].size()) << t;
        for (size_t i = 0; i < after[size_t(t)].size(); ++i) {
            EXPECT_EQ(after[size_t(t)][i].Time, before[size_t(t)][i].Time) << t << " " << i;
            EXPECT_EQ(after[size_t(t)][i].Status, before[size_t(t)][i].Status) << t << " " << i;
            EXPECT_EQ(after[size_t(t)][i].Kind, before[size_t(t)][i].Kind) << t << " " << i;
            if (!after[size_t(t)][i].IsEndOfTrack()) {
                EXPECT_EQ(after[size_t(t)][i].Track, t) << t << " " << i;
            }
            EXPECT_TRUE(std::ranges::equal(after[size_t(t)][i].Data(), before[size_t(t)][i].Data())) << t << " " << i;
        }
    }
    EXPECT_EQ(again.TrackNames[1], "Piano");
    EXPECT_EQ(again.TrackNames[2], "Drums");
}

TEST(SmfWriter, ExclusiveMessagesAreWrittenBackByteForByte) {
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(ThreeTrackSong()));
    const TBytes written = smf.SaveToBytes(1);
    const TBytes message = {0xF0, 0x0A, 0x41, 0x10, 0x42, 0x12, 0x40, 0x11, 0x19, 0x5A, 0x3C, 0xF7};
    EXPECT_NE(std::search(written.begin(), written.end(), message.begin(), message.end()), written.end());
}

TEST(SmfWriter, Format0FromFormat1IsOneTrackInTimeOrderWithOneName) {
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(ThreeTrackSong()));
    const TBytes written = smf.SaveToBytes(0);
    EXPECT_EQ(written[9], 0);
    EXPECT_EQ(written[11], 1);
    TSMF again;
    ASSERT_TRUE(again.LoadFromBytes(written));
    ASSERT_EQ(again.TrackCount(), 1);
    auto events = Absolute(again)[0];
    int names = 0, channel = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        if (i > 0) {
            EXPECT_GE(events[i].Time, events[i - 1].Time);
        }
        names += events[i].IsMeta(mtTrackName);
        channel += events[i].IsChannel();
        EXPECT_EQ(events[i].Track, kNoTrack);
    }
    EXPECT_EQ(names, 1);
    EXPECT_EQ(std::string(events[0].Text()), "Title");
    EXPECT_EQ(channel, 6);
    EXPECT_TRUE(events.back().IsEndOfTrack());
    // At equal times the lower track comes first: the piano's note-off (track 1, 0x60) before
    // the drums' note-on at 0x30 + ... both tracks hold events at 0x30.
    const auto at30 = std::find_if(events.begin(), events.end(), [](const TSMFEvent& e) { return e.Time == 0x30; });
    ASSERT_NE(at30, events.end());
    EXPECT_EQ(at30->Status, 0x90);
    EXPECT_EQ((at30 + 1)->Status, 0x99);
}

TEST(SmfWriter, ShortTracksOfRealEventsAreKept) {
    TSMF smf;
    smf.TimeBase = 96;
    smf.SetTrackCount(3);
    smf.Tracks[0] = {MakeTextEvent(0, mtTrackName, "name"), MakeEndOfTrack(0)};
    smf.Tracks[1] = {MakeChannelEvent(5, 0x90, 60, 100), MakeEndOfTrack(0)};  // a lone note
    smf.Tracks[2] = {MakeTextEvent(0, mtTrackName, "x"), MakeTextEvent(0, mtTrackName, "y"), MakeEndOfTrack(0)};
    const TBytes out = smf.SaveToBytes(1);
    EXPECT_EQ(out[11], 2);  // the note's track and the three-event track
    TSMF again;
    ASSERT_TRUE(again.LoadFromBytes(out));
    ASSERT_EQ(again.TrackCount(), 2);
    EXPECT_EQ(again.Tracks[0][0].Status, 0x90);
    EXPECT_EQ(again.Tracks[0][0].Time, 5);
}

TEST(SmfWriter, NoDataByteOf80HexOrMoreInsideAnExclusiveMessage) {
    TSMF smf;
    smf.TimeBase = 96;
    smf.SetTrackCount(1);
    smf.Tracks[0] = {MakeSysexEvent(0, TBytes{0xF0, 0x41, 0x90, 0xFF, 0x12, 0xF7}),
                     MakeChannelEvent(0, 0xB0, 0x87, 0x99)};
    const TBytes out = smf.SaveToBytes(1);
    const TBytes masked = {0xF0, 0x05, 0x41, 0x10, 0x7F, 0x12, 0xF7};
    EXPECT_NE(std::search(out.begin(), out.end(), masked.begin(), masked.end()), out.end());
    const TBytes controller = {0xB0, 0x07, 0x19};
    EXPECT_NE(std::search(out.begin(), out.end(), controller.begin(), controller.end()), out.end());
    // Every chunk ends with an End of Track even when the list had none.
    EXPECT_EQ(TBytes(out.end() - 3, out.end()), (TBytes{0xFF, 0x2F, 0x00}));
}

TEST(SmfWriter, AMetaTypeAbove7FAndAPauseLongerThanOneDeltaKeepEveryOtherEventInPlace) {
    TSMF smf;
    smf.TimeBase = 96;
    smf.SetTrackCount(1);
    const uint8_t three[] = {1, 2, 3};
    // AF masked would be an End of Track that cuts the track short.
    smf.Tracks[0] = {MakeChannelEvent(0, 0x90, 60, 100), MakeMetaEvent(10, 0xAF, three), MakeChannelEvent(5, 0x80, 60, 0),
                     MakeChannelEvent(0x0FFFFFFF + 20, 0x90, 62, 100), MakeEndOfTrack(0)};
    const TBytes out = smf.SaveToBytes(1);
    TSMF again;
    ASSERT_TRUE(again.LoadFromBytes(out)) << again.LastError();
    std::vector<std::pair<int64_t, uint8_t>> notes;
    int64_t now = 0;
    for (const TSMFEvent& e : again.Tracks[0]) {
        now += e.Time;
        if (e.IsChannel()) notes.emplace_back(now, e.Status);
        EXPECT_FALSE(e.Kind == ekMeta && e.Data1 == 0x2F && e.DataLength() != 0) << "a meta event turned into another";
    }
    EXPECT_EQ(notes, (std::vector<std::pair<int64_t, uint8_t>>{{0, 0x90}, {15, 0x80}, {15 + 0x0FFFFFFF + 20, 0x90}}));
}

TEST(SmfWriter, MergeAndSplitFollowTheTrackField) {
    TSMF smf;
    smf.SetTrackCount(2);
    smf.Tracks[0] = {MakeChannelEvent(10, 0x90, 1, 1, 0), MakeEndOfTrack(0, 0)};
    smf.Tracks[1] = {MakeChannelEvent(10, 0x91, 2, 1, 1), MakeChannelEvent(0, 0x81, 2, 0, 1), MakeEndOfTrack(5, 1)};
    smf.MergeTracks();
    ASSERT_EQ(smf.TrackCount(), 1);
    auto merged = Absolute(smf)[0];
    ASSERT_EQ(merged.size(), 4u);
    EXPECT_EQ(merged[0].Status, 0x90);  // equal times: the lower track first
    EXPECT_EQ(merged[1].Status, 0x91);
    EXPECT_TRUE(merged[3].IsEndOfTrack());
    EXPECT_EQ(merged[3].Time, 20);

    // Events the program adds (track field FF) go by kind; with a highest track field of 1
    // there are still enough tracks for a channel-16 event.
    smf.Tracks[0].insert(smf.Tracks[0].begin() + 1, MakeChannelEvent(0, 0xCF, 5));
    smf.Tracks[0].insert(smf.Tracks[0].begin() + 1, MakeSysexEvent(0, TBytes{0xF0, 0xF7}));
    smf.Tracks[0].insert(smf.Tracks[0].begin() + 1, MakeTextEvent(0, mtTempo, "abc"));
    smf.SplitTracks();
    ASSERT_EQ(smf.TrackCount(), 18);
    EXPECT_EQ(smf.Tracks[0].size(), 3u);  // its note, the tempo, its End of Track
    EXPECT_EQ(smf.Tracks[1].size(), 3u);
    EXPECT_EQ(smf.Tracks[2].size(), 2u);  // the exclusive message
    EXPECT_EQ(smf.Tracks[17].size(), 2u);
    EXPECT_EQ(smf.Tracks[17][0].Status, 0xCF);
    for (const TSMFEventList& list : smf.Tracks) {
        ASSERT_FALSE(list.empty());
        EXPECT_TRUE(list.back().IsEndOfTrack());
        EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const TSMFEvent& e) { return e.IsEndOfTrack(); }), 1);
    }
}

TEST(SmfWriter, AFailedSaveLeavesTheOldFile) {
    test::TScratchFolder folder;
    const std::string path = folder / "song.mid";
    test::WriteBytes(path, {1, 2, 3});
    TSMF empty;
    EXPECT_FALSE(empty.SaveToFile(path, 1));
    EXPECT_FALSE(empty.LastError().empty());
    EXPECT_EQ(test::ReadBytes(path), (TBytes{1, 2, 3}));
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(ThreeTrackSong()));
    EXPECT_FALSE(smf.SaveToFile(folder / "no/such/folder/song.mid", 1));
    EXPECT_FALSE(smf.LastError().empty());
    ASSERT_TRUE(smf.SaveToFile(path, 1));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);  // no temporary file left behind
}

}  // namespace
}  // namespace veka
