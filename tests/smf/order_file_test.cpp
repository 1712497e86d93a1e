// Order lists and their ".scd" preset files, including the "default.scd" of the program folder.
#include "smf/order_file.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "module/parameter_tables.h"

namespace veka {
namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<uint8_t>;

// Each test's own folder.
struct TTempDir : test::TTempDir {
    TTempDir() : test::TTempDir("veka-order-test-") {}
};

TBytes FileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const TBytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

size_t Position(const TOrderList& list, int group, int index) {
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const TOrderItem& item) { return item.Group == group && item.Index == index; });
    return size_t(it - list.begin());
}

TEST(OrderFile, DefaultListInTheProgramFolder) {
    const fs::path shipped = fs::path(VEKA_TEST_DEFAULT_DIR).parent_path() / "default.scd";
    TOrderList list;
    std::string error;
    ASSERT_TRUE(ReadOrderFile(shipped.string(), list, error)) << error;
    EXPECT_EQ(list, DefaultOrderList());

    // Every system parameter in table order, macros and the insertion type before their details.
    for (int n = 1; n <= kSystemParameterCount; ++n) EXPECT_EQ(Position(list, ogSystem, n), size_t(n - 1));
    // Parts: the tone after the drum map assignment and the tone map; the scale tuning block once.
    EXPECT_LT(Position(list, ogPart, ppRhythm), Position(list, ogPart, ppToneMap));
    EXPECT_LT(Position(list, ogPart, ppToneMap), Position(list, ogPart, ppToneNumber));
    EXPECT_LT(Position(list, ogPart, ppScaleTuningC), list.size());
    for (int n = ppScaleTuningC + 1; n <= ppScaleTuningB; ++n) EXPECT_EQ(Position(list, ogPart, n), list.size()) << n;
    for (int n : {1, 2, 3, 4, 5, 7, 8, 9, 12, 19, 22, 23, 24, 32, 45, 110, 111})
        EXPECT_LT(Position(list, ogPart, n), list.size()) << n;
    for (int n = 1; n <= kDrumParameterCount; ++n) EXPECT_LT(Position(list, ogDrum, n), list.size()) << n;
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const TOrderItem& i) { return i.Group == ogUserDrum; }), 1);
    for (const TOrderItem& item : list) {
        EXPECT_EQ(item.ChangedOnly, 1);
        // Exclusive form, except the one parameter that has no exclusive address.
        const bool coarse = item.Group == ogPart && item.Index == ppMasterCoarseTuning;
        EXPECT_EQ(item.Form, coarse ? ofRPN : ofSysx) << int(item.Group) << " " << int(item.Index);
    }
}

