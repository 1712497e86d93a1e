// The MIDI commands of the command-line companion against the built-in virtual module.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "run_command.h"

namespace {

using TRun = veka::test::TCommandRun;

TRun Cli(const std::string& args) {
    return veka::test::RunCommand(std::string(VEKA_CLI) + " " + args + " 2>/dev/null");
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A whole setup whose only change is "Master Volume" = 99: one system section 1..64.
std::vector<uint8_t> MasterVolumeSetup() {
    return {'V', 'e', 'k', 'a', '4', '0', 16, 0, 0, 0, 0, 1, 64, 0, 1, 0, 0, 0, 2, 0, 0, 0, 99, 0, 0, 0};
}

class MidiCli : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = std::filesystem::temp_directory_path() / ("veka-midi-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(Folder);
        Setup = Folder / "master.ga4";
        const auto bytes = MasterVolumeSetup();
        std::ofstream(Setup, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }
    std::filesystem::path Folder, Setup;
};

TEST_F(MidiCli, PortsIdentifyAndPanic) {
    const TRun ports = Cli("ports --virtual-module");
    EXPECT_EQ(ports.Status, 0);
    EXPECT_NE(ports.Out.find("Virtual Module Port D"), std::string::npos);
    EXPECT_NE(ports.Out.find("Virtual Module Out"), std::string::npos);
    EXPECT_EQ(Cli("identify --out 'Port A' --in Virtual --virtual-module").Out.substr(0, 8), "SC-8850\n");
    EXPECT_EQ(Cli("--module-type 2 identify --out 0 --in 0 --virtual-module").Out.substr(0, 9), "SC-88Pro\n");
    EXPECT_EQ(Cli("--module-type 1 identify --out 0 --in 0 --virtual-module").Out, "SC-88\n");
    EXPECT_EQ(Cli("--max-part 64 panic --out A=0,B=1,C=2,D=3 --virtual-module").Out,
              "All Sound Off sent on 64 channels\n");
    EXPECT_EQ(Cli("--max-part 32 panic --out A=0 --virtual-module").Status, 2);  // Port B has no device
    EXPECT_EQ(Cli("identify --out 'Virtual Module' --in 0 --virtual-module").Status, 2);  // not unique
}

TEST_F(MidiCli, SendAndRequestRoundTrip) {
    const TRun send = Cli("send " + Setup.string() + " --out A=0 --virtual-module");
    EXPECT_EQ(send.Status, 0);
    EXPECT_EQ(send.Out, "Sent 50 exclusive messages\n");  // Init, Master Volume, 3 per part

    // A module that starts from the setup answers the same value: the file comes back whole.
    const auto out = Folder / "read.ga4";
    const TRun request = Cli("request --out 0 --in 0 --what master,reverb --virtual-module=" + Setup.string() + " " +
                             out.string());
    EXPECT_EQ(request.Status, 0) << request.Out;
    EXPECT_NE(request.Out.find("Receved : 11 blocks/Requested : 11 blocks"), std::string::npos);
    EXPECT_EQ(ReadBytes(out), MasterVolumeSetup());
    EXPECT_EQ(Cli("request --out 0 --in 0 --what bogus --virtual-module " + out.string()).Status, 2);
}

}  // namespace

namespace {

TEST_F(MidiCli, DisplayPrintsAndSendsTheDisplaysMessages) {
    const TRun text = Cli("display --text HELLO");
    EXPECT_EQ(text.Status, 0);
    EXPECT_EQ(text.Out, "F0 41 10 45 12 10 00 00 48 45 4C 4C 4F 7C F7  HELLO\n");
    // A preset: its picture, then its text.
    std::vector<uint8_t> preset(292, 0);
    preset[0] = 2;
    preset[4] = 1;  // dot [0][0]
    preset[260] = 'H';
    preset[261] = 'i';
    const auto file = Folder / "hi.dsp";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(preset.data()), long(preset.size()));
    const TRun dsp = Cli("display --dsp " + file.string() + " --out 0 --virtual-module");
    EXPECT_EQ(dsp.Status, 0) << dsp.Out;
    EXPECT_EQ(dsp.Out.substr(0, 27), "F0 41 10 45 12 10 01 00 10 ");
    EXPECT_NE(dsp.Out.find("  picture\n"), std::string::npos);
    EXPECT_NE(dsp.Out.find("48 69"), std::string::npos);
    // A damaged preset and a missing choice are refused.
    preset[4] = 7;
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(preset.data()), long(preset.size()));
    EXPECT_NE(Cli("display --dsp " + file.string()).Status, 0);
    EXPECT_EQ(Cli("display").Status, 2);
    // Characters the display lacks are sent as "?", never as bytes of 80 hex or more.
    const TRun odd = Cli("display --text 'caf\xC3\xA9'");
    EXPECT_EQ(odd.Status, 0);
    EXPECT_NE(odd.Out.find("63 61 66 3F"), std::string::npos) << odd.Out;
}

}  // namespace

namespace {

TEST_F(MidiCli, SyncListsWhatTheModuleLacksAndSendsOnlyThat) {
    // The module holds the power-on values; the setup has Master Volume 99.
    const TRun dry = Cli("sync " + Setup.string() + " --out A=0 --in 0 --what master,reverb --dry-run --virtual-module");
    EXPECT_EQ(dry.Status, 0);
    EXPECT_EQ(dry.Out.substr(0, 21), "System Master Volume:");
    EXPECT_NE(dry.Out.find("-> 99"), std::string::npos) << dry.Out;
    EXPECT_NE(dry.Out.find("1 differences, nothing sent"), std::string::npos);
    const TRun sync = Cli("sync " + Setup.string() + " --out A=0 --in 0 --what master,eq --virtual-module");
    EXPECT_EQ(sync.Status, 0);
    EXPECT_NE(sync.Out.find("Sent 1 messages"), std::string::npos) << sync.Out;
    // A module that already holds the setup: nothing to send.
    const TRun same = Cli("sync " + Setup.string() + " --out A=0 --in 0 --what master --virtual-module=" + Setup.string());
    EXPECT_EQ(same.Out, "Sent 0 messages\n");
    EXPECT_EQ(Cli("sync " + Setup.string() + " --out A=0 --virtual-module").Status, 2);  // no input
    EXPECT_EQ(Cli("sync " + (Folder / "none.ga4").string() + " --out A=0 --in 0 --virtual-module").Status, 2);
}

}  // namespace
