#pragma once
// Command-line options and argument parsing of veka4-cli.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "module/language.h"

namespace veka::cli {

// A bad argument: main prints its text on one line and exits 2.
class EUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TOptions {
    int ModuleType = 3;
    int DeviceId = 0x10;
    int MaxPart = 0;  // 0: 16 parts, 1: 32, 2: 64
    bool MaxPartGiven = false;  // --max-part was on the command line
    TLanguage Language = TLanguage::English;
    bool Help = false;
    bool Version = false;
    std::vector<std::string> Positional;
    std::vector<std::pair<std::string, std::string>> Extra;  // command-specific options
};

// Splits options ("--name", "--name=value", "--name value") from positional arguments.
TOptions ParseOptions(int argc, char** argv);
// An integer in decimal, or hexadecimal with 0x; EUsage naming what when it is not one or is
// outside min..max.
int ParseInt(const std::string& text, const char* what, int min, int max);
std::optional<std::string> ExtraOption(const TOptions& options, const std::string& name);

}  // namespace veka::cli
