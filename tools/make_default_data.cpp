// veka4-mkdefault DATA_DIR OUT_DIR
//
// Turns the text sources in data/ into the binary default data files the editor reads at run
// time. Everything is parsed and checked before the first file is written, so a bad source line
// leaves the previous output untouched. Each output goes to a temporary name and is renamed into
// place, so a reader never sees half a file. Standard library only.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Any input problem; the message already says where.
class TInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The sources are a few hundred KiB; anything much bigger is not one of them.
constexpr std::uintmax_t kMaxSourceSize = 16u << 20;

struct TRow {
    std::string File;
    int Line = 0;
    std::vector<std::string> Cols;

    [[noreturn]] void Fail(const std::string& message) const {
        throw TInputError(File + ":" + std::to_string(Line) + ": " + message);
    }

    // A decimal number in lo..hi; "what" names the column in the message.
    int Number(size_t col, const char* what, int lo, int hi) const {
        const std::string& s = Cols.at(col);
        if (s.empty() || s.size() > 9 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
            Fail(std::string("column ") + what + ": \"" + s + "\" is not a number");
        const int v = std::stoi(s);
        if (v < lo || v > hi)
            Fail(std::string("column ") + what + ": " + s + " is outside " + std::to_string(lo) + ".." + std::to_string(hi));
        return v;
    }
    int Byte(size_t col, const char* what) const { return Number(col, what, 0, 127); }

    // Text that goes into a fixed field of at most maxLen bytes.
    const std::string& Text(size_t col, const char* what, size_t maxLen, bool allowEmpty = false) const {
        const std::string& s = Cols.at(col);
        if (s.empty() && !allowEmpty) Fail(std::string("column ") + what + " is empty");
        if (s.size() > maxLen)
            Fail(std::string("column ") + what + ": \"" + s + "\" is longer than " + std::to_string(maxLen) + " characters");
        for (unsigned char c : s)
            if (c < 0x20 || c == 0x7f) Fail(std::string("column ") + what + " holds a control character");
        return s;
    }
};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cols;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            cols.push_back(line.substr(start));
            return cols;
        }
        cols.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::string JoinTabs(const std::vector<std::string>& cols) {
    std::string s;
    for (size_t i = 0; i < cols.size(); ++i) s += (i ? "\t" : "") + cols[i];
    return s;
}

// Reads a TAB-separated file. With a header, the first line must name exactly these columns;
// without one, columns says how many every line has.
std::vector<TRow> ReadTsv(const fs::path& path, size_t columns, const std::vector<std::string>& header = {}) {
    const std::string name = path.string();
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) throw TInputError(name + ": cannot read: " + ec.message());
    if (size > kMaxSourceSize) throw TInputError(name + ": larger than 16 MiB, not a source file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw TInputError(name + ": cannot open: " + std::strerror(errno));

    std::vector<TRow> rows;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        TRow row{name, lineNo, SplitTabs(line)};
        if (lineNo == 1 && !header.empty()) {
            if (row.Cols != header) row.Fail("header should be \"" + JoinTabs(header) + "\"");
            continue;
        }
        if (row.Cols.size() != columns)
            row.Fail("expected " + std::to_string(columns) + " columns, found " + std::to_string(row.Cols.size()));
        rows.push_back(std::move(row));
    }
    if (in.bad()) throw TInputError(name + ": read error");
    if (!header.empty() && lineNo == 0) throw TInputError(name + ": empty, the header line is missing");
    return rows;
}

// ---- record building -------------------------------------------------------------------------

using TBytes = std::string;

void PutByte(TBytes& rec, size_t at, int v) { rec.at(at) = static_cast<char>(static_cast<uint8_t>(v)); }

void PutInt32(TBytes& rec, size_t at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) PutByte(rec, at + i, static_cast<int>((u >> (8 * i)) & 0xff));
}

// A 12-byte name field: the text padded with blanks. An empty name stays all zero bytes, so the
// reader can tell "no instrument" from a name of blanks.
void PutName12(TBytes& rec, size_t at, const std::string& name) {
    if (name.empty()) return;
    for (size_t i = 0; i < 12; ++i) rec.at(at + i) = i < name.size() ? name[i] : ' ';
}

