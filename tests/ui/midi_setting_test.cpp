// The MIDI port dialog against the virtual module's devices: what it shows on opening, the
// rules of its lists and check boxes, what Close does to the live ports and the settings, and
// the closes it refuses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "midi/midi_fixture.h"
#include "app/midi_setting_dialog.h"
#include "temp_dir.h"
#include "ui/control_names.h"

// Readable QString values in failure messages (internal linkage: each test file has its own).
static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace veka {
namespace {

// The dialog with its message boxes and beeps recorded instead of shown.
class TRecordingMidiSetting : public TMIDISETTING {
public:
    using TMIDISETTING::TMIDISETTING;
    QStringList Messages;
    int Beeps = 0;

protected:
    void ShowMessage(QMessageBox::Icon, const QString& text) override { Messages << text; }
    void Beep() override { ++Beeps; }
    bool AskQuit(const QString& text) override {
        Questions << text;
        return QuitAnswer;
    }

public:
    QStringList Questions;
    bool QuitAnswer = false;
};

int OutputIndex(const std::string& name) {
    const auto& list = TMidiDevices::Instance().Outputs();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Name == name) return int(i);
    return -1;
}

int InputIndex(const std::string& name) {
    const auto& list = TMidiDevices::Instance().Inputs();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Name == name) return int(i);
    return -1;
}

// What the user's choice in a drop-down list does.
void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

class MidiSetting : public ::testing::Test {
protected:
    // Ports A..D on the virtual module's ports A..D, the input on its output, maxPart as given.
    void Open(int maxPart, TLanguage language = TLanguage::Japanese, bool useInput = true,
              int moduleType = mtSC8850) {
        Midi = std::make_unique<test::TMidiFixture>(mtSC8850, maxPart);
        for (int port = 0; port < 4; ++port) Data.MidiOut[size_t(port)] = OutputIndex(TVirtualModule::OutputName(port));
        Data.MidiIn = InputIndex(TVirtualModule::InputName());
        Data.UseMidiIn = useInput;
        Data.MaxPart = maxPart;
        Data.ModuleType = moduleType;
        Dialog = std::make_unique<TRecordingMidiSetting>(Midi->Tx(), Midi->Session->Input, Data, Settings, language);
        Dialog->show();
    }
    void TearDown() override {
        Dialog.reset();
        Midi.reset();
    }
    int Out(int port) const { return OutputIndex(TVirtualModule::OutputName(port)); }
    TMidiOutput& Port(int port) { return Midi->Tx().Port(port); }

    test::TTempDir Dir;
    TSettings Settings{Dir / "Veka.ini"};
    TSettingsData Data;
    std::unique_ptr<test::TMidiFixture> Midi;
    std::unique_ptr<TRecordingMidiSetting> Dialog;
};

// A screen reader names every control, in both languages.
TEST_F(MidiSetting, EveryControlHasAName) {
    for (const TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        Open(2, language);
        QApplication::processEvents();
        EXPECT_EQ(test::UnnamedControls(*Dialog), std::vector<std::string>{});
        Dialog.reset();
    }
}

