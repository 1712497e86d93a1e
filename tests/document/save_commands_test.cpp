// The File menu's saves without a window: the names come from a script, the files are read back.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "document/compare_sources.h"
#include "document/document_fixture.h"
#include "document/save_commands.h"
#include "module/setup_file.h"
#include "module/setup_reader.h"
#include "module/user_messages.h"

namespace veka {
namespace {

using SaveCommandsTest = test::TDocumentFixture;

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(SaveCommandsTest, SaveAsksForANameOnceAndThenWritesTheOpenFile) {
    const std::string nothing(UserMessage(20, TLanguage::English));
    // Power-on holds nothing to store.
    EXPECT_FALSE(SaveCommand(*Doc, Prompts, Frame));
    EXPECT_EQ(Prompts.Informed, std::vector<std::string>{nothing});

    Doc->Image().SetPartValue(0, 4, 45, ppVolume);
    const std::string file = Dir / "song.ga4";
    Prompts.FileNames = {file};
    ASSERT_TRUE(SaveCommand(*Doc, Prompts, Frame));
    ASSERT_EQ(Prompts.Saves.size(), 1u);
    EXPECT_FALSE(Prompts.Saves[0].Sysx);
    EXPECT_EQ(Prompts.Saves[0].Kind, TSetupFileKind::Ga4);
    EXPECT_EQ(Doc->FileName(), file);
    EXPECT_FALSE(Doc->Changed());
    EXPECT_EQ(Frame.Log, (std::vector<std::string>{"chosen " + file, "saved " + file}));
    EXPECT_EQ(SetupFileOntoPowerOn(Doc->Image(), VEKA_TEST_DEFAULT_DIR, file).Image->Part(0, 4, ppVolume).Value, 45);

    // The open file is written again without a question.
    Doc->Image().SetPartValue(0, 4, 46, ppVolume);
    ASSERT_TRUE(SaveCommand(*Doc, Prompts, Frame));
    EXPECT_EQ(Prompts.Saves.size(), 1u);
    EXPECT_EQ(SetupFileOntoPowerOn(Doc->Image(), VEKA_TEST_DEFAULT_DIR, file).Image->Part(0, 4, ppVolume).Value, 46);

    // A write that fails says why, keeps the old file whole and the setup unsaved.
    const std::vector<uint8_t> before = FileBytes(file);
    Doc->Image().SetPartValue(0, 4, 47, ppVolume);
    Prompts.FileNames = {Dir / "no such folder/other.ga4"};
    EXPECT_FALSE(SaveAllDataCommand(*Doc, Prompts, Frame));
    EXPECT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_TRUE(Doc->Changed());
    EXPECT_EQ(Doc->FileName(), file);
    EXPECT_EQ(FileBytes(file), before);
    // Cancel in the dialog writes nothing and says nothing.
    Prompts.FileNames = {""};
    EXPECT_FALSE(SaveAllDataCommand(*Doc, Prompts, Frame));
    EXPECT_EQ(Prompts.Warnings.size(), 1u);
}

TEST_F(SaveCommandsTest, TheUnsavedSetupIsSavedDroppedOrKeptAsTheUserAnswers) {
    EXPECT_TRUE(SaveChangesFirst(*Doc, 63, Prompts, Frame));  // nothing unsaved: no question
    EXPECT_TRUE(Prompts.Questions.empty());
    Doc->Image().SetPartValue(0, 1, 90, ppVolume);
    Prompts.SaveAnswers = {TSaveChanges::Cancel, TSaveChanges::Discard, TSaveChanges::Save, TSaveChanges::Save};
    EXPECT_FALSE(SaveChangesFirst(*Doc, 63, Prompts, Frame));
    EXPECT_EQ(Prompts.Questions.back(), std::string(UserMessage(63, TLanguage::English)));
    EXPECT_TRUE(SaveChangesFirst(*Doc, 63, Prompts, Frame));
    Prompts.FileNames = {""};  // Save, then Cancel in its dialog: the command is given up
    EXPECT_FALSE(SaveChangesFirst(*Doc, 28, Prompts, Frame));
    Prompts.FileNames = {Dir / "kept.ga4"};
    EXPECT_TRUE(SaveChangesFirst(*Doc, 28, Prompts, Frame));
    EXPECT_FALSE(Doc->Changed());
}

TEST_F(SaveCommandsTest, OneObjectIsChosenFromTheListAndADrumPartMayTakeItsMap) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 10, 70, ppVolume);  // A10: the drum part
    image.SetDrumValue(0, 1, 100, 2, 38);     // on map 1, which it plays
    // Cancel, and an answer outside the list, write nothing.
    Prompts.Choices = {std::nullopt, 16};
    EXPECT_FALSE(SaveObjectCommand(*Doc, TSetupFileKind::OnePart, Prompts, Frame));
    EXPECT_FALSE(SaveObjectCommand(*Doc, TSetupFileKind::OnePart, Prompts, Frame));
    ASSERT_EQ(Prompts.Lists.size(), 2u);
    EXPECT_EQ(Prompts.Lists[0].Items.size(), 16u);  // one port in use
    EXPECT_EQ(Prompts.Lists[0].Title, "Select a Part to save");
    EXPECT_TRUE(Prompts.Saves.empty());

