#include "midi/timed_output.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

#include <chrono>
#include <cstring>

#include "midi/jack_output.h"

namespace veka {

namespace {

// Below the priorities JACK gives its audio threads (about 70 and up): the song's messages
// must not take time from a server's cycle on the same machine.
constexpr int kRealTimePriority = 20;

std::chrono::steady_clock::time_point SteadyAt(int64_t microseconds) {
    return std::chrono::steady_clock::time_point(std::chrono::microseconds(microseconds));
}

}  // namespace

TTimedOutDevice::TTimedOutDevice(std::unique_ptr<IMidiOutDevice> device) : Device_(std::move(device)) {
    Queue_.reserve(kQueueBytes);
    Thread_ = std::thread([this] { Run(); });
}

TTimedOutDevice::~TTimedOutDevice() {
    {
        const std::lock_guard<std::mutex> guard(Lock_);
        Quit_ = true;
    }
    Wake_.notify_all();
    Thread_.join();
}

void TTimedOutDevice::ThrowFailure() {
    if (Failure_.empty()) return;
    const std::string failure = std::move(Failure_);
    Failure_.clear();
    throw EMidiDeviceError(failure);
}

void TTimedOutDevice::Send(std::span<const uint8_t> message) {
    const std::lock_guard<std::mutex> guard(Lock_);
    Device_->Send(message);
}

bool TTimedOutDevice::Present() {
    const std::lock_guard<std::mutex> guard(Lock_);
    return Device_->Present();
}

bool TTimedOutDevice::Reconnect() {
    const std::lock_guard<std::mutex> guard(Lock_);
    return Device_->Reconnect();
}

bool TTimedOutDevice::SendAt(std::span<const uint8_t> message, int64_t dueMicroseconds) {
    if (message.empty()) return true;
    const size_t need = sizeof(THeader) + message.size();
    if (need > kQueueBytes)
        throw EMidiDeviceError("MIDI message of " + std::to_string(message.size()) +
                               " bytes not sent: longer than the output's queue of " + std::to_string(kQueueBytes) +
                               " bytes");
    bool first = false;
    {
        const std::lock_guard<std::mutex> guard(Lock_);
        ThrowFailure();
        if (Queue_.size() - Read_ + need > kQueueBytes) return false;
        if (Queue_.size() + need > kQueueBytes) {
            // What was sent is dropped from the front, so the reserved storage suffices.
            Queue_.erase(Queue_.begin(), Queue_.begin() + std::ptrdiff_t(Read_));
            Read_ = 0;
        }
        first = Read_ == Queue_.size();
        const THeader header{dueMicroseconds, uint32_t(message.size())};
        const auto* bytes = reinterpret_cast<const uint8_t*>(&header);
        Queue_.insert(Queue_.end(), bytes, bytes + sizeof header);
        Queue_.insert(Queue_.end(), message.begin(), message.end());
    }
    // The thread sleeps to the first message's time; a later one is no reason to wake it.
    if (first) Wake_.notify_all();
    return true;
}

void TTimedOutDevice::DropScheduled() {
    {
        const std::lock_guard<std::mutex> guard(Lock_);
        ClearQueue();
    }
    Wake_.notify_all();
}

bool TTimedOutDevice::RealTime() const {
    const std::lock_guard<std::mutex> guard(Lock_);
    return RealTime_;
}

void TTimedOutDevice::ClearQueue() {
    Queue_.clear();
    Read_ = 0;
}

void TTimedOutDevice::Pop(const THeader& header) {
    Read_ += sizeof header + header.Size;
    if (Read_ == Queue_.size()) ClearQueue();
}

void TTimedOutDevice::Run() {
    // A sleep to a due time ends up to the thread's timer slack late (50 us unless told).
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    sched_param param{};
    param.sched_priority = kRealTimePriority;
    const bool realTime = pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;

    std::unique_lock<std::mutex> lock(Lock_);
    RealTime_ = realTime;
    int64_t closeBy = 0;
    for (;;) {
        if (Quit_ && closeBy == 0) closeBy = SteadyMicroseconds() + kCloseWaitMicroseconds;
        if (Read_ == Queue_.size()) {
            if (Quit_) return;
            Wake_.wait(lock);
            continue;
        }
        THeader header;
        std::memcpy(&header, Queue_.data() + Read_, sizeof header);
        if (Quit_ && header.Due > closeBy) return;  // nobody waits for those any more
        if (SteadyMicroseconds() < header.Due) {
            // Woken early (a drop, the close, or for nothing): look again.
            Wake_.wait_until(lock, SteadyAt(header.Due));
            continue;
        }
        const std::span<const uint8_t> message(Queue_.data() + Read_ + sizeof header, header.Size);
        try {
            Device_->Send(message);
        } catch (const std::exception& e) {
            // The player hears of it at its next hand-over and stops; what is queued is moot.
            Failure_ = e.what();
            ClearQueue();
            continue;
        }
        Pop(header);
    }
}

std::unique_ptr<IMidiOutDevice> SendOnTime(std::unique_ptr<IMidiOutDevice> device) {
    return std::make_unique<TTimedOutDevice>(std::move(device));
}

}  // namespace veka
