#include "app/midi_setting_dialog.h"
#include "widgets/message_box_title.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "midi/midi_devices.h"
#include "midi/midi_input.h"
#include "midi/transmitter.h"
#include "midi/virtual_module.h"
#include "widgets/caption.h"
#include "module/user_messages.h"

namespace veka {

namespace {

constexpr int kMsgInUse = 94;  // MMSYSTEM004: the device is in use by another program

const char* const kOutputLabels[4] = {"MIDI OUTPUT", "MIDI OUTPUT B", "MIDI OUTPUT C", "MIDI OUTPUT D"};

// The dialog's captions and messages.
enum TSetupText {
    stTitle, stActive, stModel, stParts, stParts16, stParts32, stParts64, stClose, stOutputNotActive,
    stInputIncomplete, stOutputIncomplete, stOutputBIncomplete, stGuide, stQuit, stCount
};
constexpr TCaption kTexts[stCount] = {
    {"MIDI Portの設定", "MIDI Port Setup"},
    {"使う", "Active"},
    {"音源の種類", "Model"},
    {"使用ﾊﾟｰﾄ数", "Number of Part"},
    {"16 (MIDI OUTPUTを 1 つ指定)", "16(Choose one output port.)"},
    {"32 (MIDI OUTPUTを 2 つ指定)", "32(Choose two output ports.)"},
    {"64 (MIDI OUTPUTを 4 つ指定)", "64(Choose four output ports.)"},
    {"閉じる", "Close"},
    {"MIDI OUTPUTが設定されていません", "MIDI Output is not active."},
    {"MIDI INPUTの設定が終わっていません\r\nMIDI INPUTを使わないのであれば[使う]のチェックを外してください",
     "Setting up (MIDI INPUT) has not been completed yet."},
    {"MIDI OUTPUTの設定が終わっていません", "Setting up (MIDI OUTPUT) has not been completed yet."},
    {"MIDI OUTPUT Bの設定が終わっていません\r\nMIDI OUTPUT Bを使わないのであれば[使う]のチェックを外してください",
     "Setting up (MIDI OUTPUT B) has not been completed yet."},
    {"使用する各 Port の MIDI OUTPUT に音源をつないだ出力を選んでください (16 Part: MIDI OUTPUT、32 Part: B も、"
     "64 Part: B、C、D も)。MIDI INPUT は音源からデータを読み込むときだけ使います。",
     "Choose the output your module is connected to for each port in use (16 parts: MIDI OUTPUT; 32: B too; "
     "64: B, C and D too). The input is needed only to read data back from the module."},
    {"MIDI OUTPUT がまだ選ばれていません。音源とやり取りするには MIDI OUTPUT が必要です。\n\nVeka を終了しますか?",
     "No MIDI output is chosen yet; Veka needs one to talk to the module.\n\nQuit Veka?"},
};

// The list entry of a device name, -1 when the device is not listed (any more).
int FindName(const QComboBox* list, const std::string& name) {
    return list->findText(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// A port never set up takes the only output there is, or the virtual module's port of its own
// letter when the virtual module's are the only outputs.
int Preselected(const std::vector<TMidiDeviceInfo>& outputs, int port) {
    if (outputs.size() == 1) return port == 0 ? 0 : -1;
    int found = -1;
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].Name.rfind("Virtual Module Port ", 0) != 0) return -1;
        if (outputs[i].Name == TVirtualModule::OutputName(port)) found = int(i);
    }
    return found;
}

}  // namespace

TMIDISETTING::TMIDISETTING(TTransmitter& transmitter, TMidiInput& input, TSettingsData& data,
                           TSettings& settings, TLanguage language, QWidget* parent)
    : QDialog(parent), Transmitter_(transmitter), Input_(input), Data_(data), Settings_(settings),
      Language_(language) {
    FormCreate(language);
}

void TMIDISETTING::FormCreate(TLanguage language) {
    setObjectName("MIDISETTING");
    setModal(true);
    setWindowTitle(Tr(kTexts[stTitle], language));
    // Devices may have come or gone since start-up.
    TMidiDevices::Instance().Refresh();
    BuildControls(language);
    FillLists();
}