TEST_F(MidiSetting, ControlsCarryTheirNamesAndJapaneseCaptions) {
    Open(1);
    EXPECT_EQ(Dialog->windowTitle(), "MIDI Portの設定");
    EXPECT_TRUE(Dialog->isModal());
    for (const char* name : {"cbMIDIOUTPUT", "cbMidiOutput2", "cbMidiOutput3", "cbMidiOutput4", "cbMIDIINPUT"})
        EXPECT_NE(Dialog->findChild<QComboBox*>(name), nullptr) << name;
    for (const char* name : {"cbEnaMidiOutput2", "cbEnaMidiOutput3", "cbEnaMidiOutput4", "cbEnaMidiInput"}) {
        const auto* box = Dialog->findChild<QCheckBox*>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->text(), "使う");
    }
    const auto* models = Dialog->findChild<QGroupBox*>("RadioGroup1");
    const auto* parts = Dialog->findChild<QGroupBox*>("RadioGroup2");
    ASSERT_TRUE(models && parts);
    EXPECT_EQ(models->title(), "音源の種類");
    EXPECT_EQ(parts->title(), "使用ﾊﾟｰﾄ数");
    EXPECT_EQ(Dialog->ModelGroup()->button(2)->text(), "SC-8850,SC-8820");
    EXPECT_EQ(Dialog->PartsGroup()->button(0)->text(), "16 (MIDI OUTPUTを 1 つ指定)");
    EXPECT_EQ(Dialog->CloseButton()->text(), "閉じる");
    EXPECT_EQ(Dialog->CloseButton()->objectName(), "CancelBtn");
    QStringList labels;
    for (const QLabel* label : Dialog->findChildren<QLabel*>()) labels << label->text();
    for (const char* text : {"MIDI OUTPUT", "MIDI OUTPUT B", "MIDI OUTPUT C", "MIDI OUTPUT D", "MIDI INPUT "})
        EXPECT_TRUE(labels.contains(text)) << text;
}

TEST_F(MidiSetting, EnglishCaptions) {
    Open(1, TLanguage::English);
    EXPECT_EQ(Dialog->windowTitle(), "MIDI Port Setup");
    EXPECT_EQ(Dialog->InputEnable()->text(), "Active");
    EXPECT_EQ(Dialog->findChild<QGroupBox*>("RadioGroup1")->title(), "Model");
    EXPECT_EQ(Dialog->findChild<QGroupBox*>("RadioGroup2")->title(), "Number of Part");
    EXPECT_EQ(Dialog->PartsGroup()->button(2)->text(), "64(Choose four output ports.)");
    EXPECT_EQ(Dialog->CloseButton()->text(), "Close");
}

TEST_F(MidiSetting, OpeningShowsTheCurrentSetup) {
    Open(1, TLanguage::Japanese, true, mtSC88Pro);
    EXPECT_EQ(Dialog->OutputList(0)->currentText(), "Virtual Module Port A");
    EXPECT_EQ(Dialog->OutputList(1)->currentText(), "Virtual Module Port B");
    EXPECT_EQ(Dialog->InputList()->currentText(), "Virtual Module Out");
    EXPECT_TRUE(Dialog->InputEnable()->isChecked());
    EXPECT_TRUE(Dialog->InputList()->isEnabled());
    EXPECT_EQ(Dialog->ModelGroup()->checkedId(), 1);
    EXPECT_EQ(Dialog->PartsGroup()->checkedId(), 1);
    // 32 parts: Ports A and B in use, C and D not.
    EXPECT_TRUE(Dialog->OutputList(1)->isEnabled());
    EXPECT_TRUE(Dialog->OutputEnable(1)->isChecked());
    EXPECT_FALSE(Dialog->OutputList(2)->isEnabled());
    EXPECT_FALSE(Dialog->OutputEnable(2)->isEnabled());
    EXPECT_FALSE(Dialog->OutputList(3)->isEnabled());
}

TEST_F(MidiSetting, InputOffShowsNoInputDevice) {
    Open(0, TLanguage::Japanese, false);
    EXPECT_FALSE(Dialog->InputEnable()->isChecked());
    EXPECT_FALSE(Dialog->InputList()->isEnabled());
    EXPECT_EQ(Dialog->InputList()->currentIndex(), -1);
}

TEST_F(MidiSetting, SameDeviceForTwoPortsBeepsAndClears) {
    Open(1);
    Choose(Dialog->OutputList(1), Out(0));
    EXPECT_EQ(Dialog->Beeps, 1);
    EXPECT_EQ(Dialog->OutputList(1)->currentIndex(), -1);
    // The list of Port C, out of use with 32 parts, still keeps its device for itself.
    Choose(Dialog->OutputList(1), Out(2));
    EXPECT_EQ(Dialog->Beeps, 2);
    EXPECT_EQ(Dialog->OutputList(1)->currentIndex(), -1);
    // A device no other list shows is taken.
    Dialog->OutputList(2)->setCurrentIndex(-1);
    Choose(Dialog->OutputList(1), Out(2));
    EXPECT_EQ(Dialog->Beeps, 2);
    EXPECT_EQ(Dialog->OutputList(1)->currentText(), "Virtual Module Port C");
    // Port A is checked against Port B's choice as well.
    Choose(Dialog->OutputList(0), Out(2));
    EXPECT_EQ(Dialog->Beeps, 3);
    EXPECT_EQ(Dialog->OutputList(0)->currentIndex(), -1);
}

