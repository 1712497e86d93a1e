#pragma once
// TMIDISETTING: the modal "MIDI Port Setup" dialog. It chooses the output device of each port,
// the input device, the number of parts and the module model, and reconfigures the live ports
// as the user works. The caller applies MaxPart and ModuleType to the module image afterwards.
#include <array>

#include <QDialog>
#include <QMessageBox>
#include <QString>

#include "module/language.h"
#include "document/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace veka {

class TMidiInput;
class TMidiOutput;
class TTransmitter;

class TMIDISETTING : public QDialog {
    Q_OBJECT
public:
    TMIDISETTING(TTransmitter& transmitter, TMidiInput& input, TSettingsData& data, TSettings& settings,
                 TLanguage language, QWidget* parent = nullptr);

    // Controls, for the main window's tests and for ours.
    QComboBox* OutputList(int port) const { return Outputs_[size_t(port & 3)]; }
    QCheckBox* OutputEnable(int port) const { return port >= 1 && port <= 3 ? OutputEnables_[size_t(port)] : nullptr; }
    QComboBox* InputList() const { return cbMIDIINPUT; }
    QCheckBox* InputEnable() const { return cbEnaMidiInput; }
    QButtonGroup* ModelGroup() const { return Models_; }
    QButtonGroup* PartsGroup() const { return Parts_; }
    QPushButton* CloseButton() const { return CancelBtn; }

    // Handlers.
    void cbEnaMidiInputClick();
    void cbEnaMidiOutput2Click(int port);
    void cbMIDIINPUTChange();
    void cbMIDIOUTPUTChange(int port);
    void RadioGroup2Click();
    void CancelBtnClick();

    // Every way of closing (the Close button, the title bar, Escape) goes through here and
    // applies the setup first, as the Close button does; a refused close keeps the window open.
    // With the quit offer on and no output chosen, the user may quit the program instead.
    void done(int result) override;

    // At a first start nothing works without an output: closing without one offers to quit.
    void SetOfferQuit(bool on) { OfferQuit_ = on; }
    bool QuitChosen() const { return QuitChosen_; }

    // The message for a device that failed to open: the "in use" wording when the back end
    // says the device is busy, else the back end's own text.
    static QString OpenFailureText(const std::string& error, const std::string& deviceName, TLanguage language);

protected:
    // Every message box passes through here; tests record the texts instead of blocking.
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);
    // The quit question; true for Yes.
    virtual bool AskQuit(const QString& text);
    virtual void Beep();

private:
    void FormCreate(TLanguage language);
    void BuildControls(TLanguage language);
    void FillLists();
    // Enables the output lists, their labels and check boxes by the number of parts.
    void StabilizeOutputs();
    // Steps 1 to 4 of the Close button; false when the window has to stay open.
    bool ApplyPorts();
    // The checks before closing; false refuses the close.
    bool FormClose();
    int ActivePorts() const;
    bool OutputListInUse(int port) const;
    // Puts the input on the chosen device; false (with the reason shown) when it failed.
    bool OpenInput(int index);

    bool OfferQuit_ = false;
    bool QuitChosen_ = false;
    TTransmitter& Transmitter_;
    TMidiInput& Input_;
    TSettingsData& Data_;
    TSettings& Settings_;
    TLanguage Language_;

    std::array<QComboBox*, 4> Outputs_{};
    std::array<QLabel*, 4> OutputLabels_{};
    std::array<QCheckBox*, 4> OutputEnables_{};  // Port B to D; [0] stays empty
    QComboBox* cbMIDIINPUT = nullptr;
    QLabel* InputLabel_ = nullptr;
    QCheckBox* cbEnaMidiInput = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* Models_ = nullptr;
    QButtonGroup* Parts_ = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace veka
