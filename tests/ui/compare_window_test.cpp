// The compare window: the image against the defaults, the saved file, another file and the
// module; the list follows edits; a double-click shows the parameter in its window; the
// module's differences are sent and nothing else; what the module did not answer is named.
#include <gtest/gtest.h>

#include <QApplication>
#include <fstream>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTreeWidget>

#include "image_writer/image_writer.h"
#include "windows/drum_window.h"
#include "windows/part_window.h"
#include "widgets/veka_grid.h"
#include "midi/pump_wait.h"
#include "module/difference_list.h"
#include "module/image_snapshot.h"
#include "module/setup_file.h"
#include "app/app_texts.h"
#include "app/managed_windows.h"
#include "ui/main_window_fixture.h"
#include "windows/compare_window.h"
#include "app/communication_menu.h"
#include "app/file_menu.h"
#include "windows/window_services.h"

namespace veka::test {
namespace {

class CompareWindowTest : public TMainWindowFixture {
protected:
    TVekaMainForm& Start(bool japanese = false) {
        Options.SystemJapanese = japanese;
        return StartQuiet(Clock, true);
    }
    TCompareWindow& Window() {
        TManagedSubWindow* sub = Form->Windows().OpenOrBringForward(wnCompare);
        EXPECT_TRUE(sub);
        return *qobject_cast<TCompareWindow*>(sub->widget());
    }
    static QStringList Rows(const TCompareWindow& w) {
        QStringList rows;
        for (int i = 0; i < w.List()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = w.List()->topLevelItem(i);
            rows << item->text(0) + " | " + item->text(1) + " | " + item->text(2) + " | " + item->text(3);
        }
        return rows;
    }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    void ChooseMasterAndPartsAB() {
        Form->Hooks.DataRequestChoice = [](const TDataRequestChoice& stored) {
            TDataRequestChoice choice = stored;
            choice.Selected.fill(false);
            choice.Selected[riMaster] = choice.Selected[riPartsA] = choice.Selected[riPartsB] = true;
            choice.WaitMs = 300;
            return std::make_optional(choice);
        };
    }
    TFakePumpWait Clock;
};

TEST_F(CompareWindowTest, AgainstTheDefaultsTheListFollowsTheEdits) {
    TVekaMainForm& form = Start();
    form.Document().Image().SetPartValue(0, 3, 30, ppPanpot);
    TCompareWindow& w = Window();
    EXPECT_EQ(w.Source(), TCompareWindow::csDefaults);
    ASSERT_EQ(Rows(w), QStringList{"Part A3 | Panpot | 30 (L34) | 64 (Center)"});
    EXPECT_EQ(w.List()->headerItem()->text(3), "Default");
    EXPECT_FALSE(w.SendButton()->isVisible());
    EXPECT_EQ(w.StatusText(), "1 difference");
    {
        const TVGS::TSenderScope sender(form.Document().Image(), this);
        form.Document().Image().SetSystemValue(2, 90);
        form.Document().Image().SetPartValue(0, 3, 64, ppPanpot);  // back to the default: off the list
    }
    QApplication::processEvents();
    ASSERT_EQ(w.Differences().size(), 1u);
    EXPECT_TRUE(Rows(w)[0].startsWith("System | Master Volume | 90"));
    form.Document().Image().SetDrumValue(0, 1, 100, 3, 40);
    QApplication::processEvents();
    EXPECT_EQ(w.Differences().size(), 2u);
}

TEST_F(CompareWindowTest, AgainstTheSavedFileAndAnotherFile) {
    TVekaMainForm& form = Start();
    TCompareWindow& w = Window();
    // Nothing saved yet: said, and the comparison shown stays.
    Messages.clear();
    w.CompareWith(TCompareWindow::csSavedFile);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], "The setup has not been saved to a file yet.");
    EXPECT_EQ(w.Source(), TCompareWindow::csDefaults);
    EXPECT_EQ(w.SourceBox()->currentIndex(), 0);

    form.Document().Image().SetPartValue(0, 2, 40, ppVolume);
    const std::string saved = Dir / "saved.ga4";
    form.Hooks.SaveName = [&](const QString&, const QString&, const QString&) { return QString::fromStdString(saved); };
    ASSERT_TRUE(form.Files().SaveAllData());
    form.Document().Image().SetPartValue(0, 2, 41, ppVolume);
    w.CompareWith(TCompareWindow::csSavedFile);
    EXPECT_EQ(Rows(w), QStringList{"Part A2 | Volume | 41 | 40"});
    EXPECT_EQ(w.List()->headerItem()->text(3), "saved.ga4");

