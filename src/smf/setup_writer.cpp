#include "smf/setup_writer.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "module/exclusive.h"
#include "module/image.h"
#include "module/image_value_texts.h"
#include "module/parameter_tables.h"
#include "module/value_texts.h"
#include "smf/smf.h"

namespace veka {

namespace {

constexpr int kDefaultSongTempo = 120;  // what a song without a tempo event plays at
constexpr int kControllerLength = 3;
constexpr uint8_t kDummyNote = 0x40, kDummyVelocity = 0x01;

std::string Trim(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
    return text;
}

std::string Texts(TLanguage language, const char* japanese, const char* english) {
    return language == TLanguage::Japanese ? japanese : english;
}

// Appends events to one list. Each event comes after the wait the previous message left
// pending; a text takes that wait over, so the message it announces follows at delta 0.
class TListBuilder {
public:
    TListBuilder(TSMFEventList& list, uint8_t track) : List_(list), Track_(track) {}
    void Add(TSMFEvent e) { Place(Pending_, std::move(e)); }
    void AddAfter(int32_t delta, TSMFEvent e) { Place(delta, std::move(e)); }
    void Wait(int ticks) { Pending_ = ticks; }
    int32_t End() const { return AddTicks(Now_, Pending_); }
    int32_t Now() const { return Now_; }

private:
    void Place(int32_t delta, TSMFEvent e) {
        Now_ = AddTicks(Now_, delta);
        Pending_ = 0;
        e.Time = Now_;
        e.Track = Track_;
        List_.push_back(std::move(e));
    }
    TSMFEventList& List_;
    uint8_t Track_;
    int32_t Now_ = 0;
    int32_t Pending_ = 0;
};

class TSetupBuilder {
public:
    TSetupBuilder(TVGS& image, const TOrderList& order, const TSetupOptions& options, const TConductorData& conductor,
                  const TProgress& progress)
        : Image_(image), Order_(order), Options_(options), Conductor_(conductor), Progress_(progress),
          Setup_(SetupList_, 1) {
        Tempo_ = options.Tempo > 0 ? options.Tempo : kDefaultSongTempo;
        TimeBase_ = std::clamp(options.TimeBase, 1, 0x7FFF);
    }

    TSetupTracks Run() {
        BuildConductor();
        BuildSetupHead();
        BuildSystemItems();
        const int ports = Options_.Format == 0 ? 1 : Image_.ActivePortCount();
        const bool userDrums = std::any_of(Order_.begin(), Order_.end(), [](const TOrderItem& i) { return i.Group == ogUserDrum; });
        // Every list exists before anything is added, so the builders' references stay good.
        Out_.Parts.resize(size_t(ports) * kPartsPerPort);
        for (int port = 0; port < ports; ++port)
            for (int part = 1; part <= kPartsPerPort; ++part) {
                TPartList& list = Out_.Parts[size_t(port * kPartsPerPort + part - 1)];
                list.Port = port;
                list.Part = part;
                list.Channel = PartChannel(Image_, port, part);
                Builders_.emplace_back(list.Events, uint8_t(16 * port + part + 1));
            }
        States_.resize(Out_.Parts.size());
        for (int port = 0; port < ports; ++port) {
            for (int part = 1; part <= kPartsPerPort; ++part) BuildPart(port, part);
            if (port == 0 && userDrums) BuildUserDrums();
            BuildDrums(port);
        }
        Finish();
        Progress_.Finish();
        return std::move(Out_);
    }

private:
    // ---- conductor -------------------------------------------------------------------------
    void BuildConductor() {
        TSMFEventList& c = Out_.Conductor;
        c.push_back(MakeTextEvent(0, mtTrackName, Options_.Format == 0 ? "" : "Conductor Track", 0));
        if (!Conductor_.Notice.empty()) c.push_back(MakeTextEvent(0, mtNotice, Conductor_.Notice, 0));
        // A song without a time signature, key or tempo plays 4/4, C major, 120 bpm.
        const int numerator = Conductor_.Numerator > 0 ? Conductor_.Numerator : 4;
        const int denominator = Conductor_.Denominator > 0 ? Conductor_.Denominator : 4;
        uint8_t exponent = 0;
        while ((1 << exponent) < denominator && exponent < 6) ++exponent;
        std::vector<uint8_t> timeSignature = {uint8_t(numerator), exponent, 0x18, 0x08};
        const auto& own = Conductor_.TimeSignatureData;
        if (own.size() == 4 && own[0] == timeSignature[0] && own[1] == exponent) timeSignature = own;
        c.push_back(MakeMetaEvent(0, mtTimeSignature, timeSignature, 0));
        std::vector<uint8_t> key(2, 0);
        for (size_t k = 0; k < 2 && k < Conductor_.KeySignature.size(); ++k) key[k] = Conductor_.KeySignature[k];
        c.push_back(MakeMetaEvent(0, mtKeySignature, key, 0));
        uint32_t us = uint32_t(std::lround(60000000.0 / Tempo_));
        // A song's own tempo stays exact: beats per minute are rounded.
        if (Options_.TempoMicroseconds > 0 && Options_.TempoMicroseconds <= 0xFFFFFF &&
            std::lround(60000000.0 / Options_.TempoMicroseconds) == Tempo_)
            us = Options_.TempoMicroseconds;
        us = std::min<uint32_t>(us, 0xFFFFFF);
        const uint8_t tempo[3] = {uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)};
        c.push_back(MakeMetaEvent(0, mtTempo, tempo, 0));
        c.push_back(MakeEndOfTrack(0, 0));
    }

