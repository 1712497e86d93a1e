#pragma once
// Everything that talks MIDI, wired together the way the main window wires it: the output
// ports and transmission services, the input port with its router, and the data request. The
// command line and the tests use it as it stands; the windowed program adds its windows.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "midi/data_request.h"
#include "midi/input_router.h"
#include "midi/midi_input.h"
#include "midi/part_focus.h"
#include "midi/pump_wait.h"
#include "midi/transmitter.h"

namespace veka {

class TMidiSession {
    // The wait comes first: every other member is built on it.
    std::unique_ptr<TSteadyPumpWait> OwnWait_;
    TPumpWait* Wait_;

public:
    // Without a wait the session waits on the steady clock.
    explicit TMidiSession(TVGS& image, TPumpWait* wait = nullptr);

    // Handles what the input's driver thread noted: the work of the port's window.
    void Process() { Input.DispatchNotices(); }
    TPumpWait& Wait() { return *Wait_; }

    // Looks whether the outputs in use and the input are still there, and connects again those
    // back. The transmitter's OnPortState tells of the outputs, OnInputState of the input; true
    // when anything changed.
    bool LookAtPorts();
    std::function<void(bool gone)> OnInputState;

    // The port, part and channel being edited; the windows set it through the main window.
    TPartFocus Focus;
    TTransmitter Transmitter;
    TMidiInput Input;
    TInputRouter Router;
    TDataRequest Request;

private:
    static TPumpWait* MakeWait(TMidiSession* self, TPumpWait* given);
};

// The virtual module switch: "--virtual-module[=FILE]" or VEKA_VIRTUAL_MODULE=1|FILE. An empty
// file means the power-on values.
struct TVirtualModuleRequest {
    bool Enabled = false;
    std::string SetupFile;
};
TVirtualModuleRequest VirtualModuleFromEnvironment();
// Starts the virtual module and lists its devices; throws EFileError when the default data or
// the setup file cannot be read.
void StartVirtualModule(int model, const std::string& defaultFolder, const std::string& setupFile = {});

// A device named by its number in the list or by a unique part of its name; -1 when none or
// more than one device matches.
int FindDevice(const std::vector<TMidiDeviceInfo>& devices, const std::string& text, std::string* error = nullptr);

}  // namespace veka
