#pragma once
// What the module did not hear while outputs in use were gone: the image as the module had
// heard it when the first of them went, whether a Send All was cut short by it (then only a
// whole transmission puts the module right), and per port the messages that were not sent.
// When a port is back the program offers to send the differences, or everything.
#include <array>
#include <optional>
#include <set>
#include <vector>

#include "module/image_snapshot.h"

namespace veka {

class TPortLoss {
public:
    // A port went: the first to go keeps the image as the module heard it until then. An edit
    // that found the port gone (inFlight: its flat index, else -1) came after the image took
    // its value, so that value is sent again whatever it is then.
    void PortGone(int port, const TVGS& image, int inFlight = -1);
    void NoteUnsent(int port) { ++Unsent_[size_t(port & 3)]; }
    // What the module holds is not known (a Send All cut short, a command that changed the
    // image before its messages found the port gone): only a whole Send All puts it right.
    void NoteCut() { Cut_ = true; }

    // Whether the module behind the port has something to catch up.
    bool Lost(int port) const { return Lost_[size_t(port & 3)]; }
    bool AnyLost() const;
    int Unsent(int port) const { return Unsent_[size_t(port & 3)]; }
    bool Cut() const { return Cut_; }
    // Flat indices of the parameters sent on the port whose value in the image differs from
    // what the module heard.
    std::vector<int> Differences(const TVGS& image, int port) const;
    // The port has nothing to catch up any more (what it missed was sent, or the user said no).
    void Settle(int port);

private:
    std::optional<TImageSnapshot> Heard_;
    std::set<int> Unheard_;  // values taken by the image but not by the module when Heard_ was kept
    std::array<bool, 4> Lost_{};
    std::array<int, 4> Unsent_{};
    bool Cut_ = false;
};

}  // namespace veka
