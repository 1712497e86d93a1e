#include "midi/midi_input.h"

#include <algorithm>
#include <cstring>

namespace veka {

TMidiInput::TMidiInput() {
    DeviceCount_ = int(TMidiDevices::Instance().Inputs().size());
    const auto& list = TMidiDevices::Instance().Inputs();
    if (!list.empty()) ProductName_ = list.front().Name;
}

TMidiInput::~TMidiInput() {
    try {
        Close();
    } catch (...) {
    }
}

void TMidiInput::SetDeviceID(int id) {
    if (IsOpen()) throw EMidiInputError("Change to DeviceID while device was open");
    const auto& list = TMidiDevices::Instance().Inputs();
    DeviceCount_ = int(list.size());
    if (id < 0 || id >= DeviceCount_) throw EMidiInputError("Invalid device ID");
    DeviceID_ = id;
    ProductName_ = list[size_t(id)].Name;
}

void TMidiInput::SetProductName(const std::string& name) {
    if (IsOpen()) throw EMidiInputError("Change to ProductName while device was open");
    const auto& list = TMidiDevices::Instance().Inputs();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Name == name) {
            SetDeviceID(int(i));
            return;
        }
    throw EMidiInputError("MIDI Input Device " + name + " not installed ");
}

void TMidiInput::SetSysexBufferSize(int bytes) {
    if (IsOpen()) throw EMidiInputError("Change to SysexBufferSize while device was open");
    SysexBufferSize_ = std::clamp(bytes, 0, 65535);
}

void TMidiInput::SetSysexBufferCount(int count) {
    if (IsOpen()) throw EMidiInputError("Change to SysexBuffercount while device was open");
    SysexBufferCount_ = std::clamp(count, 0, 1024);
}

void TMidiInput::Open() {
    if (IsOpen()) return;
    // Everything the driver's thread touches is allocated before the device can call back.
    Ring_ = std::make_unique<TSpscRing<TEntry>>(size_t(std::clamp(Capacity, 1, 1 << 20)));
    const int buffers = SysexBufferSize_ > 0 ? SysexBufferCount_ : 0;
    SysexPool_.assign(size_t(buffers) * size_t(SysexBufferSize_), 0);
    FreeBuffers_ = std::make_unique<TSpscRing<int32_t>>(size_t(std::max(buffers, 1)));
    for (int32_t i = 0; i < buffers; ++i) FreeBuffers_->Push(i);
    Spare_ = -1;
    Clock_ = 0;
    DataNotice_ = false;
    OverflowNotice_ = false;
    try {
        Device_ = TMidiDevices::Instance().OpenInput(DeviceID_, &TMidiInput::Callback, this);
        Error_.clear();
    } catch (const std::exception& e) {
        Error_ = e.what();
        Ring_.reset();
        FreeBuffers_.reset();
        throw EMidiInputError(e.what());
    }
}

void TMidiInput::Start() {
    if (IsOpen()) Device_->Start();
}

void TMidiInput::Stop() {
    if (IsOpen()) Device_->Stop();
}

void TMidiInput::Close() {
    if (!IsOpen()) return;
    Device_->Stop();
    Device_.reset();  // the driver's thread is done with the ring after this
    Ring_.reset();
    FreeBuffers_.reset();
    SysexPool_.clear();
    SysexPool_.shrink_to_fit();
    Gone_ = false;
}

bool TMidiInput::Look() {
    if (!IsOpen() || !LookAtDevice(*Device_, Gone_)) return false;
    if (OnGoneChanged) OnGoneChanged();
    return true;
}

size_t TMidiInput::PendingCount() const { return IsOpen() && Ring_ ? Ring_->Size() : 0; }

void TMidiInput::Callback(void* self, double delta, const uint8_t* data, size_t size) {
    static_cast<TMidiInput*>(self)->Receive(delta, data, size);
}

void TMidiInput::NoteLost() {
    Lost_.fetch_add(1, std::memory_order_relaxed);
    OverflowNotice_.store(true, std::memory_order_release);
}

void TMidiInput::Receive(double deltaSeconds, const uint8_t* data, size_t size) {
    if (!Ring_ || !data || size == 0) return;
    Clock_ += deltaSeconds > 0 ? deltaSeconds : 0;
    const uint8_t status = data[0];
    if (status == 0xFE || status == 0xF8) return;  // active sensing and timing clock
    TEntry entry;
    entry.Time = uint32_t(Clock_ * 1000.0);
    if (status == 0xF0) {
        int32_t buffer = Spare_;
        Spare_ = -1;
        if (buffer < 0 && (!FreeBuffers_ || !FreeBuffers_->Pop(buffer))) {
            NoteLost();
        } else {
            // A message longer than a buffer is cut to the buffer, never written past it.
            const size_t length = std::min(size, size_t(SysexBufferSize_));
            std::memcpy(SysexPool_.data() + size_t(buffer) * size_t(SysexBufferSize_), data, length);
            entry.Buffer = buffer;
            entry.Length = uint32_t(length);
            if (!Ring_->Push(entry)) {
                Spare_ = buffer;
                NoteLost();
            }
        }
    } else {
        if (SysexOnly_.load(std::memory_order_relaxed)) return;
        entry.Short = uint32_t(status) | uint32_t(size > 1 ? data[1] : 0) << 8 | uint32_t(size > 2 ? data[2] : 0) << 16;
        if (!Ring_->Push(entry)) NoteLost();
    }
    if (entry.Buffer >= 0 || entry.Short != 0) DataNotice_.store(true, std::memory_order_release);
    if (Wake) Wake();
}

std::optional<TMyMidiEvent> TMidiInput::NextEvent() {
    if (!IsOpen() || !Ring_) return std::nullopt;
    TEntry entry;
    if (!Ring_->Pop(entry)) return std::nullopt;
    TMyMidiEvent event;
    event.Time = entry.Time;
    if (entry.Buffer >= 0) {
        const uint8_t* bytes = SysexPool_.data() + size_t(entry.Buffer) * size_t(SysexBufferSize_);
        event.Status = 0xF0;
        event.Sysex.assign(bytes, bytes + entry.Length);
        FreeBuffers_->Push(entry.Buffer);  // back to the driver's pool
    } else {
        event.Status = uint8_t(entry.Short & 0xFF);
        event.Data1 = uint8_t(entry.Short >> 8 & 0xFF);
        event.Data2 = uint8_t(entry.Short >> 16 & 0xFF);
    }
    return event;
}

void TMidiInput::DispatchNotices() {
    if (OverflowNotice_.exchange(false, std::memory_order_acq_rel) && OnOverflow && IsOpen()) OnOverflow();
    if (DataNotice_.exchange(false, std::memory_order_acq_rel) && OnMidiInput && IsOpen() && PendingCount() > 0)
        OnMidiInput();
}

}  // namespace veka
