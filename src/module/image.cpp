#include "module/image.h"

#include <algorithm>

#include "module/debug_check.h"
#include "module/exclusive.h"
#include "module/user_messages.h"

namespace veka {

namespace {

constexpr int kPartStride = kPartParameterCount + 1;
constexpr int kPortStride = (kPartsPerPort + 1) * kPartStride;
constexpr int kDrumNoteStride = kDrumParameterCount + 1;
constexpr int kDrumMapStride = kNoteCount * kDrumNoteStride;
constexpr int kDrumPortStride = (kDrumMapsPerPort + 1) * kDrumMapStride;
constexpr int kUserNoteStride = kUserDrumParameterCount + 1;
constexpr int kUserSetStride = kNoteCount * kUserNoteStride;

// Detail parameters each macro sets (reverb, chorus, delay) and the macro parameter itself.
constexpr int kMacroFirst[3] = {6, 13, 22};
constexpr int kMacroLast[3] = {11, 20, 31};
constexpr int kMacroParameter[3] = {spReverbMacro, spChorusMacro, spDelayMacro};

size_t PartIndex(int port, int part, int parameter) {
    return size_t(port) * kPortStride + size_t(part) * kPartStride + size_t(parameter);
}
size_t DrumIndex(int port, int map, int parameter, int note) {
    return size_t(port) * kDrumPortStride + size_t(map) * kDrumMapStride + size_t(note) * kDrumNoteStride +
           size_t(parameter);
}
size_t UserIndex(int set, int parameter, int note) {
    return size_t(set) * kUserSetStride + size_t(note) * kUserNoteStride + size_t(parameter);
}

TOneParameter FromRow(const TParameterRow& row) {
    TOneParameter p;
    p.Address.Length = 3;
    p.Address.Bytes = row.Address;
    p.Max = row.Max;
    p.Min = row.Min;
    p.Default = row.Default;
    p.Value = row.Default;
    p.Name = row.Name;
    p.Size = row.Size;
    p.ProOnly = row.ProOnly;
    return p;
}

}  // namespace

TVGS::TVGS(const std::string& defaultFolder, int moduleType)
    : Data_(std::make_unique<TDefaultData>(defaultFolder)) {
    ModuleType_ = (moduleType >= mtSC88 && moduleType <= mtSC8850) ? moduleType : mtSC8850;
    const int toneMap = ToneMapOfModuleType();

    System_.resize(kSystemParameterCount + 1);
    for (int n = 1; n <= kSystemParameterCount; ++n) System_[n] = FromRow(SystemRows()[n]);

    Parts_.resize(size_t(kPortCount) * kPortStride);
    for (int port = 0; port < kPortCount; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part) {
            for (int n = 1; n <= kPartParameterCount; ++n) {
                TOneParameter p = FromRow(PartRows()[n]);
                if (n == ppRxPort) {
                    p.Address.Bytes[2] = uint8_t(port * 16 + PartBlock(part));
                    p.Default = p.Value = port;
                } else if (n == ppMasterCoarseTuning) {
                    p.Address.Length = 1;
                    p.Address.Bytes = {0, 0, 0};
                } else {
                    p.Address.Bytes[1] = uint8_t(p.Address.Bytes[1] + PartBlock(part));
                }
                if (n == ppRxChannel) p.Default = p.Value = part - 1;
                if (n == ppRhythm && part == 10) p.Default = p.Value = 1;
                if (n == ppToneMap) p.Max = p.Default = p.Value = toneMap;
                Parts_[PartIndex(port, part, n)] = p;
            }
        }
    }

    Drums_.resize(size_t(kPortCount) * kDrumPortStride);
    for (int port = 0; port < kPortCount; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n) {
                    TOneParameter& p = Drums_[DrumIndex(port, map, n, note)];
                    p.Address.Bytes = {0x41, uint8_t((map - 1) * 16 + n), uint8_t(note)};
                    p.Name = DrumParameterName(n);
                    p.Min = DrumParameterMin(n);
                    p.Max = DrumParameterMax(n);
                }
    LoadPowerOnDrumSets();

