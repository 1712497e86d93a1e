#include "module/image_snapshot.h"

#include "image_writer/image_writer.h"

namespace veka {

TParameterPlace PlaceOfIndex(int index) {
    TParameterPlace place;
    if (index < kFlatSystem || index >= kFlatParameterCount) return place;
    if (index < kFlatParts) {
        place.Link = TLinkData{LinkSystem, index - kFlatSystem + 1, 0, 0, 0};
    } else if (index < kFlatDrums) {
        const int i = index - kFlatParts;
        place.Port = i / (kPartsPerPort * kPartParameterCount);
        place.Link = TLinkData{LinkPart, i / kPartParameterCount % kPartsPerPort + 1, i % kPartParameterCount + 1, 0, 0};
    } else if (index < kFlatUserDrums) {
        const int i = index - kFlatDrums;
        constexpr int perMap = kNoteCount * kDrumParameterCount;
        place.Port = i / (kDrumMapsPerPort * perMap);
        place.Link = TLinkData{LinkDrum, i / perMap % kDrumMapsPerPort + 1, i / kDrumParameterCount % kNoteCount,
                               i % kDrumParameterCount + 1, 0};
    } else {
        const int i = index - kFlatUserDrums;
        constexpr int perSet = kNoteCount * kUserDrumParameterCount;
        place.Link = TLinkData{LinkUserDrum, i / perSet, i / kUserDrumParameterCount % kNoteCount,
                               i % kUserDrumParameterCount + 1, 0};
    }
    return place;
}

int IndexOfPlace(int port, const TLinkData& l) {
    switch (l.Kind) {
        case LinkSystem:
            return TVGS::ValidSystem(l.Owner) ? kFlatSystem + l.Owner - 1 : -1;
        case LinkPart:
            if (!TVGS::ValidPart(port, l.Owner, l.Index)) return -1;
            return kFlatParts + (port * kPartsPerPort + l.Owner - 1) * kPartParameterCount + l.Index - 1;
        case LinkDrum:
            if (!TVGS::ValidDrum(port, l.Owner, l.Data, l.Index)) return -1;
            return kFlatDrums + ((port * kDrumMapsPerPort + l.Owner - 1) * kNoteCount + l.Index) * kDrumParameterCount +
                   l.Data - 1;
        case LinkUserDrum:
            if (!TVGS::ValidUserDrum(l.Owner, l.Data, l.Index)) return -1;
            return kFlatUserDrums + (l.Owner * kNoteCount + l.Index) * kUserDrumParameterCount + l.Data - 1;
        default:
            return -1;
    }
}

namespace {

template <typename Image>
auto& Record(Image& image, int index) {
    const TParameterPlace p = PlaceOfIndex(index);
    switch (p.Link.Kind) {
        case LinkPart: return image.Part(p.Port, p.Link.Owner, p.Link.Index);
        case LinkDrum: return image.Drum(p.Port, p.Link.Owner, p.Link.Data, p.Link.Index);
        case LinkUserDrum: return image.UserDrum(p.Link.Owner, p.Link.Data, p.Link.Index);
        default: return image.System(index >= 0 && index < kFlatParts ? p.Link.Owner : 0);
    }
}

}  // namespace

const TOneParameter& RecordAt(const TVGS& image, int index) { return Record(image, index); }
TOneParameter& RecordAt(TImageWriter& image, int index) { return Record(image, index); }

void CopyValue(TVGS& target, const TVGS& source, int index) {
    TImageWriter writer(target);
    RecordAt(writer, index).Value = RecordAt(source, index).Value;
}

TDrumSetTable DrumSetsOf(const TVGS& image) {
    TDrumSetTable table{};
    for (int port = 0; port < kPortCount; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            table[size_t(port * kDrumMapsPerPort + map - 1)] = image.DrumSet(port, map);
    return table;
}

void ApplyDrumSets(TVGS& image, const TDrumSetTable& table) {
    for (int port = 0; port < kPortCount; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            image.DrumSet(port, map) = table[size_t(port * kDrumMapsPerPort + map - 1)];
}

TImageSnapshot TImageSnapshot::Capture(const TVGS& image) {
    TImageSnapshot s;
    s.States.resize(kFlatParameterCount);
    ForEachParameter(image, [&s](int index, const TOneParameter& p) { s.States[size_t(index)] = StateOf(p); });
    s.DrumSets = DrumSetsOf(image);
    s.ModuleType = image.ModuleType();
    return s;
}

void TImageSnapshot::Restore(TVGS& image) const {
    if (States.size() != size_t(kFlatParameterCount)) return;
    TImageWriter writer(image);
    ForEachParameter(writer, [this](int index, TOneParameter& p) { ApplyState(p, States[size_t(index)]); });
    ApplyDrumSets(image, DrumSets);
    image.SetModuleType(ModuleType);
    const int32_t type = image.System(spEfxType).Value;
    image.LoadInsertionType(type / 128, type % 128);
}

}  // namespace veka
