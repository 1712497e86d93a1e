#include "module/setup_diff.h"

#include <algorithm>

#include "module/image.h"
#include "module/image_value_texts.h"
#include "module/value_texts.h"

namespace veka {

namespace {

std::string OrNumber(std::string text, int32_t value) {
    while (!text.empty() && (text.back() == ' ' || text.front() == ' ')) {
        if (text.back() == ' ') text.pop_back();
        else text.erase(text.begin());
    }
    return text.empty() ? std::to_string(value) : text;
}

std::string PartText(const TVGS& image, int parameter, int32_t value) {
    // "Pitch Offset Fine" is shown as its offset from the centre, as the part window does.
    return OrNumber(PartValueText(image.Language, parameter, parameter == ppPitchOffsetFine ? value - 128 : value), value);
}

std::string DrumText(const TVGS& image, int port, int map, int parameter, int note, int32_t value) {
    const int reference = image.DrumSet(port, map).Found ? image.Drum(port, map, 1, note).Default : 60;
    return OrNumber(DrumValueText(image, -1, parameter, value, note + 1, reference), value);
}

}  // namespace

std::vector<TSetupDifference> DiffImages(const TVGS& first, const TVGS& second) {
    std::vector<TSetupDifference> out;
    auto add = [&out](std::string where, std::string_view name, int port, TLinkData link, int32_t a, int32_t b,
                      std::string textA, std::string textB) {
        out.push_back({std::move(where), std::string(name), port, link, a, b, std::move(textA), std::move(textB)});
    };
    for (int n = 1; n <= kSystemParameterCount; ++n) {
        const int32_t a = first.System(n).Value, b = second.System(n).Value;
        if (a != b)
            add("System", first.System(n).Name, 0, TLinkData{LinkSystem, n, 0, 0, 0}, a, b,
                OrNumber(SystemValueText(first, n, a), a), OrNumber(SystemValueText(second, n, b), b));
    }
    const int ports = std::max(first.ActivePortCount(), second.ActivePortCount());
    for (int port = 0; port < ports; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int p = 1; p <= kPartParameterCount; ++p) {
                const int32_t a = first.Part(port, part, p).Value, b = second.Part(port, part, p).Value;
                if (a != b)
                    add("Part " + PartName(port, part), first.Part(port, part, p).Name, port,
                        TLinkData{LinkPart, part, p, 0, 0}, a, b, PartText(first, p, a), PartText(second, p, b));
            }
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int p = 1; p <= kDrumParameterCount; ++p) {
                    const int32_t a = first.Drum(port, map, p, note).Value, b = second.Drum(port, map, p, note).Value;
                    if (a != b)
                        add("Drum Map " + DrumMapName(port, map) + " Key" + std::to_string(note),
                            first.Drum(port, map, p, note).Name, port, TLinkData{LinkDrum, map, note, p, 0}, a, b,
                            DrumText(first, port, map, p, note, a), DrumText(second, port, map, p, note, b));
                }
    }
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int note = 0; note < kNoteCount; ++note)
            for (int p = 1; p <= kUserDrumParameterCount; ++p) {
                const int32_t a = first.UserDrum(set, p, note).Value, b = second.UserDrum(set, p, note).Value;
                if (a == b) continue;
                const int refA = first.UserDrum(set, 1, note).Default, refB = second.UserDrum(set, 1, note).Default;
                add("User Drum " + std::to_string(set) + " Key" + std::to_string(note), first.UserDrum(set, p, note).Name,
                    0, TLinkData{LinkUserDrum, set, note, p, 0}, a, b,
                    OrNumber(DrumValueText(first, set, p, a, note + 1, refA), a),
                    OrNumber(DrumValueText(second, set, p, b, note + 1, refB), b));
            }
    return out;
}

TSetupDifference DescribeParameter(const TVGS& image, int port, const TLinkData& l) {
    TSetupDifference d;
    d.Port = port;
    d.Link = l;
    switch (l.Kind) {
        case LinkSystem:
            if (!TVGS::ValidSystem(l.Owner)) return {};
            d.Where = "System";
            d.Name = image.System(l.Owner).Name;
            d.First = image.System(l.Owner).Value;
            d.FirstText = OrNumber(SystemValueText(image, l.Owner, d.First), d.First);
            break;
        case LinkPart:
            if (!TVGS::ValidPart(port, l.Owner, l.Index)) return {};
            d.Where = "Part " + PartName(port, l.Owner);
            d.Name = image.Part(port, l.Owner, l.Index).Name;
            d.First = image.Part(port, l.Owner, l.Index).Value;
            d.FirstText = PartText(image, l.Index, d.First);
            break;
        case LinkDrum:
            if (!TVGS::ValidDrum(port, l.Owner, l.Data, l.Index)) return {};
            d.Where = "Drum Map " + DrumMapName(port, l.Owner) + " Key" + std::to_string(l.Index);
            d.Name = image.Drum(port, l.Owner, l.Data, l.Index).Name;
            d.First = image.Drum(port, l.Owner, l.Data, l.Index).Value;
            d.FirstText = DrumText(image, port, l.Owner, l.Data, l.Index, d.First);
            break;
        case LinkUserDrum:
            if (!TVGS::ValidUserDrum(l.Owner, l.Data, l.Index)) return {};
            d.Where = "User Drum " + std::to_string(l.Owner) + " Key" + std::to_string(l.Index);
            d.Name = image.UserDrum(l.Owner, l.Data, l.Index).Name;
            d.First = image.UserDrum(l.Owner, l.Data, l.Index).Value;
            d.FirstText = OrNumber(DrumValueText(image, l.Owner, l.Data, d.First, l.Index + 1,
                                                 image.UserDrum(l.Owner, 1, l.Index).Default),
                                   d.First);
            break;
        default:
            return {};
    }
    d.Second = d.First;
    d.SecondText = d.FirstText;
    return d;
}

std::string DifferenceLine(const TSetupDifference& d) {
    return d.Where + " " + d.Name + ": " + std::to_string(d.First) + " (" + d.FirstText + ") -> " +
           std::to_string(d.Second) + " (" + d.SecondText + ")";
}

}  // namespace veka
