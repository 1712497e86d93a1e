// Setup files: the collectors' order, the file bytes, reading every kind back into a fresh
// image, and damaged or hostile files.
#include <gtest/gtest.h>

#include "temp_dir.h"
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "image_writer/image_writer.h"
#include "module/difference_list.h"
#include "module/image.h"
#include "module/setup_file.h"
#include "module/setup_reader.h"
#include "module/user_messages.h"
#include "test_image.h"

namespace veka {
namespace {

namespace fs = std::filesystem;
using test::TImageFixture;
using TBytes = std::vector<uint8_t>;

// Each test's own folder.
struct TTempDir : test::TTempDir {
    TTempDir() : test::TTempDir("veka-setup-test-") {}
};

TBytes SetupBytes(const std::vector<TSetupRecord>& records, const char* magic = "Veka40") {
    TBytes bytes(magic, magic + 6);
    const uint32_t length = uint32_t(records.size() * 8);
    for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(length >> (8 * i)));
    for (const TSetupRecord& r : records) {
        bytes.insert(bytes.end(), {r.B0, r.B1, r.B2, r.B3});
        for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(uint32_t(r.V) >> (8 * i)));
    }
    return bytes;
}

TBytes FileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const TBytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// What the main window does at start: every drum part's drum set goes into its map.
void LoadPlayedDrumSets(TVGS& image) {
    for (int port = 0; port < kPortCount; ++port)
        for (int part = 1; part <= kPartsPerPort; ++part) {
            const int map = image.Part(port, part, ppRhythm).Value;
            if (map == 0) continue;
            const int program = image.Part(port, part, ppToneNumber).Value % 128;
            const int toneMap = image.Part(port, part, ppToneMap).Value;
            image.LoadDrumSet(port, map, program, toneMap);
            image.DrumSet(port, map) = {toneMap, program, true};
        }
}

// A value one step away from the current one, inside the bounds.
void Bump(TOneParameter& p) { p.Value = p.Value >= p.Max ? p.Value - 1 : p.Value + 1; }

// The first parameter whose value (and for drum maps and effects, bounds) differ; empty when
// the images hold the same setup.
std::string FirstDifference(const TVGS& a, const TVGS& b) {
    auto same = [](const TOneParameter& x, const TOneParameter& y) {
        return x.Value == y.Value && x.Default == y.Default && x.Max == y.Max && x.Min == y.Min;
    };
    for (int n = 1; n <= kSystemParameterCount; ++n)
        if (!same(a.System(n), b.System(n))) return "system " + std::to_string(n);
    for (int port = 0; port < kPortCount; ++port)
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n <= kPartParameterCount; ++n)
                if (!same(a.Part(port, part, n), b.Part(port, part, n)))
                    return "part " + PartName(port, part) + " " + std::to_string(n) + ": " +
                           std::to_string(a.Part(port, part, n).Value) + " / " + std::to_string(b.Part(port, part, n).Value);
    for (int port = 0; port < kPortCount; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n)
                    if (!same(a.Drum(port, map, n, note), b.Drum(port, map, n, note)))
                        return "drum " + DrumMapName(port, map) + " note " + std::to_string(note) + " " + std::to_string(n);
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int note = 0; note < kNoteCount; ++note)
            for (int n = 1; n <= kUserDrumParameterCount; ++n)
                if (!same(a.UserDrum(set, n, note), b.UserDrum(set, n, note)))
                    return "user drum " + std::to_string(set) + " note " + std::to_string(note) + " " + std::to_string(n);
    return {};
}

std::vector<std::pair<int, int>> HeaderKinds(const std::deque<TSetupRecord>& list) {
    std::vector<std::pair<int, int>> kinds;
    for (size_t i = 0; i < list.size(); i += 1 + size_t(list[i].V)) kinds.emplace_back(list[i].B0, list[i].B1);
    return kinds;
}

// ---------------------------------------------------------------------------------------------
// Collecting and writing

TEST(SetupFileWrite, ByteExampleOfOnePartValue) {
    TImageFixture f;
    f->MaxPart = 1;
    TImageWriter(*f).Part(1, 3, ppVolume).Value = 90;
    EXPECT_EQ(BuildDifferenceList(*f, f.List), 1);
    const TBytes expected = {'V', 'e', 'k', 'a', '4', '0', 16, 0, 0, 0, 1, 19, 0, 0, 1, 0, 0, 0, 3, 9, 0, 0, 90, 0, 0, 0};
    TBytes bytes;
    ASSERT_TRUE(SetupFileBytes(*f, f.List, bytes).Ok());
    EXPECT_EQ(bytes, expected);

    TTempDir dir;
    int finished = 0;
    TProgress watched;
    watched.OnFinished = [&] { ++finished; };
    EXPECT_TRUE(WriteSetupFile(*f, f.List, dir / "b3.ga4", watched).Ok());
    EXPECT_EQ(FileContents(dir / "b3.ga4"), expected);
    EXPECT_TRUE(f.List.empty());
    EXPECT_EQ(finished, 1);
    // Only the file itself is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), fs::directory_iterator()), 1);
}

