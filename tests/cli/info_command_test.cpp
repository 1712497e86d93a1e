// veka4-cli info on setup files and presets written here byte by byte.
#include <gtest/gtest.h>

#include "run_command.h"
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TRecord {
    uint8_t B0, B1, B2;
    int32_t V;
};

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

class InfoCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        Dir = fs::temp_directory_path() / ("veka-info-test-" + std::to_string(random()));
        fs::create_directories(Dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(Dir, ec);
    }

    std::string File(const std::string& name, const std::vector<TRecord>& records, const char* magic = "Veka40",
                     int extraLength = 0) {
        std::string bytes(magic, 6);
        const uint32_t length = uint32_t(int(records.size() * 8) + extraLength);
        for (int i = 0; i < 4; ++i) bytes += char(length >> (8 * i));
        for (const TRecord& r : records) {
            bytes += {char(r.B0), char(r.B1), char(r.B2), '\0'};
            for (int i = 0; i < 4; ++i) bytes += char(uint32_t(r.V) >> (8 * i));
        }
        const std::string path = (Dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    TRun Info(const std::string& args) {
        const std::string err = (Dir / "stderr.txt").string();
        const std::string command = std::string(VEKA_CLI) + " " + args + " 2>" + err;
        const veka::test::TCommandRun run = veka::test::RunCommand(command);
        TRun r;
        r.Status = run.Status;
        r.Out = run.Out;
        std::ifstream in(err);
        r.Err.assign(std::istreambuf_iterator<char>(in), {});
        return r;
    }

    fs::path Dir;
};

TEST_F(InfoCommand, WholeSetupOfOnePartValue) {
    const TRun r = Info("info " + File("b3.ga4", {{1, 19, 0, 1}, {3, 9, 0, 90}}));
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "Kind: All data (.ga4), Veka40\nSection 1: Part B3, 1 item\nPart B3 Volume = 90 (90)\n");
    EXPECT_EQ(r.Err, "");
    // A value the program would not take as it is says so.
    const TRun high = Info("info " + File("high.1pg", {{1, 19, 0, 1}, {3, 9, 0, 130}}));
    EXPECT_EQ(high.Status, 0);
    EXPECT_EQ(high.Out, "Kind: One Part (.1pg), Veka40\nSection 1: Part B3, 1 item\n"
                        "Part B3 Volume = 130 (outside 0..127, read as 127)\n");
}

TEST_F(InfoCommand, EveryKindOfSectionWithValueTexts) {
    const std::string path = File("mix.CST", {{3, 0, 0, 2},
                                              {0, 36, 8, 70},
                                              {0, 36, 11, 25},
                                              {0, 5, 11, 2},
                                              {5, 0, 0, 2},
                                              {8, 0, 0, 100},
                                              {1, 1, 0, 3},
                                              {1, 12, 0, 1},
                                              {1, 3, 0, 16},
                                              {1, 112, 0, 5},
                                              {2, 1, 0, 2},
                                              {1, 36, 8, 1},
                                              {9, 36, 2, 100}});
    const TRun r = Info("info " + path);
    EXPECT_EQ(r.Status, 0) << r.Err;
    const std::string expected =
        "Kind: Veka Custom File (.cst), Veka40\n"
        "Section 1: User Drum 0, 2 items\n"
        "User Drum 0 Key36 Rx.Note On = 70 (outside 0..1)\n"
        "User Drum 0 Key36 S. Drum Set PG# = 25 (26(25) TR-808/909)\n"
        "Section 2: System 5..11, 2 items\n"
        "System Reverb Macro = 2 (Room 3)\n"
        "System Reverb Level = 100 (100)\n"
        "Section 3: Part A1, 3 items\n"
        "Part A1 Panpot = 1 (L63)\n"
        "Part A1 Rx. Channel = 16 (OFF)\n"
        "Part A1 parameter 112 = 5 (skipped: no such parameter)\n"
        "Section 4: Drum Map A1, drum set program 0, 2 items\n"
        "Drum Map A1 Key36 Rx.Note On = 1 (Effective)\n"
        "Drum Map #9 Key36 parameter 2 = 100 (skipped: no such drum map)\n";
    EXPECT_EQ(r.Out, expected);
    EXPECT_NE(Info("--japanese info " + path).Out.find("Drum Map A1 Key36 Rx.Note On = 1 (有効)"), std::string::npos);
}

