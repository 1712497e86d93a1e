#pragma once
// The song player's messages on the transmitter's outputs, beside the edits: the transmitter
// stays the one owner of each port, and a song's message is written whole between two edits.
// The song's messages go to the device as they are: no lamp, no history, no count of what a
// gone port missed (only edits are caught up).
#include <cstdint>
#include <functional>

#include "document/song_player.h"

namespace veka {

class TTransmitter;

class TTransmitterOutlet : public ISongOutlet {
public:
    // How often the outputs in use are looked at while a song plays.
    static constexpr int64_t kLookEveryMicroseconds = 250'000;

    // clock: microseconds of a monotonic clock (the steady clock when empty; the JACK outputs
    // count due times on it).
    explicit TTransmitterOutlet(TTransmitter& transmitter, std::function<int64_t()> clock = {});

    int64_t NowMicroseconds() override;
    bool Ready(int port) override;
    bool Gone(int port) override;
    bool Timed(int port) override;
    bool SendAt(int port, std::span<const uint8_t> message, int64_t dueMicroseconds) override;
    void SendNow(int port, std::span<const uint8_t> message) override;
    void DropScheduled(int port) override;

private:
    TTransmitter& Transmitter_;
    std::function<int64_t()> Clock_;
    int64_t LastLook_ = INT64_MIN / 2;
};

}  // namespace veka