TEST(SetupFileWrite, PartItemsDescendThenToneLast) {
    TImageFixture f;
    TImageWriter(*f).Part(0, 1, ppVolume).Value = 90;
    TImageWriter(*f).Part(0, 1, ppPanpot).Value = 30;
    TImageWriter(*f).Part(0, 1, 50).Value = 70;
    TImageWriter(*f).Part(0, 1, ppToneNumber).Value = 5;
    EXPECT_EQ(CollectPart(*f, f.List, 0, 1), 6);
    const auto& list = f.List;
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list[0], (TSetupRecord{1, 1, 0, 0, 6}));
    const int order[] = {50, ppPanpot, ppVolume, ppToneNumber, ppToneMap, ppRhythm};
    const int32_t values[] = {70, 30, 90, 5, 4, 0};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(list[i + 1], (TSetupRecord{1, uint8_t(order[i]), 0, 0, values[i]})) << i;

    // Without a changed tone, the three tone parameters stay out.
    f.List.clear();
    TImageWriter(*f).Part(0, 1, ppToneNumber).Value = 0;
    EXPECT_EQ(CollectPart(*f, f.List, 0, 1), 3);
    EXPECT_EQ(f.List[3].B1, ppVolume);
    // An unchanged part adds nothing, not even a header.
    EXPECT_EQ(CollectPart(*f, f.List, 0, 2), 0);
    EXPECT_EQ(f.List.size(), 4u);
}

TEST(SetupFileWrite, SystemDrumAndUserDrumCollectors) {
    TImageFixture f;
    TImageWriter(*f).System(2).Value = 100;
    TImageWriter(*f).System(8).Value = 10;
    EXPECT_EQ(CollectSystemRange(*f, f.List, 1, 64), 2);
    EXPECT_EQ(f.List[0], (TSetupRecord{0, 1, 64, 0, 2}));
    EXPECT_EQ(f.List[1], (TSetupRecord{2, 0, 0, 0, 100}));
    EXPECT_EQ(f.List[2], (TSetupRecord{8, 0, 0, 0, 10}));
    f.List.clear();
    EXPECT_EQ(CollectSystemRange(*f, f.List, 32, 35), 0);
    EXPECT_TRUE(f.List.empty());

    // Drum map: notes and parameters descend in the file; B2 is the program of the set.
    TImageWriter(*f).Part(1, 10, ppToneNumber).Value = 8;
    TImageWriter(*f).Drum(1, 1, 3, 36).Value = 5;
    TImageWriter(*f).Drum(1, 1, 1, 40).Value = 70;
    EXPECT_EQ(CollectDrumMap(*f, f.List, 1, 1), 2);
    EXPECT_EQ(f.List[0], (TSetupRecord{2, 3, 8, 0, 2}));
    EXPECT_EQ(f.List[1], (TSetupRecord{3, 40, 1, 0, 70}));
    EXPECT_EQ(f.List[2], (TSetupRecord{3, 36, 3, 0, 5}));
    // The single-map form names the drum set's tone map in B1.
    f.List.clear();
    TImageWriter(*f).Part(1, 10, ppToneMap).Value = 3;
    CollectDrumMap(*f, f.List, 1, 1, true);
    EXPECT_EQ(f.List[0], (TSetupRecord{2, 3, 8, 0, 2}));
    TImageWriter(*f).Part(1, 10, ppToneMap).Value = 4;
    f.List.clear();
    CollectDrumMap(*f, f.List, 1, 1, true);
    EXPECT_EQ(f.List[0].B1, 4);
    // Map 2 of Port D is global map 8; without a part on it the drum set record names the set.
    f.List.clear();
    TImageWriter(*f).Drum(3, 2, 9, 127).Value = 1;
    f->DrumSet(3, 2) = {3, 25, true};
    CollectDrumMap(*f, f.List, 3, 2);
    EXPECT_EQ(f.List[0], (TSetupRecord{2, 8, 25, 0, 1}));
    EXPECT_EQ(f.List[1], (TSetupRecord{8, 127, 9, 0, 1}));

    // User drum: all twelve parameters of a note with one change.
    f.List.clear();
    Bump(TImageWriter(*f).UserDrum(1, 2, 60));
    EXPECT_EQ(CollectUserDrumSet(*f, f.List, 1), 12);
    EXPECT_EQ(f.List[0], (TSetupRecord{3, 1, 0, 0, 12}));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(f.List[size_t(i) + 1],
                  (TSetupRecord{1, 60, uint8_t(12 - i), 0, f->UserDrum(1, 12 - i, 60).Value}));
}

TEST(SetupFileWrite, WholeSetupSectionsInReverseOfCollection) {
    TImageFixture f;
    f->MaxPart = 2;
    std::vector<std::string> progress;
    TProgress watched;
    watched.OnProgress = [&](int, int, const std::string& text) { progress.push_back(text); };
    Bump(TImageWriter(*f).UserDrum(0, 2, 36));
    Bump(TImageWriter(*f).UserDrum(1, 2, 36));
    TImageWriter(*f).System(2).Value = 90;
    TImageWriter(*f).Part(0, 1, ppVolume).Value = 90;
    TImageWriter(*f).Part(1, 5, ppVolume).Value = 90;
    TImageWriter(*f).Part(3, 16, ppVolume).Value = 90;
    TImageWriter(*f).Drum(0, 1, 2, 36).Value = 90;
    TImageWriter(*f).Drum(3, 2, 2, 36).Value = 90;
    EXPECT_EQ(BuildDifferenceList(*f, f.List, watched), 24 + 1 + 3 + 2);
    const std::vector<std::pair<int, int>> expected = {{3, 1}, {3, 0}, {0, 1}, {1, 64}, {1, 21}, {1, 1}, {2, 8}, {2, 1}};
    EXPECT_EQ(HeaderKinds(f.List), expected);
    EXPECT_NE(std::find(progress.begin(), progress.end(), "Part B5 Parameter"), progress.end());
    EXPECT_NE(std::find(progress.begin(), progress.end(), "Drum D2 Parameter"), progress.end());
    EXPECT_NE(std::find(progress.begin(), progress.end(), "User Drum 1 Parameter"), progress.end());

    // Only the active ports: with 16 parts, Port B and D are left out.
    f->MaxPart = 0;
    BuildDifferenceList(*f, f.List);
    const std::vector<std::pair<int, int>> portA = {{3, 1}, {3, 0}, {0, 1}, {1, 1}, {2, 1}};
    EXPECT_EQ(HeaderKinds(f.List), portA);

    progress.clear();
    TBytes bytes;
    ASSERT_TRUE(SetupFileBytes(*f, f.List, bytes, watched).Ok());
    ASSERT_EQ(progress.size(), 5u);
    EXPECT_EQ(progress[0], "Now saving");
}

