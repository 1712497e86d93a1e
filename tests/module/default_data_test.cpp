// The generated default files read back through TDefaultData, compared with the text sources,
// and the readers' behaviour on reordered, empty and damaged files.
#include "module/default_data.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace veka;

namespace {

const fs::path kDefaultDir = VEKA_TEST_DEFAULT_DIR;
const fs::path kDataDir = VEKA_TEST_DATA_DIR;

// Rows of a TAB-separated source, optionally without its header line.
std::vector<std::vector<std::string>> Tsv(const std::string& name, bool header = false) {
    std::ifstream in(kDataDir / name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    if (header) std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> cols;
        std::stringstream ss(line);
        std::string col;
        while (std::getline(ss, col, '\t')) cols.push_back(col);
        if (!line.empty() && line.back() == '\t') cols.emplace_back();
        rows.push_back(cols);
    }
    return rows;
}

std::string Pad12(const std::string& s) { return s + std::string(12 - s.size(), ' '); }

// A scratch copy of the generated folder, removed at the end of the test.
class TScratch {
public:
    TScratch() {
        static std::atomic<int> counter{0};
        Dir_ = fs::temp_directory_path() /
               ("veka-default-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(counter++));
        fs::create_directories(Dir_);
        for (const auto& e : fs::directory_iterator(kDefaultDir)) fs::copy_file(e.path(), Dir_ / e.path().filename());
    }
    ~TScratch() {
        std::error_code ec;
        fs::remove_all(Dir_, ec);
    }
    std::string Dir() const { return Dir_.string(); }
    fs::path operator/(const char* name) const { return Dir_ / name; }

    void Write(const char* name, const std::string& bytes) const {
        std::ofstream(Dir_ / name, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    fs::path Dir_;
};

std::string DrumIndexRecord(int32_t toneMap, int32_t program, int32_t first, int32_t end, const std::string& name) {
    std::string rec(kDrumIndexRecordSize, '\0');
    const int32_t fields[] = {toneMap, program, first, end};
    for (int f = 0; f < 4; ++f)
        for (int b = 0; b < 4; ++b) rec[static_cast<size_t>(f * 4 + b)] = static_cast<char>((static_cast<uint32_t>(fields[f]) >> (8 * b)) & 0xff);
    rec[16] = static_cast<char>(name.size());
    rec.replace(17, name.size(), name);
    return rec;
}

// Expects the constructor or call to throw EFileError whose message names the file.
template <class F>
void ExpectFileError(F&& f, const std::string& fileName) {
    try {
        f();
        ADD_FAILURE() << "no EFileError for " << fileName;
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(fileName), std::string::npos) << e.what();
    }
}

}  // namespace

TEST(DefaultData, TonesMatchTheSources) {
    const TDefaultData d(kDefaultDir.string());
    EXPECT_EQ(d.ToneName(0, 1, 0), "Piano 1     ");
    EXPECT_EQ(d.ToneName(0, 2, 19), "Church Org.1");  // the SC-55 map spells it "Church Org1"
    EXPECT_EQ(d.ToneName(0, 1, 19), "Church Org1 ");
    EXPECT_EQ(d.ToneName(48, 4, 16), "5th Organ   ");
    EXPECT_EQ(d.ToneName(0, 4, 40), "Violin    : ");  // inner blanks kept
    EXPECT_EQ(d.ToneName(36, 4, 7), "SynRingClav.");
    EXPECT_EQ(d.ToneName(36, 3, 7), "");  // the SC-88Pro map stops at bank 35 below 40
    EXPECT_EQ(d.ToneName(0, 0, 0), "");
    EXPECT_EQ(d.ToneName(0, 5, 0), "");
    EXPECT_TRUE(d.ToneList(5).empty());

    const char* files[] = {"", "tones-sc55.tsv", "tones-sc88.tsv", "tones-sc88pro.tsv", "tones-sc8850.tsv"};
    for (int map = 1; map <= 4; ++map) {
        const auto rows = Tsv(files[map]);
        const auto& list = d.ToneList(map);
        ASSERT_EQ(list.size(), rows.size()) << files[map];
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(list[i].BankMsb, std::stoi(rows[i][0]));
            EXPECT_EQ(list[i].Program, std::stoi(rows[i][1]));
            EXPECT_EQ(list[i].ToneMap, map);
            EXPECT_EQ(list[i].Name, Pad12(rows[i][2])) << files[map] << " row " << i;
        }
    }
}

TEST(DefaultData, DrumSetsMatchTheSources) {
    const TDefaultData d(kDefaultDir.string());
    const char* suffix[] = {"", "sc55", "sc88", "sc88pro", "sc8850"};
    for (int map = 1; map <= 4; ++map) {
        const std::string s = suffix[map];
        const auto notes = Tsv("drumnotes-" + s + ".tsv");
        const auto defaults = Tsv("drumdefaults-" + s + ".tsv", true);
        ASSERT_EQ(notes.size(), defaults.size());
        for (const auto& set : Tsv("drumsets-" + s + ".tsv")) {
            const int program = std::stoi(set[0]);
            const TDrumIndexRecord* index = d.FindDrumSet(map, program);
            ASSERT_NE(index, nullptr) << s << " " << program;
            EXPECT_EQ(index->Name, set[1]);
            bool found = false;
            const auto records = d.ReadDrumSet(map, program, &found);
            EXPECT_TRUE(found);
            size_t k = 0;
            for (size_t row = 0; row < notes.size(); ++row) {
                if (std::stoi(notes[row][0]) != program) continue;
                ASSERT_LT(k, records.size()) << s << " " << program;
                EXPECT_EQ(records[k].Note, std::stoi(notes[row][1]));
                EXPECT_EQ(records[k].Name, Pad12(notes[row][3]));
                for (size_t v = 0; v < 9; ++v) EXPECT_EQ(records[k].Values[v], std::stoi(defaults[row][2 + v]));
                ++k;
            }
            EXPECT_EQ(k, records.size()) << s << " " << program;
        }
    }

    // A note the set does not define has no record, so its name cannot leak in from another set.
    const auto standard = d.ReadDrumSet(1, 0);
    for (const auto& r : standard) EXPECT_NE(r.Note, 20);
    EXPECT_EQ(d.FindDrumSet(4, 51)->Name, "KICK & SNARE 2");
    EXPECT_EQ(d.FindDrumSet(3, 127), nullptr);
    EXPECT_EQ(d.FindDrumSet(0, 0), nullptr);
    bool found = true;
    EXPECT_TRUE(d.ReadDrumSet(2, 100, &found).empty());
    EXPECT_FALSE(found);
}

TEST(DefaultData, UserDrumSets) {
    const TDefaultData d(kDefaultDir.string());
    ASSERT_EQ(d.UserDrum().size(), 256u);
    for (size_t i = 0; i < 256; ++i) EXPECT_EQ(d.UserDrum()[i].Note, i % 128);

    // Measured rows: set 1 note 48 is the SC-55 map STANDARD's High Tom 2.
    const TUserDrumRecord& tom = d.UserDrum()[128 + 48];
    EXPECT_EQ(tom.Name, "High Tom 2  ");
    const std::array<int32_t, 12> tomValues{62, 127, 0, 82, 127, 127, 0, 1, 0, 1, 0, 48};
    EXPECT_EQ(tom.Values, tomValues);
    // Notes the unit does not report are unused notes of the source set, source note 0.
    const std::array<int32_t, 12> unused0{0, 127, 0, 64, 0, 0, 0, 1, 0, 2, 0, 0};
    const std::array<int32_t, 12> unused1{0, 127, 0, 64, 0, 0, 0, 1, 0, 1, 0, 0};
    for (int note = 112; note < 128; ++note) {
        EXPECT_EQ(d.UserDrum()[static_cast<size_t>(note)].Values, unused0) << note;
        EXPECT_EQ(d.UserDrum()[static_cast<size_t>(128 + note)].Values, unused1) << note;
        EXPECT_EQ(d.UserDrum()[static_cast<size_t>(note)].Name, "");
    }
    EXPECT_EQ(d.UserDrum()[25].Name, "Snare Roll  ");  // the SC-88 map STANDARD 1 starts at 25
    EXPECT_EQ(d.UserDrum()[128 + 25].Name, "");       // the SC-55 map STANDARD at 27

    // As drum sets 64 and 65 they are found in the SC-88Pro map, whichever map is asked.
    for (int map : {1, 3, 4}) {
        bool found = false;
        const auto set = d.ReadDrumSet(map, 65, &found);
        EXPECT_TRUE(found);
        ASSERT_EQ(set.size(), 128u);
        EXPECT_EQ(set[48].Name, tom.Name);
        for (size_t v = 0; v < 9; ++v) EXPECT_EQ(set[48].Values[v], tom.Values[v]);
    }
    EXPECT_EQ(d.FindDrumSet(3, 64)->Name, "User Drum Set 65");
    EXPECT_EQ(d.FindDrumSet(3, 65)->Name, "User Drum Set 66");
}

TEST(DefaultData, Macros) {
    const TDefaultData d(kDefaultDir.string());
    const auto room1 = d.ReadMacro(0, 0);
    ASSERT_TRUE(room1);
    const std::array<uint8_t, 11> room1Values{0, 3, 64, 80, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(room1->Values, room1Values);
    const auto delay1 = d.ReadMacro(2, 0);  // Delay 1, the manual's feedback value
    ASSERT_TRUE(delay1);
    const std::array<uint8_t, 11> delay1Values{0, 97, 1, 1, 127, 0, 0, 64, 80, 0, 0};
    EXPECT_EQ(delay1->Values, delay1Values);
    EXPECT_TRUE(d.ReadMacro(2, 9));
    EXPECT_TRUE(d.ReadMacro(1, 7));
    EXPECT_FALSE(d.ReadMacro(1, 8));
    EXPECT_FALSE(d.ReadMacro(3, 0));
}

TEST(DefaultData, InsertionTypesMatchTheSources) {
    const TDefaultData d(kDefaultDir.string());
    const auto types = Tsv("efx-types.tsv");
    const auto params = Tsv("efx-params.tsv", true);
    ASSERT_EQ(d.InsertionTypes().size(), types.size());
    ASSERT_EQ(d.EfxProgText().size(), types.size());
    EXPECT_EQ(d.EfxProgText()[0], "00-00 Thru");
    EXPECT_EQ(d.EfxProgText()[1], "01-00 Stereo-EQ");
    EXPECT_EQ(d.InsertionIndexOf(1, 0), 1);
    EXPECT_EQ(d.InsertionIndexOf(2, 12), -1);
    EXPECT_TRUE(d.ReadInsertionType(0, 0).empty());

    size_t total = 0;
    for (size_t t = 0; t < types.size(); ++t) {
        const int msb = std::stoi(types[t][0]), lsb = std::stoi(types[t][1]);
        const TInsertionTypeRecord& type = d.InsertionTypes()[t];
        EXPECT_EQ(type.Name, types[t][2]);
        const auto read = d.ReadInsertionType(msb, lsb);
        EXPECT_EQ(type.ParameterCount, read.size());
        size_t k = 0;
        for (const auto& p : params) {
            if (std::stoi(p[0]) != msb || std::stoi(p[1]) != lsb) continue;
            ASSERT_LT(k, read.size());
            EXPECT_EQ(read[k].Slot, std::stoi(p[2]));
            EXPECT_EQ(read[k].Name, p[3]);
            EXPECT_EQ(read[k].Min, std::stoi(p[4]));
            EXPECT_EQ(read[k].Max, std::stoi(p[5]));
            EXPECT_EQ(read[k].Default, std::stoi(p[6]));
            EXPECT_EQ(read[k].TextKind, p[7] + "\t" + p[8]);
            ++k;
        }
        EXPECT_EQ(k, read.size()) << types[t][2];
        total += k;
    }
    EXPECT_EQ(total, params.size());
}

TEST(DefaultData, DrumIndexIsReorderedAndFiltered) {
    TScratch s;
    s.Write("Drum.Idx", DrumIndexRecord(3, 16, 0, 1, "M3 P16") + DrumIndexRecord(0, 1, 0, 1, "M0") +
                            DrumIndexRecord(3, 0, 0, 1, "M3 P0") + DrumIndexRecord(1, 0, 0, 1, "M1 P0") +
                            DrumIndexRecord(4, 5, 0, 1, "M4 P5") + DrumIndexRecord(5, 2, 0, 1, "M5") +
                            DrumIndexRecord(3, 8, 0, 1, "M3 P8 first") + DrumIndexRecord(2, 7, 3, 3, "EMPTY") +
                            DrumIndexRecord(4, 1, 0, 1, "M4 P1") + DrumIndexRecord(3, 8, 1, 2, "M3 P8 second"));
    const TDefaultData d(s.Dir());
    std::vector<std::string> names;
    for (const auto& r : d.DrumIndex()) names.push_back(r.Name);
    const std::vector<std::string> expected{"M4 P1", "M4 P5", "M3 P0", "M3 P8 first", "M3 P8 second", "M3 P16",
                                            "EMPTY", "M1 P0"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(d.FindDrumSet(3, 8)->Name, "M3 P8 first");
    // Map 4 lookups use "Drum8850.Idx" only, never map 4 records of "Drum.Idx".
    EXPECT_EQ(d.FindDrumSet(4, 5), nullptr);
    EXPECT_EQ(d.FindDrumSet(4, 0)->Name, "STANDARD 1");

    bool found = false;
    EXPECT_TRUE(d.ReadDrumSet(2, 7, &found).empty());
    EXPECT_TRUE(found);
    EXPECT_EQ(d.FindDrumSet(2, 7)->Name, "EMPTY");
    EXPECT_EQ(d.ReadDrumSet(3, 8).size(), 1u);
}

TEST(DefaultData, DamagedFilesAreReportedByName) {
    {
        TScratch s;
        fs::remove(s / "Patch.Def");
        ExpectFileError([&] { TDefaultData d(s.Dir()); }, "Patch.Def");
    }
    {
        TScratch s;
        fs::resize_file(s / "Insertion.Idx", fs::file_size(s / "Insertion.Idx") - 1);
        ExpectFileError([&] { TDefaultData d(s.Dir()); }, "Insertion.Idx");
    }
    {
        TScratch s;  // whole records, but one short of the 256
        fs::resize_file(s / "UserDrum.Def", 255 * kUserDrumRecordSize);
        ExpectFileError([&] { TDefaultData d(s.Dir()); }, "UserDrum.Def");
    }
    {
        TScratch s;
        fs::remove(s / "Drum8850.Idx");
        fs::create_directory(s / "Drum8850.Idx");
        ExpectFileError([&] { TDefaultData d(s.Dir()); }, "Drum8850.Idx");
    }
    {
        TScratch s;  // a type name length past its 30-byte field
        std::string idx(kInsertionIndexRecordSize, '\0');
        idx[3] = 31;
        s.Write("Insertion.Idx", idx);
        ExpectFileError([&] { TDefaultData d(s.Dir()); }, "Insertion.Idx");
    }
    {
        TScratch s;
        s.Write("Drum.Idx", DrumIndexRecord(2, 0, 0, 1'000'000, "PAST") + DrumIndexRecord(2, 1, 5, 4, "BACKWARDS") +
                                DrumIndexRecord(2, 2, -1, 0, "NEGATIVE"));
        const TDefaultData d(s.Dir());
        for (int program : {0, 1, 2}) ExpectFileError([&] { d.ReadDrumSet(2, program); }, "Drum.Def");
    }
    {
        TScratch s;  // the .Def files are read on demand
        const TDefaultData d(s.Dir());
        fs::resize_file(s / "Drum8850.Def", 10 * kDrumDefRecordSize);
        ExpectFileError([&] { d.ReadDrumSet(4, 62); }, "Drum8850.Def");
        fs::remove(s / "SystemEffect.Def");
        ExpectFileError([&] { d.ReadMacro(0, 0); }, "SystemEffect.Def");
    }
    {
        TScratch s;  // a text line missing for the last type's parameters
        const TDefaultData d(s.Dir());
        s.Write("EfxParaText.dat", "number\t\n");
        ExpectFileError([&] { d.ReadInsertionType(17, 8); }, "EfxParaText.dat");
        std::string def(kInsertionDefRecordSize, '\0');
        def[0] = 1;
        def[3] = 32;  // parameter name length past its 31-byte field
        s.Write("Insertion.Def", def);
        ExpectFileError([&] { d.ReadInsertionType(1, 0); }, "Insertion.Def");
    }
}
