// The keyboard window and the computer-keyboard note player in a main window on the virtual
// module: the keys under the pointer, the letters through the program's key filter, the
// ribbon and its mirrored part parameters, the drum windows following the notes, no note left
// on when the window closes or the program loses the keyboard, and pictures in both languages.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "windows/drum_window.h"
#include "windows/part_window.h"
#include "windows/user_drum_window.h"
#include "widgets/veka_grid.h"
#include "midi/pump_wait.h"
#include "ui/main_window_fixture.h"
#include "windows/keyboard_window.h"
#include "widgets/veka_keyboard.h"
#include "widgets/veka_ribbon.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "app/part_menu.h"
#include "windows/window_services.h"

namespace veka::test {
namespace {

using TMessages = std::vector<std::vector<uint8_t>>;

std::vector<uint8_t> B(std::initializer_list<int> v) { return std::vector<uint8_t>(v.begin(), v.end()); }

TEST(VekaKeyboardTest, KeysAndVelocitiesFollowThePointer) {
    EXPECT_EQ(TVekaKeyboard::kWidth, 925);
    // A white key: its bottom gives 127, its top 30, the steps by 13 pixels.
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 3, 61).Note, 60);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 3, 61).Velocity, 127);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 3, 40).Velocity, 117);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 3, 26).Velocity, 94);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 3, 13).Velocity, 64);
    const TKeyAtPoint top = TVekaKeyboard::KeyAt(5 * 7 * 12 + 1, 0);
    EXPECT_EQ(top.Note, 60);  // left of the first black key
    EXPECT_EQ(top.Velocity, 30);
    // Black keys in the upper 36 pixels, steps by 9: C#, D#, none between E and F, F#.
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 12, 35).Note, 61);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 12, 35).Velocity, 117);
    EXPECT_TRUE(TVekaKeyboard::KeyAt(5 * 7 * 12 + 12, 9).Black);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 12, 9).Velocity, 64);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 24, 10).Note, 63);
    EXPECT_EQ(TVekaKeyboard::KeyAt(37 * 12 + 8, 10).Note, 64);  // E: no black key after it
    EXPECT_EQ(TVekaKeyboard::KeyAt(38 * 12 + 3, 10).Note, 65);
    EXPECT_EQ(TVekaKeyboard::KeyAt(5 * 7 * 12 + 48, 10).Note, 66);
    EXPECT_EQ(TVekaKeyboard::KeyAt(36 * 12 + 3, 40).Note, 62);  // below the black keys
    // The far left is C 0, not a black key left of it; past G 10 there are no notes.
    EXPECT_EQ(TVekaKeyboard::KeyAt(0, 0).Note, 0);
    EXPECT_EQ(TVekaKeyboard::KeyAt(74 * 12 + 2, 50).Note, 127);
    EXPECT_EQ(TVekaKeyboard::KeyAt(75 * 12 + 2, 50).Note, -1);
    EXPECT_EQ(TVekaKeyboard::KeyAt(75 * 12, 10).Note, -1);  // G# 10
    for (const QPoint p : {QPoint(-1, 10), QPoint(10, -1), QPoint(924, 10), QPoint(10, 62), QPoint(5000, 5000)})
        EXPECT_EQ(TVekaKeyboard::KeyAt(p.x(), p.y()).Note, -1) << p.x() << "," << p.y();
    EXPECT_EQ(TVekaKeyboard::WhiteIndexOf(60), 35);
    EXPECT_EQ(TVekaKeyboard::WhiteIndexOf(61), -1);
}

