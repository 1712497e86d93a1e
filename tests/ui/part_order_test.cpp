// The part order files and the part parameter texts: what a saved order reads back as, the
// name's road through CP932 and the settings file, and every kind of damaged file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "document/part_order.h"
#include "document/part_texts.h"
#include "module/parameter_tables.h"
#include "document/settings.h"
#include "temp_dir.h"

namespace veka {
namespace {

TLinkData Entry(int index, int width = 64) { return TLinkData{LinkPart, 0, index, 0, width}; }

class PartOrderFile : public ::testing::Test {
protected:
    test::TTempDir Dir{"veka-order-"};
    TSettings Settings{Dir / "Veka.ini"};
    std::string Folder = Dir.Path.string();

    std::vector<uint8_t> FileBytes(int n) const {
        std::ifstream in(PartOrderFileName(Folder, n), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteFile(int n, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(PartOrderFileName(Folder, n), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    // A file written the program's way, then changed by hand.
    static void SetInt32(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(uint32_t(value) >> (8 * i));
    }
    TOrderReadStatus Load(int n, std::vector<TLinkData>& list, std::string& name) {
        list = {Entry(1)};  // whatever was there before must go
        return LoadOrder(list, n, Folder, Settings, name);
    }
};

TEST_F(PartOrderFile, FileNamesAreNumberedInTheSettingsFolder) {
    EXPECT_EQ(PartOrderFileName(Folder, 0), Folder + "/partorder0.dat");
    EXPECT_EQ(PartOrderFileName(Folder, 5), Folder + "/partorder5.dat");
    EXPECT_EQ(OrderNameKey(0), "Part Window Order Name1");
}

TEST_F(PartOrderFile, DefaultOrderIsTheFourteenColumns) {
    std::vector<TLinkData> list{Entry(100)};
    DefaultOrder(list);
    const std::vector<int> expected{9, 12, 17, 18, 20, 22, 27, 28, 29, 30, 31, 25, 26, 32};
    ASSERT_EQ(list.size(), expected.size());
    for (size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i], Entry(expected[i])) << i;
}

TEST_F(PartOrderFile, RoundTripKeepsEntriesWidthsAndAJapaneseName) {
    const std::vector<TLinkData> saved{Entry(12, 80), Entry(9, 64), Entry(111, 2000), Entry(45, 8)};
    std::string error;
    ASSERT_TRUE(SaveOrder(saved, 2, Folder, Settings, "テスト順序", error)) << error;

    const std::vector<uint8_t> bytes = FileBytes(2);
    ASSERT_EQ(bytes.size(), 280u + 4 * 20);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 20), "Part Parameter Order");
    // テスト順序 in CP932: five two-byte characters.
    const std::string cp932 = "\x83\x65\x83\x58\x83\x67\x8F\x87\x8F\x98";
    EXPECT_EQ(bytes[20], cp932.size());
    EXPECT_EQ(std::string(bytes.begin() + 21, bytes.begin() + 21 + long(cp932.size())), cp932);
    EXPECT_EQ(bytes[276], 4);
    EXPECT_EQ(bytes[280], 1);  // Kind of the first entry
    EXPECT_EQ(bytes[288], 12);  // its Index

    EXPECT_EQ(Settings.ReadString("form", "part window order name3", ""), "テスト順序");
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(2, list, name), TOrderReadStatus::Ok);
    EXPECT_EQ(list, saved);
    EXPECT_EQ(name, "テスト順序");
    EXPECT_EQ(Cp932ToUtf8(cp932), "テスト順序");
}

TEST_F(PartOrderFile, NameCharactersCP932CannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(OrderNameToCp932("A😀B"), "A?B");
    EXPECT_EQ(OrderNameToCp932(std::string("A\xFF" "B")), "A?B");  // broken UTF-8
    // The settings copy keeps the real characters.
    std::string error;
    ASSERT_TRUE(SaveOrder({Entry(9)}, 0, Folder, Settings, "A😀B", error)) << error;
    std::vector<TLinkData> list;
    std::string name;
    Load(0, list, name);
    EXPECT_EQ(name, "A😀B");
}

TEST_F(PartOrderFile, LongNamesAreCutBetweenCharacters) {
    std::string longName;
    for (int i = 0; i < 300; ++i) longName += "あ";  // two bytes each in CP932
    const std::string stored = OrderNameToCp932(longName);
    EXPECT_EQ(stored.size(), 254u);  // a 128th character would need bytes 255 and 256
    EXPECT_EQ(Cp932ToUtf8(stored).size(), 127u * 3);

    std::string error;
    ASSERT_TRUE(SaveOrder({Entry(9)}, 0, Folder, Settings, longName, error)) << error;
    EXPECT_EQ(FileBytes(0)[20], 254);
    std::vector<TLinkData> list;
    std::string name;
    Load(0, list, name);
    EXPECT_EQ(name.size(), 255u * 3);  // 255 characters in the settings file
    EXPECT_EQ(OrderNameToCp932(std::string(300, 'x')).size(), 255u);
}

TEST_F(PartOrderFile, MissingFileGivesAnEmptyListAndTheDefaultName) {
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(1, list, name), TOrderReadStatus::Missing);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(name, "Order 2");
    EXPECT_EQ(Load(9, list, name), TOrderReadStatus::Missing);
    EXPECT_TRUE(list.empty());
}

TEST_F(PartOrderFile, NameComesFromTheSettingsFileNotFromTheOrderFile) {
    WriteFile(0, OrderFileBytes({Entry(9)}, "In the file"));
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Ok);
    EXPECT_EQ(name, "Order 1");  // no key yet: the default, not the file's name
    ASSERT_TRUE(Settings.WriteString("Form", "Part Window Order Name1", "In the settings"));
    Load(0, list, name);
    EXPECT_EQ(name, "In the settings");
    // A name that files written by earlier versions hold in CP932 reads as the same text.
    ASSERT_TRUE(Settings.WriteString("Form", "Part Window Order Name1", "\x83\x65\x83\x58\x83\x67"));
    Load(0, list, name);
    EXPECT_EQ(name, "テスト");
    EXPECT_EQ(OrderName(Settings, 0), "テスト");
}

