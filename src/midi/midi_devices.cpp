#include "midi/midi_devices.h"

#include <jack/jack.h>
#include <rtmidi/RtMidi.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "midi/jack_output.h"
#include "midi/timed_output.h"
#include "midi/virtual_module.h"

namespace veka {

namespace {

constexpr const char* kClientName = "Veka";

void QuietRtMidiError(RtMidiError::Type, const std::string&, void*) {}
void QuietJack(const char*) {}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// One of our own ports: "Veka:..", or "Veka-01:.." and on, as JACK names further clients of ours.
bool IsOwnPort(const std::string& name) {
    const std::string client = kClientName;
    if (name.compare(0, client.size(), client) != 0) return false;
    size_t i = client.size();
    if (i < name.size() && name[i] == '-') {
        const size_t digits = ++i;
        while (i < name.size() && IsDigit(name[i])) ++i;
        if (i == digits) return false;
    }
    return i < name.size() && name[i] == ':';
}

// Asking JACK for its ports when no server runs makes libjack complain on standard error, and
// an absent back end is no error here; so look quietly first. A server that has stopped
// answering (suspended, or wedged by a client) holds jack_client_open for as long as it hangs,
// and the program with it; so the look runs on a thread of its own, and a server that gives no
// answer within two seconds counts as absent. While such a look still waits, no second one is
// started: the server counts as absent until the first returns.
struct TJackProbe {
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    bool Running = false;
};

bool JackServerRunning() {
    static std::mutex probeLock;
    static std::shared_ptr<TJackProbe> waiting;  // a look that has not returned in time
    const std::lock_guard<std::mutex> guard(probeLock);
    if (waiting) {
        // The look's last owner may be this one: it must outlive the lock on its mutex.
        const std::shared_ptr<TJackProbe> previous = waiting;
        {
            const std::lock_guard<std::mutex> lock(previous->Lock);
            if (!previous->Finished) return false;
        }
        waiting.reset();
    }
    auto probe = std::make_shared<TJackProbe>();
    std::thread([probe] {
        jack_set_error_function(QuietJack);
        jack_set_info_function(QuietJack);
        jack_status_t status{};
        jack_client_t* client = jack_client_open("veka-probe", JackNoStartServer, &status);
        if (client) jack_client_close(client);
        {
            const std::lock_guard<std::mutex> lock(probe->Lock);
            probe->Running = client != nullptr;
            probe->Finished = true;
        }
        probe->Done.notify_all();
    }).detach();
    std::unique_lock<std::mutex> lock(probe->Lock);
    if (!probe->Done.wait_for(lock, std::chrono::seconds(2), [&probe] { return probe->Finished; })) {
        waiting = probe;
        return false;
    }
    return probe->Running;
}

// Without the sequencer device ALSA cannot start, and asking it anyway only prints errors.
bool AlsaSequencerPresent() { return access("/dev/snd/seq", R_OK | W_OK) == 0; }

std::vector<RtMidi::Api> Backends() {
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    std::vector<RtMidi::Api> apis;
    for (RtMidi::Api api : {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK}) {
        if (std::find(compiled.begin(), compiled.end(), api) == compiled.end()) continue;
        if (api == RtMidi::LINUX_ALSA && !AlsaSequencerPresent()) continue;
        if (api == RtMidi::UNIX_JACK && !JackServerRunning()) continue;
        apis.push_back(api);
    }
    return apis;
}

TMidiBackend BackendOf(RtMidi::Api api) { return api == RtMidi::UNIX_JACK ? TMidiBackend::Jack : TMidiBackend::Alsa; }
RtMidi::Api ApiOf(TMidiBackend backend) { return backend == TMidiBackend::Jack ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA; }

template <typename TRt>
std::vector<TMidiDeviceInfo> ListPorts() {
    std::vector<TMidiDeviceInfo> list;
    for (RtMidi::Api api : Backends()) {
        try {
            TRt rt(api, kClientName);
            rt.setErrorCallback(QuietRtMidiError, nullptr);
            const unsigned count = rt.getPortCount();
            for (unsigned i = 0; i < count; ++i) {
                const std::string name = TMidiDevices::StableName(rt.getPortName(i));
                if (IsOwnPort(name)) continue;  // not a device to talk to
                list.push_back({name, BackendOf(api)});
            }
        } catch (const RtMidiError&) {
            // A back end that cannot start (no /dev/snd/seq, say) contributes nothing.
        }
    }
    return list;
}

// Opens the port of that name on its back end: indices of a back end shift when devices come
// and go, names do not.
template <typename TRt>
void OpenByName(TRt& rt, const TMidiDeviceInfo& info, const char* portName) {
    const unsigned count = rt.getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        if (TMidiDevices::StableName(rt.getPortName(i)) != info.Name) continue;
        rt.openPort(i, portName);
        if (!rt.isPortOpen()) throw EMidiDeviceError("MIDI device " + info.Name + " could not be opened");
        return;
    }
    throw EMidiDeviceError("MIDI device " + info.Name + " is not there any more");
}

// Whether the port of that name is listed on the back end now; hint is where it was last, so a
// look while nothing changed asks for two names, not all of them.
template <typename TRt>
bool Listed(TRt& rt, const std::string& name, unsigned& hint) {
    try {
        const unsigned count = rt.getPortCount();
        if (hint < count && TMidiDevices::StableName(rt.getPortName(hint)) == name) return true;
        for (unsigned i = 0; i < count; ++i) {
            if (TMidiDevices::StableName(rt.getPortName(i)) != name) continue;
            hint = i;
            return true;
        }
    } catch (const RtMidiError&) {
        // A back end that stopped answering has no devices.
    }
    return false;
}

// Closes the port and opens the one of the same name again: the old connection went with the
// device, and a device plugged in again is a new ALSA client or JACK port.
template <typename TRt>
bool OpenAgain(TRt& rt, const TMidiDeviceInfo& info, const char* portName, unsigned& hint) {
    if (!Listed(rt, info.Name, hint)) return false;
    try {
        rt.closePort();
        OpenByName(rt, info, portName);
        return true;
    } catch (const std::exception&) {
        return false;  // gone again meanwhile: the next look tries again
    }
}

// An ALSA sequencer output; it sends at once, so it is opened behind timed_output.h's thread,
// which keeps a song's timing (JACK outputs are jack_output.h's, which keep it to the frame).
class TRtMidiOutDevice : public IMidiOutDevice {
public:
    explicit TRtMidiOutDevice(const TMidiDeviceInfo& info) : Info_(info), Out_(ApiOf(info.Backend), kClientName) {
        Out_.setErrorCallback(QuietRtMidiError, nullptr);
        OpenByName(Out_, info, "Veka Out");
        // RtMidi reports a failed send (an ALSA write error, say) only through the error
        // callback and then returns normally; catch it so the caller hears of it.
        Out_.setErrorCallback(&TRtMidiOutDevice::NoteFailure, this);
    }
    void Send(std::span<const uint8_t> message) override {
        Failure_.clear();
        try {
            Out_.sendMessage(message.data(), message.size());
        } catch (const RtMidiError& e) {
            throw EMidiDeviceError(e.getMessage());
        }
        if (!Failure_.empty()) throw EMidiDeviceError(Failure_);
    }
    bool Present() override { return Listed(Out_, Info_.Name, Hint_); }
    bool Reconnect() override {
        return OpenAgain(Out_, Info_, "Veka Out", Hint_);
    }

private:
    static void NoteFailure(RtMidiError::Type, const std::string& text, void* self) {
        static_cast<TRtMidiOutDevice*>(self)->Failure_ = text.empty() ? "MIDI message not sent" : text;
    }

