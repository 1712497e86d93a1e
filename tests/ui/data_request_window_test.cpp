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

#include "image_writer/image_writer.h"
#include "midi/pump_wait.h"
#include "app/splash.h"
#include "ui/main_window_fixture.h"
#include "windows/data_request_window.h"
#include "app/communication_menu.h"
#include "app/help_menu.h"
#include "ui/control_names.h"

namespace veka {
namespace {

using DataRequestTest = test::TMainWindowFixture;

// The windowed program on a clock that never sleeps: every wait handles the window's events and
// what the virtual module answered, then moves the clock on. A lost reply costs no real time.
class DataRequestOnFakeClock : public test::TMainWindowFixture {
protected:
    TVekaMainForm& Start() {
        Clock.Process = [this] {
            QApplication::processEvents();
            if (Started) Form->Document().Session().Process();
            ++Waits;
            if (OnWait) OnWait();
        };
        Options.Wait = &Clock;
        WriteCompleteSettings();
        TVekaMainForm& form = Make();
        EXPECT_TRUE(form.Create());
        form.show();
        Started = true;
        return form;
    }
    // Master, Reverb and the parts of Module A; the parts' volumes and pans are set away from the
    // module's 100 and 64.
    void ChooseMasterReverbAndPartsA(TVekaMainForm& form) {
        form.Hooks.DataRequestChoice = [](const TDataRequestChoice& stored) {
            TDataRequestChoice choice = stored;
            choice.Selected.fill(false);
            choice.Selected[riMaster] = choice.Selected[riReverb] = choice.Selected[riPartsA] = true;
            choice.WaitMs = 300;
            return std::make_optional(choice);
        };
        for (int part = 1; part <= 16; ++part) TImageWriter(form.Document().Image()).Part(0, part, 9).Value = TImageWriter(form.Document().Image()).Part(0, part, 12).Value = 10;
        TImageWriter(form.Document().Image()).System(2).Value = 50;
    }
    static int PartsWithValue(TVekaMainForm& form, int parameter, int value) {
        int count = 0;
        for (int part = 1; part <= 16; ++part) count += form.Document().Image().Part(0, part, parameter).Value == value;
        return count;
    }

    TFakePumpWait Clock;
    bool Started = false;
    int Waits = 0;
    std::function<void()> OnWait;
};

TEST_F(DataRequestOnFakeClock, EveryFifthReplyLostIsCountedAndTheRestIsInTheImage) {
    TVekaMainForm& form = Start();
    ChooseMasterReverbAndPartsA(form);
    TMidiDevices::Instance().VirtualModule()->DropEveryNthReply(5);
    form.Communication().DataRequestCommand();
    ASSERT_FALSE(Messages.empty());
    const int requested = 1760 + 4 + 7;
    const int dropped = TMidiDevices::Instance().VirtualModule()->RepliesDropped();
    EXPECT_GT(dropped, requested / 6);
    const QString counts = QString("Receved : %1 blocks/Requested : %2 blocks").arg(requested - dropped).arg(requested);
    EXPECT_TRUE(Messages.back().startsWith(counts)) << Messages.back().toStdString();
    EXPECT_TRUE(Messages.back().contains("interrupted"));
    // After the probe (reply 1) every part asks 110 values, so the same ones are lost in each part:
    // parameter n of any part is reply 1 + 110 k + n, lost for n = 4, 9, 14 ... Volume (9) keeps
    // the image's value everywhere, Panpot (12) is the module's everywhere.
    EXPECT_EQ(PartsWithValue(form, 9, 10), 16);
    EXPECT_EQ(PartsWithValue(form, 12, 64), 16);
    EXPECT_TRUE(form.menuBar()->isEnabled());
}

TEST_F(DataRequestOnFakeClock, StopPartWayKeepsTheFirstPartsValuesAndLeavesTheRest) {
    Options.SystemJapanese = true;
    TVekaMainForm& form = Start();
    ChooseMasterReverbAndPartsA(form);
    OnWait = [&] {
        // Part 1's 110 values are asked first; stop well after them.
        if (Waits == 600 && form.Communication().RequestProgress()) {
            QDir().mkpath(VEKA_ARTIFACT_DIR);
            EXPECT_TRUE(form.Communication().RequestProgress()->grab().save(VEKA_ARTIFACT_DIR "/data-request-progress-ja.png"));
            form.Communication().RequestProgress()->StopButton()->click();
        }
    };
    form.Communication().DataRequestCommand();
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().contains(QString::fromUtf8("異常終了"))) << Messages.back().toStdString();
    EXPECT_EQ(form.Document().Image().Part(0, 1, 9).Value, 100);
    EXPECT_EQ(form.Document().Image().Part(0, 16, 9).Value, 10);
    EXPECT_EQ(form.Communication().RequestProgress(), nullptr);
}

TEST_F(DataRequestOnFakeClock, InputClosedMidRequestEndsWithTheReportNotAHang) {
    TVekaMainForm& form = Start();
    ChooseMasterReverbAndPartsA(form);
    OnWait = [&] {
        if (Waits == 300) form.Document().Session().Input.Close();
    };
    form.Communication().DataRequestCommand();
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().contains("interrupted")) << Messages.back().toStdString();
    EXPECT_EQ(form.Document().Image().Part(0, 1, 9).Value, 100);
    EXPECT_EQ(form.Document().Image().Part(0, 16, 9).Value, 10);
    EXPECT_EQ(form.Document().Image().System(2).Value, 50);  // system replies are taken after the loop: none came
    EXPECT_TRUE(form.menuBar()->isEnabled());
}