    UserDrums_.resize(size_t(kUserDrumSetCount) * kUserSetStride);
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int note = 0; note < kNoteCount; ++note)
            for (int n = 1; n <= kUserDrumParameterCount; ++n) {
                TOneParameter& p = UserDrums_[UserIndex(set, n, note)];
                p.Address.Bytes = {0x21, uint8_t(set * 16 + n), uint8_t(note)};
                p.Name = DrumParameterName(n);
                p.Min = DrumParameterMin(n);
                p.Max = DrumParameterMax(n);
            }
    // Record r of the user drum file belongs to set r / 128; its byte 3 names the note.
    const auto& user = Data_->UserDrum();
    for (size_t r = 0; r < user.size(); ++r) {
        const int set = int(r / kNoteCount);
        const int note = user[r].Note;
        if (set >= kUserDrumSetCount || note >= kNoteCount) continue;
        for (int n = 1; n <= kUserDrumParameterCount; ++n) {
            TOneParameter& p = UserDrums_[UserIndex(set, n, note)];
            p.Default = p.Value = user[r].Values[n - 1];
        }
    }
}

TVGS::~TVGS() = default;

void TVGS::SetModuleType(int moduleType) {
    if (moduleType >= mtSC88 && moduleType <= mtSC8850) ModuleType_ = moduleType;
}

TOneParameter& TVGS::WritableSystem(int number) {
    if (!ValidSystem(number)) { VEKA_IGNORED("system parameter"); Scratch_ = {}; return Scratch_; }
    return System_[number];
}
TOneParameter& TVGS::WritablePart(int port, int part, int parameter) {
    if (!ValidPart(port, part, parameter)) { VEKA_IGNORED("part parameter"); Scratch_ = {}; return Scratch_; }
    return Parts_[PartIndex(port, part, parameter)];
}
TOneParameter& TVGS::WritableDrum(int port, int map, int parameter, int note) {
    if (!ValidDrum(port, map, parameter, note)) { VEKA_IGNORED("drum map parameter"); Scratch_ = {}; return Scratch_; }
    return Drums_[DrumIndex(port, map, parameter, note)];
}
TOneParameter& TVGS::WritableUserDrum(int set, int parameter, int note) {
    if (!ValidUserDrum(set, parameter, note)) { VEKA_IGNORED("user drum parameter"); Scratch_ = {}; return Scratch_; }
    return UserDrums_[UserIndex(set, parameter, note)];
}
// The const accessors answer a shared empty record for indices outside the image.
static const TOneParameter kNoParameter{};

const TOneParameter& TVGS::System(int number) const {
    return ValidSystem(number) ? System_[number] : kNoParameter;
}
const TOneParameter& TVGS::Part(int port, int part, int parameter) const {
    return ValidPart(port, part, parameter) ? Parts_[PartIndex(port, part, parameter)] : kNoParameter;
}
const TOneParameter& TVGS::Drum(int port, int map, int parameter, int note) const {
    return ValidDrum(port, map, parameter, note) ? Drums_[DrumIndex(port, map, parameter, note)] : kNoParameter;
}
const TOneParameter& TVGS::UserDrum(int set, int parameter, int note) const {
    return ValidUserDrum(set, parameter, note) ? UserDrums_[UserIndex(set, parameter, note)] : kNoParameter;
}

TDrumSetRecord& TVGS::DrumSet(int port, int map) {
    if (port < 0 || port >= kPortCount || map < 1 || map > kDrumMapsPerPort) {
        VEKA_IGNORED("drum set record");
        ScratchDrumSet_ = {};
        return ScratchDrumSet_;
    }
    return DrumSets_[port][map];
}
const TDrumSetRecord& TVGS::DrumSet(int port, int map) const {
    static const TDrumSetRecord kNoDrumSet{};
    return (port >= 0 && port < kPortCount && map >= 1 && map <= kDrumMapsPerPort) ? DrumSets_[port][map] : kNoDrumSet;
}

void TVGS::FillLinkAndRaise(int port, const TOneParameter& record, const TLinkData& link, const std::string& comment) {
    OnDataChanged();
    OnChange(TChangeNotice{port, record, link, comment, Sender_});
}

void TVGS::SetSystemValue(int number, int32_t value) {
    if (!ValidSystem(number)) { VEKA_IGNORED("SetSystemValue"); return; }
    TOneParameter& p = System_[number];
    p.Value = value;
    const TLinkData link{LinkSystem, number, 0, 0, 0};
    FillLinkAndRaise(0, p, link, std::string(p.Name) + " " + std::to_string(value));
}