// A length byte followed by the characters; the rest of the field stays zero.
void PutCounted(TBytes& rec, size_t at, const std::string& text) {
    PutByte(rec, at, static_cast<int>(text.size()));
    std::copy(text.begin(), text.end(), rec.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

// ---- sources ---------------------------------------------------------------------------------

struct TMapFiles {
    int ToneMap;
    const char* Suffix;
};
constexpr std::array<TMapFiles, 4> kMaps{{{1, "sc55"}, {2, "sc88"}, {3, "sc88pro"}, {4, "sc8850"}}};

struct TTone {
    int Bank, Program;
    std::string Name;
};

std::vector<TTone> ReadTones(const fs::path& dir, const char* suffix) {
    std::vector<TTone> tones;
    std::set<std::pair<int, int>> seen;
    for (const TRow& r : ReadTsv(dir / (std::string("tones-") + suffix + ".tsv"), 3)) {
        TTone t{r.Byte(0, "bank_msb"), r.Byte(1, "program"), r.Text(2, "name", 12)};
        if (!seen.insert({t.Bank, t.Program}).second) r.Fail("bank and program listed twice");
        tones.push_back(std::move(t));
    }
    return tones;
}

constexpr int kDrumParams = 9;
using TDrumValues = std::array<int, kDrumParams>;

struct TDrumNote {
    int Note = 0;
    std::string Name;  // short name, up to 12
    TDrumValues Values{};
};

struct TDrumSet {
    int ToneMap = 0, Program = 0;
    std::string Name;
    std::vector<TDrumNote> Notes;  // ascending by note

    const TDrumNote* Find(int note) const {
        for (const TDrumNote& n : Notes)
            if (n.Note == note) return &n;
        return nullptr;
    }
};

const std::vector<std::string> kDrumDefaultsHeader{"program", "note", "pitch", "level", "assign_group", "pan",
                                                   "reverb", "chorus", "rx_note_off", "rx_note_on", "delay", "source"};

std::vector<TDrumSet> ReadDrumSets(const fs::path& dir, int toneMap, const char* suffix) {
    std::vector<TDrumSet> sets;
    std::map<int, size_t> byProgram;
    for (const TRow& r : ReadTsv(dir / (std::string("drumsets-") + suffix + ".tsv"), 2)) {
        TDrumSet s{toneMap, r.Byte(0, "program"), r.Text(1, "name", 255), {}};
        if (!byProgram.emplace(s.Program, sets.size()).second) r.Fail("drum set listed twice");
        sets.push_back(std::move(s));
    }

    std::map<std::pair<int, int>, TDrumValues> defaults;
    const fs::path defaultsPath = dir / (std::string("drumdefaults-") + suffix + ".tsv");
    for (const TRow& r : ReadTsv(defaultsPath, kDrumDefaultsHeader.size(), kDrumDefaultsHeader)) {
        const std::pair key{r.Byte(0, "program"), r.Byte(1, "note")};
        TDrumValues v{};
        for (int i = 0; i < kDrumParams; ++i) v[i] = r.Byte(2 + i, kDrumDefaultsHeader[2 + i].c_str());
        if (!defaults.emplace(key, v).second) r.Fail("program and note listed twice");
    }

    size_t used = 0;
    for (const TRow& r : ReadTsv(dir / (std::string("drumnotes-") + suffix + ".tsv"), 4)) {
        const int program = r.Byte(0, "program");
        TDrumNote n;
        n.Note = r.Byte(1, "note");
        r.Text(2, "instrument name", 255);
        n.Name = r.Text(3, "short_name", 12);
        const auto set = byProgram.find(program);
        if (set == byProgram.end()) r.Fail("program " + std::to_string(program) + " is not in drumsets-" + suffix + ".tsv");
        const auto def = defaults.find({program, n.Note});
        if (def == defaults.end()) r.Fail("no row in " + defaultsPath.string() + " for this program and note");
        n.Values = def->second;
        ++used;
        auto& notes = sets[set->second].Notes;
        if (std::any_of(notes.begin(), notes.end(), [&](const TDrumNote& o) { return o.Note == n.Note; }))
            r.Fail("note listed twice");
        notes.push_back(std::move(n));
    }
    if (used != defaults.size())
        throw TInputError(defaultsPath.string() + ": holds rows for notes drumnotes-" + suffix + ".tsv does not list");
    for (TDrumSet& s : sets)
        std::stable_sort(s.Notes.begin(), s.Notes.end(), [](const TDrumNote& a, const TDrumNote& b) { return a.Note < b.Note; });
    return sets;
}

constexpr int kUserParams = 12;
constexpr int kUserSetCount = 2;
constexpr int kNotes = 128;
// What the unit reports for a note without an instrument (pitch .. delay).
constexpr TDrumValues kUnusedNote{0, 127, 0, 64, 0, 0, 0, 1, 0};

struct TUserNote {
    std::string Name;
    std::array<int, kUserParams> Values{};
};
using TUserSet = std::array<TUserNote, kNotes>;

// The two user drum sets, every note filled. Notes the source lacks get the values of the
// instrument the source drum set has there, or the unused-note values; their source note
// (p12) is 0 like every unused note the unit reports.
std::array<TUserSet, kUserSetCount> ReadUserDrums(const fs::path& dir, const std::array<std::vector<TDrumSet>, 5>& presets) {
    std::vector<std::string> header{"set", "note"};
    // Appended, not "p" + string, which GCC 12 warns of falsely at -O3.
    for (int p = 1; p <= kUserParams; ++p) header.push_back(std::string("p").append(std::to_string(p)));
    header.push_back("source");
    const fs::path path = dir / "userdrum-defaults.tsv";

    std::array<std::array<std::optional<std::array<int, kUserParams>>, kNotes>, kUserSetCount> given;
    std::array<std::optional<std::pair<int, int>>, kUserSetCount> source;  // (map, program)
    for (const TRow& r : ReadTsv(path, header.size(), header)) {
        const int set = r.Number(0, "set", 0, kUserSetCount - 1);
        const int note = r.Byte(1, "note");
        std::array<int, kUserParams> v{};
        for (int i = 0; i < kUserParams; ++i) v[i] = r.Byte(2 + i, header[2 + i].c_str());
        v[9] = r.Number(11, "p10", 1, 3);
        v[10] = r.Number(12, "p11", 0, 62);
        if (given[set][note]) r.Fail("note listed twice");
        given[set][note] = v;
        const std::pair src{v[9], v[10]};
        if (!source[set]) source[set] = src;
        else if (*source[set] != src) r.Fail("p10/p11 differ from the set's earlier rows");
    }

    std::array<TUserSet, kUserSetCount> out;
    for (int set = 0; set < kUserSetCount; ++set) {
        if (!source[set]) throw TInputError(path.string() + ": no rows for user drum set " + std::to_string(set));
        const int map = source[set]->first;
        const int program = source[set]->second;
        const auto& mapSets = presets[map];
        const auto src = std::find_if(mapSets.begin(), mapSets.end(), [&](const TDrumSet& s) { return s.Program == program; });
        if (src == mapSets.end())
            throw TInputError(path.string() + ": user drum set " + std::to_string(set) + " names tone map " +
                              std::to_string(map) + " program " + std::to_string(program) + ", which has no drum set");
        for (int note = 0; note < kNotes; ++note) {
            TUserNote& u = out[set][note];
            const TDrumNote* inst = src->Find(note);
            if (inst) u.Name = inst->Name;
            if (given[set][note]) {
                u.Values = *given[set][note];
                continue;
            }
            const TDrumValues& base = inst ? inst->Values : kUnusedNote;
            std::copy(base.begin(), base.end(), u.Values.begin());
            u.Values[9] = map;
            u.Values[10] = program;
            u.Values[11] = 0;
        }
    }
    return out;
}

struct TMacroKind {
    const char* Effect;
    int Count;
    std::vector<std::string> Params;  // in record order
};

const std::array<TMacroKind, 3> kMacroKinds{{
    {"reverb", 8, {"character", "pre_lpf", "level", "time", "delay_feedback", "predelay_time"}},
    {"chorus", 8, {"pre_lpf", "level", "feedback", "delay", "rate", "depth", "send_to_reverb", "send_to_delay"}},
    {"delay", 10, {"pre_lpf", "time_center", "time_ratio_left", "time_ratio_right", "level_center", "level_left",
                   "level_right", "level", "feedback", "send_to_reverb"}},
}};

constexpr int kMacroValues = 11;

// Records of "SystemEffect.Def" in kind then macro order: 0 kind, 1 macro, 2.. the values.
std::vector<TBytes> ReadMacros(const fs::path& dir) {
    const fs::path path = dir / "macros.tsv";
    const std::vector<std::string> header{"effect", "macro", "macro_name", "parameter", "value", "value_other_source"};
    std::map<std::pair<int, int>, std::array<std::optional<int>, kMacroValues>> values;
    for (const TRow& r : ReadTsv(path, header.size(), header)) {
        int kind = -1;
        for (size_t k = 0; k < kMacroKinds.size(); ++k)
            if (r.Cols[0] == kMacroKinds[k].Effect) kind = static_cast<int>(k);
        if (kind < 0) r.Fail("unknown effect \"" + r.Cols[0] + "\"");
        const TMacroKind& mk = kMacroKinds[kind];
        const int macro = r.Number(1, "macro", 0, mk.Count - 1);
        const auto& names = mk.Params;
        const auto it = std::find(names.begin(), names.end(), r.Cols[3]);
        if (it == names.end()) r.Fail("unknown " + std::string(mk.Effect) + " parameter \"" + r.Cols[3] + "\"");
        auto& slot = values[{kind, macro}][static_cast<size_t>(it - names.begin())];
        if (slot) r.Fail("parameter listed twice for this macro");
        slot = r.Byte(4, "value");
        if (!r.Cols[5].empty()) r.Byte(5, "value_other_source");
    }

    std::vector<TBytes> records;
    for (int kind = 0; kind < static_cast<int>(kMacroKinds.size()); ++kind) {
        const TMacroKind& mk = kMacroKinds[kind];
        for (int macro = 0; macro < mk.Count; ++macro) {
            TBytes rec(13, '\0');
            PutByte(rec, 0, kind);
            PutByte(rec, 1, macro);
            const auto found = values.find({kind, macro});
            for (size_t i = 0; i < mk.Params.size(); ++i) {
                if (found == values.end() || !found->second[i])
                    throw TInputError(path.string() + ": " + mk.Effect + " macro " + std::to_string(macro) + " lacks " +
                                      mk.Params[i]);
                PutByte(rec, 2 + i, *found->second[i]);
            }
            records.push_back(std::move(rec));
        }
    }
    return records;
}

struct TEfxParam {
    int Slot = 0;
    std::string Name;
    int Min = 0, Max = 0, Default = 0;
    std::string Kind, Detail;
};

struct TEfxType {
    int Msb = 0, Lsb = 0;
    std::string Name;
    std::vector<TEfxParam> Params;  // ascending by slot
};

std::vector<TEfxType> ReadEfx(const fs::path& dir) {
    std::vector<TEfxType> types;
    std::map<std::pair<int, int>, size_t> byNumber;
    for (const TRow& r : ReadTsv(dir / "efx-types.tsv", 3)) {
        TEfxType t{r.Byte(0, "type_msb"), r.Byte(1, "type_lsb"), r.Text(2, "name", 30), {}};
        if (!byNumber.emplace(std::pair{t.Msb, t.Lsb}, types.size()).second) r.Fail("type listed twice");
        types.push_back(std::move(t));
    }

    const std::vector<std::string> header{"type_msb", "type_lsb", "slot", "name", "min", "max", "default", "kind", "detail"};
    for (const TRow& r : ReadTsv(dir / "efx-params.tsv", header.size(), header)) {
        const auto type = byNumber.find({r.Byte(0, "type_msb"), r.Byte(1, "type_lsb")});
        if (type == byNumber.end()) r.Fail("type is not in efx-types.tsv");
        TEfxParam p;
        p.Slot = r.Number(2, "slot", 1, 20);
        p.Name = r.Text(3, "name", 31);
        p.Min = r.Byte(4, "min");
        p.Max = r.Byte(5, "max");
        p.Default = r.Byte(6, "default");
        if (p.Min > p.Max || p.Default < p.Min || p.Default > p.Max) r.Fail("default outside min..max");
        p.Kind = r.Text(7, "kind", 64);
        p.Detail = r.Text(8, "detail", 1000, true);
        auto& params = types[type->second].Params;
        if (std::any_of(params.begin(), params.end(), [&](const TEfxParam& o) { return o.Slot == p.Slot; }))
            r.Fail("slot listed twice for this type");
        params.push_back(std::move(p));
    }
    for (TEfxType& t : types)
        std::stable_sort(t.Params.begin(), t.Params.end(), [](const TEfxParam& a, const TEfxParam& b) { return a.Slot < b.Slot; });
    return types;
}

// ---- output ----------------------------------------------------------------------------------

struct TOutput {
    std::string Name;
    std::string Bytes;
};

void WriteAtomically(const fs::path& dir, const TOutput& out) {
    const fs::path final = dir / out.Name;
    const fs::path temp = dir / (out.Name + ".tmp");
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f) throw std::runtime_error(temp.string() + ": cannot create: " + std::strerror(errno));
        f.write(out.Bytes.data(), static_cast<std::streamsize>(out.Bytes.size()));
        f.close();
        if (!f) throw std::runtime_error(temp.string() + ": write failed");
    }
    std::error_code ec;
    fs::rename(temp, final, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw std::runtime_error(final.string() + ": cannot rename into place: " + ec.message());
    }
}

