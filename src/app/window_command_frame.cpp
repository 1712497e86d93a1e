#include "app/window_command_frame.h"

#include <QApplication>

#include "app/app_texts.h"
#include "app/file_menu.h"

namespace veka {

void TWindowCommandFrame::BeginCommand(const std::string& undoName, const std::string& progressText) {
    Step_.emplace(Form_.Document(), undoName);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Form_.StatusArea().ShowProgress(CoreText(progressText), 0, 1);
}

void TWindowCommandFrame::EndCommand() {
    Form_.StatusArea().ProgressDone();
    QApplication::restoreOverrideCursor();
    Form_.RefreshAll();
    Step_.reset();  // the step holds what the command changed
}

void TWindowCommandFrame::Busy(bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void TWindowCommandFrame::NoteFileChosen(const std::string& name) {
    const QString file = QString::fromStdString(name);
    Form_.Files().AddRecentFile(file);
    Form_.Files().StoreDataFolder(file);
}

void TWindowCommandFrame::NoteSetupSaved(const std::string& name) { Form_.Files().SaveLayout(QString::fromStdString(name)); }

}  // namespace veka
