#pragma once
// Roland exclusive messages: the GS address map, data encodings, DT1 framing and checksum,
// the channel messages that stand in for some part parameters, reply decoding, and the rule
// that says which output a message goes to.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "module/one_parameter.h"

namespace veka {

class TVGS;

using TBytes = std::vector<uint8_t>;

inline constexpr size_t kMaxSysexLength = 255;  // a whole message never exceeds this
inline constexpr uint8_t kRoland = 0x41;
inline constexpr uint8_t kModelGS = 0x42;
inline constexpr uint8_t kModelDisplay = 0x45;
inline constexpr uint8_t kCommandDT1 = 0x12;
inline constexpr uint8_t kCommandRQ1 = 0x11;

// The DT1 and RQ1 headers, built once from the device id when the settings are read.
struct TSysexHeaders {
    std::array<uint8_t, 5> DT1{};  // F0 41 dev 42 12
    std::array<uint8_t, 5> RQ1{};  // F0 41 dev 42 11
};
TSysexHeaders MakeHeaders(int deviceId);

// 128 - (sum of address and data bytes mod 128), 0 instead of 128.
uint8_t Checksum(std::span<const uint8_t> addressAndData);

// Block number of a part in its address: 1..9 -> 1..9, 10 -> 0, 11..16 -> 10..15 (17..32 alike).
int PartBlock(int part);

// The data bytes for a parameter and a value. Scale tuning (33..44) gives the twelve current
// values of the link's part on the given port. Bytes are limited to 0..127 whatever the value.
TBytes EncodeData(const TVGS& image, int port, const TLinkData& link, int32_t value);

// A complete DT1 message: header, address, data, checksum, F7. Data bytes above 7F are
// limited to 7F, and the message is cut to the data that fits in 255 bytes.
TBytes BuildDT1(int deviceId, const std::array<uint8_t, 3>& address, std::span<const uint8_t> data,
                uint8_t model = kModelGS);

// The message of a parameter's current value.
TBytes BuildSystemMessage(const TVGS& image, int number);
TBytes BuildPartMessage(const TVGS& image, int port, int part, int parameter);  // empty for 111
TBytes BuildDrumMessage(const TVGS& image, bool userDrum, int port, int mapOrSet, int parameter, int note);
// Address and data bytes of the message the live path sends for one change.
struct TDataSet {
    std::array<uint8_t, 3> Address{};
    TBytes Data;
    bool Valid = false;  // false for a parameter without an exclusive address
};
TDataSet ChangeDataSet(const TVGS& image, int port, const TOneParameter& record, const TLinkData& link);
// The message the live path sends for one change (the record and link of an OnChange):
// the record's address (parameter 33's for any scale tuning) with EncodeData's bytes.
TBytes BuildChangeMessage(const TVGS& image, int port, const TOneParameter& record, const TLinkData& link);

// Fixed messages and their addresses.
inline constexpr std::array<uint8_t, 3> kGsResetAddress{0x40, 0x00, 0x7F};
inline constexpr std::array<uint8_t, 3> kSystemModeSetAddress{0x00, 0x00, 0x7F};
TBytes GsResetMessage(int deviceId);                        // 40 00 7F 00
TBytes SystemModeSetMessage(int deviceId, uint8_t mode = 0);  // 00 00 7F mode ("Init")
TBytes DisplayMessage(int deviceId, const std::array<uint8_t, 3>& address, std::span<const uint8_t> data);
// Re-selection of a user drum set: a DT1 to the part's tone number with its two bytes.
TBytes ToneReselectMessage(const TVGS& image, int port, int part);

// Channel-message forms of part parameters ("-1" = none).
struct TChannelForm {
    int Cc = -1;
    int NrpnMsb = -1, NrpnLsb = -1;
    int RpnMsb = -1, RpnLsb = -1;
};
const TChannelForm& ChannelForm(int partParameter);

struct TShortMessage {
    uint8_t Status = 0, Data1 = 0, Data2 = 0;
    bool operator==(const TShortMessage&) const = default;
};

// Channel of a part for the song writer: its "Rx. Channel", or (part - 1) mod 16 when off.
int PartChannel(const TVGS& image, int port, int part);

struct TPartChannelBytes {
    uint8_t ControlStatus = 0xB0, ProgramStatus = 0xC0, BankMsb = 0, BankLsb = 0, Program = 0;
};
TPartChannelBytes PartChannelBytes(const TVGS& image, int port, int part);
// The control change that carries a part parameter; false when it has no CC form.
bool PartNrpnBytes(const TVGS& image, int port, int part, int parameter, TShortMessage& out);
// The NRPN (pair 0) or RPN (pair 1) sequence: number MSB, number LSB, data entry MSB, LSB.
// False when the parameter has no such form.
bool PartRpnBytes(const TVGS& image, int port, int part, int pair, int parameter,
                  std::array<TShortMessage, 4>& out);
// An RPN sequence on a channel: B(ch) 65 msb, B 64 lsb, B 06 data, B 26 data LSB.
std::array<TShortMessage, 4> RpnSequence(int channel, int msb, int lsb, int dataMsb, int dataLsb);

// Decodes the value of a requested part (kind 0) or system (kind 2) parameter from a DT1 reply
// as received. Nothing when the reply is too short, not a DT1 or holds a byte above 7F. A part
// scale tuning reply of exactly 22 bytes also stores parameters 33..44 of the part its address
// names on the port that was asked (without events).
enum TReplyKind : int { rkPart = 0, rkSystem = 2 };
std::optional<int32_t> DecodeReply(TVGS& image, int kind, int parameter, std::span<const uint8_t> reply,
                                   int port = 0);

// Which output (0..3) a message goes to, or -1 when its port is not active. System and user
// drum messages go to the first output, parts and drum maps to their own port's output.
int OutputForMessage(TLinkKind kind, int port, int activePortCount);

}  // namespace veka

namespace veka {
// How the bytes of an exclusive message's text are separated ("sysx space"): by one blank, or
// by nothing. One type from the settings file to the status bar, the history and the clipboard.
enum class THexSpacing { Blank, None };
// Two upper-case hexadecimal digits per byte, separated as spacing says.
std::string HexText(std::span<const uint8_t> bytes, THexSpacing spacing = THexSpacing::Blank);
}  // namespace veka