void TVGS::SetPartValue(int port, int part, int32_t value, int parameter) {
    if (!ValidPart(port, part, parameter)) { VEKA_IGNORED("SetPartValue"); return; }
    if (parameter == ppMasterCoarseTuning) return;  // sent as an RPN by the part window
    TOneParameter& p = Parts_[PartIndex(port, part, parameter)];
    p.Value = value;
    const TLinkData link{LinkPart, part, parameter, 0, 0};
    FillLinkAndRaise(port, p, link, PartName(port, part) + " " + std::string(p.Name) + " " + std::to_string(value));
}

void TVGS::SetPartCoarseTuning(int port, int part, int32_t value) {
    if (!ValidPart(port, part, ppMasterCoarseTuning)) { VEKA_IGNORED("SetPartCoarseTuning"); return; }
    TOneParameter& p = Parts_[PartIndex(port, part, ppMasterCoarseTuning)];
    p.Value = value;
    const TLinkData link{LinkPart, part, ppMasterCoarseTuning, 0, 0};
    FillLinkAndRaise(port, p, link, PartName(port, part) + " " + std::string(p.Name) + " " + std::to_string(value));
}

void TVGS::StoreControllerValue(int port, int part, int parameter, int32_t value) {
    if (!ValidPart(port, part, parameter) || parameter == ppMasterCoarseTuning) {
        VEKA_IGNORED("StoreControllerValue");
        return;
    }
    TOneParameter& p = Parts_[PartIndex(port, part, parameter)];
    value = std::clamp(value, p.Min, p.Max);
    if (p.Value == value) return;
    p.Value = value;
    OnDataChanged();
    NotifyPut(port, TLinkData{LinkPart, part, parameter, 0, 0}, value, Sender_);
}

void TVGS::RecordDrumSetOfPart(int port, int part) {
    if (!ValidPart(port, part, 1)) return;
    const int map = Part(port, part, ppRhythm).Value;
    if (map < 1 || map > kDrumMapsPerPort) return;
    TDrumSetRecord& drumSet = DrumSets_[port][map];
    drumSet.ToneMap = Part(port, part, ppToneMap).Value;
    drumSet.Program = Part(port, part, ppToneNumber).Value % 128;
}

TDrumSetRecord TVGS::DrumSetOnMap(int port, int map) const {
    TDrumSetRecord set = DrumSet(port, map);
    const int part = FindPartByMap(port, map);
    if (part >= 1) {
        set.ToneMap = Part(port, part, ppToneMap).Value;
        set.Program = Part(port, part, ppToneNumber).Value % 128;
    }
    return set;
}

void TVGS::SetDrumValue(int port, int map, int32_t value, int parameter, int note) {
    if (!ValidDrum(port, map, parameter, note)) { VEKA_IGNORED("SetDrumValue"); return; }
    TOneParameter& p = Drums_[DrumIndex(port, map, parameter, note)];
    p.Value = value;
    const TLinkData link{LinkDrum, map, note, value, 0};
    FillLinkAndRaise(port, p, link,
                     "Drum Map " + DrumMapName(port, map) + " Key" + std::to_string(note) + " " +
                         std::string(p.Name) + " " + std::to_string(value));
}

void TVGS::SetUserDrumValue(int set, int note, int32_t value, int parameter) {
    if (!ValidUserDrum(set, parameter, note)) { VEKA_IGNORED("SetUserDrumValue"); return; }
    TOneParameter& p = UserDrums_[UserIndex(set, parameter, note)];
    p.Value = value;
    const TLinkData link{LinkUserDrum, set, note, value, 0};
    FillLinkAndRaise(0, p, link,
                     "User Drum" + std::to_string(set) + " Key" + std::to_string(note) + " " + std::string(p.Name) +
                         " " + std::to_string(value));
}

void TVGS::SetPartTone(int port, int part, int rhythm, int program, int toneMap, int bankMsb) {
    if (!ValidPart(port, part, 1)) { VEKA_IGNORED("SetPartTone"); return; }
    if (Part(port, part, ppRhythm).Value != rhythm) SetPartValue(port, part, rhythm, ppRhythm);
    SetPartValue(port, part, toneMap, ppToneMap);
    SetPartValue(port, part, bankMsb * 128 + program, ppToneNumber);
    if (rhythm != 0) LoadDrumSet(port, rhythm, program, toneMap);
}