// Patch.Def / Patch8850.Def: 0 bank MSB, 1 tone map, 2 program, 4..15 name.
TBytes PatchRecord(int toneMap, const TTone& t) {
    TBytes rec(28, '\0');
    PutByte(rec, 0, t.Bank);
    PutByte(rec, 1, toneMap);
    PutByte(rec, 2, t.Program);
    PutName12(rec, 4, t.Name);
    return rec;
}

// Drum.Def / Drum8850.Def / UserDrum.Def: 3 note, 4..15 name, 16.. the parameters (9 here; the
// user drum records add p10..p12 at 25..27).
TBytes DrumNoteRecord(int note, const std::string& name, const int* values) {
    TBytes rec(28, '\0');
    PutByte(rec, 3, note);
    PutName12(rec, 4, name);
    for (int i = 0; i < kDrumParams; ++i) PutByte(rec, 16 + i, values[i]);
    return rec;
}

// Appends the sets to def and one index record per set to idx: int32 tone map, program, first
// and end (exclusive) record numbers, then the set name as a length byte and the characters.
void AppendDrumSets(const std::vector<TDrumSet>& sets, std::string& def, std::string& idx) {
    for (const TDrumSet& s : sets) {
        const auto first = static_cast<int32_t>(def.size() / 28);
        for (const TDrumNote& n : s.Notes) def += DrumNoteRecord(n.Note, n.Name, n.Values.data());
        TBytes rec(272, '\0');
        PutInt32(rec, 0, s.ToneMap);
        PutInt32(rec, 4, s.Program);
        PutInt32(rec, 8, first);
        PutInt32(rec, 12, static_cast<int32_t>(def.size() / 28));
        PutCounted(rec, 16, s.Name);
        idx += rec;
    }
}