    // ---- setup list ------------------------------------------------------------------------
    void AddText(TListBuilder& b, const std::string& text) {
        if (Options_.WithText) b.Add(MakeTextEvent(0, mtText, text));
    }
    void AddSysex(TListBuilder& b, const std::vector<uint8_t>& message) {
        if (message.empty()) return;
        b.Add(MakeSysexEvent(0, message));
        b.Wait(SysexTicks(int(message.size()), Tempo_, TimeBase_));
    }
    void AddDummyNotes(TListBuilder& b, int channel) {
        b.AddAfter(1, MakeTextEvent(0, mtText, kDummyNoteText));
        b.AddAfter(1, MakeChannelEvent(0, uint8_t(0x90 | channel), kDummyNote, kDummyVelocity));
        b.AddAfter(1, MakeChannelEvent(0, uint8_t(0x80 | channel), kDummyNote, kDummyVelocity));
    }

    void BuildSetupHead() {
        if (Options_.Format == 0 && Options_.DummyNotes) AddDummyNotes(Setup_, 0);
        const int resetDelta = Options_.Embedding && Options_.DummyNotes ? 3 : 0;
        const std::vector<uint8_t> reset = SystemModeSetMessage(0x10, 0);  // always device 10
        if (Options_.WithText) {
            Setup_.AddAfter(resetDelta, MakeTextEvent(0, mtText, "System Mode 1(GS Reset)"));
            Setup_.AddAfter(0, MakeSysexEvent(0, reset));
        } else {
            Setup_.AddAfter(resetDelta, MakeSysexEvent(0, reset));
        }
        Setup_.AddAfter(TimeBase_ / 2, MakeTextEvent(0, mtText, kStartOfSetup));
    }

    bool ModuleHas(const TOneParameter& p) const { return p.ProOnly != 2 || Image_.ModuleType() >= mtSC88Pro; }

    std::string SystemItemText(int n) {
        const TOneParameter& p = Image_.System(n);
        if (n == spEfxType) {
            const int index = Image_.Data().InsertionIndexOf(p.Value / 128, p.Value % 128);
            const std::string name = index >= 0 ? Trim(Image_.Data().InsertionTypes()[size_t(index)].Name) : "";
            return "Efx : " + (name.empty() ? std::string("Thru") : name);
        }
        std::string name(p.Name);
        for (const auto& rec : Image_.InsertionParameters())
            if (rec.Slot + 36 == n && !Trim(rec.Name).empty()) name = Trim(rec.Name);
        return name + " : " + SystemValueText(Image_, n, p.Value);
    }

