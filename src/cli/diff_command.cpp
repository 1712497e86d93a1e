// veka4-cli diff A B: every parameter two setup files set differently, one line each, as diff(1)
// answers: 0 when they agree, 1 when they differ, 2 for trouble.
#include <iostream>

#include "cli/active_ports.h"
#include "cli/commands.h"
#include "module/default_folder.h"
#include "module/image.h"
#include "module/safe_file.h"
#include "module/setup_diff.h"
#include "module/setup_reader.h"

namespace veka::cli {

namespace {

// The file onto a power-on image: a value the file does not hold is the default.
bool ReadOnto(TVGS& image, const std::string& file) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(file, kMaxSetupFileSize, bytes, error)) {
        std::cerr << "veka4-cli: " << error << '\n';
        return false;
    }
    TFixedSetupFileHost host;
    const TSetupReadResult result = ReadSetupBytes(image, host, 0, SetupFileKindOf(file), bytes, file);
    if (!result.Ok()) {
        std::cerr << "veka4-cli: " << file << ": " << result.Text(image.Language) << '\n';
        return false;
    }
    return true;
}

}  // namespace

int DiffCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 3) throw EUsage("usage: veka4-cli diff A B");
    TVGS second(FindDefaultFolder(), image.ModuleType());
    second.DeviceId = image.DeviceId;
    second.MaxPart = image.MaxPart;
    second.Language = image.Language;
    if (!ReadOnto(image, o.Positional[1]) || !ReadOnto(second, o.Positional[2])) return 2;
    // The ports either file holds values for are compared, unless --max-part says otherwise.
    TakePortsFromValues(image, o, kCompared, o.Positional[1] + ": ");
    TakePortsFromValues(second, o, kCompared, o.Positional[2] + ": ");
    const std::vector<TSetupDifference> differences = DiffImages(image, second);
    for (const TSetupDifference& d : differences) out << DifferenceLine(d) << '\n';
    return differences.empty() ? 0 : 1;
}

}  // namespace veka::cli
