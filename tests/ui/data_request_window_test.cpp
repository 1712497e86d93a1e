// The data request from the menu on the virtual module: the selection window, the request with
// its progress window, the report, the stored choice, and Stop part-way.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "ui/main_window_fixture.h"
#include "windows/data_request_window.h"

namespace veka {
namespace {

using DataRequestTest = test::TMainWindowFixture;

TEST(DataReqWindow, SelectAllTakesWhatTheModuleHasAndTheChoiceComesBack) {
    TDataRequestChoice stored;
    stored.Selected[riMaster] = true;
    stored.WaitMs = 50;  // out of range: shown as the least
    TDataReq sc88(stored, false, "/tmp/DataReq.Log", TLanguage::English);
    EXPECT_TRUE(sc88.Box(riMaster)->isChecked());
    EXPECT_FALSE(sc88.Box(riInsertion)->isEnabled());
    EXPECT_EQ(sc88.WaitField()->value(), 300);
    sc88.SelectAllButton()->click();
    const TDataRequestChoice all = sc88.Choice();
    for (int i = 0; i < riItemCount; ++i) EXPECT_EQ(all.Selected[size_t(i)], i != riInsertion) << i;
    TDataReq pro(stored, true, "/tmp/DataReq.Log", TLanguage::Japanese);
    pro.SelectAllButton()->click();
    EXPECT_TRUE(pro.Choice().Selected[riInsertion]);
    pro.WaitField()->setValue(2500);
    EXPECT_EQ(pro.Choice().WaitMs, 2500);
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    sc88.adjustSize();
    pro.adjustSize();
    EXPECT_TRUE(sc88.grab().save(VEKA_ARTIFACT_DIR "/data-request-en.png"));
    EXPECT_TRUE(pro.grab().save(VEKA_ARTIFACT_DIR "/data-request-ja.png"));
}

TEST_F(DataRequestTest, MasterAndReverbAreReadBackReportedAndTheChoiceIsKept) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.show();
    form.Image().System(2).Value = 50;  // the module holds its default, 127
    form.DataRequestChoiceHook = [](const TDataRequestChoice& stored) {
        TDataRequestChoice choice = stored;
        choice.Selected[riMaster] = choice.Selected[riReverb] = true;
        choice.WaitMs = 700;
        return std::make_optional(choice);
    };
    const size_t before = Messages.size();
    form.DataRequestCommand();
    ASSERT_GT(Messages.size(), before);
    EXPECT_TRUE(Messages.back().contains("Completed")) << Messages.back().toStdString();
    EXPECT_EQ(form.Image().System(2).Value, 127);
    EXPECT_TRUE(Ini().ReadBool("setting", "req select 111", false));  // Master
    EXPECT_TRUE(Ini().ReadBool("setting", "req select 106", false));  // Reverb
    EXPECT_FALSE(Ini().ReadBool("setting", "req select 100", true));
    EXPECT_EQ(Ini().ReadInteger("setting", "Data Req Wait", 0), 700);
    EXPECT_EQ(form.RequestProgress(), nullptr);
    EXPECT_TRUE(form.menuBar()->isEnabled());
}

TEST_F(DataRequestTest, StopPartWayKeepsWhatCameAndReportsTheInterruption) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.show();
    form.DataRequestChoiceHook = [](const TDataRequestChoice& stored) {
        TDataRequestChoice choice = stored;
        choice.Selected.fill(false);
        choice.Selected[riPartsA] = true;  // 1760 blocks
        return std::make_optional(choice);
    };
    bool refusedClose = false;
    QTimer::singleShot(400, &form, [&] {
        TDataReqDlg* progress = form.RequestProgress();
        ASSERT_TRUE(progress);
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        progress->grab().save(VEKA_ARTIFACT_DIR "/data-request-progress-en.png");
        progress->close();  // refused while it runs
        refusedClose = progress->isVisible();
        progress->StopButton()->click();
    });
    form.DataRequestCommand();
    EXPECT_TRUE(refusedClose);
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().contains("interrupted")) << Messages.back().toStdString();
    EXPECT_EQ(form.RequestProgress(), nullptr);
}

}  // namespace
}  // namespace veka
