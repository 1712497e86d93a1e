#include "module/default_data.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace veka {

namespace fs = std::filesystem;

namespace {

// The largest default file is a few hundred KiB; refuse anything that cannot be one of ours
// before allocating for it.
constexpr std::uintmax_t kMaxFileSize = 16u << 20;

constexpr int kNameFieldSize = 12;
constexpr int kDrumValueCount = 9;
constexpr int kUserDrumValueCount = 12;
constexpr int kInsertionTypeNameMax = 30;
constexpr int kInsertionParameterNameMax = 31;

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
    throw EFileError("Default data file " + path + ": " + problem);
}

std::string PathIn(const std::string& folder, const char* name) { return (fs::path(folder) / name).string(); }

// Size of a regular file no bigger than kMaxFileSize.
std::uintmax_t CheckedSize(const std::string& path) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) Fail(path, "missing");
    if (!fs::is_regular_file(st)) Fail(path, "not a regular file");
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) Fail(path, "unreadable (" + ec.message() + ")");
    if (size > kMaxFileSize) Fail(path, "larger than 16 MiB");
    return size;
}

// Reads count bytes at offset; the caller has checked they lie inside the file.
std::string ReadBytes(const std::string& path, std::uintmax_t offset, std::uintmax_t count) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail(path, std::string("cannot be opened (") + std::strerror(errno) + ")");
    std::string bytes(static_cast<size_t>(count), '\0');
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    if (!in || static_cast<std::uintmax_t>(in.gcount()) != count) Fail(path, "read error");
    return bytes;
}

std::string ReadWhole(const std::string& path) { return ReadBytes(path, 0, CheckedSize(path)); }

// The whole file, which must hold whole records only.
std::string ReadRecords(const std::string& path, int recordSize) {
    std::string bytes = ReadWhole(path);
    if (bytes.size() % static_cast<size_t>(recordSize) != 0)
        Fail(path, "size " + std::to_string(bytes.size()) + " is not a multiple of the record size " +
                       std::to_string(recordSize));
    return bytes;
}

// Text lines, LF separated; a CR before the LF is dropped, a last line without LF still counts.
std::vector<std::string> ReadLines(const std::string& path) {
    const std::string text = ReadWhole(path);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

uint8_t ByteAt(const char* rec, size_t at) { return static_cast<uint8_t>(rec[at]); }

int32_t Int32At(const char* rec, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | ByteAt(rec, at + static_cast<size_t>(i));
    return static_cast<int32_t>(v);
}

// A 12-byte name as stored, blanks included; a zero byte ends it early (an empty name is stored
// as zeros, not blanks).
std::string Name12(const char* rec, size_t at) {
    const char* begin = rec + at;
    return std::string(begin, std::find(begin, begin + kNameFieldSize, '\0'));
}

// A length byte followed by the characters; the length must fit the field.
std::string CountedName(const char* rec, size_t at, int maxLength, const std::string& path, size_t recordNo) {
    const int length = ByteAt(rec, at);
    if (length > maxLength)
        Fail(path, "record " + std::to_string(recordNo) + ": name length " + std::to_string(length) +
                       " exceeds its field of " + std::to_string(maxLength));
    return std::string(rec + at + 1, static_cast<size_t>(length));
}

std::vector<TDrumIndexRecord> ReadDrumIndex(const std::string& path) {
    const std::string bytes = ReadRecords(path, kDrumIndexRecordSize);
    std::vector<TDrumIndexRecord> index;
    for (size_t pos = 0, n = 0; pos < bytes.size(); pos += kDrumIndexRecordSize, ++n) {
        const char* rec = bytes.data() + pos;
        TDrumIndexRecord r;
        r.ToneMap = Int32At(rec, 0);
        r.Program = Int32At(rec, 4);
        r.First = Int32At(rec, 8);
        r.End = Int32At(rec, 12);
        r.Name = CountedName(rec, 16, 255, path, n);
        index.push_back(std::move(r));
    }
    return index;
}

// Index order: the newest map first, so a lookup meets its own map's sets before the others.
int MapRank(int32_t toneMap) { return 4 - toneMap; }

}  // namespace

