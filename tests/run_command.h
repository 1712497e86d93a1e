#pragma once
// Runs a shell command line as a user would and collects its standard output and exit status.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace veka::test {

struct TCommandRun {
    int Status = -1;  // the exit status, -1 when the command did not exit normally
    std::string Out;
};

// Redirections belong to the command line ("2>&1" folds standard error into Out).
inline TCommandRun RunCommand(const std::string& commandLine) {
    TCommandRun r;
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) r.Out.append(buf.data(), n);
    const int status = pclose(pipe);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace veka::test
