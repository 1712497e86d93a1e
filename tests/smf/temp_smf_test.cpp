// The working copy "Temp.smf": its exact layout, a round trip, and damaged copies.
#include <gtest/gtest.h>

#include "smf/smf.h"
#include "smf/temp_smf.h"
#include "smf_test_util.h"

namespace veka {
namespace {

using test::TBytes;

void Le32(TBytes& out, uint32_t v) {
    for (int s = 0; s < 32; s += 8) out.push_back(uint8_t(v >> s));
}

TSMF SmallSong() {
    TSMF smf;
    smf.Notice = "ab";
    smf.KeySignature = {0x01, 0x00, 0x77};
    smf.Tempo = 120;
    smf.TimeBase = 96;
    smf.Format = 1;
    smf.Denominator = 4;
    smf.Numerator = 3;
    smf.SetTrackCount(1);
    smf.TrackNames[0].push_back('T');  // not = "T", at which GCC 12 warns falsely at -O3
    smf.Tracks[0].push_back(MakeSysexEvent(7, TBytes{0xF0, 0x7E, 0xF7}, 0));
    smf.Tracks[0].push_back(MakeMetaEvent(1, mtEndOfTrack, {}, kNoTrack));
    return smf;
}

TEST(TempSmf, LayoutIsTheDescribedOne) {
    TBytes expected;
    expected.reserve(512);  // room for the whole layout: GCC 12 at -O3 warns falsely as it grows
    Le32(expected, 2);
    expected.insert(expected.end(), {'a', 'b', 0x01, 0x00});
    for (uint32_t v : {120u, 96u, 1u, 4u, 3u, 1u}) Le32(expected, v);
    expected.push_back(1);
    expected.push_back('T');
    expected.insert(expected.end(), 254, 0);
    Le32(expected, 2);
    // time, status, data1, pad, data2, kind, pad, length, meta type, track, pad - then the data
    Le32(expected, 7);
    expected.insert(expected.end(), {0, 0, 0, 0});
    Le32(expected, 0);
    expected.insert(expected.end(), {ekSysx, 0, 0, 0});
    Le32(expected, 3);
    Le32(expected, 0);
    expected.insert(expected.end(), {0, 0, 0, 0, 0xF0, 0x7E, 0xF7});
    Le32(expected, 1);
    expected.insert(expected.end(), {0xFF, 0x2F, 0, 0});
    Le32(expected, 0);
    expected.insert(expected.end(), {ekMeta, 0, 0, 0});
    Le32(expected, 0);
    Le32(expected, 0x2F);
    expected.insert(expected.end(), {0xFF, 0, 0, 0});
    EXPECT_EQ(TempSmfBytes(SmallSong()), expected);
}

TEST(TempSmf, WrittenAndReadBack) {
    test::TScratchFolder folder;
    const TSMF song = SmallSong();
    std::string error;
    ASSERT_TRUE(WriteTempSmf(song, folder / kTempSmfName, error)) << error;
    TSMF back;
    ASSERT_TRUE(LoadTempSmf(back, folder / kTempSmfName, error)) << error;
    EXPECT_EQ(back.Notice, "ab");
    EXPECT_EQ(back.KeySignature, (TBytes{0x01, 0x00}));
    EXPECT_EQ(back.Tempo, 120);
    EXPECT_EQ(back.TimeBase, 96);
    EXPECT_EQ(back.Format, 1);
    EXPECT_EQ(back.Denominator, 4);
    EXPECT_EQ(back.Numerator, 3);
    EXPECT_EQ(back.TrackNames[0], "T");
    ASSERT_EQ(back.TrackCount(), 1);
    EXPECT_EQ(back.Tracks[0], song.Tracks[0]);
    EXPECT_EQ(TempSmfBytes(back), TempSmfBytes(song));
}

TEST(TempSmf, DamagedCopiesAreRejectedWhole) {
    const TBytes good = TempSmfBytes(SmallSong());
    TSMF smf;
    std::string error;
    // Every shorter file and one with a byte too many.
    for (size_t n = 0; n < good.size(); ++n) {
        EXPECT_FALSE(ReadTempSmf(smf, std::span<const uint8_t>(good).first(n), error)) << n;
        EXPECT_EQ(error.rfind("read error", 0), 0u) << error;
        EXPECT_EQ(smf.TrackCount(), 0);
    }
    TBytes longer = good;
    longer.push_back(0);
    EXPECT_FALSE(ReadTempSmf(smf, longer, error));

    const size_t tracksAt = 4 + 2 + 2 + 5 * 4;  // the track count
    const size_t countAt = tracksAt + 4 + 256;  // the first track's event count
    const size_t eventAt = countAt + 4;
    struct TPatch {
        size_t At;
        uint32_t Value;
        const char* Reason;
    };
    for (const TPatch& p : std::vector<TPatch>{{0, 0x7FFFFFFF, "notice"},
                                               {0, 0xFFFFFFFF, "notice"},
                                               {tracksAt, 129, "track count"},
                                               {tracksAt - 16, 0, "time base"},
                                               {tracksAt - 12, 2, "format"},
                                               {tracksAt - 8, 3, "denominator"},
                                               {countAt, 0x7FFFFFFF, "event count"},
                                               {countAt, 3, "event count"},
                                               {eventAt + 16, 0x7FFFFFF0, "data"},
                                               {eventAt + 12, 9, "kind"},
                                               {eventAt + 24, 200, "names track 200"},
                                               {eventAt, 0xFFFFFFFF, "negative time"}}) {
        TBytes bad = good;
        for (int k = 0; k < 4; ++k) bad[p.At + size_t(k)] = uint8_t(p.Value >> (8 * k));
        EXPECT_FALSE(ReadTempSmf(smf, bad, error)) << p.Reason;
        EXPECT_NE(error.find(p.Reason), std::string::npos) << error;
        EXPECT_EQ(error.rfind("read error", 0), 0u) << error;
    }
    EXPECT_FALSE(LoadTempSmf(smf, "/nonexistent/Temp.smf", error));
    EXPECT_EQ(error.rfind("read error", 0), 0u) << error;
}

}  // namespace
}  // namespace veka