    Prompts.Choices = {9};
    Prompts.Confirmations = {true};
    const std::string file = Dir / "drums.1pg";
    Prompts.FileNames = {file};
    ASSERT_TRUE(SaveObjectCommand(*Doc, TSetupFileKind::OnePart, Prompts, Frame));
    EXPECT_EQ(Prompts.Questions.back(), std::string(UserMessage(25, TLanguage::English)));
    EXPECT_EQ(Prompts.Saves.back().Kind, TSetupFileKind::OnePart);
    const TParsedSetupFile parsed = ParseSetupFile(FileBytes(file));
    ASSERT_EQ(parsed.Error, TSetupParseError::None);
    EXPECT_EQ(parsed.Sections.size(), 2u) << "the drum map did not come with the part";
    EXPECT_EQ(Doc->FileName(), "");  // one object is no setup file: the open file stays

    // A part file goes into whichever part reads it.
    image.SetPartValue(0, 3, 44, ppVolume);
    Prompts.Choices = {2};
    const std::string third = Dir / "third.1pg";
    Prompts.FileNames = {third};
    ASSERT_TRUE(SaveObjectCommand(*Doc, TSetupFileKind::OnePart, Prompts, Frame));
    TVGS check(VEKA_TEST_DEFAULT_DIR);
    check.MaxPart = 1;
    TFixedSetupFileHost host;
    host.Part = 20;  // B5
    ASSERT_TRUE(ReadSetupFile(check, host, 0, third).Ok());
    EXPECT_EQ(check.Part(1, 5, ppVolume).Value, 44);
    EXPECT_EQ(check.Part(0, 3, ppVolume).Value, 100);

    // One drum map, chosen from the maps of the ports in use.
    Prompts.Choices = {0};
    Prompts.FileNames = {Dir / "map.1dg"};
    ASSERT_TRUE(SaveObjectCommand(*Doc, TSetupFileKind::OneDrumMap, Prompts, Frame));
    EXPECT_EQ(Prompts.Lists.back().Title, "Select a Drum Map to save");
    EXPECT_EQ(Prompts.Lists.back().Label, "Drum Map:");
    EXPECT_EQ(Prompts.Lists.back().Items.size(), 2u);
    EXPECT_EQ(Prompts.Saves.back().Kind, TSetupFileKind::OneDrumMap);
    EXPECT_FALSE(FileBytes(Dir / "map.1dg").empty());

    // A user drum set at its defaults holds nothing to store.
    Prompts.Choices = {1};
    EXPECT_FALSE(SaveObjectCommand(*Doc, TSetupFileKind::OneUserDrum, Prompts, Frame));
    EXPECT_EQ(Prompts.Lists.back().Items, (std::vector<std::string>{"User Drum Set 65", "User Drum Set 66"}));
    EXPECT_EQ(Prompts.Informed.back(), std::string(UserMessage(20, TLanguage::English)));
}

