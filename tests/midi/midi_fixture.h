#pragma once
// A module image and a MIDI session talking to the virtual module, on a clock that records
// its waits and never sleeps.
#include <memory>

#include "midi/midi_session.h"
#include "midi/virtual_module.h"
#include "module/image.h"

namespace veka::test {

struct TMidiFixture {
    std::unique_ptr<TVGS> Image;
    TFakePumpWait Clock;
    std::shared_ptr<TVirtualModule> Module;
    std::unique_ptr<TMidiSession> Session;

    // moduleModel: the model of the virtual module behind the ports (0: the image's type).
    explicit TMidiFixture(int moduleType = mtSC8850, int maxPart = 0, bool openInput = true, int moduleModel = 0) {
        StartVirtualModule(moduleModel ? moduleModel : moduleType, VEKA_TEST_DEFAULT_DIR);
        Module = TMidiDevices::Instance().VirtualModule();
        Image = std::make_unique<TVGS>(VEKA_TEST_DEFAULT_DIR, moduleType);
        Image->MaxPart = maxPart;
        Session = std::make_unique<TMidiSession>(*Image, &Clock);
        Clock.Process = [this] { Session->Process(); };
        for (int port = 0; port < 4; ++port) {
            TMidiOutput& out = Session->Transmitter.Port(port);
            out.SetProductName(TVirtualModule::OutputName(port));
            out.Open();
        }
        if (openInput) {
            Session->Input.SetProductName(TVirtualModule::InputName());
            Session->Input.Open();
        }
    }
    ~TMidiFixture() {
        Session.reset();
        TMidiDevices::Instance().SetVirtualModule(nullptr);
    }
    TTransmitter& Tx() { return Session->Transmitter; }
    std::vector<std::vector<uint8_t>> Sent(int port) const { return Module->Received(port); }
};

// A request selection of the items given.
inline TRequestSelection Select(std::initializer_list<TRequestItem> items) {
    TRequestSelection s{};
    for (TRequestItem i : items) s[i] = true;
    return s;
}

inline std::vector<uint8_t> Bytes(std::initializer_list<int> v) {
    std::vector<uint8_t> b;
    for (int x : v) b.push_back(uint8_t(x));
    return b;
}

}  // namespace veka::test
