// Every control a user can reach in the main window, its editor windows and the Option menu's
// dialogs has a name a screen reader can say, in both languages: buttons, boxes, fields, tabs,
// lists, grids, lamps, title panels, pictures, the keyboard and the ribbon.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

#include <string>
#include <vector>

#include "app/hot_key_dialog.h"
#include "app/main_window.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "app/other_options_dialog.h"
#include "app/other_seq_dialog.h"
#include "app/shortcut_keys.h"
#include "ui/main_window_fixture.h"

namespace veka::test {
namespace {

// The controls a screen reader's user meets: what takes the focus, what can be pressed or set,
// and the painted controls that show something (lamps, title panels, pictures).
bool Meets(const QWidget& widget) {
    // Named by the area they scroll and the table they head.
    if (qobject_cast<const QScrollBar*>(&widget) || qobject_cast<const QHeaderView*>(&widget)) return false;
    if (widget.objectName().startsWith(QLatin1String("qt_"))) return false;
    static const char* const painted[] = {"veka::TLEDPanel", "veka::TEdgeFontPanel", "veka::TEffectPicture",
                                          "veka::TVekaKeyboard", "veka::TVekaRibon", "veka::TVekaGrid"};
    for (const char* kind : painted)
        if (widget.inherits(kind)) return true;
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget) ||
           qobject_cast<const QTabBar*>(&widget) || qobject_cast<const QAbstractItemView*>(&widget);
}

// The line edit inside an editable combo box is named by the box.
bool PartOfAnother(const QWidget& widget) {
    return qobject_cast<const QLineEdit*>(&widget) && qobject_cast<const QComboBox*>(widget.parentWidget());
}

std::vector<std::string> Unnamed(QWidget& root) {
    std::vector<std::string> unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&root) || !Meets(*widget) || PartOfAnother(*widget)) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty()) continue;
        QString where;
        for (QWidget* up = widget->parentWidget(); up && up != &root; up = up->parentWidget())
            if (!up->windowTitle().isEmpty()) {
                where = up->windowTitle();
                break;
            }
        unnamed.push_back((where + QStringLiteral(": ") + QLatin1String(widget->metaObject()->className()) +
                           QLatin1Char(' ') + widget->objectName())
                              .toStdString());
    }
    return unnamed;
}

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
        const std::vector<std::string> unnamed = Unnamed(*sub);
        EXPECT_TRUE(unnamed.empty()) << window.Name << ":\n" << ::testing::PrintToString(unnamed);
        sub->CloseForGood();
        QApplication::processEvents();
    }
    const std::vector<std::string> unnamed = Unnamed(form);
    EXPECT_TRUE(unnamed.empty()) << "main window:\n" << ::testing::PrintToString(unnamed);

    // The Option menu's dialogs, as they open.
    int dialogs = 0;
    const auto check = [&dialogs](QDialog& dialog) {
        ++dialogs;
        dialog.show();
        QApplication::processEvents();
        const std::vector<std::string> missing = Unnamed(dialog);
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
