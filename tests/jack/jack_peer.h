#pragma once
// The far end of the program's MIDI ports in the JACK tests: a client of its own, written
// straight against libjack so that it shares nothing with the code under test. Its input port
// records every event; its output port puts out queued messages from the process callback, as
// many per cycle as the pace and the port buffer allow, the rest in the cycles after.
#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace veka::test {

// Limits of one cycle's output; a message larger than the byte limit still goes alone.
struct TJackPace {
    size_t EventsPerCycle = SIZE_MAX;
    size_t BytesPerCycle = SIZE_MAX;
};

class TJackPeer {
public:
    // Opens and activates a client named after name (the server may add a suffix); throws
    // std::runtime_error when that fails.
    explicit TJackPeer(const std::string& name, TJackPace pace = {});
    ~TJackPeer();
    TJackPeer(const TJackPeer&) = delete;
    TJackPeer& operator=(const TJackPeer&) = delete;

    // Empty when a JACK server answers, else why not. Never starts a server.
    static std::string ServerAbsence();

    // Full port names ("client:port"), as the device lists show them.
    const std::string& InputName() const { return InputName_; }
    const std::string& OutputName() const { return OutputName_; }

    // True once the output has a connection and two cycles have run since: JACK applies a new
    // connection at a cycle boundary, and what is sent before it goes nowhere.
    bool WaitOutputConnected(std::chrono::milliseconds timeout) { return WaitConnected(Out_, timeout); }
    // True once count more cycles have run.
    bool WaitCycles(uint64_t count, std::chrono::milliseconds timeout);

    // Queues one message for the output; false when the queue has no room for it.
    bool Send(std::span<const uint8_t> message);
    bool Send(std::initializer_list<uint8_t> message) { return Send(std::span(message.begin(), message.size())); }
    // True once every queued message was put out (or dropped as too large for the port).
    bool WaitSent(std::chrono::milliseconds timeout);

    // Everything the input recorded so far, in arrival order.
    const std::vector<std::vector<uint8_t>>& Received();
    // The JACK frame each of them arrived at (the cycle's first frame and the event's offset).
    const std::vector<uint32_t>& ReceivedFrames();
    uint32_t SampleRate() const;
    // True once at least count messages were recorded.
    bool WaitReceived(size_t count, std::chrono::milliseconds timeout);

    // As when the module is unplugged or its client ends: the port leaves the graph, and its
    // connections with it. Restore brings a port of the same name back, unconnected.
    void RemoveInput() { RemovePort(In_); }
    void RemoveOutput() { RemovePort(Out_); }
    void RestoreInput() { RestorePort(In_, "in", JackPortIsInput); }
    void RestoreOutput() { RestorePort(Out_, "out", JackPortIsOutput); }

    uint64_t RecordOverflows() const { return RecordOverflows_.load(); }  // input events not recorded
    uint64_t OversizeDrops() const { return OversizeDrops_.load(); }      // messages the port cannot hold
    uint64_t Xruns() const { return Xruns_.load(); }
    uint64_t Cycles() const { return Cycles_.load(); }
    size_t PortBufferBytes() const { return PortBufferBytes_.load(); }   // largest event of an empty cycle

private:
    void Release();
    void RemovePort(std::atomic<jack_port_t*>& port);
    void RestorePort(std::atomic<jack_port_t*>& port, const char* name, unsigned long flags);
    bool WaitConnected(jack_port_t* port, std::chrono::milliseconds timeout);
    static int Process(jack_nframes_t frames, void* self);
    static int Xrun(void* self);
    void Record(void* buffer);
    void Emit(void* buffer, jack_nframes_t frames);

    TJackPace Pace_;
    jack_client_t* Client_ = nullptr;
    // Null while removed; the process callback skips a port that is not there.
    std::atomic<jack_port_t*> In_{nullptr};
    std::atomic<jack_port_t*> Out_{nullptr};
    std::string InputName_, OutputName_;
    // Each ring carries messages as a 32-bit length followed by the bytes.
    jack_ringbuffer_t* Outgoing_ = nullptr;   // test thread -> process callback
    jack_ringbuffer_t* Incoming_ = nullptr;   // process callback -> test thread
    uint64_t Queued_ = 0;                     // test thread only
    std::atomic<uint64_t> Emitted_{0};
    std::atomic<uint64_t> RecordOverflows_{0};
    std::atomic<uint64_t> OversizeDrops_{0};
    std::atomic<uint64_t> Xruns_{0};
    std::atomic<uint64_t> Cycles_{0};
    std::atomic<size_t> PortBufferBytes_{0};
    std::vector<std::vector<uint8_t>> Received_;
    std::vector<uint32_t> ReceivedFrames_;
};

}  // namespace veka::test