TEST(SetupFileWrite, BrokenListIsNotWritten) {
    TImageFixture f;
    TTempDir dir;
    f.List.push_back({1, 1, 0, 0, 5});
    f.List.push_back({1, 9, 0, 0, 90});
    const TSetupWriteResult r = WriteSetupFile(*f, f.List, dir / "x.ga4");
    EXPECT_EQ(r.Message, 18);
    EXPECT_EQ(r.Text(TLanguage::English).rfind("Error occurs while data are made.\r\ntry again", 0), 0u);
    EXPECT_FALSE(fs::exists(dir / "x.ga4"));
    EXPECT_TRUE(f.List.empty());
}

TEST(SetupFileWrite, FailedWriteLeavesTheOldFileWhole) {
    TImageFixture f;
    TTempDir dir;
    const std::string path = dir / "keep.ga4";
    TImageWriter(*f).Part(0, 1, ppVolume).Value = 90;
    BuildDifferenceList(*f, f.List);
    ASSERT_TRUE(WriteSetupFile(*f, f.List, path).Ok());
    const TBytes old = FileContents(path);

    // A file size limit makes the new, longer file fail half-way through.
    for (int part = 1; part <= 16; ++part) TImageWriter(*f).Part(0, part, ppPanpot).Value = 1;
    BuildDifferenceList(*f, f.List);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const TSetupWriteResult r = WriteSetupFile(*f, f.List, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(r.Message, 19);
    EXPECT_FALSE(r.Detail.empty());
    EXPECT_EQ(FileContents(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), fs::directory_iterator()), 1);

    // A folder that does not exist, and a target that is a folder.
    BuildDifferenceList(*f, f.List);
    EXPECT_EQ(WriteSetupFile(*f, f.List, dir / "missing/x.ga4").Message, 19);
    fs::create_directory(dir / "folder.ga4");
    BuildDifferenceList(*f, f.List);
    EXPECT_EQ(WriteSetupFile(*f, f.List, dir / "folder.ga4").Message, 19);
    EXPECT_TRUE(fs::is_directory(dir / "folder.ga4"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), fs::directory_iterator()), 2);
}

// ---------------------------------------------------------------------------------------------
// Reading

TEST(SetupFileRead, OnePartGoesToTheChosenPartWithinBounds) {
    TImageFixture f;
    TFixedSetupFileHost host;
    host.Part = 15;  // "Part A16"
    const TBytes bytes = SetupBytes({{1, 19, 0, 0, 2}, {3, ppVolume, 0, 0, 130}, {3, ppPanpot, 0, 0, -5}});
    const TSetupReadResult r = ReadSetupBytes(*f, host, 0, TSetupFileKind::OnePart, bytes);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(f->Part(0, 16, ppVolume).Value, 127);
    EXPECT_EQ(f->Part(0, 16, ppPanpot).Value, 0);
    EXPECT_EQ(f->Part(1, 3, ppVolume).Value, 100);  // the part the file came from is untouched
    EXPECT_TRUE(r.Sections.Part);
    EXPECT_FALSE(r.Sections.System || r.Sections.DrumMap || r.Sections.UserDrum);
    EXPECT_TRUE(f.Changes.empty());  // nothing is transmitted
    ASSERT_EQ(host.Asked.size(), 1u);
    EXPECT_EQ(host.Asked[0].Title, "Select a Part destination");
    EXPECT_EQ(host.Asked[0].Label, "Part destination:");
    ASSERT_EQ(host.Asked[0].Items.size(), 16u);
    EXPECT_EQ(host.Asked[0].Items[0], "Part A1");
    EXPECT_EQ(host.Asked[0].Items[15], "Part A16");

    f->Language = TLanguage::Japanese;
    f->MaxPart = 2;
    host.Asked.clear();
    host.Part = 63;
    ASSERT_TRUE(ReadSetupBytes(*f, host, 0, TSetupFileKind::OnePart, bytes).Ok());
    EXPECT_EQ(f->Part(3, 16, ppVolume).Value, 127);
    EXPECT_EQ(host.Asked[0].Title, UserMessage(24, TLanguage::Japanese));
    EXPECT_EQ(host.Asked[0].Label, UserMessage(38, TLanguage::Japanese));
    EXPECT_EQ(host.Asked[0].Items.size(), 64u);
}

TEST(SetupFileRead, EmptyFileChangesNothing) {
    TImageFixture f, fresh;
    TFixedSetupFileHost host;
    const TBytes bytes = SetupBytes({});
    ASSERT_EQ(bytes.size(), 10u);
    const TSetupReadResult r = ReadSetupBytes(*f, host, 0, TSetupFileKind::Ga4, bytes, "empty.ga4");
    EXPECT_TRUE(r.Ok());
    EXPECT_FALSE(r.Sections.System || r.Sections.Part || r.Sections.DrumMap || r.Sections.UserDrum);
    EXPECT_FALSE(r.UserDrumRead);
    EXPECT_TRUE(r.Headers.empty());
    EXPECT_TRUE(f.Changes.empty());
    EXPECT_EQ(FirstDifference(*f, *fresh), "");
    EXPECT_EQ(host.CurrentFile, "empty.ga4");
}

