#pragma once
// TKeyboardWindow: auditions the current part without a MIDI keyboard. The on-screen keyboard
// plays with the pointer, the ribbon sends pitch bend or a controller, the buttons move the
// velocity and the play octave, and a switch turns the computer keys into a piano. The note
// player itself belongs to the main window (the keys play while this window is closed); the
// window shows its state and hands it the pointer's notes.
#include "windows/veka_temp_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QToolButton;

namespace veka {

class TNotePlayer;
class TVekaKeyboard;
class TVekaRibon;

class TKeyboardWindow : public TVekaTempForm {
    Q_OBJECT
public:
    TKeyboardWindow(const TWindowServices& services, TNotePlayer& player, IPcKeyboardSwitch& pcKeyboard,
                    QWidget* parent = nullptr);
    ~TKeyboardWindow() override;

    // The window pattern.
    void RefreshFromImage() override;
    void Stabilize() override;
    void SelectPart(int part) override;

    // "Keyboard Window / Part A1 : Piano 1".
    QString TitleText();

    TVekaKeyboard* Keyboard() const { return VekaKeyboard1_; }
    TVekaRibon* Ribbon() const { return VekaRibon1_; }
    QComboBox* RibbonList() const { return cbRibon_; }
    QCheckBox* PcKeyboardSwitch() const { return cbPcKey_; }
    QToolButton* Button(char letter) const;
    QLabel* VelocityLabel() const { return VelocityValue_; }
    QLabel* OctaveLabel() const { return OctaveValue_; }
    QString StatusText() const;

    // Handlers.
    void cbRibonChange(int index);
    void RibbonChange(int value);
    void cbPcKeyClick(bool on);

protected:
    void ImageChanged(const TChangeNotice& change) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowPlayerState();

    TNotePlayer& Player_;
    IPcKeyboardSwitch& PcKeyboard_;
    TVekaKeyboard* VekaKeyboard1_ = nullptr;
    TVekaRibon* VekaRibon1_ = nullptr;
    QComboBox* cbRibon_ = nullptr;
    QCheckBox* cbPcKey_ = nullptr;
    QToolButton* BtnQ_ = nullptr;
    QToolButton* BtnR_ = nullptr;
    QToolButton* BtnC_ = nullptr;
    QToolButton* BtnX_ = nullptr;
    QLabel* VelocityValue_ = nullptr;
    QLabel* OctaveValue_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
    TSubscription Keys_, State_;
};

}  // namespace veka
