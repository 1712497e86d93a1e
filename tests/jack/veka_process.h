#pragma once
// The program as a child process of a JACK test, with its standard error in a file.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace veka::test {

using namespace std::chrono_literals;

// A child process of veka4 (or of another of the program's executables) with the test's own
// home, runtime folder and screen: offscreen, or the X server of display (":57").
class TVekaProcess {
public:
    TVekaProcess(const std::vector<std::string>& arguments, const std::string& home, const std::string& runtime,
                 const std::string& log, const std::string& display = {},
                 const std::vector<std::string>& extraEnvironment = {}, const std::string& program = VEKA_GUI) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry(*e);
            for (const char* replaced :
                 {"VEKA_HOME=", "XDG_RUNTIME_DIR=", "XDG_DATA_HOME=", "QT_QPA_PLATFORM=", "VEKA_VIRTUAL_MODULE=", "DISPLAY="})
                if (entry.rfind(replaced, 0) == 0) goto skip;
            env.push_back(entry);
        skip:;
        }
        env.push_back("VEKA_HOME=" + home);
        env.push_back("XDG_RUNTIME_DIR=" + runtime);
        env.push_back("XDG_DATA_HOME=" + home + "/data");  // the desktop registration stays in the test's folder
        env.push_back(display.empty() ? "QT_QPA_PLATFORM=offscreen" : "QT_QPA_PLATFORM=xcb");
        if (!display.empty()) env.push_back("DISPLAY=" + display);
        for (const std::string& entry : extraEnvironment) {
            const std::string key = entry.substr(0, entry.find('=') + 1);
            std::erase_if(env, [&key](const std::string& e) { return e.rfind(key, 0) == 0; });
            env.push_back(entry);
        }
        env.push_back("VEKA_AUTO_ANSWER_MS=100");
        env.push_back("JACK_NO_START_SERVER=1");
        std::vector<std::string> args{program};
        args.insert(args.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv, envp;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        // What the program says and prints (its answered questions among it) goes to a file of its own.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, 2, 1);  // and what it prints
        // The child starts with no signal blocked and SIGTERM as the default, whatever the JACK
        // client of this process did to its own mask.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t none, terms;
        sigemptyset(&none);
        sigemptyset(&terms);
        sigaddset(&terms, SIGTERM);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &terms);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        if (posix_spawn(&Pid_, program.c_str(), &actions, &attributes, argv.data(), envp.data()) != 0) Pid_ = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~TVekaProcess() {
        if (Pid_ <= 0 || Exited_) return;
        kill(Pid_, SIGKILL);
        waitpid(Pid_, nullptr, 0);
    }
    bool Started() const { return Pid_ > 0; }
    pid_t Pid() const { return Pid_; }
    // The exit code, or -1 when the process did not end in time (it is then killed).
    int Wait(std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        int status = 0;
        while (std::chrono::steady_clock::now() < end) {
            if (waitpid(Pid_, &status, WNOHANG) == Pid_) {
                Exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }
    void Terminate() {
        if (Pid_ > 0 && !Exited_) kill(Pid_, SIGTERM);
    }
    // The end a crash or a power cut gives: no close sequence runs.
    void Kill() {
        if (Pid_ <= 0 || Exited_) return;
        kill(Pid_, SIGKILL);
        waitpid(Pid_, nullptr, 0);
        Exited_ = true;
    }

private:
    pid_t Pid_ = -1;
    bool Exited_ = false;
};

}  // namespace veka::test
