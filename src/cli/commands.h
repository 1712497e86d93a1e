#pragma once
// The subcommands of veka4-cli. Each gets the options, with Positional[0] naming the command,
// writes its result to out and returns the exit status; a bad argument throws EUsage.
#include <ostream>

#include "cli/cli_options.h"

namespace veka {
class TVGS;
}

namespace veka::cli {

int SysexCommand(TVGS& image, const TOptions& options, std::ostream& out);
int TextCommand(TVGS& image, const TOptions& options, std::ostream& out);
int ToneCommand(TVGS& image, const TOptions& options, std::ostream& out);
int DrumSetCommand(TVGS& image, const TOptions& options, std::ostream& out);
int InfoCommand(TVGS& image, const TOptions& options, std::ostream& out);
int PortsCommand(TVGS& image, const TOptions& options, std::ostream& out);
int SendCommand(TVGS& image, const TOptions& options, std::ostream& out);
int RequestCommand(TVGS& image, const TOptions& options, std::ostream& out);
int IdentifyCommand(TVGS& image, const TOptions& options, std::ostream& out);
int PanicCommand(TVGS& image, const TOptions& options, std::ostream& out);
int DisplayCommand(TVGS& image, const TOptions& options, std::ostream& out);
int ConvertCommand(TVGS& image, const TOptions& options, std::ostream& out);
int EmbedCommand(TVGS& image, const TOptions& options, std::ostream& out);
int ExportCommand(TVGS& image, const TOptions& options, std::ostream& out);
int DiffCommand(TVGS& image, const TOptions& options, std::ostream& out);
int SyncCommand(TVGS& image, const TOptions& options, std::ostream& out);
int PlayCommand(TVGS& image, const TOptions& options, std::ostream& out);

// Names as the module stores them end in blanks; the command line prints them without.
std::string TrimRight(std::string text);

}  // namespace veka::cli
