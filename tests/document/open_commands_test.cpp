// File > Open without a window: the questions before a reset come from a script, the module
// hears what was read, and a file that is not ours changes nothing.
#include <gtest/gtest.h>

#include <fstream>

#include "document/document_fixture.h"
#include "document/compare_sources.h"
#include "document/open_commands.h"
#include "document/save_commands.h"
#include "module/difference_list.h"
#include "module/setup_file.h"
#include "module/user_messages.h"

namespace veka {
namespace {

struct TRecordingView : IOpenView {
    std::vector<std::string> Log;
    std::string LayoutNote;
    void BringToFront() override { Log.push_back("front"); }
    void Reading(const std::string&, bool reading) override { Log.push_back(reading ? "reading" : "read"); }
    void Sending(const std::string&) override { Log.push_back("sending"); }
    std::string SetupOpened(const std::string& file) override {
        Log.push_back("opened " + file);
        return LayoutNote;
    }
    void CustomFileRead(const std::string& file, const std::vector<TSetupRecord>&) override {
        Log.push_back("custom " + file);
    }
};

class OpenCommandsTest : public test::TDocumentFixture {
protected:
    TRecordingView View;
    std::string Song = Dir / "song.ga4";
    std::string Lead = Dir / "lead.1pg";

    void SetUp() override {
        test::TDocumentFixture::SetUp();
        TVGS saved(VEKA_TEST_DEFAULT_DIR);
        saved.SetPartValue(0, 2, 55, ppVolume);
        saved.SetSystemValue(2, 90);
        ASSERT_TRUE(WriteWholeSetupFile(saved, Song).Ok());
        TDifferenceList list;
        ASSERT_GT(CollectOnePartFile(saved, list, 0, 2, false), 0);
        ASSERT_TRUE(WriteSetupFile(saved, list, Lead).Ok());
    }
    TOpenResult Open(const std::string& file, TOpenWay way, bool started = true) {
        return OpenSetupFile(*Doc, file, way, started, Prompts, Frame, View);
    }
};

TEST_F(OpenCommandsTest, AWholeSetupStartsFromPowerOnBecomesTheFileAndUndoTakesItBack) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 7, 20, ppVolume);
    Timers.Run(0);
    Prompts.SaveAnswers = {TSaveChanges::Discard};
    View.LayoutNote = "the layout could not be read";
    const TOpenResult result = Open(Song, TOpenWay::Dialog);
    EXPECT_TRUE(result.Sent);
    EXPECT_EQ(Prompts.Questions, std::vector<std::string>{std::string(UserMessage(63, TLanguage::English))});
    EXPECT_EQ(image.Part(0, 2, ppVolume).Value, 55);
    EXPECT_EQ(image.Part(0, 7, ppVolume).Value, 100);  // from power-on, not on top
    EXPECT_EQ(ModuleVolume(2), 55);
    EXPECT_EQ(ModuleVolume(7), 100);
    EXPECT_EQ(Doc->FileName(), Song);
    EXPECT_FALSE(Doc->Changed());
    EXPECT_EQ(View.Log, (std::vector<std::string>{"reading", "read", "opened " + Song, "sending"}));
    EXPECT_EQ(Frame.Log.front(), "chosen " + Song);
    EXPECT_EQ(Frame.Log.back(), "status the layout could not be read");  // after the send

    // One step: the setup before and no file, as they were.
    ASSERT_EQ(Doc->UndoHistory().NextUndo()->Name, "Open");
    Doc->Undo(Prompts);
    EXPECT_EQ(image.Part(0, 7, ppVolume).Value, 20);
    EXPECT_EQ(image.Part(0, 2, ppVolume).Value, 100);
    EXPECT_EQ(Doc->FileName(), "");
    EXPECT_TRUE(Doc->Changed());
    EXPECT_TRUE(Prompts.Warnings.empty());
}