TEST_F(MidiSetting, SixteenPartsUseOnlyPortAAndCloseOpensOnlyPortA) {
    Open(1);
    Dialog->PartsGroup()->button(0)->click();
    EXPECT_EQ(Data.MaxPart, 0);
    EXPECT_TRUE(Dialog->OutputList(0)->isEnabled());
    for (int port = 1; port < 4; ++port) {
        EXPECT_FALSE(Dialog->OutputList(port)->isEnabled()) << port;
        EXPECT_FALSE(Dialog->OutputEnable(port)->isEnabled()) << port;
    }
    Dialog->CloseButton()->click();
    EXPECT_TRUE(Dialog->Messages.isEmpty()) << Dialog->Messages.join("|").toStdString();
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_TRUE(Port(0).IsOpen());
    EXPECT_EQ(Port(0).ProductName(), "Virtual Module Port A");
    for (int port = 1; port < 4; ++port) EXPECT_FALSE(Port(port).IsOpen()) << port;

    // Port A really reaches the module.
    Midi->Module->ClearReceived();
    const uint8_t reset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
    Port(0).SendLong(reset);
    EXPECT_EQ(Midi->Sent(0).size(), 1u);
}

TEST_F(MidiSetting, SixtyFourPartsNeedFourDevices) {
    Open(1);
    Dialog->PartsGroup()->button(2)->click();
    EXPECT_EQ(Data.MaxPart, 2);
    for (int port = 0; port < 4; ++port) EXPECT_TRUE(Dialog->OutputList(port)->isEnabled()) << port;
    // Port C was left empty: Close keeps the window open with the list in focus.
    Dialog->OutputList(2)->setCurrentIndex(-1);
    Dialog->CloseButton()->click();
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Dialog->Messages, QStringList{"MIDI OUTPUTが設定されていません (MIDI OUTPUT C)"});
    EXPECT_EQ(Dialog->focusWidget(), Dialog->OutputList(2));

    Choose(Dialog->OutputList(2), Out(2));
    Dialog->CloseButton()->click();
    EXPECT_FALSE(Dialog->isVisible());
    for (int port = 0; port < 4; ++port) {
        EXPECT_TRUE(Port(port).IsOpen()) << port;
        EXPECT_EQ(Port(port).ProductName(), TVirtualModule::OutputName(port));
        EXPECT_EQ(Data.MidiOut[size_t(port)], Out(port));
    }
}

TEST_F(MidiSetting, UncheckingAPortInUseIsRefusedAtClose) {
    Open(1, TLanguage::English);
    Dialog->OutputEnable(1)->click();
    EXPECT_FALSE(Dialog->OutputList(1)->isEnabled());
    Dialog->CloseButton()->click();
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Dialog->Messages, QStringList{"MIDI Output is not active. (MIDI OUTPUT B)"});
    EXPECT_EQ(Dialog->focusWidget(), Dialog->OutputEnable(1));
    Dialog->OutputEnable(1)->click();
    EXPECT_TRUE(Dialog->OutputList(1)->isEnabled());
}

TEST_F(MidiSetting, ModelEntriesGiveModuleTypesOneToThree) {
    Open(0);
    for (int entry = 0; entry < 3; ++entry) {
        Dialog->show();
        Dialog->ModelGroup()->button(entry)->click();
        Dialog->CloseButton()->click();
        ASSERT_FALSE(Dialog->isVisible());
        // "SC-8850,SC-8820" is module type 3, not the SC-88Pro's 2.
        EXPECT_EQ(Data.ModuleType, entry + 1) << "entry " << entry;
    }
}

