#pragma once
// One event of a song and the track lists that hold them. A list keeps delta times while it
// is stored and absolute times while it is being processed; the operations below switch.
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace veka {

enum TSMFEventKind : uint8_t { ekNone = 0, ekMidi = 1, ekSysx = 2, ekMeta = 3 };

// The track field of events read from a format 0 file and of events the program adds.
inline constexpr uint8_t kNoTrack = 0xFF;
// "First channel" of a list without channel messages.
inline constexpr int kNoChannel = 100;

enum TMetaType : uint8_t {
    mtText = 0x01, mtNotice = 0x02, mtTrackName = 0x03, mtPort = 0x21, mtEndOfTrack = 0x2F,
    mtTempo = 0x51, mtTimeSignature = 0x58, mtKeySignature = 0x59,
};

// 24 bytes plus the data buffer, so a song in memory stays a small multiple of its file.
class TSMFEvent {
public:
    int32_t Time = 0;      // delta or absolute ticks
    int32_t Data2 = 0;     // second data byte; the data length of a meta event
    uint8_t Status = 0;    // 80..EF for channel messages, FF for meta, 0 otherwise
    uint8_t Data1 = 0;     // first data byte; the meta type
    uint8_t Kind = ekNone;
    uint8_t Track = kNoTrack;

    TSMFEvent() = default;
    TSMFEvent(const TSMFEvent& other);
    TSMFEvent& operator=(const TSMFEvent& other);
    TSMFEvent(TSMFEvent&&) noexcept = default;
    TSMFEvent& operator=(TSMFEvent&&) noexcept = default;

    // Exclusive bytes from F0 (or F7 for a continuation) through the end, or the meta data.
    std::span<const uint8_t> Data() const { return {Bytes_.get(), Length_}; }
    uint32_t DataLength() const { return Length_; }
    void SetData(std::span<const uint8_t> bytes);
    void SetData(uint8_t first, std::span<const uint8_t> rest);  // first, then rest
    int32_t MetaType() const { return Kind == ekMeta ? Data1 : 0; }

    bool IsMeta(uint8_t type) const { return Kind == ekMeta && Data1 == type; }
    bool IsEndOfTrack() const { return IsMeta(mtEndOfTrack); }
    bool IsChannel() const { return Kind == ekMidi && Status >= 0x80 && Status < 0xF0; }
    bool IsController(uint8_t number) const { return IsChannel() && (Status & 0xF0) == 0xB0 && Data1 == number; }
    int Channel() const { return Status & 0x0F; }
    std::string_view Text() const {
        return {reinterpret_cast<const char*>(Bytes_.get()), Length_};
    }

    bool operator==(const TSMFEvent& other) const;

private:
    uint32_t Length_ = 0;
    std::unique_ptr<uint8_t[]> Bytes_;
};

using TSMFEventList = std::vector<TSMFEvent>;

// Builders of the common events (track field FF unless given).
TSMFEvent MakeChannelEvent(int32_t time, uint8_t status, uint8_t data1, uint8_t data2 = 0, uint8_t track = kNoTrack);
TSMFEvent MakeMetaEvent(int32_t time, uint8_t type, std::span<const uint8_t> data, uint8_t track = kNoTrack);
TSMFEvent MakeTextEvent(int32_t time, uint8_t type, std::string_view text, uint8_t track = kNoTrack);
TSMFEvent MakeSysexEvent(int32_t time, std::span<const uint8_t> message, uint8_t track = kNoTrack);
TSMFEvent MakeEndOfTrack(int32_t time, uint8_t track = kNoTrack);

// A + b limited to 0..INT32_MAX, for times that must not wrap.
int32_t AddTicks(int64_t a, int64_t b);

// Running sum over the list; returns the last absolute time (0 for an empty list). Sums beyond
// INT32_MAX stay there.
int32_t DeltaToAbsolute(TSMFEventList& list);
// From the end backwards; a list out of time order gets delta 0 where it would go negative.
void AbsoluteToDelta(TSMFEventList& list);
// Low four bits of the first channel message's status, kNoChannel when there is none.
int FirstChannel(const TSMFEventList& list);
// Removes the events whose flag is set, keeping the order (for lists with absolute times).
// Flags beyond the list's end are ignored; events beyond the flags' end stay.
void RemoveFlagged(TSMFEventList& list, const std::vector<bool>& flags);
// The same for a list with delta times: a removed event's delta passes to the next event
// that stays, so every other event keeps its time.
void RemoveFlaggedKeepingTimes(TSMFEventList& list, const std::vector<bool>& flags);

}  // namespace veka
