#include "smf/song_schedule.h"

#include <algorithm>

#include "smf/smf.h"

namespace veka {

TSongSchedule::TSongSchedule(const TSMF& song) : Clock_(song) {
    SysexStart_.push_back(0);
    for (const TSMFEventList& track : song.Tracks) {
        int64_t tick = 0;
        uint8_t port = 0;
        for (const TSMFEvent& event : track) {
            tick += std::max<int32_t>(0, event.Time);
            EndTick_ = std::max(EndTick_, tick);
            if (event.IsMeta(mtPort)) {
                // As the setup analysis reads it: a port beyond Port D is Port A.
                if (event.DataLength() >= 1) port = event.Data()[0] < kPorts ? event.Data()[0] : 0;
                continue;
            }
            TScheduledEvent scheduled;
            scheduled.Tick = tick;
            scheduled.Port = port;
            if (event.IsChannel()) {
                const uint8_t kind = event.Status & 0xF0;
                scheduled.Size = (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
                scheduled.Bytes = {event.Status, uint8_t(event.Data1 & 0x7F), uint8_t(event.Data2 & 0x7F)};
            } else if (event.Kind == ekSysx) {
                const auto data = event.Data();
                if (data.size() < 2 || data[0] != 0xF0 || data.size() > kMaxSysexBytes) {
                    ++LeftOut_;
                    continue;
                }
                scheduled.Sysex = uint32_t(SysexStart_.size() - 1);
                SysexStore_.insert(SysexStore_.end(), data.begin(), data.end());
                // A message the file left without its F7 is ended here, as the module expects.
                if (data.back() != 0xF7) SysexStore_.push_back(0xF7);
                SysexStart_.push_back(uint32_t(SysexStore_.size()));
            } else {
                continue;
            }
            PortsUsed_[port] = true;
            Events_.push_back(scheduled);
        }
    }
    // The tracks were taken one after the other: a stable sort keeps the lower track first.
    std::stable_sort(Events_.begin(), Events_.end(),
                     [](const TScheduledEvent& a, const TScheduledEvent& b) { return a.Tick < b.Tick; });
    for (TScheduledEvent& event : Events_) event.Microseconds = Clock_.Microseconds(event.Tick);
}

std::span<const uint8_t> TSongSchedule::SysexOf(const TScheduledEvent& event) const {
    if (!event.IsSysex() || event.Sysex + 1 >= SysexStart_.size()) return {};
    const uint32_t begin = SysexStart_[event.Sysex];
    return {SysexStore_.data() + begin, SysexStart_[event.Sysex + 1] - begin};
}

size_t TSongSchedule::FirstAt(int64_t tick) const {
    const auto at = std::lower_bound(Events_.begin(), Events_.end(), tick,
                                     [](const TScheduledEvent& e, int64_t t) { return e.Tick < t; });
    return size_t(at - Events_.begin());
}

}  // namespace veka
