#pragma once
// TMidiOutput: one MIDI output device. Opens and closes it, sends channel messages and whole
// exclusive messages. Sends are synchronous here, so Onmidioutput follows the send at once.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

#include "midi/midi_devices.h"
#include "midi/midi_event.h"

namespace veka {

class EmidioutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMidiOutput {
public:
    TMidiOutput();
    ~TMidiOutput();
    TMidiOutput(const TMidiOutput&) = delete;
    TMidiOutput& operator=(const TMidiOutput&) = delete;

    int DeviceID() const { return DeviceID_; }
    // Only while closed; below the device count (-1 = the first device, as a mapper would).
    void SetDeviceID(int id);
    const std::string& ProductName() const { return ProductName_; }
    // Only while closed; selects the device of that name.
    void SetProductName(const std::string& name);
    int DeviceCount() const { return DeviceCount_; }

    // True when the device was opened; never throws. LastError() keeps the reason.
    bool Open();
    bool Close();
    bool IsOpen() const { return Device_ != nullptr; }
    // A device that went away (unplugged, its JACK or ALSA client gone) leaves the port open
    // and what is sent to it goes nowhere without an error. Look notes that, and connects again
    // once a device of the same name is back; true when Gone() changed. A closed port is not
    // looked at.
    bool Look();
    bool Gone() const { return Gone_; }
    const std::string& LastError() const { return LastError_; }

    void SendShort(uint8_t status, uint8_t data1, uint8_t data2);
    void SendLong(std::span<const uint8_t> bytes);
    void SendEvent(const TMyMidiEvent& event);

    // A song's messages, handed over ahead of their time where the device keeps them until
    // then (Timed: JACK and ALSA); elsewhere SendAt sends at once and the caller sends when
    // due. No lamp and no events: the player has its own. False when the device's queue is full.
    bool Timed() const { return Device_ && Device_->Timed(); }
    bool SendAt(std::span<const uint8_t> message, int64_t dueMicroseconds);
    // Drops the song's messages handed over that have not gone out yet.
    void DropScheduled() {
        if (Device_) Device_->DropScheduled();
    }

    std::function<void()> Onmidioutput;
    std::function<void(uint8_t b1, uint8_t b2, uint8_t b3)> OnChannelMessage;

private:
    int DeviceID_ = -1;
    std::string ProductName_;
    int DeviceCount_ = 0;
    std::string LastError_;
    std::unique_ptr<IMidiOutDevice> Device_;
    bool Gone_ = false;
};

}  // namespace veka