void TMIDISETTING::BuildControls(TLanguage language) {
    const auto text = [language](TSetupText id) { return Tr(kTexts[id], language); };
    const QString active = text(stActive);
    auto* grid = new QGridLayout;

    for (int port = 0; port < 4; ++port) {
        auto* list = new QComboBox(this);
        list->setObjectName(port == 0 ? QString("cbMIDIOUTPUT") : QString("cbMidiOutput%1").arg(port + 1));
        list->setMinimumWidth(240);
        auto* label = new QLabel(kOutputLabels[port], this);
        label->setBuddy(list);
        grid->addWidget(label, port, 0);
        grid->addWidget(list, port, 1);
        Outputs_[size_t(port)] = list;
        OutputLabels_[size_t(port)] = label;
        connect(list, &QComboBox::activated, this, [this, port] { cbMIDIOUTPUTChange(port); });
        if (port == 0) continue;
        auto* enable = new QCheckBox(active, this);
        enable->setObjectName(QString("cbEnaMidiOutput%1").arg(port + 1));
        grid->addWidget(enable, port, 2);
        OutputEnables_[size_t(port)] = enable;
        connect(enable, &QCheckBox::clicked, this, [this, port] { cbEnaMidiOutput2Click(port); });
    }

    cbMIDIINPUT = new QComboBox(this);
    cbMIDIINPUT->setObjectName("cbMIDIINPUT");
    InputLabel_ = new QLabel("MIDI INPUT ", this);
    InputLabel_->setBuddy(cbMIDIINPUT);
    cbEnaMidiInput = new QCheckBox(active, this);
    cbEnaMidiInput->setObjectName("cbEnaMidiInput");
    grid->addWidget(InputLabel_, 4, 0);
    grid->addWidget(cbMIDIINPUT, 4, 1);
    grid->addWidget(cbEnaMidiInput, 4, 2);
    connect(cbMIDIINPUT, &QComboBox::activated, this, [this] { cbMIDIINPUTChange(); });
    connect(cbEnaMidiInput, &QCheckBox::clicked, this, [this] { cbEnaMidiInputClick(); });

    const auto makeGroup = [this](const QString& title, const char* name, const QStringList& items,
                                  QButtonGroup*& buttons) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(name);
        auto* column = new QVBoxLayout(box);
        buttons = new QButtonGroup(box);
        for (int i = 0; i < items.size(); ++i) {
            auto* radio = new QRadioButton(items[i], box);
            column->addWidget(radio);
            buttons->addButton(radio, i);
        }
        return box;
    };
    RadioGroup1 = makeGroup(text(stModel), "RadioGroup1",
                            {"SC-88,SC-88VL,SC-88ST", "SC-88Pro,SK-88Pro,SC-88ST Pro", "SC-8850,SC-8820"}, Models_);
    RadioGroup2 = makeGroup(text(stParts), "RadioGroup2", {text(stParts16), text(stParts32), text(stParts64)}, Parts_);
    connect(Parts_, &QButtonGroup::idClicked, this, [this] { RadioGroup2Click(); });

    CancelBtn = new QPushButton(text(stClose), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &TMIDISETTING::CancelBtnClick);

    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioGroup1);
    groups->addWidget(RadioGroup2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelBtn);
    auto* guide = new QLabel(text(stGuide), this);
    guide->setObjectName("GuideLabel");
    guide->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(guide);
    layout->addLayout(grid);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void TMIDISETTING::FillLists() {
    TMidiDevices& devices = TMidiDevices::Instance();
    for (int port = 0; port < 4; ++port) {
        QComboBox* list = Outputs_[size_t(port)];
        for (const TMidiDeviceInfo& info : devices.Outputs()) list->addItem(QString::fromStdString(info.Name));
        // A port set up from the stored number knows its device's name, which stays right when
        // the refreshed list has moved the device to another position.
        const int stored = Data_.MidiOut[size_t(port)];
        const TMidiOutput& out = Transmitter_.Port(port);
        int selected = -1;
        if (stored >= 0 && out.DeviceID() == stored)
            selected = FindName(list, out.ProductName());
        else if (stored >= 0 && stored < list->count())
            selected = stored;
        if (selected < 0 && stored < 0) selected = Preselected(devices.Outputs(), port);
        list->setCurrentIndex(selected);
    }

    for (const TMidiDeviceInfo& info : devices.Inputs()) cbMIDIINPUT->addItem(QString::fromStdString(info.Name));
    int input = -1;
    if (Data_.UseMidiIn) {
        input = Input_.DeviceID() == Data_.MidiIn ? FindName(cbMIDIINPUT, Input_.ProductName()) : Data_.MidiIn;
        if (input >= cbMIDIINPUT->count()) input = -1;
    }
    cbMIDIINPUT->setCurrentIndex(input);
    cbEnaMidiInput->setChecked(Data_.UseMidiIn);
    cbMIDIINPUT->setEnabled(Data_.UseMidiIn);
    InputLabel_->setEnabled(Data_.UseMidiIn);

    Models_->button(std::clamp(Data_.ModuleType, 1, 3) - 1)->setChecked(true);
    Parts_->button(std::clamp(Data_.MaxPart, 0, 2))->setChecked(true);
    const int ports = ActivePorts();
    for (int port = 1; port < 4; ++port) OutputEnables_[size_t(port)]->setChecked(port < ports);
    StabilizeOutputs();
}