TEST_F(OpenCommandsTest, APartFileGoesOnTopToTheChosenPartAndLeavesNoFile) {
    TVGS& image = Doc->Image();
    image.SetSystemValue(2, 70);
    Doc->SetFileName(Song);
    Doc->ClearChanged();
    // Cancel at the destination: nothing read, nothing sent.
    Prompts.Choices = {std::nullopt};
    EXPECT_FALSE(Open(Lead, TOpenWay::Dialog).Sent);
    EXPECT_EQ(image.Part(0, 5, ppVolume).Value, 100);

    Prompts.Choices = {4};  // A5
    const TOpenResult result = Open(Lead, TOpenWay::Dialog);
    ASSERT_TRUE(result.Sent);
    EXPECT_EQ(Prompts.Lists.back().Title, "Select a Part destination");
    EXPECT_EQ(Prompts.Lists.back().Items.size(), 16u);  // one port in use
    EXPECT_EQ(result.SendSwitches, (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(image.Part(0, 5, ppVolume).Value, 55);
    EXPECT_EQ(ModuleVolume(5), 55);
    EXPECT_EQ(image.System(2).Value, 70);  // the setup underneath stays
    EXPECT_EQ(Doc->FileName(), "");        // the next Save asks for a name
    EXPECT_TRUE(Doc->Changed());
    EXPECT_TRUE(Prompts.Questions.empty());  // nothing is reset for a part
}

TEST_F(OpenCommandsTest, AFileThatCannotBeReadOrIsNotOursChangesNothing) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 7, 20, ppVolume);
    const std::string junk = Dir / "junk.ga4";
    std::ofstream(junk, std::ios::binary) << "not a setup at all, not even close to one";
    for (const std::string& file : {junk, Dir / "missing.ga4"}) {
        EXPECT_FALSE(Open(file, TOpenWay::Dialog).Sent);
        EXPECT_EQ(image.Part(0, 7, ppVolume).Value, 20);
        EXPECT_TRUE(Doc->Changed());
    }
    ASSERT_EQ(Prompts.Warnings.size(), 2u);
    EXPECT_EQ(Prompts.Warnings[0].rfind(std::string(UserMessage(22, TLanguage::English)), 0), 0u) << Prompts.Warnings[0];
    EXPECT_NE(Prompts.Warnings[0].find(junk), std::string::npos);
    EXPECT_TRUE(Prompts.Questions.empty());  // refused before the question about the changes
    EXPECT_TRUE(View.Log.empty());
}

TEST_F(OpenCommandsTest, ASetupCutShortIsReadUpToTheCutSaidAndNotTakenForTheFile) {
    std::ifstream in(Song, std::ios::binary);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(bytes.size(), 14u);
    // The last bytes gone, the length in the header made to fit: the sections before are whole.
    bytes.resize(bytes.size() - 4);
    const uint32_t length = uint32_t(bytes.size() - 10);
    for (int i = 0; i < 4; ++i) bytes[size_t(6 + i)] = uint8_t(length >> (8 * i));
    const std::string cut = Dir / "cut.ga4";
    std::ofstream(cut, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    Doc->SetFileName(Song);
    Doc->ClearChanged();
    Open(cut, TOpenWay::Dialog);
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_EQ(Prompts.Warnings[0].rfind(std::string(UserMessage(23, TLanguage::English)), 0), 0u) << Prompts.Warnings[0];
    EXPECT_EQ(Doc->Image().System(2).Value, 90);  // read before the cut
    EXPECT_EQ(Doc->FileName(), "");
    EXPECT_TRUE(Doc->Changed());
}

TEST_F(OpenCommandsTest, AFileHandedOverAsksAboutChangesAndComesToTheFrontTheCommandLineDoesNot) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 7, 20, ppVolume);
    Prompts.SaveAnswers = {TSaveChanges::Cancel};
    EXPECT_FALSE(Open(Song, TOpenWay::ByName).Sent);
    EXPECT_EQ(image.Part(0, 7, ppVolume).Value, 20);  // kept
    EXPECT_TRUE(View.Log.empty());

    Prompts.SaveAnswers = {TSaveChanges::Discard};
    EXPECT_TRUE(Open(Song, TOpenWay::ByName).Sent);
    EXPECT_EQ(View.Log.front(), "front");
    EXPECT_EQ(image.Part(0, 7, ppVolume).Value, 100);

    // Named on the command line before the program showed itself: read as it stands.
    image.SetPartValue(0, 7, 20, ppVolume);
    View.Log.clear();
    EXPECT_TRUE(Open(Song, TOpenWay::CommandLine, false).Sent);
    EXPECT_EQ(Prompts.Questions.size(), 2u);
    EXPECT_EQ(View.Log.front(), "reading");
    EXPECT_EQ(Doc->FileName(), Song);
}