TEST_F(InfoCommand, EffectPresetAndOlderFile) {
    std::vector<TRecord> reverb = {{0, 0, 0, 7}};
    for (int n = 5; n <= 11; ++n) reverb.push_back({uint8_t(n), 0, 0, n == 5 ? 4 : 0});
    const TRun r = Info("info " + File("hall.rev", reverb));
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out.substr(0, r.Out.find('\n', r.Out.find('\n') + 1) + 1),
              "Kind: Reverb (.rev), Veka40\nSection 1: System (all parameters of the block), 7 items\n");
    EXPECT_NE(r.Out.find("System Reverb Macro = 4 (Hall 2)\n"), std::string::npos);
    const TRun older = Info("info " + File("old.ga3", {}, "Veka30"));
    EXPECT_EQ(older.Status, 0);
    EXPECT_EQ(older.Out, "Kind: All data (.ga3), Veka30\n");
}

TEST_F(InfoCommand, ErrorsGoToStandardErrorWithAStatus) {
    TRun r = Info("info " + (Dir / "missing.ga4").string());
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("missing.ga4"), std::string::npos);

    r = Info("info " + File("song.ga4", {}, "MThd\0\0"));
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("This file is not for Veka."), std::string::npos);

    r = Info("info " + File("short.ga4", {{1, 1, 0, 0}}, "Veka40", 8));
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("Found error in the data file."), std::string::npos);

    // A section whose count runs past the end: what comes before is listed, then the error.
    r = Info("info " + File("cut.ga4", {{1, 1, 0, 1}, {1, 9, 0, 90}, {0, 1, 64, 5}}));
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "Kind: All data (.ga4), Veka40\nSection 1: Part A1, 1 item\nPart A1 Volume = 90 (90)\n");
    EXPECT_NE(r.Err.find("Found error in the data file."), std::string::npos);

    r = Info("info");
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Err.find("usage: veka4-cli info FILE"), std::string::npos);
    EXPECT_NE(Info("--help").Out.find("info FILE"), std::string::npos);
}

}  // namespace

TEST_F(InfoCommand, DiffListsWhatTwoSetupsSetDifferentlyAndAnswersLikeDiff) {
    const std::string a = File("a.ga4", {{1, 19, 0, 1}, {3, 9, 0, 90}});
    const std::string b = File("b.ga4", {{1, 19, 0, 2}, {3, 12, 0, 30}, {3, 9, 0, 80}});
    const TRun r = Info("diff " + a + " " + b + " --max-part 32");
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_EQ(r.Out, "Part B3 Volume: 90 (90) -> 80 (80)\nPart B3 Panpot: 64 (Center) -> 30 (L34)\n");
    const TRun same = Info("diff " + a + " " + a + " --max-part 32");
    EXPECT_EQ(same.Status, 0);
    EXPECT_EQ(same.Out, "");
    // Without --max-part the files' ports are compared; --max-part 16 leaves Port B out. A file
    // that cannot be read is trouble.
    EXPECT_EQ(Info("diff " + a + " " + b).Out, r.Out);
    EXPECT_EQ(Info("diff " + a + " " + b + " --max-part 16").Status, 0);
    const TRun missing = Info("diff " + a + " " + (Dir / "none.ga4").string());
    EXPECT_EQ(missing.Status, 2);
    EXPECT_NE(missing.Err.find("none.ga4"), std::string::npos);
    EXPECT_EQ(Info("diff " + a).Status, 2);
}
