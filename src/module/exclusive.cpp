#include "module/exclusive.h"

#include <algorithm>
#include <cstdlib>

#include "image_writer/image_writer.h"
#include "module/image.h"

namespace veka {

namespace {

// Every byte between F0 and F7 must stay below 80 hex, whatever the image holds.
uint8_t DataByte(int32_t v) { return uint8_t(std::clamp<int32_t>(v, 0, 127)); }

void AppendTwo(TBytes& out, int32_t value, int32_t unit, int32_t max) {
    const int32_t v = std::clamp<int32_t>(value, 0, max);
    out.push_back(DataByte(v / unit));
    out.push_back(DataByte(v % unit));
}

}  // namespace

TSysexHeaders MakeHeaders(int deviceId) {
    const uint8_t dev = uint8_t(deviceId & 0x7F);
    return TSysexHeaders{{0xF0, kRoland, dev, kModelGS, kCommandDT1}, {0xF0, kRoland, dev, kModelGS, kCommandRQ1}};
}

uint8_t Checksum(std::span<const uint8_t> addressAndData) {
    unsigned sum = 0;
    for (uint8_t b : addressAndData) sum += b;
    const unsigned cs = 128 - sum % 128;
    return uint8_t(cs == 128 ? 0 : cs);
}

int PartBlock(int part) {
    const int p = (part - 1) % 16 + 1;
    if (p == 10) return 0;
    return p < 10 ? p : p - 1;
}

TBytes EncodeData(const TVGS& image, int port, const TLinkData& link, int32_t value) {
    TBytes out;
    if (link.Kind == LinkSystem) {
        if (link.Owner == spMasterTune) {
            const int32_t v = std::clamp<int32_t>(value, 0, 0xFFFF);
            for (int shift = 12; shift >= 0; shift -= 4) out.push_back(uint8_t((v >> shift) & 0x0F));
        } else if (link.Owner == spEfxType) {
            AppendTwo(out, value, 128, 16383);
        } else {
            out.push_back(DataByte(value));
        }
    } else if (link.Kind == LinkPart) {
        switch (link.Index) {
            case ppToneNumber:
            case ppPitchFineTune: AppendTwo(out, value, 128, 16383); break;
            case ppPitchOffsetFine: AppendTwo(out, value, 16, 2047); break;
            default:
                if (link.Index >= ppScaleTuningC && link.Index <= ppScaleTuningB) {
                    for (int n = ppScaleTuningC; n <= ppScaleTuningB; ++n)
                        out.push_back(DataByte(image.Part(port, link.Owner, n).Value));
                } else {
                    out.push_back(DataByte(value));
                }
        }
    } else {
        out.push_back(DataByte(value));
    }
    return out;
}

TBytes BuildDT1(int deviceId, const std::array<uint8_t, 3>& address, std::span<const uint8_t> data, uint8_t model) {
    TBytes msg = {0xF0, kRoland, uint8_t(deviceId & 0x7F), uint8_t(model & 0x7F), kCommandDT1};
    const size_t body = msg.size();
    for (uint8_t a : address) msg.push_back(a & 0x7F);
    const size_t room = kMaxSysexLength - body - 3 - 2;  // address, checksum and F7
    for (size_t i = 0; i < data.size() && i < room; ++i) msg.push_back(DataByte(data[i]));
    msg.push_back(Checksum(std::span<const uint8_t>(msg).subspan(body)));
    msg.push_back(0xF7);
    return msg;
}

TBytes BuildSystemMessage(const TVGS& image, int number) {
    if (!TVGS::ValidSystem(number)) return {};
    const TOneParameter& p = image.System(number);
    const TBytes data = EncodeData(image, 0, TLinkData{LinkSystem, number, 0, 0, 0}, p.Value);
    return BuildDT1(image.DeviceId, p.Address.Bytes, data);
}

TBytes BuildPartMessage(const TVGS& image, int port, int part, int parameter) {
    if (!TVGS::ValidPart(port, part, parameter)) return {};
    const TOneParameter& p = image.Part(port, part, parameter);
    if (p.Address.Length != 3) return {};  // Master Coarse Tuning goes as an RPN
    TBytes data;
    if (parameter > ppScaleTuningC && parameter <= ppScaleTuningB)
        data.push_back(DataByte(p.Value));  // one scale step at its own address
    else
        data = EncodeData(image, port, TLinkData{LinkPart, part, parameter, 0, 0}, p.Value);
    return BuildDT1(image.DeviceId, p.Address.Bytes, data);
}

TBytes BuildDrumMessage(const TVGS& image, bool userDrum, int port, int mapOrSet, int parameter, int note) {
    const bool valid = userDrum ? TVGS::ValidUserDrum(mapOrSet, parameter, note)
                                : TVGS::ValidDrum(port, mapOrSet, parameter, note);
    if (!valid) return {};
    const TOneParameter& p = userDrum ? image.UserDrum(mapOrSet, parameter, note)
                                      : image.Drum(port, mapOrSet, parameter, note);
    const uint8_t data = DataByte(p.Value);
    return BuildDT1(image.DeviceId, p.Address.Bytes, std::span<const uint8_t>(&data, 1));
}

TDataSet ChangeDataSet(const TVGS& image, int port, const TOneParameter& record, const TLinkData& link) {
    TDataSet set;
    if (record.Address.Length != 3) return set;
    set.Address = record.Address.Bytes;
    // Any scale step goes out as the whole block of twelve at the address of C.
    if (link.Kind == LinkPart && link.Index >= ppScaleTuningC && link.Index <= ppScaleTuningB)
        set.Address = image.Part(port, link.Owner, ppScaleTuningC).Address.Bytes;
    set.Data = EncodeData(image, port, link, record.Value);
    set.Valid = true;
    return set;
}

TBytes BuildChangeMessage(const TVGS& image, int port, const TOneParameter& record, const TLinkData& link) {
    const TDataSet set = ChangeDataSet(image, port, record, link);
    return set.Valid ? BuildDT1(image.DeviceId, set.Address, set.Data) : TBytes{};
}

TBytes GsResetMessage(int deviceId) {
    const uint8_t zero = 0;
    return BuildDT1(deviceId, kGsResetAddress, std::span<const uint8_t>(&zero, 1));
}

TBytes SystemModeSetMessage(int deviceId, uint8_t mode) {
    return BuildDT1(deviceId, kSystemModeSetAddress, std::span<const uint8_t>(&mode, 1));
}

TBytes DisplayMessage(int deviceId, const std::array<uint8_t, 3>& address, std::span<const uint8_t> data) {
    return BuildDT1(deviceId, address, data, kModelDisplay);
}

TBytes ToneReselectMessage(const TVGS& image, int port, int part) {
    if (!TVGS::ValidPart(port, part, ppToneNumber)) return {};
    const TOneParameter& p = image.Part(port, part, ppToneNumber);
    TBytes data;
    AppendTwo(data, p.Value, 128, 16383);
    return BuildDT1(image.DeviceId, p.Address.Bytes, data);
}

const TChannelForm& ChannelForm(int partParameter) {
    static const std::array<TChannelForm, kPartParameterCount + 1> forms = [] {
        std::array<TChannelForm, kPartParameterCount + 1> f;
        f.fill(TChannelForm{});
        f[ppToneNumber].Cc = 0;
        f[ppMasterCoarseTuning].RpnMsb = 0; f[ppMasterCoarseTuning].RpnLsb = 2;
        f[ppVolume].Cc = 7;
        f[ppPanpot].Cc = 10;
        f[17].Cc = 93;
        f[18].Cc = 91;
        f[ppPitchFineTune].RpnMsb = 0; f[ppPitchFineTune].RpnLsb = 1;
        f[20].Cc = 94;
        f[ppToneMap].Cc = 32;
        const int nrpn[][2] = {{25, 8}, {26, 9}, {27, 32}, {28, 33}, {29, 99}, {30, 100}, {31, 102}, {32, 10}};
        for (const auto& n : nrpn) { f[n[0]].NrpnMsb = 1; f[n[0]].NrpnLsb = n[1]; }
        f[ppBendPitchControl].RpnMsb = 0; f[ppBendPitchControl].RpnLsb = 0;
        return f;
    }();
    static const TChannelForm none{};
    return partParameter >= 1 && partParameter <= kPartParameterCount ? forms[partParameter] : none;
}

int PartChannel(const TVGS& image, int port, int part) {
    const int32_t ch = image.Part(port, part, ppRxChannel).Value;
    return ch >= 0 && ch <= 15 ? ch : (part - 1 + 16) % 16;
}

TPartChannelBytes PartChannelBytes(const TVGS& image, int port, int part) {
    TPartChannelBytes b;
    if (!TVGS::ValidPart(port, part, 1)) return b;
    const int ch = PartChannel(image, port, part);
    const int32_t tone = std::clamp<int32_t>(image.Part(port, part, ppToneNumber).Value, 0, 16383);
    b.ControlStatus = uint8_t(0xB0 | ch);
    b.ProgramStatus = uint8_t(0xC0 | ch);
    b.BankMsb = DataByte(tone / 128);
    b.BankLsb = DataByte(image.Part(port, part, ppToneMap).Value);
    b.Program = DataByte(tone % 128);
    return b;
}

bool PartNrpnBytes(const TVGS& image, int port, int part, int parameter, TShortMessage& out) {
    const TChannelForm& form = ChannelForm(parameter);
    if (form.Cc < 0 || !TVGS::ValidPart(port, part, parameter)) return false;
    int32_t value = image.Part(port, part, parameter).Value;
    if (parameter == ppToneNumber) value = std::clamp<int32_t>(value, 0, 16383) / 128;  // bank select MSB
    out = TShortMessage{uint8_t(0xB0 | PartChannel(image, port, part)), uint8_t(form.Cc), DataByte(value)};
    return true;
}

std::array<TShortMessage, 4> RpnSequence(int channel, int msb, int lsb, int dataMsb, int dataLsb) {
    const uint8_t status = uint8_t(0xB0 | (channel & 0x0F));
    return {TShortMessage{status, 0x65, DataByte(msb)}, TShortMessage{status, 0x64, DataByte(lsb)},
            TShortMessage{status, 0x06, DataByte(dataMsb)}, TShortMessage{status, 0x26, DataByte(dataLsb)}};
}

bool PartRpnBytes(const TVGS& image, int port, int part, int pair, int parameter, std::array<TShortMessage, 4>& out) {
    const TChannelForm& form = ChannelForm(parameter);
    const int msb = pair == 0 ? form.NrpnMsb : form.RpnMsb;
    const int lsb = pair == 0 ? form.NrpnLsb : form.RpnLsb;
    if (msb < 0 || !TVGS::ValidPart(port, part, parameter)) return false;
    const int32_t value = image.Part(port, part, parameter).Value;
    int dataMsb = value, dataLsb = 0;
    if (parameter == ppPitchFineTune) {
        const int32_t v = std::clamp<int32_t>(value, 0, 16383);
        dataMsb = v / 128;
        dataLsb = v % 128;
    } else if (parameter == ppBendPitchControl) {
        dataMsb = std::abs(value - 64);  // the bend range in semitones
    }
    out = RpnSequence(PartChannel(image, port, part), msb, lsb, dataMsb, dataLsb);
    if (pair == 0) {  // NRPN numbers are controllers 99 and 98
        out[0].Data1 = 0x63;
        out[1].Data1 = 0x62;
    }
    return true;
}

std::optional<int32_t> DecodeReply(TVGS& image, int kind, int parameter, std::span<const uint8_t> reply, int port) {
    constexpr size_t kFirstData = 8;  // F0 41 dev 42 12 a1 a2 a3 d1 ...
    auto data = [&](size_t count) -> std::optional<std::span<const uint8_t>> {
        if (reply.size() < kFirstData + count) return std::nullopt;
        const auto d = reply.subspan(kFirstData, count);
        if (std::any_of(d.begin(), d.end(), [](uint8_t b) { return b >= 0x80; })) return std::nullopt;
        return d;
    };
    if (kind == rkSystem) {
        if (parameter == spMasterTune) {
            const auto d = data(4);
            if (!d) return std::nullopt;
            return (*d)[0] * 4096 + (*d)[1] * 256 + (*d)[2] * 16 + (*d)[3];
        }
        if (parameter == spEfxType) {
            const auto d = data(2);
            if (!d) return std::nullopt;
            return (*d)[0] * 128 + (*d)[1];
        }
    } else if (kind == rkPart) {
        if (parameter == ppToneNumber || parameter == ppPitchFineTune || parameter == ppPitchOffsetFine) {
            const auto d = data(2);
            if (!d) return std::nullopt;
            return (*d)[0] * (parameter == ppPitchOffsetFine ? 16 : 128) + (*d)[1];
        }
        if (parameter == ppToneMap) {
            const auto d = data(1);
            if (!d) return std::nullopt;
            return (*d)[0] == 0 ? image.ToneMapOfModuleType() : (*d)[0];
        }
        if (parameter == ppScaleTuningC && reply.size() == 22) {
            const auto d = data(12);
            if (!d) return std::nullopt;
            const int b = reply[6] & 0x0F;
            const int part = b == 0 ? 10 : b <= 9 ? b : b + 1;
            if (port >= 0 && port < kPortCount)
                for (int k = 0; k < 12; ++k) TImageWriter(image).Part(port, part, ppScaleTuningC + k).Value = (*d)[k];
            return (*d)[0];
        }
    }
    const auto d = data(1);
    if (!d) return std::nullopt;
    return (*d)[0];
}

int OutputForMessage(TLinkKind kind, int port, int activePortCount) {
    const int output = (kind == LinkSystem || kind == LinkUserDrum) ? 0 : port;
    return output >= 0 && output < activePortCount && output < kPortCount ? output : -1;
}

}  // namespace veka

namespace veka {
std::string HexText(std::span<const uint8_t> bytes, THexSpacing spacing) {
    const bool spaced = spacing == THexSpacing::Blank;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (spaced && i > 0) out += ' ';
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0x0F];
    }
    return out;
}
}  // namespace veka
