// The File menu's saves without a window: the names come from a script, the files are read back.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "document/compare_sources.h"
#include "document/document_fixture.h"
#include "document/save_commands.h"
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
    EXPECT_FALSE(FileBytes(file).empty());
    EXPECT_EQ(Doc->FileName(), "");  // one object is no setup file: the open file stays

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
    EXPECT_EQ(Frame.Log.back().rfind("status ", 0), 0u);
    EXPECT_NE(Frame.Log.back().find(file), std::string::npos);
    // Cancel at the name writes nothing.
    Prompts.FileNames = {""};
    EXPECT_FALSE(ExportSysxCommand(*Doc, TExportKind::All, Prompts, Frame));
}

}  // namespace
}  // namespace veka
