// The open setup without a window: edits settle into undo steps on timers the test advances, a
// step goes back to the module, the file's name and changed mark follow, and the recovery file
// is kept and offered back. No QApplication.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/document_fixture.h"

namespace veka {
namespace {

using DocumentTest = test::TDocumentFixture;

TEST_F(DocumentTest, EditsSettleIntoStepsOnceTheGestureIsOverAndUndoSendsThemBack) {
    TVGS& image = Doc->Image();
    // A drag: changes while the button is held stay one step until it is let go.
    Held = true;
    image.SetPartValue(0, 1, 90, ppVolume);
    image.SetPartValue(0, 1, 80, ppVolume);
    EXPECT_TRUE(Doc->UndoPending());
    Timers.Run(200);
    EXPECT_EQ(Doc->UndoHistory().Depth(), 0u);
    Held = false;
    Timers.Run(100);
    EXPECT_EQ(Doc->UndoHistory().Depth(), 1u);
    EXPECT_FALSE(Doc->UndoPending());
    EXPECT_EQ(ModuleVolume(1), 80);

    // The same parameter again within the merge time extends the step; later it is a step.
    image.SetPartValue(0, 1, 70, ppVolume);
    Timers.Run(0);
    EXPECT_EQ(Doc->UndoHistory().Depth(), 1u);
    Timers.Run(TDocument::kUndoMergeMs);
    image.SetPartValue(0, 1, 60, ppVolume);
    Timers.Run(0);
    ASSERT_EQ(Doc->UndoHistory().Depth(), 2u);

    // While a transmission runs, the step waits for it, and undo is refused with a reason.
    Working = true;
    image.SetPartValue(0, 2, 50, ppVolume);
    Timers.Run(500);
    EXPECT_EQ(Doc->UndoHistory().Depth(), 2u);
    EXPECT_EQ(Doc->Undo(Prompts), TDocument::TUndoResult::Refused);
    EXPECT_EQ(Status.back(), "Undo and redo wait until the transmission or the data request has ended");
    Working = false;
    Timers.Run(50);
    ASSERT_EQ(Doc->UndoHistory().Depth(), 3u);

    // Undo goes back step by step, and the module hears each value as it was.
    Module->ClearReceived();
    EXPECT_EQ(Doc->Undo(Prompts), TDocument::TUndoResult::Done);
    EXPECT_EQ(image.Part(0, 2, ppVolume).Value, 100);
    EXPECT_EQ(ModuleVolume(2), 100);
    EXPECT_EQ(Status.back(), "Undone: Volume of A2");
    EXPECT_EQ(Doc->Undo(Prompts), TDocument::TUndoResult::Done);
    EXPECT_EQ(ModuleVolume(1), 70);
    EXPECT_EQ(Doc->Redo(Prompts), TDocument::TUndoResult::Done);
    EXPECT_EQ(ModuleVolume(1), 60);
    EXPECT_EQ(Status.back(), "Redone: Volume of A1");
    // The sends were the steps themselves: no new step came of them.
    Timers.Run(1000);
    EXPECT_EQ(Doc->UndoHistory().Depth(), 2u);
    EXPECT_EQ(Doc->UndoHistory().RedoDepth(), 1u);
    EXPECT_EQ(Doc->Redo(Prompts), TDocument::TUndoResult::Done);
    EXPECT_EQ(Doc->Redo(Prompts), TDocument::TUndoResult::Nothing);
    Doc->ClearUndoHistory();
    EXPECT_EQ(Doc->Undo(Prompts), TDocument::TUndoResult::Nothing);
    EXPECT_EQ(Status.back(), "There is nothing to undo");
    EXPECT_TRUE(Prompts.Warnings.empty());
}

TEST_F(DocumentTest, AnEditInsideAWaitBecomesAStepOnlyAfterTheOutermostWait) {
    TVGS& image = Doc->Image();
    size_t depthSeen = 99;
    bool edited = false;
    Clock.Process = [&] {
        if (edited) return;  // the edit's own pacing waits come here too
        edited = true;
        image.SetPartValue(0, 3, 40, ppVolume);
        Timers.Run(0);  // the timer fires in the middle of the handler's pacing
        depthSeen = Doc->UndoHistory().Depth();
    };
    Clock.Wait(5);
    EXPECT_EQ(depthSeen, 0u);
    Clock.Process = nullptr;
    Timers.Run(0);
    EXPECT_EQ(Doc->UndoHistory().Depth(), 1u);
}

TEST_F(DocumentTest, TheOpenFileAndItsChangedMarkComeBackWithTheCommandThatChangedThem) {
    TVGS& image = Doc->Image();
    EXPECT_FALSE(Doc->Changed());
    image.SetPartValue(0, 1, 90, ppVolume);
    EXPECT_TRUE(Doc->Changed());
    EXPECT_EQ(FileSignals, 1);
    image.SetPartValue(0, 1, 91, ppVolume);
    EXPECT_EQ(FileSignals, 1);  // already marked
    Timers.Run(0);

    // A command that reads a file: one step that names it and takes the file with it.
    {
        const TDocument::TUndoScope step(*Doc, "Open...");
        image.SetPartValue(0, 5, 10, ppVolume);
        Doc->SetFileName("/songs/a.ga4");
        Doc->ClearChanged();
    }
    ASSERT_NE(Doc->UndoHistory().NextUndo(), nullptr);
    EXPECT_EQ(Doc->UndoHistory().NextUndo()->Name, "Open");
    EXPECT_EQ(Doc->FileName(), "/songs/a.ga4");
    EXPECT_FALSE(Doc->Changed());
    Doc->Undo(Prompts);
    EXPECT_EQ(Doc->FileName(), "");
    EXPECT_TRUE(Doc->Changed());
    EXPECT_EQ(image.Part(0, 5, ppVolume).Value, 100);
    Doc->Redo(Prompts);
    EXPECT_EQ(Doc->FileName(), "/songs/a.ga4");
    EXPECT_FALSE(Doc->Changed());

    // Saved since: going back to the file never calls it unchanged, another setup is in it now.
    image.SetPartValue(0, 6, 10, ppVolume);
    Timers.Run(0);
    Doc->NoteSaved("/songs/a.ga4");
    EXPECT_FALSE(Doc->Changed());
    Doc->Undo(Prompts);  // the edit of A6
    Doc->Undo(Prompts);  // the open
    Doc->Redo(Prompts);
    EXPECT_EQ(Doc->FileName(), "/songs/a.ga4");
    EXPECT_TRUE(Doc->Changed());

    // Work that reads into the image and writes it back is no edit.
    Doc->ClearChanged();
    image.SetPartValue(0, 7, 10, ppVolume);
    Doc->ForgetChanges(false);
    EXPECT_FALSE(Doc->Changed());
    EXPECT_FALSE(Doc->UndoPending());
    Timers.Run(1000);
    EXPECT_EQ(Doc->UndoHistory().RedoDepth(), 1u);  // the edit of A6, as it was
    EXPECT_EQ(Doc->UndoHistory().NextUndo()->Name, "Open");
}

TEST_F(DocumentTest, TheUnsavedSetupIsKeptOnceEditsPauseAndOfferedBackAfterAnUncleanEnd) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 4, 33, ppVolume);
    Timers.Run(1);
    EXPECT_FALSE(Kept());
    // Not in the middle of a transmission's own loop: after it.
    Working = true;
    Timers.Run(TDocument::kRecoveryDelayMs);
    EXPECT_FALSE(Kept());
    Working = false;
    Timers.Run(TDocument::kRecoveryDelayMs);
    EXPECT_TRUE(Kept());
    // Saved: nothing left to recover.
    Doc->NoteSaved((Dir.Path / "a.ga4").string());
    EXPECT_FALSE(Kept());
    image.SetSystemValue(2, 77);
    EXPECT_TRUE(Doc->KeepUnsaved());
    EXPECT_TRUE(Kept());

