#pragma once
// An output that keeps a song's messages until their due time, for devices that send whatever
// they are given at once (the ALSA sequencer ports RtMidi opens). A thread of its own sleeps to
// each message's due time on the steady clock, with the least timer slack and at real-time
// priority where the system grants it, and sends it then; the song's timing no longer depends
// on how often the user-interface thread gets round to it. One lock covers the device: a
// message sent now (an edit) goes out between two of the song's, whole, and a look at the
// device or a reconnect never runs beside a send.
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/midi_devices.h"

namespace veka {

class TTimedOutDevice : public IMidiOutDevice {
public:
    // The song's messages handed ahead and not yet sent: bytes with their headers. A song
    // hands on at most a few hundred milliseconds ahead, far less than this.
    static constexpr size_t kQueueBytes = size_t(1) << 20;
    // How long closing waits for messages still due (the notes a stop ended went out already).
    static constexpr int64_t kCloseWaitMicroseconds = 3'000'000;

    explicit TTimedOutDevice(std::unique_ptr<IMidiOutDevice> device);
    ~TTimedOutDevice() override;
    TTimedOutDevice(const TTimedOutDevice&) = delete;
    TTimedOutDevice& operator=(const TTimedOutDevice&) = delete;

    // At once, between two of the song's messages.
    void Send(std::span<const uint8_t> message) override;
    bool Present() override;
    bool Reconnect() override;
    bool Timed() const override { return true; }
    // Messages go out in the order given, each no earlier than its due time (steady clock,
    // microseconds). False when the queue is full; a message no queue could hold throws, and
    // so does the next call after a send of the thread's failed (what was queued is dropped).
    bool SendAt(std::span<const uint8_t> message, int64_t dueMicroseconds) override;
    void DropScheduled() override;

    // Whether the sending thread got real-time scheduling.
    bool RealTime() const;

private:
    struct THeader {
        int64_t Due = 0;
        uint32_t Size = 0;
    };
    void Run();
    // Under the lock: the failure of the sending thread, thrown once.
    void ThrowFailure();
    // Under the lock: nothing queued; past the message at the front, whose header was read.
    void ClearQueue();
    void Pop(const THeader& header);

    std::unique_ptr<IMidiOutDevice> Device_;
    mutable std::mutex Lock_;
    std::condition_variable Wake_;
    std::vector<uint8_t> Queue_;  // headers and messages; reserved once, never grows beyond
    size_t Read_ = 0;             // where the next header begins
    bool Quit_ = false;
    bool RealTime_ = false;
    std::string Failure_;
    std::thread Thread_;  // last: it starts once everything above exists
};

// Wraps a device that sends at once into one that keeps due times.
std::unique_ptr<IMidiOutDevice> SendOnTime(std::unique_ptr<IMidiOutDevice> device);

}  // namespace veka
