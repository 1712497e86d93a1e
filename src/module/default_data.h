#pragma once
// Readers of the default data files in the "default" folder: tone names, drum sets, the user
// drum defaults, the effect macros and the insertion effect types. The construction-time lists
// are read once; drum set contents, macros and insertion types are read from their files on
// demand, as the module image asks for them.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace veka {

// A default data file that is missing, unreadable, shorter than its records or whose index
// points outside its data file. The message names the file.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Record sizes of the binary files (bytes).
inline constexpr int kPatchRecordSize = 28;
inline constexpr int kDrumIndexRecordSize = 272;
inline constexpr int kDrumDefRecordSize = 28;
inline constexpr int kUserDrumRecordSize = 28;
inline constexpr int kMacroRecordSize = 13;
inline constexpr int kInsertionIndexRecordSize = 34;
inline constexpr int kInsertionDefRecordSize = 39;
inline constexpr int kUserDrumRecordCount = 256;

struct TPatchRecord {        // "Patch.Def", "Patch8850.Def"
    uint8_t BankMsb = 0;     // byte 0
    uint8_t ToneMap = 0;     // byte 1
    uint8_t Program = 0;     // byte 2
    std::string Name;        // bytes 4..15, kept as stored (trailing blanks included)
};

struct TDrumIndexRecord {    // "Drum.Idx", "Drum8850.Idx"
    int32_t ToneMap = 0;
    int32_t Program = 0;
    int32_t First = 0;       // first record number in the .Def file
    int32_t End = 0;         // end record number, exclusive
    std::string Name;        // length byte + up to 255 characters
};

struct TDrumNoteRecord {     // "Drum.Def", "Drum8850.Def"
    uint8_t Note = 0;                 // byte 3
    std::string Name;                 // bytes 4..15
    std::array<int32_t, 9> Values{};  // bytes 16..24, drum parameters 1..9
};

struct TUserDrumRecord {     // "UserDrum.Def"
    uint8_t Note = 0;                  // byte 3
    std::string Name;                  // bytes 4..15
    std::array<int32_t, 12> Values{};  // bytes 16..27, user drum parameters 1..12
};

struct TMacroRecord {        // "SystemEffect.Def"
    uint8_t Kind = 0;        // 0 reverb, 1 chorus, 2 delay
    uint8_t Macro = 0;
    std::array<uint8_t, 11> Values{};  // bytes 2..12
};

struct TInsertionTypeRecord {  // "Insertion.Idx"
    uint8_t Msb = 0;
    uint8_t Lsb = 0;
    uint8_t ParameterCount = 0;  // byte 2
    std::string Name;            // bytes 3..33: length byte + up to 30 characters
};

struct TInsertionParameterRecord {  // "Insertion.Def" + its line of "EfxParaText.dat"
    uint8_t Msb = 0;
    uint8_t Lsb = 0;
    uint8_t Slot = 0;            // 1..20 = system parameter Slot + 36
    std::string Name;            // bytes 3..34: length byte + up to 31 characters
    int32_t Default = 0;         // byte 35
    int32_t Max = 0;             // byte 36
    int32_t Min = 0;             // byte 37
    std::string TextKind;        // the "EfxParaText.dat" line: kind, a TAB, then its detail
};

class TDefaultData {
public:
    // Reads every construction-time file of the folder; throws EFileError.
    explicit TDefaultData(std::string folder);

    const std::string& Folder() const { return Folder_; }

    // Tone list of tone map 1..4, in file order; an empty list for any other map.
    const std::vector<TPatchRecord>& ToneList(int toneMap) const;
    // "Drum.Idx" reordered (tone map 4, 3, 2, 1; ascending programs) and "Drum8850.Idx" as stored.
    const std::vector<TDrumIndexRecord>& DrumIndex() const { return DrumIndex_; }
    const std::vector<TDrumIndexRecord>& DrumIndex8850() const { return DrumIndex8850_; }
    const std::vector<TInsertionTypeRecord>& InsertionTypes() const { return InsertionTypes_; }
    const std::vector<std::string>& EfxProgText() const { return EfxProgText_; }
    // The 256 records of "UserDrum.Def" (read at construction).
    const std::vector<TUserDrumRecord>& UserDrum() const { return UserDrum_; }

    // Name of the first record of tone map t with the bank and program; empty when none.
    std::string ToneName(int bankMsb, int toneMap, int program) const;
    // The index record of a drum set: tone map 1..3 in "Drum.Idx", 4 in "Drum8850.Idx".
    const TDrumIndexRecord* FindDrumSet(int toneMap, int program) const;
    // Contents of a drum set (programs 64 and 65 are looked up with tone map 3). Not found:
    // no records and found = false. Reads the .Def file; throws EFileError.
    std::vector<TDrumNoteRecord> ReadDrumSet(int toneMap, int program, bool* found = nullptr) const;
    // First "SystemEffect.Def" record of the kind and macro; throws EFileError.
    std::optional<TMacroRecord> ReadMacro(int kind, int macro) const;
    // The contiguous "Insertion.Def" records of a type with their text lines; throws EFileError.
    std::vector<TInsertionParameterRecord> ReadInsertionType(int msb, int lsb) const;
    // Position of the type in InsertionTypes(), or -1.
    int InsertionIndexOf(int msb, int lsb) const;

private:
    std::string Folder_;
    std::array<std::vector<TPatchRecord>, 5> Tones_;  // [1..4]
    std::vector<TDrumIndexRecord> DrumIndex_;
    std::vector<TDrumIndexRecord> DrumIndex8850_;
    std::vector<TInsertionTypeRecord> InsertionTypes_;
    std::vector<std::string> EfxProgText_;
    std::vector<TUserDrumRecord> UserDrum_;
};

}  // namespace veka