TEST_F(MidiSetting, InputCheckedWithoutDeviceKeepsTheWindowOpen) {
    Open(0, TLanguage::Japanese, false);
    Dialog->InputEnable()->click();
    EXPECT_TRUE(Data.UseMidiIn);
    EXPECT_TRUE(Dialog->InputList()->isEnabled());
    Dialog->CloseButton()->click();
    EXPECT_TRUE(Dialog->isVisible());
    ASSERT_EQ(Dialog->Messages.size(), 1);
    EXPECT_EQ(Dialog->Messages[0],
              "MIDI INPUTの設定が終わっていません\r\nMIDI INPUTを使わないのであれば[使う]のチェックを外してください");

    // The title bar's close button and Escape follow the same rule.
    Dialog->close();
    EXPECT_TRUE(Dialog->isVisible());
    QTest::keyClick(Dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Dialog->Messages.size(), 3);

    Dialog->InputEnable()->click();
    QTest::keyClick(Dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(Data.UseMidiIn);
}

TEST_F(MidiSetting, EnglishInputMessage) {
    Open(0, TLanguage::English, false);
    Dialog->InputEnable()->click();
    Dialog->CloseButton()->click();
    EXPECT_EQ(Dialog->Messages, QStringList{"Setting up (MIDI INPUT) has not been completed yet."});
}

TEST_F(MidiSetting, ChoosingAnInputOpensItAndUncheckingClosesIt) {
    Open(0, TLanguage::Japanese, false);
    TMidiInput& input = Midi->Session->Input;
    input.Close();
    Dialog->InputEnable()->click();
    Choose(Dialog->InputList(), InputIndex(TVirtualModule::InputName()));
    EXPECT_TRUE(input.IsOpen());
    EXPECT_EQ(input.ProductName(), TVirtualModule::InputName());
    EXPECT_TRUE(Data.UseMidiIn);
    EXPECT_EQ(Data.MidiIn, InputIndex(TVirtualModule::InputName()));

    Dialog->InputEnable()->click();
    EXPECT_FALSE(input.IsOpen());
    EXPECT_FALSE(Data.UseMidiIn);
    EXPECT_EQ(Dialog->InputList()->currentIndex(), -1);
    EXPECT_FALSE(Dialog->InputList()->isEnabled());
}

TEST_F(MidiSetting, InputThatFailsToOpenTurnsUseMidiInOff) {
    Open(0);
    const int index = InputIndex(TVirtualModule::InputName());
    // The device goes away while the dialog shows it.
    TMidiDevices::Instance().SetVirtualModule(nullptr);
    Choose(Dialog->InputList(), index);
    EXPECT_EQ(Dialog->Messages, QStringList{"Invalid device ID"});
    EXPECT_FALSE(Midi->Session->Input.IsOpen());
    EXPECT_FALSE(Data.UseMidiIn);
    EXPECT_FALSE(Dialog->InputEnable()->isChecked());
    EXPECT_EQ(Dialog->InputList()->currentIndex(), -1);
}

TEST_F(MidiSetting, OutputThatFailsToOpenIsReportedAndTheWindowStillCloses) {
    Open(0, TLanguage::English, false);
    TMidiDevices::Instance().SetVirtualModule(nullptr);
    Dialog->CloseButton()->click();
    EXPECT_FALSE(Dialog->isVisible());
    // One report, for Port A: the ports out of use with 16 parts have nothing to open.
    EXPECT_EQ(Dialog->Messages, QStringList{"Invalid device ID"});
    EXPECT_FALSE(Port(0).IsOpen());
}

TEST_F(MidiSetting, OpeningSeesThatADeviceHasGone) {
    Open(1);
    Dialog.reset();
    // The virtual module's devices disappear between two openings of the dialog.
    TMidiDevices::Instance().SetVirtualModule(nullptr);
    Dialog = std::make_unique<TRecordingMidiSetting>(Midi->Tx(), Midi->Session->Input, Data, Settings,
                                                     TLanguage::English);
    for (int port = 0; port < 4; ++port) {
        EXPECT_EQ(Dialog->OutputList(port)->findText(QString::fromStdString(TVirtualModule::OutputName(port))), -1);
        EXPECT_EQ(Dialog->OutputList(port)->currentIndex(), -1) << port;
    }
    EXPECT_EQ(Dialog->InputList()->currentIndex(), -1);
}

TEST_F(MidiSetting, GoodCloseStoresTheShownDeviceNames) {
    Open(1);
    Dialog->CloseButton()->click();
    ASSERT_FALSE(Dialog->isVisible());
    EXPECT_EQ(Settings.ReadString("midiport", "driver name : in", "?"), "Virtual Module Out");
    EXPECT_EQ(Settings.ReadString("midiport", "driver name : out1", "?"), "Virtual Module Port A");
    EXPECT_EQ(Settings.ReadString("midiport", "driver name : out2", "?"), "Virtual Module Port B");
    EXPECT_TRUE(Data.UseMidiIn);
    EXPECT_TRUE(Midi->Session->Input.IsOpen());
}

TEST_F(MidiSetting, RefusedCloseWritesNothing) {
    Open(0, TLanguage::Japanese, false);
    Dialog->InputEnable()->click();
    Dialog->CloseButton()->click();
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Settings.ReadString("midiport", "driver name : out1", "absent"), "absent");
}

