// veka4-cli sysex: the message a change would send, and the port it goes to.
#include <iostream>

#include "cli/commands.h"
#include "module/exclusive.h"
#include "module/image.h"

namespace veka::cli {

namespace {

void Need(const TOptions& o, size_t count, const char* usage) {
    if (o.Positional.size() != count) throw EUsage(std::string("usage: veka4-cli ") + usage);
}

int CheckedValue(const std::string& text, const TOneParameter& p) {
    return ParseInt(text, ("value of " + std::string(p.Name)).c_str(), p.Min, p.Max);
}

}  // namespace

int SysexCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() < 2) throw EUsage("usage: veka4-cli sysex system|part|drum|userdrum ...");
    const std::string& what = o.Positional[1];

    // The message is built the way the live path builds it: from the change event.
    std::vector<std::pair<TBytes, int>> messages;  // bytes, output
    TLinkKind kind = LinkSystem;
    const TSubscription listening = image.OnChange.Subscribe([&](const TChangeNotice& change) {
        kind = TLinkKind(change.Link.Kind);
        messages.emplace_back(BuildChangeMessage(image, change.Port, change.Record, change.Link), change.Port);
    });

    if (what == "system") {
        Need(o, 4, "sysex system N VALUE");
        const int n = ParseInt(o.Positional[2], "system parameter", 1, kSystemParameterCount);
        image.SetSystemValue(n, CheckedValue(o.Positional[3], image.System(n)));
    } else if (what == "part") {
        Need(o, 5, "sysex part PART N VALUE");
        int port = 0, part = 0;
        if (!ParsePartName(o.Positional[2], port, part)) throw EUsage("part: '" + o.Positional[2] + "' is not A1 .. D16");
        const int n = ParseInt(o.Positional[3], "part parameter", 1, kPartParameterCount);
        const int value = CheckedValue(o.Positional[4], image.Part(port, part, n));
        if (n == ppMasterCoarseTuning) {
            // Sent as RPN 0/2 on the part's channel number.
            if (OutputForMessage(LinkPart, port, image.ActivePortCount()) < 0) {
                std::cerr << "veka4-cli: Port " << char('A' + port) << " is not active with this --max-part: nothing is sent\n";
                return 0;
            }
            for (const TShortMessage& m : RpnSequence(part - 1, 0, 2, value, 0)) {
                const uint8_t bytes[3] = {m.Status, m.Data1, m.Data2};
                out << HexText(bytes) << ' ' << char('A' + port) << '\n';
            }
            return 0;
        }
        image.SetPartValue(port, part, value, n);
    } else if (what == "drum") {
        Need(o, 6, "sysex drum MAP NOTE N VALUE");
        int port = 0, map = 0;
        if (!ParsePartName(o.Positional[2], port, map, kDrumMapsPerPort))
            throw EUsage("drum map: '" + o.Positional[2] + "' is not A1 .. D2");
        const int note = ParseInt(o.Positional[3], "note", 0, 127);
        const int n = ParseInt(o.Positional[4], "drum parameter", 1, kDrumParameterCount);
        image.SetDrumValue(port, map, CheckedValue(o.Positional[5], image.Drum(port, map, n, note)), n, note);
    } else if (what == "userdrum") {
        Need(o, 6, "sysex userdrum SET NOTE N VALUE");
        const int set = ParseInt(o.Positional[2], "user drum set", 0, 1);
        const int note = ParseInt(o.Positional[3], "note", 0, 127);
        const int n = ParseInt(o.Positional[4], "user drum parameter", 1, kUserDrumParameterCount);
        image.SetUserDrumValue(set, note, CheckedValue(o.Positional[5], image.UserDrum(set, n, note)), n);
    } else {
        throw EUsage("sysex: '" + what + "' is not system, part, drum or userdrum");
    }

    for (const auto& [bytes, port] : messages) {
        const int output = OutputForMessage(kind, port, image.ActivePortCount());
        if (output < 0) {
            std::cerr << "veka4-cli: Port " << char('A' + port) << " is not active with this --max-part: nothing is sent\n";
            continue;
        }
        out << HexText(bytes) << ' ' << char('A' + output) << '\n';
    }
    return 0;
}

}  // namespace veka::cli