    // The next start: Yes restores it onto power-on and the module hears it.
    Open();
    EXPECT_EQ(Doc->Image().Part(0, 4, ppVolume).Value, 100);
    Module->ClearReceived();
    Prompts.Confirmations = {true};
    Doc->OfferRecovery(Prompts);
    ASSERT_EQ(Prompts.Questions.size(), 1u);
    EXPECT_NE(Prompts.Questions[0].find("a.ga4"), std::string::npos) << Prompts.Questions[0];
    EXPECT_EQ(Doc->Image().Part(0, 4, ppVolume).Value, 33);
    EXPECT_EQ(Doc->Image().System(2).Value, 77);
    EXPECT_EQ(ModuleVolume(4), 33);
    EXPECT_TRUE(Doc->Changed());
    EXPECT_EQ(Doc->FileName(), (Dir.Path / "a.ga4").string());
    EXPECT_EQ(Status.back(), "The unsaved setup was restored.");
    ASSERT_NE(Doc->UndoHistory().NextUndo(), nullptr);
    EXPECT_EQ(Doc->UndoHistory().NextUndo()->Name, "Restore Setup");
    // Ended in order: the file goes unless kept on purpose.
    Doc->EndCleanly(true);
    EXPECT_TRUE(Kept());
    Doc->EndCleanly(false);
    EXPECT_FALSE(Kept());

