#pragma once
// Which ports a command works on. Without --max-part they come from what it was given: the
// ports holding values in its setup files, the ports its --what items name. A --max-part that
// leaves some of those out is obeyed, and one line on standard error says what it left out.
#include <array>
#include <string>

#include "cli/cli_options.h"
#include "module/parameter_tables.h"

namespace veka {
class TVGS;
}

namespace veka::cli {

// The modified values of each port's parts and drum maps, counted as a setup file stores them.
using TPortValueCounts = std::array<int, kPortCount>;
TPortValueCounts PortValueCounts(const TVGS& image);
// The part count (0: 16, 1: 32, 2: 64) whose active ports reach the highest port holding values.
int MaxPartForValues(const TPortValueCounts& counts);
// "12 values of Port B and 3 values of Port C" for the ports from firstPort on that hold values;
// empty when none does.
std::string PortValueText(const TPortValueCounts& counts, int firstPort);

// What a command does with the values of a port, for its messages: "written" / "writes".
struct TPortUse {
    const char* Done;
    const char* Does;
};
inline constexpr TPortUse kWritten{"written", "writes"};
inline constexpr TPortUse kSent{"sent", "sends"};
inline constexpr TPortUse kCompared{"compared", "compares"};
inline constexpr TPortUse kRequested{"requested", "requests"};

// Which ports a part count that leaves ports out (image MaxPart 0 or 1) makes active, as
// "--max-part 16 writes Port A only".
std::string MaxPartReach(int maxPart, TPortUse use);

// The line for the values of the ports from firstLeftOut on, which the command leaves out:
// "[prefix]2 values of Port B were not written (reason)"; nothing when they hold none.
void ReportPortsLeftOut(const TPortValueCounts& counts, int firstLeftOut, TPortUse use, const std::string& reason,
                        const std::string& prefix = {});

// The image's values (a setup file read onto it) decide its ports unless --max-part was given;
// then the values of the ports it leaves out are named on standard error. Returns the counts.
TPortValueCounts TakePortsFromValues(TVGS& image, const TOptions& options, TPortUse use,
                                     const std::string& prefix = {});

}  // namespace veka::cli