    const std::string other = Dir / "other.ga4";
    {
        TVGS image(VEKA_TEST_DEFAULT_DIR);
        image.SetPartValue(0, 2, 41, ppVolume);
        image.SetUserDrumValue(1, 60, 12, 4);
        ASSERT_TRUE(WriteWholeSetupFile(image, other).Ok());
    }
    form.Hooks.OpenName = [&](const QString&, const QString&, const QString&) { return QString::fromStdString(other); };
    w.CompareWith(TCompareWindow::csOtherFile);
    ASSERT_EQ(w.Differences().size(), 1u);
    EXPECT_EQ(w.Differences()[0].Where, "User Drum 1 Key60");
    EXPECT_EQ(w.List()->headerItem()->text(3), "other.ga4");
    // A file that is not a setup: said; a cancelled dialog changes nothing.
    const std::string bad = Dir / "bad.ga4";
    std::ofstream(bad) << "not a setup";
    form.Hooks.OpenName = [&](const QString&, const QString&, const QString&) { return QString::fromStdString(bad); };
    Messages.clear();
    w.CompareWith(TCompareWindow::csOtherFile);
    EXPECT_EQ(Messages.size(), 1u);
    form.Hooks.OpenName = [](const QString&, const QString&, const QString&) { return QString(); };
    w.CompareWith(TCompareWindow::csOtherFile);
    EXPECT_EQ(w.List()->headerItem()->text(3), "other.ga4");
}

TEST_F(CompareWindowTest, TheModulesFiveDifferencesAreSentAsFiveMessages) {
    TVekaMainForm& form = Start();
    TVGS& image = form.Document().Image();
    image.SetPartValue(0, 4, 77, ppVolume);
    image.SetPartValue(0, 9, 20, ppPanpot);
    image.SetPartValue(1, 16, 5, ppPanpot);
    image.SetPartValue(1, 1, 3, ppToneNumber);
    image.SetSystemValue(2, 99);
    image.SetPartValue(0, 2, 10, ppPanpot);  // the module got this one as it was made
    const TImageSnapshot before = TImageSnapshot::Capture(image);
    // The module lost the first five (a reset), not the last.
    TVGS module(VEKA_TEST_DEFAULT_DIR);
    TImageWriter(module).Part(0, 2, ppPanpot).Value = 10;
    Module()->LoadImage(module);
    form.Document().ClearChanged();
    QApplication::processEvents();  // the edits above settle into their steps
    const size_t steps = form.Document().UndoHistory().Depth();
    ChooseMasterAndPartsAB();
    form.Communication().CompareWithModuleCommand();
    TCompareWindow& w = Window();
    EXPECT_EQ(w.Source(), TCompareWindow::csModule);
    ASSERT_EQ(w.Differences().size(), 5u) << Rows(w).join('\n').toStdString();
    EXPECT_EQ(w.List()->headerItem()->text(3), "Module");
    EXPECT_TRUE(Rows(w).contains("Part A4 | Volume | 77 | 100"));
    EXPECT_EQ(TImageSnapshot::Capture(image).States, before.States) << "the image is as it was";
    EXPECT_FALSE(form.Document().Changed()) << "reading the module is no edit";
    EXPECT_EQ(form.Document().UndoHistory().Depth(), steps);
    EXPECT_TRUE(w.SendButton()->isVisible());
    ASSERT_TRUE(w.SendButton()->isEnabled());

    Module()->ClearReceived();
    w.SendButton()->click();
    int dataSets = 0;
    for (int port = 0; port < 2; ++port)
        for (const auto& m : Module()->Received(port)) dataSets += m.size() > 8 && m[0] == 0xF0 && m[4] == 0x12;
    EXPECT_EQ(dataSets, 5);
    EXPECT_EQ(Module()->Memory(0, 0x40, 0x14, 0x19), 77);
    EXPECT_TRUE(w.Differences().empty());
    EXPECT_EQ(w.StatusText(), "No differences · 5 messages sent");
    // An edit goes to the module as it is made: it is no difference.
    {
        const TVGS::TSenderScope sender(image, this);
        image.SetPartValue(0, 4, 78, ppVolume);
    }
    QApplication::processEvents();
    EXPECT_TRUE(w.Differences().empty());
}

