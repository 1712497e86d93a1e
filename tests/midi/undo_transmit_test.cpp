// What undo and redo send: the bytes of an edit to the restored value, one message per
// parameter, paced like every exclusive message.
#include <gtest/gtest.h>

#include "midi_fixture.h"
#include "module/undo_history.h"

namespace veka {
namespace {

using test::TMidiFixture;

TEST(UndoTransmit, UndoAndRedoSendTheBytesOfTheEditsTheyMirror) {
    TMidiFixture f(mtSC8850, 1);
    f.Tx().Attach();
    TUndoHistory history(*f.Image);
    // The edit, and the same edit to the old value on a second module as the reference.
    f.Image->SetPartValue(1, 3, 90, ppVolume);
    f.Image->SetSystemValue(spReverbMacro, 5);
    history.Commit(*f.Image);
    const auto edit = f.Sent(1);
    const auto editSystem = f.Sent(0);
    ASSERT_EQ(edit.size(), 1u);
    ASSERT_EQ(editSystem.size(), 1u);
    f.Module->ClearReceived();
    const size_t waitsBefore = f.Clock.Waits.size();

    const TUndoStep* step = history.Undo(*f.Image);
    ASSERT_NE(step, nullptr);
    RaiseChanges(*f.Image, ParametersToSend(*step, true));
    const auto undone = f.Sent(1);
    ASSERT_EQ(undone.size(), 1u);
    ASSERT_EQ(f.Sent(0).size(), 1u);
    // Paced: the exclusive pause after each message.
    EXPECT_EQ(f.Clock.Waits.size() - waitsBefore, 2u);
    f.Module->ClearReceived();
    f.Image->SetPartValue(1, 3, 100, ppVolume);
    f.Image->SetSystemValue(spReverbMacro, f.Image->System(spReverbMacro).Default);
    EXPECT_EQ(undone, f.Sent(1));
    EXPECT_EQ(f.Sent(0).size(), 1u);
    history.Commit(*f.Image);  // nothing changed by the reference edits
    EXPECT_FALSE(history.CanUndo());

    f.Module->ClearReceived();
    step = history.Redo(*f.Image);
    ASSERT_NE(step, nullptr);
    RaiseChanges(*f.Image, ParametersToSend(*step, false));
    EXPECT_EQ(f.Sent(1), edit);
    EXPECT_EQ(f.Sent(0), editSystem);
    EXPECT_EQ(f.Module->Memory(1, 0x40, 0x13, 0x19), 90);
}

TEST(UndoTransmit, MasterCoarseTuningGoesBackAsItsRpn) {
    TMidiFixture f;
    f.Tx().Attach();
    TUndoHistory history(*f.Image);
    f.Image->SetPartCoarseTuning(0, 2, 70);
    history.Commit(*f.Image);
    const auto edit = f.Sent(0);
    f.Module->ClearReceived();
    RaiseChanges(*f.Image, ParametersToSend(*history.Undo(*f.Image), true));
    const auto undone = f.Sent(0);
    ASSERT_EQ(undone.size(), edit.size());
    ASSERT_FALSE(undone.empty());
    EXPECT_EQ(undone[2], (std::vector<uint8_t>{0xB1, 0x06, 64}));  // data entry: the centre again
}

}  // namespace
}  // namespace veka
