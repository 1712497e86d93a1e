// A JACK server that stops answering must not hold the program: a server of its own (dummy
// driver, a name of its own) is suspended while the device lists are read.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "jack_peer.h"
#include "midi/midi_devices.h"

extern char** environ;

namespace veka::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kServerName = "veka-suspended";

// The server named kServerName, running until the end of the test whatever happens in it.
class TOwnServer {
public:
    TOwnServer() {
        const char* argv[] = {"jackd", "-n", kServerName, "-r", "-d", "dummy", "-r", "48000", "-p", "256", nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&Pid_, "jackd", &actions, nullptr, const_cast<char**>(argv), environ) != 0) Pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~TOwnServer() {
        if (Pid_ <= 0) return;
        kill(Pid_, SIGCONT);
        kill(Pid_, SIGTERM);
        waitpid(Pid_, nullptr, 0);
    }
    bool Started() const { return Pid_ > 0; }
    void Suspend() { kill(Pid_, SIGSTOP); }
    void Resume() { kill(Pid_, SIGCONT); }

private:
    pid_t Pid_ = -1;
};

// Points libjack of this process at another server for the life of the object.
class TServerChoice {
public:
    explicit TServerChoice(const char* name) {
        if (const char* old = std::getenv("JACK_DEFAULT_SERVER")) Old_ = old, HadOld_ = true;
        setenv("JACK_DEFAULT_SERVER", name, 1);
    }
    ~TServerChoice() {
        if (HadOld_) setenv("JACK_DEFAULT_SERVER", Old_.c_str(), 1);
        else unsetenv("JACK_DEFAULT_SERVER");
    }

private:
    std::string Old_;
    bool HadOld_ = false;
};

bool ListsJack() {
    for (const TMidiDeviceInfo& info : TMidiDevices::Instance().Outputs())
        if (info.Backend == TMidiBackend::Jack) return true;
    return false;
}

TEST(JackServer, ASuspendedServerCountsAsAbsentAndIsListedAgainWhenItAnswers) {
    if (system("command -v jackd >/dev/null 2>&1") != 0) GTEST_SKIP() << "jackd is not installed";
    TOwnServer server;
    ASSERT_TRUE(server.Started());
    const TServerChoice choice(kServerName);
    std::string absence = "not asked";
    for (int i = 0; i < 100 && !absence.empty(); ++i) {
        absence = TJackPeer::ServerAbsence();
        if (!absence.empty()) std::this_thread::sleep_for(100ms);
    }
    ASSERT_EQ(absence, "") << "the test's own JACK server did not start";
    {
        // A client of ours on the server, so that its ports are listed while it answers.
        TJackPeer peer("veka-suspended-peer");
        TMidiDevices::Instance().Refresh();
        EXPECT_TRUE(ListsJack());
    }

    server.Suspend();
    const auto start = std::chrono::steady_clock::now();
    TMidiDevices::Instance().Refresh();  // outputs and inputs: one wait, not one per list
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(ListsJack());
    EXPECT_LT(waited, 10s) << "the lists waited for the suspended server";

    server.Resume();
    // The look that waited returns now; until then the server still counts as absent.
    bool listed = false;
    for (int i = 0; i < 100 && !listed; ++i) {
        TJackPeer peer("veka-resumed-peer");
        TMidiDevices::Instance().Refresh();
        listed = ListsJack();
        if (!listed) std::this_thread::sleep_for(50ms);
    }
    EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace veka::test
