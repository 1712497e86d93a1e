#include "midi/port_loss.h"

#include <algorithm>

#include "module/exclusive.h"

namespace veka {

void TPortLoss::PortGone(int port, const TVGS& image, int inFlight) {
    if (!Heard_) {
        Heard_ = TImageSnapshot::Capture(image);
        if (inFlight >= 0 && inFlight < kFlatParameterCount) Unheard_.insert(inFlight);
    }
    Lost_[size_t(port & 3)] = true;
}

bool TPortLoss::AnyLost() const { return std::any_of(Lost_.begin(), Lost_.end(), [](bool lost) { return lost; }); }

std::vector<int> TPortLoss::Differences(const TVGS& image, int port) const {
    std::vector<int> out;
    if (!Heard_ || !Lost(port)) return out;
    const int ports = image.ActivePortCount();
    for (int index = 0; index < kFlatParameterCount; ++index) {
        if (RecordAt(image, index).Value == Heard_->States[size_t(index)].Value && !Unheard_.contains(index)) continue;
        const TParameterPlace place = PlaceOfIndex(index);
        if (OutputForMessage(TLinkKind(place.Link.Kind), place.Port, ports) == port) out.push_back(index);
    }
    return out;
}

void TPortLoss::Settle(int port) {
    Lost_[size_t(port & 3)] = false;
    Unsent_[size_t(port & 3)] = 0;
    if (AnyLost()) return;
    Heard_.reset();
    Unheard_.clear();
    Cut_ = false;
}

}  // namespace veka
