#pragma once
// What convert and embed share: the song-writing options, the order list and reading the
// setup file into the image.
#include <array>
#include <string>

#include "cli/cli_options.h"
#include "module/parameter_tables.h"
#include "smf/order_file.h"
#include "smf/setup_commands.h"

namespace veka {
class TVGS;
}

namespace veka::cli {

// Extension test without regard to case: HasExtension("a.MID", ".mid").
bool HasExtension(const std::string& path, const char* extension);
bool IsSongFile(const std::string& path);  // ".mid", ".midi"

// --format (defaultFormat when absent), --timebase (one of 48 .. 480), --with-text, --dummy-notes.
TSmfWriteOptions SongWriteOptions(const TOptions& options, int defaultFormat);
// --order FILE.scd; else the shipped "default.scd" (beside the program or in share/veka4);
// else the built-in list, the one that file holds.
// Throws std::runtime_error with the reason when the file cannot be used.
TOrderList SongOrderList(const TOptions& options);
// Reads a setup file (its kind by the extension) into the image; every destination question
// takes its first item. Throws EUsage when the extension is no setup file's, std::runtime_error
// with the program's message when the file cannot be read.
void ReadSetupInto(TVGS& image, const std::string& path);
// The modified values of each port's parts and drum maps, counted as a setup file stores them.
using TPortValueCounts = std::array<int, kPortCount>;
TPortValueCounts PortValueCounts(const TVGS& image);
// The part count (0: 16, 1: 32, 2: 64) whose active ports reach the highest port holding values.
int MaxPartForValues(const TPortValueCounts& counts);
// "12 values of Port B and 3 values of Port C" for the ports from firstPort on that hold values;
// empty when none does.
std::string PortValueText(const TPortValueCounts& counts, int firstPort);
// Which ports a part count that leaves ports out (image MaxPart 0 or 1) makes active, as
// "--max-part 16 writes Port A only".
std::string MaxPartReach(int maxPart);

// Messages carry CR LF line breaks for message boxes; one line on a terminal.
std::string OneLine(const std::string& text);

}  // namespace veka::cli
