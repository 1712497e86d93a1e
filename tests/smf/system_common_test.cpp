// Songs with system common messages (time code, song position, song select, tune request and
// the undefined F4 / F5) inside their tracks: they are stepped over by their lengths, the rest
// of the track and the song's GS setup are read, and the file gets one warning for them.
#include <gtest/gtest.h>

#include <algorithm>

#include "module/exclusive.h"
#include "module/image_reset.h"
#include "smf/setup_analysis.h"
#include "smf/smf.h"
#include "smf_test_util.h"
#include "test_image.h"

namespace veka {
namespace {

using test::TBytes;

// A delta time below 128 and a DT1 exclusive for device 10 in its file form (F0, length, rest).
void AppendDt1(TBytes& track, uint8_t delta, std::array<uint8_t, 3> address, uint8_t value) {
    const TBytes message = BuildDT1(0x10, address, TBytes{value});
    track.push_back(delta);
    track.push_back(0xF0);
    track.push_back(uint8_t(message.size() - 1));
    track.insert(track.end(), message.begin() + 1, message.end());
}

size_t SystemCommonWarnings(const TSMF& smf) {
    return size_t(std::count_if(smf.Warnings().begin(), smf.Warnings().end(), [](const std::string& w) {
        return w.find("system common") != std::string::npos;
    }));
}

// Absolute time and status of the channel messages of a track.
std::vector<std::pair<int32_t, int>> ChannelEvents(const TSMFEventList& track) {
    TSMFEventList copy = track;
    DeltaToAbsolute(copy);
    std::vector<std::pair<int32_t, int>> out;
    for (const TSMFEvent& e : copy)
        if (e.IsChannel()) out.push_back({e.Time, e.Status});
    return out;
}

// Two tracks. The first: part 1's volume exclusive, a time code quarter frame, pan, a song
// position, then reverb by running status, a song select, a tune request, part 2's volume
// exclusive, F4 and F5, a note at tick 20. The second: a tune request before anything else,
// part 2's pan, a time code quarter frame, then its chorus by running status and a note at 32.
TBytes SongWithSystemCommon() {
    TBytes a;
    AppendDt1(a, 0, {0x40, 0x11, 0x19}, 77);
    test::Append(a, {0x02, 0xF1, 0x12,                  // quarter frame
                     0x00, 0xB0, 0x0A, 0x20,            // part 1 pan 32
                     0x03, 0xF2, 0x10, 0x20,            // song position
                     0x00, 0x5B, 0x30,                  // running status: reverb 48
                     0x01, 0xF3, 0x05,                  // song select
                     0x01, 0xF6});                      // tune request
    AppendDt1(a, 0, {0x40, 0x12, 0x19}, 66);
    test::Append(a, {0x01, 0xF4, 0x01, 0xF5,            // undefined, no data
                     0x0B, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    const TBytes b = {0x00, 0xF6,                       // tune request
                      0x00, 0xB1, 0x0A, 0x11,           // part 2 pan 17
                      0x04, 0xF1, 0x70,                 // quarter frame
                      0x00, 0x5D, 0x22,                 // running status: chorus 34
                      0x1C, 0x91, 0x40, 0x64, 0x10, 0x81, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    return test::SmfBytes(1, 96, {a, b});
}

TEST(SmfSystemCommon, SteppedOverByLengthKeepingRunningStatusTimingAndTheSetup) {
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromBytes(SongWithSystemCommon(), "song.mid")) << smf.LastError();
    // One warning for the file, with the number of messages of both tracks.
    ASSERT_EQ(SystemCommonWarnings(smf), 1u);
    EXPECT_EQ(smf.Warnings().size(), 1u);
    EXPECT_NE(smf.Warnings()[0].find("song.mid: 8 system common messages"), std::string::npos) << smf.Warnings()[0];

    // The data bytes after a skipped message continue the channel message before it, and the
    // skipped messages' delta times stay with the song.
    ASSERT_EQ(smf.TrackCount(), 2);
    EXPECT_EQ(ChannelEvents(smf.Tracks[0]),
              (std::vector<std::pair<int32_t, int>>{{2, 0xB0}, {5, 0xB0}, {20, 0x90}, {36, 0x80}}));
    EXPECT_EQ(ChannelEvents(smf.Tracks[1]),
              (std::vector<std::pair<int32_t, int>>{{0, 0xB1}, {4, 0xB1}, {32, 0x91}, {48, 0x81}}));

    test::TImageFixture image;
    GsResetImage(*image);
    AnalyzeSetup(*image, smf);
    EXPECT_EQ(image->Part(0, 1, ppVolume).Value, 77);
    EXPECT_EQ(image->Part(0, 1, ppPanpot).Value, 32);
    EXPECT_EQ(image->Part(0, 1, 18).Value, 48);  // reverb send
    EXPECT_EQ(image->Part(0, 2, ppVolume).Value, 66);
    EXPECT_EQ(image->Part(0, 2, ppPanpot).Value, 17);
    EXPECT_EQ(image->Part(0, 2, 17).Value, 34);  // chorus send

    // Written back, the skipped messages are gone and the notes keep their times; reading that
    // file warns of nothing (the count does not carry over from the song before).
    TSMF again;
    ASSERT_TRUE(again.LoadFromBytes(smf.SaveToBytes(1)));
    EXPECT_TRUE(again.Warnings().empty());
    ASSERT_EQ(again.TrackCount(), 2);
    EXPECT_EQ(ChannelEvents(again.Tracks[0]), (std::vector<std::pair<int32_t, int>>{{20, 0x90}, {36, 0x80}}));
    EXPECT_EQ(ChannelEvents(again.Tracks[1]), (std::vector<std::pair<int32_t, int>>{{32, 0x91}, {48, 0x81}}));
    ASSERT_TRUE(smf.LoadFromBytes(test::SmfBytes(0, 96, {{0x00, 0x90, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00}})));
    EXPECT_EQ(SystemCommonWarnings(smf), 0u);
}

TEST(SmfSystemCommon, MalformedNeighbourhoods) {
    TSMF smf;
    // Data bytes after a system common message with no channel message before it have no
    // status to continue: the song is refused as before.
    ASSERT_FALSE(smf.LoadFromBytes(test::SmfBytes(0, 96, {{0x00, 0xF3, 0x01, 0x00, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00}})));
    EXPECT_NE(smf.LastError().find("running status without a status byte"), std::string::npos) << smf.LastError();

    // A song position cut off by the end of the track: what came before stays.
    ASSERT_TRUE(smf.LoadFromBytes(test::SmfBytes(0, 96, {{0x00, 0x90, 0x3C, 0x64, 0x00, 0xF2, 0x10}})));
    EXPECT_EQ(ChannelEvents(smf.Tracks[0]), (std::vector<std::pair<int32_t, int>>{{0, 0x90}}));
    ASSERT_FALSE(smf.Warnings().empty());
    EXPECT_NE(smf.Warnings()[0].find("a system common message runs past the end"), std::string::npos)
        << smf.Warnings()[0];
}

}  // namespace
}  // namespace veka
