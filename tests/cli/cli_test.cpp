// The command-line companion run as a user runs it: output, errors and exit status.
#include <gtest/gtest.h>

#include <string>

#include "run_command.h"

namespace {

using TRun = veka::test::TCommandRun;

// Runs veka4-cli with the arguments; standard error is folded into Out when asked.
TRun Cli(const std::string& args, bool withErrors = false) {
    return veka::test::RunCommand(std::string(VEKA_CLI) + " " + args + (withErrors ? " 2>&1" : " 2>/dev/null"));
}

TEST(CliSysex, MessagesAndTheirPorts) {
    EXPECT_EQ(Cli("sysex system 2 100").Out, "F0 41 10 42 12 40 00 04 64 58 F7 A\n");
    EXPECT_EQ(Cli("sysex system 1 1024").Out, "F0 41 10 42 12 40 00 00 00 04 00 00 3C F7 A\n");
    EXPECT_EQ(Cli("--max-part 32 sysex part B3 9 90").Out, "F0 41 10 42 12 40 13 19 5A 3A F7 B\n");
    EXPECT_EQ(Cli("sysex part A10 1 1").Out, "F0 41 10 42 12 00 01 00 01 7E F7 A\n");
    EXPECT_EQ(Cli("sysex drum A2 36 2 100").Out, "F0 41 10 42 12 41 12 24 64 25 F7 A\n");
    EXPECT_EQ(Cli("sysex userdrum 1 60 1 64 --device-id 17").Out, "F0 41 11 42 12 21 11 3C 40 52 F7 A\n");
    // Scale tuning E of A3 sends the twelve values from C.
    EXPECT_EQ(Cli("sysex part A3 37 70").Out,
              "F0 41 10 42 12 40 13 40 40 40 40 40 46 40 40 40 40 40 40 40 67 F7 A\n");
    EXPECT_EQ(Cli("sysex part A2 111 66").Out, "B1 65 00 A\nB1 64 02 A\nB1 06 42 A\nB1 26 00 A\n");
    // Port C is not active with 32 parts: nothing is sent.
    const TRun inactive = Cli("--max-part 32 sysex part C1 9 90");
    EXPECT_EQ(inactive.Status, 0);
    EXPECT_EQ(inactive.Out, "");
    EXPECT_EQ(Cli("--max-part 64 sysex part D16 9 90").Out, "F0 41 10 42 12 40 1F 19 5A 2E F7 D\n");
}

TEST(CliSysex, BadArgumentsExitTwoWithOneLine) {
    for (const char* args : {"sysex part A17 9 90", "sysex part A1 112 1", "sysex part A1 9 128",
                             "sysex system 0 1", "sysex drum A3 36 2 1", "sysex drum A1 128 2 1",
                             "sysex userdrum 2 60 1 1", "sysex part A1 9 ninety", "sysex", "bogus",
                             "--max-part 48 sysex system 2 1", "--module-type 4 tone 1 0 0", "--frobnicate"}) {
        const TRun r = Cli(args, true);
        EXPECT_EQ(r.Status, 2) << args;
        ASSERT_FALSE(r.Out.empty()) << args;
        EXPECT_EQ(r.Out.find('\n'), r.Out.size() - 1) << args << ": " << r.Out;
    }
}

TEST(CliTexts, ValueTextsAndNames) {
    EXPECT_EQ(Cli("text part 3 16").Out, "OFF\n");
    EXPECT_EQ(Cli("text part 12 1").Out, "L63\n");
    EXPECT_EQ(Cli("text part 19 8192").Out, "0.00 cent\n");
    EXPECT_EQ(Cli("text system 5 4").Out, "Hall 2\n");
    EXPECT_EQ(Cli("text system 23 20").Out, "2.00ms\n");
    EXPECT_EQ(Cli("text drum 4 0").Out, "Random\n");
    EXPECT_EQ(Cli("text drum 8 1").Out, "Effective\n");
    EXPECT_EQ(Cli("--japanese text drum 8 0").Out, "無効\n");
    EXPECT_EQ(Cli("text userdrum 12 60").Out, "60  C 4\n");
    EXPECT_EQ(Cli("tone 1 0 0").Out, "Piano 1\n");
    const TRun none = Cli("tone 1 120 0");
    EXPECT_EQ(none.Status, 1);
    EXPECT_EQ(none.Out, "NO INSTRUMENT\n");
    EXPECT_EQ(Cli("drumset 2 0").Out, "STANDARD 1\n");
    EXPECT_EQ(Cli("drumset 1 65").Out, "U.DrumSet 66\n");
    EXPECT_EQ(Cli("drumset 1 0 27").Out, "High Q\n");
    EXPECT_EQ(Cli("drumset 1 0 127").Status, 1);
    EXPECT_EQ(Cli("--version").Status, 0);
    EXPECT_NE(Cli("--help").Out.find("sysex part PART N VALUE"), std::string::npos);
}

}  // namespace