// For a screen reader: the keys are buttons named by note that sound when pressed, and the ribbon
// is a slider the arrows move; pitch bend from the keys springs back when they are let go.
TEST(VekaKeyboardTest, KeysAreNamedButtonsAndTheRibbonMovesByKeys) {
    TVekaKeyboard keyboard;
    QAccessibleInterface* keys = QAccessible::queryAccessibleInterface(&keyboard);
    ASSERT_NE(keys, nullptr);
    EXPECT_EQ(keys->childCount(), 128);
    EXPECT_EQ(keys->child(60)->text(QAccessible::Name), QStringLiteral("C4"));
    EXPECT_EQ(keys->child(61)->text(QAccessible::Name), QStringLiteral("C#4"));
    EXPECT_EQ(keys->child(0)->text(QAccessible::Name), QStringLiteral("C-1"));
    EXPECT_EQ(keys->child(128), nullptr);
    EXPECT_EQ(keys->indexOfChild(keys->child(61)), 61);
    std::vector<int> down;
    int up = 0;
    QObject::connect(&keyboard, &TVekaKeyboard::OnNoteDown, [&](int note, int) { down.push_back(note); });
    QObject::connect(&keyboard, &TVekaKeyboard::OnNoteUp, [&] { ++up; });
    keys->child(62)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(down, std::vector<int>{62});
    EXPECT_TRUE(QTest::qWaitFor([&] { return up == 1; }, 2000));  // and it ends by itself

    TVekaRibon ribbon;
    ribbon.ReturnMode = true;
    std::vector<int> values;
    QObject::connect(&ribbon, &TVekaRibon::OnChange, [&](int value) { values.push_back(value); });
    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(&ribbon);
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    const int centre = ribbon.Value();
    QTest::keyPress(&ribbon, Qt::Key_Right);
    EXPECT_EQ(ribbon.Value(), centre + 64);
    EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), centre + 64);
    // Only the key that moved it lets it spring back; a focus lost meanwhile does too.
    QTest::keyClick(&ribbon, Qt::Key_Control);
    EXPECT_EQ(ribbon.Value(), centre + 64);
    QTest::keyRelease(&ribbon, Qt::Key_Right);
    EXPECT_EQ(values, (std::vector<int>{centre + 64, centre}));
    QTest::keyPress(&ribbon, Qt::Key_Left);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&ribbon, &out);
    EXPECT_EQ(values, (std::vector<int>{centre + 64, centre, centre - 64, centre}));
    ribbon.ReturnMode = false;
    QTest::keyClick(&ribbon, Qt::Key_Home);
    EXPECT_EQ(ribbon.Value(), 0);
    slider->valueInterface()->setCurrentValue(64 * 10);
    EXPECT_EQ(values.back(), 640);
}

class KeyboardWindowTest : public TMainWindowFixture {
protected:
    TKeyboardWindow& Open(bool japanese = false) {
        Clock.Process = [] { QApplication::processEvents(); };
        Options.Wait = &Clock;
        Ini().WriteBool("other option", "2", false);
        TKeyboardWindow& window = OpenManaged<TKeyboardWindow>(wnKeyboard, japanese);
        Form->Services().Edit.SetCurrentChannel(0);
        Module()->ClearReceived();
        return window;
    }
    std::shared_ptr<TVirtualModule> Module() { return TMidiDevices::Instance().VirtualModule(); }
    TMessages Take(int port = 0) {
        TMessages sent = Module()->Received(port);
        Module()->ClearReceived();
        return sent;
    }
    // A key as the window system hands it to the main window.
    void Key(bool press, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false,
             QWindow* window = nullptr) {
        QTest::simulateEvent(window ? window : Form->windowHandle(), press, key, modifiers, QString(), repeat);
    }
    static QPoint WhiteKey(int note, int y = 61) { return QPoint(TVekaKeyboard::WhiteIndexOf(note) * 12 + 3, y); }
    TFakePumpWait Clock;
};