std::string HexByte(int v) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02X", v & 0xff);
    return buf;
}

std::vector<TOutput> Build(const fs::path& dataDir) {
    std::vector<TOutput> out;

    std::string patch, patch8850;
    for (const TMapFiles& m : kMaps)
        for (const TTone& t : ReadTones(dataDir, m.Suffix)) (m.ToneMap == 4 ? patch8850 : patch) += PatchRecord(m.ToneMap, t);
    out.push_back({"Patch.Def", patch});
    out.push_back({"Patch8850.Def", patch8850});

    std::array<std::vector<TDrumSet>, 5> drumSets;
    for (const TMapFiles& m : kMaps) drumSets[m.ToneMap] = ReadDrumSets(dataDir, m.ToneMap, m.Suffix);
    const auto user = ReadUserDrums(dataDir, drumSets);

    // The user drum sets are reached as programs 64 and 65 of the SC-88Pro map.
    for (int set = 0; set < kUserSetCount; ++set) {
        TDrumSet s{3, 64 + set, "User Drum Set " + std::to_string(65 + set), {}};
        for (int note = 0; note < kNotes; ++note) {
            TDrumNote n{note, user[set][note].Name, {}};
            std::copy_n(user[set][note].Values.begin(), kDrumParams, n.Values.begin());
            s.Notes.push_back(std::move(n));
        }
        drumSets[3].push_back(std::move(s));
    }
    std::string drumDef, drumIdx, drumDef8850, drumIdx8850;
    for (int map = 1; map <= 3; ++map) AppendDrumSets(drumSets[map], drumDef, drumIdx);
    AppendDrumSets(drumSets[4], drumDef8850, drumIdx8850);
    out.push_back({"Drum.Def", drumDef});
    out.push_back({"Drum.Idx", drumIdx});
    out.push_back({"Drum8850.Def", drumDef8850});
    out.push_back({"Drum8850.Idx", drumIdx8850});

    std::string userDef;
    for (int set = 0; set < kUserSetCount; ++set)
        for (int note = 0; note < kNotes; ++note) {
            const TUserNote& u = user[set][note];
            TBytes rec = DrumNoteRecord(note, u.Name, u.Values.data());
            for (int i = kDrumParams; i < kUserParams; ++i) PutByte(rec, 16 + i, u.Values[i]);
            userDef += rec;
        }
    out.push_back({"UserDrum.Def", userDef});

    std::string macros;
    for (const TBytes& rec : ReadMacros(dataDir)) macros += rec;
    out.push_back({"SystemEffect.Def", macros});

    // Insertion.Idx: 0 MSB, 1 LSB, 2 parameter count, 3.. counted name. Insertion.Def: 0 MSB,
    // 1 LSB, 2 slot, 3.. counted name, 35 default, 36 max, 37 min. The text files run in step.
    std::string insIdx, insDef, paraText, progText;
    for (const TEfxType& t : ReadEfx(dataDir)) {
        TBytes rec(34, '\0');
        PutByte(rec, 0, t.Msb);
        PutByte(rec, 1, t.Lsb);
        PutByte(rec, 2, static_cast<int>(t.Params.size()));
        PutCounted(rec, 3, t.Name);
        insIdx += rec;
        progText += HexByte(t.Msb) + "-" + HexByte(t.Lsb) + " " + t.Name + "\n";
        for (const TEfxParam& p : t.Params) {
            TBytes prec(39, '\0');
            PutByte(prec, 0, t.Msb);
            PutByte(prec, 1, t.Lsb);
            PutByte(prec, 2, p.Slot);
            PutCounted(prec, 3, p.Name);
            PutByte(prec, 35, p.Default);
            PutByte(prec, 36, p.Max);
            PutByte(prec, 37, p.Min);
            insDef += prec;
            paraText += p.Kind + "\t" + p.Detail + "\n";
        }
    }
    out.push_back({"Insertion.Idx", insIdx});
    out.push_back({"Insertion.Def", insDef});
    out.push_back({"EfxParaText.dat", paraText});
    out.push_back({"EfxProgText.dat", progText});
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: veka4-mkdefault DATA_DIR OUT_DIR\n";
        return 2;
    }
    try {
        const std::vector<TOutput> files = Build(argv[1]);
        const fs::path outDir = argv[2];
        std::error_code ec;
        fs::create_directories(outDir, ec);
        if (ec) throw std::runtime_error(outDir.string() + ": cannot create: " + ec.message());
        for (const TOutput& f : files) WriteAtomically(outDir, f);
    } catch (const std::exception& e) {
        std::cerr << "veka4-mkdefault: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
