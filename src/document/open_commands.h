#pragma once
// File > Open for setup files of every kind: a whole setup (".ga4", ".ga3") starts from
// power-on, a part, drum map, user drum set or custom file goes on top of the setup; what was
// read is sent to the module. How the file came (the dialog, the recent list, handed over by
// name, the command line at start) decides the questions asked before anything is reset.
#include <array>
#include <string>

#include "document/document.h"
#include "document/user_prompts.h"

namespace veka {

enum class TOpenWay { Dialog, Recent, ByName, CommandLine };

// What the program shows around an open beside the document.
class IOpenView {
public:
    virtual ~IOpenView() = default;
    // A file handed over by name: the program comes to the front.
    virtual void BringToFront() = 0;
    // The file is being read (reading) or that is over; then it is being sent (the splash screen
    // at start says so, the pointer waits).
    virtual void Reading(const std::string& file, bool reading) = 0;
    virtual void Sending(const std::string& file) = 0;
    // A whole setup file became the open file: the window layout kept beside it comes back.
    // What went wrong with the layout, for the status line once the setup is sent.
    virtual std::string SetupOpened(const std::string& file) = 0;
    // A custom file was read (headers: its sections): its contents and comment are shown.
    virtual void CustomFileRead(const std::string& file, const std::vector<TSetupRecord>& headers) = 0;
};

struct TOpenResult {
    bool Sent = false;  // what was read went to the module (all of it, or what came before damage)
    // The sections sent: System, Parts, Drums, UserDrums.
    std::array<bool, 4> SendSwitches{true, true, true, true};
};

// started: the program has shown itself (a file named on the command line is read before).
TOpenResult OpenSetupFile(TDocument& document, const std::string& file, TOpenWay way, bool started,
                          IUserPrompts& prompts, ICommandFrame& frame, IOpenView& view);

}  // namespace veka