    std::string Failure_;  // before Out_: RtMidi may still call back while Out_ is destroyed
    TMidiDeviceInfo Info_;
    unsigned Hint_ = 0;
    RtMidiOut Out_;
};

class TRtMidiInDevice : public IMidiInDevice {
public:
    TRtMidiInDevice(const TMidiDeviceInfo& info, TMidiInCallback callback, void* user)
        : Info_(info), In_(ApiOf(info.Backend), kClientName, 4096), Callback_(callback), User_(user) {
        In_.setErrorCallback(QuietRtMidiError, nullptr);
        In_.ignoreTypes(false, true, true);  // keep exclusive, drop timing clock and active sensing
        OpenByName(In_, info, "Veka In");
    }
    ~TRtMidiInDevice() override {
        In_.cancelCallback();
        In_.closePort();
    }
    void Start() override {
        // RtMidi hands its callback to the driver's thread without a barrier of its own; this
        // one makes everything written here before visible to Deliver there.
        Ready_.store(true, std::memory_order_release);
        if (!Started_) In_.setCallback(&TRtMidiInDevice::Deliver, this);
        Started_ = true;
    }
    void Stop() override {
        if (Started_) In_.cancelCallback();
        Started_ = false;
    }
    bool Present() override { return Listed(In_, Info_.Name, Hint_); }
    bool Reconnect() override {
        // The callback stays set across the new port; the driver's thread of the old one ends
        // in closePort.
        return OpenAgain(In_, Info_, "Veka In", Hint_);
    }

private:
    static void Deliver(double delta, std::vector<unsigned char>* message, void* self) {
        auto* me = static_cast<TRtMidiInDevice*>(self);
        if (!me->Ready_.load(std::memory_order_acquire)) return;
        if (message && !message->empty()) me->Callback_(me->User_, delta, message->data(), message->size());
    }

