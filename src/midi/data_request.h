#pragma once
// Reading the module's data back: one request and one reply at a time, with a time limit; the
// request loop over a selection, its counts, progress, cancel, log and report; the identity
// request and the model probe; text on the module's display.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "midi/input_router.h"
#include "midi/midi_input.h"
#include "midi/transmitter.h"
#include "module/transport_texts.h"

namespace veka {

// The twenty selections, in the order of their check boxes (tags 100 .. 119).
enum TRequestItem : int {
    riPartsA, riMap1A, riMap2A, riPartsB, riMap1B, riMap2B, riReverb, riChorus, riDelay, riEq,
    riInsertion, riMaster, riUserDrum65, riUserDrum66, riPartsC, riMap1C, riMap2C, riPartsD,
    riMap1D, riMap2D, riItemCount
};
using TRequestSelection = std::array<bool, riItemCount>;

// Blocks (one request and one reply each) of an item.
int RequestBlocks(TRequestItem item);

// The parameters the request loop asks for with this selection (flat indices of
// module/image_snapshot.h): the ports in use, no Master Coarse Tuning (it has no address), on an
// SC-88 nothing of the later models.
std::vector<int> RequestedParameters(const TVGS& image, const TRequestSelection& selection);

struct TRequestReport {
    uint32_t Received = 0;
    uint32_t Requested = 0;
    bool Ran = false;              // false when nothing was selected
    bool SwitchedToSC88 = false;   // the probe found no SC-88Pro behind an SC-88Pro setting
    bool PortGone = false;         // an output or the input went away in the middle
    std::string Text;              // the report shown at the end
    std::string Notice;            // the message shown when the module type was changed
};

class TDataRequest {
public:
    TDataRequest(TTransmitter& transmitter, TMidiInput& input, TInputRouter& router);

    int DataReqWaitMs = 1000;      // "Data Req Wait": the reply time limit

    // Progress of the loop (the progress window shows them).
    std::function<void(const std::string& category, const std::string& parameter)> OnRequest;
    std::function<void(int marker)> OnMarker;           // 0..14, steps on every even count
    std::function<void(int percent, const std::string& restText)> OnRestTime;
    // Each parameter asked for (its flat index) and whether its reply could be taken.
    std::function<void(int index, bool answered)> OnAnswer;

    // The exclusive path of the input handler while a request accepts replies: the reply awaited
    // is taken, any other exclusive left alone.
    void OnExclusive(const TMyMidiEvent& event);

    std::vector<uint8_t> RequestBlock(int port, const std::array<uint8_t, 3>& address,
                                      const std::array<uint8_t, 3>& size);
    // Waits up to ms for an exclusive that `awaited` recognises as the reply.
    using TReplyMatch = std::function<bool(std::span<const uint8_t> reply)>;
    bool WaitForReply(int ms, TReplyMatch awaited);
    std::string ShowOnModuleDisplay(const std::string& text);
    bool ProbeModel();
    // 1 SC-88, 2 SC-88Pro, 3 SC-8850, 10 unknown; report receives the identity text.
    int DetectModel(std::string* report = nullptr);

    // The request loop; cancel is read between blocks. logPath empty: no log.
    TRequestReport Run(const TRequestSelection& selection, const std::string& logPath,
                       const std::atomic<bool>* cancel = nullptr);

    const std::vector<uint8_t>& LastReply() const { return LastReply_; }
    uint32_t ReceivedCount() const { return Received_; }
    int RoundTripMs() const { return RoundTripMs_; }
    int64_t Reply49Ms() const { return Reply49Ms_; }

private:
    static constexpr int kInputLookMs = 50;  // how often a request looks whether its input is there
    int64_t LastInputLook_ = -1'000'000;
    std::string Text(TTransportText text) const;
    // Which outputs in use are gone, then the port's error.
    std::string GoneOutputsText(const std::string& error) const;
    void StartReception();
    void StopReception();

    TTransmitter& Transmitter_;
    TMidiInput& Input_;
    TInputRouter& Router_;
    std::vector<uint8_t> LastReply_;
    bool ReplyArrived_ = false;
    TReplyMatch Awaited_;  // empty while no reply is awaited
    uint32_t Received_ = 0;
    uint32_t Total_ = 0;
    bool ProgressDisplay_ = false;
    int64_t FirstReplyMs_ = 0;
    int64_t Reply49Ms_ = 0;
    int RoundTripMs_ = 0;
    int Marker_ = 0;
};

}  // namespace veka