void TVGS::LoadDrumSet(int port, int map, int program, int toneMap) {
    if (!ValidDrum(port, map, 1, 0)) { VEKA_IGNORED("LoadDrumSet"); return; }
    bool found = false;
    const std::vector<TDrumNoteRecord> notes = Data_->ReadDrumSet(toneMap, program, &found);
    const bool user = program == 64 || program == 65;
    for (const TDrumNoteRecord& rec : notes) {
        if (rec.Note >= kNoteCount) continue;
        for (int n = 1; n <= kDrumParameterCount; ++n) {
            TOneParameter& p = Drums_[DrumIndex(port, map, n, rec.Note)];
            p.Default = rec.Values[n - 1];
            p.Value = user ? UserDrums_[UserIndex(program - 64, n, rec.Note)].Value : p.Default;
        }
    }
    DrumSets_[port][map].Found = found;
    OnDrumSetLoaded(port, map);
}

void TVGS::LoadPowerOnDrumSets() {
    const int toneMap = ToneMapOfModuleType();
    bool found = false;
    const std::vector<TDrumNoteRecord> standard = Data_->ReadDrumSet(toneMap, 0, &found);
    for (int port = 0; port < kPortCount; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map) {
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n) {
                    TOneParameter& p = Drums_[DrumIndex(port, map, n, note)];
                    p.Default = p.Value = 0;
                }
            for (const TDrumNoteRecord& rec : standard) {
                if (rec.Note >= kNoteCount) continue;
                for (int n = 1; n <= kDrumParameterCount; ++n) {
                    TOneParameter& p = Drums_[DrumIndex(port, map, n, rec.Note)];
                    p.Default = p.Value = rec.Values[n - 1];
                }
            }
            DrumSets_[port][map] = TDrumSetRecord{toneMap, 0, found};
        }
}

void TVGS::ShareDrumTone(int port, int part, int map) {
    if (!ValidPart(port, part, 1)) { VEKA_IGNORED("ShareDrumTone"); return; }
    const int32_t tone = Part(port, part, ppToneNumber).Value;
    const int32_t toneMap = Part(port, part, ppToneMap).Value;
    for (int other = 1; other <= kPartsPerPort; ++other) {
        if (other == part || Part(port, other, ppRhythm).Value != map) continue;
        WritablePart(port, other, ppToneNumber).Value = tone;
        WritablePart(port, other, ppToneMap).Value = toneMap;
    }
}

bool TVGS::AdoptDrumTone(int port, int part, int map) {
    if (!ValidPart(port, part, 1)) return false;
    for (int other = 1; other <= kPartsPerPort; ++other) {
        if (other == part || Part(port, other, ppRhythm).Value != map) continue;
        WritablePart(port, part, ppToneNumber).Value = WritablePart(port, other, ppToneNumber).Value;
        WritablePart(port, part, ppToneMap).Value = WritablePart(port, other, ppToneMap).Value;
        return true;
    }
    return false;
}

// The module switches a part's tone map before it takes the tone again.
constexpr int kToneMapPauseMs = 10;

void TVGS::ApplyModuleType(const std::function<void(int milliseconds)>& pause) {
    const int t = ToneMapOfModuleType();
    for (int port = 0; port < kPortCount; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part) {
            TOneParameter& tm = WritablePart(port, part, ppToneMap);
            tm.Max = t;
            tm.Default = t;
            SetPartValue(port, part, t, ppToneMap);
            if (pause) pause(kToneMapPauseMs);
            SetPartValue(port, part, Part(port, part, ppToneNumber).Value, ppToneNumber);
            const int rhythm = Part(port, part, ppRhythm).Value;
            if (rhythm != 0) LoadDrumSet(port, rhythm, Part(port, part, ppToneNumber).Value % 128, t);
        }
    }
}

void TVGS::ApplySystemSideEffects(int number, int32_t value) {
    switch (number) {
        case spReverbMacro: ApplyMacro(0, value); break;
        case spChorusMacro: ApplyMacro(1, value); break;
        case spDelayMacro: ApplyMacro(2, value); break;
        case spEfxType:
            LoadInsertionType(value / 128, value % 128);
            ApplyInsertionDefaults(value / 128, value % 128);
            break;
        default: break;
    }
}

