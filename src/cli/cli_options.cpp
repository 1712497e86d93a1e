#include "cli/cli_options.h"

#include <cerrno>
#include <cstdlib>

namespace veka::cli {

namespace {

// Options of individual commands, each taking a value.
const char* const kExtraWithValue[] = {"--reference", "--set", "--note", "--out", "--in", "--what", "--wait", "--log", "--format", "--timebase", "--order", "--text", "--dsp"};
// Options of individual commands that stand alone ("--virtual-module" may carry "=FILE").
const char* const kExtraFlags[] = {"--virtual-module", "--user-drums-all", "--with-text", "--dummy-notes", "--dry-run"};

bool IsFlag(const std::string& name) {
    for (const char* flag : kExtraFlags)
        if (name == flag) return true;
    return false;
}

bool TakesValue(const std::string& name) {
    if (name == "--module-type" || name == "--device-id" || name == "--max-part") return true;
    for (const char* extra : kExtraWithValue)
        if (name == extra) return true;
    return false;
}

}  // namespace

int ParseInt(const std::string& text, const char* what, int min, int max) {
    if (text.empty()) throw EUsage(std::string(what) + ": a number is missing");
    errno = 0;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const long v = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || end == text.c_str() || *end != '\0')
        throw EUsage(std::string(what) + ": '" + text + "' is not a number");
    if (v < min || v > max)
        throw EUsage(std::string(what) + ": " + text + " is outside " + std::to_string(min) + ".." +
                     std::to_string(max));
    return int(v);
}

TOptions ParseOptions(int argc, char** argv) {
    TOptions o;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0 || arg == "--") {
            o.Positional.push_back(arg);
            continue;
        }
        std::string name = arg, value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        if (name == "--help") { o.Help = true; continue; }
        if (name == "--version") { o.Version = true; continue; }
        if (name == "--japanese") { o.Language = TLanguage::Japanese; continue; }
        if (IsFlag(name)) { o.Extra.emplace_back(name, hasValue ? value : std::string()); continue; }
        if (!TakesValue(name)) throw EUsage("unknown option " + name);
        if (!hasValue) {
            if (i + 1 >= argc) throw EUsage(name + " needs a value");
            value = argv[++i];
        }
        if (name == "--module-type") {
            o.ModuleType = ParseInt(value, "--module-type", 1, 3);
        } else if (name == "--device-id") {
            o.DeviceId = ParseInt(value, "--device-id", 0, 127);
        } else if (name == "--max-part") {
            const int parts = ParseInt(value, "--max-part", 16, 64);
            if (parts != 16 && parts != 32 && parts != 64) throw EUsage("--max-part: 16, 32 or 64");
            o.MaxPart = parts == 16 ? 0 : parts == 32 ? 1 : 2;
            o.MaxPartGiven = true;
        } else {
            o.Extra.emplace_back(name, value);
        }
    }
    return o;
}

std::optional<std::string> ExtraOption(const TOptions& options, const std::string& name) {
    for (const auto& [n, v] : options.Extra)
        if (n == name) return v;
    return std::nullopt;
}

}  // namespace veka::cli
