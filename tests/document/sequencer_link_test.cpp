// The sequencer list file and the rules that pick the windows the link offers and raises.
#include <gtest/gtest.h>

#include <fstream>

#include "document/sequencer_link.h"
#include "temp_dir.h"

namespace veka {
namespace {

std::vector<uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST(SequencerList, BuiltInListsHoldTheClassicEntriesFirstThenTheLinuxSequencers) {
    const auto english = BuiltInSequencers(TLanguage::English);
    const auto japanese = BuiltInSequencers(TLanguage::Japanese);
    ASSERT_EQ(english.size(), 2u + 6u);
    ASSERT_EQ(japanese.size(), 6u + 6u);
    EXPECT_EQ(english[0], (TSequencerEntry{"CakewalkMDIFrame", "Cakewalk Series"}));
    EXPECT_EQ(english[1], (TSequencerEntry{"MaclibWClass", "Vision"}));
    EXPECT_EQ(japanese[0], (TSequencerEntry{"CakewalkMDIFrame", "Cakewalk ｼﾘｰｽﾞ"}));
    EXPECT_EQ(japanese[5], (TSequencerEntry{"MaclibWClass", "Vision"}));
    EXPECT_EQ(english[2].ClassName, "Rosegarden");
    EXPECT_EQ(std::vector(english.begin() + 2, english.end()), std::vector(japanese.begin() + 6, japanese.end()));
}

TEST(SequencerList, WritesExactRecordsAndReadsThemBack) {
    test::TTempDir dir;
    const std::string path = dir / kSequencerListName;
    const auto list = BuiltInSequencers(TLanguage::Japanese);
    std::string error;
    ASSERT_TRUE(WriteSequencerList(path, list, error)) << error;
    const std::vector<uint8_t> bytes = Bytes(path);
    ASSERT_EQ(bytes.size(), 4 + list.size() * 768);
    EXPECT_EQ(bytes[0], list.size());
    EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
    // Record 2: "SSWFrame" at 4 + 768*2, its display name 256 bytes further.
    const size_t record = 4 + 2 * 768;
    EXPECT_EQ(bytes[record], 8);
    EXPECT_EQ(std::string(bytes.begin() + record + 1, bytes.begin() + record + 9), "SSWFrame");
    EXPECT_EQ(bytes[record + 256], std::string("Singer Song Writer V3").size());
    EXPECT_EQ(bytes[record + 512], 0);
    std::vector<TSequencerEntry> read;
    ASSERT_TRUE(ReadSequencerList(path, read, error)) << error;
    EXPECT_EQ(read, list);
}

TEST(SequencerList, LongNamesAreCutWithoutSplittingACharacter) {
    test::TTempDir dir;
    std::string name;
    while (name.size() < 300) name += "ﾚｺ";  // three bytes each in UTF-8
    std::string error;
    ASSERT_TRUE(WriteSequencerList(dir / "l.lst", {{std::string(400, 'c'), name}}, error));
    std::vector<TSequencerEntry> read;
    ASSERT_TRUE(ReadSequencerList(dir / "l.lst", read, error)) << error;
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].ClassName, std::string(255, 'c'));
    EXPECT_EQ(read[0].DisplayName.size(), 255u);  // 85 whole characters
    EXPECT_EQ(read[0].DisplayName, name.substr(0, 255));
}

TEST(SequencerList, BrokenFilesAreRefusedWithAReason) {
    test::TTempDir dir;
    const std::string path = dir / "bad.lst";
    std::vector<uint8_t> good = SequencerListBytes({{"A", "a"}, {"B", "b"}});
    struct TCase {
        const char* What;
        std::vector<uint8_t> Bytes;
    };
    std::vector<uint8_t> negative = good, huge = good, zero = good, shortOfRecords = good;
    negative[3] = 0x80;
    huge[0] = 0xFF, huge[1] = 0xFF, huge[2] = 0xFF, huge[3] = 0x7F;
    zero[0] = 0;
    shortOfRecords.resize(good.size() - 1);
    for (const TCase& c : {TCase{"empty", {}}, TCase{"short", {2, 0}}, TCase{"negative", negative},
                           TCase{"huge", huge}, TCase{"zero", zero}, TCase{"short of records", shortOfRecords}}) {
        Put(path, c.Bytes);
        std::vector<TSequencerEntry> read{{"kept", "kept"}};
        std::string error;
        EXPECT_FALSE(ReadSequencerList(path, read, error)) << c.What;
        EXPECT_NE(error.find(path), std::string::npos) << c.What << ": " << error;
        EXPECT_EQ(read.size(), 1u) << c.What;  // nothing half-read
    }
    // Bytes after the last record are no harm; every length byte lies inside its field.
    std::vector<uint8_t> longer = good;
    longer.push_back(0x55);
    longer[4] = 255;
    Put(path, longer);
    std::vector<TSequencerEntry> read;
    std::string error;
    ASSERT_TRUE(ReadSequencerList(path, read, error)) << error;
    EXPECT_EQ(read[0].ClassName.size(), 255u);
    EXPECT_EQ(read[1].ClassName, "B");
    std::string missing;
    EXPECT_FALSE(ReadSequencerList(dir / "none.lst", read, missing));
}

TEST(SequencerList, TheFileIsFoundWhateverTheCaseOfItsName) {
    test::TTempDir dir;
    EXPECT_FALSE(FindSequencerList(dir.Path.string()));
    Put(dir / "OTHERSEQ.LST", SequencerListBytes({{"A", "a"}}));
    const auto found = FindSequencerList(dir.Path.string());
    ASSERT_TRUE(found);
    EXPECT_EQ(std::filesystem::path(*found).filename(), "OTHERSEQ.LST");
}

TEST(SequencerWindows, FindOffersOnlyOtherProgramsTitledVisibleUnownedWindowsWithoutAfx) {
    const std::vector<TTopWindow> windows{
        {1, "Rosegarden - song.rg", "rosegarden", "Rosegarden", true, false, false},
        {2, "Tool", "afxtool", "Afx:400000:8", true, false, false},
        {3, "MFC", "x", "MyAfx:frame", true, false, false},
        {4, "", "untitled", "Untitled", true, false, false},
        {5, "Dialog", "dlg", "Dlg", true, true, false},
        {6, "Veka", "veka4", "Veka4", true, false, true},
        {7, "Hidden", "hid", "Hid", false, false, false},
        {8, "Qtractor", "qtractor", "Qtractor", true, false, false},
    };
    std::vector<uint32_t> ids;
    for (const TTopWindow& w : FindableWindows(windows)) ids.push_back(w.Id);
    EXPECT_EQ(ids, (std::vector<uint32_t>{1, 8}));
}

TEST(SequencerWindows, TheTargetMatchesClassOrInstanceInAnyCaseAndNeverOurWindow) {
    const std::vector<TTopWindow> windows{{6, "Veka", "rosegarden", "Rosegarden", true, false, true},
                                          {9, "Song", "rosegarden", "Rosegarden", true, false, false},
                                          {10, "Other", "qseq66", "Qseq66", true, false, false}};
    EXPECT_EQ(FindTarget(windows, "ROSEGARDEN")->Id, 9u);
    EXPECT_EQ(FindTarget(windows, "qseq66")->Id, 10u);
    EXPECT_FALSE(FindTarget(windows, "CakewalkMDIFrame"));
    EXPECT_FALSE(FindTarget(windows, ""));
}

}  // namespace
}  // namespace veka
