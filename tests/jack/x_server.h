#pragma once
// The tests that start the program under a real X server share one of their own, and xdotool on it.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace veka::test {

using namespace std::chrono_literals;

// An X server of the test's own (Xvfb), on the first free display from :71.
class TXServer {
public:
    TXServer() {
        for (int n = 71; n < 99; ++n)
            if (!std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n))) {
                Number_ = n;
                break;
            }
        if (Number_ < 0) return;
        const std::string display = Display();
        std::vector<std::string> args{"Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"};
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&Pid_, "Xvfb", &actions, nullptr, argv.data(), environ) != 0) Pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (Pid_ > 0 && !Ready() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(50ms);
    }
    ~TXServer() {
        if (Pid_ <= 0) return;
        kill(Pid_, SIGTERM);
        waitpid(Pid_, nullptr, 0);
    }
    bool Ready() const {
        return Pid_ > 0 && std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(Number_));
    }
    std::string Display() const { return ":" + std::to_string(Number_); }
    // Runs xdotool with arguments on this display; its first line of output.
    std::string Tool(const std::string& arguments) const { return Run("xdotool " + arguments); }
    // Runs a command line on this display; the first line of its output that contains find
    // (the first line when find is empty).
    std::string Run(const std::string& commandLine, const std::string& find = {}) const {
        const std::string command = "DISPLAY=" + Display() + " " + commandLine + " 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return {};
        char line[256] = {};
        std::string text;
        while (std::fgets(line, sizeof line, pipe) != nullptr) {
            if (!find.empty() && std::string(line).find(find) == std::string::npos) continue;
            text = line;
            break;
        }
        pclose(pipe);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        return text;
    }

private:
    int Number_ = -1;
    pid_t Pid_ = -1;
};

}  // namespace veka::test
