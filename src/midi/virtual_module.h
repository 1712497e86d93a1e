#pragma once
// The built-in virtual sound module: four outputs ("Virtual Module Port A" .. "D") that each
// feed one module's memory of the GS address space, and one input ("Virtual Module Out") that
// carries the replies. It applies data sets whose checksum is right, resets on a GS reset or
// system mode set, answers data requests from its memory and the identity request like the
// chosen model, keeps the text sent to its display, and can be told to drop replies. It lets a
// user try the editor without hardware, and lets the tests see what reached the "module".
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/midi_devices.h"

namespace veka {

class TVGS;

class TVirtualModule : public std::enable_shared_from_this<TVirtualModule> {
public:
    static constexpr int kPorts = 4;
    static constexpr size_t kMemorySize = size_t(1) << 21;  // three 7-bit address bytes

    // model: 1 SC-88, 2 SC-88Pro, 3 SC-8850. Power-on values come from the default data.
    TVirtualModule(int model, const std::string& defaultFolder, int deviceId = 0x10);
    ~TVirtualModule();

    static std::string OutputName(int port);   // "Virtual Module Port A" ..
    static std::string InputName();            // "Virtual Module Out"
    static int PortOfOutputName(const std::string& name);

    std::unique_ptr<IMidiOutDevice> OpenOutput(int port);
    std::unique_ptr<IMidiInDevice> OpenInput(TMidiInCallback callback, void* user);

    // Takes every value of the image as the module's state, and as what a reset restores.
    void LoadImage(const TVGS& image);
    // Starts from the values of a setup file read onto the power-on image; throws EFileError.
    void LoadSetupFile(const std::string& fileName, const std::string& defaultFolder);
    // A message arriving on the output of a port.
    void Receive(int port, std::span<const uint8_t> message);

    // What reached the module.
    uint8_t Memory(int port, uint8_t a1, uint8_t a2, uint8_t a3) const;
    std::string DisplayText() const;
    std::vector<std::vector<uint8_t>> Received(int port) const;
    void ClearReceived();
    int Model() const { return Model_; }

    // Behaviour.
    void SetReplyDelayMs(int ms);
    void DropEveryNthReply(int n);                          // 0: none
    void DropRepliesTo(const std::array<uint8_t, 3>& address);
    int RepliesSent() const { return RepliesSent_; }
    int RepliesDropped() const { return RepliesDropped_; }

    // As when a cable or the module's interface is pulled out: an output unplugged hears
    // nothing and is not listed, the input delivers nothing; the open ports say they are not
    // present until plugged in again.
    void Unplug(int port) { Plugged_[size_t(port & 3)].store(false); }
    void Plug(int port) { Plugged_[size_t(port & 3)].store(true); }
    bool Plugged(int port) const { return Plugged_[size_t(port & 3)].load(); }
    void UnplugInput() { InputPlugged_.store(false); }
    void PlugInput() { InputPlugged_.store(true); }
    bool InputPlugged() const { return InputPlugged_.load(); }

private:
    class TOutput;
    class TInput;
    static size_t Index(uint8_t a1, uint8_t a2, uint8_t a3) { return size_t(a1 & 0x7F) << 14 | size_t(a2 & 0x7F) << 7 | (a3 & 0x7F); }
    void ApplyDataSet(int port, std::span<const uint8_t> message);
    void AnswerRequest(int port, std::span<const uint8_t> message);
    void Reply(std::vector<uint8_t> reply, const std::array<uint8_t, 3>& address);
    void Deliver(const std::vector<uint8_t>& reply);
    void Worker();
    void Reset(int port);

    int Model_;
    int DeviceId_;
    std::array<std::vector<uint8_t>, kPorts> Memory_;
    std::vector<uint8_t> PowerOn_[kPorts];
    std::array<std::vector<std::vector<uint8_t>>, kPorts> Received_;
    std::string Display_;

    // The input side; replies are delivered from one thread at a time.
    mutable std::mutex InputMutex_;
    TMidiInCallback Callback_ = nullptr;
    void* User_ = nullptr;
    bool Started_ = false;

    int DelayMs_ = 0;
    int DropEvery_ = 0;
    int ReplyCount_ = 0;
    int RepliesSent_ = 0;
    int RepliesDropped_ = 0;
    std::set<size_t> DropAddresses_;
    std::array<std::atomic<bool>, kPorts> Plugged_{true, true, true, true};
    std::atomic<bool> InputPlugged_{true};

    std::mutex QueueMutex_;
    std::condition_variable QueueSignal_;
    std::deque<std::pair<std::chrono::steady_clock::time_point, std::vector<uint8_t>>> Queue_;
    bool Stopping_ = false;
    std::thread Thread_;
};

}  // namespace veka