TEST(SetupFileRead, OlderMagicReadsExactlyAlike) {
    const std::vector<TSetupRecord> records = {{0, 1, 64, 0, 2}, {5, 0, 0, 0, 1}, {8, 0, 0, 0, 99},
                                               {1, 5, 0, 0, 1},  {5, 9, 0, 0, 33}};
    TImageFixture older, newer;
    TFixedSetupFileHost host30, host40;
    const TSetupReadResult r30 = ReadSetupBytes(*older, host30, 0, TSetupFileKind::Ga3, SetupBytes(records, "Veka30"));
    const TSetupReadResult r40 = ReadSetupBytes(*newer, host40, 0, TSetupFileKind::Ga3, SetupBytes(records, "Veka40"));
    ASSERT_TRUE(r30.Ok());
    ASSERT_TRUE(r40.Ok());
    EXPECT_EQ(FirstDifference(*older, *newer), "");
    EXPECT_EQ(older->Part(0, 5, ppVolume).Value, 33);
    EXPECT_EQ(older->System(8).Value, 99);
    EXPECT_EQ(older.Changes.size(), newer.Changes.size());
    EXPECT_TRUE(host30.ModifiedCleared);
    EXPECT_EQ(r30.Headers, (std::vector<TSetupRecord>{{0, 1, 64, 0, 2}, {1, 5, 0, 0, 1}}));
}

TEST(SetupFileRead, WholeSetupBecomesCurrentOnlyWhenReadToTheEnd) {
    TImageFixture f;
    TFixedSetupFileHost host;
    const TBytes good = SetupBytes({{1, 1, 0, 0, 1}, {1, ppVolume, 0, 0, 1}});
    ASSERT_TRUE(ReadSetupBytes(*f, host, 0, TSetupFileKind::Ga4, good, "a.ga4").Ok());
    EXPECT_EQ(host.CurrentFile, "a.ga4");
    EXPECT_FALSE(host.ModifiedCleared);

    TFixedSetupFileHost other;
    const TBytes broken = SetupBytes({{1, 1, 0, 0, 1}, {1, ppVolume, 0, 0, 2}, {0, 1, 64, 0, 3}});
    const TSetupReadResult r = ReadSetupBytes(*f, other, 0, TSetupFileKind::Ga4, broken, "b.ga4");
    EXPECT_EQ(r.Status, TSetupReadStatus::Damaged);
    EXPECT_EQ(r.Message, 23);
    EXPECT_EQ(r.Text(TLanguage::English), "Found error in the data file.");
    EXPECT_EQ(f->Part(0, 1, ppVolume).Value, 2);  // what came before the broken section stays
    EXPECT_EQ(other.CurrentFile, "");
    EXPECT_EQ(r.Headers, (std::vector<TSetupRecord>{{1, 1, 0, 0, 1}, {0, 1, 64, 0, 3}}));
}

TEST(SetupFileRead, CancelledQuestionEndsQuietly) {
    TImageFixture f, fresh;
    TFixedSetupFileHost host;
    host.Part = std::nullopt;
    const TBytes bytes = SetupBytes({{0, 1, 64, 0, 1}, {2, 0, 0, 0, 90}, {1, 1, 0, 0, 1}, {1, ppVolume, 0, 0, 1}});
    TSetupReadResult r = ReadSetupBytes(*f, host, 0, TSetupFileKind::OnePart, bytes);
    EXPECT_EQ(r.Status, TSetupReadStatus::Cancelled);
    EXPECT_EQ(r.Text(TLanguage::English), "");
    EXPECT_EQ(f->System(2).Value, 90);  // read before the question
    EXPECT_EQ(f->Part(0, 1, ppVolume).Value, 100);
    // An answer outside the list counts as cancel.
    host.Part = 16;
    r = ReadSetupBytes(*f, host, 0, TSetupFileKind::OnePart, bytes);
    EXPECT_EQ(r.Status, TSetupReadStatus::Cancelled);
    for (int part = 1; part <= kPartsPerPort; ++part) EXPECT_EQ(f->Part(0, part, ppVolume).Value, 100);
}

struct TBadCase {
    const char* What;
    TBytes Bytes;
    TSetupReadStatus Status;
};