void TVGS::ApplyMacro(int kind, int macro) {
    if (kind < 0 || kind > 2) { VEKA_IGNORED("ApplyMacro"); return; }
    // Without a record (a damaged data file) only the macro itself is sent: the module then
    // applies the macro's settings itself, and the detail parameters keep their values.
    if (const std::optional<TMacroRecord> rec = Data_->ReadMacro(kind, macro)) {
        for (int n = kMacroFirst[kind]; n <= kMacroLast[kind]; ++n) {
            const int32_t value = rec->Values[n - kMacroFirst[kind]];
            System_[n].Default = value;
            SetSystemValue(n, value);
        }
    }
    SetSystemValue(kMacroParameter[kind], macro);
}

void TVGS::LoadInsertionType(int msb, int lsb) {
    InsertionParameters_.clear();
    InsertionTexts_.clear();
    InsertionParameters_ = Data_->ReadInsertionType(msb, lsb);
    for (const auto& rec : InsertionParameters_) InsertionTexts_.push_back(rec.TextKind);
}

void TVGS::ApplyInsertionDefaults(int msb, int lsb) {
    SetSystemValue(spEfxType, msb * 128 + lsb);
    ApplyInsertionRanges(true);
    for (int n = spEfxSendToReverb; n <= spEfxSendEqSwitch; ++n) System_[n].Value = System_[n].Default;
}

void TVGS::ApplyInsertionRanges(bool resetValues) {
    for (const auto& rec : InsertionParameters_) {
        if (rec.Slot < 1 || rec.Slot > 20) continue;
        TOneParameter& p = System_[rec.Slot + 36];
        p.Max = rec.Max;
        p.Min = rec.Min;
        p.Default = rec.Default;
        if (resetValues) p.Value = rec.Default;
    }
}

void TVGS::RecomputeEffectDefaults() {
    for (int kind = 0; kind < 3; ++kind) {
        const std::optional<TMacroRecord> rec = Data_->ReadMacro(kind, System_[kMacroParameter[kind]].Value);
        if (!rec) continue;
        for (int n = kMacroFirst[kind]; n <= kMacroLast[kind]; ++n) System_[n].Default = rec->Values[n - kMacroFirst[kind]];
    }
    const int32_t type = System_[spEfxType].Value;
    LoadInsertionType(type / 128, type % 128);
    ApplyInsertionRanges(false);
}

void TVGS::CopyUserDrumsIntoMaps() {
    for (int set = 0; set < kUserDrumSetCount; ++set) {
        const int program = 64 + set;
        for (int port = 0; port < kPortCount; ++port)
            for (int map = 1; map <= kDrumMapsPerPort; ++map) {
                if (DrumSets_[port][map].Program != program) continue;
                for (int note = 0; note < kNoteCount; ++note)
                    for (int n = 1; n <= kDrumParameterCount; ++n)
                        Drums_[DrumIndex(port, map, n, note)].Value = UserDrums_[UserIndex(set, n, note)].Value;
            }
    }
}

std::string TVGS::ToneName(int bankMsb, int toneMap, int program) const {
    return Data_->ToneName(bankMsb, toneMap, program);
}

std::string TVGS::DrumSetName(int toneMap, int program) const {
    if (program == 64 || program == 65) return "U.DrumSet " + std::to_string(program + 1);
    const TDrumIndexRecord* rec = Data_->FindDrumSet(toneMap, program);
    return rec ? rec->Name : std::string();
}

std::string TVGS::ToneOrDrumSetName(int bankMsb, int toneMap, bool isDrum, int program) const {
    if (isDrum) {
        std::string name = DrumSetName(toneMap, program);
        return name.empty() ? "NO DRUM SET" : name;
    }
    std::string name = ToneName(bankMsb, toneMap, program);
    return name.empty() ? "NO INSTRUMENT" : name;
}

std::string TVGS::DrumNoteName(int toneMap, int program, int note) {
    if (toneMap != CachedNoteMap_ || program != CachedNoteProgram_) {
        CachedNotes_ = Data_->ReadDrumSet(toneMap, program);
        CachedNoteMap_ = toneMap;
        CachedNoteProgram_ = program;
    }
    for (const TDrumNoteRecord& rec : CachedNotes_)
        if (rec.Note == note) return rec.Name;
    return {};
}

