// veka4-cli convert IN OUT: a setup file to ".syx" or ".mid", or a song's setup to ".ga4".
#include <iostream>
#include <stdexcept>

#include "cli/active_ports.h"
#include "cli/commands.h"
#include "cli/song_options.h"
#include "module/difference_list.h"
#include "module/image.h"
#include "module/safe_file.h"
#include "module/setup_file.h"
#include "module/user_messages.h"
#include "smf/exclusive_export.h"
#include "smf/owner_name.h"
#include "smf/open_smf.h"
#include "smf/smf.h"

namespace veka::cli {

namespace {

constexpr int kNothingChanged = 20;  // "The data is not changed. ..."

int Fail(const std::string& text) {
    std::cerr << "veka4-cli: " << OneLine(text) << '\n';
    return 1;
}

int SetupToSysex(TVGS& image, const TOptions& o, const std::string& in, const std::string& out) {
    ReadSetupInto(image, in);
    // Ports beyond the active ones are named here; Ports C and D, active but without an
    // address in one stream of messages, by the line after it.
    TakePortsFromValues(image, o, kWritten);
    const auto messages = ModifiedValueMessages(image);
    if (const int left = ValuesLeftOut(image); left > 0)
        std::cerr << "veka4-cli: " << left << (left == 1 ? " value of Ports C and D is" : " values of Ports C and D are")
                  << " left out: one stream of messages has no address for them (a song keeps them, in tracks "
                  << "naming their port)\n";
    if (messages.empty()) return Fail(in + ": " + std::string(UserMessage(kNothingChanged, image.Language)));
    std::string error;
    if (!ReplaceFile(out, SysexFileBytes(messages), error)) return Fail(error);
    return 0;
}

int SetupToSong(TVGS& image, const TOptions& o, const std::string& in, const std::string& out) {
    TSmfWriteOptions options = SongWriteOptions(o, 0);
    const TOrderList order = SongOrderList(o);
    ReadSetupInto(image, in);
    // A format 0 song is one track on one port: a setup for more ports is written as format 1
    // unless --format asks otherwise.
    SettleSongPorts(image, o, options);
    TSMF smf;
    smf.Language = image.Language;
    std::string error;
    if (!ExportSmf(image, smf, order, out, options, UserFullName(), error)) return Fail(out + ": " + error);
    return 0;
}

int SongToSetup(TVGS& image, const TOptions& o, const std::string& in, const std::string& out) {
    TSMF smf;
    const TSongSetupRead read = ReadSongSetup(image, smf, in);
    if (!read.Read) return Fail("read error: " + read.Error);
    for (const std::string& w : smf.Warnings()) std::cerr << "veka4-cli: " << w << '\n';
    if (!read.Analysis.Message.empty()) std::cerr << "veka4-cli: " << OneLine(read.Analysis.Message) << '\n';
    TakePortsFromValues(image, o, kWritten);
    TDifferenceList list;
    if (BuildDifferenceList(image, list) == 0)
        return Fail(in + ": " + std::string(UserMessage(kNothingChanged, image.Language)));
    const TSetupWriteResult written = WriteSetupFile(image, list, out);
    if (!written.Ok()) return Fail(written.Text(image.Language));
    return 0;
}

}  // namespace

int ConvertCommand(TVGS& image, const TOptions& o, std::ostream&) {
    if (o.Positional.size() != 3)
        throw EUsage("usage: veka4-cli convert IN OUT [--format 0|1] [--timebase N] [--with-text] [--dummy-notes] "
                     "[--order FILE.scd]");
    const std::string& in = o.Positional[1];
    const std::string& out = o.Positional[2];
    try {
        if (IsSongFile(in)) {
            if (!HasExtension(out, ".ga4")) throw EUsage("a song converts to a .ga4 setup file, not " + out);
            return SongToSetup(image, o, in, out);
        }
        if (HasExtension(out, ".syx")) return SetupToSysex(image, o, in, out);
        if (IsSongFile(out)) return SetupToSong(image, o, in, out);
        throw EUsage("cannot convert " + in + " to " + out + " (a setup file to .syx or .mid, a .mid to .ga4)");
    } catch (const EUsage&) {
        throw;
    } catch (const std::runtime_error& e) {
        return Fail(e.what());
    }
}

}  // namespace veka::cli
