#include "smf/setup_analysis.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <set>

#include "image_writer/image_writer.h"
#include "module/exclusive.h"
#include "module/image.h"
#include "smf/gs_exclusive_decode.h"
#include "smf/smf.h"

namespace veka {

namespace {

constexpr int32_t kNoHorizon = std::numeric_limits<int32_t>::max();
constexpr uint8_t kDataEntry = 6, kDataEntryLsb = 38;
constexpr uint8_t kNrpnLsb = 98, kNrpnMsb = 99, kRpnLsb = 100, kRpnMsb = 101;

const char* AnalyzingText(TLanguage language) { return language == TLanguage::Japanese ? "解釈中" : "Analyzing"; }

// One "Rx. Channel" exclusive: from Time on, the part receives on Channel.
struct TRxChange {
    int32_t Time;
    int Port, Part, Channel;
};

// The channel each part receives on at a time in a track: the image's values before the song,
// then the song's "Rx. Channel" messages in time order.
class TChannelMap {
public:
    TChannelMap(const TVGS& image, std::vector<TRxChange> changes) : Changes_(std::move(changes)) {
        std::stable_sort(Changes_.begin(), Changes_.end(),
                         [](const TRxChange& a, const TRxChange& b) { return a.Time < b.Time; });
        for (int port = 0; port < kPortCount; ++port)
            for (int part = 1; part <= kPartsPerPort; ++part)
                Start_[size_t(port)][size_t(part)] = image.Part(port, part, ppRxChannel).Value;
    }
    void StartTrack() {
        Now_ = Start_;
        Next_ = 0;
    }
    // The parts of port that receive channel at time.
    const std::vector<int>& PartsOn(int port, int channel, int32_t time) {
        while (Next_ < Changes_.size() && Changes_[Next_].Time <= time) {
            const TRxChange& c = Changes_[Next_++];
            Now_[size_t(c.Port)][size_t(c.Part)] = c.Channel;
        }
        Parts_.clear();
        for (int part = 1; part <= kPartsPerPort; ++part)
            if (Now_[size_t(port)][size_t(part)] == channel) Parts_.push_back(part);
        return Parts_;
    }

private:
    using TTable = std::array<std::array<int32_t, kPartsPerPort + 1>, kPortCount>;
    std::vector<TRxChange> Changes_;
    TTable Start_{}, Now_{};
    size_t Next_ = 0;
    std::vector<int> Parts_;
};

// The end of a track's setup area: its first note-on above velocity 2. Events after it in the
// track are not examined, even at the same tick.
bool IsRealNote(const TSMFEvent& e) { return e.IsChannel() && (e.Status & 0xF0) == 0x90 && e.Data2 > 2; }

void SetClamped(TOneParameter& p, int32_t value) { p.Value = std::clamp(value, std::min(p.Min, p.Max), p.Max); }

// Part parameter carried by a controller of the table (bank select MSB and LSB included).
int ParameterOfController(int controller) {
    static const std::array<int, 128> table = [] {
        std::array<int, 128> t{};
        for (int n = 1; n <= kPartParameterCount; ++n)
            if (ChannelForm(n).Cc >= 0 && ChannelForm(n).Cc < 128) t[size_t(ChannelForm(n).Cc)] = n;
        return t;
    }();
    return controller >= 0 && controller < 128 ? table[size_t(controller)] : 0;
}

int ParameterOfNumber(bool rpn, int msb, int lsb) {
    for (int n = 1; n <= kPartParameterCount; ++n) {
        const TChannelForm& f = ChannelForm(n);
        if (rpn ? (f.RpnMsb == msb && f.RpnLsb == lsb) : (f.NrpnMsb == msb && f.NrpnLsb == lsb)) return n;
    }
    return 0;
}

class TAnalysis {
public:
    TAnalysis(TVGS& image, TSMF& smf, const TProgress& progress)
        : Image_(image), Writer_(image), Smf_(smf), Progress_(progress) {}