TEST_F(SaveCommandsTest, TheExclusiveExportOfAPartStartsAtTheFocusPartAndWritesOnlyDataBytes) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 3, 55, ppVolume);
    Doc->Session().Focus.Part = 3;
    Prompts.Choices = {2};
    const std::string file = Dir / "part.syx";
    Prompts.FileNames = {file};
    ASSERT_TRUE(ExportSysxCommand(*Doc, TExportKind::Part, Prompts, Frame));
    EXPECT_EQ(Prompts.Lists.back().Preselected, 2);
    EXPECT_TRUE(Prompts.Saves.back().Sysx);
    EXPECT_EQ(Prompts.Saves.back().Export, TExportKind::Part);
    const std::vector<uint8_t> bytes = FileBytes(file);
    EXPECT_EQ(bytes, SysexFileBytes(ExportMessages(image, TExportKind::Part, 0, 3)));
    ASSERT_FALSE(bytes.empty());
    bool inside = false;
    for (uint8_t b : bytes) {
        if (b == 0xF0) inside = true;
        else if (b == 0xF7) inside = false;
        else EXPECT_TRUE(inside && b < 0x80);
    }
    ASSERT_FALSE(Frame.Log.empty());
    EXPECT_EQ(Frame.Log.back(), "status 1 messages written to " + file);
    // The whole setup holds nothing else: the same bytes.
    Prompts.FileNames = {Dir / "all.syx"};
    ASSERT_TRUE(ExportSysxCommand(*Doc, TExportKind::All, Prompts, Frame));
    EXPECT_EQ(FileBytes(Dir / "all.syx"), bytes);
    // An untouched effect has nothing to export: said, and no name asked.
    const size_t saves = Prompts.Saves.size();
    EXPECT_FALSE(ExportSysxCommand(*Doc, TExportKind::Reverb, Prompts, Frame));
    EXPECT_EQ(Prompts.Informed.back(), std::string(UserMessage(20, TLanguage::English)));
    EXPECT_EQ(Prompts.Saves.size(), saves);
    // Cancel at the name writes nothing.
    Prompts.FileNames = {""};
    EXPECT_FALSE(ExportSysxCommand(*Doc, TExportKind::All, Prompts, Frame));
}

TEST_F(SaveCommandsTest, ACustomFileHoldsTheChosenGroupsAndPartsWithTheCommentBesideIt) {
    TVGS& image = Doc->Image();
    const std::string nothing(UserMessage(20, TLanguage::English));
    // Nothing chosen, or only what is at its defaults: said, and no name asked.
    TCustomSelection selection;
    EXPECT_FALSE(SaveCustomFileCommand(*Doc, selection, "", Prompts, Frame));
    selection.Groups[int(TSystemGroup::Reverb)] = true;
    EXPECT_FALSE(SaveCustomFileCommand(*Doc, selection, "", Prompts, Frame));
    EXPECT_EQ(Prompts.Informed, (std::vector<std::string>{nothing, nothing}));
    EXPECT_TRUE(Prompts.Saves.empty());

    image.SetSystemValue(2, 99);                  // Master
    image.SetPartValue(0, 3, 61, ppVolume);       // A3
    image.SetPartValue(0, 4, 62, ppVolume);       // A4, not chosen
    image.SetPartValue(1, 16, 63, ppVolume);      // B16
    selection.Groups[int(TSystemGroup::Master)] = true;
    selection.GlobalParts = {3, 32};
    const std::string file = Dir / "live.cst";
    const std::string comment = "Live set, second half\nブラス";
    Prompts.FileNames = {file};
    ASSERT_TRUE(SaveCustomFileCommand(*Doc, selection, comment, Prompts, Frame));
    EXPECT_EQ(Prompts.Saves.back().Kind, TSetupFileKind::Custom);
    EXPECT_EQ(CustomCommentFileName(file), Dir / "live.Comment");
    EXPECT_EQ(ReadCustomComment(file), comment);
    EXPECT_EQ(Doc->FileName(), "");  // a custom file is no whole setup: the open file stays
    // Read back onto power-on: what was chosen, and only that.
    TVGS check(VEKA_TEST_DEFAULT_DIR);
    check.MaxPart = 1;
    TFixedSetupFileHost host;
    ASSERT_TRUE(ReadSetupFile(check, host, 0, file).Ok());
    EXPECT_EQ(check.System(2).Value, 99);
    EXPECT_EQ(check.Part(0, 3, ppVolume).Value, 61);
    EXPECT_EQ(check.Part(0, 4, ppVolume).Value, 100);
    EXPECT_EQ(check.Part(1, 16, ppVolume).Value, 63);

    // A companion file far larger than any comment is not taken for one.
    std::ofstream(Dir / "live.Comment", std::ios::binary) << std::string(300 * 1024, 'x');
    EXPECT_EQ(ReadCustomComment(file), "");
    EXPECT_EQ(ReadCustomComment(Dir / "missing.cst"), "");
}

}  // namespace
}  // namespace veka