TEST(SetupFileRead, DamagedAndHostileFilesNeverReachOutsideTheImage) {
    auto raw = [](std::string text) { return TBytes(text.begin(), text.end()); };
    TBytes shortLength = SetupBytes({{1, 1, 0, 0, 0}});
    shortLength.push_back(0);  // L no longer matches the size
    TBytes partialRecord = SetupBytes({{1, 1, 0, 0, 0}});
    partialRecord.resize(partialRecord.size() - 3);
    partialRecord[6] = uint8_t(partialRecord.size() - 10);
    TBytes negativeLength = SetupBytes({});
    negativeLength[9] = 0xFF;
    const std::vector<TBadCase> cases = {
        {"no magic", raw("Vekb40\0\0\0\0"), TSetupReadStatus::NotVeka},
        {"five bytes", raw("Veka4"), TSetupReadStatus::NotVeka},
        {"empty", {}, TSetupReadStatus::NotVeka},
        {"magic only", raw("Veka40"), TSetupReadStatus::Damaged},
        {"L too large", shortLength, TSetupReadStatus::Damaged},
        {"L negative", negativeLength, TSetupReadStatus::Damaged},
        {"partial record", partialRecord, TSetupReadStatus::Damaged},
        {"count past the end", SetupBytes({{1, 1, 0, 0, 2}, {1, 9, 0, 0, 1}}), TSetupReadStatus::Damaged},
        {"negative count", SetupBytes({{1, 1, 0, 0, -1}, {1, 9, 0, 0, 1}}), TSetupReadStatus::Damaged},
        {"huge count", SetupBytes({{3, 0, 0, 0, 0x7FFFFFFF}}), TSetupReadStatus::Damaged},
        {"unknown kind", SetupBytes({{7, 0, 0, 0, 1}, {1, 9, 0, 0, 1}}), TSetupReadStatus::Ok},
        {"part 0", SetupBytes({{1, 0, 0, 0, 1}, {1, 9, 0, 0, 1}}), TSetupReadStatus::Ok},
        {"part 65", SetupBytes({{1, 65, 0, 0, 1}, {1, 9, 0, 0, 1}}), TSetupReadStatus::Ok},
        {"part 255", SetupBytes({{1, 255, 0, 0, 1}, {1, 9, 0, 0, 1}}), TSetupReadStatus::Ok},
        {"part parameters", SetupBytes({{1, 1, 0, 0, 2}, {1, 0, 0, 0, 1}, {1, 112, 0, 0, 1}}), TSetupReadStatus::Ok},
        {"drum maps", SetupBytes({{2, 1, 0, 0, 3}, {0, 36, 1, 0, 1}, {9, 36, 1, 0, 1}, {255, 36, 1, 0, 1}}),
         TSetupReadStatus::Ok},
        {"drum notes and parameters", SetupBytes({{2, 1, 0, 0, 3}, {1, 128, 1, 0, 1}, {1, 36, 0, 0, 1}, {1, 36, 10, 0, 1}}),
         TSetupReadStatus::Ok},
        {"user drums", SetupBytes({{3, 0, 0, 0, 4}, {2, 36, 1, 0, 1}, {0, 200, 1, 0, 1}, {0, 36, 0, 0, 1}, {0, 36, 13, 0, 1}}),
         TSetupReadStatus::Ok},
        {"system parameters", SetupBytes({{0, 1, 64, 0, 2}, {0, 0, 0, 0, 1}, {65, 0, 0, 0, 1}}), TSetupReadStatus::Ok},
    };
    for (const TSetupFileKind kind : {TSetupFileKind::Ga4, TSetupFileKind::Custom}) {
        for (const TBadCase& c : cases) {
            TImageFixture f, fresh;
            TFixedSetupFileHost host;
            const TSetupReadResult r = ReadSetupBytes(*f, host, 0, kind, c.Bytes, "x");
            EXPECT_EQ(r.Status, c.Status) << c.What;
            EXPECT_EQ(r.Message, c.Status == TSetupReadStatus::NotVeka ? 22 : c.Status == TSetupReadStatus::Damaged ? 23 : 0)
                << c.What;
            EXPECT_EQ(FirstDifference(*f, *fresh), "") << c.What;
            EXPECT_FALSE(r.UserDrumRead) << c.What;
            // A file rejected as a whole reports no sections.
            if (c.Bytes.size() < 10 || std::string(c.What).rfind("L ", 0) == 0 || c.Status == TSetupReadStatus::NotVeka) {
                EXPECT_TRUE(r.Headers.empty()) << c.What;
            }
        }
    }
    // The skipped records do not hide the good ones around them.
    TImageFixture f;
    TFixedSetupFileHost host;
    const TBytes mixed = SetupBytes({{7, 0, 0, 0, 1}, {1, 9, 0, 0, 1}, {1, 2, 0, 0, 2}, {2, 0, 0, 0, 1},
                                     {2, ppVolume, 0, 0, 77}, {3, 0, 0, 0, 2}, {0, 200, 1, 0, 1}, {1, 36, 2, 0, 55}});
    const TSetupReadResult r = ReadSetupBytes(*f, host, 0, TSetupFileKind::Ga4, mixed, "x");
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(f->Part(0, 2, ppVolume).Value, 77);
    EXPECT_EQ(f->UserDrum(1, 2, 36).Value, 55);
    EXPECT_TRUE(r.UserDrumRead);
    EXPECT_EQ(r.Headers.size(), 3u);
}

TEST(SetupFileRead, FilesThatCannotBeRead) {
    TImageFixture f;
    TFixedSetupFileHost host;
    TTempDir dir;
    TSetupReadResult r = ReadSetupFile(*f, host, 0, dir / "missing.ga4");
    EXPECT_EQ(r.Status, TSetupReadStatus::FileError);
    EXPECT_NE(r.Text(TLanguage::English).find("missing.ga4"), std::string::npos);
    r = ReadSetupFile(*f, host, 0, dir.Path.string());
    EXPECT_EQ(r.Status, TSetupReadStatus::FileError);

    // Larger than any setup file: refused before it is read, by what it starts with.
    const std::string big = dir / "big.ga4";
    WriteBytes(big, {'V', 'e', 'k', 'a', '4', '0'});
    fs::resize_file(big, kMaxSetupFileSize + 1);
    r = ReadSetupFile(*f, host, 0, big);
    EXPECT_EQ(r.Status, TSetupReadStatus::Damaged);
    EXPECT_EQ(r.Message, 23);
    const std::string foreign = dir / "foreign.ga4";
    WriteBytes(foreign, {'M', 'T', 'h', 'd'});
    fs::resize_file(foreign, kMaxSetupFileSize + 1);
    r = ReadSetupFile(*f, host, 0, foreign);
    EXPECT_EQ(r.Status, TSetupReadStatus::NotVeka);
    EXPECT_EQ(r.Text(TLanguage::Japanese), UserMessage(22, TLanguage::Japanese));
    EXPECT_EQ(host.CurrentFile, "");
}

