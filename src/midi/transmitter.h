#pragma once
// The transmission services the main window owns: the four output ports (Port A to D), framing
// and pacing of exclusive messages, controller sequences, Panic, Send All, and the events that
// drive the lamps, the hex text and the history.
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "midi/history.h"
#include "midi/midi_output.h"
#include "midi/port_loss.h"
#include "midi/pump_wait.h"
#include "module/exclusive.h"
#include "module/image.h"
#include "module/signal.h"
#include "module/transport_texts.h"

namespace veka {

class TTransmitter {
public:
    static constexpr int kSysexWaitMs = 7;      // after every framed exclusive message
    static constexpr int kInitWaitMs = 500;     // after the system mode set of Send All

    TTransmitter(TVGS& image, TPumpWait& wait);
    TTransmitter(const TTransmitter&) = delete;
    TTransmitter& operator=(const TTransmitter&) = delete;

    TMidiOutput& Port(int index) { return *Ports_[size_t(index & 3)]; }
    const TMidiOutput& Port(int index) const { return *Ports_[size_t(index & 3)]; }
    int ActivePortCount() const { return Image_.ActivePortCount(); }
    TVGS& Image() { return Image_; }
    TPumpWait& Pump() { return Wait_; }

    THexSpacing SysxSpace = THexSpacing::Blank;  // between the bytes of the hex text
    int TransWaitMs = 5;     // "trans wait(ms)": between the messages of a controller sequence

    // Makes SendParameter a listener of the image's changes (until the transmitter goes).
    void Attach();

    // Frames a DT1 and sends it on the port's output; empty text when the port is not active.
    std::string SendSysx(int port, const std::array<uint8_t, 3>& address, std::span<const uint8_t> data);
    // The image's change handler: one DT1 for the change, the hex text, the history.
    void SendParameter(int port, const TOneParameter& record, const TLinkData& link, const std::string& comment);
    // SendSysx that also shows the message as the last hex text and enters it in the history
    // under comment (the module reset of New is entered as "Init").
    std::string SendSysxLogged(int port, const std::array<uint8_t, 3>& address, std::span<const uint8_t> data,
                               const std::string& comment, int32_t value);
    // An RPN sequence for part 1..16 on the port (nothing for other parts or inactive ports).
    void SendRpn(int port, int part, int nMsb, int nLsb, int vMsb, int vLsb);
    // A whole message written straight to the port: no pause, no lamp, no history.
    void SendRaw(int port, std::span<const uint8_t> message);
    // The same with the lamp, the hex text and a history entry under comment (the module's
    // display messages); empty text when the port is not active.
    std::string SendRawLogged(int port, std::span<const uint8_t> message, const std::string& comment);
    // All Sound Off on every channel of every active, open port.
    void Panic();

    // Opens the active ports from stored device numbers; true when any active port had none
    // (the port dialog is then shown).
    bool OpenPorts(const std::array<int, 4>& deviceIds);

    // Outputs in use whose device went away (see TMidiOutput::Look). Every send looks first:
    // an edit to a gone port stays in the image and is counted in Loss, a Send All ends there
    // with the port named. LookAtPorts looks at every output in use, notes those gone and
    // connects again those back, raising OnPortState for each change; true when any changed.
    bool LookAtPorts();
    bool PortGone(int port) const { return Port(port).Gone(); }
    bool AnyPortGone() const;
    // Throws EmidioutputError naming the port when it is gone (a data request before each
    // message, sending what a module missed). Long runs look at most every kLookEveryMs.
    void RequirePort(int port, bool longRun = false);
    TPortLoss Loss;
    std::function<void(int port, bool gone)> OnPortState;
    // A message for a gone port was not sent (Loss counts it).
    std::function<void(int port)> OnUnheard;

    // How far a Send All has come, for the status bar (the program) or standard error (veka4-cli).
    TProgress Progress;
    // Whole-image transmission; true when it ran to the end, false when RequestStop ended it
    // between two messages. A send error propagates after the clean-up (Progress's end,
    // OnBusy(false)). The image is only read.
    bool SendAll(bool init, bool system, bool parts, bool drums, bool userDrums, bool userDrumsAll);
    // Whether the module was given the whole image in this run (a whole Send All that ran to its
    // end, or a reset of both): edits since then went out as they were made. A whole Send All
    // cut short, or an image changed without its messages, leaves it unknown.
    bool ImageHeard() const { return ImageHeard_; }
    void SetImageHeard(bool heard) { ImageHeard_ = heard; }
    // Work that needs the ports to itself begins (Send All, a data request): a song that plays
    // pauses first.
    TSignal<> OnLongRun;
    // Asks a running Send All to stop before its next message (from a handler that runs during
    // its waits: the Stop button, Escape).
    void RequestStop() { StopRequested_ = true; }
    // How far the last Send All came: messages sent and its last progress text.
    int SentMessages() const { return SentMessages_; }
    const std::string& LastProgressText() const { return LastProgressText_; }
    // Every parameter of the part; with force also the unmodified ones, Master Coarse Tuning's
    // RPN included, so the module ends up exactly as the image (part copy, exchange, initialise).
    void SendPart(int port, int part, bool force);
    void SendPartParameter(int port, const TOneParameter& record, bool force, int parameter, int part);

    // Events.
    std::function<void(int port)> OnFlash;                       // a port's green lamp
    std::function<void(const std::string& hex)> OnHexText;       // the status bar text
    std::function<void(const THistoryEntry& entry, bool droppedOldest)> OnHistory;
    std::function<void(bool busy)> OnBusy;                       // disable the main window, hourglass

    THistory History;
    std::string LastHexText;

private:
    void Flash(int port);
    // Whether an open output is gone, looking at it (seldom: at most every kLookEveryMs); a
    // port found gone is marked.
    bool FoundGone(int port, bool seldom);
    // Whether a message for the port can go out now. Outside a Send All one for a gone port is
    // counted as unsent; inside one the transmission ends there.
    bool Reachable(int port);
    void MarkGone(int port);
    // When each output was last looked at: long runs look at most every kLookEveryMs.
    std::array<int64_t, 4> LastLook_{-1'000'000, -1'000'000, -1'000'000, -1'000'000};
    int InFlight_ = -1;  // the flat index of the edit being sent, -1 outside an edit
    static constexpr int kLookEveryMs = 50;
    std::string ProgressText(TTransportText text) const;

    TVGS& Image_;
    TPumpWait& Wait_;
    std::array<std::unique_ptr<TMidiOutput>, 4> Ports_;
    TSubscription ChangeSubscription_;
    bool StopRequested_ = false;
    int SentMessages_ = 0;
    std::string LastProgressText_;
    // Inside Send All: counts a message about to go, or ends the transmission when asked to.
    void NextMessage();
    bool SendAllSteps(bool init, bool system, bool parts, bool drums, bool userDrums, bool userDrumsAll);
    bool SendAllRunning_ = false;
    bool ImageHeard_ = false;
};

}  // namespace veka
