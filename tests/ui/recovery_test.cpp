// The recovery file in the running program: kept while the setup is unsaved, gone once it is
// saved or the program ends cleanly, and offered back after an unclean end (restored, discarded,
// or reported when it cannot be used).
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "midi/pump_wait.h"
#include "app/app_texts.h"
#include "document/recovery_file.h"
#include "ui/main_window_fixture.h"
#include "app/file_menu.h"

namespace veka::test {
namespace {

class RecoveryTest : public TMainWindowFixture {
protected:
    TVekaMainForm& Started() { return StartQuiet(Clock); }
    // The program ends without its close sequence, as a crash or a kill would end it.
    void Crash() { Form.reset(); }
    bool Kept() { return std::filesystem::exists(RecoveryPath(Dir.Path.string())); }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    TFakePumpWait Clock;
};

TEST_F(RecoveryTest, KeptWhileUnsavedAndGoneOnceSavedOrEndedCleanly) {
    TVekaMainForm& form = Started();
    EXPECT_FALSE(Kept());
    form.Document().WriteRecoveryNow();
    EXPECT_FALSE(Kept());  // nothing unsaved yet
    form.Document().Image().SetPartValue(0, 4, 33, ppVolume);
    form.Document().WriteRecoveryNow();
    EXPECT_TRUE(Kept());
    const std::string name = Dir / "saved.ga4";
    form.Hooks.SaveName = [&](const QString&, const QString&, const QString&) { return QString::fromStdString(name); };
    ASSERT_TRUE(form.Files().Save());
    EXPECT_FALSE(Kept());
    form.Document().Image().SetPartValue(0, 4, 34, ppVolume);
    form.Document().WriteRecoveryNow();
    EXPECT_TRUE(Kept());
    Answer = QMessageBox::No;  // "Data has changed. Save it?"
    form.close();
    EXPECT_FALSE(Kept()) << "what the user chose not to save is not offered back";
}

TEST_F(RecoveryTest, AQuitSignalKeepsTheUnsavedSetupInsteadOfAsking) {
    TVekaMainForm& form = Started();
    form.Document().Image().SetPartValue(0, 4, 35, ppVolume);
    Messages.clear();
    form.CloseWhenFree();
    EXPECT_TRUE(Messages.empty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(Kept());
    EXPECT_TRUE(Ini().ReadBool("setting", "perfect finish", false));
    Form.reset();
    Answer = QMessageBox::Yes;
    TVekaMainForm& again = Started();
    ASSERT_EQ(Messages.size(), 1u);  // the offer alone: the last end was orderly
    EXPECT_EQ(again.Document().Image().Part(0, 4, ppVolume).Value, 35);
}

TEST_F(RecoveryTest, AfterAnUncleanEndTheUnsavedSetupIsOfferedAndRestored) {
    {
        TVekaMainForm& form = Started();
        form.Document().Image().SetPartValue(0, 4, 33, ppVolume);
        form.Document().Image().SetSystemValue(2, 77);
        form.Document().WriteRecoveryNow();
        Crash();
    }
    Messages.clear();
    Answer = QMessageBox::Yes;
    TVekaMainForm& form = Started();
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_TRUE(Messages[0].startsWith(Message(43, TLanguage::English))) << Messages[0].toStdString();
    EXPECT_TRUE(Messages[1].contains("Restore it?")) << Messages[1].toStdString();
    EXPECT_TRUE(Messages[1].contains("(a new setup)"));
    EXPECT_EQ(form.Document().Image().Part(0, 4, ppVolume).Value, 33);
    EXPECT_EQ(form.Document().Image().System(2).Value, 77);
    EXPECT_TRUE(form.Document().Changed());  // still unsaved
    EXPECT_TRUE(Kept());
    // The module hears the restored setup.
    const auto a = form.Document().Image().Part(0, 4, ppVolume).Address.Bytes;
    EXPECT_EQ(Module()->Memory(0, a[0], a[1], a[2]), 33);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x00, 0x04), 77);
}

TEST_F(RecoveryTest, DeclinedItIsDiscardedAndTheSetupStartsFresh) {
    {
        TVekaMainForm& form = Started();
        form.Document().Image().SetPartValue(0, 4, 33, ppVolume);
        form.Document().WriteRecoveryNow();
        Crash();
    }
    Answer = QMessageBox::No;
    TVekaMainForm& form = Started();
    EXPECT_EQ(form.Document().Image().Part(0, 4, ppVolume).Value, 100);
    EXPECT_FALSE(form.Document().Changed());
    EXPECT_FALSE(Kept());
}

TEST_F(RecoveryTest, AFileThatCannotBeUsedIsReportedAndDiscardedOnlyWhenTheUserSaysSo) {
    const std::string path = RecoveryPath(Dir.Path.string());
    std::filesystem::create_directories(Dir.Path);
    std::ofstream(path, std::ios::binary) << "VekaRecovery\x01";  // cut short
    Answer = QMessageBox::No;
    {
        Started();
        ASSERT_FALSE(Messages.empty());
        EXPECT_TRUE(Messages.back().contains("cannot be restored: the file is damaged")) << Messages.back().toStdString();
        Crash();
    }
    EXPECT_TRUE(Kept());  // asked again next time
    // Written for another module type: said so, and Yes discards it.
    {
        TVGS image(VEKA_TEST_DEFAULT_DIR, mtSC88);
        image.SetSystemValue(2, 50);
        TRecoveryInfo info;
        info.ModuleType = mtSC88;
        std::string error;
        ASSERT_TRUE(WriteRecoveryFile(image, path, info, error)) << error;
    }
    Messages.clear();
    Answer = QMessageBox::Yes;
    TVekaMainForm& form = Started();
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().contains("another module type")) << Messages.back().toStdString();
    EXPECT_FALSE(Kept());
    EXPECT_EQ(form.Document().Image().System(2).Value, 127);  // nothing taken
}

}  // namespace
}  // namespace veka::test