// ---------------------------------------------------------------------------------------------
// Round trips: write from one image, read into a fresh one, compare every value

TEST(SetupFileRoundTrip, WholeSetupOfFourPorts) {
    TImageFixture a, b;
    a->MaxPart = b->MaxPart = 2;
    LoadPlayedDrumSets(*a);
    LoadPlayedDrumSets(*b);

    a->SetSystemValue(2, 100);
    a->ApplyMacro(0, 2);
    a->SetSystemValue(8, 100);
    a->SetSystemValue(14, 90);
    const TInsertionTypeRecord& type = a->Data().InsertionTypes().at(3);
    a->ApplySystemSideEffects(spEfxType, type.Msb * 128 + type.Lsb);
    Bump(TImageWriter(*a).System(spEfxParameter1));
    Bump(TImageWriter(*a).System(spEfxSendToReverb));

    TImageWriter(*a).Part(0, 1, ppVolume).Value = 90;
    TImageWriter(*a).Part(0, 1, ppPanpot).Value = 30;
    a->SetPartTone(1, 5, 0, 24, 4, 8);
    a->SetPartTone(2, 10, 1, 8, 3, 0);   // ROOM on map C1
    a->SetPartTone(0, 11, 2, 16, 4, 0);  // POWER on map A2
    TImageWriter(*a).Part(3, 16, 37).Value = 70;
    TImageWriter(*a).Part(3, 3, ppMasterCoarseTuning).Value = 60;
    TImageWriter(*a).Part(1, 7, 110).Value = 1;

    Bump(TImageWriter(*a).Drum(0, 1, 2, 36));
    Bump(TImageWriter(*a).Drum(2, 1, 1, 38));
    Bump(TImageWriter(*a).Drum(0, 2, 4, 40));
    Bump(TImageWriter(*a).Drum(3, 1, 9, 42));
    Bump(TImageWriter(*a).UserDrum(0, 2, 36));
    Bump(TImageWriter(*a).UserDrum(1, 1, 60));

    TTempDir dir;
    BuildDifferenceList(*a, a.List);
    ASSERT_TRUE(WriteSetupFile(*a, a.List, dir / "all.ga4").Ok());
    TFixedSetupFileHost host;
    const TSetupReadResult r = ReadSetupFile(*b, host, 0, dir / "all.ga4");
    ASSERT_TRUE(r.Ok()) << r.Text(TLanguage::English);
    EXPECT_TRUE(r.Sections.System && r.Sections.Part && r.Sections.DrumMap && r.Sections.UserDrum);
    EXPECT_TRUE(r.UserDrumRead);
    EXPECT_TRUE(host.Asked.empty());
    EXPECT_EQ(FirstDifference(*a, *b), "");
    EXPECT_EQ(b->DrumSet(2, 1).Program, 8);
    EXPECT_EQ(b->DrumSet(2, 1).ToneMap, 3);

    // Written again from the image read, the file is the same.
    BuildDifferenceList(*b, b.List);
    ASSERT_TRUE(WriteSetupFile(*b, b.List, dir / "again.ga4").Ok());
    EXPECT_EQ(FileContents(dir / "again.ga4"), FileContents(dir / "all.ga4"));
}

TEST(SetupFileRoundTrip, OnePartWithItsDrumMapIntoAnotherPartAndMap) {
    TImageFixture a, b;
    LoadPlayedDrumSets(*a);
    LoadPlayedDrumSets(*b);
    a->SetPartTone(0, 10, 1, 8, 3, 0);  // ROOM on map A1
    TImageWriter(*a).Part(0, 10, ppVolume).Value = 80;
    Bump(TImageWriter(*a).Drum(0, 1, 2, 38));
    Bump(TImageWriter(*a).Drum(0, 1, 4, 40));
    TTempDir dir;
    CollectOnePartFile(*a, a.List, 0, 10, true);
    EXPECT_EQ(HeaderKinds(a.List), (std::vector<std::pair<int, int>>{{1, 10}, {2, 1}}));
    ASSERT_TRUE(WriteSetupFile(*a, a.List, dir / "p.1pg").Ok());

    TImageWriter(*b).Part(0, 11, ppRhythm).Value = 2;  // already on map A2: shares the drum set afterwards
    TImageFixture before;
    LoadPlayedDrumSets(*before);
    TFixedSetupFileHost host;
    host.Part = 4;     // A5
    host.DrumMap = 1;  // Drum Map A2
    const TSetupReadResult r = ReadSetupFile(*b, host, 0, dir / "p.1pg");
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.Sections.Part && r.Sections.DrumMap);
    EXPECT_EQ(b->Part(0, 5, ppVolume).Value, 80);
    EXPECT_EQ(b->Part(0, 5, ppRhythm).Value, 2);
    EXPECT_EQ(b->Part(0, 5, ppToneNumber).Value, 8);
    EXPECT_EQ(b->Part(0, 5, ppToneMap).Value, 3);
    EXPECT_EQ(b->Part(0, 11, ppToneNumber).Value, 8);
    EXPECT_EQ(b->Part(0, 11, ppToneMap).Value, 3);
    EXPECT_EQ(b->DrumSet(0, 2).Program, 8);
    EXPECT_EQ(b->DrumSet(0, 2).ToneMap, 3);
    // The notes of the drum set (map A2 held none before).
    const auto room = a->Data().ReadDrumSet(3, 8);
    ASSERT_FALSE(room.empty());
    for (const TDrumNoteRecord& rec : room)
        for (int n = 1; n <= kDrumParameterCount; ++n) {
            EXPECT_EQ(b->Drum(0, 2, n, rec.Note).Value, a->Drum(0, 1, n, rec.Note).Value) << int(rec.Note) << " " << n;
            EXPECT_EQ(b->Drum(0, 2, n, rec.Note).Default, a->Drum(0, 1, n, rec.Note).Default) << int(rec.Note) << " " << n;
        }
    // The map the part played in the file is not the one chosen: it keeps its set.
    for (int note = 0; note < kNoteCount; ++note)
        for (int n = 1; n <= kDrumParameterCount; ++n)
            EXPECT_EQ(b->Drum(0, 1, n, note).Value, before->Drum(0, 1, n, note).Value) << note << " " << n;
    ASSERT_EQ(host.Asked.size(), 2u);
    EXPECT_EQ(host.Asked[1].Title, "This file has Drum Map Data.");
    EXPECT_EQ(host.Asked[1].Label, "Drum Map destination:");
    EXPECT_EQ(host.Asked[1].Items, (std::vector<std::string>{"Drum Map A1", "Drum Map A2"}));
}

