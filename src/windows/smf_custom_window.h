#pragma once
// TSMFCustom: the composition of a song's setup. The user picks which parameters the setup
// writer puts into a song, in which order and message form (exclusive, control change, NRPN,
// RPN), and whether only values that differ from the defaults; the choice is an order list,
// kept as a ".scd" preset in the program folder.
#include <QDialog>
#include <QMessageBox>
#include <functional>
#include <string>

#include "module/language.h"
#include "smf/order_file.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace veka {

class TVGS;

// "Part : Volume", "Master / Effect : Reverb Macro", "Drum Set : Level", "User Drum Set".
std::string OrderItemText(const TVGS& image, const TOrderItem& item);

class TSMFCustom : public QDialog {
    Q_OBJECT
public:
    // currentPreset: the file name of the preset in use ("default.scd"); when it is not in the
    // folder the window starts with the built-in list, not yet saved.
    TSMFCustom(const TVGS& image, const std::string& programFolder, const std::string& currentPreset,
               TLanguage language, QWidget* parent = nullptr);

    const TOrderList& List() const { return List_; }
    bool Changed() const { return Changed_; }
    // The preset in use now (the one loaded or saved last).
    const std::string& CurrentPreset() const { return Preset_; }

    // The save dialog's answer and the question at OK; tests replace them.
    std::function<QString(const QString& folder)> PresetNameHook;
    std::function<QMessageBox::StandardButton(const QString& text)> AskHook;

    // The commands of the buttons and keys.
    void Add();
    void Delete();
    void Up();
    void Down();
    void SetForm(int form);               // TOrderForm
    void ToggleChangedOnly(bool allItems);
    bool SaveAsPreset();
    bool LoadPreset(const std::string& fileName);
    void accept() override;

    QListWidget* Candidates() const { return Candidates_; }
    QListWidget* Chosen() const { return Chosen_; }
    QComboBox* Presets() const { return Presets_; }
    QToolButton* FormButton(int form) const { return FormButtons_[form]; }
    QToolButton* ChangedOnlyButton() const { return ChangedOnly_; }
    QString StatusText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillCandidates();
    void FillPresets();
    void ShowList(int select = -1);
    void ShowSelectedState();
    void SetChanged(bool changed);
    void WriteListing() const;
    QString Tr2(const char* japanese, const char* english) const;

    const TVGS& Image_;
    std::string Folder_;
    std::string Preset_;
    TLanguage Language_;
    TOrderList List_;
    bool Changed_ = false;
    QComboBox* Presets_ = nullptr;
    QListWidget* Candidates_ = nullptr;
    QListWidget* Chosen_ = nullptr;
    QToolButton* FormButtons_[4] = {};
    QToolButton* ChangedOnly_ = nullptr;
    QLabel* Status_ = nullptr;
};

}  // namespace veka