    // Declined: discarded. A damaged file is only removed when the user says so.
    Doc->Image().SetPartValue(0, 4, 20, ppVolume);
    Doc->WriteRecoveryNow();
    Open();
    Prompts.Confirmations = {false};
    Doc->OfferRecovery(Prompts);
    EXPECT_FALSE(Kept());
    EXPECT_EQ(Doc->Image().Part(0, 4, ppVolume).Value, 100);
    { std::ofstream(Doc->RecoveryPath(), std::ios::binary) << "VekaRecovery\x01"; }
    Prompts.Confirmations = {false, true};
    Doc->OfferRecovery(Prompts);
    EXPECT_NE(Prompts.Questions.back().find("the file is damaged"), std::string::npos);
    EXPECT_EQ(Prompts.WarningQuestions.size(), 1u);
    EXPECT_TRUE(Kept());
    Doc->OfferRecovery(Prompts);
    EXPECT_FALSE(Kept());
    EXPECT_TRUE(Prompts.Warnings.empty());
}

TEST_F(DocumentTest, NewResetsImageAndFileAndTellsASendThatFailed) {
    TVGS& image = Doc->Image();
    image.SetPartValue(0, 1, 10, ppVolume);
    Doc->LastNotes().Notes[0][2] = 70;
    Doc->SetFileName("x.ga4");
    int news = 0;
    const TSubscription watch = Doc->OnNew.Subscribe([&] { ++news; });
    Doc->New(true, Prompts);
    EXPECT_EQ(image.Part(0, 1, ppVolume).Value, 100);
    EXPECT_EQ(Doc->LastNotes().Notes[0][2], 64);  // the test notes start again too
    ASSERT_FALSE(Doc->Session().Transmitter.History.Entries().empty());
    EXPECT_EQ(Doc->Session().Transmitter.History.Entries().front().Name, "Init");
    EXPECT_EQ(ModuleVolume(1), 100);
    EXPECT_EQ(Doc->FileName(), "");
    EXPECT_FALSE(Doc->Changed());
    EXPECT_EQ(news, 1);
    // The edit not yet settled is a step of its own, before the command's.
    ASSERT_EQ(Doc->UndoHistory().Depth(), 2u);
    EXPECT_EQ(Doc->UndoHistory().NextUndo()->Name, "New");
    EXPECT_TRUE(Prompts.Warnings.empty());

    // The module's port gone: the image is reset all the same and the user is told.
    image.SetPartValue(0, 1, 10, ppVolume);
    Doc->Transmitter().Port(0).Close();  // as when the interface is unplugged
    Doc->New(true, Prompts);
    EXPECT_EQ(image.Part(0, 1, ppVolume).Value, 100);
    ASSERT_EQ(Prompts.Warnings.size(), 1u);
    EXPECT_EQ(news, 2);
}

}  // namespace
}  // namespace veka
