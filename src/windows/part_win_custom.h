#pragma once
// TPartWinCustom: the modal "Customize Part Window" dialog. The user picks which part parameters
// each of the four part orders shows and in which order; an order is saved when the user moves
// to another order or closes the dialog, unless its list is empty. The caller refreshes the
// part window (its order names and columns) after the dialog has closed.
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "module/language.h"
#include "module/one_parameter.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace veka {

class TSettings;

class TPartWinCustom : public QDialog {
    Q_OBJECT
public:
    TPartWinCustom(const std::string& folder, TSettings& settings, int moduleType, TLanguage language,
                   QWidget* parent = nullptr);

    // Controls and state, for the main window's tests and for ours.
    QListWidget* CandidateList() const { return ListBox1; }
    QListWidget* UsedList() const { return ListBox2; }
    QPushButton* AddButton() const { return AddBtn; }
    QPushButton* DeleteButton() const { return DeleteBtn; }
    QPushButton* UpButton() const { return UpBtn; }
    QPushButton* DownButton() const { return DownBtn; }
    QPushButton* CloseButton() const { return CloseBtn; }
    QRadioButton* OrderButton(int n) const { return OrderButtons_[size_t(n & 3)]; }
    QLineEdit* NameEdit() const { return Edit1; }
    QString StatusText() const;
    const std::vector<TLinkData>& OrderList() const { return List_; }
    int CurrentOrder() const { return Order_; }

    // Line texts of parameter 1..111 in the two lists.
    QString CandidateText(int index) const;
    QString UsedText(int index) const;

    // Handlers.
    void FillLists(int n);
    void AddClick();
    void DeleteClick();
    void UpClick();
    void DownClick();
    void RadioGroup1Click(int n);
    void ListBox1Click();
    void ListBox2Click();

    // Every way of closing (the Close button, the title bar, Escape) saves the order being
    // edited first, as the Close button does.
    void done(int result) override;

protected:
    // Every message box passes through here; tests record the texts instead of blocking.
    virtual void ShowMessage(QMessageBox::Icon icon, const QString& text);
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void SetStatus(const QString& text);
    // Saves the order being edited under the name in the name field, unless its list is empty.
    void SaveCurrent();
    void SwapLines(int a, int b);
    QString Text(const char* japanese, const char* english) const;

    std::string Folder_;
    TSettings& Settings_;
    int ModuleType_;
    TLanguage Language_;
    std::vector<TLinkData> List_;
    int Order_ = 0;
    bool ReadErrorPending_ = false;
    bool Closing_ = false;

    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* UpBtn = nullptr;
    QPushButton* DownBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QButtonGroup* RadioGroup1 = nullptr;
    std::array<QRadioButton*, 4> OrderButtons_{};
    QLineEdit* Edit1 = nullptr;
    QLabel* StatusBar1 = nullptr;
};

}  // namespace veka
