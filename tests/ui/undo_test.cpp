// Undo and redo in the running program: edits become steps once their gesture has ended,
// commands one step each; undo and redo send what they restore, every window shows it, and
// they wait while a transmission runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <fstream>

#include "windows/effect_window.h"
#include "windows/part_window.h"
#include "windows/patch_window.h"
#include "widgets/veka_grid.h"
#include <QComboBox>
#include "midi/pump_wait.h"
#include "module/image_snapshot.h"
#include "module/setup_file.h"
#include "module/setup_reader.h"
#include "module/difference_list.h"
#include "app/app_texts.h"
#include "app/managed_windows.h"
#include "ui/main_window_fixture.h"
#include "app/communication_menu.h"
#include "app/edit_menu.h"
#include "app/file_menu.h"
#include "app/part_menu.h"
#include "app/status_area.h"

namespace veka::test {
namespace {

class UndoTest : public TMainWindowFixture {
protected:
    TVekaMainForm& Started() { return StartQuiet(Clock); }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    QString UndoText() { return Form->Action(TCommand::Undo)->text(); }
    // An edit as a window makes it: the set operation under the window's name, then the put
    // that ends the gesture, then the events of the loop.
    void Edit(int port, int part, int parameter, int value) {
        {
            const TVGS::TSenderScope sender(Form->Document().Image(), this);
            Form->Document().Image().SetPartValue(port, part, value, parameter);
        }
        Form->Document().Image().NotifyPut(port, TLinkData{LinkPart, part, parameter, 0, 0}, value, this);
        QApplication::processEvents();
        Clock.Now += 1000;  // the next edit is a gesture of its own
    }
    TFakePumpWait Clock;
};

TEST_F(UndoTest, AnEditIsUndoneAndRedoneOnTheModuleAndInEveryWindow) {
    TVekaMainForm& form = Started();
    EXPECT_FALSE(form.Action(TCommand::Undo)->isEnabled());
    auto* sub = form.Windows().OpenOrBringForward(wnPart);
    ASSERT_TRUE(sub);
    auto* window = qobject_cast<TPartWindow1*>(sub->widget());
    ASSERT_TRUE(window);
    const TImageSnapshot before = TImageSnapshot::Capture(form.Document().Image());
    Edit(0, 3, ppVolume, 90);
    EXPECT_TRUE(form.Action(TCommand::Undo)->isEnabled());
    EXPECT_EQ(UndoText(), "Undo Volume of A3");
    const auto edit = Module()->Received(0);
    ASSERT_EQ(edit.size(), 1u);
    Module()->ClearReceived();

    // Ctrl+Z, as the user presses it.
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Document().Image().Part(0, 3, ppVolume).Value, 100);
    EXPECT_EQ(TImageSnapshot::Capture(form.Document().Image()).States, before.States);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x13, 0x19), 100);
    ASSERT_EQ(Module()->Received(0).size(), 1u);
    EXPECT_EQ(window->Grid()->GetCellValue(2, 3), 100);
    EXPECT_EQ(form.StatusArea().Text(), "Undone: Volume of A3");
    EXPECT_EQ(form.Action(TCommand::Redo)->text(), "Redo Volume of A3");
    EXPECT_FALSE(form.Action(TCommand::Undo)->isEnabled());
    EXPECT_TRUE(form.Document().Changed());

    Module()->ClearReceived();
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.Document().Image().Part(0, 3, ppVolume).Value, 90);
    EXPECT_EQ(Module()->Received(0), edit) << "redo sends the bytes of the edit";
    EXPECT_EQ(window->Grid()->GetCellValue(2, 3), 90);
    EXPECT_EQ(UndoText(), "Undo Volume of A3");

    // Nothing after an undo but a new edit: the redo list is gone.
    form.Edit().UndoCommand();
    Edit(0, 4, ppPanpot, 30);
    EXPECT_FALSE(form.Action(TCommand::Redo)->isEnabled());
    // The menu's Clear asks first: No keeps every step.
    Answer = QMessageBox::No;
    form.Action(TCommand::ClearUndoHistory)->trigger();
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().startsWith("Clear the undo history")) << Messages.back().toStdString();
    EXPECT_TRUE(form.Action(TCommand::Undo)->isEnabled());
    Answer = QMessageBox::Yes;
    form.Action(TCommand::ClearUndoHistory)->trigger();
    EXPECT_FALSE(form.Action(TCommand::Undo)->isEnabled());
    EXPECT_EQ(form.Document().Image().Part(0, 4, ppPanpot).Value, 30);
}

