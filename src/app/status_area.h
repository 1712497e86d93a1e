#pragma once
// The main window's status bar: the help and progress text, the progress bar with its Stop
// button (and Escape), and the field naming the module and each port's output.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "module/language.h"
#include "module/progress.h"

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QShortcut;
class QTimer;

namespace veka {

class TPumpWait;

// The status bar's field of what is being edited: "SC-8850 · A: Virtual Module Port A", one
// entry per port in use ("-" for a port without an open output).
QString ModuleStatusText(int moduleType, const std::vector<std::string>& outputs);

class TStatusArea {
public:
    // Builds the fields in window's status bar. clock tells whether long work is still inside
    // its waits; stop is what the Stop button and Escape do.
    TStatusArea(QMainWindow& window, TLanguage language, TPumpWait& clock, std::function<void()> stop);

    // The progress of long work; it ends with its command, whichever way the command ends.
    void ShowProgress(const QString& text, int position, int total);
    void ProgressDone();
    // The progress as the core reports it (transmissions, file reads and writes).
    const TProgress& Progress() const { return Progress_; }
    // A percentage for the splash while it is shown.
    std::function<void(int percent)> OnPercent;
    void ShowHelp(const QString& text);
    // The Stop button and Escape while a transmission locks the window.
    void SetBusy(bool busy);
    void ShowModule(int moduleType, const std::vector<std::string>& outputs);

    QString Text() const;
    QString ModuleText() const;
    QProgressBar* ProgressBar() const { return ProgressBar_; }
    QPushButton* StopButton() const { return StopButton_; }

private:
    QMainWindow& Window_;
    TPumpWait& Clock_;
    QLabel* Status_ = nullptr;
    QLabel* ModuleField_ = nullptr;
    QProgressBar* ProgressBar_ = nullptr;
    QPushButton* StopButton_ = nullptr;
    QShortcut* StopShortcut_ = nullptr;
    QTimer* ProgressEnd_ = nullptr;  // hides the bar once the work showing it has returned
    QString ProgressText_;
    bool ProgressEndDeferred_ = false;
    TProgress Progress_;
};

}  // namespace veka
