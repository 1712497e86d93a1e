#pragma once
// TVGS: the in-memory image of one GS sound module - system and effect parameters, 16 parts on
// each of four ports, two drum maps per port and two user drum sets - with the look-ups built
// from the default data files. Every change goes through a set operation, which raises
// OnChange so the transmitter sends it at once and every open window can show it.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "module/default_data.h"
#include "module/language.h"
#include "module/one_parameter.h"
#include "module/parameter_tables.h"
#include "module/progress.h"
#include "module/signal.h"

namespace veka {

class TVGS;

// One stored value as the listeners of OnChange hear it. Sender names who made the change (a
// window, through TVGS::TSenderScope), so that it need not be told again; null otherwise.
struct TChangeNotice {
    int Port;
    const TOneParameter& Record;
    const TLinkData& Link;
    const std::string& Comment;
    const void* Sender;
};

// The value an edit gesture ended with: every other open window shows it in its cell.
struct TPutNotice {
    int Port;
    TLinkData Link;
    int32_t Value;
    const void* Sender;
};

// Module types: the family of the module the image stands for.
enum TModuleType : int { mtSC88 = 1, mtSC88Pro = 2, mtSC8850 = 3 };

// What the owner knows of the drum set in one drum map of one port.
struct TDrumSetRecord {
    int ToneMap = 0;    // bank select LSB
    int Program = 0;
    bool Found = false; // LoadDrumSet found a drum set of that name
};

class TVGS {
public:
    // Reads the default data folder; throws EFileError naming a missing or short file.
    explicit TVGS(const std::string& defaultFolder, int moduleType = mtSC8850);
    ~TVGS();
    TVGS(const TVGS&) = delete;
    TVGS& operator=(const TVGS&) = delete;

    // Notifications, each with any number of listeners (the transmitter, every open window).
    // OnChange is raised synchronously by every set operation, after OnDataChanged.
    TSignal<const TChangeNotice&> OnChange;
    TSignal<const TPutNotice&> OnValuePut;
    // A drum set was loaded into (port, map): an open drum window showing that map refreshes.
    TSignal<int, int> OnDrumSetLoaded;
    // The image changed as a whole (a file read, a reset, another port or part count shown).
    TSignal<> OnReloaded;
    // The setup differs from what was saved or loaded last.
    TSignal<> OnDataChanged;

    // Settings the image reads.
    int ModuleType() const { return ModuleType_; }
    void SetModuleType(int moduleType);      // stores the type only; see ApplyModuleType
    int ToneMapOfModuleType() const { return ModuleType_ + 1; }
    int DeviceId = 0x10;
    int MaxPart = 0;                         // 0: 16 parts, 1: 32, 2: 64
    int ActivePortCount() const { return MaxPart <= 0 ? 1 : MaxPart == 1 ? 2 : 4; }
    TLanguage Language = TLanguage::English;

    // Names the sender of the changes made while it lives (scopes nest).
    class TSenderScope {
    public:
        TSenderScope(TVGS& image, const void* sender) : Image_(image), Previous_(image.Sender_) {
            image.Sender_ = sender;
        }
        ~TSenderScope() { Image_.Sender_ = Previous_; }
        TSenderScope(const TSenderScope&) = delete;
        TSenderScope& operator=(const TSenderScope&) = delete;

    private:
        TVGS& Image_;
        const void* Previous_;
    };
    const void* Sender() const { return Sender_; }

    void NotifyReloaded() { OnReloaded(); }
    void NotifyPut(int port, const TLinkData& link, int32_t value, const void* sender) {
        OnValuePut(TPutNotice{port, link, value, sender});
    }
    void MarkDataChanged() { OnDataChanged(); }

