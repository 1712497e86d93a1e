#pragma once
// The contact form: a text about this copy of the program, the machine and the MIDI devices,
// with empty headings for the user to fill, ready to copy into a mail or to print.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "module/language.h"
#include "app/sys_info.h"

class QPrinter;
class QPushButton;
class QTextEdit;

namespace veka {

// The form's text. moduleType 1 SC-88, 2 SC-88Pro, anything else the SC-8850 family (as the
// settings read it); the device lines are the "[MIDIIN]" / "[MIDIOUT]" lines made at start.
// Lines end with "\n".
std::string ContactFormText(const TMySysInfo& info, TLanguage language, int moduleType,
                            const std::vector<std::string>& inputLines,
                            const std::vector<std::string>& outputLines);

class TInqWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the print dialog for the printer; true when the user chose to print.
    using TPrintDialogRunner = std::function<bool(QPrinter&)>;

    TInqWindow(std::string text, TLanguage language, QWidget* parent = nullptr);

    // The text as it stands now, the user's additions included.
    QString Text() const;
    // Lays the text out on the printer's pages with 0.2-inch margins and prints it.
    // False when the printer cannot be painted on.
    bool PrintTo(QPrinter& printer) const;
    // Replaces the print dialog (tests answer it without a screen).
    void SetPrintDialogRunner(TPrintDialogRunner runner) { RunPrintDialog = std::move(runner); }

    QPushButton* CopyButton() const { return bCopy; }
    QPushButton* PrintButton() const { return bPrint; }
    QPushButton* CloseButton() const { return bClose; }

private:
    void bCopyClick();
    void bPrintClick();

    TLanguage Language;
    QTextEdit* RichEdit1 = nullptr;
    QPushButton* bCopy = nullptr;
    QPushButton* bPrint = nullptr;
    QPushButton* bClose = nullptr;
    TPrintDialogRunner RunPrintDialog;
};

}  // namespace veka
