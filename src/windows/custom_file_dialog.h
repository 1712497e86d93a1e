#pragma once
// TCustomFile: the custom file's contents. Saving, the user picks any of the system groups
// (Master, Reverb, Chorus, Delay, EQ, Insertion) and of the 64 parts and writes a comment;
// after a custom file was opened, the same window shows what the file holds and its comment.
#include <QDialog>
#include <QString>
#include <QStringList>

#include "module/difference_list.h"
#include "module/language.h"
#include "module/setup_record.h"
#include <vector>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace veka {

struct TCustomChoice {
    TCustomSelection Selection;
    QString Comment;
};

// What a custom file holds, from the section headers of its read: its system groups and the
// parts (global numbers 1..64) it carries.
TCustomSelection CustomSelectionOfHeaders(const std::vector<TSetupRecord>& headers);

class TCustomFile : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFixedItems = kSystemGroupCount;
    static constexpr int kParts = 64;

    // partLabels: the 64 parts of ports A to D as "A1 Piano 1" (missing ones as the part alone).
    TCustomFile(TLanguage language, const QStringList& partLabels, bool viewOnly, QWidget* parent = nullptr);

    void SetChoice(const TCustomChoice& choice);
    TCustomChoice Choice() const;

    QListWidget* List() const { return List_; }
    QPlainTextEdit* Memo() const { return Memo_; }
    QLabel* Note() const { return Note_; }
    QDialogButtonBox* Buttons() const { return Buttons_; }

private:
    QListWidget* List_ = nullptr;
    QPlainTextEdit* Memo_ = nullptr;
    QLabel* Note_ = nullptr;
    QDialogButtonBox* Buttons_ = nullptr;
};

}  // namespace veka