    // Index checks: every operation below ignores indices outside these ranges.
    static bool ValidSystem(int number) { return number >= 1 && number <= kSystemParameterCount; }
    static bool ValidPart(int port, int part, int parameter) {
        return port >= 0 && port < kPortCount && part >= 1 && part <= kPartsPerPort && parameter >= 1 &&
               parameter <= kPartParameterCount;
    }
    static bool ValidDrum(int port, int map, int parameter, int note) {
        return port >= 0 && port < kPortCount && map >= 1 && map <= kDrumMapsPerPort && parameter >= 1 &&
               parameter <= kDrumParameterCount && note >= 0 && note < kNoteCount;
    }
    static bool ValidUserDrum(int set, int parameter, int note) {
        return set >= 0 && set < kUserDrumSetCount && parameter >= 1 && parameter <= kUserDrumParameterCount &&
               note >= 0 && note < kNoteCount;
    }

    // The records, to read (windows, message builders, comparisons). Out-of-range indices give
    // an empty record that belongs to nothing, never memory outside the image. Values are
    // written by the set operations below, or by the readers through TImageWriter.
    const TOneParameter& System(int number) const;
    const TOneParameter& Part(int port, int part, int parameter) const;
    const TOneParameter& Drum(int port, int map, int parameter, int note) const;
    const TOneParameter& UserDrum(int set, int parameter, int note) const;
    TOneParameter GetSystemParameter(int number) const { return System(number); }

    // Set operations: store, build the link and the comment, raise OnChange. No range check.
    void SetSystemValue(int number, int32_t value);
    void SetPartValue(int port, int part, int32_t value, int parameter);  // parameter 111: nothing
    // Master Coarse Tuning (parameter 111) has no exclusive address: the module takes it as an
    // RPN, which the transmitter sends once per gesture when it hears this change.
    void SetPartCoarseTuning(int port, int part, int32_t value);
    // A part value the module already took from a channel message (the keyboard's ribbon):
    // stored within its range, the setup marked changed and the windows told as at the end of an
    // edit (OnValuePut); no OnChange, so no exclusive message repeats it.
    void StoreControllerValue(int port, int part, int parameter, int32_t value);
    void SetDrumValue(int port, int map, int32_t value, int parameter, int note);
    void SetUserDrumValue(int set, int note, int32_t value, int parameter);

    void SetPartTone(int port, int part, int rhythm, int program, int toneMap, int bankMsb);
    void LoadDrumSet(int port, int map, int program, int toneMap);
    // Every drum map of every port as at power-on: the first kit of the module type's own map,
    // noted as the set each map holds. No change events.
    void LoadPowerOnDrumSets();
    void ShareDrumTone(int port, int part, int map);
    // A part joining drum map map takes the kit another part of the port plays there (the
    // module keeps one set per map): its tone and tone map are stored without a message.
    // False when no other part plays the map.
    bool AdoptDrumTone(int port, int part, int map);
    // Every part takes the tone map of the module type, then its tone again; between the two
    // the module needs a pause, which pause waits (the transmitter's wait; none without one).
    void ApplyModuleType(const std::function<void(int milliseconds)>& pause = {});
    void ApplySystemSideEffects(int number, int32_t value);
    void ApplyMacro(int kind, int macro);
    void LoadInsertionType(int msb, int lsb);
    void ApplyInsertionDefaults(int msb, int lsb);
    // After effect values were read back from the module: the macro details' defaults follow
    // the macros and the insertion slots take their type's ranges and defaults; values stay as
    // read and nothing is transmitted.
    void RecomputeEffectDefaults();
    // After a user drum set was read: maps whose drum set is program 64 or 65 take its values.
    void CopyUserDrumsIntoMaps();

    // The insertion type collected by LoadInsertionType, and each parameter's text kind.
    const std::vector<TInsertionParameterRecord>& InsertionParameters() const { return InsertionParameters_; }
    const std::vector<std::string>& InsertionTexts() const { return InsertionTexts_; }