int TMIDISETTING::ActivePorts() const { return ActivePortCountOf(std::max(Parts_->checkedId(), 0)); }

bool TMIDISETTING::OutputListInUse(int port) const {
    return port == 0 || (port < ActivePorts() && OutputEnables_[size_t(port)]->isChecked());
}

void TMIDISETTING::StabilizeOutputs() {
    const int ports = ActivePorts();
    for (int port = 0; port < 4; ++port) {
        const bool inUse = OutputListInUse(port);
        Outputs_[size_t(port)]->setEnabled(inUse);
        OutputLabels_[size_t(port)]->setEnabled(inUse);
        if (port > 0) OutputEnables_[size_t(port)]->setEnabled(port < ports);
    }
}

void TMIDISETTING::cbEnaMidiInputClick() {
    const bool on = cbEnaMidiInput->isChecked();
    cbMIDIINPUT->setEnabled(on);
    InputLabel_->setEnabled(on);
    Data_.UseMidiIn = on;
    if (on) return;
    try {
        Input_.Close();
    } catch (const std::exception&) {
        // The port is being given up; a failure to stop it changes nothing for the user.
    }
    cbMIDIINPUT->setCurrentIndex(-1);
}

void TMIDISETTING::cbEnaMidiOutput2Click(int) { StabilizeOutputs(); }

void TMIDISETTING::cbMIDIINPUTChange() {
    const int index = cbMIDIINPUT->currentIndex();
    if (index >= 0) OpenInput(index);
}

bool TMIDISETTING::OpenInput(int index) {
    const std::string name = cbMIDIINPUT->itemText(index).toStdString();
    try {
        Input_.Close();
        Input_.SetDeviceID(index);
        Input_.Open();
        Data_.MidiIn = index;
        return true;
    } catch (const std::exception& e) {
        ShowMessage(QMessageBox::Warning, OpenFailureText(e.what(), name, Language_));
    }
    // Without a working input "use midiin" is off, exactly as if the user had unchecked it.
    cbEnaMidiInput->setChecked(false);
    cbEnaMidiInputClick();
    return false;
}

void TMIDISETTING::cbMIDIOUTPUTChange(int port) {
    QComboBox* list = Outputs_[size_t(port & 3)];
    if (list->currentIndex() < 0) return;
    // One device cannot serve two ports.
    for (int other = 0; other < 4; ++other) {
        const QComboBox* o = Outputs_[size_t(other)];
        if (other == port || o->currentIndex() < 0 || o->currentText() != list->currentText()) continue;
        Beep();
        list->setCurrentIndex(-1);
        return;
    }
}

void TMIDISETTING::RadioGroup2Click() {
    Data_.MaxPart = std::max(Parts_->checkedId(), 0);
    // A port that comes into use is ticked "use"; one that goes out of use is unticked.
    const int ports = ActivePorts();
    for (int port = 1; port < 4; ++port) OutputEnables_[size_t(port)]->setChecked(port < ports);
    StabilizeOutputs();
}

void TMIDISETTING::CancelBtnClick() { done(QDialog::Accepted); }

void TMIDISETTING::done(int result) {
    if (OfferQuit_ && Outputs_[0]->count() > 0 && Outputs_[0]->currentIndex() < 0) {
        if (!AskQuit(Tr(kTexts[stQuit], Language_))) return;
        QuitChosen_ = true;
        QDialog::done(QDialog::Rejected);
        return;
    }
    if (!ApplyPorts() || !FormClose()) return;
    // Every way out has applied the setup, so the caller always sees it accepted.
    QDialog::done(result == QDialog::Rejected ? QDialog::Accepted : result);
}

