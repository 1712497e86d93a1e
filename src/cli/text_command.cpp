// veka4-cli text, tone and drumset: value texts and names from the default data.
#include "cli/commands.h"
#include "module/image.h"
#include "module/image_value_texts.h"
#include "module/value_texts.h"

namespace veka::cli {

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
    return text;
}

int TextCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 4) throw EUsage("usage: veka4-cli text part|system|drum|userdrum N VALUE");
    const std::string& what = o.Positional[1];
    const int value = ParseInt(o.Positional[3], "value", -16384, 65535);
    if (what == "part") {
        const int n = ParseInt(o.Positional[2], "part parameter", 1, kPartParameterCount);
        // "Pitch Offset Fine" is shown as the offset from its centre, as the part window hands it in.
        out << PartValueText(image.Language, n, n == ppPitchOffsetFine ? value - 128 : value) << '\n';
    } else if (what == "system") {
        const int n = ParseInt(o.Positional[2], "system parameter", 1, kSystemParameterCount);
        out << SystemValueText(image, n, value) << '\n';
    } else if (what == "drum" || what == "userdrum") {
        const bool user = what == "userdrum";
        const int n = ParseInt(o.Positional[2], user ? "user drum parameter" : "drum parameter", 1,
                               user ? kUserDrumParameterCount : kDrumParameterCount);
        const int set = user ? ParseInt(ExtraOption(o, "--set").value_or("0"), "--set", 0, 1) : -1;
        const int note = ParseInt(ExtraOption(o, "--note").value_or("60"), "--note", 0, 127);
        // Pitch is shown against the note's default; 60 is the unshifted pitch of a drum map.
        const int fallback = user ? image.UserDrum(set, n, note).Default : 60;
        const int reference = ParseInt(ExtraOption(o, "--reference").value_or(std::to_string(fallback)),
                                       "--reference", 0, 127);
        out << DrumValueText(image, set, n, value, note + 1, reference) << '\n';
    } else {
        throw EUsage("text: '" + what + "' is not part, system, drum or userdrum");
    }
    return 0;
}

int ToneCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 4) throw EUsage("usage: veka4-cli tone MAP BANK PROGRAM");
    const int map = ParseInt(o.Positional[1], "tone map", 1, 4);
    const int bank = ParseInt(o.Positional[2], "bank", 0, 127);
    const int program = ParseInt(o.Positional[3], "program", 0, 127);
    const std::string name = TrimRight(image.ToneName(bank, map, program));
    out << (name.empty() ? "NO INSTRUMENT" : name) << '\n';
    return name.empty() ? 1 : 0;
}

int DrumSetCommand(TVGS& image, const TOptions& o, std::ostream& out) {
    if (o.Positional.size() != 3 && o.Positional.size() != 4)
        throw EUsage("usage: veka4-cli drumset MAP PROGRAM [NOTE]");
    const int map = ParseInt(o.Positional[1], "tone map", 1, 4);
    const int program = ParseInt(o.Positional[2], "program", 0, 127);
    const std::string set = TrimRight(image.DrumSetName(map, program));
    if (o.Positional.size() == 3) {
        out << (set.empty() ? "NO DRUM SET" : set) << '\n';
        return set.empty() ? 1 : 0;
    }
    const int note = ParseInt(o.Positional[3], "note", 0, 127);
    const std::string name = TrimRight(image.DrumNoteName(map, program, note));
    if (set.empty() || name.empty()) {
        out << (set.empty() ? "NO DRUM SET" : "NO INSTRUMENT") << '\n';
        return 1;
    }
    out << name << '\n';
    return 0;
}

}  // namespace veka::cli
