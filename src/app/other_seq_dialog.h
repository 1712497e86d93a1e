#pragma once
// TOtherSeqWindow: the modal "Veka Hot Key" dialog of the sequencer link. The list of known
// sequencers (choosing one makes it the target), the hot-key field, and the running programs'
// windows, from which one is registered into the list. It edits its own copies; the caller
// writes the list and keeps the target and the key when it closes.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>
#include <QMessageBox>

#include "module/language.h"
#include "document/sequencer_link.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace veka {

class TKeyCaptureEdit;

class TOtherSeqWindow : public QDialog {
    Q_OBJECT
public:
    // findWindows lists the top-level windows of the session; available false: no X11, the
    // dialog says so and offers nothing to do.
    TOtherSeqWindow(std::vector<TSequencerEntry> entries, const std::string& target, int hotKey, bool available,
                    std::function<std::vector<TTopWindow>()> findWindows, TLanguage language,
                    QWidget* parent = nullptr);

    const std::vector<TSequencerEntry>& Entries() const { return Entries_; }
    const std::string& Target() const { return Target_; }
    int HotKey() const;
    // A sentence about the key under the field (the key taken by another program); empty hides it.
    void SetKeyNote(const QString& text);
    // Tells whether a key can be had, as the field changes; empty when it can.
    std::function<QString(int code)> TryKey;

    // Every message box and the name question go through here; tests answer them.
    std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString&, QMessageBox::StandardButtons)>
        MessageHook;
    std::function<std::optional<QString>(const QString& preset)> NameHook;

    // Handlers.
    void ChooseEntry(int row);
    void Find();
    void Register();

    // Controls, for the tests.
    QListWidget* TargetList() const { return Targets_; }
    QTreeWidget* ProgramList() const { return Programs_; }
    TKeyCaptureEdit* KeyField() const { return Key_; }
    QPushButton* FindButton() const { return Find_; }
    QPushButton* RegisterButton() const { return Register_; }
    QLabel* KeyNote() const { return KeyNote_; }

private:
    QString EntryText(const TSequencerEntry& entry) const;

    TLanguage Language_;
    std::vector<TSequencerEntry> Entries_;
    std::string Target_;
    std::function<std::vector<TTopWindow>()> FindWindows_;
    QListWidget* Targets_ = nullptr;
    TKeyCaptureEdit* Key_ = nullptr;
    QLabel* KeyNote_ = nullptr;
    QTreeWidget* Programs_ = nullptr;
    QPushButton* Find_ = nullptr;
    QPushButton* Register_ = nullptr;
};

}  // namespace veka