    TAnalysisResult Run() {
        if (Smf_.Format == 0) Smf_.SplitTracks();
        const size_t count = Smf_.Tracks.size();
        Port_.assign(count, 0);
        Times_.assign(count, {});
        Flags_.assign(count, {});
        // The lists keep their delta times: only the setup area at the start of each track,
        // up to its first real note, is looked at, with its absolute times beside it.
        int32_t smallest = kNoHorizon;
        std::vector<bool> hasNote(count, false);
        for (size_t t = 0; t < count; ++t) {
            const TSMFEventList& list = Smf_.Tracks[t];
            int32_t now = 0;
            bool portSeen = false;
            for (const TSMFEvent& e : list) {
                now = AddTicks(now, e.Time);
                if (IsRealNote(e)) {
                    hasNote[t] = true;
                    smallest = std::min(smallest, now);
                    break;
                }
                if (!portSeen && e.IsMeta(mtPort) && e.DataLength() >= 1) {
                    Port_[t] = e.Data()[0] < kPortCount ? e.Data()[0] : 0;
                    portSeen = true;
                }
                Times_[t].push_back(now);
            }
        }
        // A track without a real note is read up to the first note of the song; a song with no
        // note at all (a setup on its own) is read to its end.
        size_t events = 0;
        for (size_t t = 0; t < count; ++t) {
            if (!hasNote[t]) {
                auto& times = Times_[t];
                times.erase(std::upper_bound(times.begin(), times.end(), smallest), times.end());
            }
            Flags_[t].assign(Times_[t].size(), false);
            events += Times_[t].size();
        }
        TotalEvents_ = int(std::min<size_t>(events * 3, INT32_MAX));

        TAnalysisResult result;
        result.OverlapCount = CountSharedChannels();
        Channels_.emplace(Image_, CollectRxChanges(smallest));
        MainPass();
        ApplyDrumSettings();
        NumberPass(false);
        NumberPass(true);
        for (size_t t = 0; t < count; ++t) RemoveFlaggedKeepingTimes(Smf_.Tracks[t], Flags_[t]);
        result.Applied = Applied_;
        if (result.OverlapCount > 0) result.Message = SharedChannelMessage(result.OverlapCount, Image_.Language);
        Progress_.Finish();
        return result;
    }

private:
    int CountSharedChannels() const {
        std::map<std::pair<int, int>, int> users;
        for (size_t t = 0; t < Smf_.Tracks.size(); ++t) {
            const int ch = FirstChannel(Smf_.Tracks[t]);
            if (ch != kNoChannel) ++users[{Port_[t], ch}];
        }
        int shared = 0;
        for (const auto& [key, n] : users)
            if (n > 1) shared += n;
        return shared;
    }

    std::vector<TRxChange> CollectRxChanges(int32_t smallest) {
        std::vector<TRxChange> changes;
        std::vector<TGsAssignment> values;
        for (size_t t = 0; t < Smf_.Tracks.size(); ++t)
            for (size_t i = 0; i < Times_[t].size() && Times_[t][i] <= smallest; ++i) {
                const TSMFEvent& e = Smf_.Tracks[t][i];
                if (e.Kind != ekSysx || DecodeGsExclusive(Image_, e.Data(), values, Port_[t]) != TGsMessage::Parameters)
                    continue;
                for (const TGsAssignment& a : values)
                    if (a.Kind == LinkPart && a.Parameter == ppRxChannel)
                        changes.push_back({Times_[t][i], a.Port, a.Owner, a.Value});
            }
        return changes;
    }

    void Progress() {
        if (++Counted_ % 1000 == 0) Progress_.Report(TotalEvents_, Counted_, AnalyzingText(Image_.Language));
    }

    // Applied events are flagged and go at the end; the later passes no longer see them.
    void Remove(size_t track, size_t index) {
        if (!Flags_[track][index]) ++Applied_;
        Flags_[track][index] = true;
    }

    void MainPass() {
        std::vector<TGsAssignment> values;
        for (size_t t = 0; t < Smf_.Tracks.size(); ++t) {
            const TSMFEventList& list = Smf_.Tracks[t];
            Channels_->StartTrack();
            for (size_t i = 0; i < Times_[t].size(); ++i) {
                const TSMFEvent& e = list[i];
                Progress();
                if (e.IsChannel()) {
                    if (ApplyChannelMessage(e, Port_[t], Times_[t][i])) Remove(t, i);
                } else if (e.Kind == ekSysx) {
                    const TGsMessage kind = DecodeGsExclusive(Image_, e.Data(), values, Port_[t]);
                    if (kind == TGsMessage::NotUnderstood) continue;
                    for (const TGsAssignment& a : values) ApplyExclusive(a);
                    Remove(t, i);
                }
            }
        }
    }

