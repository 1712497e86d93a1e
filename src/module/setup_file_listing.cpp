#include "module/setup_file_listing.h"

#include "module/image.h"
#include "module/image_value_texts.h"
#include "module/value_texts.h"

namespace veka {

namespace {

std::string Items(size_t count) { return std::to_string(count) + (count == 1 ? " item" : " items"); }

std::string Line(const std::string& object, std::string_view name, int32_t value, std::string text) {
    if (text.empty()) text = std::to_string(value);
    return object + " " + std::string(name) + " = " + std::to_string(value) + " (" + text + ")";
}

// The value texts are made for values the windows can set; a file may hold any number.
bool InRange(const TOneParameter& p, int32_t value) { return value >= p.Min && value <= p.Max; }
std::string OutOfRange(const TOneParameter& p) {
    return "outside " + std::to_string(p.Min) + ".." + std::to_string(p.Max);
}

std::string Skipped(const std::string& object, const char* what, int number, int32_t value, const char* why) {
    return object + " " + what + " " + std::to_string(number) + " = " + std::to_string(value) + " (skipped: " +
           why + ")";
}

void SystemLines(TVGS& image, const TSetupSection& s, std::vector<std::string>& out) {
    for (const TSetupRecord& item : s.Items) {
        if (!TVGS::ValidSystem(item.B0)) {
            out.push_back(Skipped("System", "parameter", item.B0, item.V, "no such parameter"));
            continue;
        }
        const TOneParameter& p = image.System(item.B0);
        if (!InRange(p, item.V)) {
            out.push_back(Line("System", p.Name, item.V, OutOfRange(p)));
            continue;
        }
        std::string text = SystemValueText(image, item.B0, item.V);
        if (item.B0 == spEfxType) {
            // The insertion effect type by its name.
            const int index = image.Data().InsertionIndexOf(item.V / 128, item.V % 128);
            if (index >= 0) text = image.Data().InsertionTypes()[size_t(index)].Name;
            while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
        }
        out.push_back(Line("System", p.Name, item.V, text));
    }
}

void PartLines(TVGS& image, const TSetupSection& s, std::vector<std::string>& out) {
    int port = 0, part = 0;
    const bool valid = GlobalPartToPortPart(s.Header.B1, port, part);
    const std::string object = valid ? "Part " + PartName(port, part) : "Part #" + std::to_string(s.Header.B1);
    for (const TSetupRecord& item : s.Items) {
        const int n = item.B1;
        if (n < 1 || n > kPartParameterCount) {
            out.push_back(Skipped(object, "parameter", n, item.V, "no such parameter"));
            continue;
        }
        const TOneParameter& p = valid ? image.Part(port, part, n) : image.Part(0, 1, n);
        const std::string_view name = p.Name;
        if (!valid) {
            out.push_back(object + " " + std::string(name) + " = " + std::to_string(item.V) +
                          " (skipped: no such part)");
            continue;
        }
        if (!InRange(p, item.V)) {
            out.push_back(Line(object, name, item.V, OutOfRange(p) + ", read as " + std::to_string(item.V > p.Max ? p.Max : p.Min)));
            continue;
        }
        // "Pitch Offset Fine" is shown as its offset from the centre, as the part window does.
        const int shown = n == ppPitchOffsetFine ? item.V - 128 : item.V;
        out.push_back(Line(object, name, item.V, PartValueText(image.Language, n, shown)));
    }
}

void DrumLines(TVGS& image, const TSetupSection& s, std::vector<std::string>& out) {
    for (const TSetupRecord& item : s.Items) {
        int port = 0, map = 0;
        const bool valid = GlobalMapToPortMap(item.B0, port, map);
        const std::string object = (valid ? "Drum Map " + DrumMapName(port, map) : "Drum Map #" + std::to_string(item.B0)) +
                                   " Key" + std::to_string(item.B1);
        if (!valid || item.B1 >= kNoteCount) {
            out.push_back(Skipped(object, "parameter", item.B2, item.V, valid ? "no such note" : "no such drum map"));
            continue;
        }
        if (item.B2 < 1 || item.B2 > kDrumParameterCount) {
            out.push_back(Skipped(object, "parameter", item.B2, item.V, "no such parameter"));
            continue;
        }
        const TOneParameter& p = image.Drum(port, map, item.B2, item.B1);
        if (!InRange(p, item.V)) {
            out.push_back(Line(object, p.Name, item.V, OutOfRange(p)));
            continue;
        }
        // Pitch is shown against the drum set's own pitch of the note; 60 without a drum set.
        const int reference = image.DrumSet(port, map).Found ? image.Drum(port, map, 1, item.B1).Default : 60;
        out.push_back(Line(object, p.Name, item.V, DrumValueText(image, -1, item.B2, item.V, item.B1 + 1, reference)));
    }
}

void UserDrumLines(TVGS& image, const TSetupSection& s, std::vector<std::string>& out) {
    for (const TSetupRecord& item : s.Items) {
        const std::string object = "User Drum " + std::to_string(item.B0) + " Key" + std::to_string(item.B1);
        if (!TVGS::ValidUserDrum(item.B0, item.B2, item.B1)) {
            const char* why = item.B0 >= kUserDrumSetCount ? "no such set"
                              : item.B1 >= kNoteCount      ? "no such note"
                                                           : "no such parameter";
            out.push_back(Skipped(object, "parameter", item.B2, item.V, why));
            continue;
        }
        const TOneParameter& p = image.UserDrum(item.B0, item.B2, item.B1);
        if (!InRange(p, item.V)) {
            out.push_back(Line(object, p.Name, item.V, OutOfRange(p)));
            continue;
        }
        const int reference = image.UserDrum(item.B0, 1, item.B1).Default;
        out.push_back(Line(object, p.Name, item.V, DrumValueText(image, item.B0, item.B2, item.V, item.B1 + 1, reference)));
    }
}

std::string SectionText(TSetupFileKind kind, const TSetupRecord& h) {
    switch (h.B0) {
        case skSystem:
            if (h.B1 == 0 && h.B2 == 0) return "System (all parameters of the block)";
            return "System " + std::to_string(h.B1) + ".." + std::to_string(h.B2);
        case skPart: {
            int port = 0, part = 0;
            if (!GlobalPartToPortPart(h.B1, port, part)) return "Part #" + std::to_string(h.B1) + " (no such part, skipped)";
            return "Part " + PartName(port, part);
        }
        case skDrumMap: {
            if (kind == TSetupFileKind::OneDrumMap)
                return "Drum Map, drum set of tone map " + std::to_string(h.B1) + " program " + std::to_string(h.B2);
            int port = 0, map = 0;
            std::string name = "#";  // appended: GCC 12 warns falsely at "#" + string
            if (GlobalMapToPortMap(h.B1, port, map))
                name = DrumMapName(port, map);
            else
                name += std::to_string(h.B1);
            return "Drum Map " + name + ", drum set program " + std::to_string(h.B2);
        }
        case skUserDrum: return "User Drum " + std::to_string(h.B1);
        default: return "unknown kind " + std::to_string(h.B0) + " (skipped)";
    }
}

}  // namespace

std::vector<std::string> SetupFileListing(TVGS& image, TSetupFileKind kind, const TParsedSetupFile& parsed) {
    std::vector<std::string> out;
    const std::string_view extension = SetupFileExtension(kind);
    out.push_back("Kind: " + SetupFileKindText(kind, image.Language) +
                  (extension.empty() ? std::string() : " (." + std::string(extension) + ")") +
                  (parsed.Older ? ", Veka30" : ", Veka40"));
    int number = 0;
    for (const TSetupSection& s : parsed.Sections) {
        out.push_back("Section " + std::to_string(++number) + ": " + SectionText(kind, s.Header) + ", " +
                      Items(s.Items.size()));
        switch (s.Header.B0) {
            case skSystem: SystemLines(image, s, out); break;
            case skPart: PartLines(image, s, out); break;
            case skDrumMap: DrumLines(image, s, out); break;
            case skUserDrum: UserDrumLines(image, s, out); break;
            default: break;
        }
    }
    return out;
}

}  // namespace veka