    void BuildSystemItems() {
        const std::string text = Texts(Image_.Language, "Master / Effect Parameterの準備中", "Preparing Master / Effect Parameters");
        int count = 0;
        for (const TOrderItem& item : Order_) {
            if (item.Group != ogSystem || !TVGS::ValidSystem(item.Index)) continue;
            Progress(int(Order_.size()), ++count, text);
            const TOneParameter& p = Image_.System(item.Index);
            if (!ModuleHas(p) || (item.ChangedOnly && !IsModified(p))) continue;
            AddText(Setup_, SystemItemText(item.Index));
            AddSysex(Setup_, BuildSystemMessage(Image_, item.Index));
        }
    }

    // ---- parts -----------------------------------------------------------------------------
    struct TPartState {
        size_t FirstShifted = 0;  // events from here on come after the exclusive setup
    };

    std::string PartValue(int port, int part, int n) {
        const int32_t v = Image_.Part(port, part, n).Value;
        std::string text = PartValueText(Image_.Language, n, n == ppPitchOffsetFine ? v - 128 : v);
        return text.empty() ? std::to_string(v) : text;
    }

    void AddController(TListBuilder& b, const TShortMessage& m) {
        b.Add(MakeChannelEvent(0, m.Status, m.Data1, m.Data2));
        b.Wait(SysexTicks(kControllerLength, Tempo_, TimeBase_));
    }

    size_t ListIndex(int port, int part) const { return size_t(port * kPartsPerPort + part - 1); }

    // Where a part's or drum map's exclusive messages go: the setup list for Ports A and B
    // (whose addresses tell them apart), the part's own list - which names its port - for
    // Ports C and D, whose messages have no address form of their own.
    TListBuilder& ExclusiveList(int port, int part) { return port < 2 ? Setup_ : Builders_[ListIndex(port, part)]; }

    void BuildPart(int port, int part) {
        Progress(kPartsPerPort, part, Texts(Image_.Language, "Part Parameterの準備中", "Preparing Part Parameters"));
        TPartList& out = Out_.Parts[ListIndex(port, part)];
        TListBuilder& b = Builders_[ListIndex(port, part)];
        const std::string label = PartName(port, part);
        b.AddAfter(0, MakeTextEvent(0, mtTrackName, label + "-" + Trim(Image_.PartToneName(port, part))));
        // Parts of the second to fourth port name their port, so a sequencer with several
        // outputs plays their channel messages there and the analysis finds them again.
        if (port > 0) {
            const uint8_t p = uint8_t(port);
            b.AddAfter(0, MakeMetaEvent(0, mtPort, std::span<const uint8_t>(&p, 1)));
        }
        if (Options_.Format != 0 && Options_.DummyNotes) AddDummyNotes(b, out.Channel);
        TPartState& state = States_[ListIndex(port, part)];
        state.FirstShifted = out.Events.size();

        const std::string prefix = "Part " + label + " ";
        for (const TOrderItem& item : Order_) {
            if (item.Group != ogPart || !TVGS::ValidPart(port, part, item.Index)) continue;
            const int n = item.Index;
            const TOneParameter& p = Image_.Part(port, part, n);
            if (!ModuleHas(p)) continue;
            if (n == ppScaleTuningC ? !Image_.ScaleTuningModified(port, part) : item.ChangedOnly && !IsModified(p)) continue;
            const std::string text = n == ppScaleTuningC ? prefix + "Scale Tuning"
                                                         : prefix + std::string(p.Name) + " : " + PartValue(port, part, n);
            if (item.Form == ofCC && n == ppToneNumber) {
                const TPartChannelBytes c = PartChannelBytes(Image_, port, part);
                AddText(b, prefix + "Bank Select MSB : " + std::to_string(c.BankMsb));
                AddText(b, prefix + "Bank Select LSB : " + std::to_string(c.BankLsb));
                AddText(b, prefix + "Program Change : " + std::to_string(c.Program));
                AddController(b, {c.ControlStatus, 0, c.BankMsb});
                AddController(b, {c.ControlStatus, 32, c.BankLsb});
                b.Add(MakeChannelEvent(0, c.ProgramStatus, c.Program));
                b.Wait(SysexTicks(kControllerLength, Tempo_, TimeBase_));
                continue;
            }
            TShortMessage cc;
            std::array<TShortMessage, 4> sequence;
            if (item.Form == ofCC && PartNrpnBytes(Image_, port, part, n, cc)) {
                AddText(b, text);
                AddController(b, cc);
            } else if ((item.Form == ofNRPN || item.Form == ofRPN) &&
                       PartRpnBytes(Image_, port, part, item.Form == ofNRPN ? 0 : 1, n, sequence)) {
                AddText(b, text);
                // Only the fine tuning RPN has a meaningful data entry LSB.
                const size_t count = item.Form == ofRPN && n == ppPitchFineTune ? 4 : 3;
                for (size_t k = 0; k < count; ++k) AddController(b, sequence[k]);
            } else {
                // The exclusive form, also for a form the parameter does not have.
                const std::vector<uint8_t> message = SongFormOfMessage(BuildPartMessage(Image_, port, part, n), port);
                if (message.empty()) continue;
                AddText(ExclusiveList(port, part), text);
                AddSysex(ExclusiveList(port, part), message);
            }
        }
    }

