// Every control a user can reach in the main window, its editor windows and the Option menu's
// dialogs has a name a screen reader can say, in both languages: buttons, boxes, fields, tabs,
// lists, grids, lamps, title panels, pictures, the keyboard and the ribbon.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include <vector>

#include "app/hot_key_dialog.h"
#include "app/main_window.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "app/other_options_dialog.h"
#include "app/other_seq_dialog.h"
#include "app/shortcut_keys.h"
#include "ui/control_names.h"
#include "ui/main_window_fixture.h"

namespace veka::test {
namespace {

class ControlNamesTest : public TMainWindowFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(ControlNamesTest, EveryControlOfEveryEditorWindowHasAName) {
    TFakePumpWait clock;
    Options.SystemJapanese = GetParam();
    TVekaMainForm& form = StartQuiet(clock);
    // One window at a time, so that none hides another's controls.
    for (const TWindowDescriptor& window : WindowDescriptors()) {
        TManagedSubWindow* sub = form.Windows().OpenOrBringForward(window.Number);
        if (!sub) continue;
        sub->showMaximized();
        QApplication::processEvents();
        const std::vector<std::string> unnamed = UnnamedControls(*sub);
        EXPECT_TRUE(unnamed.empty()) << window.Name << ":\n" << ::testing::PrintToString(unnamed);
        sub->CloseForGood();
        QApplication::processEvents();
    }
    const std::vector<std::string> unnamed = UnnamedControls(form);
    EXPECT_TRUE(unnamed.empty()) << "main window:\n" << ::testing::PrintToString(unnamed);

    // The Option menu's dialogs, as they open.
    int dialogs = 0;
    const auto check = [&dialogs](QDialog& dialog) {
        ++dialogs;
        dialog.show();
        QApplication::processEvents();
        const std::vector<std::string> missing = UnnamedControls(dialog);
        EXPECT_TRUE(missing.empty()) << dialog.windowTitle().toStdString() << ":\n" << ::testing::PrintToString(missing);
        dialog.hide();
    };
    form.Hooks.OtherOptions = [&](TOterOption& dialog) { check(dialog); };
    form.Hooks.HotKeyDialog = [&](THotKeyDlg& dialog) { check(dialog); };
    form.Hooks.SequencerDialog = [&](TOtherSeqWindow& dialog) { check(dialog); };
    form.OptionMenu().OtherOptionsCommand();
    form.Shortcuts().ShortcutKeysCommand();
    form.Shortcuts().SequencerLinkCommand();
    EXPECT_EQ(dialogs, 3);
    Form.reset();  // before the clock it was started with
}

INSTANTIATE_TEST_SUITE_P(Languages, ControlNamesTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Japanese" : "English"; });

}  // namespace
}  // namespace veka::test