TDefaultData::TDefaultData(std::string folder) : Folder_(std::move(folder)) {
    EfxProgText_ = ReadLines(PathIn(Folder_, "EfxProgText.dat"));

    // "Patch.Def" feeds maps 1..3 by its byte 1; every "Patch8850.Def" record is map 4.
    auto readPatches = [&](const char* name, bool everyRecordIsMap4) {
        const std::string path = PathIn(Folder_, name);
        const std::string bytes = ReadRecords(path, kPatchRecordSize);
        for (size_t pos = 0; pos < bytes.size(); pos += kPatchRecordSize) {
            const char* rec = bytes.data() + pos;
            TPatchRecord r{ByteAt(rec, 0), ByteAt(rec, 1), ByteAt(rec, 2), Name12(rec, 4)};
            const int list = everyRecordIsMap4 ? 4 : r.ToneMap;
            if (everyRecordIsMap4 || (list >= 1 && list <= 3)) Tones_[static_cast<size_t>(list)].push_back(std::move(r));
        }
    };
    readPatches("Patch.Def", false);
    readPatches("Patch8850.Def", true);

    {
        const std::string path = PathIn(Folder_, "UserDrum.Def");
        const std::string bytes = ReadRecords(path, kUserDrumRecordSize);
        if (bytes.size() != static_cast<size_t>(kUserDrumRecordCount) * kUserDrumRecordSize)
            Fail(path, "holds " + std::to_string(bytes.size() / kUserDrumRecordSize) + " records instead of " +
                           std::to_string(kUserDrumRecordCount));
        for (size_t pos = 0; pos < bytes.size(); pos += kUserDrumRecordSize) {
            const char* rec = bytes.data() + pos;
            TUserDrumRecord r;
            r.Note = ByteAt(rec, 3);
            r.Name = Name12(rec, 4);
            for (int i = 0; i < kUserDrumValueCount; ++i) r.Values[static_cast<size_t>(i)] = ByteAt(rec, 16 + static_cast<size_t>(i));
            UserDrum_.push_back(std::move(r));
        }
    }

    DrumIndex_ = ReadDrumIndex(PathIn(Folder_, "Drum.Idx"));
    std::erase_if(DrumIndex_, [](const TDrumIndexRecord& r) { return r.ToneMap < 1 || r.ToneMap > 4; });
    std::stable_sort(DrumIndex_.begin(), DrumIndex_.end(), [](const TDrumIndexRecord& a, const TDrumIndexRecord& b) {
        if (a.ToneMap != b.ToneMap) return MapRank(a.ToneMap) < MapRank(b.ToneMap);
        return a.Program < b.Program;
    });
    DrumIndex8850_ = ReadDrumIndex(PathIn(Folder_, "Drum8850.Idx"));

    {
        const std::string path = PathIn(Folder_, "Insertion.Idx");
        const std::string bytes = ReadRecords(path, kInsertionIndexRecordSize);
        for (size_t pos = 0, n = 0; pos < bytes.size(); pos += kInsertionIndexRecordSize, ++n) {
            const char* rec = bytes.data() + pos;
            TInsertionTypeRecord r{ByteAt(rec, 0), ByteAt(rec, 1), ByteAt(rec, 2),
                                   CountedName(rec, 3, kInsertionTypeNameMax, path, n)};
            InsertionTypes_.push_back(std::move(r));
        }
    }
}

const std::vector<TPatchRecord>& TDefaultData::ToneList(int toneMap) const {
    static const std::vector<TPatchRecord> kNone;
    if (toneMap < 1 || toneMap > 4) return kNone;
    return Tones_[static_cast<size_t>(toneMap)];
}

std::string TDefaultData::ToneName(int bankMsb, int toneMap, int program) const {
    for (const TPatchRecord& r : ToneList(toneMap))
        if (r.BankMsb == bankMsb && r.Program == program) return r.Name;
    return {};
}

const TDrumIndexRecord* TDefaultData::FindDrumSet(int toneMap, int program) const {
    if (toneMap >= 1 && toneMap <= 3) {
        for (const TDrumIndexRecord& r : DrumIndex_)
            if (r.ToneMap == toneMap && r.Program == program) return &r;
    } else if (toneMap == 4) {
        for (const TDrumIndexRecord& r : DrumIndex8850_)
            if (r.Program == program) return &r;
    }
    return nullptr;
}