    bool ApplyChannelMessage(const TSMFEvent& e, int port, int32_t time) {
        const uint8_t high = e.Status & 0xF0;
        if (high != 0xB0 && high != 0xC0) return false;
        const int parameter = high == 0xB0 ? ParameterOfController(e.Data1) : ppToneNumber;
        if (parameter == 0) return false;
        const std::vector<int>& parts = Channels_->PartsOn(port, e.Channel(), time);
        if (parts.empty()) return false;
        for (int part : parts) {
            TOneParameter& p = Writer_.Part(port, part, parameter);
            if (high == 0xC0) {
                p.Value = p.Value / 128 * 128 + e.Data1;
                LoadDrumSetOfPart(port, part);
            } else if (parameter == ppToneNumber) {
                p.Value = e.Data2 * 128 + p.Value % 128;  // bank select MSB keeps the program
            } else if (parameter == ppToneMap) {
                SetClamped(p, e.Data2 == 0 ? Image_.ToneMapOfModuleType() : e.Data2);
            } else {
                SetClamped(p, e.Data2);
            }
        }
        return true;
    }

    void LoadDrumSetOfPart(int port, int part) {
        const int map = Image_.Part(port, part, ppRhythm).Value;
        if (map < 1 || map > kDrumMapsPerPort) return;
        const int program = Image_.Part(port, part, ppToneNumber).Value % 128;
        const int toneMap = Image_.Part(port, part, ppToneMap).Value;
        Image_.LoadDrumSet(port, map, program, toneMap);
        Image_.DrumSet(port, map).ToneMap = toneMap;
        Image_.DrumSet(port, map).Program = program;
    }

    void ApplyExclusive(const TGsAssignment& a) {
        switch (a.Kind) {
            case LinkSystem:
                SetClamped(Writer_.System(a.Owner), a.Value);
                Image_.ApplySystemSideEffects(a.Owner, Image_.System(a.Owner).Value);
                break;
            case LinkPart: SetClamped(Writer_.Part(a.Port, a.Owner, a.Parameter), a.Value); break;
            // A program change later in the song would load the drum set over them: drum values
            // wait until the pass is over.
            case LinkDrum: DrumSettings_.push_back(a); break;
            case LinkUserDrum:
                SetClamped(Writer_.UserDrum(a.Owner, a.Parameter, a.Note), a.Value);
                UserDrumsChanged_ = true;
                break;
        }
    }

    // Drum parts whose drum set came by exclusive get it loaded; then the user drum sets reach
    // the maps that play them, and the song's drum values go on top.
    void ApplyDrumSettings() {
        for (int port = 0; port < kPortCount; ++port) {
            std::set<int> done;
            for (int part = 1; part <= kPartsPerPort; ++part) {
                const int map = Image_.Part(port, part, ppRhythm).Value;
                if (map < 1 || map > kDrumMapsPerPort || !done.insert(map).second) continue;
                const TDrumSetRecord& rec = Image_.DrumSet(port, map);
                const int program = Image_.Part(port, part, ppToneNumber).Value % 128;
                const int toneMap = Image_.Part(port, part, ppToneMap).Value;
                if (!rec.Found || rec.Program != program || rec.ToneMap != toneMap) LoadDrumSetOfPart(port, part);
            }
        }
        if (UserDrumsChanged_) Image_.CopyUserDrumsIntoMaps();
        for (const TGsAssignment& a : DrumSettings_) SetClamped(Writer_.Drum(a.Port, a.Owner, a.Parameter, a.Note), a.Value);
    }

