#pragma once
// THotKeyDlg: the modal "Key Bindings" dialog. The assignable menu commands on the left, their
// shortcuts on the right (the two lists scroll and select together), a field that takes a key
// combination, Bind, Unbind, Clear All, and the button to the sequencer link's hot key. It edits
// its own copy; the caller reads Codes() when it closes.
#include <functional>
#include <vector>

#include <QDialog>
#include <QMessageBox>

#include "module/language.h"

class QListWidget;
class QPushButton;

namespace veka {

class TKeyCaptureEdit;

struct THotKeyRow {
    QString Command;  // the caption the menu shows
    int Code = 0;     // its shortcut code, 0 none
};

class THotKeyDlg : public QDialog {
    Q_OBJECT
public:
    THotKeyDlg(std::vector<THotKeyRow> rows, TLanguage language, QWidget* parent = nullptr);

    // The rows' codes in the order given.
    std::vector<int> Codes() const;

    // Every message box goes through here; tests answer it.
    std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString&, QMessageBox::StandardButtons)>
        MessageHook;
    // Keys the dialog refuses, with what holds them (Alt and a menu's underlined letter opens
    // that menu before any shortcut can see the key).
    struct TReservedKey {
        int Code = 0;
        QString Holder;  // the menu's name, without its "&"
    };
    std::vector<TReservedKey> Reserved;
    // The hot-key button: opens the sequencer link's dialog.
    std::function<void()> OnHotKey;

    // Handlers.
    void SelectRow(int row);
    void Bind();
    void Unbind();
    void ClearAll();

    // Controls, for the tests.
    QListWidget* CommandList() const { return Commands_; }
    QListWidget* KeyList() const { return Keys_; }
    TKeyCaptureEdit* Field() const { return Field_; }
    QPushButton* HotKeyButton() const { return HotKey_; }

private:
    QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons);
    void ShowRow(int row);

    TLanguage Language_;
    std::vector<THotKeyRow> Rows_;
    QListWidget* Commands_ = nullptr;
    QListWidget* Keys_ = nullptr;
    TKeyCaptureEdit* Field_ = nullptr;
    QPushButton* HotKey_ = nullptr;
};

}  // namespace veka