TEST(OrderFile, ItemsCarryTheFormsTheirParameterHas) {
    const TOrderItem volume = MakeOrderItem(ogPart, ppVolume, ofCC);
    EXPECT_EQ(volume.Forms, (std::array<uint8_t, 4>{1, 1, 0, 0}));
    EXPECT_EQ(volume.Form, ofCC);
    EXPECT_EQ(MakeOrderItem(ogPart, ppVolume, ofNRPN).Form, ofSysx);  // not supported: stays exclusive
    EXPECT_EQ(MakeOrderItem(ogPart, 25, ofNRPN).Form, ofNRPN);         // "Vib. Rate"
    EXPECT_EQ(MakeOrderItem(ogPart, ppPitchFineTune, ofRPN).Form, ofRPN);
    EXPECT_EQ(MakeOrderItem(ogPart, ppMasterCoarseTuning, ofSysx).Form, ofRPN);
    EXPECT_EQ(MakeOrderItem(ogPart, ppMasterCoarseTuning).Forms, (std::array<uint8_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(MakeOrderItem(ogSystem, 5, ofCC).Form, ofSysx);
    EXPECT_EQ(MakeOrderItem(ogDrum, 2, ofNRPN).Forms, (std::array<uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(MakeOrderItem(ogUserDrum, 1, 2, false).ChangedOnly, 0);
}

TEST(OrderFile, WrittenAndReadBackInTheSameOrder) {
    TOrderList list = {MakeOrderItem(ogPart, ppToneNumber, ofCC, false), MakeOrderItem(ogSystem, 64),
                       MakeOrderItem(ogPart, 27, ofNRPN), MakeOrderItem(ogDrum, 9),
                       MakeOrderItem(ogPart, ppPitchFineTune, ofRPN), MakeOrderItem(ogUserDrum, 1)};
    const TBytes bytes = OrderFileBytes(list);
    ASSERT_EQ(bytes.size(), 24u + 8u * list.size());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 20), "SMF Custom Order    ");
    EXPECT_EQ(bytes[20], list.size());
    EXPECT_EQ(bytes[21] | bytes[22] | bytes[23], 0);
    // Tone number: exclusive and control change allowed, control change chosen, part group,
    // parameter 2, every value.
    EXPECT_EQ(TBytes(bytes.begin() + 24, bytes.begin() + 32), (TBytes{1, 1, 0, 0, 1, 1, 2, 0}));

    TTempDir dir;
    std::string error;
    ASSERT_TRUE(WriteOrderFile(list, dir / "mine.scd", error)) << error;
    EXPECT_EQ(FileContents(dir / "mine.scd"), bytes);
    TOrderList read = {MakeOrderItem(ogSystem, 1)};
    ASSERT_TRUE(ReadOrderFile(dir / "mine.scd", read, error));
    EXPECT_EQ(read, list);

    // An empty list is a valid file of 24 bytes.
    ASSERT_TRUE(WriteOrderFile({}, dir / "empty.scd", error));
    EXPECT_TRUE(ReadOrderFile(dir / "empty.scd", read, error));
    EXPECT_TRUE(read.empty());
}

TEST(OrderFile, DamagedFilesAreRejectedWithTheProgramsMessage) {
    const TBytes good = OrderFileBytes({MakeOrderItem(ogSystem, 2), MakeOrderItem(ogPart, 9)});
    TOrderList list;
    // Any character of the tag, the trailing blanks included.
    for (size_t i = 0; i < 20; ++i) {
        TBytes bad = good;
        bad[i] = bad[i] == ' ' ? '_' : ' ';
        list = {MakeOrderItem(ogSystem, 1)};
        EXPECT_FALSE(ParseOrderFile(bad, list)) << i;
        EXPECT_TRUE(list.empty());
    }
    auto withCount = [&](uint32_t count) {
        TBytes bad = good;
        for (size_t i = 0; i < 4; ++i) bad[20 + i] = uint8_t(count >> (8 * i));
        return bad;
    };
    EXPECT_FALSE(ParseOrderFile(withCount(3), list));
    EXPECT_FALSE(ParseOrderFile(withCount(0xFFFFFFFFu), list));
    EXPECT_FALSE(ParseOrderFile(withCount(0x20000000u), list));
    EXPECT_FALSE(ParseOrderFile(TBytes(good.begin(), good.begin() + 23), list));
    EXPECT_FALSE(ParseOrderFile(TBytes(good.begin(), good.end() - 1), list));
    EXPECT_TRUE(list.empty());
    // Fewer items announced than stored: the announced ones.
    EXPECT_TRUE(ParseOrderFile(withCount(1), list));
    EXPECT_EQ(list.size(), 1u);

    TTempDir dir;
    std::string error;
    WriteBytes(dir / "bad.scd", withCount(9));
    list = {MakeOrderItem(ogSystem, 1)};
    EXPECT_FALSE(ReadOrderFile(dir / "bad.scd", list, error));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(error.rfind("Order Data 読み取りエラー", 0), 0u);
    EXPECT_FALSE(ReadOrderFile(dir / "missing.scd", list, error));
    EXPECT_EQ(error.rfind("Order Data 読み取りエラー", 0), 0u);
    WriteBytes(dir / "huge.scd", good);
    fs::resize_file(dir / "huge.scd", kMaxOrderFileSize + 1);
    EXPECT_FALSE(ReadOrderFile(dir / "huge.scd", list, error));
}

TEST(OrderFile, ItemsNamingNoParameterAreDroppedAndFormsAreTheProgramsOwn) {
    TBytes bytes = OrderFileBytes({});
    auto add = [&](std::array<uint8_t, 8> item) {
        bytes.insert(bytes.end(), item.begin(), item.end());
        ++bytes[20];
    };
    add({1, 1, 1, 1, 1, ogSystem, 2, 1});     // claims control change for a system parameter
    add({1, 0, 0, 0, 0, 4, 1, 1});            // no such group
    add({1, 0, 0, 0, 0, ogSystem, 0, 1});     // no parameter 0
    add({1, 0, 0, 0, 0, ogSystem, 65, 1});
    add({1, 0, 0, 0, 0, ogPart, 112, 1});
    add({1, 0, 0, 0, 0, ogDrum, 10, 1});
    add({1, 0, 0, 0, 9, ogPart, ppVolume, 7});  // form 9: the first the parameter has
    TOrderList list;
    ASSERT_TRUE(ParseOrderFile(bytes, list));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], MakeOrderItem(ogSystem, 2, ofSysx, true));
    EXPECT_EQ(list[1].Form, ofSysx);
    EXPECT_EQ(list[1].Forms, (std::array<uint8_t, 4>{1, 1, 0, 0}));
    EXPECT_EQ(list[1].ChangedOnly, 7);  // kept as stored
}

TEST(OrderFile, FailedWriteLeavesTheOldFile) {
    TTempDir dir;
    std::string error;
    const TOrderList list = DefaultOrderList();
    ASSERT_TRUE(WriteOrderFile(list, dir / "a.scd", error));
    const TBytes old = FileContents(dir / "a.scd");
    fs::create_directory(dir / "folder.scd");
    EXPECT_FALSE(WriteOrderFile({}, dir / "folder.scd", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WriteOrderFile({}, dir / "missing/a.scd", error));
    EXPECT_EQ(FileContents(dir / "a.scd"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace veka
