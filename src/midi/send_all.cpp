// Send All: every modified value of the image, in a fixed order, with progress reports.
#include "midi/transmitter.h"
#include "module/user_messages.h"

namespace veka {

namespace {

// Thrown between two messages when a stop was asked for; Send All then ends quietly.
struct TSendAllStopped {};

// Runs the clean-up of Send All on every way out, a send error included.
struct TBusyGuard {
    TTransmitter& Owner;
    explicit TBusyGuard(TTransmitter& owner) : Owner(owner) {
        if (Owner.OnBusy) Owner.OnBusy(true);
    }
    ~TBusyGuard() {
        Owner.Progress.Finish();
        if (Owner.OnBusy) Owner.OnBusy(false);
    }
};

}  // namespace

void TTransmitter::NextMessage() {
    if (StopRequested_) throw TSendAllStopped{};
    ++SentMessages_;
}

std::string TTransmitter::ProgressText(TTransportText text) const {
    return std::string(TransportText(text, Image_.Language));
}

void TTransmitter::SendPartParameter(int port, const TOneParameter& record, bool force, int parameter, int part) {
    if (record.Value == record.Default && !force) return;
    const TDataSet set = ChangeDataSet(Image_, port, record, TLinkData{LinkPart, part, parameter, 0, 0});
    if (!set.Valid) return;
    SendSysx(port, set.Address, set.Data);
    Wait_.Wait(kSysexWaitMs);
    // The drum set a drum part selects is the one its map holds from now on.
    if (parameter == ppToneNumber) Image_.RecordDrumSetOfPart(port, part);
}

void TTransmitter::SendPart(int port, int part, bool force) {
    if (!TVGS::ValidPart(port, part, 1)) return;
    for (int n = 1; n < ppMasterCoarseTuning; ++n) {
        if (n == ppToneNumber || n == ppRhythm || n == ppToneMap) continue;
        if (n > ppScaleTuningC && n <= ppScaleTuningB) continue;  // sent with C as one block
        if (n == ppScaleTuningC) {
            // One message carries all twelve steps; it goes when any of them differs.
            if (force || Image_.ScaleTuningModified(port, part))
                SendPartParameter(port, Image_.Part(port, part, n), true, n, part);
            continue;
        }
        SendPartParameter(port, Image_.Part(port, part, n), force, n, part);
    }
    const TOneParameter& coarse = Image_.Part(port, part, ppMasterCoarseTuning);
    if (force || IsModified(coarse)) SendRpn(port, part, 0, 2, coarse.Value, 0);
    // The tone goes last, after its rhythm mode and tone map, so the module selects it last.
    for (int n : {ppRhythm, ppToneMap, ppToneNumber}) SendPartParameter(port, Image_.Part(port, part, n), true, n, part);
}

bool TTransmitter::SendAll(bool init, bool system, bool parts, bool drums, bool userDrums, bool userDrumsAll) {
    OnLongRun();
    StopRequested_ = false;
    SentMessages_ = 0;
    LastProgressText_.clear();
    const bool wholeImage = init && system && parts && drums && userDrums;
    if (wholeImage) ImageHeard_ = false;  // until it has run to its end
    TBusyGuard guard(*this);
    // The part sends count their messages too: SendSysx is wrapped for the time of Send All.
    SendAllRunning_ = true;
    struct TRunning {
        bool& Flag;
        ~TRunning() { Flag = false; }
    } running{SendAllRunning_};
    try {
        const bool whole = SendAllSteps(init, system, parts, drums, userDrums, userDrumsAll);
        // The module of every port there now holds the image: nothing is left to catch up.
        if (whole && wholeImage) {
            ImageHeard_ = true;
            for (int port = 0; port < ActivePortCount(); ++port)
                if (!Port(port).Gone()) Loss.Settle(port);
        }
        return whole;
    } catch (const TSendAllStopped&) {
        return false;
    }
}

bool TTransmitter::SendAllSteps(bool init, bool system, bool parts, bool drums, bool userDrums, bool userDrumsAll) {
    auto progress = [this](int max, int current, const std::string& text) {
        LastProgressText_ = text;
        Progress.Report(max, current, text);
    };
    if (init) {
        const uint8_t mode = 0;
        SendSysx(0, kSystemModeSetAddress, std::span<const uint8_t>(&mode, 1));
        Wait_.Wait(kInitWaitMs);
    }
    if (system) {
        for (int n = 1; n <= kSystemParameterCount; ++n) {
            progress(kSystemParameterCount, n - 1,
                     ProgressText(TTransportText::SendingSystem));
            const TOneParameter& p = Image_.System(n);
            if (!IsModified(p)) continue;
            const TLinkData link{LinkSystem, n, 0, 0, 0};
            SendSysx(0, p.Address.Bytes, EncodeData(Image_, 0, link, p.Value));
            Wait_.Wait(kSysexWaitMs);
        }
    }
    if (parts) {
        for (int port = 0; port < ActivePortCount(); ++port)
            for (int part = 1; part <= kPartsPerPort; ++part) {
                progress(kPartsPerPort, part,
                         "Part " + PartName(port, part) + " " + std::string(UserMessage(27, Image_.Language)));
                SendPart(port, part, false);
            }
    }
    if (drums) {
        int step = 0;
        const int maps = ActivePortCount() * kDrumMapsPerPort;
        for (int port = 0; port < ActivePortCount(); ++port)
            for (int map = 1; map <= kDrumMapsPerPort; ++map) {
                progress(maps, ++step, ProgressText(TTransportText::SendingDrumSet));
                for (int note = 0; note < kNoteCount; ++note)
                    for (int n = 1; n <= kDrumParameterCount; ++n) {
                        const TOneParameter& p = Image_.Drum(port, map, n, note);
                        if (!IsModified(p)) continue;
                        const TLinkData link{LinkDrum, map, n, p.Value, 0};
                        SendSysx(port, p.Address.Bytes, EncodeData(Image_, port, link, p.Value));
                        Wait_.Wait(kSysexWaitMs);
                    }
            }
    }
    if (userDrums) {
        const int max = userDrumsAll ? 2 * kNoteCount : 2;
        int step = 0;
        for (int set = 0; set < kUserDrumSetCount; ++set) {
            if (!userDrumsAll)
                progress(max, ++step, ProgressText(TTransportText::SendingUserDrumSet));
            for (int note = 0; note < kNoteCount; ++note) {
                if (userDrumsAll) progress(max, ++step, std::string(UserMessage(75, Image_.Language)));
                for (int n = 1; n <= kUserDrumParameterCount; ++n) {
                    const TOneParameter& p = Image_.UserDrum(set, n, note);
                    if (!userDrumsAll && !IsModified(p)) continue;
                    const TLinkData link{LinkUserDrum, set, n, p.Value, 0};
                    SendSysx(0, p.Address.Bytes, EncodeData(Image_, 0, link, p.Value));
                    Wait_.Wait(kSysexWaitMs);
                }
            }
        }
        // A drum part playing a user drum set reloads it when its tone number comes again.
        for (int port = 0; port < ActivePortCount(); ++port)
            for (int program : {64, 65}) {
                const int part = Image_.FindDrumPartByProgram(port, program);
                if (part > 0) SendRaw(port, ToneReselectMessage(Image_, port, part));
            }
    }
    return true;
}

}  // namespace veka
