#pragma once
// The frame a command runs in on the screen: one undo step, the busy cursor and the progress
// text while it runs, and every window refreshed when it ends.
#include <optional>

#include "app/main_window.h"
#include "app/status_area.h"

namespace veka {

class TWindowCommandFrame : public ICommandFrame {
public:
    explicit TWindowCommandFrame(TVekaMainForm& form) : Form_(form) {}
    void BeginCommand(const std::string& undoName, const std::string& progressText) override;
    void EndCommand() override;
    const TProgress& Progress() const override { return Form_.StatusArea().Progress(); }
    void ShowStatus(const std::string& text) override { Form_.StatusArea().ShowHelp(QString::fromStdString(text)); }
    void Busy(bool busy) override;
    void NoteFileChosen(const std::string& name) override;
    void NoteSetupSaved(const std::string& name) override;

private:
    TVekaMainForm& Form_;
    std::optional<TDocument::TUndoScope> Step_;
};

}  // namespace veka
