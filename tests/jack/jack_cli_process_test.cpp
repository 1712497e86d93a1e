// veka4-cli against a module on JACK ports that go away while it works: send, request and sync
// end with exit 1 and say which port went and how far they came.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <string>

#include "jack_module.h"
#include "module/setup_file.h"
#include "temp_dir.h"
#include "veka_process.h"

namespace veka::test {
namespace {

using namespace std::chrono_literals;

class JackCliProcess : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string absence = TJackPeer::ServerAbsence();
        if (!absence.empty()) GTEST_SKIP() << absence;
        Module = std::make_unique<TJackModule>("veka-test-cli");
        std::filesystem::create_directories(Dir / "home");
        std::filesystem::create_directories(Dir / "run");
        std::filesystem::permissions(Dir / "run", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        // A setup with a value in every part, so a Send All takes a while.
        TVGS image(VEKA_TEST_DEFAULT_DIR);
        for (int part = 1; part <= 16; ++part) {
            image.SetPartValue(0, part, 30 + part, ppVolume);
            image.SetPartValue(0, part, 20 + part, ppPanpot);
            image.SetPartValue(0, part, 10 + part, ppPitchFineTune);
        }
        ASSERT_TRUE(WriteWholeSetupFile(image, Dir / "SETUP.ga4").Ok());
    }
    // Runs veka4-cli, pumping the module and calling during() until it ends; its exit code.
    int Run(const std::vector<std::string>& arguments, const std::function<void()>& during) {
        TVekaProcess cli(arguments, Dir / "home", Dir / "run", Log(), {}, {}, VEKA_CLI);
        EXPECT_TRUE(cli.Started());
        const auto end = std::chrono::steady_clock::now() + 60s;
        while (std::chrono::steady_clock::now() < end) {
            Module->Pump();
            if (during) during();
            const int code = cli.Wait(2ms);
            if (code != -1) return code;
        }
        return -1;
    }
    std::string Log() const { return Dir / "cli.log"; }
    std::string Said() const {
        std::ifstream in(Log());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string PortGone() const { return "Port A (" + Module->Peer.InputName() + ") is gone."; }

    TTempDir Dir;
    std::unique_ptr<TJackModule> Module;
};

TEST_F(JackCliProcess, SendEndsWithExitOneNamingThePortThatWentAndHowFarItCame) {
    bool removed = false;
    const int code = Run({"send", Dir / "SETUP.ga4", "--out", "A=" + Module->Peer.InputName()}, [&] {
        if (removed || Module->Heard() < 10) return;
        removed = true;
        Module->Peer.RemoveInput();
    });
    EXPECT_TRUE(removed) << Said();
    EXPECT_EQ(code, 1) << Said();
    EXPECT_NE(Said().find(PortGone()), std::string::npos) << Said();
    EXPECT_NE(Said().find("Send All stopped: "), std::string::npos) << Said();
    EXPECT_NE(Said().find(" messages sent"), std::string::npos) << Said();
}

TEST_F(JackCliProcess, RequestAndSyncEndWithExitOneNamingThePortThatWent) {
    const std::string out = "A=" + Module->Peer.InputName(), in = Module->Peer.OutputName();
    for (const bool sync : {false, true}) {
        SCOPED_TRACE(sync ? "sync" : "request");
        if (sync) Module->Peer.RestoreInput();
        const size_t start = Module->Heard();
        bool removed = false;
        std::vector<std::string> arguments =
            sync ? std::vector<std::string>{"sync", Dir / "SETUP.ga4", "--out", out, "--in", in, "--what", "master,reverb",
                                            "--wait", "300"}
                 : std::vector<std::string>{"request", "--out", out, "--in", in, "--what", "master,reverb", "--wait", "300",
                                            Dir / "READ.ga4"};
        const int code = Run(arguments, [&] {
            if (removed || Module->Heard() < start + 4) return;
            removed = true;
            Module->Peer.RemoveInput();
        });
        EXPECT_TRUE(removed) << Said();
        EXPECT_EQ(code, 1) << Said();
        EXPECT_NE(Said().find(PortGone()), std::string::npos) << Said();
        if (sync) {
            EXPECT_NE(Said().find("sync stopped: "), std::string::npos) << Said();
        }
    }
}

}  // namespace
}  // namespace veka::test
