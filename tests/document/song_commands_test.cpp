// The song commands without a window: a setup written as a song comes back from it, the song
// read last takes the setup in front of it, and a song the reader refuses costs nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/document_fixture.h"
#include "document/song_commands.h"
#include "smf/setup_commands.h"
#include "smf/temp_smf.h"

namespace veka {
namespace {

class SongCommandsTest : public test::TDocumentFixture {
protected:
    TSettings Settings{Dir / "Veka.ini"};
    TSettingsData Data;
    TSongPlace Place{Settings, Data, Dir.Path.string(), Dir.Path.string()};
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

    // Read back onto a fresh setup: the unsaved edit is offered for saving first.
    image.SetPartValue(0, 3, 90, ppVolume);
    Prompts.SaveAnswers = {TSaveChanges::Discard};
    ASSERT_TRUE(ImportSong(*Doc, Place, song, Prompts, Frame));
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
