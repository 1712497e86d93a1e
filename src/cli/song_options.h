#pragma once
// What convert and embed share: the song-writing options, the order list and reading the
// setup file into the image (active_ports.h: which ports they write).
#include <string>

#include "cli/cli_options.h"
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
// The ports of a song written from the image: its values decide them unless --max-part was
// given; a setup for more than one port makes a format 1 song unless --format says otherwise.
// The values that --max-part or a format 0 song leaves out are named on standard error.
void SettleSongPorts(TVGS& image, const TOptions& options, TSmfWriteOptions& write);

// Messages carry CR LF line breaks for message boxes; one line on a terminal.
std::string OneLine(const std::string& text);

}  // namespace veka::cli