std::string TVGS::PartToneName(int port, int part) {
    if (!ValidPart(port, part, 1)) return {};
    const int32_t tone = Part(port, part, ppToneNumber).Value;
    return ToneOrDrumSetName(tone / 128, Part(port, part, ppToneMap).Value, Part(port, part, ppRhythm).Value != 0,
                             tone % 128);
}

bool TVGS::UserDrumNoteModified(int set, int note) const {
    if (!ValidUserDrum(set, 1, note)) return false;
    for (int n = 1; n <= kUserDrumParameterCount; ++n)
        if (IsModified(UserDrum(set, n, note))) return true;
    return false;
}

bool TVGS::ScaleTuningModified(int port, int part) const {
    if (!ValidPart(port, part, 1)) return false;
    for (int n = ppScaleTuningC; n <= ppScaleTuningB; ++n)
        if (IsModified(Part(port, part, n))) return true;
    return false;
}

int TVGS::FindDrumPartByProgram(int port, int program) const {
    if (port < 0 || port >= kPortCount) return -1;
    for (int part = 1; part <= kPartsPerPort; ++part)
        if (Part(port, part, ppRhythm).Value != 0 && Part(port, part, ppToneNumber).Value % 128 == program)
            return part;
    return -1;
}

int TVGS::FindPartByMap(int port, int map) const {
    if (port < 0 || port >= kPortCount) return -1;
    for (int part = 1; part <= kPartsPerPort; ++part)
        if (Part(port, part, ppRhythm).Value == map) return part;
    return -1;
}

void TVGS::CopyPart(int port, int from, int to, const TProgress& progress) {
    if (!ValidPart(port, from, 1) || !ValidPart(port, to, 1)) { VEKA_IGNORED("CopyPart"); return; }
    for (int n = 1; n <= kPartParameterCount; ++n) {
        progress.Report(kPartParameterCount, n, std::string(UserMessage(26, Language)));
        if (n == ppRxPort || n == ppRxChannel) continue;
        WritablePart(port, to, n).Value = WritablePart(port, from, n).Value;
    }
}

void TVGS::ExchangePart(int port, int first, int second, const TProgress& progress) {
    if (!ValidPart(port, first, 1) || !ValidPart(port, second, 1)) { VEKA_IGNORED("ExchangePart"); return; }
    for (int n = 1; n <= kPartParameterCount; ++n) {
        progress.Report(kPartParameterCount, n, std::string(UserMessage(26, Language)));
        if (n == ppRxPort || n == ppRxChannel) continue;
        std::swap(WritablePart(port, first, n).Value, WritablePart(port, second, n).Value);
    }
}

void TVGS::InitializePart(int port, int part, const TProgress& progress) {
    if (!ValidPart(port, part, 1)) { VEKA_IGNORED("InitializePart"); return; }
    for (int n = 1; n <= kPartParameterCount; ++n) {
        progress.Report(kPartParameterCount, n, std::string(UserMessage(26, Language)));
        TOneParameter& p = WritablePart(port, part, n);
        p.Value = p.Default;
    }
}

std::string PartName(int port, int part) {
    return std::string(1, char('A' + port)) + std::to_string(part);
}

std::string DrumMapName(int port, int map) { return PartName(port, map); }

bool GlobalPartToPortPart(int number, int& port, int& part) {
    if (number < 1 || number > kPortCount * kPartsPerPort) return false;
    port = (number - 1) / kPartsPerPort;
    part = (number - 1) % kPartsPerPort + 1;
    return true;
}

bool GlobalMapToPortMap(int number, int& port, int& map) {
    if (number < 1 || number > kPortCount * kDrumMapsPerPort) return false;
    port = (number - 1) / 2;
    map = 2 - number % 2;
    return true;
}

int GlobalPartNumber(int port, int part) { return port * kPartsPerPort + part; }

bool ParsePartName(std::string_view text, int& port, int& part, int maxPart) {
    if (text.size() < 2 || text.size() > 3) return false;
    const char letter = char(text[0] & ~0x20);  // upper case
    if (letter < 'A' || letter > 'D') return false;
    int n = 0;
    for (char c : text.substr(1)) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (text[1] == '0' || n < 1 || n > maxPart) return false;
    port = letter - 'A';
    part = n;
    return true;
}

}  // namespace veka
