#pragma once
// The questions the application's commands ask the user, in one interface: the program answers
// them with its dialogs, the tests from a script. A command never shows anything itself.
#include <optional>
#include <string>
#include <utility>

#include "module/progress.h"
#include "module/setup_file_kind.h"
#include "module/setup_reader.h"
#include "smf/exclusive_export.h"
#include "smf/order_file.h"

namespace veka {

enum class TPartCommand { Copy = 1, Exchange = 2, Initialize = 3 };

// What a save writes: a setup file of a kind, or an exclusive file of an object. The program
// names the dialog and its filter after it.
struct TSaveRequest {
    bool Sysx = false;
    TSetupFileKind Kind = TSetupFileKind::Ga4;  // a setup file
    TExportKind Export = TExportKind::All;      // an exclusive file
};

enum class TSaveChanges { Save, Discard, Cancel };

// A song the user names: one to read the setup from, one to put the setup in front of, one to
// play, or the song to write (in SMF format 0 or 1, offered and then chosen).
enum class TSongFile { Read, AppendTo, Write, Play };
struct TSongRequest {
    TSongFile What = TSongFile::Read;
    std::string Folder;     // where the dialog opens
    std::string OrderName;  // the setup order's file, named in a write's caption
    int Format = 0;
};

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
    // A question answered Yes (true) or No; ConfirmWarning asks it about something gone wrong.
    virtual bool Confirm(const std::string& question) = 0;
    virtual bool ConfirmWarning(const std::string& question) = 0;
    // Whether the unsaved setup is saved first, dropped, or the command given up.
    virtual TSaveChanges AskSaveChanges(const std::string& question) = 0;
    // One entry of a list (the object a save writes, the destination of a part file); nothing
    // for Cancel.
    virtual std::optional<int> ChooseFromList(const TSelectRequest& request) = 0;
    // The file a save writes to, with its extension, once the user agreed to replace a file of
    // that name; empty for Cancel.
    virtual std::string SaveFileName(const TSaveRequest& request) = 0;
    // A song's name (a write: replacing a file of that name agreed, and the format chosen in
    // the request); empty for Cancel.
    virtual std::string SongFileName(TSongRequest& request) = 0;
    // The setup order a song is written with, composed in its window; nothing for Cancel.
    virtual std::optional<TOrderList> ComposeOrder() = 0;
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
    // The pointer waits while a command works without changing the setup (a song written).
    virtual void Busy(bool busy) = 0;
    // A line for the status bar: how a command ended when no box is needed.
    virtual void ShowStatus(const std::string& text) = 0;
    // The user chose a setup file by name: the recent files and the folder the dialogs open in.
    virtual void NoteFileChosen(const std::string& name) = 0;
    // A whole setup was written to name: the window layout is kept beside it.
    virtual void NoteSetupSaved(const std::string& name) = 0;
};

}  // namespace veka