TEST_F(PartOrderFile, WrongMagicGivesBadMagicAndAnEmptyList) {
    std::vector<uint8_t> bytes = OrderFileBytes({Entry(9), Entry(12)}, "x");
    bytes[19] = 'R';  // "Part Parameter OrdeR"
    WriteFile(0, bytes);
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::BadMagic);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(name, "Order 1");

    WriteFile(0, {'P', 'a', 'r', 't'});  // shorter than the magic
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::BadMagic);
    WriteFile(0, {});
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::BadMagic);
}

TEST_F(PartOrderFile, CountZeroIsAValidEmptyOrder) {
    WriteFile(3, OrderFileBytes({}, "empty"));
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(3, list, name), TOrderReadStatus::Ok);
    EXPECT_TRUE(list.empty());
}

TEST_F(PartOrderFile, ImpossibleCountsAreDamage) {
    std::vector<TLinkData> list;
    std::string name;
    const std::vector<uint8_t> good = OrderFileBytes({Entry(9), Entry(12)}, "x");

    std::vector<uint8_t> bytes = good;
    SetInt32(bytes, 276, 3);  // one entry more than the file holds
    WriteFile(0, bytes);
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Damaged);
    EXPECT_TRUE(list.empty());

    std::vector<TLinkData> many(112, Entry(9));
    bytes = OrderFileBytes(many, "x");  // the entries are there, but more than 111
    WriteFile(0, bytes);
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Damaged);

    bytes = good;
    SetInt32(bytes, 276, -1);
    WriteFile(0, bytes);
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Damaged);

    bytes = good;
    SetInt32(bytes, 276, INT32_MIN);
    WriteFile(0, bytes);
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Damaged);

    bytes.assign(good.begin(), good.begin() + 100);  // the magic, then the file ends
    WriteFile(0, bytes);
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Damaged);

    many.resize(111);  // the largest order that exists is fine
    WriteFile(0, OrderFileBytes(many, "x"));
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Ok);
    EXPECT_EQ(list.size(), 111u);
}

TEST_F(PartOrderFile, FilesFarLargerThanAnyOrderAreRefused) {
    std::vector<uint8_t> bytes = OrderFileBytes({Entry(9)}, "x");
    bytes.resize(64 * 1024, 0);
    WriteFile(0, bytes);
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Damaged);
    EXPECT_TRUE(list.empty());
}

TEST_F(PartOrderFile, EntriesNamingNoParameterAreDroppedAndAbsurdWidthsReset) {
    std::vector<TLinkData> written{Entry(0), Entry(9, 0), Entry(112), Entry(12, -5), Entry(-3),
                                   Entry(17, 1000000), Entry(111, 7), Entry(1, 2001)};
    // Garbage in the fields the program rebuilds.
    written[1].Kind = 0;
    written[1].Owner = 77;
    written[3].Data = -9;
    WriteFile(0, OrderFileBytes(written, "x"));
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(0, list, name), TOrderReadStatus::Ok);
    EXPECT_EQ(list, (std::vector<TLinkData>{Entry(9), Entry(12), Entry(17), Entry(111), Entry(1)}));
}

