#include "midi/data_request.h"

#include "module/safe_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "image_writer/image_writer.h"
#include "module/exclusive.h"
#include "module/image_snapshot.h"

namespace veka {

namespace {

constexpr size_t kMaxReply = 255;
constexpr int kProbeWaitMs = 100;

struct TPortItems {
    TRequestItem Parts, Map1, Map2;
};
constexpr TPortItems kPortItems[4] = {
    {riPartsA, riMap1A, riMap2A}, {riPartsB, riMap1B, riMap2B}, {riPartsC, riMap1C, riMap2C}, {riPartsD, riMap1D, riMap2D}};

struct TSystemRange {
    TRequestItem Item;
    int First, Last;
};
constexpr TSystemRange kSystemRanges[] = {{riMaster, 1, 4},   {riReverb, 5, 11}, {riChorus, 12, 20},
                                          {riDelay, 21, 31},  {riEq, 32, 35},    {riInsertion, 36, 64}};

std::array<uint8_t, 3> SizeBytes(int n) { return {0, 0, uint8_t(n & 0x7F)}; }

// The module's DT1 reply to a request for `address` of device `device`: Roland's header, the
// address asked for, a right checksum and the end byte. A request to every device (7F) takes
// the answer of whichever device gives it.
bool IsReplyTo(std::span<const uint8_t> r, uint8_t device, const std::array<uint8_t, 3>& address) {
    if (r.size() < 11 || r[0] != 0xF0 || r[1] != 0x41 || r[3] != 0x42 || r[4] != 0x12 || r.back() != 0xF7) return false;
    if (device != 0x7F && r[2] != device) return false;
    if (r[5] != address[0] || r[6] != address[1] || r[7] != address[2]) return false;
    return Checksum(r.subspan(5, r.size() - 7)) == r[r.size() - 2];
}

// A GS module's identity reply: F0 7E dev 06 02, Roland's maker byte and the GS family 42 00.
// A request to every device (7F) takes the answer of whichever device gives it.
bool IsIdentityReply(std::span<const uint8_t> r, uint8_t device) {
    return r.size() >= 14 && r[0] == 0xF0 && r[1] == 0x7E && (device == 0x7F || r[2] == device) && r[3] == 0x06 &&
           r[4] == 0x02 && r[5] == 0x41 && r[6] == 0x42 && r[7] == 0x00 && r.back() == 0xF7;
}

// No reply is awaited once a wait is over, also when it ends by an exception.
struct TAwaiting {
    TDataRequest::TReplyMatch& Awaited;
    ~TAwaiting() { Awaited = nullptr; }
};

// The log replaces the old one only once it is whole; a log that cannot be written is no
// reason to fail the request it describes.
void SaveLog(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    std::string error;
    ReplaceFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), error);
}

}  // namespace

int RequestBlocks(TRequestItem item) {
    switch (item) {
        case riPartsA: case riPartsB: case riPartsC: case riPartsD: return 1760;
        case riMap1A: case riMap2A: case riMap1B: case riMap2B:
        case riMap1C: case riMap2C: case riMap1D: case riMap2D: return 1152;
        case riReverb: return 7;
        case riChorus: return 9;
        case riDelay: return 11;
        case riEq: return 4;
        case riInsertion: return 29;
        case riMaster: return 4;
        case riUserDrum65: case riUserDrum66: return 1536;
        default: return 0;
    }
}

