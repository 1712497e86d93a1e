#include "smf/order_file.h"

#include <cstring>

#include "module/exclusive.h"
#include "module/parameter_tables.h"
#include "module/safe_file.h"

namespace veka {

namespace {

constexpr size_t kTagSize = 20;
constexpr size_t kCountOffset = 20;
constexpr size_t kItemsOffset = 24;
static_assert(kOrderFileTag.size() == kTagSize);

}  // namespace

bool ValidOrderParameter(int group, int index) {
    switch (group) {
        case ogSystem: return index >= 1 && index <= kSystemParameterCount;
        case ogPart: return index >= 1 && index <= kPartParameterCount;
        case ogDrum: return index >= 1 && index <= kDrumParameterCount;
        case ogUserDrum: return index >= 0 && index <= kUserDrumParameterCount;
        default: return false;
    }
}

TOrderItem MakeOrderItem(int group, int index, int form, bool changedOnly) {
    TOrderItem item;
    item.Group = uint8_t(group);
    item.Index = uint8_t(index);
    item.ChangedOnly = changedOnly ? 1 : 0;
    if (group == ogPart) {
        const TChannelForm& channel = ChannelForm(index);
        item.Forms[ofSysx] = index != ppMasterCoarseTuning;
        item.Forms[ofCC] = channel.Cc >= 0;
        item.Forms[ofNRPN] = channel.NrpnMsb >= 0;
        item.Forms[ofRPN] = channel.RpnMsb >= 0;
    } else {
        item.Forms[ofSysx] = 1;
    }
    if (form >= 0 && form < 4 && item.Forms[size_t(form)]) {
        item.Form = uint8_t(form);
    } else {
        for (uint8_t k = 0; k < 4; ++k)
            if (item.Forms[k]) { item.Form = k; break; }
    }
    return item;
}

TOrderList DefaultOrderList() {
    TOrderList list;
    // System and effects in table order: each macro and the insertion type come before the
    // details they reset.
    for (int n = 1; n <= kSystemParameterCount; ++n) list.push_back(MakeOrderItem(ogSystem, n));
    // Parts: receive port and channel, then the drum map assignment, tone map and tone (the
    // module picks the drum set when the tone arrives), then the rest; the scale tuning block
    // is one message, sent through its first parameter.
    for (int n : {ppRxPort, ppRxChannel, ppRhythm, ppToneMap, ppToneNumber}) list.push_back(MakeOrderItem(ogPart, n));
    for (int n = 4; n <= ppScaleTuningC; ++n) {
        if (n == ppRxChannel || n == ppRhythm || n == ppToneMap) continue;
        list.push_back(MakeOrderItem(ogPart, n));
    }
    for (int n = ppScaleTuningB + 1; n < ppMasterCoarseTuning; ++n) list.push_back(MakeOrderItem(ogPart, n));
    list.push_back(MakeOrderItem(ogPart, ppMasterCoarseTuning, ofRPN));
    for (int n = 1; n <= kDrumParameterCount; ++n) list.push_back(MakeOrderItem(ogDrum, n));
    list.push_back(MakeOrderItem(ogUserDrum, 1));
    return list;
}

bool ParseOrderFile(std::span<const uint8_t> bytes, TOrderList& list) {
    list.clear();
    if (bytes.size() < kItemsOffset || bytes.size() > kMaxOrderFileSize) return false;
    if (std::memcmp(bytes.data(), kOrderFileTag.data(), kTagSize) != 0) return false;
    const uint32_t count = uint32_t(bytes[kCountOffset]) | uint32_t(bytes[kCountOffset + 1]) << 8 |
                           uint32_t(bytes[kCountOffset + 2]) << 16 | uint32_t(bytes[kCountOffset + 3]) << 24;
    // A negative count reads as a huge one here and fails the same test.
    if (count > (bytes.size() - kItemsOffset) / kOrderItemSize) return false;
    list.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* r = bytes.data() + kItemsOffset + i * kOrderItemSize;
        if (!ValidOrderParameter(r[5], r[6])) continue;
        TOrderItem item = MakeOrderItem(r[5], r[6], r[4], r[7] != 0);
        item.ChangedOnly = r[7];
        list.push_back(item);
    }
    return true;
}

std::vector<uint8_t> OrderFileBytes(const TOrderList& list) {
    std::vector<uint8_t> bytes(kItemsOffset + list.size() * kOrderItemSize, 0);
    std::memcpy(bytes.data(), kOrderFileTag.data(), kTagSize);
    const uint32_t count = uint32_t(list.size());
    for (size_t i = 0; i < 4; ++i) bytes[kCountOffset + i] = uint8_t(count >> (8 * i));
    uint8_t* r = bytes.data() + kItemsOffset;
    for (const TOrderItem& item : list) {
        std::memcpy(r, item.Forms.data(), 4);
        r[4] = item.Form;
        r[5] = item.Group;
        r[6] = item.Index;
        r[7] = item.ChangedOnly;
        r += kOrderItemSize;
    }
    return bytes;
}

bool ReadOrderFile(const std::string& path, TOrderList& list, std::string& error) {
    list.clear();
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadWholeFile(path, kMaxOrderFileSize, bytes, reason)) {
        error = std::string(kOrderReadError) + " (" + reason + ")";
        return false;
    }
    if (!ParseOrderFile(bytes, list)) {
        error = std::string(kOrderReadError) + " (" + path + ")";
        return false;
    }
    return true;
}

bool WriteOrderFile(const TOrderList& list, const std::string& path, std::string& error) {
    return ReplaceFile(path, OrderFileBytes(list), error);
}

}  // namespace veka