TEST(SetupFileRoundTrip, OneDrumMapCarriesItsDrumSet) {
    TImageFixture a;
    LoadPlayedDrumSets(*a);
    a->SetPartTone(0, 10, 1, 8, 3, 0);  // ROOM, SC-88Pro map
    Bump(TImageWriter(*a).Drum(0, 1, 2, 38));
    Bump(TImageWriter(*a).Drum(0, 1, 4, 40));
    TTempDir dir;
    a.List.clear();
    EXPECT_EQ(CollectDrumMap(*a, a.List, 0, 1, true), 2);
    EXPECT_EQ(a.List[0], (TSetupRecord{2, 3, 8, 0, 2}));
    ASSERT_TRUE(WriteSetupFile(*a, a.List, dir / "m.1dg").Ok());

    // Into map 1 of Port B, the port shown: its part 10 takes the drum set and sends it.
    TImageFixture b;
    b->MaxPart = 1;
    LoadPlayedDrumSets(*b);
    TFixedSetupFileHost host;
    const TSetupReadResult r = ReadSetupFile(*b, host, 1, dir / "m.1dg");
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(b->Part(1, 10, ppToneNumber).Value, 8);
    EXPECT_EQ(b->Part(1, 10, ppToneMap).Value, 3);
    EXPECT_EQ(b->DrumSet(1, 1).Program, 8);
    EXPECT_EQ(b->DrumSet(1, 1).ToneMap, 3);
    for (int note = 0; note < kNoteCount; ++note)
        for (int n = 1; n <= kDrumParameterCount; ++n) {
            EXPECT_EQ(b->Drum(1, 1, n, note).Value, a->Drum(0, 1, n, note).Value) << note << " " << n;
            EXPECT_EQ(b->Drum(1, 1, n, note).Default, a->Drum(0, 1, n, note).Default) << note << " " << n;
        }
    bool toneSent = false;
    for (const auto& change : b.Changes)
        toneSent |= change.Port == 1 && change.Link == TLinkData{LinkPart, 10, ppToneNumber, 0, 0};
    EXPECT_TRUE(toneSent);
    ASSERT_EQ(host.Asked.size(), 1u);
    EXPECT_EQ(host.Asked[0].Title, "Select a Drum Map destination");
    EXPECT_EQ(host.Asked[0].Items, (std::vector<std::string>{"Drum Map B1", "Drum Map B2"}));

    // Into a map no part plays: the drum set is still loaded under the values.
    TImageFixture c;
    host.DrumMap = 1;
    ASSERT_TRUE(ReadSetupFile(*c, host, 0, dir / "m.1dg").Ok());
    EXPECT_EQ(c->Drum(0, 2, 2, 38).Value, a->Drum(0, 1, 2, 38).Value);
    EXPECT_EQ(c->Drum(0, 2, 2, 38).Default, a->Drum(0, 1, 2, 38).Default);
    EXPECT_EQ(c->Drum(0, 2, 1, 50).Default, a->Drum(0, 1, 1, 50).Default);
    EXPECT_EQ(c->DrumSet(0, 2).Program, 8);
}