TEST_F(KeyboardWindowTest, ThePointerPlaysGlidesAndReleasesOnTheChannelItStartedOn) {
    TKeyboardWindow& window = Open();
    EXPECT_EQ(window.windowTitle(), "Keyboard Window / Part A1 : Piano 1");
    TVekaKeyboard* keys = window.Keyboard();
    QTest::mousePress(keys, Qt::LeftButton, Qt::NoModifier, WhiteKey(60));
    EXPECT_TRUE(keys->KeyDown(60));
    Form->Services().Edit.SetCurrentChannel(5);  // another part meanwhile
    QMouseEvent move(QEvent::MouseMove, QPointF(WhiteKey(62, 40)), keys->mapToGlobal(QPointF(WhiteKey(62, 40))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(keys, &move);  // dragged onto D with the button held
    QTest::mouseRelease(keys, Qt::LeftButton, Qt::NoModifier, WhiteKey(62, 40));
    EXPECT_FALSE(keys->KeyDown(62));
    EXPECT_EQ(Take(), (TMessages{B({0x90, 60, 127}), B({0x80, 60, 0}), B({0x95, 62, 117}), B({0x85, 62, 0})}));
    EXPECT_EQ(Form->Document().LastNotes().Notes[0][0], 62);
    // Outside the keys nothing sounds.
    QTest::mouseClick(keys, Qt::LeftButton, Qt::NoModifier, QPoint(TVekaKeyboard::kWidth - 3, 20));
    EXPECT_TRUE(Take().empty());
    // The help of the keyboard and of the ribbon.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(keys, &enter);
    EXPECT_EQ(window.StatusText(), "Velocty changes by its position(height)");
    QApplication::sendEvent(window.Ribbon(), &enter);
    EXPECT_EQ(window.StatusText(), "Right-click centers the ribbon controller's cursor.");
}

TEST_F(KeyboardWindowTest, LettersPlayThroughTheProgramWithModifiersRepeatsAndSwallowing) {
    TKeyboardWindow& window = Open();
    Key(true, Qt::Key_A);  // option 3 off: no note
    Key(false, Qt::Key_A);
    EXPECT_TRUE(Take().empty());
    QTest::mouseClick(window.PcKeyboardSwitch(), Qt::LeftButton);
    EXPECT_TRUE(Form->Data().Option(TOption::PcKeyboard));
    Key(true, Qt::Key_A);
    Key(false, Qt::Key_A, Qt::NoModifier, true);  // X11's auto-repeat: a release and a press
    Key(true, Qt::Key_A, Qt::NoModifier, true);
    EXPECT_TRUE(window.Keyboard()->KeyDown(60));
    Key(false, Qt::Key_A);
    Key(true, Qt::Key_K);
    Key(false, Qt::Key_K);
    Key(true, Qt::Key_A, Qt::ControlModifier);
    Key(false, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Take(), (TMessages{B({0x90, 60, 100}), B({0x80, 60, 0}), B({0x90, 72, 100}), B({0x80, 72, 0})}));

    // Q with A held: A's note-off, then the octave; C and X step the velocity.
    Key(true, Qt::Key_A);
    Key(true, Qt::Key_Q);
    EXPECT_EQ(Module()->Received(0).back(), B({0x80, 60, 0}));  // before the key comes up
    EXPECT_FALSE(window.Keyboard()->KeyDown(60));
    EXPECT_EQ(window.OctaveLabel()->text(), "4");
    EXPECT_EQ(Form->Data().PlayNoteBaseOct, 4);
    Key(false, Qt::Key_A);
    Key(true, Qt::Key_C);
    EXPECT_EQ(window.VelocityLabel()->text(), "104");
    Key(true, Qt::Key_A);
    Key(false, Qt::Key_A);
    EXPECT_EQ(Take(), (TMessages{B({0x90, 60, 100}), B({0x80, 60, 0}), B({0x90, 48, 104}), B({0x80, 48, 0})}));
    QTest::mouseClick(window.Button('X'), Qt::LeftButton);
    QTest::mouseClick(window.Button('R'), Qt::LeftButton);
    EXPECT_EQ(window.VelocityLabel()->text(), "100");
    EXPECT_EQ(window.OctaveLabel()->text(), "5");
    EXPECT_EQ(window.Keyboard()->Octave(), 5);

    // Option 4 keeps the note keys from the focused control; other letters pass.
    QLineEdit edit;
    edit.show();
    edit.setFocus();
    QApplication::processEvents();
    QTest::simulateEvent(edit.windowHandle(), true, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), false);
    QTest::simulateEvent(edit.windowHandle(), false, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), false);
    QTest::simulateEvent(edit.windowHandle(), true, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"), false);
    EXPECT_EQ(edit.text(), "b");
    Form->Data().SetOption(TOption::SwallowNoteKeys, false);
    QTest::simulateEvent(edit.windowHandle(), true, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), false);
    QTest::simulateEvent(edit.windowHandle(), false, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), false);
    EXPECT_EQ(edit.text(), "bs");
    EXPECT_EQ(Take(), (TMessages{B({0x90, 62, 100}), B({0x80, 62, 0}), B({0x90, 62, 100}), B({0x80, 62, 0})}));
}