TEST_F(UndoTest, CommandsAreOneStepEachAndUndoAllTheyChanged) {
    TVekaMainForm& form = Started();
    TVGS& image = form.Document().Image();
    Edit(0, 1, ppVolume, 50);
    const TImageSnapshot beforeCopy = TImageSnapshot::Capture(image);
    form.Hooks.PartChoice = [](int) { return std::make_optional(std::make_pair(1, 5)); };
    form.Parts().CopyPartCommand();
    EXPECT_EQ(UndoText(), "Undo Copy Part");
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x15, 0x19), 50);

    // A file read: its step restores the image as it was before, the copy included.
    const std::string file = Dir / "other.ga4";
    {
        TVGS other(VEKA_TEST_DEFAULT_DIR);
        other.SetPartValue(0, 2, 20, ppPanpot);
        other.SetSystemValue(2, 99);
        ASSERT_TRUE(WriteWholeSetupFile(other, file).Ok());
    }
    Answer = QMessageBox::No;  // do not save the changes
    const TImageSnapshot beforeOpen = TImageSnapshot::Capture(image);
    form.Files().OpenByName(QString::fromStdString(file));
    EXPECT_EQ(image.Part(0, 2, ppPanpot).Value, 20);
    EXPECT_EQ(UndoText(), "Undo Open");
    EXPECT_EQ(form.Document().UndoHistory().Depth(), 3u);
    form.Edit().UndoCommand();
    EXPECT_EQ(TImageSnapshot::Capture(image).States, beforeOpen.States);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x12, 0x1C), 64) << "the panpot went back on the module";
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x15, 0x19), 50);
    form.Edit().UndoCommand();
    EXPECT_EQ(TImageSnapshot::Capture(image).States, beforeCopy.States);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x15, 0x19), 100) << "part 5 as it was before the copy";
    EXPECT_EQ(UndoText(), "Undo Volume of A1");
}

TEST_F(UndoTest, ThePortDialogStartsFromTheModuleTypeAnUndoTookBack) {
    TVekaMainForm& form = Started();
    ASSERT_EQ(form.Document().Image().ModuleType(), mtSC8850);
    std::vector<int> shown;
    form.Hooks.PortDialog = [&] {
        shown.push_back(form.Data().ModuleType);
        if (shown.size() == 1) form.Data().ModuleType = mtSC88;  // the user picks another family
    };
    form.Communication().OpenPortDialog();
    EXPECT_EQ(form.Document().Image().ModuleType(), mtSC88);
    form.Edit().UndoCommand();
    EXPECT_EQ(form.Document().Image().ModuleType(), mtSC8850);
    form.Communication().OpenPortDialog();
    EXPECT_EQ(shown, (std::vector<int>{mtSC8850, mtSC8850}));
    EXPECT_EQ(form.Document().Image().ModuleType(), mtSC8850);  // closing it changed nothing
}

TEST_F(UndoTest, TheTitleFollowsTheOpenFileThatUndoAndRedoTakeBack) {
    TVekaMainForm& form = Started();
    const auto write = [&](const std::string& name, int volume) {
        TVGS setup(VEKA_TEST_DEFAULT_DIR);
        setup.SetPartValue(0, 1, volume, ppVolume);
        EXPECT_TRUE(WriteWholeSetupFile(setup, name).Ok());
        return QString::fromStdString(name);
    };
    const QString a = write(Dir / "a.ga4", 40), b = write(Dir / "b.ga4", 60);
    form.Files().OpenByName(a);
    Edit(0, 2, ppVolume, 70);  // unsaved
    Answer = QMessageBox::No;  // the edit of a may go
    form.Files().OpenByName(b);
    EXPECT_TRUE(form.windowTitle().endsWith("b.ga4")) << form.windowTitle().toStdString();

    form.Edit().UndoCommand();
    EXPECT_EQ(form.FileName(), a);
    EXPECT_TRUE(form.windowTitle().endsWith("a.ga4*")) << form.windowTitle().toStdString();
    form.Edit().RedoCommand();
    EXPECT_TRUE(form.windowTitle().endsWith("b.ga4")) << form.windowTitle().toStdString();

    // New: the redo's line in the status bar does not outlive it.
    Answer = QMessageBox::No;
    ASSERT_TRUE(form.Files().FileNew());
    EXPECT_FALSE(form.StatusArea().Text().startsWith("Redone")) << "the redo's line outlived it";
    form.Edit().UndoCommand();
    EXPECT_EQ(form.FileName(), b);
    EXPECT_TRUE(form.windowTitle().endsWith("b.ga4")) << form.windowTitle().toStdString();
}

