// The song commands without a window: a setup written as a song comes back from it, the song
// read last takes the setup in front of it, and a song the reader refuses costs nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/document_fixture.h"
#include "document/song_commands.h"
#include "smf/setup_analysis.h"
#include "smf/setup_commands.h"
#include "smf/smf.h"
#include "smf/smf_test_util.h"
#include "smf/temp_smf.h"

namespace veka {
namespace {

class SongCommandsTest : public test::TDocumentFixture {
protected:
    TSettings Settings{Dir / "Veka.ini"};
    TSettingsData Data;
    TSongPlace Place{Settings, Data, Dir.Path.string(), Dir.Path.string()};
    // A song read back: its format, its notes, and the setup its exclusives hold.
    struct TReadBack {
        int Format = -1;
        size_t Notes = 0;
        std::unique_ptr<TVGS> Setup;
    };
    static TReadBack ReadBack(const std::string& path) {
        TReadBack back;
        TSMF smf;
        EXPECT_TRUE(smf.LoadFromFile(path)) << smf.LastError();
        back.Format = smf.Format;
        for (const auto& track : smf.Tracks)
            for (const auto& event : track)
                if ((event.Status & 0xF0) == 0x90 && event.Data2 > 2) ++back.Notes;
        back.Setup = std::make_unique<TVGS>(VEKA_TEST_DEFAULT_DIR);
        AnalyzeSetup(*back.Setup, smf);
        return back;
    }
};

TEST_F(SongCommandsTest, ASetupWrittenAsASongComesBackFromItAndGoesInFrontOfTheSongReadLast) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 3, 44, ppVolume);
    // No order file yet: the composition window decides; the name and format are kept.
    const std::string song = Dir / "setup.mid";
    Prompts.Orders = {DefaultOrderList()};
    Prompts.SongNames = {{song, 1}};
    ASSERT_TRUE(ExportSmfCommand(*Doc, Place, Prompts, Frame));
    ASSERT_EQ(Prompts.Songs.size(), 1u);
    EXPECT_EQ(Prompts.Songs[0].What, TSongFile::Write);
    EXPECT_EQ(Prompts.Songs[0].OrderName, "default.scd");
    EXPECT_TRUE(std::filesystem::is_regular_file(song));
    EXPECT_EQ(Settings.ReadInteger("SMF", "Format", 0), 1);
    EXPECT_EQ(Settings.ReadString("smf write", "file path", ""), Dir.Path.string());
    EXPECT_EQ(Frame.Log.back(), "status Saved: " + song);
    EXPECT_TRUE(Prompts.Warnings.empty());
    const TReadBack written = ReadBack(song);
    EXPECT_EQ(written.Format, 1);
    EXPECT_EQ(written.Notes, 0u);  // the setup and nothing else
    EXPECT_EQ(written.Setup->Part(0, 3, ppVolume).Value, 44);

    // Read back onto a fresh setup: the unsaved edit is offered for saving first.
    image.SetPartValue(0, 3, 90, ppVolume);
    Prompts.SaveAnswers = {TSaveChanges::Discard};
    Module->ClearReceived();
    ASSERT_TRUE(ImportSong(*Doc, Place, song, Prompts, Frame));
    ASSERT_FALSE(Module->Received(0).empty());
    ASSERT_GT(Module->Received(0).front().size(), 7u);
    EXPECT_EQ(Module->Received(0).front()[7], 0x7F) << "sent whole, starting with the reset";
    EXPECT_EQ(Prompts.Questions.size(), 1u);
    EXPECT_EQ(image.Part(0, 3, ppVolume).Value, 44);
    EXPECT_EQ(ModuleVolume(3), 44);
    EXPECT_EQ(Doc->FileName(), "");  // a song is no setup file
    EXPECT_TRUE(Doc->Changed());
    EXPECT_EQ(Doc->UndoHistory().NextUndo()->Name, "Get Setup Measures");
    EXPECT_TRUE(std::filesystem::is_regular_file(Dir / kTempSmfName));
    EXPECT_NE(Settings.ReadString("SMF", "current file", "").find(song), std::string::npos);

