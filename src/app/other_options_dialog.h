#pragma once
// TOterOption: the modal "Other Options" dialog. Three pages of switches (the thirteen other
// options) and the time base of exported songs. It only edits its copy; the main window takes
// the result and brings it into force.
#include <array>

#include <QDialog>

#include "module/language.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTabWidget;

namespace veka {

class TOterOption : public QDialog {
    Q_OBJECT
public:
    // options: other options 1 to 13 (index 0 is option 1); timeBase: index into 48 .. 480.
    // Without the MIDI input in use the echo switch is off and cannot be changed.
    TOterOption(const std::array<bool, 13>& options, int timeBase, bool midiInputInUse, TLanguage language,
                QWidget* parent = nullptr);

    std::array<bool, 13> Options() const;
    int TimeBase() const;

    // Controls, for the tests.
    QCheckBox* Box(int number) const { return number >= 1 && number <= 13 ? Boxes_[size_t(number - 1)] : nullptr; }
    QComboBox* TimeBaseList() const { return TimeBase_; }
    QTabWidget* Pages() const { return Pages_; }
    QPushButton* CloseButton() const { return Close_; }

private:
    std::array<QCheckBox*, 13> Boxes_{};
    QComboBox* TimeBase_ = nullptr;
    QTabWidget* Pages_ = nullptr;
    QPushButton* Close_ = nullptr;
};

}  // namespace veka