TEST(MidiSettingText, BusyDeviceGetsTheInUseWordingOtherErrorsTheirOwnText) {
    EXPECT_EQ(TMIDISETTING::OpenFailureText("snd_seq_open: Device or resource busy", "Synth", TLanguage::English),
              "MMSYSTEM004 Error : \"Synth\" is in use already by another software.");
    EXPECT_EQ(TMIDISETTING::OpenFailureText("port in use", "Synth", TLanguage::Japanese),
              "MMSYSTEM004 Error : MIDI Port \"Synth\" は既に使用中です。");
    EXPECT_EQ(TMIDISETTING::OpenFailureText("Invalid device ID", "Synth", TLanguage::English), "Invalid device ID");
}

TEST_F(MidiSetting, AFirstStartExplainsItselfPreselectsTheVirtualModuleAndOffersToQuit) {
    Midi = std::make_unique<test::TMidiFixture>(mtSC8850, 1);
    Data.MidiOut = {-1, -1, -1, -1};  // never set up
    Data.UseMidiIn = false;
    Data.MaxPart = 1;
    Dialog = std::make_unique<TRecordingMidiSetting>(Midi->Tx(), Midi->Session->Input, Data, Settings,
                                                     TLanguage::English);
    Dialog->SetOfferQuit(true);
    Dialog->show();
    const auto* guide = Dialog->findChild<QLabel*>("GuideLabel");
    ASSERT_TRUE(guide);
    EXPECT_TRUE(guide->text().contains("each port in use"));
    EXPECT_EQ(Dialog->OutputList(0)->currentText(), "Virtual Module Port A");
    EXPECT_EQ(Dialog->OutputList(1)->currentText(), "Virtual Module Port B");
    // Nothing chosen: closing asks whether to quit; No keeps the dialog, Yes quits.
    Dialog->OutputList(0)->setCurrentIndex(-1);
    Dialog->reject();  // Escape or the title bar
    EXPECT_TRUE(Dialog->isVisible());
    ASSERT_EQ(Dialog->Questions.size(), 1);
    EXPECT_TRUE(Dialog->Questions[0].contains("Quit Veka?"));
    EXPECT_FALSE(Dialog->QuitChosen());
    Dialog->QuitAnswer = true;
    Dialog->CloseButton()->click();
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_TRUE(Dialog->QuitChosen());
    EXPECT_TRUE(Dialog->Messages.isEmpty());  // no "not active" box before the question
}

}  // namespace
}  // namespace veka
