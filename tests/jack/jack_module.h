#pragma once
// A sound module on JACK ports for the tests: a peer client whose input feeds the memory of a
// virtual module and whose output carries the module's replies.
#include <memory>
#include <string>
#include <vector>

#include "jack_peer.h"
#include "midi/virtual_module.h"
#include "module/exclusive.h"
#include "module/image.h"

namespace veka::test {

// The peer's ports in front of a module's memory: what reaches the peer's input goes into the
// memory of the module's Port A, and the module's replies leave by the peer's output.
class TJackModule {
public:
    explicit TJackModule(const std::string& name)
        : Peer(name), Memory(std::make_shared<TVirtualModule>(mtSC8850, VEKA_TEST_DEFAULT_DIR)) {
        Replies_ = Memory->OpenInput(&TJackModule::Reply, this);
        Replies_->Start();
    }
    // On the test's thread, from the program's waits.
    void Pump() {
        const auto& received = Peer.Received();
        for (; Fed_ < received.size(); ++Fed_) Memory->Receive(0, received[Fed_]);
        for (const auto& reply : Pending_) Peer.Send(reply);
        Pending_.clear();
    }
    size_t Heard() const { return Fed_; }

    TJackPeer Peer;
    std::shared_ptr<TVirtualModule> Memory;

private:
    // The module answers at once, on the thread that fed it.
    static void Reply(void* self, double, const uint8_t* data, size_t size) {
        static_cast<TJackModule*>(self)->Pending_.emplace_back(data, data + size);
    }
    std::unique_ptr<IMidiInDevice> Replies_;
    std::vector<std::vector<uint8_t>> Pending_;
    size_t Fed_ = 0;
};

// Where the module's memory differs from the image: every system parameter and every part
// parameter of Port A, each as the bytes its data set carries.
inline std::vector<std::string> Mismatches(const TVirtualModule& module, const TVGS& image) {
    std::vector<std::pair<std::string, TBytes>> messages;
    for (int n = 1; n <= kSystemParameterCount; ++n)
        messages.emplace_back("System " + std::to_string(n), BuildSystemMessage(image, n));
    for (int part = 1; part <= kPartsPerPort; ++part)
        for (int n = 1; n < kPartParameterCount; ++n)
            messages.emplace_back("Part A" + std::to_string(part) + " " + std::to_string(n), BuildPartMessage(image, 0, part, n));
    std::vector<std::string> out;
    for (const auto& [what, m] : messages) {
        if (m.size() < 11) continue;
        const size_t address = size_t(m[5]) << 14 | size_t(m[6]) << 7 | m[7];
        for (size_t i = 8; i + 2 < m.size(); ++i) {
            const size_t at = address + (i - 8);
            const uint8_t held = module.Memory(0, uint8_t(at >> 14 & 0x7F), uint8_t(at >> 7 & 0x7F), uint8_t(at & 0x7F));
            if (held != m[i]) out.push_back(what + ": module " + std::to_string(held) + ", image " + std::to_string(m[i]));
        }
    }
    return out;
}

}  // namespace veka::test