    void BuildUserDrums() {
        const std::string text = Texts(Image_.Language, "User Drum Parameterの準備中", "Preparing User Drum Parameters");
        for (int set = 0; set < kUserDrumSetCount; ++set) {
            for (int note = 0; note < kNoteCount; ++note) {
                Progress(kNoteCount * kUserDrumSetCount, set * kNoteCount + note + 1, text);
                if (!Image_.UserDrumNoteModified(set, note)) continue;
                for (int n = 1; n <= kUserDrumParameterCount; ++n) {
                    const TOneParameter& p = Image_.UserDrum(set, n, note);
                    const int reference = Image_.UserDrum(set, 1, note).Default;
                    AddText(Setup_, "UserDrum" + std::to_string(64 + set) + " " + std::string(p.Name) + " : " +
                                        DrumValueText(Image_, set, n, p.Value, note + 1, reference));
                    AddSysex(Setup_, BuildDrumMessage(Image_, true, 0, set, n, note));
                }
            }
        }
    }

    void BuildDrums(int port) {
        const std::string text = Texts(Image_.Language, "Drum Parameterの準備中", "Preparing Drum Parameters");
        std::vector<const TOrderItem*> drumItems;
        for (const TOrderItem& item : Order_)
            if (item.Group == ogDrum && item.Index >= 1 && item.Index <= kDrumParameterCount) drumItems.push_back(&item);
        if (drumItems.empty()) return;
        // Parts sharing a drum map share its values: each map is written once.
        std::set<int> written;
        for (int part = 1; part <= kPartsPerPort; ++part) {
            const int map = Image_.Part(port, part, ppRhythm).Value;
            if (map < 1 || map > kDrumMapsPerPort || !written.insert(map).second) continue;
            const int toneMap = Image_.Part(port, part, ppToneMap).Value;
            const int program = Image_.Part(port, part, ppToneNumber).Value % 128;
            const std::string label = "Drum " + DrumMapName(port, map) + " ";
            for (int note = 0; note < kNoteCount; ++note) {
                Progress(kNoteCount, note + 1, text);
                std::string noteName;
                for (const TOrderItem* item : drumItems) {
                    const int n = item->Index;
                    const TOneParameter& p = Image_.Drum(port, map, n, note);
                    if (item->ChangedOnly && !IsModified(p)) continue;
                    if (Options_.WithText && noteName.empty()) {
                        noteName = Trim(Image_.DrumNoteName(toneMap, program, note));
                        if (noteName.empty()) noteName = NoteText(note);
                    }
                    AddText(ExclusiveList(port, part), label + noteName + " " + std::string(p.Name) + " : " +
                                                           DrumValueText(Image_, -1, n, p.Value, note + 1, p.Default));
                    AddSysex(ExclusiveList(port, part),
                             SongFormOfMessage(BuildDrumMessage(Image_, false, port, map, n, note), port));
                }
            }
        }
    }