bool TMIDISETTING::ApplyPorts() {
    const int ports = ActivePorts();
    // With no output device at all nothing can be chosen; the window must still let the user out.
    const bool anyDevice = Outputs_[0]->count() > 0;
    for (int port = 0; port < ports && anyDevice; ++port) {
        QComboBox* list = Outputs_[size_t(port)];
        if (OutputListInUse(port) && list->currentIndex() >= 0) continue;
        // Which port lacks its output, after the message's own words.
        ShowMessage(QMessageBox::Warning, Tr(kTexts[stOutputNotActive], Language_) + " (" + kOutputLabels[port] + ")");
        if (list->isEnabled())
            list->setFocus();
        else
            OutputEnables_[size_t(port)]->setFocus();
        return false;
    }

    for (int port = 0; port < 4; ++port) Transmitter_.Port(port).Close();

    for (int port = 0; port < 4; ++port) {
        const QComboBox* list = Outputs_[size_t(port)];
        TMidiOutput& out = Transmitter_.Port(port);
        const int index = list->currentIndex();
        Data_.MidiOut[size_t(port)] = index;
        // Ports out of use only remember their device; only a port in use can fail to open.
        const bool use = port < ports && OutputListInUse(port) && index >= 0;
        std::string error;
        try {
            out.SetDeviceID(index);
            if (use && !out.Open()) error = out.LastError();
        } catch (const std::exception& e) {
            error = e.what();  // the device went away after the lists were filled
        }
        if (use && !error.empty())
            ShowMessage(QMessageBox::Warning,
                        OpenFailureText(error, list->itemText(index).toStdString(), Language_));
    }

    Data_.ModuleType = std::max(Models_->checkedId(), 0) + 1;
    return true;
}

bool TMIDISETTING::FormClose() {
    if (cbEnaMidiInput->isChecked() && cbMIDIINPUT->currentIndex() < 0) {
        ShowMessage(QMessageBox::Warning, Tr(kTexts[stInputIncomplete], Language_));
        return false;
    }
    const bool anyDevice = Outputs_[0]->count() > 0;
    if (anyDevice && Outputs_[0]->currentIndex() < 0) {
        ShowMessage(QMessageBox::Warning, Tr(kTexts[stOutputIncomplete], Language_));
        return false;
    }
    if (OutputEnables_[1]->isChecked() && Outputs_[1]->currentIndex() < 0) {
        ShowMessage(QMessageBox::Warning, Tr(kTexts[stOutputBIncomplete], Language_));
        return false;
    }

    // The input follows the list: a device that moved in the refreshed list is opened anew.
    const int input = cbMIDIINPUT->currentIndex();
    if (Data_.UseMidiIn && input >= 0 && (!Input_.IsOpen() || Input_.DeviceID() != input)) OpenInput(input);

    TIniDocument ini = Settings_.Open();
    ini.WriteString("midiport", "driver name : in", cbMIDIINPUT->currentText().toStdString());
    ini.WriteString("midiport", "driver name : out1", Outputs_[0]->currentText().toStdString());
    ini.WriteString("midiport", "driver name : out2", Outputs_[1]->currentText().toStdString());
    // The names only serve the port-change notice at the next start; a failed write must not
    // keep the user in this window.
    Settings_.Save(ini);
    return true;
}

QString TMIDISETTING::OpenFailureText(const std::string& error, const std::string& deviceName, TLanguage language) {
    const QString text = QString::fromStdString(error);
    if (text.contains("busy", Qt::CaseInsensitive) || text.contains("in use", Qt::CaseInsensitive))
    {
        const std::string_view inUse = UserMessage(kMsgInUse, language);
        return QString::fromUtf8(inUse.data(), qsizetype(inUse.size())).replace("%s", QString::fromStdString(deviceName));
    }
    return text;
}

bool TMIDISETTING::AskQuit(const QString& text) {
    return QMessageBox::question(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void TMIDISETTING::ShowMessage(QMessageBox::Icon icon, const QString& text) {
    QString shown = text;
    shown.replace("\r\n", "\n");
    QMessageBox box(icon, QApplication::applicationDisplayName(), shown, QMessageBox::Ok, this);
    KeepTitleVisible(box);
    box.exec();
}

void TMIDISETTING::Beep() { QApplication::beep(); }

}  // namespace veka