TEST_F(UndoTest, RepeatedEditsOfOneValueAreOneStepAndUndoWaitsForATransmission) {
    TVekaMainForm& form = Started();
    TVGS& image = form.Document().Image();
    for (int v = 101; v <= 105; ++v) {
        // A held key: one press after the other, each a gesture of its own.
        {
            const TVGS::TSenderScope sender(image, this);
            image.SetPartValue(0, 2, v, ppVolume);
        }
        image.NotifyPut(0, TLinkData{LinkPart, 2, ppVolume, 0, 0}, v, this);
        QApplication::processEvents();
    }
    EXPECT_EQ(form.Document().UndoHistory().Depth(), 1u);
    Clock.Now += 1000;

    // Send All runs its own loop: undo pressed meanwhile is refused with a word.
    bool tried = false;
    Clock.Process = [&] {
        QApplication::processEvents();
        if (!tried && form.Document().Transmitter().SentMessages() > 3) {
            tried = true;
            form.Edit().UndoCommand();
            EXPECT_EQ(form.StatusArea().Text(),
                      "Undo and redo wait until the transmission or the data request has ended");
        }
    };
    form.Communication().SendAllCommand(false);
    Clock.Process = [] { QApplication::processEvents(); };
    EXPECT_TRUE(tried);
    EXPECT_EQ(image.Part(0, 2, ppVolume).Value, 105);
    form.Edit().UndoCommand();
    EXPECT_EQ(image.Part(0, 2, ppVolume).Value, 100);
}

TEST_F(UndoTest, TheEditMenuInJapanese) {
    Options.SystemJapanese = true;
    TVekaMainForm& form = Started();
    Edit(1, 16, ppPanpot, 10);
    EXPECT_EQ(UndoText(), QString::fromUtf8("元に戻す: B16 の Panpot"));
    form.Edit().UndoCommand();
    EXPECT_EQ(form.Action(TCommand::Redo)->text(), QString::fromUtf8("やり直し: B16 の Panpot"));
}

TEST_F(UndoTest, AToneFromTheBrowserAndAMacroWithItsDetailsAreOneStepEach) {
    TVekaMainForm& form = Started();
    TVGS& image = form.Document().Image();
    const TImageSnapshot start = TImageSnapshot::Capture(image);
    auto* patch = qobject_cast<TPatchWindow*>(form.Windows().OpenOrBringForward(wnPatch)->widget());
    ASSERT_TRUE(patch);
    patch->Grid()->SetFocusCell(4, 10);  // the drum part: mode, map and tone change together
    patch->SelectNode(patch->NodeFor(nkProgram, 0));
    int mild = -1;
    for (size_t i = 0; i < patch->Items().size(); ++i)
        if (patch->Items()[i].Name == "Mild Piano") mild = int(i);
    ASSERT_GE(mild, 0);
    patch->ActivateItem(mild);
    QApplication::processEvents();
    EXPECT_EQ(form.Document().UndoHistory().Depth(), 1u);
    EXPECT_EQ(UndoText(), "Undo 2 values of A10");  // the rhythm mode and the tone; the map stays 4
    Clock.Now += 1000;

    auto* effect = qobject_cast<TEffectWindow*>(form.Windows().OpenOrBringForward(wnEffect)->widget());
    ASSERT_TRUE(effect);
    effect->TabControl1Change(1);
    effect->Chooser()->setCurrentIndex(5);
    effect->cbMacroChange(5);
    QApplication::processEvents();
    EXPECT_EQ(form.Document().UndoHistory().Depth(), 2u);
    EXPECT_EQ(image.System(spChorusMacro).Value, 5);

    Module()->ClearReceived();
    form.Edit().UndoCommand();
    EXPECT_EQ(image.System(spChorusMacro).Value, start.States[size_t(spChorusMacro - 1)].Value);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x01, 0x38), image.System(spChorusMacro).Value) << "the macro went back";
    form.Edit().UndoCommand();
    EXPECT_EQ(TImageSnapshot::Capture(image).States, start.States);
    EXPECT_EQ(image.Part(0, 10, ppRhythm).Value, 1);
    EXPECT_EQ(QString::fromStdString(patch->Grid()->GetCell(1, 10).Text).trimmed().toStdString(),
              image.PartToneName(0, 10).substr(0, image.PartToneName(0, 10).find_last_not_of(' ') + 1));
}

}  // namespace
}  // namespace veka::test