    // The setup in front of the song read last, as a new song that reads back the same.
    image.SetPartValue(0, 3, 60, ppVolume);
    const std::string embedded = Dir / "embedded.mid";
    Prompts.Orders = {DefaultOrderList()};
    Prompts.SongNames = {{embedded, 1}};
    ASSERT_TRUE(EmbedSetupCommand(*Doc, Place, true, Prompts, Frame));
    EXPECT_EQ(Prompts.Informed.back(), EmbedNoticeText(TLanguage::English));
    Doc->New(false, Prompts);
    ASSERT_TRUE(ImportSong(*Doc, Place, embedded, Prompts, Frame));
    EXPECT_EQ(image.Part(0, 3, ppVolume).Value, 60);
    EXPECT_TRUE(Prompts.Warnings.empty());
}

TEST_F(SongCommandsTest, TheSongReadLastKeepsItsOwnEventsBehindTheSetupPutInFront) {
    // One track: a program change and one note.
    test::TBytes track = {0x00, 0xC0, 0x05};
    test::Append(track, {0x10, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
    const std::string tune = Dir / "tune.mid";
    test::WriteBytes(tune, test::SmfBytes(0, 96, {track}));
    ASSERT_TRUE(ImportSong(*Doc, Place, tune, Prompts, Frame));
    Doc->Image().SetPartValue(0, 1, 90, ppVolume);
    const std::string embedded = Dir / "tune with setup.mid";
    Prompts.Orders = {DefaultOrderList()};
    Prompts.SongNames = {{embedded, 1}};
    ASSERT_TRUE(EmbedSetupCommand(*Doc, Place, true, Prompts, Frame));
    const TReadBack back = ReadBack(embedded);
    EXPECT_EQ(back.Setup->Part(0, 1, ppVolume).Value, 90);
    EXPECT_EQ(back.Setup->Part(0, 1, ppToneNumber).Value % 128, 5) << "the song's own program change";
    EXPECT_EQ(back.Notes, 1u);
    EXPECT_TRUE(Prompts.Warnings.empty());
}

TEST_F(SongCommandsTest, ARefusedSongOrACancelledQuestionChangesNothing) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 3, 90, ppVolume);
    const std::string junk = Dir / "junk.mid";
    std::ofstream(junk, std::ios::binary) << "MThd but nothing after it";
    EXPECT_FALSE(ImportSong(*Doc, Place, junk, Prompts, Frame));
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_EQ(Prompts.Warnings[0].rfind("read error\n\n" + junk, 0), 0u);
    EXPECT_TRUE(Prompts.Questions.empty());  // refused before the question about the changes
    EXPECT_EQ(image.Part(0, 3, ppVolume).Value, 90);

    // Cancel in the composition window or at the name writes nothing.
    Prompts.Orders = {std::nullopt, DefaultOrderList()};
    EXPECT_FALSE(ExportSmfCommand(*Doc, Place, Prompts, Frame));
    EXPECT_TRUE(Prompts.Songs.empty());
    Prompts.SongNames = {{"", 0}};
    EXPECT_FALSE(ExportSmfCommand(*Doc, Place, Prompts, Frame));
    // An order file named in the settings that is gone is said; a song to append to, cancelled.
    Settings.WriteString("setting", "current scd", "mine.scd");
    Prompts.Orders = {DefaultOrderList()};
    Prompts.SongNames = {{"", 1}};
    EXPECT_FALSE(EmbedSetupCommand(*Doc, Place, false, Prompts, Frame));
    EXPECT_EQ(Prompts.Warnings.size(), 2u);
    EXPECT_EQ(Prompts.Songs.back().What, TSongFile::AppendTo);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path), {}), 2);  // Veka.ini and the junk
}

}  // namespace
}  // namespace veka
