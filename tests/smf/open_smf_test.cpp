// Reading a song as the main window does (without its windows), and the two song-writing
// commands on the working copy it leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "image_writer/image_writer.h"
#include "module/exclusive.h"
#include "module/image_reset.h"
#include "smf/open_smf.h"
#include "smf/setup_commands.h"
#include "smf/setup_writer.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"
#include "smf_test_util.h"
#include "test_image.h"

namespace veka {
namespace {

using test::TBytes;

struct THostRecord {
    std::vector<std::string> Messages, Status;
    std::map<std::string, std::string> Settings;
    TSmfHost Host() {
        return {[this](const std::string& t) { Messages.push_back(t); }, [this](const std::string& t) { Status.push_back(t); },
                [this](const std::string& section, const std::string& key, const std::string& value) {
                    Settings[section + "/" + key] = value;
                }};
    }
};

// Two tracks on channel 1 (so the overlap message comes), a volume exclusive, a note.
TBytes SharedChannelSong() {
    TBytes a = {0x00, 0xF0, 0x0A};
    const TBytes volume = BuildDT1(0x10, {0x40, 0x11, 0x19}, TBytes{77});
    a.insert(a.end(), volume.begin() + 1, volume.end());
    test::Append(a, {0x00, 0xFF, 0x03, 0x01, 'A', 0x10, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    const TBytes b = {0x20, 0x90, 0x40, 0x64, 0x10, 0x80, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    return test::SmfBytes(1, 96, {a, b});
}

TEST(OpenSmf, ResetsAnalysesAndLeavesTheWorkingCopy) {
    test::TScratchFolder folder;
    test::WriteBytes(folder / "song.mid", SharedChannelSong());
    test::TImageFixture image;
    TImageWriter(*image).Part(0, 5, ppVolume).Value = 1;  // a value from before: the reset takes it away
    TSMF smf;
    THostRecord host;
    const auto when = std::chrono::system_clock::from_time_t(1700000000);
    const TOpenSmfResult r = OpenSmf(*image, smf, folder / "song.mid", folder.Path().string(), host.Host(), when);
    ASSERT_TRUE(r.Read) << r.Error;
    EXPECT_EQ(image->Part(0, 5, ppVolume).Value, 100);
    EXPECT_EQ(image->Part(0, 1, ppVolume).Value, 77);
    EXPECT_EQ(r.Analysis.OverlapCount, 2);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0], r.Analysis.Message);
    EXPECT_TRUE(r.EmbedEnabled);
    EXPECT_EQ(host.Settings["smf read/file path"], folder.Path().string());
    EXPECT_EQ(r.Description.rfind("Last SMF : " + (folder / "song.mid") + " date : ", 0), 0u) << r.Description;
    EXPECT_EQ(host.Settings["SMF/current file"], r.Description);
    EXPECT_TRUE(smf.TrackNames[0].empty());

    // The working copy holds what is left of the song, in the described layout.
    TSMF copy;
    std::string error;
    ASSERT_TRUE(LoadTempSmf(copy, folder / kTempSmfName, error)) << error;
    EXPECT_EQ(TempSmfBytes(copy).size(), test::ReadBytes(folder / kTempSmfName).size());
    EXPECT_EQ(copy.TrackNames[0], "A");
    ASSERT_EQ(copy.TrackCount(), 2);
    EXPECT_EQ(copy.Tracks[0].size(), 4u);  // name, note on, note off, End of Track

    // Embedding into the working copy, twice: one setup, the song's notes after it.
    TImageWriter(*image).Part(0, 2, ppPanpot).Value = 10;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(LoadWorkingCopyForEmbedding(smf, folder / kTempSmfName, error)) << error;
        TSmfWriteOptions o;
        o.Format = 1;
        ASSERT_TRUE(EmbedSetup(*image, smf, DefaultOrderList(), folder / "out.mid", o, error)) << error;
        EXPECT_EQ(smf.TrackCount(), 0);  // cleared afterwards
        ASSERT_TRUE(WriteTempSmf(smf, folder / "unused", error));
    }
    test::TImageFixture reread;
    TSMF out;
    const TOpenSmfResult again = OpenSmf(*reread, out, folder / "out.mid", folder.Path().string(), host.Host(), when);
    ASSERT_TRUE(again.Read);
    EXPECT_TRUE(test::ImageDifferences(*image, *reread, 1).empty());
}

// The song's track names of each track, in order, as read back from its file.
std::vector<std::string> TrackNamesOf(const std::string& path) {
    TSMF song;
    EXPECT_TRUE(song.LoadFromFile(path)) << song.LastError();
    std::vector<std::string> names;
    for (const TSMFEventList& list : song.Tracks)
        for (const TSMFEvent& e : list)
            if (e.IsMeta(mtTrackName)) names.emplace_back(e.Text());
    return names;
}

TEST(OpenSmf, ReplacingTheSetupKeepsTheSongsName) {
    // A format 0 song named "My Song" (its one track's name), and a format 1 song whose
    // conductor track is named "Title" and whose piano track "Piano".
    TBytes single = {0x00, 0xFF, 0x03, 0x07, 'M', 'y', ' ', 'S', 'o', 'n', 'g'};
    test::Append(single, {0x00, 0xC0, 0x05, 0x00, 0x90, 0x3C, 0x64, 0x60, 0x80, 0x3C, 0x00, 0x00, 0x99, 0x24, 0x64,
                          0x30, 0x89, 0x24, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    const TBytes conductor = {0x00, 0xFF, 0x03, 0x05, 'T', 'i', 't', 'l', 'e', 0x00, 0xFF, 0x2F, 0x00};
    const TBytes piano = {0x00, 0xFF, 0x03, 0x05, 'P', 'i', 'a', 'n', 'o', 0x00, 0x90, 0x3C, 0x64,
                          0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    struct TCase {
        TBytes Song;
        std::string Name;
    };
    for (const TCase& c : {TCase{test::SmfBytes(0, 96, {single}), "My Song"},
                           TCase{test::SmfBytes(1, 96, {conductor, piano}), "Title"}}) {
        test::TScratchFolder folder;
        test::WriteBytes(folder / "song.mid", c.Song);
        test::TImageFixture image;
        TSMF smf;
        THostRecord host;
        ASSERT_TRUE(OpenSmf(*image, smf, folder / "song.mid", folder.Path().string(), host.Host()).Read);
        TImageWriter(*image).Part(0, 1, ppVolume).Value = 90;
        for (int format : {0, 1}) {
            const std::string out = folder / ("out" + std::to_string(format) + ".mid");
            std::string error;
            ASSERT_TRUE(LoadWorkingCopyForEmbedding(smf, folder / kTempSmfName, error)) << error;
            TSmfWriteOptions o;
            o.Format = format;
            ASSERT_TRUE(EmbedSetup(*image, smf, DefaultOrderList(), out, o, error)) << error;
            // The first track's first name is the song's; a format 0 song has no other.
            const std::vector<std::string> names = TrackNamesOf(out);
            ASSERT_FALSE(names.empty()) << c.Name << " format " << format;
            EXPECT_EQ(names[0], c.Name) << "format " << format;
            if (format == 0) {
                EXPECT_EQ(names.size(), 1u) << c.Name;
            }
            EXPECT_EQ(std::count(names.begin(), names.end(), "Conductor Track"), 0) << c.Name << " format " << format;
        }
    }
}

TEST(OpenSmf, ARejectedSongSaysReadErrorAndLeavesTheImageReset) {
    test::TScratchFolder folder;
    test::WriteBytes(folder / "bad.mid", TBytes{'R', 'I', 'F', 'F'});
    test::TImageFixture image;
    TImageWriter(*image).System(2).Value = 3;
    TSMF smf;
    THostRecord host;
    const TOpenSmfResult r = OpenSmf(*image, smf, folder / "bad.mid", folder.Path().string(), host.Host());
    EXPECT_FALSE(r.Read);
    EXPECT_EQ(host.Messages, (std::vector<std::string>{"read error"}));
    EXPECT_EQ(host.Status, (std::vector<std::string>{folder / "bad.mid"}));
    EXPECT_EQ(image->System(2).Value, 127);
    EXPECT_FALSE(std::filesystem::exists(folder / kTempSmfName));
}

TEST(ExportSmf, ANewSongOfTheSetupAlone) {
    test::TScratchFolder folder;
    test::TImageFixture image;
    GsResetImage(*image);
    TImageWriter(*image).Part(0, 4, ppVolume).Value = 64;
    TSMF smf;
    smf.Tempo = 77;  // whatever the component held before
    std::string error;
    TSmfWriteOptions o;
    o.TimeBase = 192;
    ASSERT_TRUE(ExportSmf(*image, smf, DefaultOrderList(), folder / "new.mid", o, "Ann Owner", error)) << error;
    EXPECT_EQ(smf.TrackCount(), 0);
    TSMF song;
    ASSERT_TRUE(song.LoadFromFile(folder / "new.mid"));
    EXPECT_EQ(song.Format, 0);
    EXPECT_EQ(song.TimeBase, 192);
    EXPECT_EQ(song.Tempo, 100);
    EXPECT_EQ(song.Notice, "Ann Owner");
    EXPECT_EQ(song.Numerator, 4);
    EXPECT_EQ(song.KeySignature, (TBytes{0, 0}));
    EXPECT_FALSE(ExportSmf(*image, smf, {}, folder / "empty.mid", o, "", error));
    EXPECT_EQ(error, "Order list is empty.");
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.mid"));
}

}  // namespace
}  // namespace veka