TEST_F(CompareWindowTest, WhatTheModuleDidNotAnswerIsNamed) {
    TVekaMainForm& form = Start(true);
    TImageWriter(form.Document().Image()).Part(0, 6, ppVolume).Value = 90;  // not sent: the module still has 100
    Module()->DropRepliesTo(form.Document().Image().Part(0, 5, ppVolume).Address.Bytes);
    ChooseMasterAndPartsAB();
    form.Communication().CompareWithModuleCommand();
    TCompareWindow& w = Window();
    // Part 5's Volume has one address on every port: A5 and B5 stay unread.
    ASSERT_EQ(w.Unread().size(), 2u);
    EXPECT_TRUE(Rows(w).contains(QString::fromUtf8("Part A5 | Volume | 100 | (読み取れません)"))) << Rows(w).join('\n').toStdString();
    EXPECT_TRUE(Rows(w).contains(QString::fromUtf8("Part B5 | Volume | 100 | (読み取れません)")));
    EXPECT_TRUE(w.StatusText().contains(QString::fromUtf8("2 個のﾊﾟﾗﾒｰﾀｰは音源から読み取れませんでした")));
    EXPECT_EQ(w.Differences().size(), 1u);
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    EXPECT_TRUE(form.Windows().Window(wnCompare)->grab().save(VEKA_ARTIFACT_DIR "/compare-window-ja.png"));
}

TEST_F(CompareWindowTest, AComparisonWhosePortGoesInTheMiddleIsNoComparisonButAMessage) {
    TVekaMainForm& form = Start();
    ChooseMasterAndPartsAB();
    int waits = 0;
    Clock.Process = [&] {
        QApplication::processEvents();
        form.Document().Session().Process();
        if (++waits == 40) Module()->Unplug(1);  // Port B's interface pulled out
    };
    form.Communication().CompareWithModuleCommand();
    Clock.Process = [this] {
        QApplication::processEvents();
        if (Form) Form->Document().Session().Process();
    };
    ASSERT_FALSE(Messages.empty());
    EXPECT_TRUE(Messages.back().contains("Port B (Virtual Module Port B) is gone.")) << Messages.back().toStdString();
    EXPECT_TRUE(Window().Differences().empty()) << "half a module is not listed as differences";
    EXPECT_TRUE(form.Document().Transmitter().PortGone(1));
}

TEST_F(CompareWindowTest, ADoubleClickShowsTheParameterInItsWindow) {
    TVekaMainForm& form = Start();
    form.Document().Image().MaxPart = 1;
    form.Document().Image().SetPartValue(1, 7, 90, ppVolume);
    form.Document().Image().SetDrumValue(0, 1, 20, 3, 45);
    form.Document().Image().SetSystemValue(spReverbMacro + 2, 10);
    TCompareWindow& w = Window();
    form.Windows().Window(wnCompare)->resize(560, 300);
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    EXPECT_TRUE(form.Windows().Window(wnCompare)->grab().save(VEKA_ARTIFACT_DIR "/compare-window-en.png"));
    auto item = [&](const QString& where) {
        for (int i = 0; i < w.List()->topLevelItemCount(); ++i)
            if (w.List()->topLevelItem(i)->text(0) == where) return w.List()->topLevelItem(i);
        return static_cast<QTreeWidgetItem*>(nullptr);
    };
    ASSERT_TRUE(item("Part B7"));
    w.ListDoubleClick(item("Part B7"));
    auto* part = qobject_cast<TPartWindow1*>(form.Windows().Window(wnPart)->widget());
    ASSERT_TRUE(part);
    EXPECT_EQ(form.Services().Edit.CurrentPort(), 1);
    EXPECT_EQ(part->Grid()->Row(), 7);
    EXPECT_EQ(part->Grid()->GetCell(part->Grid()->Col(), 0).Link.Index, ppVolume);

    ASSERT_TRUE(item("Drum Map A1 Key45"));
    w.ListDoubleClick(item("Drum Map A1 Key45"));
    auto* drum = qobject_cast<TDrumWindow1*>(form.Windows().Window(wnDrum)->widget());
    ASSERT_TRUE(drum);
    EXPECT_EQ(form.Services().Edit.CurrentPort(), 0);
    EXPECT_EQ(drum->DrumMap(), 1);
    EXPECT_EQ(drum->Grid()->GetCell(drum->Grid()->Col(), 0).Link.Index, 3);
    EXPECT_EQ(drum->NoteOfRow(drum->Grid()->Row()), 45);

    ASSERT_TRUE(item("System"));
    w.ListDoubleClick(item("System"));
    EXPECT_TRUE(form.Windows().Window(wnEffect));
}

}  // namespace
}  // namespace veka::test
