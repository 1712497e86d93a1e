#include "midi/transmitter.h"

#include "module/image_snapshot.h"

namespace veka {

namespace {

// The flat index of the parameter a change names. A drum link carries the note and the value,
// not the parameter: that is found by the record itself.
int FlatIndexOfChange(TVGS& image, int port, const TOneParameter& record, const TLinkData& link) {
    if (link.Kind == LinkDrum || link.Kind == LinkUserDrum) {
        const bool user = link.Kind == LinkUserDrum;
        const int count = user ? kUserDrumParameterCount : kDrumParameterCount;
        for (int n = 1; n <= count; ++n) {
            if (user ? !TVGS::ValidUserDrum(link.Owner, n, link.Index) : !TVGS::ValidDrum(port, link.Owner, n, link.Index))
                return -1;
            const TOneParameter& candidate =
                user ? image.UserDrum(link.Owner, n, link.Index) : image.Drum(port, link.Owner, n, link.Index);
            if (&candidate == &record) return IndexOfPlace(port, {link.Kind, link.Owner, link.Index, n, 0});
        }
        return -1;
    }
    return IndexOfPlace(port, link);
}

}  // namespace

TTransmitter::TTransmitter(TVGS& image, TPumpWait& wait) : Image_(image), Wait_(wait) {
    for (auto& port : Ports_) port = std::make_unique<TMidiOutput>();
}

void TTransmitter::Attach() {
    ChangeSubscription_ = Image_.OnChange.Subscribe([this](const TChangeNotice& change) {
        // An edit's value is in the image already: should its port be found gone now, the
        // value kept as heard must not be taken for what the module holds.
        InFlight_ = FlatIndexOfChange(Image_, change.Port, change.Record, change.Link);
        struct TLanded {
            int& InFlight;
            ~TLanded() { InFlight = -1; }
        } landed{InFlight_};
        SendParameter(change.Port, change.Record, change.Link, change.Comment);
    });
}

void TTransmitter::Flash(int port) {
    if (OnFlash) OnFlash(port);
}

bool TTransmitter::FoundGone(int port, bool seldom) {
    TMidiOutput& output = Port(port);
    if (!output.IsOpen()) return false;  // a send says "not open"
    if (output.Gone()) return true;
    // Looking costs a question to the back end: inside a Send All or a data request one every
    // few messages is enough, an edit always looks.
    const int64_t now = Wait_.NowMs();
    int64_t& last = LastLook_[size_t(port & 3)];
    if (seldom && now - last < kLookEveryMs) return false;
    last = now;
    if (!output.Look()) return false;
    MarkGone(port);
    // Found by a send that is no single edit (New, a part command, an undo step, a request
    // writing into the image): the image changed before it, so what the module heard is not
    // known and only a whole Send All puts it right.
    if (InFlight_ < 0) Loss.NoteCut();
    return true;
}

bool TTransmitter::Reachable(int port) {
    if (!FoundGone(port, SendAllRunning_)) return true;
    if (SendAllRunning_) {
        Loss.NoteCut();
        throw EmidioutputError(PortGoneText(port, Port(port).ProductName(), Image_.Language));
    }
    Loss.NoteUnsent(port);
    if (OnUnheard) OnUnheard(port);
    return false;
}

void TTransmitter::MarkGone(int port) {
    Loss.PortGone(port, Image_, InFlight_);
    if (OnPortState) OnPortState(port, true);
}

bool TTransmitter::LookAtPorts() {
    bool changed = false;
    for (int port = 0; port < ActivePortCount(); ++port) {
        if (!Port(port).Look()) continue;
        changed = true;
        if (Port(port).Gone())
            MarkGone(port);
        else if (OnPortState)
            OnPortState(port, false);
    }
    return changed;
}

bool TTransmitter::AnyPortGone() const {
    for (int port = 0; port < ActivePortCount(); ++port)
        if (Port(port).Gone()) return true;
    return false;
}

void TTransmitter::RequirePort(int port, bool longRun) {
    if (port < 0 || port > ActivePortCount() - 1 || !FoundGone(port, longRun)) return;
    throw EmidioutputError(PortGoneText(port, Port(port).ProductName(), Image_.Language));
}

std::string TTransmitter::SendSysx(int port, const std::array<uint8_t, 3>& address, std::span<const uint8_t> data) {
    if (port < 0 || port > ActivePortCount() - 1) return {};
    if (!Reachable(port)) return {};  // inside Send All a gone port ends it, the message not counted
    if (SendAllRunning_) NextMessage();  // a stop asked for during Send All ends it here
    const TBytes message = BuildDT1(Image_.DeviceId, address, data);
    Port(port).SendLong(message);
    Flash(port);
    Wait_.Wait(kSysexWaitMs);
    return HexText(message, SysxSpace);
}

std::string TTransmitter::SendSysxLogged(int port, const std::array<uint8_t, 3>& address,
                                         std::span<const uint8_t> data, const std::string& comment, int32_t value) {
    const std::string text = SendSysx(port, address, data);
    if (text.empty()) return text;
    LastHexText = text;
    if (OnHexText) OnHexText(text);
    const bool dropped = History.Add(text, comment, value);
    if (OnHistory) OnHistory(History.Entries().front(), dropped);
    return text;
}

void TTransmitter::SendParameter(int port, const TOneParameter& record, const TLinkData& link,
                                 const std::string& comment) {
    // Master Coarse Tuning has no exclusive address: the module takes it as an RPN.
    if (link.Kind == LinkPart && link.Index == ppMasterCoarseTuning) {
        SendRpn(port, link.Owner, 0, 2, record.Value, 0);
        return;
    }
    // The bytes come from the port of the change itself, so a scale tuning change of Port B
    // carries Port B's twelve values whatever port the windows show.
    const TDataSet set = ChangeDataSet(Image_, port, record, link);
    if (!set.Valid) return;
    const int output = OutputForMessage(TLinkKind(link.Kind), port, ActivePortCount());
    if (output < 0) return;
    const std::string text = SendSysx(output, set.Address, set.Data);
    if (text.empty()) return;  // its port is gone: the module did not hear it
    LastHexText = text;
    if (OnHexText) OnHexText(text);
    if (!comment.empty()) {
        const bool dropped = History.Add(text, comment, record.Value);
        if (OnHistory) OnHistory(History.Entries().front(), dropped);
    }
}

void TTransmitter::SendRpn(int port, int part, int nMsb, int nLsb, int vMsb, int vLsb) {
    if (part < 1 || part > 16 || port < 0 || port > ActivePortCount() - 1) return;
    if (!Reachable(port)) return;
    const auto sequence = RpnSequence(part - 1, nMsb, nLsb, vMsb, vLsb);
    for (size_t i = 0; i < sequence.size(); ++i) {
        Port(port).SendShort(sequence[i].Status, sequence[i].Data1, sequence[i].Data2);
        if (i + 1 < sequence.size()) Wait_.Wait(TransWaitMs);
    }
}

void TTransmitter::SendRaw(int port, std::span<const uint8_t> message) {
    if (port < 0 || port > ActivePortCount() - 1 || message.empty() || !Reachable(port)) return;
    Port(port).SendLong(message);
}

std::string TTransmitter::SendRawLogged(int port, std::span<const uint8_t> message, const std::string& comment) {
    if (port < 0 || port > ActivePortCount() - 1 || message.empty() || !Reachable(port)) return {};
    Port(port).SendLong(message);
    Flash(port);
    const std::string text = HexText(message, SysxSpace);
    LastHexText = text;
    if (OnHexText) OnHexText(text);
    const bool dropped = History.Add(text, comment, 0);
    if (OnHistory) OnHistory(History.Entries().front(), dropped);
    return text;
}

void TTransmitter::Panic() {
    for (int port = 0; port < ActivePortCount(); ++port) {
        if (!Port(port).IsOpen() || Port(port).Gone()) continue;  // reach every module that can be reached
        for (int channel = 0; channel < 16; ++channel) Port(port).SendShort(uint8_t(0xB0 + channel), 120, 0);
    }
}

bool TTransmitter::OpenPorts(const std::array<int, 4>& deviceIds) {
    bool incomplete = false;
    for (int port = 0; port < ActivePortCount(); ++port) {
        const int id = deviceIds[size_t(port)];
        if (id < 0 || id >= Port(port).DeviceCount()) {
            incomplete = true;
            continue;
        }
        try {
            Port(port).SetDeviceID(id);
            Port(port).Open();
        } catch (const EmidioutputError&) {
            incomplete = true;
        }
    }
    return incomplete;
}

}  // namespace veka
