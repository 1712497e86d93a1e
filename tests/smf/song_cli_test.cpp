// veka4-cli convert and embed, run as a user runs them.
#include <gtest/gtest.h>

#include "module/exclusive.h"
#include "module/image_reset.h"
#include "smf/setup_analysis.h"
#include "smf/setup_writer.h"
#include "smf/smf.h"
#include "smf_test_util.h"
#include "test_image.h"

namespace veka {
namespace {

using test::Quote;
using test::TBytes;

test::TRun Cli(const std::string& args) { return test::Run(std::string(VEKA_CLI) + " " + args); }

// A song whose setup sets A1's volume to 90 and B... nothing else; then a note.
TBytes SetupSong() {
    TBytes body = {0x00, 0xF0, 0x0A};
    const TBytes volume = BuildDT1(0x10, {0x40, 0x11, 0x19}, TBytes{90});
    body.insert(body.end(), volume.begin() + 1, volume.end());
    test::Append(body, {0x00, 0xB1, 0x0A, 0x14, 0x60, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    return test::SmfBytes(0, 96, {body});
}

TEST(SongCli, SongToSetupToExclusivesAndBack) {
    test::TScratchFolder folder;
    test::WriteBytes(folder / "song.mid", SetupSong());
    test::TRun r = Cli("convert " + Quote(folder / "song.mid") + " " + Quote(folder / "song.ga4"));
    ASSERT_EQ(r.Status, 0) << r.Out;
    r = Cli("convert " + Quote(folder / "song.ga4") + " " + Quote(folder / "song.syx"));
    ASSERT_EQ(r.Status, 0) << r.Out;
    // The modified values as data-set messages back to back: A1 volume, A2 panpot.
    TBytes expected = BuildDT1(0x10, {0x40, 0x11, 0x19}, TBytes{90});
    const TBytes pan = BuildDT1(0x10, {0x40, 0x12, 0x1C}, TBytes{20});
    expected.insert(expected.end(), pan.begin(), pan.end());
    EXPECT_EQ(test::ReadBytes(folder / "song.syx"), expected);

    // A setup file to a song, format 0 by default and 1 when asked; both read back.
    for (const char* format : {"", " --format 1 --timebase 480 --with-text --dummy-notes"}) {
        r = Cli("convert " + Quote(folder / "song.ga4") + " " + Quote(folder / "setup.mid") + format);
        ASSERT_EQ(r.Status, 0) << r.Out;
        TSMF smf;
        ASSERT_TRUE(smf.LoadFromFile(folder / "setup.mid"));
        EXPECT_EQ(smf.Format, *format ? 1 : 0);
        EXPECT_EQ(smf.TimeBase, *format ? 480 : 48);
        EXPECT_EQ(smf.Tempo, 100);
        test::TImageFixture image;
        GsResetImage(*image);
        AnalyzeSetup(*image, smf);
        EXPECT_EQ(image->Part(0, 1, ppVolume).Value, 90);
        EXPECT_EQ(image->Part(0, 2, ppPanpot).Value, 20);
    }
}

TEST(SongCli, EmbeddingTwiceLeavesOneSetup) {
    test::TScratchFolder folder;
    test::WriteBytes(folder / "song.mid", SetupSong());
    ASSERT_EQ(Cli("convert " + Quote(folder / "song.mid") + " " + Quote(folder / "song.ga4")).Status, 0);
    test::TRun r = Cli("embed " + Quote(folder / "song.ga4") + " " + Quote(folder / "song.mid") + " " + Quote(folder / "once.mid"));
    ASSERT_EQ(r.Status, 0) << r.Out;
    r = Cli("embed " + Quote(folder / "song.ga4") + " " + Quote(folder / "once.mid") + " " + Quote(folder / "twice.mid") +
            " --format 0 --with-text");
    ASSERT_EQ(r.Status, 0) << r.Out;
    TSMF smf;
    ASSERT_TRUE(smf.LoadFromFile(folder / "twice.mid"));
    EXPECT_EQ(smf.Format, 0);
    int markers = 0, notes = 0;
    for (const TSMFEvent& e : smf.Tracks[0]) {
        markers += e.IsMeta(mtText) && (e.Text() == kStartOfSetup || e.Text() == kEndOfSetup);
        notes += e.IsChannel() && (e.Status & 0xF0) == 0x90;
    }
    EXPECT_EQ(markers, 2);
    EXPECT_EQ(notes, 1);
}

TEST(SongCli, ErrorsWriteNothing) {
    test::TScratchFolder folder;
    test::WriteBytes(folder / "song.mid", SetupSong());
    test::WriteBytes(folder / "bad.mid", TBytes{'M', 'T', 'h', 'd', 0, 0, 0, 7});
    test::WriteBytes(folder / "quiet.mid", test::SmfBytes(0, 96, {test::EndOfTrack()}));
    test::WriteBytes(folder / "bad.scd", TBytes(30, 'x'));
    test::WriteBytes(folder / "keep.ga4", TBytes{1, 2, 3});
    ASSERT_EQ(Cli("convert " + Quote(folder / "song.mid") + " " + Quote(folder / "good.ga4")).Status, 0);
    struct TCase {
        std::string Args;
        int Status;
        const char* Says;
    };
    const std::string song = Quote(folder / "song.mid"), good = Quote(folder / "good.ga4");
    for (const TCase& c : std::vector<TCase>{
             {"convert " + Quote(folder / "bad.mid") + " " + Quote(folder / "keep.ga4"), 1, "read error"},
             {"convert " + Quote(folder / "none.mid") + " " + Quote(folder / "keep.ga4"), 1, "read error"},
             {"convert " + Quote(folder / "quiet.mid") + " " + Quote(folder / "keep.ga4"), 1, "not changed"},
             {"convert " + song + " " + Quote(folder / "keep.syx"), 2, ".ga4"},
             {"convert " + good + " " + Quote(folder / "keep.txt"), 2, "cannot convert"},
             {"convert " + good + " " + Quote(folder / "keep.mid") + " --format 2", 2, "--format"},
             {"convert " + good + " " + Quote(folder / "keep.mid") + " --timebase 50", 2, "--timebase"},
             {"convert " + good + " " + Quote(folder / "keep.mid") + " --order " + Quote(folder / "bad.scd"), 1, "Order Data"},
             {"convert " + Quote(folder / "none.ga4") + " " + Quote(folder / "keep.syx"), 1, "none.ga4"},
             {"convert " + good, 2, "usage"},
             {"embed " + good + " " + song + " " + Quote(folder / "keep.mid") + " --timebase 96", 2, "time base"},
             {"embed " + good + " " + Quote(folder / "bad.mid") + " " + Quote(folder / "keep.mid"), 1, "read error"},
             {"embed " + song + " " + song + " " + Quote(folder / "keep.mid"), 2, "not a setup file"},
         }) {
        const test::TRun r = Cli(c.Args);
        EXPECT_EQ(r.Status, c.Status) << c.Args << "\n" << r.Out;
        EXPECT_NE(r.Out.find(c.Says), std::string::npos) << c.Args << "\n" << r.Out;
        EXPECT_EQ(r.Out.find('\n'), r.Out.size() - 1) << "one line: " << r.Out;
    }
    EXPECT_EQ(test::ReadBytes(folder / "keep.ga4"), (TBytes{1, 2, 3}));
    for (const char* name : {"keep.syx", "keep.txt", "keep.mid"})
        EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
}

}  // namespace
}  // namespace veka