std::vector<int> RequestedParameters(const TVGS& image, const TRequestSelection& requested) {
    TRequestSelection selection = requested;
    const bool sc88 = image.ModuleType() == mtSC88;
    if (sc88) selection[riInsertion] = false;
    std::vector<int> out;
    for (int n = 1; n <= kSystemParameterCount; ++n) {
        bool wanted = false;
        for (const TSystemRange& range : kSystemRanges)
            if (n >= range.First && n <= range.Last && selection[range.Item]) wanted = true;
        if (wanted && !(sc88 && image.System(n).ProOnly == 2)) out.push_back(IndexOfPlace(0, {LinkSystem, n, 0, 0, 0}));
    }
    const int ports = image.ActivePortCount();
    for (int port = 0; port < ports; ++port) {
        if (!selection[kPortItems[port].Parts]) continue;
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n < kPartParameterCount; ++n)
                if (!(sc88 && image.Part(port, part, n).ProOnly == 2))
                    out.push_back(IndexOfPlace(port, {LinkPart, part, n, 0, 0}));
    }
    for (int port = 0; port < ports; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map) {
            if (!selection[map == 1 ? kPortItems[port].Map1 : kPortItems[port].Map2]) continue;
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n) out.push_back(IndexOfPlace(port, {LinkDrum, map, note, n, 0}));
        }
    for (int set = 0; set < kUserDrumSetCount; ++set) {
        if (!selection[set == 0 ? riUserDrum65 : riUserDrum66]) continue;
        for (int note = 0; note < kNoteCount; ++note)
            for (int n = 1; n <= kUserDrumParameterCount; ++n) out.push_back(IndexOfPlace(0, {LinkUserDrum, set, note, n, 0}));
    }
    std::sort(out.begin(), out.end());
    return out;
}

TDataRequest::TDataRequest(TTransmitter& transmitter, TMidiInput& input, TInputRouter& router)
    : Transmitter_(transmitter), Input_(input), Router_(router) {
    Router_.OnExclusive = [this](const TMyMidiEvent& event) { OnExclusive(event); };
}

std::string TDataRequest::Text(TTransportText text) const {
    return std::string(TransportText(text, Transmitter_.Image().Language));
}