std::vector<TDrumNoteRecord> TDefaultData::ReadDrumSet(int toneMap, int program, bool* found) const {
    // The two user drum sets live in the SC-88Pro map's part of "Drum.Def" whatever map is asked.
    if (program == 64 || program == 65) toneMap = 3;
    const TDrumIndexRecord* index = FindDrumSet(toneMap, program);
    if (found) *found = index != nullptr;
    if (!index) return {};

    const std::string path = PathIn(Folder_, toneMap == 4 ? "Drum8850.Def" : "Drum.Def");
    if (index->First < 0 || index->First > index->End)
        Fail(path, "drum set \"" + index->Name + "\" has records " + std::to_string(index->First) + " to " +
                       std::to_string(index->End));
    const std::uintmax_t size = CheckedSize(path);
    const std::uintmax_t first = static_cast<std::uintmax_t>(index->First) * kDrumDefRecordSize;
    const std::uintmax_t end = static_cast<std::uintmax_t>(index->End) * kDrumDefRecordSize;
    if (end > size)
        Fail(path, "drum set \"" + index->Name + "\" ends at record " + std::to_string(index->End) +
                       ", past the end of the file");
    if (first == end) return {};

    const std::string bytes = ReadBytes(path, first, end - first);
    std::vector<TDrumNoteRecord> notes;
    notes.reserve(bytes.size() / kDrumDefRecordSize);
    for (size_t pos = 0; pos < bytes.size(); pos += kDrumDefRecordSize) {
        const char* rec = bytes.data() + pos;
        TDrumNoteRecord r;
        r.Note = ByteAt(rec, 3);
        r.Name = Name12(rec, 4);
        for (int i = 0; i < kDrumValueCount; ++i) r.Values[static_cast<size_t>(i)] = ByteAt(rec, 16 + static_cast<size_t>(i));
        notes.push_back(std::move(r));
    }
    return notes;
}

std::optional<TMacroRecord> TDefaultData::ReadMacro(int kind, int macro) const {
    const std::string bytes = ReadRecords(PathIn(Folder_, "SystemEffect.Def"), kMacroRecordSize);
    for (size_t pos = 0; pos < bytes.size(); pos += kMacroRecordSize) {
        const char* rec = bytes.data() + pos;
        if (ByteAt(rec, 0) != kind || ByteAt(rec, 1) != macro) continue;
        TMacroRecord r;
        r.Kind = ByteAt(rec, 0);
        r.Macro = ByteAt(rec, 1);
        for (size_t i = 0; i < r.Values.size(); ++i) r.Values[i] = ByteAt(rec, 2 + i);
        return r;
    }
    return std::nullopt;
}

std::vector<TInsertionParameterRecord> TDefaultData::ReadInsertionType(int msb, int lsb) const {
    const std::string path = PathIn(Folder_, "Insertion.Def");
    const std::string bytes = ReadRecords(path, kInsertionDefRecordSize);
    std::vector<TInsertionParameterRecord> params;
    size_t firstRecord = 0;
    for (size_t pos = 0, n = 0; pos < bytes.size(); pos += kInsertionDefRecordSize, ++n) {
        const char* rec = bytes.data() + pos;
        if (ByteAt(rec, 0) != msb || ByteAt(rec, 1) != lsb) {
            if (!params.empty()) break;  // a type's records are contiguous
            continue;
        }
        if (params.empty()) firstRecord = n;
        TInsertionParameterRecord r;
        r.Msb = ByteAt(rec, 0);
        r.Lsb = ByteAt(rec, 1);
        r.Slot = ByteAt(rec, 2);
        r.Name = CountedName(rec, 3, kInsertionParameterNameMax, path, n);
        r.Default = ByteAt(rec, 35);
        r.Max = ByteAt(rec, 36);
        r.Min = ByteAt(rec, 37);
        params.push_back(std::move(r));
    }
    if (params.empty()) return params;

    const std::string textPath = PathIn(Folder_, "EfxParaText.dat");
    const std::vector<std::string> lines = ReadLines(textPath);
    for (size_t i = 0; i < params.size(); ++i) {
        const size_t n = firstRecord + i;
        if (n >= lines.size())
            Fail(textPath, "has no line for record " + std::to_string(n) + " of " + path + " (it has " +
                               std::to_string(lines.size()) + " lines)");
        params[i].TextKind = lines[n];
    }
    return params;
}

int TDefaultData::InsertionIndexOf(int msb, int lsb) const {
    for (size_t i = 0; i < InsertionTypes_.size(); ++i)
        if (InsertionTypes_[i].Msb == msb && InsertionTypes_[i].Lsb == lsb) return static_cast<int>(i);
    return -1;
}

}  // namespace veka
