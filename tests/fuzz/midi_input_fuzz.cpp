// Bytes arriving on the MIDI input, as the driver hands them over: replies to data requests and
// to the identity request, cut short or oversized exclusives, wrong checksums, real-time bytes
// inside an exclusive, replies for another device. They go through the input ring, the router
// and the request loop of one session, as in a program that runs request after request. The
// virtual module behind the outputs hears the requests but never answers: the input is the
// fuzzer's.
//
// The first byte picks the work (the request loop over a few items, the identity request, one
// block, or notes and exclusives while no request runs) and the router's switches; the rest is
// a series of packets, each a length byte and its bytes, handed in one per wait of the session.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "fuzz_image.h"
#include "midi/midi_session.h"
#include "midi/virtual_module.h"

namespace {

using namespace veka;

struct TRig {
    std::unique_ptr<TVGS> Image = fuzz::MakeImage(2);
    TFakePumpWait Clock;
    std::unique_ptr<TMidiSession> Session;
    std::shared_ptr<TVirtualModule> Module;
    std::span<const uint8_t> Rest;  // the packets not yet handed in

    TRig() {
        const char* env = std::getenv("VEKA_DEFAULT_DIR");
        StartVirtualModule(mtSC8850, env && *env ? env : ProgramFolder() + "/../bin/default");
        Module = TMidiDevices::Instance().VirtualModule();
        Module->DropEveryNthReply(1);
        Session = std::make_unique<TMidiSession>(*Image, &Clock);
        for (int port = 0; port < 2; ++port) {
            TMidiOutput& out = Session->Transmitter.Port(port);
            out.SetProductName(TVirtualModule::OutputName(port));
            out.Open();
        }
        Session->Input.SetProductName(TVirtualModule::InputName());
        Session->Input.Open();
        Session->Input.Start();
        Session->Request.DataReqWaitMs = 20;
        Clock.Process = [this] { HandIn(); };
    }

    // One packet per wait: its length byte (a large one stands for an oversized exclusive),
    // then its bytes, delivered as the driver would.
    void HandIn() {
        if (!Rest.empty()) {
            const uint8_t head = Rest[0];
            size_t length = head < 0xE0 ? head % 48 : size_t(head - 0xDF) * 512;
            Rest = Rest.subspan(1);
            length = std::min(length, Rest.size());
            if (length > 0) Session->Input.Receive(0.001, Rest.data(), length);
            Rest = Rest.subspan(length);
        }
        Session->Process();
    }
};

TRig& Rig() {
    static TRig rig;
    return rig;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    TRig& rig = Rig();
    TMidiSession& session = *rig.Session;
    const uint8_t mode = data[0];
    rig.Rest = std::span<const uint8_t>(data + 1, size - 1);
    rig.Clock.Waits.clear();
    session.Router.Thru = (mode & 0x10) != 0;
    session.Router.AcceptExclusive = (mode & 0x20) != 0;

    switch (mode % 4) {
        case 0: {
            // A few items of few blocks each: Master, Reverb, and maybe Chorus and a user drum set's start.
            TRequestSelection selection{};
            selection[riMaster] = true;
            selection[riReverb] = (mode & 0x40) != 0;
            selection[riChorus] = (mode & 0x80) != 0;
            const TRequestReport report = session.Request.Run(selection, {});
            if (report.Received > report.Requested) std::abort();
            break;
        }
        case 1: {
            std::string text;
            const int model = session.Request.DetectModel(&text);
            if (model != 1 && model != 2 && model != 3 && model != 10) std::abort();
            break;
        }
        case 2:
            session.Request.RequestBlock(mode & 0x40 ? 1 : 0, {0x40, 0x01, 0x30}, {0x00, 0x00, 0x07});
            break;
        default:
            // No request: the router alone takes notes, controllers and exclusives.
            while (!rig.Rest.empty()) rig.HandIn();
            break;
    }
    // Whatever is left in the ring goes, as the next handler would take it.
    while (!rig.Rest.empty()) rig.HandIn();
    session.Router.HandleInput();
    while (session.Input.NextEvent()) {
    }
    rig.Module->ClearReceived();
    return 0;
}
