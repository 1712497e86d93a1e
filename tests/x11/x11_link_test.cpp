// The sequencer link on a real X server (Xvfb with openbox, see run_under_xvfb.sh): the hot key
// pressed with xdotool raises the other program's window and then this one, Find lists the
// other program, and a key another program holds is refused with a reason.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include "main_window_fixture.h"
#include "app/hot_key_dialog.h"
#include "app/key_capture_edit.h"
#include "app/other_seq_dialog.h"
#include "app/shortcut_code.h"
#include "app/x11_link.h"
#include "app/shortcut_keys.h"

namespace veka::test {
namespace {

class X11LinkTest : public TMainWindowFixture {
protected:
    void TearDown() override {
        for (QProcess* p : Others) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
        TMainWindowFixture::TearDown();
    }
    // Starts another program's window; its X11 id.
    uint32_t StartOther(const QString& className, const QString& title, bool grab = false) {
        auto* process = new QProcess;
        Others.push_back(process);
        QStringList args{"--class", className, "--title", title};
        if (grab) args << "--grab-ctrl-alt-k";
        process->start(QStringLiteral(VEKA_X11_DUMMY), args);
        EXPECT_TRUE(process->waitForStarted(5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return process->canReadLine(); }, 10000));
        const QString line = QString::fromLatin1(process->readLine()).trimmed();
        EXPECT_TRUE(line.startsWith("ready ")) << line.toStdString();
        return line.mid(6).toUInt();
    }
    TVekaMainForm& StartLinked(const std::string& target) {
        TVekaMainForm& form = StartQuiet(clock, false, [&] { Ini().WriteString("setting", "seqname", target); });
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form, 10000));
        return form;
    }
    static bool Press(const char* keys) { return QProcess::execute(QStringLiteral("xdotool"), {"key", keys}) == 0; }
    std::vector<QProcess*> Others;
    TFakePumpWait clock;
};

TEST_F(X11LinkTest, TheHotKeyRaisesTheSequencerAndThenThisProgram) {
    const uint32_t other = StartOther("FakeSeq", "Fake Sequencer - song");
    TVekaMainForm& form = StartLinked("FakeSeq");
    TX11Link& x11 = *form.Shortcuts().X11();
    ASSERT_TRUE(x11.Available());
    EXPECT_TRUE(x11.Grabbed()) << form.Shortcuts().HotKeyError().toStdString();
    EXPECT_EQ(ShortcutText(form.Data().HotKey), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A).toString(QKeySequence::NativeText));
    const uint32_t ours = uint32_t(form.winId());
    x11.Activate(ours);
    ASSERT_TRUE(QTest::qWaitFor([&] { return x11.ActiveWindow() == ours; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }, 10000));
    ASSERT_TRUE(Press("ctrl+shift+a"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return x11.ActiveWindow() == other; }, 10000)) << x11.ActiveWindow();
    EXPECT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 10000));
    // Minimised meanwhile: the key brings this program back all the same.
    form.showMinimized();
    // The window manager iconifies on its own time; a key pressed before that would race it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.windowHandle()->isExposed(); }, 10000));
    ASSERT_TRUE(Press("ctrl+shift+a"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return x11.ActiveWindow() == ours; }, 10000))
        << "active " << x11.ActiveWindow() << ", ours " << ours << ", other " << other << ", minimised "
        << form.isMinimized() << ", state " << int(QGuiApplication::applicationState());
    EXPECT_FALSE(form.isMinimized());
    // While the shortcut-key dialog is open the key does nothing.
    bool pressed = false;
    form.Hooks.HotKeyDialog = [&](THotKeyDlg&) {
        pressed = Press("ctrl+shift+a");
        QTest::qWait(300);  // time for the event to arrive, were it handled
        EXPECT_EQ(x11.ActiveWindow(), ours);
    };
    form.Shortcuts().ShortcutKeysCommand();
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(x11.Grabbed());  // registered again when the dialog closed
}

TEST_F(X11LinkTest, FindListsTheOtherProgramsAndTheListIsWrittenOnClose) {
    StartOther("FakeSeq", "Fake Sequencer - song");
    StartOther("Afx:400000:8:10011", "An MFC tool");
    TVekaMainForm& form = StartLinked("FakeSeq");
    bool shown = false;
    form.Hooks.SequencerDialog = [&](TOtherSeqWindow& dialog) {
        shown = true;
        EXPECT_EQ(dialog.TargetList()->count(), 8);
        dialog.Find();
        QStringList classes;
        for (int i = 0; i < dialog.ProgramList()->topLevelItemCount(); ++i)
            classes << dialog.ProgramList()->topLevelItem(i)->text(1);
        EXPECT_TRUE(classes.contains("FakeSeq")) << classes.join(",").toStdString();
        EXPECT_FALSE(classes.join(",").contains("Afx:")) << classes.join(",").toStdString();
        EXPECT_FALSE(classes.contains("veka4") || classes.contains("Veka4")) << classes.join(",").toStdString();
        dialog.NameHook = [](const QString&) { return std::optional<QString>(QStringLiteral("Fake")); };
        for (int i = 0; i < dialog.ProgramList()->topLevelItemCount(); ++i)
            if (dialog.ProgramList()->topLevelItem(i)->text(1) == "FakeSeq")
                dialog.ProgramList()->setCurrentItem(dialog.ProgramList()->topLevelItem(i));
        dialog.Register();
    };
    form.Shortcuts().SequencerLinkCommand();
    ASSERT_TRUE(shown);
    std::vector<TSequencerEntry> entries;
    std::string error;
    ASSERT_TRUE(ReadSequencerList(Dir / "OtherSeq.Lst", entries, error)) << error;
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries.back(), (TSequencerEntry{"FakeSeq", "Fake"}));
    EXPECT_EQ(form.Data().SeqName, "FakeSeq");
    EXPECT_EQ(std::filesystem::file_size(Dir / "OtherSeq.Lst"), 4u + 9u * 768u);
}

TEST_F(X11LinkTest, AKeyAnotherProgramHoldsIsRefusedWithAReason) {
    StartOther("Holder", "Key holder", true);
    Ini().WriteInteger("setting", "veka hot key", kShortcutCtrl | kShortcutAlt | 'K');
    TVekaMainForm& form = StartLinked("FakeSeq");
    EXPECT_FALSE(form.Shortcuts().X11()->Grabbed());
    EXPECT_NE(form.Shortcuts().HotKeyError().indexOf(QStringLiteral("another program")), -1) << form.Shortcuts().HotKeyError().toStdString();
    form.Hooks.SequencerDialog = [&](TOtherSeqWindow& dialog) {
        EXPECT_FALSE(dialog.KeyNote()->isHidden());
        // Another key can be had: the note goes.
        QTest::keyClick(dialog.KeyField(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_TRUE(dialog.KeyNote()->isHidden());
    };
    form.Shortcuts().SequencerLinkCommand();
    EXPECT_TRUE(form.Shortcuts().X11()->Grabbed()) << form.Shortcuts().HotKeyError().toStdString();
}

}  // namespace
}  // namespace veka::test

int main(int argc, char** argv) {
    qputenv("VEKA_NO_DESKTOP_REGISTRATION", "1");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
