#pragma once
// TGlobalSelectWindow: the modal chooser of the file and part commands. A heading, up to three
// labelled drop-down lists and one labelled number field; the caller fills what it needs, shows
// the dialog and reads the choices after OK. Rows the caller left empty are not shown.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

#include "module/language.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace veka {

class TVekaEdit;

class TGlobalSelectWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kListCount = 3;

    explicit TGlobalSelectWindow(TLanguage language, QWidget* parent = nullptr);

    QLabel* TitleLabel() const { return Title_; }
    // Lists 1 to 3 (cb1 to cb3) and their labels.
    QComboBox* List(int n) const;
    QLabel* ListLabel(int n) const;
    QComboBox* cb1() const { return List(1); }
    QComboBox* cb2() const { return List(2); }
    QComboBox* cb3() const { return List(3); }
    TVekaEdit* Edit() const { return Edit_; }
    QLabel* EditLabel() const { return EditLabel_; }
    QPushButton* OKButton() const { return OKBtn_; }
    QPushButton* CancelButton() const { return CancelBtn_; }

    // Shortcuts for the usual filling.
    void SetTitle(const QString& title);
    void SetList(int n, const QString& label, const QStringList& items, int current = 0);
    void SetEdit(const QString& label, int min, int max, int value);
    // The chosen line of list n, -1 when none.
    int Chosen(int n) const;

    // Shows the rows that have something to choose, hides the others: a list row when its
    // list has items, the number row when its label has text.
    void HideUnusedRows();

    void setVisible(bool visible) override;

private:
    QLabel* Title_ = nullptr;
    std::array<QLabel*, kListCount> ListLabels_{};
    std::array<QComboBox*, kListCount> Lists_{};
    QLabel* EditLabel_ = nullptr;
    TVekaEdit* Edit_ = nullptr;
    QPushButton* OKBtn_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
};

}  // namespace veka
