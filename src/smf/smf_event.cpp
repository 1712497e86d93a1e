#include "smf/smf_event.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace veka {

TSMFEvent::TSMFEvent(const TSMFEvent& other)
    : Time(other.Time), Data2(other.Data2), Status(other.Status), Data1(other.Data1), Kind(other.Kind),
      Track(other.Track) {
    SetData(other.Data());
}

TSMFEvent& TSMFEvent::operator=(const TSMFEvent& other) {
    if (this == &other) return *this;
    Time = other.Time;
    Data2 = other.Data2;
    Status = other.Status;
    Data1 = other.Data1;
    Kind = other.Kind;
    Track = other.Track;
    SetData(other.Data());
    return *this;
}

void TSMFEvent::SetData(std::span<const uint8_t> bytes) {
    if (bytes.empty()) {
        Bytes_.reset();
        Length_ = 0;
        return;
    }
    auto copy = std::make_unique<uint8_t[]>(bytes.size());
    std::memcpy(copy.get(), bytes.data(), bytes.size());
    Bytes_ = std::move(copy);
    Length_ = uint32_t(bytes.size());
}

void TSMFEvent::SetData(uint8_t first, std::span<const uint8_t> rest) {
    auto copy = std::make_unique<uint8_t[]>(rest.size() + 1);
    copy[0] = first;
    if (!rest.empty()) std::memcpy(copy.get() + 1, rest.data(), rest.size());
    Bytes_ = std::move(copy);
    Length_ = uint32_t(rest.size() + 1);
}

bool TSMFEvent::operator==(const TSMFEvent& other) const {
    const auto a = Data(), b = other.Data();
    return Time == other.Time && Data2 == other.Data2 && Status == other.Status && Data1 == other.Data1 &&
           Kind == other.Kind && Track == other.Track && std::equal(a.begin(), a.end(), b.begin(), b.end());
}

TSMFEvent MakeChannelEvent(int32_t time, uint8_t status, uint8_t data1, uint8_t data2, uint8_t track) {
    TSMFEvent e;
    e.Time = time;
    e.Kind = ekMidi;
    e.Status = status;
    e.Data1 = data1;
    const uint8_t high = status & 0xF0;
    e.Data2 = (high == 0xC0 || high == 0xD0) ? 0 : data2;
    e.Track = track;
    return e;
}

TSMFEvent MakeMetaEvent(int32_t time, uint8_t type, std::span<const uint8_t> data, uint8_t track) {
    TSMFEvent e;
    e.Time = time;
    e.Kind = ekMeta;
    e.Status = 0xFF;
    e.Data1 = type;
    e.Data2 = int32_t(data.size());
    e.Track = track;
    e.SetData(data);
    return e;
}

TSMFEvent MakeTextEvent(int32_t time, uint8_t type, std::string_view text, uint8_t track) {
    return MakeMetaEvent(time, type,
                         std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()), track);
}

TSMFEvent MakeSysexEvent(int32_t time, std::span<const uint8_t> message, uint8_t track) {
    TSMFEvent e;
    e.Time = time;
    e.Kind = ekSysx;
    e.Track = track;
    e.SetData(message);
    return e;
}

TSMFEvent MakeEndOfTrack(int32_t time, uint8_t track) { return MakeMetaEvent(time, mtEndOfTrack, {}, track); }

int32_t AddTicks(int64_t a, int64_t b) {
    return int32_t(std::clamp<int64_t>(a + b, 0, std::numeric_limits<int32_t>::max()));
}

int32_t DeltaToAbsolute(TSMFEventList& list) {
    int32_t t = 0;
    for (TSMFEvent& e : list) {
        t = AddTicks(t, e.Time);
        e.Time = t;
    }
    return t;
}

void AbsoluteToDelta(TSMFEventList& list) {
    for (size_t i = list.size(); i-- > 1;) list[i].Time = std::max<int32_t>(0, list[i].Time - list[i - 1].Time);
    if (!list.empty()) list[0].Time = std::max<int32_t>(0, list[0].Time);
}

int FirstChannel(const TSMFEventList& list) {
    for (const TSMFEvent& e : list)
        if (e.IsChannel()) return e.Channel();
    return kNoChannel;
}

namespace {

void Compact(TSMFEventList& list, const std::vector<bool>& flags, bool carryDelta) {
    const size_t n = std::min(list.size(), flags.size());
    size_t i = 0;
    while (i < n && !flags[i]) ++i;  // nothing before the first removal moves
    size_t out = i;
    int64_t carry = 0;
    for (; i < list.size(); ++i) {
        if (i < n && flags[i]) {
            if (carryDelta) carry += list[i].Time;
            continue;
        }
        if (carry != 0) {
            list[i].Time = AddTicks(list[i].Time, carry);
            carry = 0;
        }
        if (out != i) list[out] = std::move(list[i]);
        ++out;
    }
    list.resize(out);
}

}  // namespace

void RemoveFlagged(TSMFEventList& list, const std::vector<bool>& flags) { Compact(list, flags, false); }

void RemoveFlaggedKeepingTimes(TSMFEventList& list, const std::vector<bool>& flags) { Compact(list, flags, true); }

}  // namespace veka