TEST_F(OpenCommandsTest, UndoingAnOpenOrNewTakesBackTheOpenFileSoASaveNeverOverwritesTheFileOpened) {
    const auto write = [&](const std::string& name, int volume) {
        TVGS setup(VEKA_TEST_DEFAULT_DIR);
        setup.SetPartValue(0, 1, volume, ppVolume);
        EXPECT_TRUE(WriteWholeSetupFile(setup, name).Ok());
        return name;
    };
    const auto bytes = [](const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::vector<uint8_t>{std::istreambuf_iterator<char>(in), {}};
    };
    const std::string a = write(Dir / "a.ga4", 40), b = write(Dir / "b.ga4", 60);
    TVGS& image = Doc->Image();
    ASSERT_TRUE(Open(a, TOpenWay::ByName).Sent);
    image.SetPartValue(0, 2, 70, ppVolume);  // unsaved
    Timers.Run(1000);
    Prompts.SaveAnswers = {TSaveChanges::Discard};
    ASSERT_TRUE(Open(b, TOpenWay::ByName).Sent);
    EXPECT_EQ(Doc->FileName(), b);
    EXPECT_FALSE(Doc->Changed());

    Doc->Undo(Prompts);
    EXPECT_EQ(Doc->FileName(), a) << "the setup came from a";
    EXPECT_TRUE(Doc->Changed());
    // Save writes the restored setup to a; b keeps what it held.
    const std::vector<uint8_t> bBefore = bytes(b);
    ASSERT_TRUE(SaveCommand(*Doc, Prompts, Frame));
    EXPECT_EQ(bytes(b), bBefore);
    const TCompareTarget readA = SetupFileOntoPowerOn(image, VEKA_TEST_DEFAULT_DIR, a);
    ASSERT_TRUE(readA.Image);
    EXPECT_EQ(readA.Image->Part(0, 1, ppVolume).Value, 40);
    EXPECT_EQ(readA.Image->Part(0, 2, ppVolume).Value, 70);

    // Redo brings b forward again, unchanged: nothing was written into it since.
    Doc->Redo(Prompts);
    EXPECT_EQ(Doc->FileName(), b);
    EXPECT_FALSE(Doc->Changed());
    // Back to a: changed, as it was when b was opened.
    Doc->Undo(Prompts);
    EXPECT_EQ(Doc->FileName(), a);
    EXPECT_TRUE(Doc->Changed());

    // New the same way: undone, the file and its mark come back; redone, no file.
    Doc->Redo(Prompts);
    Doc->New(true, Prompts);
    EXPECT_EQ(Doc->FileName(), "");
    Doc->Undo(Prompts);
    EXPECT_EQ(Doc->FileName(), b);
    EXPECT_FALSE(Doc->Changed());
    EXPECT_EQ(image.Part(0, 1, ppVolume).Value, 60);
    Doc->Redo(Prompts);
    EXPECT_EQ(Doc->FileName(), "");
    EXPECT_TRUE(Prompts.Warnings.empty());
}

}  // namespace
}  // namespace veka
