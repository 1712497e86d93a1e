#include "jack_peer.h"

#include <jack/midiport.h>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace veka::test {

namespace {

constexpr size_t kRingBytes = size_t(1) << 22;

void Quiet(const char*) {}

std::string StatusText(jack_status_t status) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", unsigned(status));
    return text;
}

template <typename TDone>
bool PollUntil(std::chrono::milliseconds timeout, TDone done) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

}  // namespace

std::string TJackPeer::ServerAbsence() {
    // libjack reports a missing server on standard error; the skip message says it once.
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
    jack_status_t status{};
    jack_client_t* client = jack_client_open("veka-jack-probe", JackNoStartServer, &status);
    if (!client) return "no JACK server answers (jack_client_open status " + StatusText(status) + ")";
    jack_client_close(client);
    return {};
}

TJackPeer::TJackPeer(const std::string& name, TJackPace pace) : Pace_(pace) {
    jack_status_t status{};
    Client_ = jack_client_open(name.c_str(), JackNoStartServer, &status);
    if (!Client_) throw std::runtime_error("JACK client " + name + " could not open (status " + StatusText(status) + ")");
    // Everything the process callback touches exists before the client is activated.
    Outgoing_ = jack_ringbuffer_create(kRingBytes);
    Incoming_ = jack_ringbuffer_create(kRingBytes);
    In_ = jack_port_register(Client_, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    Out_ = jack_port_register(Client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    if (!Outgoing_ || !Incoming_ || !In_.load() || !Out_.load()) {
        Release();
        throw std::runtime_error("JACK client " + name + ": ports or rings could not be made");
    }
    InputName_ = jack_port_name(In_.load());
    OutputName_ = jack_port_name(Out_.load());
    jack_set_process_callback(Client_, &TJackPeer::Process, this);
    jack_set_xrun_callback(Client_, &TJackPeer::Xrun, this);
    if (jack_activate(Client_) != 0) {
        Release();
        throw std::runtime_error("JACK client " + name + " could not be activated");
    }
}

TJackPeer::~TJackPeer() { Release(); }

void TJackPeer::Release() {
    if (Client_) {
        jack_deactivate(Client_);
        jack_client_close(Client_);  // the process callback is done after this
        Client_ = nullptr;
    }
    if (Outgoing_) jack_ringbuffer_free(Outgoing_);
    if (Incoming_) jack_ringbuffer_free(Incoming_);
    Outgoing_ = Incoming_ = nullptr;
}

int TJackPeer::Process(jack_nframes_t frames, void* self) {
    auto* peer = static_cast<TJackPeer*>(self);
    if (jack_port_t* in = peer->In_.load(std::memory_order_acquire)) peer->Record(jack_port_get_buffer(in, frames));
    // Without the output its messages wait in the ring for the port to come back.
    if (jack_port_t* out = peer->Out_.load(std::memory_order_acquire)) peer->Emit(jack_port_get_buffer(out, frames), frames);
    peer->Cycles_.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

int TJackPeer::Xrun(void* self) {
    static_cast<TJackPeer*>(self)->Xruns_.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

void TJackPeer::Record(void* buffer) {
    const jack_nframes_t start = jack_last_frame_time(Client_);
    const uint32_t count = jack_midi_get_event_count(buffer);
    for (uint32_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, buffer, i) != 0) continue;
        const uint32_t size = uint32_t(event.size);
        const uint32_t frame = start + event.time;  // when it arrived, in JACK's frames
        if (jack_ringbuffer_write_space(Incoming_) < sizeof size + sizeof frame + size) {
            RecordOverflows_.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        jack_ringbuffer_write(Incoming_, reinterpret_cast<const char*>(&size), sizeof size);
        jack_ringbuffer_write(Incoming_, reinterpret_cast<const char*>(&frame), sizeof frame);
        jack_ringbuffer_write(Incoming_, reinterpret_cast<const char*>(event.buffer), size);
    }
}

void TJackPeer::Emit(void* buffer, jack_nframes_t frames) {
    jack_midi_clear_buffer(buffer);
    const size_t largest = jack_midi_max_event_size(buffer);
    PortBufferBytes_.store(largest, std::memory_order_relaxed);
    size_t events = 0, bytes = 0;
    while (events < Pace_.EventsPerCycle) {
        uint32_t size = 0;
        if (jack_ringbuffer_peek(Outgoing_, reinterpret_cast<char*>(&size), sizeof size) < sizeof size) break;
        if (jack_ringbuffer_read_space(Outgoing_) < sizeof size + size) break;
        if (size > largest) {
            // No cycle could carry it; waiting would stall everything behind it.
            jack_ringbuffer_read_advance(Outgoing_, sizeof size + size);
            OversizeDrops_.fetch_add(1, std::memory_order_relaxed);
            Emitted_.fetch_add(1, std::memory_order_release);
            continue;
        }
        if (events > 0 && bytes + size > Pace_.BytesPerCycle) break;
        if (size > jack_midi_max_event_size(buffer)) break;  // this cycle is full; the next one takes it
        // Event times never decrease within a cycle.
        const auto time = jack_nframes_t(std::min<size_t>(events, frames > 0 ? frames - 1 : 0));
        jack_midi_data_t* data = jack_midi_event_reserve(buffer, time, size);
        if (!data) break;
        jack_ringbuffer_read_advance(Outgoing_, sizeof size);
        jack_ringbuffer_read(Outgoing_, reinterpret_cast<char*>(data), size);
        ++events;
        bytes += size;
        Emitted_.fetch_add(1, std::memory_order_release);
    }
}

void TJackPeer::RemovePort(std::atomic<jack_port_t*>& port) {
    jack_port_t* old = port.exchange(nullptr, std::memory_order_acq_rel);
    if (!old) return;
    // A cycle that loaded the port before the exchange ends before two more have run.
    WaitCycles(2, std::chrono::seconds(2));
    jack_port_unregister(Client_, old);
}

void TJackPeer::RestorePort(std::atomic<jack_port_t*>& port, const char* name, unsigned long flags) {
    if (port.load()) return;
    jack_port_t* made = jack_port_register(Client_, name, JACK_DEFAULT_MIDI_TYPE, flags, 0);
    if (!made) throw std::runtime_error(std::string("JACK port ") + name + " could not be registered again");
    port.store(made, std::memory_order_release);
}

bool TJackPeer::WaitConnected(jack_port_t* port, std::chrono::milliseconds timeout) {
    const auto start = std::chrono::steady_clock::now();
    if (!PollUntil(timeout, [port] { return jack_port_connected(port) > 0; })) return false;
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    return WaitCycles(2, timeout > spent ? timeout - spent : std::chrono::milliseconds(0));
}

bool TJackPeer::WaitCycles(uint64_t count, std::chrono::milliseconds timeout) {
    const uint64_t target = Cycles_.load(std::memory_order_relaxed) + count;
    return PollUntil(timeout, [this, target] { return Cycles_.load(std::memory_order_relaxed) >= target; });
}

bool TJackPeer::Send(std::span<const uint8_t> message) {
    if (message.empty() || message.size() > kRingBytes) return false;
    const auto size = uint32_t(message.size());
    if (jack_ringbuffer_write_space(Outgoing_) < sizeof size + size) return false;
    // The callback takes a message only once its length and all its bytes are readable.
    jack_ringbuffer_write(Outgoing_, reinterpret_cast<const char*>(&size), sizeof size);
    jack_ringbuffer_write(Outgoing_, reinterpret_cast<const char*>(message.data()), size);
    ++Queued_;
    return true;
}

bool TJackPeer::WaitSent(std::chrono::milliseconds timeout) {
    return PollUntil(timeout, [this] { return Emitted_.load(std::memory_order_acquire) >= Queued_; });
}

const std::vector<std::vector<uint8_t>>& TJackPeer::Received() {
    for (;;) {
        uint32_t size = 0;
        if (jack_ringbuffer_peek(Incoming_, reinterpret_cast<char*>(&size), sizeof size) < sizeof size) break;
        uint32_t frame = 0;
        if (jack_ringbuffer_read_space(Incoming_) < sizeof size + sizeof frame + size) break;
        jack_ringbuffer_read_advance(Incoming_, sizeof size);
        jack_ringbuffer_read(Incoming_, reinterpret_cast<char*>(&frame), sizeof frame);
        std::vector<uint8_t> bytes(size);
        jack_ringbuffer_read(Incoming_, reinterpret_cast<char*>(bytes.data()), size);
        Received_.push_back(std::move(bytes));
        ReceivedFrames_.push_back(frame);
    }
    return Received_;
}

const std::vector<uint32_t>& TJackPeer::ReceivedFrames() {
    Received();
    return ReceivedFrames_;
}

uint32_t TJackPeer::SampleRate() const { return jack_get_sample_rate(Client_); }

bool TJackPeer::WaitReceived(size_t count, std::chrono::milliseconds timeout) {
    return PollUntil(timeout, [this, count] { return Received().size() >= count; });
}

}  // namespace veka::test
