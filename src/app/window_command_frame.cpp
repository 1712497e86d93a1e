#include "app/window_command_frame.h"

#include <QApplication>

#include "app/app_texts.h"

namespace veka {

void TWindowCommandFrame::BeginCommand(const std::string& undoName, const std::string& progressText) {
    Step_.emplace(Form_, undoName);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Form_.ShowProgress(CoreText(progressText), 0, 1);
}

void TWindowCommandFrame::EndCommand() {
    Form_.ProgressDone();
    QApplication::restoreOverrideCursor();
    Form_.RefreshAll();
    Step_.reset();  // the step holds what the command changed
}

}  // namespace veka