// A screen reader names every control, in both languages.
TEST(DataReqWindow, EveryControlHasAName) {
    for (const TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        TDataReq window(TDataRequestChoice{}, true, "/tmp/DataReq.Log", language);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(test::UnnamedControls(window), std::vector<std::string>{});
    }
}

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
    TImageWriter(form.Document().Image()).System(2).Value = 50;  // the module holds its default, 127
    form.Hooks.DataRequestChoice = [](const TDataRequestChoice& stored) {
        TDataRequestChoice choice = stored;
        choice.Selected[riMaster] = choice.Selected[riReverb] = true;
        choice.WaitMs = 700;
        return std::make_optional(choice);
    };
    const size_t before = Messages.size();
    form.Communication().DataRequestCommand();
    ASSERT_GT(Messages.size(), before);
    EXPECT_TRUE(Messages.back().contains("Completed")) << Messages.back().toStdString();
    EXPECT_EQ(form.Document().Image().System(2).Value, 127);
    EXPECT_TRUE(Ini().ReadBool("setting", "req select 111", false));  // Master
    EXPECT_TRUE(Ini().ReadBool("setting", "req select 106", false));  // Reverb
    EXPECT_FALSE(Ini().ReadBool("setting", "req select 100", true));
    EXPECT_EQ(Ini().ReadInteger("setting", "Data Req Wait", 0), 700);
    EXPECT_EQ(form.Communication().RequestProgress(), nullptr);
    EXPECT_TRUE(form.menuBar()->isEnabled());
}

TEST_F(DataRequestTest, StopPartWayKeepsWhatCameAndReportsTheInterruption) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.show();
    form.Hooks.DataRequestChoice = [](const TDataRequestChoice& stored) {
        TDataRequestChoice choice = stored;
        choice.Selected.fill(false);
        choice.Selected[riPartsA] = true;  // 1760 blocks
        return std::make_optional(choice);
    };
    bool refusedClose = false;
    QTimer::singleShot(400, &form, [&] {
        TDataReqDlg* progress = form.Communication().RequestProgress();
        ASSERT_TRUE(progress);
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        progress->grab().save(VEKA_ARTIFACT_DIR "/data-request-progress-en.png");
        progress->close();  // refused while it runs
        refusedClose = progress->isVisible();
        progress->StopButton()->click();
    });
    form.Communication().DataRequestCommand();
    EXPECT_TRUE(refusedClose);
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().contains("interrupted")) << Messages.back().toStdString();
    EXPECT_EQ(form.Communication().RequestProgress(), nullptr);
}

TEST_F(DataRequestTest, AboutShowsTheModulesIdentityReply) {
    WriteCompleteSettings();
    TVekaMainForm& form = Make();
    ASSERT_TRUE(form.Create());
    form.show();
    QString identity;
    // The identity request runs its own waits first; the window comes up after them.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &form, [&] {
        auto* about = qobject_cast<TMySplash*>(QApplication::activeModalWidget());
        if (!about) return;
        poll.stop();
        identity = about->Identity();
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        about->grab().save(VEKA_ARTIFACT_DIR "/about-identity-en.png");
        about->close();
    });
    poll.start(5);
    form.Help().AboutCommand();
    EXPECT_EQ(identity.toStdString(),
              "Identity Reply\n Device family code(LSB,MSB): 42, 0\n Device family number code(LSB,MSB):  0, 6\n"
              " Software revision level:  0, 3, 0, 0\n\n Result:SC-8850");
}

}  // namespace
}  // namespace veka