    // NRPN (rpn false) or RPN sequences: controller 99/98 or 101/100 name the parameter, 6 sets
    // it; for the fine tuning RPN a following 38 completes the value.
    void NumberPass(bool rpn) {
        struct TState {
            int Msb = -1, Lsb = -1;
            size_t MsbAt = 0, LsbAt = 0;
            int FineMsb = -1;  // data entry of the fine tuning RPN waiting for its LSB
        };
        const uint8_t msbCc = rpn ? kRpnMsb : kNrpnMsb, lsbCc = rpn ? kRpnLsb : kNrpnLsb;
        const uint8_t otherMsb = rpn ? kNrpnMsb : kRpnMsb, otherLsb = rpn ? kNrpnLsb : kRpnLsb;
        for (size_t t = 0; t < Smf_.Tracks.size(); ++t) {
            const TSMFEventList& list = Smf_.Tracks[t];
            Channels_->StartTrack();
            std::array<TState, 16> state{};
            for (size_t i = 0; i < Times_[t].size(); ++i) {
                const TSMFEvent& e = list[i];
                Progress();
                if (Flags_[t][i] || !e.IsChannel() || (e.Status & 0xF0) != 0xB0) continue;
                TState& s = state[size_t(e.Channel())];
                const uint8_t cc = e.Data1;
                const int v = e.Data2 & 0x7F;
                if (cc == msbCc || cc == lsbCc) {
                    (cc == msbCc ? s.Msb : s.Lsb) = v;
                    (cc == msbCc ? s.MsbAt : s.LsbAt) = i;
                    s.FineMsb = -1;
                } else if (cc == otherMsb || cc == otherLsb) {
                    s = TState{};
                } else if (cc == kDataEntry) {
                    s.FineMsb = -1;
                    if (s.Msb < 0 || s.Lsb < 0) continue;
                    const int parameter = ParameterOfNumber(rpn, s.Msb, s.Lsb);
                    if (parameter == 0) continue;
                    int32_t value = v;
                    if (parameter == ppPitchFineTune) {
                        value = v * 128;
                        s.FineMsb = v;
                    } else if (parameter == ppBendPitchControl) {
                        value = 64 + v;  // the bend range in semitones above the centre
                    }
                    if (!SetOnChannel(t, i, parameter, value)) continue;
                    Remove(t, s.MsbAt);
                    Remove(t, s.LsbAt);
                    Remove(t, i);
                } else if (cc == kDataEntryLsb && rpn && s.FineMsb >= 0) {
                    if (SetOnChannel(t, i, ppPitchFineTune, s.FineMsb * 128 + v)) Remove(t, i);
                    s.FineMsb = -1;
                }
            }
        }
    }

    bool SetOnChannel(size_t track, size_t index, int parameter, int32_t value) {
        const TSMFEvent& e = Smf_.Tracks[track][index];
        const std::vector<int>& parts = Channels_->PartsOn(Port_[track], e.Channel(), Times_[track][index]);
        for (int part : parts) SetClamped(Writer_.Part(Port_[track], part, parameter), value);
        return !parts.empty();
    }

    TVGS& Image_;
    TImageWriter Writer_;  // the setup is stored without an event per value
    TSMF& Smf_;
    const TProgress& Progress_;
    std::vector<std::vector<int32_t>> Times_;  // absolute times of each track's setup area
    std::vector<int> Port_;
    std::vector<std::vector<bool>> Flags_;
    std::optional<TChannelMap> Channels_;
    std::vector<TGsAssignment> DrumSettings_;
    bool UserDrumsChanged_ = false;
    int Applied_ = 0;
    int TotalEvents_ = 0;
    int Counted_ = 0;
};

}  // namespace

std::string SharedChannelMessage(int count, TLanguage language) {
    if (language == TLanguage::Japanese)
        return "このSMFには1つのﾁｬﾝﾈﾙを複数のﾄﾗｯｸから使用している部分が見つかりました\r\nﾄﾗｯｸの重複数 : " +
               std::to_string(count) + "\r\nもしこのSMFが32Part用に作られた物の場合、正確には読み取れません";
    return "Some tracks specify one channel in this file.\r\nTotal number of overlapped tracks : " +
           std::to_string(count) + "\r\nIf this SMF is for dual-module, Veka won't be able to be understood properly.";
}

TAnalysisResult AnalyzeSetup(TVGS& image, TSMF& smf, const TProgress& progress) {
    return TAnalysis(image, smf, progress).Run();
}

}  // namespace veka
