// The Master window in a main window on the virtual module: the shifted Master Tune, one data
// set per edit, the status texts, values stored elsewhere, and pictures in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include "image_writer/image_writer.h"
#include "widgets/veka_grid.h"
#include "ui/main_window_fixture.h"
#include "windows/master_window.h"
#include "app/managed_windows.h"

namespace veka {
namespace {

class MasterWindowTest : public test::TMainWindowFixture {
protected:
    TMasterWindow& Open(bool japanese = false) { return OpenManaged<TMasterWindow>(wnMaster, japanese); }
};

TEST_F(MasterWindowTest, MasterTuneIsShownCentredAndAnEditSendsOneDataSet) {
    WriteCompleteSettings();
    TSettings(Dir / "Veka.ini").WriteBool("other option", "2", false);  // no reset at start
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    TImageWriter(form.Document().Image()).System(1).Value = 1124;
    form.show();
    ASSERT_TRUE(form.Windows().OpenOrBringForward(wnMaster));
    auto& window = *qobject_cast<TMasterWindow*>(form.Windows().Window(wnMaster)->widget());
    EXPECT_EQ(window.Grid()->GetCellValue(1, 1), 100);
    EXPECT_EQ(window.Grid()->GetCell(1, 1).Min, form.Document().Image().System(1).Min - 1024);
    EXPECT_EQ(window.Grid()->GetCell(0, 2).Text, "Master Volume");
    EXPECT_EQ(window.Grid()->GetCell(1, 0).Text, "value");
    auto module = TMidiDevices::Instance().VirtualModule();
    module->ClearReceived();
    window.Grid()->SetFocusCell(1, 1);
    window.Grid()->SetCellValue(1, 1, 0);
    EXPECT_EQ(form.Document().Image().System(1).Value, 1024);
    ASSERT_EQ(module->Received(0).size(), 1u);
    EXPECT_EQ(module->Received(0)[0],
              (std::vector<uint8_t>{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x3C, 0xF7}));
    window.Grid()->SetFocusCell(1, 2);
    window.Grid()->SetCellValue(1, 2, 100);
    ASSERT_EQ(module->Received(0).size(), 2u);
    const std::vector<uint8_t> volume = module->Received(0)[1];
    EXPECT_EQ(std::vector<uint8_t>(volume.begin() + 5, volume.begin() + 9), (std::vector<uint8_t>{0x40, 0x00, 0x04, 0x64}));
    EXPECT_TRUE(form.Document().Changed());
    EXPECT_TRUE(module->Received(1).empty());  // system values go to the first output only
}

TEST_F(MasterWindowTest, TheStatusFollowsTheRowAndValuesStoredElsewhereShow) {
    TMasterWindow& window = Open();
    EXPECT_EQ(window.StatusText(), "Master Tune setting of all the sound module.");
    window.Grid()->SetFocusCell(1, 3);
    window.VekaGrid1Click();
    EXPECT_EQ(window.StatusText(), "Pitch of all the sound module.");
    Form->Document().Image().SetSystemValue(4, 80);  // another window, a file, a request
    EXPECT_EQ(window.Grid()->GetCellValue(1, 4), 80);
    Form->Document().Image().SetSystemValue(1, 1000);
    EXPECT_EQ(window.Grid()->GetCellValue(1, 1), -24);
    // A new image as a whole.
    TImageWriter(Form->Document().Image()).System(2).Value = 33;
    Form->RefreshAll();
    EXPECT_EQ(window.Grid()->GetCellValue(1, 2), 33);
    // The window keeps its size: it is not resized by its border.
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    window.CloseButton()->click();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form->Windows().Window(wnMaster), nullptr);
}

TEST_F(MasterWindowTest, PicturesInBothLanguages) {
    for (const bool japanese : {false, true}) {
        TMasterWindow& window = Open(japanese);
        EXPECT_EQ(window.CloseButton()->text(), japanese ? QString::fromUtf8("閉じる") : QStringLiteral("Close"));
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        const QString path = QStringLiteral(VEKA_ARTIFACT_DIR "/master-window-%1.png").arg(japanese ? "ja" : "en");
        EXPECT_TRUE(Form->Windows().Window(wnMaster)->grab().save(path)) << path.toStdString();
        Form.reset();
    }
}

}  // namespace
}  // namespace veka