TEST_F(PartOrderFile, SaveRefusesWhatCannotBeReadBack) {
    std::string error;
    EXPECT_FALSE(SaveOrder(std::vector<TLinkData>(112, Entry(9)), 0, Folder, Settings, "x", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(PartOrderFileName(Folder, 0)));
    error.clear();
    EXPECT_FALSE(SaveOrder({Entry(9)}, 6, Folder, Settings, "x", error));
    EXPECT_FALSE(SaveOrder({Entry(9)}, -1, Folder, Settings, "x", error));
}

TEST_F(PartOrderFile, FailedWriteKeepsTheSettingsName) {
    std::string error;
    ASSERT_TRUE(Settings.WriteString("Form", "Part Window Order Name1", "Old"));
    EXPECT_FALSE(SaveOrder({Entry(9)}, 0, Folder + "/no/such/folder", Settings, "New", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(OrderName(Settings, 0), "Old");
}

TEST_F(PartOrderFile, SavingReplacesAnOlderOrder) {
    std::string error;
    ASSERT_TRUE(SaveOrder({Entry(9), Entry(12), Entry(17)}, 1, Folder, Settings, "a", error)) << error;
    ASSERT_TRUE(SaveOrder({Entry(27)}, 1, Folder, Settings, "b", error)) << error;
    std::vector<TLinkData> list;
    std::string name;
    EXPECT_EQ(Load(1, list, name), TOrderReadStatus::Ok);
    EXPECT_EQ(list, std::vector<TLinkData>{Entry(27)});
    EXPECT_EQ(name, "b");
    // No temporary files are left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(Dir.Path)) files += e.is_regular_file();
    EXPECT_EQ(files, 2);  // the order and Veka.ini
}

TEST(PartTexts, NamesMatchTheParameterTable) {
    for (int i = 1; i <= kPartParameterCount; ++i)
        EXPECT_EQ(std::string(PartParameterName(i)), std::string(PartRows()[size_t(i)].Name)) << i;
    EXPECT_STREQ(PartParameterName(45), "MOD Pitch Control");
    EXPECT_STREQ(PartParameterName(77), "CAf LFO2 TVA Depth");
    EXPECT_STREQ(PartParameterName(110), "CC2 LFO2 TVA Depth");
    EXPECT_STREQ(PartParameterName(111), "Master Coarse Tuning");
    EXPECT_STREQ(PartParameterName(0), "");
    EXPECT_STREQ(PartParameterName(112), "");
    EXPECT_STREQ(PartParameterName(-1), "");
}

TEST(PartTexts, HelpHasOneLinePerParameterInBothLanguages) {
    EXPECT_EQ(PartHelpText(1, TLanguage::English), "Select the receiving MIDI port.");
    EXPECT_EQ(PartHelpText(12, TLanguage::English), "Adjust the stereo position.");
    EXPECT_EQ(PartHelpText(19, TLanguage::English), "Adjust the pitch in steps of 1/100 semitone");
    for (TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        EXPECT_EQ(PartHelpText(0, language), "");
        EXPECT_EQ(PartHelpText(112, language), "");
        EXPECT_EQ(PartHelpText(-7, language), "");
        for (int i = 1; i <= kPartParameterCount; ++i) {
            const std::string text = PartHelpText(i, language);
            EXPECT_GT(text.size(), 10u) << i;
            EXPECT_EQ(text.find('\n'), std::string::npos) << i;
            EXPECT_EQ(text.find('%'), std::string::npos) << i;  // every blank was filled
        }
    }
    // The Japanese table is Japanese, and neighbouring controller lines say different things.
    EXPECT_NE(PartHelpText(9, TLanguage::Japanese), PartHelpText(9, TLanguage::English));
    EXPECT_NE(PartHelpText(9, TLanguage::Japanese).find("音量"), std::string::npos);
    EXPECT_NE(PartHelpText(45, TLanguage::English), PartHelpText(46, TLanguage::English));
    EXPECT_NE(PartHelpText(45, TLanguage::English), PartHelpText(67, TLanguage::English));
    EXPECT_NE(PartHelpText(56, TLanguage::English).find("bend range"), std::string::npos);
}

}  // namespace
}  // namespace veka
