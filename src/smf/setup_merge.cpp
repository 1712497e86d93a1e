#include "smf/setup_merge.h"

#include <algorithm>
#include <array>

#include "smf/smf.h"

namespace veka {

namespace {

bool ByTime(const TSMFEvent& a, const TSMFEvent& b) { return a.Time < b.Time; }

// first's events before second's at equal times.
TSMFEventList MergeByTime(TSMFEventList&& first, TSMFEventList&& second) {
    TSMFEventList out;
    out.reserve(first.size() + second.size());
    std::merge(std::make_move_iterator(first.begin()), std::make_move_iterator(first.end()),
               std::make_move_iterator(second.begin()), std::make_move_iterator(second.end()), std::back_inserter(out),
               ByTime);
    return out;
}

bool HasTrackName(const TSMFEventList& list) {
    return std::any_of(list.begin(), list.end(), [](const TSMFEvent& e) { return e.IsMeta(mtTrackName); });
}

void DropEndOfTrack(TSMFEventList& list) {
    if (!list.empty() && list.back().IsEndOfTrack()) list.pop_back();
}

void DropTrackNames(TSMFEventList& list) {
    std::erase_if(list, [](const TSMFEvent& e) { return e.IsMeta(mtTrackName); });
}

// A part list with nothing to set: its name, port and End of Track only.
bool CarriesNothing(const TSMFEventList& list) {
    return std::all_of(list.begin(), list.end(), [](const TSMFEvent& e) {
        return e.IsMeta(mtTrackName) || e.IsMeta(mtPort) || e.IsEndOfTrack();
    });
}

int32_t LastTime(const TSMFEventList& list) { return list.empty() ? 0 : list.back().Time; }

size_t LeadingNames(const TSMFEventList& track) {
    size_t n = 0;
    while (n < track.size() && track[n].Time == 0 && track[n].IsMeta(mtTrackName)) ++n;
    return n;
}

// Puts a list (absolute times) into a song track (delta times) by time. Only the song's events
// up to the list's last time are touched; the rest keeps its deltas, but for the first. At
// equal times the song's events come first (songFirst) or the list's - the song track's
// leading names always stay in front.
void InsertByTime(TSMFEventList& track, TSMFEventList&& list, bool songFirst) {
    if (list.empty()) return;
    const int32_t last = list.back().Time;
    size_t n = 0;
    int32_t now = 0;
    while (n < track.size() && AddTicks(now, track[n].Time) <= last) now = AddTicks(now, track[n++].Time);
    TSMFEventList prefix(std::make_move_iterator(track.begin()), std::make_move_iterator(track.begin() + std::ptrdiff_t(n)));
    DeltaToAbsolute(prefix);
    TSMFEventList merged;
    if (songFirst) {
        merged = MergeByTime(std::move(prefix), std::move(list));
    } else {
        const size_t names = LeadingNames(prefix);
        merged.assign(std::make_move_iterator(prefix.begin()), std::make_move_iterator(prefix.begin() + std::ptrdiff_t(names)));
        prefix.erase(prefix.begin(), prefix.begin() + std::ptrdiff_t(names));
        for (TSMFEvent& e : MergeByTime(std::move(list), std::move(prefix))) merged.push_back(std::move(e));
    }
    const int32_t mergedEnd = LastTime(merged);
    AbsoluteToDelta(merged);
    if (n < track.size()) track[n].Time = std::max<int32_t>(0, AddTicks(now, track[n].Time) - mergedEnd);
    merged.reserve(merged.size() + track.size() - n);
    for (size_t i = n; i < track.size(); ++i) merged.push_back(std::move(track[i]));
    track = std::move(merged);
}

}  // namespace

void MergeSetup(TSMF& smf, TSetupTracks&& setup) {
    if (smf.Tracks.empty()) smf.AddTrack();
    // The setup's lists are small: they are merged with absolute times. The song keeps its
    // delta times, so only the events near its start are touched.
    DeltaToAbsolute(setup.Conductor);
    for (TPartList& part : setup.Parts) DeltaToAbsolute(part.Events);

    // Each channel belongs to the first song track that uses it.
    std::array<int, 16> trackOfChannel;
    trackOfChannel.fill(-1);
    for (size_t t = 0; t < smf.Tracks.size(); ++t) {
        const int ch = FirstChannel(smf.Tracks[t]);
        if (ch < 16 && trackOfChannel[size_t(ch)] < 0) trackOfChannel[size_t(ch)] = int(t);
    }

    // The song starts on the first bar line after the setup's last event. Names at the very
    // start of a track stay there.
    int32_t setupEnd = LastTime(setup.Conductor);
    for (const TPartList& part : setup.Parts) setupEnd = std::max(setupEnd, LastTime(part.Events));
    const int32_t bar = smf.BarLength();
    const int64_t delay = (int64_t(setupEnd) / bar + 1) * bar;
    for (TSMFEventList& list : smf.Tracks) {
        const size_t first = LeadingNames(list);
        if (first < list.size()) list[first].Time = AddTicks(list[first].Time, delay);
    }

    // The conductor joins the first track; the song's own name wins over "Conductor Track",
    // and the track keeps one End of Track, after its last event.
    {
        TSMFEventList& first = smf.Tracks[0];
        DropEndOfTrack(first);
        DropEndOfTrack(setup.Conductor);
        if (HasTrackName(first)) DropTrackNames(setup.Conductor);
        InsertByTime(first, std::move(setup.Conductor), true);
        first.push_back(MakeEndOfTrack(0));
    }

    // Part lists in front of the song track on their channel, or in a track of their own.
    // One Port A list per channel has a slot; the others (a channel two parts share, the parts
    // of the other ports) always get a track of their own.
    std::array<bool, 16> slotTaken{};
    for (TPartList& part : setup.Parts) {
        TSMFEventList& list = part.Events;
        const bool slot = part.Port == 0 && part.Channel >= 0 && part.Channel < 16 && !slotTaken[size_t(part.Channel)];
        if (slot) slotTaken[size_t(part.Channel)] = true;
        const int target = slot ? trackOfChannel[size_t(part.Channel)] : -1;
        if (target >= 0) {
            TSMFEventList& track = smf.Tracks[size_t(target)];
            DropEndOfTrack(list);
            if (HasTrackName(track)) DropTrackNames(list);
            InsertByTime(track, std::move(list), false);
            continue;
        }
        if (CarriesNothing(list)) continue;
        const int added = smf.AddTrack();
        if (added >= 0) {
            AbsoluteToDelta(list);
            smf.Tracks[size_t(added)] = std::move(list);
            smf.TrackNames[size_t(added)].clear();
        } else {
            // All 128 tracks are in use: the list joins the first track rather than being lost.
            DropEndOfTrack(list);
            DropTrackNames(list);
            InsertByTime(smf.Tracks[0], std::move(list), false);
        }
    }

    // The tracks after the first in the order of their first channel, without channel last.
    std::vector<int> channel(smf.Tracks.size());
    for (size_t t = 0; t < smf.Tracks.size(); ++t) channel[t] = FirstChannel(smf.Tracks[t]);
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t t = 1; t + 1 < smf.Tracks.size(); ++t) {
            if (channel[t] <= channel[t + 1]) continue;
            std::swap(channel[t], channel[t + 1]);
            std::swap(smf.Tracks[t], smf.Tracks[t + 1]);
            std::swap(smf.TrackNames[t], smf.TrackNames[t + 1]);
            swapped = true;
        }
    }
}

