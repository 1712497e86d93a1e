#include "midi/module_compare.h"

#include <algorithm>

#include "module/image_snapshot.h"
#include "module/undo_history.h"

namespace veka {

TModuleComparison CompareWithModule(TDataRequest& request, TVGS& image, const std::string& defaultFolder,
                                    const TRequestSelection& selection, const std::string& logPath,
                                    const std::atomic<bool>* cancel) {
    TModuleComparison result;
    result.Module = std::make_unique<TVGS>(defaultFolder, image.ModuleType());
    const TImageSnapshot kept = TImageSnapshot::Capture(image);
    std::vector<bool> answered(size_t(kFlatParameterCount), false);
    auto previous = std::move(request.OnAnswer);
    request.OnAnswer = [&answered](int index, bool ok) {
        if (index >= 0 && index < kFlatParameterCount && ok) answered[size_t(index)] = true;
    };
    struct TRestore {
        TDataRequest& Request;
        std::function<void(int, bool)>& Previous;
        const TImageSnapshot& Kept;
        TVGS& Image;
        ~TRestore() {
            Request.OnAnswer = std::move(Previous);
            Kept.Restore(Image);
        }
    } restore{request, previous, kept, image};
    result.Report = request.Run(selection, logPath, cancel);
    // What was asked is decided by the image as the request left it (a probe may have found
    // an SC-88 behind an SC-88Pro setting).
    for (const int index : RequestedParameters(image, selection))
        if (!answered[size_t(index)]) result.Unread.push_back(index);
    TImageSnapshot::Capture(image).Restore(*result.Module);
    result.Module->MaxPart = image.MaxPart;
    result.Module->Language = image.Language;
    result.Module->DeviceId = image.DeviceId;
    kept.Restore(image);
    result.Differences = DiffImages(image, *result.Module);
    return result;
}

std::vector<int> DifferenceIndices(const std::vector<TSetupDifference>& differences) {
    std::vector<int> out;
    out.reserve(differences.size());
    for (const TSetupDifference& d : differences)
        if (const int index = IndexOfPlace(d.Port, d.Link); index >= 0) out.push_back(index);
    return out;
}

int SendImageParameters(TTransmitter& transmitter, const std::vector<int>& indices) {
    TVGS& image = transmitter.Image();
    int sent = 0;
    for (const int index : SendOrder(indices)) {
        const TParameterPlace place = PlaceOfIndex(index);
        if ((place.Link.Kind == LinkPart || place.Link.Kind == LinkDrum) && place.Port >= image.ActivePortCount())
            continue;
        // A port gone ends it here, named, so what was not sent is not taken as heard.
        transmitter.RequirePort(OutputForMessage(TLinkKind(place.Link.Kind), place.Port, image.ActivePortCount()));
        const TOneParameter& p = RecordAt(image, index);
        std::string where = place.Link.Kind == LinkPart ? PartName(place.Port, place.Link.Owner) + " " : std::string();
        transmitter.SendParameter(place.Port, p, place.Link, where + std::string(p.Name) + " " + std::to_string(p.Value));
        ++sent;
    }
    return sent;
}

}  // namespace veka