    // Look-ups. Names are returned as stored (12 characters, trailing blanks included).
    std::string ToneName(int bankMsb, int toneMap, int program) const;
    std::string DrumSetName(int toneMap, int program) const;
    std::string ToneOrDrumSetName(int bankMsb, int toneMap, bool isDrum, int program) const;
    std::string DrumNoteName(int toneMap, int program, int note);
    // The part's tone or drum set, as the part lists show it.
    std::string PartToneName(int port, int part);

    // Predicates.
    bool UserDrumNoteModified(int set, int note) const;
    bool ScaleTuningModified(int port, int part) const;
    int FindDrumPartByProgram(int port, int program) const;
    int FindPartByMap(int port, int map) const;

    // The drum set in each (port, map 1..2).
    TDrumSetRecord& DrumSet(int port, int map);
    // A drum part's map notes the part's tone map and program as its drum set.
    void RecordDrumSetOfPart(int port, int part);
    // The set the module has on the map: the kit of the first part that plays it, else what the
    // table noted last (a map no part plays keeps its set in the module).
    TDrumSetRecord DrumSetOnMap(int port, int map) const;
    const TDrumSetRecord& DrumSet(int port, int map) const;

    // Part copy, exchange and initialise, written without OnChange; progress through progress.
    // Parameters 1 and 3 (port and channel) stay with their part on copy and exchange. The
    // caller transmits the changed parts afterwards.
    void CopyPart(int port, int from, int to, const TProgress& progress = kNoProgress);
    void ExchangePart(int port, int first, int second, const TProgress& progress = kNoProgress);
    void InitializePart(int port, int part, const TProgress& progress = kNoProgress);

    const TDefaultData& Data() const { return *Data_; }

private:
    // Writable records: for TImageWriter and the image's own operations. Out-of-range indices
    // give a scratch record.
    friend class TImageWriter;
    TOneParameter& WritableSystem(int number);
    TOneParameter& WritablePart(int port, int part, int parameter);
    TOneParameter& WritableDrum(int port, int map, int parameter, int note);
    TOneParameter& WritableUserDrum(int set, int parameter, int note);

    void FillLinkAndRaise(int port, const TOneParameter& record, const TLinkData& link, const std::string& comment);
    // The collected insertion type's ranges and defaults into "Efx Parameter" 1..20.
    void ApplyInsertionRanges(bool resetValues);

    std::unique_ptr<TDefaultData> Data_;
    int ModuleType_ = mtSC8850;
    std::vector<TOneParameter> System_;    // [number]
    std::vector<TOneParameter> Parts_;     // [port][part][parameter]
    std::vector<TOneParameter> Drums_;     // [port][map][note][parameter]
    std::vector<TOneParameter> UserDrums_; // [set][note][parameter]
    TDrumSetRecord DrumSets_[kPortCount][kDrumMapsPerPort + 1];
    TOneParameter Scratch_;
    TDrumSetRecord ScratchDrumSet_;
    const void* Sender_ = nullptr;
    std::vector<TInsertionParameterRecord> InsertionParameters_;
    std::vector<std::string> InsertionTexts_;
    // One-entry cache of the drum note names of the last (tone map, program) asked.
    int CachedNoteMap_ = -1, CachedNoteProgram_ = -1;
    std::vector<TDrumNoteRecord> CachedNotes_;
};

// Names and numbering of parts and drum maps.
std::string PartName(int port, int part);      // "A1" .. "D16"
std::string DrumMapName(int port, int map);    // "A1", "A2" .. "D2"
bool GlobalPartToPortPart(int number, int& port, int& part);  // 1..64
bool GlobalMapToPortMap(int number, int& port, int& map);     // 1..8
int GlobalPartNumber(int port, int part);
// Parses "A1" .. "D16" (parts) or "A1" .. "D2" (maps, maxPart 2); false when not a name.
bool ParsePartName(std::string_view text, int& port, int& part, int maxPart = kPartsPerPort);

}  // namespace veka
