#include "midi/midi_output.h"

namespace veka {

TMidiOutput::TMidiOutput() { DeviceCount_ = int(TMidiDevices::Instance().Outputs().size()); }

TMidiOutput::~TMidiOutput() { Close(); }

void TMidiOutput::SetDeviceID(int id) {
    if (IsOpen()) throw EmidioutputError("Change to DeviceID while device was open");
    DeviceCount_ = int(TMidiDevices::Instance().Outputs().size());
    if (id >= DeviceCount_) throw EmidioutputError("Invalid device ID");
    DeviceID_ = id < 0 ? -1 : id;
    const int effective = DeviceID_ < 0 ? 0 : DeviceID_;
    const auto& list = TMidiDevices::Instance().Outputs();
    ProductName_ = effective < int(list.size()) ? list[size_t(effective)].Name : std::string();
}

void TMidiOutput::SetProductName(const std::string& name) {
    if (IsOpen()) throw EmidioutputError("Change to ProductName while device was open");
    const auto& list = TMidiDevices::Instance().Outputs();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].Name != name) continue;
        SetDeviceID(int(i));
        return;
    }
    throw EmidioutputError("MIDI output Device " + name + " not installed");
}

bool TMidiOutput::Open() {
    if (IsOpen()) return true;
    try {
        Device_ = TMidiDevices::Instance().OpenOutput(DeviceID_ < 0 ? 0 : DeviceID_);
        LastError_.clear();
        return true;
    } catch (const std::exception& e) {
        LastError_ = e.what();
        return false;
    }
}

bool TMidiOutput::Close() {
    const bool wasOpen = IsOpen();
    Device_.reset();
    Gone_ = false;
    return wasOpen;
}

bool TMidiOutput::Look() { return IsOpen() && LookAtDevice(*Device_, Gone_); }

void TMidiOutput::SendShort(uint8_t status, uint8_t data1, uint8_t data2) {
    // Channel messages carry one or two data bytes; program change and channel pressure one.
    const uint8_t kind = status & 0xF0;
    const size_t size = (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
    const uint8_t message[3] = {status, uint8_t(data1 & 0x7F), uint8_t(data2 & 0x7F)};
    std::string failure;
    if (!IsOpen()) {
        failure = "MIDI Output device not open";
    } else {
        try {
            Device_->Send(std::span<const uint8_t>(message, size));
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    if (OnChannelMessage) OnChannelMessage(status, data1, data2);
    if (!failure.empty()) throw EmidioutputError(failure);
}

void TMidiOutput::SendLong(std::span<const uint8_t> bytes) {
    if (!IsOpen()) throw EmidioutputError("MIDI Output device not open");
    if (bytes.empty()) return;
    try {
        Device_->Send(bytes);
    } catch (const std::exception& e) {
        throw EmidioutputError(e.what());
    }
    if (Onmidioutput) Onmidioutput();
}

bool TMidiOutput::SendAt(std::span<const uint8_t> message, int64_t dueMicroseconds) {
    if (!IsOpen()) throw EmidioutputError("MIDI Output device not open");
    try {
        return Device_->SendAt(message, dueMicroseconds);
    } catch (const std::exception& e) {
        throw EmidioutputError(e.what());
    }
}

void TMidiOutput::SendEvent(const TMyMidiEvent& event) {
    if (!IsOpen()) throw EmidioutputError("MIDI Output device not open");
    if (event.IsSysex())
        SendLong(event.Sysex);
    else
        SendShort(event.Status, event.Data1, event.Data2);
}

}  // namespace veka
