// The Option menu's shell dialogs on a running main window: Other Options, the grid font, the
// shortcut keys and the sequencer link's dialog (offscreen: a session without X11).
#include <QApplication>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include "widgets/veka_grid.h"
#include "main_window_fixture.h"
#include "app/hot_key_dialog.h"
#include "app/key_capture_edit.h"
#include "app/other_options_dialog.h"
#include "app/other_seq_dialog.h"
#include "app/shortcut_code.h"
#include "app/x11_link.h"
#include "document/sequencer_link.h"
#include "windows/keyboard_window.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "app/shortcut_keys.h"

namespace veka::test {
namespace {

class OptionsTest : public TMainWindowFixture {
protected:
    TVekaMainForm& Start(bool input = true, bool japanese = false) {
        Options.SystemJapanese = japanese;
        return StartQuiet(clock, false, [&] {
            if (!input) Ini().WriteBool("midiport", "use midiin", false);
        });
    }
    int Row(const THotKeyDlg& dialog, const QString& command) {
        const auto items = dialog.CommandList()->findItems(command, Qt::MatchExactly);
        return items.isEmpty() ? -1 : dialog.CommandList()->row(items.front());
    }
    TFakePumpWait clock;
};

TEST_F(OptionsTest, TheBackgroundTurnsGreyAtOnceAndTheKeyboardSwitchAndTimeBaseFollow) {
    TVekaMainForm& form = Start();
    TManagedSubWindow* sub = form.Windows().OpenOrBringForward(wnKeyboard);
    auto* keyboard = qobject_cast<TKeyboardWindow*>(sub->widget());
    ASSERT_TRUE(keyboard);
    ASSERT_FALSE(keyboard->PcKeyboardSwitch()->isChecked());
    const QBrush before = form.MdiArea()->background();
    form.Hooks.OtherOptions = [](TOterOption& dialog) {
        EXPECT_EQ(dialog.Pages()->count(), 3);
        EXPECT_TRUE(dialog.Box(10)->isEnabled());
        dialog.Box(12)->setChecked(true);
        dialog.Box(3)->setChecked(true);
        dialog.Box(10)->setChecked(true);
        dialog.TimeBaseList()->setCurrentIndex(6);
        dialog.CloseButton()->click();
    };
    form.OptionMenu().OtherOptionsCommand();
    EXPECT_NE(form.MdiArea()->background(), before);
    EXPECT_EQ(form.MdiArea()->background().color(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(form.MdiArea()->background().style(), Qt::SolidPattern);
    EXPECT_TRUE(form.Data().Option(TOption::NoWallpaper));
    EXPECT_TRUE(keyboard->PcKeyboardSwitch()->isChecked());
    EXPECT_TRUE(form.Document().Session().Router.Thru);
    EXPECT_EQ(Ini().ReadInteger("smf fine", "timebase", 0), 6);  // written at once
    // The options themselves are written with the rest at close.
    form.close();
    EXPECT_TRUE(Ini().ReadBool("other option", "12", false));
    EXPECT_TRUE(Ini().ReadBool("other option", "10", false));
}

TEST_F(OptionsTest, WithoutTheMidiInputTheEchoStaysOffAndCannotBeChanged) {
    Ini().WriteBool("other option", "10", true);
    TVekaMainForm& form = Start(false);
    ASSERT_FALSE(form.Data().UseMidiIn);
    form.Hooks.OtherOptions = [](TOterOption& dialog) {
        EXPECT_FALSE(dialog.Box(10)->isEnabled());
        EXPECT_FALSE(dialog.Box(10)->isChecked());
        QTest::mouseClick(dialog.Box(10), Qt::LeftButton);
        EXPECT_FALSE(dialog.Box(10)->isChecked());
    };
    form.OptionMenu().OtherOptionsCommand();
    EXPECT_FALSE(form.Data().Option(TOption::MidiEcho));
    EXPECT_FALSE(form.Document().Session().Router.Thru);
}

TEST_F(OptionsTest, TheReviewSwitchIsOffInEnglishAndTheCaptionsAreJapaneseInJapanese) {
    TVekaMainForm& form = Start(true, true);
    form.Hooks.OtherOptions = [](TOterOption& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ｵﾌﾟｼｮﾝ"));
        EXPECT_EQ(dialog.Pages()->tabText(2), QStringLiteral("その他"));
        EXPECT_TRUE(dialog.Box(7)->isEnabled());
        dialog.Box(7)->setChecked(true);
    };
    form.OptionMenu().OtherOptionsCommand();
    EXPECT_TRUE(form.Data().Option(TOption::ReviewEdit));
    Form.reset();
    TOterOption english(std::array<bool, 13>{false, false, false, false, false, false, true}, 0, true, TLanguage::English);
    EXPECT_FALSE(english.Box(7)->isEnabled());
    EXPECT_FALSE(english.Options()[6]);
    EXPECT_EQ(english.Box(8)->text(), QStringLiteral("Save the window layout into \".ga4\" file"));
}

TEST_F(OptionsTest, TheFontDialogAppliesCancelsAndNeverGivesAGridMoreThanTwentyPoints) {
    TVekaMainForm& form = Start();
    form.Windows().OpenOrBringForward(wnPart);
    auto grids = [&] { return form.Windows().Window(wnPart)->widget()->findChildren<TVekaGrid*>(); };
    ASSERT_FALSE(grids().isEmpty());
    const QFont before = grids().front()->font();
    form.Hooks.FontDialog = [&](QFontDialog& dialog) {
        QFont big(QStringLiteral("Monospace"), 36);
        dialog.setCurrentFont(big);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        EXPECT_TRUE(buttons);
        if (buttons) buttons->button(QDialogButtonBox::Apply)->click();
        for (TVekaGrid* grid : grids()) EXPECT_LE(grid->font().pointSize(), 20);
        EXPECT_EQ(grids().front()->font().pointSize(), 20);
        return false;  // Cancel
    };
    form.OptionMenu().FontCommand();
    EXPECT_EQ(grids().front()->font().pointSize(), before.pointSize());
    EXPECT_EQ(grids().front()->font().family(), before.family());
    form.Hooks.FontDialog = [&](QFontDialog& dialog) {
        dialog.setCurrentFont(QFont(QStringLiteral("No Such Font At All"), 12));
        return true;
    };
    form.OptionMenu().FontCommand();
    EXPECT_EQ(grids().front()->font().pointSize(), 12);
    EXPECT_EQ(form.Data().FontSize, 12);
    // A stored size beyond the limit never reaches a grid either.
    form.Data().FontSize = 48;
    EXPECT_LE(form.OptionMenu().GridFont().pointSize(), 20);
}

TEST_F(OptionsTest, CommonCommandsHaveTheirUsualKeysUntilTheUserBindsOthers) {
    TVekaMainForm& form = Start();
    EXPECT_EQ(form.Action(TCommand::Open)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(form.Action(TCommand::Save)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(form.Action(TCommand::Exit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(form.Action(TCommand::Undo)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(form.Action(TCommand::Redo)->shortcuts().size(), 2);
    EXPECT_FALSE(form.Action(TCommand::SendAll)->shortcut().isEmpty());
    EXPECT_FALSE(form.Action(TCommand::Panic)->shortcut().isEmpty());
    EXPECT_TRUE(form.Action(TCommand::New)->shortcut().isEmpty());

    form.Hooks.HotKeyDialog = [&](THotKeyDlg& dialog) {
        const int open = Row(dialog, QStringLiteral("Open"));
        const int patch = Row(dialog, QStringLiteral("Patch"));
        const int part = Row(dialog, QStringLiteral("One Part... - Save as"));
        ASSERT_GE(open, 0);
        ASSERT_GE(patch, 0);
        ASSERT_GE(part, 0);
        EXPECT_EQ(dialog.KeyList()->item(open)->text(), ShortcutText(kShortcutCtrl | 'O'));
        // Ctrl+O again, for Patch: refused with the name of the command that holds it.
        dialog.SelectRow(patch);
        QTest::keyClick(dialog.Field(), Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(dialog.Field()->Code(), kShortcutCtrl | 'O');
        dialog.Bind();
        ASSERT_EQ(Messages.size(), 1u);
        EXPECT_EQ(Messages[0], QStringLiteral("\"Open\" is in use already."));
        EXPECT_TRUE(dialog.KeyList()->item(patch)->text().isEmpty());
        // Alt and a menu's letter opens that menu: refused, saying so.
        QTest::keyClick(dialog.Field(), Qt::Key_E, Qt::AltModifier);
        dialog.Bind();
        ASSERT_EQ(Messages.size(), 2u);
        EXPECT_TRUE(Messages[1].startsWith("Alt+E opens the Edit menu")) << Messages[1].toStdString();
        EXPECT_TRUE(dialog.KeyList()->item(patch)->text().isEmpty());
        for (const Qt::Key key : {Qt::Key_F, Qt::Key_V, Qt::Key_C, Qt::Key_O, Qt::Key_W, Qt::Key_H}) {
            QTest::keyClick(dialog.Field(), key, Qt::AltModifier);
            dialog.Bind();
        }
        EXPECT_EQ(Messages.size(), 8u);
        EXPECT_TRUE(dialog.KeyList()->item(patch)->text().isEmpty());
        Messages.resize(1);
        // A plain key is taken with Alt; Shift alone is no modifier either.
        QTest::keyClick(dialog.Field(), Qt::Key_P);
        EXPECT_EQ(dialog.Field()->Code(), kShortcutAlt | 'P');
        QTest::keyClick(dialog.Field(), Qt::Key_P, Qt::ShiftModifier);
        EXPECT_EQ(dialog.Field()->Code(), kShortcutAlt | 'P');
        dialog.Bind();
        EXPECT_EQ(dialog.KeyList()->item(patch)->text(), ShortcutText(kShortcutAlt | 'P'));
        dialog.SelectRow(open);
        dialog.Unbind();
        EXPECT_TRUE(dialog.KeyList()->item(open)->text().isEmpty());
        dialog.SelectRow(part);
        QTest::keyClick(dialog.Field(), Qt::Key_F7, Qt::ControlModifier | Qt::ShiftModifier);
        dialog.Bind();
        // The lists select and scroll together.
        EXPECT_EQ(dialog.KeyList()->currentRow(), part);
        dialog.KeyList()->setCurrentRow(open);
        EXPECT_EQ(dialog.CommandList()->currentRow(), open);
        dialog.KeyList()->verticalScrollBar()->setValue(dialog.KeyList()->verticalScrollBar()->maximum());
        EXPECT_EQ(dialog.CommandList()->verticalScrollBar()->value(), dialog.KeyList()->verticalScrollBar()->value());
    };
    form.Shortcuts().ShortcutKeysCommand();
    EXPECT_EQ(form.Action(TCommand::ViewPatch)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_P));
    EXPECT_TRUE(form.Action(TCommand::Open)->shortcut().isEmpty());
    form.close();
    // Written under the captions, sub-menus after a "-"; an unbound one as 0.
    EXPECT_EQ(Ini().ReadInteger("MenuShortCutKey", "Patch", -1), kShortcutAlt | 'P');
    EXPECT_EQ(Ini().ReadInteger("MenuShortCutKey", "Open", -1), 0);
    EXPECT_EQ(Ini().ReadInteger("MenuShortCutKey", "One Part...-Save as", -1), kShortcutCtrl | kShortcutShift | 0x76);
    EXPECT_EQ(Ini().ReadInteger("MenuShortCutKey", "Save", -1), kShortcutCtrl | 'S');
}

TEST_F(OptionsTest, StoredShortcutsAreReadAtStartAndKeysNamingNothingAreIgnored) {
    Ini().WriteInteger("MenuShortCutKey", "New", kShortcutCtrl | 'N');
    Ini().WriteInteger("MenuShortCutKey", "Open", 0);
    Ini().WriteInteger("MenuShortCutKey", "Save", 0x4001);      // names no key
    Ini().WriteInteger("MenuShortCutKey", "Exit", 0x10041);     // bits beyond the encoding
    Ini().WriteInteger("MenuShortCutKey", "No Such Command", kShortcutCtrl | 'K');
    TVekaMainForm& form = Start();
    EXPECT_EQ(form.Action(TCommand::New)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_TRUE(form.Action(TCommand::Open)->shortcut().isEmpty());
    EXPECT_TRUE(form.Action(TCommand::Save)->shortcut().isEmpty());
    EXPECT_TRUE(form.Action(TCommand::Exit)->shortcut().isEmpty());
    // Kept as read, so that the close writes them back unchanged.
    EXPECT_EQ(form.Shortcuts().ShortcutCode(TCommand::Save), 0x4001);
    EXPECT_EQ(form.Shortcuts().ShortcutCode(TCommand::Exit), 0x10041);
    form.Hooks.HotKeyDialog = [&](THotKeyDlg& dialog) {
        Answer = QMessageBox::Cancel;
        dialog.ClearAll();
        EXPECT_FALSE(dialog.KeyList()->item(Row(dialog, QStringLiteral("New")))->text().isEmpty());
        Answer = QMessageBox::Ok;
        dialog.ClearAll();
        ASSERT_EQ(Messages.size(), 2u);
        EXPECT_EQ(Messages[1], QStringLiteral("Sure?"));
        for (int row = 0; row < dialog.KeyList()->count(); ++row) EXPECT_TRUE(dialog.KeyList()->item(row)->text().isEmpty());
        EXPECT_EQ(dialog.CommandList()->currentRow(), 0);
    };
    form.Shortcuts().ShortcutKeysCommand();
    EXPECT_TRUE(form.Action(TCommand::New)->shortcut().isEmpty());
    EXPECT_TRUE(form.Action(TCommand::Undo)->shortcut().isEmpty());
}

TEST_F(OptionsTest, JapaneseKeyNamesJoinTheCommandAndItsSubMenu) {
    TVekaMainForm& form = Start(true, true);
    const auto commands = TShortcutKeys::AssignableCommands();
    const auto part = std::find_if(commands.begin(), commands.end(),
                                   [](const TAssignableCommand& c) { return c.Command == TCommand::SaveOnePart; });
    ASSERT_NE(part, commands.end());
    EXPECT_EQ(form.Shortcuts().ShortcutKeyName(*part), "1つの Part...-名前を付けて保存");
    // The display window, the communication commands but two and the recent files have none.
    for (const TAssignableCommand& c : commands) {
        EXPECT_NE(c.Command, TCommand::ViewDisplay);
        EXPECT_NE(c.Command, TCommand::DataRequest);
        EXPECT_NE(c.Command, TCommand::About);
    }
}

TEST_F(OptionsTest, WithoutX11TheLinkSaysItIsUnavailableAndWritesNothing) {
    TVekaMainForm& form = Start();
    ASSERT_TRUE(form.Shortcuts().X11());
    ASSERT_FALSE(form.Shortcuts().X11()->Available());  // offscreen
    bool shown = false;
    form.Hooks.SequencerDialog = [&](TOtherSeqWindow& dialog) {
        shown = true;
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("UnavailableNote")));
        EXPECT_FALSE(dialog.FindButton()->isEnabled());
        EXPECT_EQ(dialog.TargetList()->count(), 8);  // the English list
        EXPECT_EQ(ShortcutText(dialog.HotKey()), ShortcutText(kShortcutCtrl | kShortcutShift | 'A'));
    };
    form.Shortcuts().SequencerLinkCommand();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(FindSequencerList(Dir.Path.string()));
}

TEST_F(OptionsTest, ABrokenSequencerListIsSaidAndKept) {
    TVekaMainForm& form = Start();
    const std::vector<uint8_t> bytes{0xFF, 0xFF, 0xFF, 0xFF};  // a count of -1
    std::string error;
    {
        std::ofstream out(Dir / "otherseq.lst", std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), 4);
    }
    bool shown = false;
    form.Hooks.SequencerDialog = [&](TOtherSeqWindow&) { shown = true; };
    form.Shortcuts().SequencerLinkCommand();
    EXPECT_FALSE(shown);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_NE(Messages[0].indexOf(QStringLiteral("otherseq.lst")), -1);
    EXPECT_EQ(std::filesystem::file_size(Dir / "otherseq.lst"), 4u);
}

TEST_F(OptionsTest, TheSequencerDialogRegistersAWindowOnceAndChoosesTheTarget) {
    std::vector<TTopWindow> windows{{11, "Rosegarden - song.rg", "rosegarden", "Rosegarden", true, false, false},
                                    {12, "Afx tool", "t", "Afx:400000:b", true, false, false},
                                    {13, "Fake Sequencer - demo", "fakeseq", "FakeSeq", true, false, false}};
    std::vector<QString> messages;
    TOtherSeqWindow dialog(BuiltInSequencers(TLanguage::English), "Rosegarden", kShortcutCtrl | kShortcutShift | 'A',
                           true, [&] { return windows; }, TLanguage::English);
    dialog.MessageHook = [&](QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
        messages.push_back(text);
        return QMessageBox::Ok;
    };
    QString asked;
    dialog.NameHook = [&](const QString& preset) {
        asked = preset;
        return std::optional<QString>(QStringLiteral("My sequencer"));
    };
    EXPECT_EQ(dialog.TargetList()->currentItem()->text(), QStringLiteral("Rosegarden / Rosegarden"));
    EXPECT_FALSE(dialog.RegisterButton()->isEnabled());
    dialog.Find();
    ASSERT_EQ(dialog.ProgramList()->topLevelItemCount(), 2);  // no "Afx:" window
    EXPECT_EQ(dialog.ProgramList()->topLevelItem(1)->text(1), QStringLiteral("FakeSeq"));
    dialog.ProgramList()->setCurrentItem(dialog.ProgramList()->topLevelItem(0));
    EXPECT_TRUE(dialog.RegisterButton()->isEnabled());
    dialog.Register();  // Rosegarden is listed already
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("This application has already been registered."));
    EXPECT_TRUE(asked.isEmpty());
    dialog.ProgramList()->setCurrentItem(dialog.ProgramList()->topLevelItem(1));
    dialog.Register();
    EXPECT_EQ(asked, QStringLiteral("Fake Sequencer - demo"));
    ASSERT_EQ(dialog.Entries().size(), 9u);
    EXPECT_EQ(dialog.Entries().back(), (TSequencerEntry{"FakeSeq", "My sequencer"}));
    EXPECT_EQ(dialog.Target(), "FakeSeq");
    EXPECT_EQ(dialog.TargetList()->currentItem()->text(), QStringLiteral("FakeSeq / My sequencer"));
    dialog.TargetList()->setCurrentRow(0);
    EXPECT_EQ(dialog.Target(), "CakewalkMDIFrame");
    // The key taken by another program is said under the field.
    dialog.TryKey = [](int) { return QStringLiteral("another program holds this key"); };
    QTest::keyClick(dialog.KeyField(), Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(dialog.HotKey(), kShortcutCtrl | kShortcutAlt | 'B');
    EXPECT_FALSE(dialog.KeyNote()->isHidden());
}

}  // namespace
}  // namespace veka::test

namespace veka::test {
namespace {

TEST(ShortcutCodes, KeysAndCodesTurnIntoEachOtherAndIntoX11Symbols) {
    // The default hot key.
    EXPECT_EQ(CodeOfKey(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_A)), 24641);
    std::vector<int> keys;
    for (int vk = 0x30; vk <= 0x39; ++vk) keys.push_back(vk);
    for (int vk = 0x41; vk <= 0x5A; ++vk) keys.push_back(vk);
    for (int vk = 0x60; vk <= 0x87; ++vk)
        if (vk != 0x6C) keys.push_back(vk);  // the keypad's separator has no key of its own here
    for (int vk : {0x08, 0x09, 0x0D, 0x1B, 0x20, 0x2E, 0xBA, 0xBD, 0xBF, 0xDE}) keys.push_back(vk);
    for (int vk : keys)
        for (int mods : {kShortcutCtrl, kShortcutAlt | kShortcutShift, kShortcutCtrl | kShortcutAlt}) {
            const QKeySequence sequence = SequenceOfCode(vk | mods);
            ASSERT_FALSE(sequence.isEmpty()) << std::hex << vk;
            EXPECT_EQ(CodeOfKey(sequence[0]), vk | mods) << std::hex << vk;
            EXPECT_NE(KeySymOfCode(vk | mods), 0u) << std::hex << vk;
        }
    // The keypad's keys are not the main row's.
    EXPECT_EQ(CodeOfKey(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus)), kShortcutCtrl | 0x6D);
    EXPECT_EQ(CodeOfKey(QKeyCombination(Qt::ControlModifier, Qt::Key_Minus)), kShortcutCtrl | 0xBD);
    EXPECT_EQ(KeySymOfCode(kShortcutCtrl | 0x6D), 0xFFADu);
    EXPECT_EQ(KeySymOfCode(kShortcutCtrl | 0xBD), 0x2Du);
    EXPECT_EQ(KeySymOfCode(kShortcutCtrl | 'A'), uint32_t('a'));
    EXPECT_EQ(KeySymOfCode(kShortcutAlt | 0x70), 0xFFBEu);  // F1
    // A shifted symbol names no key for certain (which key it was depends on the layout).
    EXPECT_EQ(CodeOfKey(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_At)), 0);
    EXPECT_EQ(CodeOfKey(QKeyCombination(Qt::ControlModifier | Qt::MetaModifier, Qt::Key_A)), 0);
    EXPECT_EQ(CodeOfKey(QKeyCombination(Qt::ControlModifier, Qt::Key_Control)), 0);
    for (int bad : {0, 0x4001, 0x40FF, 0x10041, -1, 0x1041}) {
        EXPECT_TRUE(SequenceOfCode(bad).isEmpty()) << std::hex << bad;
        EXPECT_EQ(KeySymOfCode(bad), 0u) << std::hex << bad;
    }
    // The capture field's rule: a plain key or Shift alone is taken with Alt.
    EXPECT_EQ(CapturedCode('P'), kShortcutAlt | 'P');
    EXPECT_EQ(CapturedCode(kShortcutShift | 'P'), kShortcutAlt | 'P');
    EXPECT_EQ(CapturedCode(kShortcutShift | kShortcutCtrl | 'P'), kShortcutShift | kShortcutCtrl | 'P');
    EXPECT_EQ(CapturedCode(0), 0);
}

TEST(ShortcutCodes, TheCaptureFieldLeavesTabAndEscapeToTheDialog) {
    QDialog dialog;
    auto* field = new TKeyCaptureEdit(&dialog);
    auto* other = new QLineEdit(&dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(field);
    layout->addWidget(other);
    dialog.show();
    field->setFocus();
    QApplication::processEvents();
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_EQ(field->Code(), 0);
    EXPECT_TRUE(other->hasFocus());
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(field->Code(), kShortcutCtrl | 0x09);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->Code(), 0);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(field->Code(), 0);
    EXPECT_FALSE(dialog.isVisible());  // rejected
}

// Pictures of the dialogs in both languages for a look by eye (build/*/artifacts); each must
// lay out without clipping its texts: every label and button gets at least its size hint.
TEST(OptionsDialogPictures, TheDialogsInBothLanguages) {
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    for (TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        const QString suffix = language == TLanguage::English ? "en" : "ja";
        std::vector<QWidget*> shots;
        TOterOption options(std::array<bool, 13>{false, true, false, true, false, false, false, true}, 2, true, language);
        THotKeyDlg keys({{"New", 0}, {"Open", kShortcutCtrl | 'O'}, {"One Part... - Save as", kShortcutAlt | 'P'}},
                        language);
        TOtherSeqWindow link(BuiltInSequencers(language), "Rosegarden", kShortcutCtrl | kShortcutShift | 'A', false,
                             {}, language);
        for (int page = 0; page < 3; ++page) {
            options.Pages()->setCurrentIndex(page);
            options.adjustSize();
            options.show();
            QApplication::processEvents();
            for (QCheckBox* box : options.findChildren<QCheckBox*>()) {
                if (!box->isVisible()) continue;
                EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
            }
            EXPECT_TRUE(options.grab().save(QStringLiteral(VEKA_ARTIFACT_DIR "/other-options-%1-%2.png").arg(page).arg(suffix)));
        }
        for (QDialog* dialog : {static_cast<QDialog*>(&keys), static_cast<QDialog*>(&link)}) {
            dialog->show();
            QApplication::processEvents();
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
        EXPECT_TRUE(keys.grab().save(QStringLiteral(VEKA_ARTIFACT_DIR "/key-bindings-%1.png").arg(suffix)));
        EXPECT_TRUE(link.grab().save(QStringLiteral(VEKA_ARTIFACT_DIR "/veka-hot-key-%1.png").arg(suffix)));
    }
}

}  // namespace
}  // namespace veka::test
