#pragma once
// The MIDI devices of the machine: the combined list of every back end that answers (the ALSA
// sequencer first, then JACK), plus the built-in virtual module when it is switched on. A back
// end that cannot start contributes no devices. Names are stable across restarts.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace veka {

class TVirtualModule;

// A failure of a device operation; the text is the back end's own.
class EMidiDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IMidiOutDevice {
public:
    virtual ~IMidiOutDevice() = default;
    // One complete message (a channel message or F0 .. F7); throws EMidiDeviceError.
    virtual void Send(std::span<const uint8_t> message) = 0;
    // Whether the device this port feeds is still there. Neither back end fails a send to a
    // device unplugged or to a client gone: the message just goes nowhere, so ask.
    virtual bool Present() { return true; }
    // Connects again to the device of the same name once it is back; false while it is not.
    virtual bool Reconnect() { return Present(); }
    // Whether SendAt keeps a message until its due time and delivers it then (JACK, to the
    // frame; ALSA, from a thread of its own). Other devices (the virtual module) send it at
    // once, so their caller sends each message when it is due.
    virtual bool Timed() const { return false; }
    // A message due at dueMicroseconds of the steady clock; false when the queue of later
    // messages is full (try again later). Throws EMidiDeviceError as Send does.
    virtual bool SendAt(std::span<const uint8_t> message, int64_t dueMicroseconds) {
        (void)dueMicroseconds;
        Send(message);
        return true;
    }
    // Drops every message given a due time that has not gone out yet.
    virtual void DropScheduled() {}
};

// Called on the driver's thread with one complete message; must not allocate or block.
using TMidiInCallback = void (*)(void* user, double deltaSeconds, const uint8_t* data, size_t size);

class IMidiInDevice {
public:
    virtual ~IMidiInDevice() = default;
    virtual void Start() = 0;  // deliver messages to the callback from now on
    virtual void Stop() = 0;   // deliver nothing until Start
    // As for an output: whether the device is still there, and connecting again once it is back.
    virtual bool Present() { return true; }
    virtual bool Reconnect() { return Present(); }
};

// An open device that may have gone: notes it gone, or connects again once it is back; true
// when gone changed.
template <typename TDevice>
bool LookAtDevice(TDevice& device, bool& gone) {
    if (!gone) {
        if (device.Present()) return false;
        gone = true;
        return true;
    }
    if (!device.Reconnect()) return false;
    gone = false;
    return true;
}

enum class TMidiBackend { Alsa, Jack, Virtual };

struct TMidiDeviceInfo {
    std::string Name;
    TMidiBackend Backend = TMidiBackend::Alsa;
};

class TMidiDevices {
public:
    static TMidiDevices& Instance();

    // Adds the virtual module's four outputs and one input to the lists (nullptr removes them).
    void SetVirtualModule(std::shared_ptr<TVirtualModule> module);
    std::shared_ptr<TVirtualModule> VirtualModule() const { return Virtual_; }

    // Reads the device lists anew.
    void Refresh();
    const std::vector<TMidiDeviceInfo>& Outputs();
    const std::vector<TMidiDeviceInfo>& Inputs();

    // Open a device of the last lists read; throws EMidiDeviceError (also when it is gone).
    std::unique_ptr<IMidiOutDevice> OpenOutput(int index);
    std::unique_ptr<IMidiInDevice> OpenInput(int index, TMidiInCallback callback, void* user);

    // The stable form of a back end's port name ("Midi Through:Port-0 14:0" -> "Midi Through:Port-0").
    static std::string StableName(const std::string& name);

private:
    TMidiDevices() = default;
    bool Listed_ = false;
    std::vector<TMidiDeviceInfo> Outputs_, Inputs_;
    std::shared_ptr<TVirtualModule> Virtual_;
};

}  // namespace veka