void InstallSetup(TSMF& smf, TSetupTracks&& setup) {
    smf.Clear();
    smf.Tracks.push_back(std::move(setup.Conductor));
    for (TPartList& part : setup.Parts) {
        if (smf.TrackCount() >= TSMF::kMaxTracks) break;
        smf.Tracks.push_back(std::move(part.Events));
    }
    for (std::string& name : smf.TrackNames) name.clear();
}

bool RemoveOldSetup(TSMF& smf) {
    for (TSMFEventList& list : smf.Tracks) DeltaToAbsolute(list);
    int64_t marker = -1;
    for (const TSMFEventList& list : smf.Tracks) {
        for (const TSMFEvent& e : list)
            if (e.IsMeta(mtText) && e.Text() == kEndOfSetup) {
                marker = e.Time;
                break;
            }
        if (marker >= 0) break;
    }
    if (marker < 0) {
        for (TSMFEventList& list : smf.Tracks) AbsoluteToDelta(list);
        return false;
    }
    // Everything up to the end of the bar that holds the marker goes, also when the marker lies
    // on a bar line itself.
    const int64_t bar = smf.BarLength();
    const int64_t cut = (marker / bar + 1) * bar - 1;
    for (TSMFEventList& list : smf.Tracks) {
        std::vector<bool> drop(list.size(), false);
        for (size_t i = 0; i < list.size(); ++i) {
            TSMFEvent& e = list[i];
            if (e.Time > cut) {
                e.Time = int32_t(e.Time - (cut + 1));
            } else if (e.IsMeta(mtTrackName)) {
                e.Time = 0;
            } else {
                drop[i] = true;
            }
        }
        RemoveFlagged(list, drop);
        AbsoluteToDelta(list);
    }
    return true;
}

}  // namespace veka
