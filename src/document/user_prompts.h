#pragma once
// The questions the application's commands ask the user, in one interface: the program answers
// them with its dialogs, the tests from a script. A command never shows anything itself.
#include <optional>
#include <string>
#include <utility>

#include "module/progress.h"

namespace veka {

enum class TPartCommand { Copy = 1, Exchange = 2, Initialize = 3 };

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;
    // The parts of the current port a part command works on, each 1..16: from and to (Copy),
    // the two to exchange, or the part to initialise twice. Nothing when the user cancelled.
    virtual std::optional<std::pair<int, int>> ChooseParts(TPartCommand command, int port, int currentPart) = 0;
    // What went wrong, for the user to read; the command goes on or ends as it says.
    virtual void Warn(const std::string& text) = 0;
    // How a command ended, for the user to acknowledge.
    virtual void Inform(const std::string& text) = 0;
    // A question answered Yes (true) or No.
    virtual bool Confirm(const std::string& question) = 0;
};

// What a command needs from the program around it while it runs: all it changes is one undo
// step named after it, the user sees it busy with a progress text, and afterwards every window
// shows the image again.
class ICommandFrame {
public:
    virtual ~ICommandFrame() = default;
    virtual void BeginCommand(const std::string& undoName, const std::string& progressText) = 0;
    virtual void EndCommand() = 0;
    // Where the command reports how far it has come.
    virtual const TProgress& Progress() const = 0;
    // A line for the status bar: how a command ended when no box is needed.
    virtual void ShowStatus(const std::string& text) = 0;
};

}  // namespace veka
