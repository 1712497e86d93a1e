#include "smf/gs_exclusive_decode.h"

#include <algorithm>

#include "module/exclusive.h"
#include "module/image.h"
#include "module/parameter_tables.h"

namespace veka {

namespace {

constexpr uint8_t kPortBOffset = 0x10;  // 40 -> 50, 41 -> 51

// Parameter numbers by address, built once from the tables: system [a2 0..3][a3], part
// templates [40 10 xx, 40 20 xx, 40 40 xx][a3]. 0 = no parameter starts there.
struct TAddressTables {
    std::array<std::array<uint8_t, 128>, 4> System{};
    std::array<std::array<uint8_t, 128>, 3> Part{};
};

int PartTemplateRow(uint8_t a2High) {
    switch (a2High) {
        case 0x10: return 0;
        case 0x20: return 1;
        case 0x40: return 2;
        default: return -1;
    }
}

const TAddressTables& Tables() {
    static const TAddressTables tables = [] {
        TAddressTables t;
        const auto& sys = SystemRows();
        for (int n = 1; n <= kSystemParameterCount; ++n) {
            const auto& a = sys[size_t(n)].Address;
            if (a[0] == 0x40 && a[1] <= 3 && a[2] < 128) t.System[a[1]][a[2]] = uint8_t(n);
        }
        const auto& part = PartRows();
        for (int n = 2; n < kPartParameterCount; ++n) {
            const auto& a = part[size_t(n)].Address;
            const int row = PartTemplateRow(a[1]);
            if (a[0] == 0x40 && row >= 0 && a[2] < 128) t.Part[size_t(row)][a[2]] = uint8_t(n);
        }
        return t;
    }();
    return tables;
}

int PartOfBlock(int block) { return block == 0 ? 10 : block <= 9 ? block : block + 1; }

struct TTarget {
    TLinkKind Kind = LinkSystem;
    int Port = 0, Owner = 0, Parameter = 0, Note = 0, Size = 1;
};

bool FindTarget(uint32_t address, int basePort, TTarget& t) {
    const uint8_t a1 = uint8_t(address >> 14 & 0x7F), a2 = uint8_t(address >> 7 & 0x7F), a3 = uint8_t(address & 0x7F);
    const TAddressTables& tables = Tables();
    if (a1 == 0x40 && a2 <= 3) {
        const int n = tables.System[a2][a3];
        if (n == 0) return false;
        t = {LinkSystem, 0, n, n, 0, SystemRows()[size_t(n)].Size};
        return true;
    }
    if (a1 == 0x40 || a1 == 0x40 + kPortBOffset) {
        const int row = PartTemplateRow(a2 & 0xF0);
        if (row < 0) return false;
        const int n = tables.Part[size_t(row)][a3];
        if (n == 0) return false;
        t = {LinkPart, a1 == 0x40 ? basePort : 1, PartOfBlock(a2 & 0x0F), n, 0, PartRows()[size_t(n)].Size};
        return true;
    }
    if (a1 == 0x00 && a2 == 0x01) {  // "Ch. Msg Rx Port": the only part address with its port
        if ((a3 >> 4) >= kPortCount) return false;
        t = {LinkPart, a3 >> 4, PartOfBlock(a3 & 0x0F), ppRxPort, 0, 1};
        return true;
    }
    if (a1 == 0x41 || a1 == 0x41 + kPortBOffset) {
        const int map = (a2 >> 4) + 1, parameter = a2 & 0x0F;
        if (map > kDrumMapsPerPort || parameter < 1 || parameter > kDrumParameterCount) return false;
        t = {LinkDrum, a1 == 0x41 ? basePort : 1, map, parameter, a3, 1};
        return true;
    }
    if (a1 == 0x21) {
        const int set = a2 >> 4, parameter = a2 & 0x0F;
        if (set >= kUserDrumSetCount || parameter < 1 || parameter > kUserDrumParameterCount) return false;
        t = {LinkUserDrum, 0, set, parameter, a3, 1};
        return true;
    }
    return false;
}

int32_t DecodeValue(const TVGS& image, const TTarget& t, std::span<const uint8_t> d) {
    if (t.Kind == LinkSystem && t.Parameter == spMasterTune)
        return (d[0] & 0x0F) * 4096 + (d[1] & 0x0F) * 256 + (d[2] & 0x0F) * 16 + (d[3] & 0x0F);
    if (t.Kind == LinkPart && t.Parameter == ppPitchOffsetFine) return d[0] * 16 + (d[1] & 0x0F);
    if (d.size() == 2) return d[0] * 128 + d[1];
    if (t.Kind == LinkPart && t.Parameter == ppToneMap && d[0] == 0) return image.ToneMapOfModuleType();
    return d[0];
}

bool IsGmOrXgOn(std::span<const uint8_t> m) {
    // GM system on: F0 7E dev 09 01 F7. XG system on: F0 43 1n 4C 00 00 7E 00 F7.
    if (m.size() == 6 && m[1] == 0x7E && m[3] == 0x09 && m[4] == 0x01) return true;
    return m.size() == 9 && m[1] == 0x43 && (m[2] & 0xF0) == 0x10 && m[3] == 0x4C && m[4] == 0 && m[5] == 0 &&
           m[6] == 0x7E && m[7] == 0;
}

}  // namespace

int GsAddressPort(const std::array<uint8_t, 3>& address) {
    switch (address[0]) {
        case 0x40:
        case 0x41: return 0;
        case 0x50:
        case 0x51: return 1;
        default: return -1;
    }
}

TGsMessage DecodeGsExclusive(const TVGS& image, std::span<const uint8_t> m, std::vector<TGsAssignment>& out,
                              int basePort) {
    out.clear();
    if (basePort < 0 || basePort >= kPortCount) basePort = 0;
    if (m.size() < 6 || m.front() != 0xF0 || m.back() != 0xF7) return TGsMessage::NotUnderstood;
    const auto inner = m.subspan(1, m.size() - 2);
    if (std::any_of(inner.begin(), inner.end(), [](uint8_t b) { return b >= 0x80; })) return TGsMessage::NotUnderstood;
    if (IsGmOrXgOn(m)) return TGsMessage::Reset;
    // F0 41 dev 42 12 a1 a2 a3 data... checksum F7
    if (m.size() < 11 || m[1] != kRoland || m[3] != kModelGS || m[4] != kCommandDT1) return TGsMessage::NotUnderstood;
    const auto body = m.subspan(5, m.size() - 7);  // address and data
    if (Checksum(body) != m[m.size() - 2]) return TGsMessage::NotUnderstood;
    const std::array<uint8_t, 3> a = {m[5], m[6], m[7]};
    const auto data = m.subspan(8, m.size() - 10);
    if ((a == kGsResetAddress || a == kSystemModeSetAddress) &&
        data.size() == 1)
        return TGsMessage::Reset;

    // A message may set several neighbouring parameters; the address counts in 7-bit steps.
    uint32_t address = uint32_t(a[0]) << 14 | uint32_t(a[1]) << 7 | a[2];
    size_t i = 0;
    while (i < data.size()) {
        TTarget t;
        if (!FindTarget(address, basePort, t) || data.size() - i < size_t(t.Size)) {
            out.clear();
            return TGsMessage::NotUnderstood;
        }
        out.push_back({t.Kind, t.Port, t.Owner, t.Parameter, t.Note, DecodeValue(image, t, data.subspan(i, size_t(t.Size)))});
        i += size_t(t.Size);
        address += uint32_t(t.Size);
    }
    return out.empty() ? TGsMessage::NotUnderstood : TGsMessage::Parameters;
}

}  // namespace veka