    TMidiDeviceInfo Info_;
    unsigned Hint_ = 0;
    RtMidiIn In_;
    TMidiInCallback Callback_;
    void* User_;
    bool Started_ = false;
    std::atomic<bool> Ready_{false};
};

}  // namespace

TMidiDevices& TMidiDevices::Instance() {
    static TMidiDevices devices;
    return devices;
}

std::string TMidiDevices::StableName(const std::string& name) {
    // Drops a trailing " client:port" pair of numbers (no std::regex: g++ 12 warns inside it).
    const auto digitsBefore = [&name](size_t end) {
        while (end > 0 && IsDigit(name[end - 1])) --end;
        return end;
    };
    const size_t port = digitsBefore(name.size());
    if (port == name.size() || port == 0 || name[port - 1] != ':') return name;
    const size_t client = digitsBefore(port - 1);
    if (client == port - 1) return name;
    size_t cut = client;
    while (cut > 0 && std::isspace(static_cast<unsigned char>(name[cut - 1]))) --cut;
    return cut == client ? name : name.substr(0, cut);
}

void TMidiDevices::SetVirtualModule(std::shared_ptr<TVirtualModule> module) {
    Virtual_ = std::move(module);
    Listed_ = false;
}

void TMidiDevices::Refresh() {
    Outputs_ = ListPorts<RtMidiOut>();
    Inputs_ = ListPorts<RtMidiIn>();
    if (Virtual_) {
        for (int port = 0; port < TVirtualModule::kPorts; ++port)
            if (Virtual_->Plugged(port)) Outputs_.push_back({TVirtualModule::OutputName(port), TMidiBackend::Virtual});
        if (Virtual_->InputPlugged()) Inputs_.push_back({TVirtualModule::InputName(), TMidiBackend::Virtual});
    }
    Listed_ = true;
}

const std::vector<TMidiDeviceInfo>& TMidiDevices::Outputs() {
    if (!Listed_) Refresh();
    return Outputs_;
}

const std::vector<TMidiDeviceInfo>& TMidiDevices::Inputs() {
    if (!Listed_) Refresh();
    return Inputs_;
}

std::unique_ptr<IMidiOutDevice> TMidiDevices::OpenOutput(int index) {
    const auto& list = Outputs();
    if (index < 0 || size_t(index) >= list.size()) throw EMidiDeviceError("Invalid device ID");
    const TMidiDeviceInfo& info = list[size_t(index)];
    if (info.Backend == TMidiBackend::Virtual) {
        if (!Virtual_) throw EMidiDeviceError("The virtual module is not running");
        return Virtual_->OpenOutput(TVirtualModule::PortOfOutputName(info.Name));
    }
    if (info.Backend == TMidiBackend::Jack) return OpenJackOutput(info);
    try {
        return SendOnTime(std::make_unique<TRtMidiOutDevice>(info));
    } catch (const RtMidiError& e) {
        throw EMidiDeviceError(e.getMessage());
    }
}

std::unique_ptr<IMidiInDevice> TMidiDevices::OpenInput(int index, TMidiInCallback callback, void* user) {
    const auto& list = Inputs();
    if (index < 0 || size_t(index) >= list.size()) throw EMidiDeviceError("Invalid device ID");
    const TMidiDeviceInfo& info = list[size_t(index)];
    if (info.Backend == TMidiBackend::Virtual) {
        if (!Virtual_) throw EMidiDeviceError("The virtual module is not running");
        return Virtual_->OpenInput(callback, user);
    }
    try {
        return std::make_unique<TRtMidiInDevice>(info, callback, user);
    } catch (const RtMidiError& e) {
        throw EMidiDeviceError(e.getMessage());
    }
}

}  // namespace veka
