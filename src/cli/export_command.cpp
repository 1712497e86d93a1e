// veka4-cli export KIND [OBJECT] SETUP OUT.syx: the nine exclusive-file exports of the File menu.
#include <iostream>

#include "cli/active_ports.h"
#include "cli/commands.h"
#include "cli/song_options.h"
#include "module/image.h"
#include "module/safe_file.h"
#include "module/user_messages.h"
#include "smf/exclusive_export.h"

namespace veka::cli {

namespace {

constexpr int kNothingChanged = 20;  // "The data is not changed. ..."

struct TKindName {
    const char* Name;
    TExportKind Kind;
};

constexpr TKindName kKinds[] = {
    {"all", TExportKind::All},       {"part", TExportKind::Part},     {"drum", TExportKind::DrumMap},
    {"userdrum", TExportKind::UserDrum}, {"reverb", TExportKind::Reverb}, {"chorus", TExportKind::Chorus},
    {"delay", TExportKind::Delay},   {"eq", TExportKind::Eq},         {"insertion", TExportKind::Insertion},
};

}  // namespace

int ExportCommand(TVGS& image, const TOptions& o, std::ostream&) {
    const char* usage = "usage: veka4-cli export all|part|drum|userdrum|reverb|chorus|delay|eq|insertion [OBJECT] SETUP OUT.syx";
    if (o.Positional.size() < 2) throw EUsage(usage);
    const std::string& kindName = o.Positional[1];
    const TKindName* found = nullptr;
    for (const TKindName& k : kKinds)
        if (kindName == k.Name) found = &k;
    if (!found) throw EUsage("export: '" + kindName + "' is not all, part, drum, userdrum, reverb, chorus, delay, eq or insertion");
    const bool withObject = found->Kind == TExportKind::Part || found->Kind == TExportKind::DrumMap ||
                            found->Kind == TExportKind::UserDrum;
    if (o.Positional.size() != (withObject ? 5u : 4u)) throw EUsage(usage);
    int port = 0, object = 0;
    if (found->Kind == TExportKind::Part && !ParsePartName(o.Positional[2], port, object))
        throw EUsage("part: '" + o.Positional[2] + "' is not A1 .. D16");
    if (found->Kind == TExportKind::DrumMap && !ParsePartName(o.Positional[2], port, object, kDrumMapsPerPort))
        throw EUsage("drum map: '" + o.Positional[2] + "' is not A1 .. D2");
    if (found->Kind == TExportKind::UserDrum) object = ParseInt(o.Positional[2], "user drum set (65 or 66)", 65, 66) - 65;
    const std::string& in = o.Positional[withObject ? 3 : 2];
    const std::string& out = o.Positional[withObject ? 4 : 3];

    ReadSetupInto(image, in);
    // The ports come from the file unless --max-part says otherwise, as for convert; what a
    // --max-part leaves out of the whole setup is named.
    if (found->Kind == TExportKind::All)
        TakePortsFromValues(image, o, kWritten);
    else if (!o.MaxPartGiven)
        image.MaxPart = MaxPartForValues(PortValueCounts(image));
    if (withObject && found->Kind != TExportKind::UserDrum && port >= image.ActivePortCount() && o.MaxPartGiven)
        throw EUsage(o.Positional[2] + " lies beyond the ports of --max-part " + std::to_string(o.MaxPart));
    const auto messages = ExportMessages(image, found->Kind, port, object);
    if (messages.empty()) {
        std::cerr << "veka4-cli: " << in << ": " << OneLine(std::string(UserMessage(kNothingChanged, image.Language))) << '\n';
        return 1;
    }
    if (found->Kind == TExportKind::All) {
        if (const int left = ValuesLeftOut(image); left > 0)
            std::cerr << "veka4-cli: " << left << (left == 1 ? " value of Ports C and D is" : " values of Ports C and D are")
                      << " left out: one stream of messages has no address for them (export their parts one by one)\n";
    } else if (withObject && found->Kind != TExportKind::UserDrum && port >= 2) {
        std::cerr << "veka4-cli: the messages of Port " << char('A' + port)
                  << " are written in Port A's form: send the file to Port " << char('A' + port) << "'s output\n";
    }
    std::string error;
    if (!ReplaceFile(out, SysexFileBytes(messages), error)) {
        std::cerr << "veka4-cli: " << OneLine(error) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace veka::cli
