#pragma once
// A song laid out for playing: the channel and exclusive messages of every track in time order
// (the lower track first at one tick), each with its time by the song's tempo map and the port
// its track names with a port meta event (FF 21) before it; Port A without one. The meta events
// are the clock's (song_clock.h); nothing else of them is played.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "smf/song_clock.h"

namespace veka {

class TSMF;

struct TScheduledEvent {
    int64_t Tick = 0;
    int64_t Microseconds = 0;  // from the song's start
    uint32_t Sysex = 0;        // an exclusive message's place in the schedule's store
    uint8_t Port = 0;          // 0..3
    uint8_t Size = 0;          // bytes of a channel message (2 or 3); 0 for an exclusive message
    std::array<uint8_t, 3> Bytes{};

    bool IsSysex() const { return Size == 0; }
    uint8_t Kind() const { return Bytes[0] & 0xF0; }
    int Channel() const { return Bytes[0] & 0x0F; }
    int Part() const { return Port * 16 + Channel(); }  // 0..63
    bool IsNoteOn() const { return Size == 3 && Kind() == 0x90 && Bytes[2] > 0; }
    bool IsNoteOff() const { return Size == 3 && (Kind() == 0x80 || (Kind() == 0x90 && Bytes[2] == 0)); }
};

class TSongSchedule {
public:
    static constexpr int kPorts = 4;
    // The largest exclusive message kept; a longer one (a sample dump, say) is left out.
    static constexpr size_t kMaxSysexBytes = 64 * 1024;

    // The song's tracks hold delta times, as stored.
    explicit TSongSchedule(const TSMF& song);

    const TSongClock& Clock() const { return Clock_; }
    const std::vector<TScheduledEvent>& Events() const { return Events_; }
    std::span<const uint8_t> SysexOf(const TScheduledEvent& event) const;
    // The first event at or after the tick.
    size_t FirstAt(int64_t tick) const;
    // Where the song ends: its last event or End of Track, whichever is later.
    int64_t EndTick() const { return EndTick_; }
    // The ports the song's messages go to.
    const std::array<bool, kPorts>& PortsUsed() const { return PortsUsed_; }
    // Exclusive messages left out: continuation packets (F7) and those over kMaxSysexBytes.
    int LeftOut() const { return LeftOut_; }

private:
    TSongClock Clock_;
    std::vector<TScheduledEvent> Events_;
    std::vector<uint8_t> SysexStore_;
    std::vector<uint32_t> SysexStart_;  // one more than the messages: the end of the last
    std::array<bool, kPorts> PortsUsed_{};
    int64_t EndTick_ = 0;
    int LeftOut_ = 0;
};

}  // namespace veka