std::string TDataRequest::GoneOutputsText(const std::string& error) const {
    std::string text;
    for (int port = 0; port < Transmitter_.ActivePortCount(); ++port)
        if (!Transmitter_.Port(port).IsOpen() || Transmitter_.PortGone(port))
            text += PortGoneText(port, Transmitter_.Port(port).ProductName(), Transmitter_.Image().Language) + " ";
    if (Input_.Gone()) text += InputGoneText(Input_.ProductName(), Transmitter_.Image().Language) + " ";
    // The error names the port itself when a look found it gone.
    if (text.find(error) == std::string::npos) text += error;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void TDataRequest::OnExclusive(const TMyMidiEvent& event) {
    // Only the reply awaited counts: another device's exclusive, a late or doubled reply and a
    // damaged one are left alone, so they can neither answer a request nor swell the count.
    if (!Awaited_ || ReplyArrived_ || !Awaited_(event.Sysex)) return;
    TPumpWait& clock = Transmitter_.Pump();
    if (Received_ == 0) FirstReplyMs_ = clock.NowMs();
    ++Received_;
    const size_t length = std::min(event.Sysex.size(), kMaxReply);
    LastReply_.assign(event.Sysex.begin(), event.Sysex.begin() + long(length));
    if (ProgressDisplay_) {
        if (Received_ == 49) Reply49Ms_ = clock.NowMs() - FirstReplyMs_;
        if (Received_ % 2 == 0) {
            Marker_ = (Marker_ + 1) % 15;
            if (OnMarker) OnMarker(Marker_);
        }
        if (Received_ % 30 == 0 && Received_ > 50 && Total_ > 0) {
            const int percent = int(std::lround(double(Received_) / double(Total_) * 100.0));
            const long rest = std::lround(double(int64_t(Total_) - int64_t(Received_)) / 50.0 * double(Reply49Ms_) / 1000.0);
            const std::string text = RestTimeText(rest, Received_, Transmitter_.Image().Language);
            if (OnRestTime) OnRestTime(percent, text);
        }
    }
    ReplyArrived_ = true;
}

bool TDataRequest::WaitForReply(int ms, TReplyMatch awaited) {
    Awaited_ = std::move(awaited);
    const TAwaiting awaiting{Awaited_};
    const bool arrived = Transmitter_.Pump().WaitFor(ms, [this] { return ReplyArrived_; });
    ReplyArrived_ = false;
    return arrived;
}

std::vector<uint8_t> TDataRequest::RequestBlock(int port, const std::array<uint8_t, 3>& address,
                                                const std::array<uint8_t, 3>& size) {
    LastReply_.clear();
    if (port < 0 || port > Transmitter_.ActivePortCount() - 1) return {};
    TPumpWait& clock = Transmitter_.Pump();
    const int64_t start = clock.NowMs();
    const TSysexHeaders headers = MakeHeaders(Transmitter_.Image().DeviceId);
    std::vector<uint8_t> message(headers.RQ1.begin(), headers.RQ1.end());
    const std::array<uint8_t, 6> body = {uint8_t(address[0] & 0x7F), uint8_t(address[1] & 0x7F), uint8_t(address[2] & 0x7F),
                                         uint8_t(size[0] & 0x7F),    uint8_t(size[1] & 0x7F),    uint8_t(size[2] & 0x7F)};
    message.insert(message.end(), body.begin(), body.end());
    message.push_back(Checksum(body));
    message.push_back(0xF7);
    ReplyArrived_ = false;
    // Neither a gone output nor a gone input fails by itself: both would only time out.
    Transmitter_.RequirePort(port, true);
    if (start - LastInputLook_ >= kInputLookMs) {
        LastInputLook_ = start;
        Input_.Look();
    }
    if (Input_.Gone()) throw EmidioutputError(InputGoneText(Input_.ProductName(), Transmitter_.Image().Language));
    Transmitter_.Port(port).SendLong(message);
    if (Transmitter_.OnFlash) Transmitter_.OnFlash(port);
    const uint8_t device = uint8_t(Transmitter_.Image().DeviceId & 0x7F);
    const std::array<uint8_t, 3> asked = {body[0], body[1], body[2]};
    const TReplyMatch reply = [device, asked](std::span<const uint8_t> r) { return IsReplyTo(r, device, asked); };
    // A reply that comes within the pause after the request is taken too.
    Awaited_ = reply;
    {
        const TAwaiting pause{Awaited_};
        clock.Wait(TTransmitter::kSysexWaitMs);
    }
    const bool arrived = WaitForReply(DataReqWaitMs, reply);
    RoundTripMs_ = int(clock.NowMs() - start);
    if (arrived) return LastReply_;
    ShowOnModuleDisplay("Receved : " + std::to_string(Received_));
    return {};
}

std::string TDataRequest::ShowOnModuleDisplay(const std::string& text) {
    const std::string shown = text.substr(0, 32);
    std::vector<uint8_t> letters;
    for (char c : shown) letters.push_back(uint8_t(c) & 0x7F);
    const TBytes message = DisplayMessage(Transmitter_.Image().DeviceId, {0x10, 0x00, 0x00}, letters);
    if (Transmitter_.Port(0).IsOpen()) Transmitter_.Port(0).SendLong(message);
    return HexText(message, Transmitter_.SysxSpace);
}

bool TDataRequest::ProbeModel() {
    // The reply must reach this handler whoever calls: reception on, replies accepted.
    const bool accepted = Router_.AcceptExclusive;
    Router_.AcceptExclusive = true;
    StartReception();
    const uint8_t request[] = {0xF0, 0x7E, uint8_t(Transmitter_.Image().DeviceId & 0x7F), 0x06, 0x01, 0xF7};
    LastReply_.clear();
    ReplyArrived_ = false;
    Transmitter_.Port(0).SendLong(request);
    const uint8_t device = uint8_t(Transmitter_.Image().DeviceId & 0x7F);
    const bool sc88Pro =
        WaitForReply(kProbeWaitMs, [device](std::span<const uint8_t> r) { return IsIdentityReply(r, device); }) &&
        LastReply_[9] == 4;
    Router_.AcceptExclusive = accepted;
    return sc88Pro;
}

void TDataRequest::StartReception() {
    Input_.Start();
}

void TDataRequest::StopReception() {
    if (!Router_.Thru) Input_.Stop();
}

int TDataRequest::DetectModel(std::string* report) {
    StartReception();
    const bool accepted = Router_.AcceptExclusive;
    Router_.AcceptExclusive = true;
    int result = 10;
    const uint8_t device = uint8_t(Transmitter_.Image().DeviceId & 0x7F);
    const uint8_t identity[] = {0xF0, 0x7E, device, 0x06, 0x01, 0xF7};
    LastReply_.clear();
    ReplyArrived_ = false;
    Transmitter_.Port(0).SendLong(identity);
    if (WaitForReply(kProbeWaitMs, [device](std::span<const uint8_t> r) { return IsIdentityReply(r, device); })) {
        const std::vector<uint8_t>& r = LastReply_;
        if (r[9] == 4) result = 2;
        if (r[9] == 6) result = 3;
        if (report && (result == 2 || result == 3)) {
            char text[256];
            std::snprintf(text, sizeof text,
                          "Identity Reply\r\n Device family code(LSB,MSB): %2x,%2x\r\n Device family number "
                          "code(LSB,MSB): %2x,%2x\r\n Software revision level: %2x,%2x,%2x,%2x\r\n\r\n Result:%s",
                          r[6], r[7], r[8], r[9], r[10], r[11], r[12], r[13], result == 2 ? "SC-88Pro" : "SC-8850");
            *report = text;
        }
    } else {
        // The SC-88 does not answer the identity request: ask it for one byte it has. The
        // request carries a whole size field so the module can answer it, and the reply is
        // recognised by its own header and the address asked for.
        const std::array<uint8_t, 6> body = {0x40, 0x40, 0x20, 0x00, 0x00, 0x01};
        const TSysexHeaders headers = MakeHeaders(Transmitter_.Image().DeviceId);
        std::vector<uint8_t> message(headers.RQ1.begin(), headers.RQ1.end());
        message.insert(message.end(), body.begin(), body.end());
        message.push_back(Checksum(body));
        message.push_back(0xF7);
        LastReply_.clear();
        ReplyArrived_ = false;
        Transmitter_.Port(0).SendLong(message);
        const auto sc88Reply = [](std::span<const uint8_t> r) {
            return r.size() >= 8 && r[0] == 0xF0 && r[1] == 0x41 && r[3] == 0x42 && r[4] == 0x12 && r[5] == 0x40 &&
                   r[6] == 0x40 && (r[7] == 0x20 || r[7] == 0x40);
        };
        if (WaitForReply(kProbeWaitMs, sc88Reply)) result = 1;
    }
    Router_.AcceptExclusive = accepted;
    StopReception();
    return result;
}

TRequestReport TDataRequest::Run(const TRequestSelection& requested, const std::string& logPath,
                                 const std::atomic<bool>* cancel) {
    TVGS& image = Transmitter_.Image();
    TImageWriter writer(image);  // replies are stored without an event per value
    TRequestReport report;
    TRequestSelection selection = requested;
    const int activePorts = Transmitter_.ActivePortCount();
    // Items of ports that are not active are never requested, so they are not counted either.
    for (int port = activePorts; port < 4; ++port)
        selection[kPortItems[port].Parts] = selection[kPortItems[port].Map1] = selection[kPortItems[port].Map2] = false;
    if (image.ModuleType() == mtSC88) selection[riInsertion] = false;
    auto total = [&] {
        uint32_t sum = 0;
        for (int i = 0; i < riItemCount; ++i)
            if (selection[size_t(i)]) sum += uint32_t(RequestBlocks(TRequestItem(i)));
        return sum;
    };
    Total_ = total();
    if (Total_ == 0) return report;
    Transmitter_.OnLongRun();

    const bool accepted = Router_.AcceptExclusive;
    Router_.AcceptExclusive = true;
    StartReception();
    if (!ProbeModel() && image.ModuleType() == mtSC88Pro) {
        image.SetModuleType(mtSC88);
        selection[riInsertion] = false;
        report.SwitchedToSC88 = true;
        report.Notice = Text(TTransportText::NotSC88Pro);
        Total_ = total();
        if (Total_ == 0) {
            StopReception();
            Router_.AcceptExclusive = accepted;
            return report;
        }
    }
    const bool sc88 = image.ModuleType() == mtSC88;
    std::vector<std::string> log;
    const bool takeLog = !logPath.empty();
    if (Transmitter_.OnBusy) Transmitter_.OnBusy(true);
    Received_ = 0;
    Marker_ = 0;
    ProgressDisplay_ = true;
    report.Ran = true;
    // An input that closed part-way (a device unplugged) can bring no more replies: stop there
    // instead of waiting out every remaining request.
    auto cancelled = [this, cancel] { return (cancel && cancel->load()) || !Input_.IsOpen(); };
    auto logResult = [&](bool ok) {
        if (takeLog) log.push_back((ok ? "Succeeded / " : "Failed / ") + std::to_string(RoundTripMs_) + "ms\r\n");
    };
    // What the report counts: requests whose reply gave a value the image took.
    uint32_t answeredCount = 0;
    auto answer = [this, &answeredCount](int index, bool answered) {
        if (answered) ++answeredCount;
        if (OnAnswer) OnAnswer(index, answered);
    };
    auto changed = [&] {
        Transmitter_.Image().MarkDataChanged();
    };

    std::string gone;  // the outputs that went away, when one did
    std::vector<std::pair<int, std::vector<uint8_t>>> systemReplies;
    try {
        for (int port = 0; port < activePorts && !cancelled(); ++port) {
            if (!selection[kPortItems[port].Parts]) continue;
            for (int part = 1; part <= kPartsPerPort && !cancelled(); ++part) {
                for (int n = 1; n < kPartParameterCount && !cancelled(); ++n) {
                    TOneParameter& p = writer.Part(port, part, n);
                    if (sc88 && p.ProOnly == 2) {
                        --Total_;
                        continue;
                    }
                    if (OnRequest) OnRequest(Text(TTransportText::RequestPart), std::string(p.Name));
                    const std::vector<uint8_t> reply = RequestBlock(port, p.Address.Bytes, SizeBytes(p.Size));
                    if (takeLog) log.push_back("Request : Part " + PartName(port, part) + " " + std::string(p.Name));
                    logResult(!reply.empty());
                    const auto value = DecodeReply(image, rkPart, n, reply, port);
                    answer(IndexOfPlace(port, {LinkPart, part, n, 0, 0}), value.has_value());
                    if (value && *value != p.Value) {
                        p.Value = *value;
                        changed();
                    }
                }
                const int map = image.Part(port, part, ppRhythm).Value;
                if (map == 1 || map == 2)
                    image.LoadDrumSet(port, map, image.Part(port, part, ppToneNumber).Value % 128,
                                      image.Part(port, part, ppToneMap).Value);
            }
        }
        for (int port = 0; port < activePorts && !cancelled(); ++port)
            for (int map = 1; map <= kDrumMapsPerPort && !cancelled(); ++map) {
                if (!selection[map == 1 ? kPortItems[port].Map1 : kPortItems[port].Map2]) continue;
                for (int note = 0; note < kNoteCount && !cancelled(); ++note)
                    for (int n = 1; n <= kDrumParameterCount && !cancelled(); ++n) {
                        TOneParameter& p = writer.Drum(port, map, n, note);
                        if (OnRequest) OnRequest(Text(TTransportText::RequestDrum), std::string(p.Name));
                        const std::vector<uint8_t> reply = RequestBlock(port, p.Address.Bytes, SizeBytes(1));
                        if (takeLog)
                            log.push_back("Request : Drum " + DrumMapName(port, map) + " / Inst. " + std::to_string(note) +
                                          ", Para. " + std::string(p.Name));
                        logResult(!reply.empty());
                        const auto value = DecodeReply(image, 1, n, reply, port);
                        answer(IndexOfPlace(port, {LinkDrum, map, note, n, 0}), value.has_value());
                        if (value && *value != p.Value) {
                            p.Value = *value;
                            changed();
                        }
                    }
            }
        for (int set = 0; set < kUserDrumSetCount && !cancelled(); ++set) {
            if (!selection[set == 0 ? riUserDrum65 : riUserDrum66]) continue;
            for (int note = 0; note < kNoteCount && !cancelled(); ++note)
                for (int n = 1; n <= kUserDrumParameterCount && !cancelled(); ++n) {
                    TOneParameter& p = writer.UserDrum(set, n, note);
                    if (OnRequest) OnRequest(Text(TTransportText::RequestUserDrum), std::string(p.Name));
                    const std::vector<uint8_t> reply = RequestBlock(0, p.Address.Bytes, SizeBytes(1));
                    if (takeLog)
                        log.push_back("Request : User Drum Set " + std::to_string(set) + " / Inst. " + std::to_string(note) +
                                      ", Para. " + std::string(p.Name));
                    logResult(!reply.empty());
                    const auto value = DecodeReply(image, 3, n, reply);
                    answer(IndexOfPlace(0, {LinkUserDrum, set, note, n, 0}), value.has_value());
                    if (value && *value != p.Value) {
                        p.Value = *value;
                        changed();
                    }
                }
        }
        for (int n = 1; n <= kSystemParameterCount && !cancelled(); ++n) {
            bool wanted = false;
            for (const TSystemRange& range : kSystemRanges)
                if (n >= range.First && n <= range.Last && selection[range.Item]) wanted = true;
            if (!wanted) continue;
            const TOneParameter& p = image.System(n);
            if (sc88 && p.ProOnly == 2) {
                --Total_;
                continue;
            }
            if (OnRequest)
                OnRequest(Text(TTransportText::RequestSystem), std::string(p.Name));
            std::vector<uint8_t> reply = RequestBlock(0, p.Address.Bytes, SizeBytes(p.Size));
            if (takeLog) log.push_back("Request : System or Effect / " + std::string(p.Name));
            logResult(!reply.empty());
            systemReplies.emplace_back(n, std::move(reply));
        }
    } catch (const EmidioutputError& error) {
        // An output gone in the middle (a device unplugged, a JACK client gone): the request
        // stops there, keeps what came, and the report says which port and how far.
        gone = GoneOutputsText(error.what());
    } catch (...) {
        ProgressDisplay_ = false;
        StopReception();
        Router_.AcceptExclusive = accepted;
        if (Transmitter_.OnBusy) Transmitter_.OnBusy(false);
        throw;
    }

    // The system values together, as the effects' defaults follow from all of them; also those
    // that came before an output went away.
    bool anySystem = false;
    for (const auto& [n, reply] : systemReplies) {
        const auto value = DecodeReply(image, rkSystem, n, reply);
        answer(IndexOfPlace(0, {LinkSystem, n, 0, 0, 0}), value.has_value());
        if (value) {
            if (*value != image.System(n).Value) changed();
            writer.System(n).Value = *value;
            anySystem = true;
        }
    }
    if (anySystem) image.RecomputeEffectDefaults();

    StopReception();
    ProgressDisplay_ = false;
    if (Transmitter_.OnBusy) Transmitter_.OnBusy(false);
    Router_.AcceptExclusive = accepted;

    report.Received = answeredCount;
    report.Requested = Total_;
    report.PortGone = !gone.empty();
    const bool complete = answeredCount == Total_ && gone.empty();
    report.Text = RequestCountText(answeredCount, Total_, image.Language);
    if (!gone.empty()) report.Text += gone + "\r\n";
    report.Text += Text(complete ? TTransportText::RequestCompleted : TTransportText::RequestInterrupted);
    if (takeLog) SaveLog(logPath, log);
    return report;
}

}  // namespace veka
