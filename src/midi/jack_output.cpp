#include "midi/jack_output.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

namespace veka {

namespace {

constexpr const char* kClientName = "Veka";
constexpr const char* kPortName = "Veka Out";
constexpr size_t kNowRingBytes = size_t(1) << 18;
constexpr size_t kTimedRingBytes = size_t(1) << 20;

// What precedes each message in a ring.
struct THeader {
    uint64_t Due = 0;         // JACK time in microseconds; 0 for a message sent now
    uint32_t Size = 0;
    uint32_t Generation = 0;  // messages of an older generation were dropped
};

class TJackOutDevice : public IMidiOutDevice {
public:
    explicit TJackOutDevice(const TMidiDeviceInfo& info) : Target_(info.Name) {
        jack_status_t status{};
        Client_ = jack_client_open(kClientName, JackNoStartServer, &status);
        if (!Client_) throw EMidiDeviceError("The JACK server does not answer");
        // Everything the process callback touches exists before the client is activated.
        Now_ = jack_ringbuffer_create(kNowRingBytes);
        Timed_ = jack_ringbuffer_create(kTimedRingBytes);
        Port_ = jack_port_register(Client_, kPortName, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
        if (!Now_ || !Timed_ || !Port_) {
            Release();
            throw EMidiDeviceError("MIDI device " + Target_ + " could not be opened");
        }
        jack_set_process_callback(Client_, &TJackOutDevice::Process, this);
        if (jack_activate(Client_) != 0) {
            Release();
            throw EMidiDeviceError("MIDI device " + Target_ + " could not be opened");
        }
        if (!Connect()) {
            Release();
            throw EMidiDeviceError("MIDI device " + Target_ + " is not there any more");
        }
    }
    ~TJackOutDevice() override {
        // What was sent last (the notes ended at a stop) goes out before the port goes: the
        // rings drain within a cycle or two; a server that has stopped running is waited for
        // three seconds at most.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while ((jack_ringbuffer_read_space(Now_) > 0 || jack_ringbuffer_read_space(Timed_) > 0) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (jack_ringbuffer_read_space(Now_) == 0) {
            // The cycle that took the last message writes it out before the next begins.
            const jack_nframes_t start = jack_last_frame_time(Client_);
            while (jack_last_frame_time(Client_) == start && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        Release();
    }

    void Send(std::span<const uint8_t> message) override {
        RequireCarried(message);
        // A burst faster than the cycles carry it waits for room, as a driver's queue would;
        // a server that has stopped taking anything fails the send.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!Push(Now_, message, THeader{0, uint32_t(message.size()), 0})) {
            if (sizeof(THeader) + message.size() > kNowRingBytes || std::chrono::steady_clock::now() >= deadline)
                throw EMidiDeviceError("MIDI message not sent: the output to " + Target_ + " is full");
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    bool Timed() const override { return true; }
    bool SendAt(std::span<const uint8_t> message, int64_t dueMicroseconds) override {
        RequireCarried(message);
        // JACK keeps its own microsecond clock; the distance from now carries over.
        const int64_t due = int64_t(jack_get_time()) + (dueMicroseconds - SteadyMicroseconds());
        const THeader header{uint64_t(due > 1 ? due : 1), uint32_t(message.size()),
                             Generation_.load(std::memory_order_relaxed)};
        return Push(Timed_, message, header);
    }
    void DropScheduled() override { Generation_.fetch_add(1, std::memory_order_acq_rel); }

    bool Present() override {
        jack_port_t* target = jack_port_by_name(Client_, Target_.c_str());
        return target && jack_port_connected_to(Port_, Target_.c_str());
    }
    bool Reconnect() override { return jack_port_by_name(Client_, Target_.c_str()) && Connect(); }

private:
    // A message larger than a cycle's port buffer can never go out: say so instead of dropping it.
    void RequireCarried(std::span<const uint8_t> message) const {
        const size_t largest = Largest_.load(std::memory_order_relaxed);
        if (largest > 0 && message.size() > largest)
            throw EMidiDeviceError("MIDI message of " + std::to_string(message.size()) + " bytes not sent: the JACK port to " +
                                   Target_ + " carries at most " + std::to_string(largest) + " bytes a cycle");
    }

    // Connects the port to the target, then waits until two cycles have begun: JACK applies a
    // new connection at a cycle boundary, and what goes out before it goes nowhere.
    bool Connect() {
        const int result = jack_connect(Client_, jack_port_name(Port_), Target_.c_str());
        if (result != 0 && result != EEXIST) return false;
        const jack_nframes_t period = jack_get_buffer_size(Client_);
        const jack_nframes_t start = jack_last_frame_time(Client_);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (jack_nframes_t(jack_last_frame_time(Client_) - start) < 2 * period &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return true;
    }

    static bool Push(jack_ringbuffer_t* ring, std::span<const uint8_t> message, const THeader& header) {
        if (message.empty()) return true;
        if (jack_ringbuffer_write_space(ring) < sizeof header + message.size()) return false;
        // The callback takes a message only once its header and all its bytes are readable.
        jack_ringbuffer_write(ring, reinterpret_cast<const char*>(&header), sizeof header);
        jack_ringbuffer_write(ring, reinterpret_cast<const char*>(message.data()), message.size());
        return true;
    }

    void Release() {
        if (Client_) {
            jack_deactivate(Client_);
            jack_client_close(Client_);  // the process callback is done after this
            Client_ = nullptr;
        }
        if (Now_) jack_ringbuffer_free(Now_);
        if (Timed_) jack_ringbuffer_free(Timed_);
        Now_ = Timed_ = nullptr;
    }

    static int Process(jack_nframes_t frames, void* self) {
        static_cast<TJackOutDevice*>(self)->Cycle(frames);
        return 0;
    }

    // Messages sent now first, at the cycle's start, then the timed ones due before its end at
    // their frames; times never decrease within a cycle, so a message sent now lands between
    // two of a song's, whole. What does not fit waits for the next cycle.
    void Cycle(jack_nframes_t frames) {
        void* buffer = jack_port_get_buffer(Port_, frames);
        jack_midi_clear_buffer(buffer);
        const size_t largest = jack_midi_max_event_size(buffer);
        const jack_nframes_t start = jack_last_frame_time(Client_);
        Largest_.store(largest, std::memory_order_relaxed);
        jack_nframes_t last = 0;
        // Messages sent now that did not all fit go first in the next cycle, before anything later.
        if (Drain(Now_, buffer, frames, largest, start, false, last)) Drain(Timed_, buffer, frames, largest, start, true, last);
    }

    // True when everything due in this cycle went out.
    bool Drain(jack_ringbuffer_t* ring, void* buffer, jack_nframes_t frames, size_t largest, jack_nframes_t start,
               bool timed, jack_nframes_t& last) {
        for (;;) {
            THeader header;
            if (jack_ringbuffer_peek(ring, reinterpret_cast<char*>(&header), sizeof header) < sizeof header) return true;
            const size_t whole = sizeof header + header.Size;
            if (jack_ringbuffer_read_space(ring) < whole) return true;
            jack_nframes_t at = last;
            if (timed) {
                const uint32_t generation = Generation_.load(std::memory_order_acquire);
                if (int32_t(header.Generation - generation) < 0) {
                    jack_ringbuffer_read_advance(ring, whole);
                    continue;
                }
                const jack_nframes_t frame = jack_time_to_frames(Client_, jack_time_t(header.Due));
                const auto offset = int32_t(frame - start);
                if (offset >= int32_t(frames)) return true;
                if (offset > int32_t(at)) at = jack_nframes_t(offset);
            }
            if (header.Size > largest) {
                // No cycle could carry it; waiting would hold up everything behind it.
                jack_ringbuffer_read_advance(ring, whole);
                continue;
            }
            jack_midi_data_t* data = jack_midi_event_reserve(buffer, at, header.Size);
            if (!data) return false;  // the cycle is full: the rest waits for the next
            jack_ringbuffer_read_advance(ring, sizeof header);
            jack_ringbuffer_read(ring, reinterpret_cast<char*>(data), header.Size);
            last = at;
        }
    }

    std::string Target_;
    jack_client_t* Client_ = nullptr;
    jack_port_t* Port_ = nullptr;
    jack_ringbuffer_t* Now_ = nullptr;    // sent now: the user-interface thread -> the callback
    jack_ringbuffer_t* Timed_ = nullptr;  // with due times: the player -> the callback
    std::atomic<uint32_t> Generation_{0};
    std::atomic<size_t> Largest_{0};  // the largest message an empty cycle holds, once one ran
};

}  // namespace

int64_t SteadyMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::unique_ptr<IMidiOutDevice> OpenJackOutput(const TMidiDeviceInfo& info) {
    return std::make_unique<TJackOutDevice>(info);
}

}  // namespace veka