    // ---- the end ---------------------------------------------------------------------------
    void Finish() {
        const int32_t exclusiveEnd = Setup_.End();
        // The parts' channel messages come after the exclusive setup (and after the dummy
        // notes); the closing marker comes after everything, so that a later embedding cuts
        // the whole setup away.
        int32_t end = exclusiveEnd;
        for (size_t k = 0; k < Out_.Parts.size(); ++k) {
            TSMFEventList& list = Out_.Parts[k].Events;
            const TPartState& s = States_[k];
            const bool shifted = s.FirstShifted < list.size();
            for (size_t i = s.FirstShifted; i < list.size(); ++i) list[i].Time = AddTicks(list[i].Time, exclusiveEnd);
            end = std::max(end, shifted ? AddTicks(Builders_[k].End(), exclusiveEnd) : (list.empty() ? 0 : list.back().Time));
        }
        Setup_.AddAfter(end - Setup_.Now(), MakeTextEvent(0, mtText, kEndOfSetup));
        Out_.SetupLength = end;
        const int32_t last = AddTicks(end, 10);
        SetupList_.push_back(MakeEndOfTrack(last, 1));
        for (TPartList& part : Out_.Parts)
            part.Events.push_back(MakeEndOfTrack(last, uint8_t(16 * part.Port + part.Part + 1)));

        // The setup list goes into Port A part 1's list, by time (the part's own events first).
        if (!Out_.Parts.empty()) {
            TSMFEventList& first = Out_.Parts[0].Events;
            first.pop_back();  // one End of Track: the setup list's
            TSMFEventList merged;
            merged.reserve(first.size() + SetupList_.size());
            std::merge(std::make_move_iterator(first.begin()), std::make_move_iterator(first.end()),
                       std::make_move_iterator(SetupList_.begin()), std::make_move_iterator(SetupList_.end()),
                       std::back_inserter(merged), [](const TSMFEvent& a, const TSMFEvent& b) { return a.Time < b.Time; });
            first = std::move(merged);
        }
        AbsoluteToDelta(Out_.Conductor);
        for (TPartList& part : Out_.Parts) AbsoluteToDelta(part.Events);
    }

    void Progress(int maxValue, int current, const std::string& text) {
        Progress_.Report(maxValue, current, text);
    }

    TVGS& Image_;
    const TOrderList& Order_;
    TSetupOptions Options_;
    const TConductorData& Conductor_;
    const TProgress& Progress_;
    int Tempo_ = kNewSmfTempo;
    int TimeBase_ = 48;
    TSetupTracks Out_;
    TSMFEventList SetupList_;
    TListBuilder Setup_;
    std::vector<TPartState> States_;
    std::vector<TListBuilder> Builders_;
};

}  // namespace

int SysexTicks(int length, int tempo, int timeBase) {
    const long ticks = std::lround(length * 0.67 * tempo * timeBase / 60000.0);
    return int(std::clamp<long>(ticks, 1, 0x0FFFFFFF));
}

TConductorData ConductorOf(const TSMF& smf) {
    TConductorData c;
    c.Notice = smf.Notice;
    c.KeySignature = smf.KeySignature;
    c.Numerator = smf.Numerator;
    c.Denominator = smf.Denominator;
    c.TimeSignatureData = smf.TimeSignatureData;
    return c;
}

std::vector<uint8_t> SongFormOfMessage(std::vector<uint8_t> m, int port) {
    if (port != 1 || m.size() < 10 || m[0] != 0xF0 || m[1] != kRoland || m[3] != kModelGS || m[4] != kCommandDT1)
        return m;
    const bool part = m[5] == 0x40 && ((m[6] & 0xF0) == 0x10 || (m[6] & 0xF0) == 0x20 || (m[6] & 0xF0) == 0x40);
    const bool drum = m[5] == 0x41;
    if (!part && !drum) return m;
    m[5] = uint8_t(m[5] + 0x10);
    m[m.size() - 2] = Checksum(std::span<const uint8_t>(m).subspan(5, m.size() - 7));
    return m;
}

TSetupTracks WriteSetup(TVGS& image, const TOrderList& order, const TSetupOptions& options,
                        const TConductorData& conductor, const TProgress& progress) {
    return TSetupBuilder(image, order, options, conductor, progress).Run();
}

}  // namespace veka