TEST(SetupFileRoundTrip, UserDrumSetIntoTheChosenSetAndItsMaps) {
    TImageFixture a, b;
    Bump(TImageWriter(*a).UserDrum(0, 2, 36));
    Bump(TImageWriter(*a).UserDrum(0, 1, 38));
    TTempDir dir;
    a.List.clear();
    EXPECT_EQ(CollectUserDrumSet(*a, a.List, 0), 24);
    ASSERT_TRUE(WriteSetupFile(*a, a.List, dir / "u.1ug").Ok());

    b->SetPartTone(0, 10, 1, 65, 3, 0);  // map A1 plays user drum set 66 (set 1)
    b->DrumSet(0, 1) = {3, 65, true};
    TFixedSetupFileHost host;
    host.UserDrum = 1;
    const TSetupReadResult r = ReadSetupFile(*b, host, 0, dir / "u.1ug");
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.UserDrumRead);
    EXPECT_TRUE(r.Sections.UserDrum);
    for (int n = 1; n <= kUserDrumParameterCount; ++n) {
        EXPECT_EQ(b->UserDrum(1, n, 36).Value, a->UserDrum(0, n, 36).Value);
        EXPECT_EQ(b->UserDrum(0, n, 36).Value, b->UserDrum(0, n, 36).Default);
    }
    EXPECT_EQ(b->Drum(0, 1, 2, 36).Value, a->UserDrum(0, 2, 36).Value);
    EXPECT_EQ(b->Drum(0, 1, 1, 38).Value, a->UserDrum(0, 1, 38).Value);
    ASSERT_EQ(host.Asked.size(), 1u);
    EXPECT_EQ(host.Asked[0].Title, "Select a User Drum Map destination");
    EXPECT_EQ(host.Asked[0].Label, "User Drum Map destination:");
    EXPECT_EQ(host.Asked[0].Items, (std::vector<std::string>{"User Drum Set 65", "User Drum Set 66"}));
}

TEST(SetupFileRoundTrip, EffectPresetsHoldTheWholeBlock) {
    TImageFixture a, b;
    TTempDir dir;
    a->ApplyMacro(1, 3);
    a->SetSystemValue(16, 10);
    ASSERT_TRUE(WriteEffectPreset(*a, TSystemGroup::Chorus, dir / "c.cho").Ok());
    const TParsedSetupFile parsed = ParseSetupFile(FileContents(dir / "c.cho"));
    ASSERT_EQ(parsed.Sections.size(), 1u);
    EXPECT_EQ(parsed.Sections[0].Header, (TSetupRecord{0, 0, 0, 0, 9}));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(parsed.Sections[0].Items[size_t(i)].B0, 12 + i);

    const TInsertionTypeRecord& type = a->Data().InsertionTypes().at(5);
    a->ApplySystemSideEffects(spEfxType, type.Msb * 128 + type.Lsb);
    Bump(TImageWriter(*a).System(spEfxParameter1 + 1));
    ASSERT_TRUE(WriteEffectPreset(*a, TSystemGroup::Insertion, dir / "i.ief").Ok());
    ASSERT_TRUE(WriteEffectPreset(*a, TSystemGroup::Eq, dir / "e.eq").Ok());  // nothing changed: still 4 items
    EXPECT_EQ(ParseSetupFile(FileContents(dir / "e.eq")).Sections.at(0).Items.size(), 4u);

    TFixedSetupFileHost host;
    for (const char* name : {"c.cho", "i.ief", "e.eq"}) {
        const TSetupReadResult r = ReadSetupFile(*b, host, 0, dir / name);
        ASSERT_TRUE(r.Ok()) << name;
        EXPECT_TRUE(r.Sections.System);
    }
    EXPECT_EQ(FirstDifference(*a, *b), "");
}

TEST(SetupFileRoundTrip, CustomFileWithGroupsAndADrumPart) {
    TImageFixture a, b;
    LoadPlayedDrumSets(*a);
    LoadPlayedDrumSets(*b);
    a->ApplyMacro(0, 1);
    a->SetSystemValue(33, 70);
    a->SetSystemValue(2, 90);  // Master: not chosen
    Bump(TImageWriter(*a).UserDrum(0, 2, 36));
    a->SetPartTone(0, 10, 1, 64, 3, 0);  // user drum set 65
    Bump(TImageWriter(*a).Drum(0, 1, 4, 40));
    TImageWriter(*a).Part(1, 1, ppVolume).Value = 50;
    TCustomSelection selection;
    selection.Groups[int(TSystemGroup::Reverb)] = true;
    selection.Groups[int(TSystemGroup::Eq)] = true;
    selection.GlobalParts = {17, 10, 17};
    CollectCustomFile(*a, a.List, selection);
    EXPECT_EQ(HeaderKinds(a.List),
              (std::vector<std::pair<int, int>>{{3, 0}, {0, 5}, {0, 32}, {1, 10}, {1, 17}, {2, 1}}));
    TTempDir dir;
    ASSERT_TRUE(WriteSetupFile(*a, a.List, dir / "x.cst").Ok());

    TFixedSetupFileHost host;
    const TSetupReadResult r = ReadSetupFile(*b, host, 0, dir / "x.cst");
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(host.Asked.empty());
    EXPECT_EQ(b->System(2).Value, 127);
    TImageWriter(*b).System(2).Value = 90;
    EXPECT_EQ(FirstDifference(*a, *b), "");
}

TEST(SetupFileKind, ExtensionsWithoutCase) {
    EXPECT_EQ(SetupFileKindOf("/x/Song.GA4"), TSetupFileKind::Ga4);
    EXPECT_EQ(SetupFileKindOf("a.ga3"), TSetupFileKind::Ga3);
    EXPECT_EQ(SetupFileKindOf("a.1PG"), TSetupFileKind::OnePart);
    EXPECT_EQ(SetupFileKindOf("a.Rev"), TSetupFileKind::Reverb);
    EXPECT_EQ(SetupFileKindOf("a.eq"), TSetupFileKind::Eq);
    EXPECT_EQ(SetupFileKindOf("a.ief"), TSetupFileKind::Insertion);
    EXPECT_EQ(SetupFileKindOf("ga4"), TSetupFileKind::Unknown);
    EXPECT_EQ(SetupFileKindOf("dir.ga4/file"), TSetupFileKind::Unknown);
    EXPECT_EQ(SetupFileKindOf("a.ga44"), TSetupFileKind::Unknown);
}

}  // namespace
}  // namespace veka