TEST_F(KeyboardWindowTest, NoKeyHangsWhenAMenuOpensTheProgramLosesTheKeyboardOrTheWindowCloses) {
    TKeyboardWindow& window = Open();
    Form->OptionMenu().SetPcKeyboard(true);
    Key(true, Qt::Key_D);
    Form->Parts().Menu()->popup(QPoint(10, 10));
    QApplication::processEvents();
    Form->Parts().Menu()->hide();
    EXPECT_EQ(Take(), (TMessages{B({0x90, 64, 100}), B({0x80, 64, 0})}));

    Key(true, Qt::Key_F);
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QApplication::sendEvent(qApp, &inactive);
    Key(false, Qt::Key_F);  // comes late, or never: nothing more
    EXPECT_EQ(Take(), (TMessages{B({0x90, 65, 100}), B({0x80, 65, 0})}));

    // A menu's letters choose its entries: no note while it is open.
    Form->Parts().Menu()->popup(QPoint(10, 10));
    QApplication::processEvents();
    Key(true, Qt::Key_A, Qt::NoModifier, false, Form->Parts().Menu()->windowHandle());
    Key(false, Qt::Key_A, Qt::NoModifier, false, Form->Parts().Menu()->windowHandle());
    Form->Parts().Menu()->hide();
    EXPECT_TRUE(Take().empty());
    // A key held while the switch goes off elsewhere still ends with its key.
    Key(true, Qt::Key_W);
    Form->Data().SetOption(TOption::PcKeyboard, false);
    Key(false, Qt::Key_W);
    Form->Data().SetOption(TOption::PcKeyboard, true);
    EXPECT_EQ(Take(), (TMessages{B({0x90, 61, 100}), B({0x80, 61, 0})}));
    // Minimised under a held button: the note ends, a bend goes back to the centre.
    QTest::mousePress(window.Keyboard(), Qt::LeftButton, Qt::NoModifier, WhiteKey(62));
    QTest::mousePress(window.Ribbon(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    Form->Windows().Window(wnKeyboard)->showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(Take(), (TMessages{B({0x90, 62, 127}), B({0xE0, 64 * 15 % 128, 64 * 15 / 128}), B({0x80, 62, 0}), B({0xE0, 0, 64})}));
    Form->Windows().Window(wnKeyboard)->showNormal();

    // The pointer's key and a letter held while the window goes: the pointer's note ends with
    // the window, the letter plays on and ends with its key.
    QTest::mousePress(window.Keyboard(), Qt::LeftButton, Qt::NoModifier, WhiteKey(67));
    Key(true, Qt::Key_G);
    Form->Windows().Window(wnKeyboard)->CloseForGood();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(Form->Windows().Window(wnKeyboard));
    Key(false, Qt::Key_G);
    Key(true, Qt::Key_H);  // plays with the window closed
    Key(false, Qt::Key_H);
    Key(true, Qt::Key_Q);  // but Q, R, C, X need the window
    EXPECT_EQ(Form->Document().NotePlayer().Octave(), 5);
    EXPECT_EQ(Take(), (TMessages{B({0x90, 67, 127}), B({0x90, 67, 100}), B({0x80, 67, 0}), B({0x80, 67, 0}),
                                 B({0x90, 69, 100}), B({0x80, 69, 0})}));
    // Turning the switch off ends a held key too.
    Key(true, Qt::Key_J);
    Form->OptionMenu().SetPcKeyboard(false);
    EXPECT_EQ(Take(), (TMessages{B({0x90, 71, 100}), B({0x80, 71, 0})}));
}

TEST_F(KeyboardWindowTest, TheRibbonBendsSpringsBackOrSetsAMirroredPartParameterShownInThePartWindow) {
    TKeyboardWindow& window = Open();
    TVekaRibon* ribbon = window.Ribbon();
    EXPECT_EQ(window.RibbonList()->count(), 97);
    EXPECT_EQ(window.RibbonList()->itemText(0), " Pitch Bend");
    EXPECT_EQ(window.RibbonList()->itemText(8), " CC#7-Volume");
    EXPECT_EQ(ribbon->Value(), 8192);
    QTest::mousePress(ribbon, Qt::LeftButton, Qt::NoModifier, QPoint(500, 5));  // past the end: the top
    QTest::mouseRelease(ribbon, Qt::LeftButton, Qt::NoModifier, QPoint(500, 5));
    EXPECT_EQ(ribbon->Value(), 8192);
    EXPECT_EQ(Take(), (TMessages{B({0xE0, 64, 127}), B({0xE0, 0, 64})}));

    TPartWindow1& part = *qobject_cast<TPartWindow1*>(Form->Windows().OpenOrBringForward(wnPart)->widget());
    auto volumeCell = [&part]() -> int {
        TVekaGrid* grid = part.Grid();
        for (int col = 0; col < grid->ColCount(); ++col)
            for (int row = 0; row < grid->RowCount(); ++row) {
                const TOneCell& cell = grid->Cell(col, row);
                if (cell.Link.Kind == LinkPart && cell.Link.Owner == 1 && cell.Link.Index == ppVolume && row > 0)
                    return cell.Value;
            }
        return -1;
    };
    ASSERT_EQ(volumeCell(), 100);
    window.RibbonList()->setCurrentIndex(8);
    EXPECT_EQ(ribbon->Value(), 100 * 128);  // the cursor shows the part's volume
    QTest::mousePress(ribbon, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(ribbon, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(ribbon->Value(), 0);  // a controller stays
    QTest::mousePress(ribbon, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(Take(), (TMessages{B({0xB0, 7, 0}), B({0xB0, 7, 64})}));  // no exclusive message
    EXPECT_EQ(Form->Document().Image().Part(0, 1, ppVolume).Value, 64);
    EXPECT_EQ(volumeCell(), 64);
    EXPECT_TRUE(Form->Document().Changed());
}

TEST_F(KeyboardWindowTest, TheDrumWindowSelectsTheRowOfTheDrumNotePlayed) {
    TKeyboardWindow& window = Open();
    TDrumWindow1& drum = *qobject_cast<TDrumWindow1*>(Form->Windows().OpenOrBringForward(wnDrum)->widget());
    ASSERT_TRUE(drum.ShowsSet());
    Form->Services().Edit.SelectPart(10, nullptr);  // the drum part
    emit window.Keyboard()->OnNoteDown(38, 100);
    emit window.Keyboard()->OnNoteUp();
    EXPECT_EQ(drum.NoteOfRow(drum.Grid()->Row()), 38);
    EXPECT_TRUE(window.windowTitle().startsWith("Keyboard Window / Part A10 : ")) << window.windowTitle().toStdString();
    Form->Services().Edit.SelectPart(1, nullptr);  // a melodic part: the row stays
    emit window.Keyboard()->OnNoteDown(42, 100);
    emit window.Keyboard()->OnNoteUp();
    EXPECT_EQ(drum.NoteOfRow(drum.Grid()->Row()), 38);

    // The user drum window follows a part that plays a user set, and only such a part.
    TUserDrumWindow& user = *qobject_cast<TUserDrumWindow*>(Form->Windows().OpenOrBringForward(wnUserDrum)->widget());
    const int row = user.Grid()->Row();
    Form->Services().Edit.SelectPart(10, nullptr);
    emit window.Keyboard()->OnNoteDown(row == 51 ? 52 : 50, 100);
    emit window.Keyboard()->OnNoteUp();
    EXPECT_EQ(user.Grid()->Row(), row);
    Form->Document().Image().SetPartTone(0, 10, 1, 64, 4, 0);  // part 10 plays user set 65 on map 1
    emit window.Keyboard()->OnNoteDown(50, 100);
    emit window.Keyboard()->OnNoteUp();
    EXPECT_EQ(user.Grid()->Row(), 51);
}

TEST_F(KeyboardWindowTest, PicturesInBothLanguages) {
    for (const bool japanese : {false, true}) {
        SCOPED_TRACE(japanese);
        TKeyboardWindow& window = Open(japanese);
        EXPECT_EQ(window.PcKeyboardSwitch()->toolTip(),
                  japanese ? QString::fromUtf8("ﾊﾟｿｺﾝのｷｰﾎﾞｰﾄﾞで音を鳴らす") : QStringLiteral("Use PC keyboard"));
        emit window.Keyboard()->OnNoteDown(64, 100);
        window.Keyboard()->SetKeyDown(67, true);
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        const QString path =
            QStringLiteral(VEKA_ARTIFACT_DIR "/keyboard-window-%1.png").arg(japanese ? "ja" : "en");
        EXPECT_TRUE(Form->Windows().Window(wnKeyboard)->grab().save(path)) << path.toStdString();
        // Every control is inside the window.
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible()) continue;
            EXPECT_TRUE(window.rect().contains(child->geometry())) << child->objectName().toStdString();
        }
        emit window.Keyboard()->OnNoteUp();
        Form.reset();
    }
}

}  // namespace
}  // namespace veka::test
