#pragma once
// TMidiInput: one MIDI input device. The driver's thread only copies each message into a
// fixed ring (exclusive bytes into buffers allocated when the port opens) and wakes the user
// interface; events are taken out there with NextEvent.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "midi/midi_devices.h"
#include "midi/midi_event.h"
#include "midi/spsc_ring.h"

namespace veka {

class EMidiInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMidiInput {
public:
    TMidiInput();
    ~TMidiInput();
    TMidiInput(const TMidiInput&) = delete;
    TMidiInput& operator=(const TMidiInput&) = delete;

    int DeviceID() const { return DeviceID_; }
    void SetDeviceID(int id);                      // only while closed
    const std::string& ProductName() const { return ProductName_; }
    void SetProductName(const std::string& name);  // only while closed
    int DeviceCount() const { return DeviceCount_; }

    int Capacity = 1024;                           // ring entries; read when the port opens
    int SysexBufferSize() const { return SysexBufferSize_; }
    void SetSysexBufferSize(int bytes);            // only while closed
    int SysexBufferCount() const { return SysexBufferCount_; }
    void SetSysexBufferCount(int count);           // only while closed
    bool SysexOnly() const { return SysexOnly_.load(); }
    void SetSysexOnly(bool on) { SysexOnly_.store(on); }
    const std::string& Error() const { return Error_; }  // text of the last failure

    void Open();    // throws EMidiInputError; reception starts with Start
    void Start();
    void Stop();
    void Close();
    bool IsOpen() const { return Device_ != nullptr; }
    // As for an output: a device gone leaves the port open and silent; Look notes it and
    // connects again once a device of the same name is back (true when Gone() changed).
    bool Look();
    bool Gone() const { return Gone_; }
    // Raised by Look when Gone() changed, whoever looked (the program's watch, a request).
    std::function<void()> OnGoneChanged;

    size_t PendingCount() const;
    std::optional<TMyMidiEvent> NextEvent();

    // Raised by DispatchNotices on the user-interface side.
    std::function<void()> OnMidiInput;
    std::function<void()> OnOverflow;
    // Called on the driver's thread after something was stored or lost: the owner arranges for
    // DispatchNotices to run on its own thread (it must not block or allocate).
    std::function<void()> Wake;
    // Raises OnOverflow and OnMidiInput for what the driver's thread noted since the last call.
    void DispatchNotices();

    // The driver side; public so back ends and tests can feed it directly.
    void Receive(double deltaSeconds, const uint8_t* data, size_t size);
    uint64_t LostCount() const { return Lost_.load(); }

private:
    struct TEntry {
        uint32_t Time = 0;
        uint32_t Short = 0;    // status | data1 << 8 | data2 << 16, 0 for an exclusive entry
        int32_t Buffer = -1;   // exclusive buffer index
        uint32_t Length = 0;   // bytes stored in that buffer
    };
    static void Callback(void* self, double delta, const uint8_t* data, size_t size);
    void NoteLost();

    int DeviceID_ = 0;
    std::string ProductName_;
    int DeviceCount_ = 0;
    int SysexBufferSize_ = 4096;
    int SysexBufferCount_ = 16;
    std::atomic<bool> SysexOnly_{false};
    std::string Error_;

    std::unique_ptr<IMidiInDevice> Device_;
    bool Gone_ = false;
    std::unique_ptr<TSpscRing<TEntry>> Ring_;
    std::unique_ptr<TSpscRing<int32_t>> FreeBuffers_;  // returned by the consumer, taken by the driver
    std::vector<uint8_t> SysexPool_;
    int32_t Spare_ = -1;                               // a buffer the driver took but could not queue
    double Clock_ = 0;                                 // seconds since the port opened (driver side)
    std::atomic<bool> DataNotice_{false};
    std::atomic<bool> OverflowNotice_{false};
    std::atomic<uint64_t> Lost_{0};
};

}  // namespace veka
