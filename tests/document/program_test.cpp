// The program's state outside any window: the settings file's run mark and the open setup on
// the stored module type.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/document_fixture.h"
#include "document/program.h"
#include "module/image.h"

namespace veka::test {
namespace {

TEST(ProgramTest, ARunThatDidNotEndIsReportedAtEveryStartUntilOneEnds) {
    TTempDir dir;
    {
        TProgram first(dir.Path.string());
        EXPECT_TRUE(first.BeginRun());  // nothing ran before
        // No EndRun: the program crashed.
    }
    TProgram second(dir.Path.string());
    EXPECT_FALSE(second.BeginRun());
    TProgram third(dir.Path.string());
    EXPECT_FALSE(third.BeginRun()) << "reported again: the run in between did not end either";
    third.EndRun();
    TProgram fourth(dir.Path.string());
    EXPECT_TRUE(fourth.BeginRun());
    EXPECT_TRUE(std::filesystem::exists(dir.Path / "Veka.ini"));
}

TEST(ProgramTest, TheSetupOpensOnTheStoredModuleTypeAndTheRecordFollowsTheImage) {
    TTempDir dir;
    {
        TSettings settings((dir.Path / "Veka.ini").string());
        settings.WriteInteger("setting", "module type", mtSC88);
    }
    TFakePumpWait clock;
    TManualTimers timers(clock);  // outlives the program's document, which holds its timers
    TProgram program(dir.Path.string());
    program.Data().ModuleType = mtSC8850;  // a stale record: the image is the one home
    EXPECT_EQ(program.Document(), nullptr);
    TDocument& doc = program.OpenDocument(VEKA_TEST_DEFAULT_DIR, TLanguage::English, clock, timers);
    EXPECT_EQ(program.Document(), &doc);
    EXPECT_EQ(doc.Image().ModuleType(), mtSC88);
    EXPECT_EQ(doc.Image().Language, TLanguage::English);
    EXPECT_EQ(program.Data().ModuleType, mtSC88);
    EXPECT_EQ(doc.RecoveryPath().rfind(dir.Path.string(), 0), 0u) << doc.RecoveryPath();
}

TEST(ProgramTest, DefaultDataThatIsMissingIsAnErrorAndNoSetupIsOpen) {
    TTempDir dir;
    TFakePumpWait clock;
    TManualTimers timers(clock);
    TProgram program(dir.Path.string());
    EXPECT_THROW(program.OpenDocument((dir.Path / "no-such-folder").string(), TLanguage::English, clock, timers),
                 std::exception);
    EXPECT_EQ(program.Document(), nullptr);
}

}  // namespace
}  // namespace veka::test
