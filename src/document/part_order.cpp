#include "document/part_order.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "module/parameter_tables.h"
#include "module/safe_file.h"
#include "document/settings.h"

namespace veka {

namespace {

constexpr size_t kMagicSize = 20;
constexpr size_t kNameOffset = 20;
constexpr size_t kCountOffset = 276;
constexpr size_t kEntriesOffset = 280;
constexpr size_t kEntrySize = 20;
// The largest real file is 280 + 111 * 20 = 2500 bytes; anything much larger is not ours.
constexpr uintmax_t kMaxOrderFileBytes = 16 * 1024;
constexpr size_t kMaxNameCharacters = 255;
static_assert(kPartOrderMagic.size() == kMagicSize);

int32_t ReadInt32(const uint8_t* p) {
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void WriteInt32(uint8_t* p, int32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(uint32_t(value) >> (8 * i));
}

// Length of the well-formed UTF-8 sequence at text[at], 0 when it is not one.
size_t Utf8SequenceLength(std::string_view text, size_t at) {
    const auto b = [&](size_t i) { return uint8_t(text[at + i]); };
    const uint8_t lead = b(0);
    size_t length;
    uint32_t min;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) { length = 2; min = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; min = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; min = 0x10000; }
    else return 0;
    if (at + length > text.size()) return 0;
    uint32_t cp = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (b(i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

bool ValidUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t n = Utf8SequenceLength(text, at);
        if (n == 0) return false;
        at += n;
    }
    return true;
}

// The first maxCharacters characters of well-formed UTF-8.
std::string CutCharacters(const std::string& text, size_t maxCharacters) {
    size_t at = 0;
    for (size_t count = 0; at < text.size() && count < maxCharacters; ++count) {
        const size_t n = Utf8SequenceLength(text, at);
        at += n == 0 ? 1 : n;
    }
    return text.substr(0, at);
}

class TConverter {
public:
    TConverter(const char* to, const char* from) : Handle_(iconv_open(to, from)) {}
    ~TConverter() {
        if (Valid()) iconv_close(Handle_);
    }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;
    bool Valid() const { return Handle_ != iconv_t(-1); }

    // Converts as much of [in, in + inSize) as it can; returns the bytes written to out, or -1
    // when the first input bytes cannot be converted. Stateless encodings only.
    long Convert(const char* in, size_t inSize, char* out, size_t outSize, size_t& consumed) {
        iconv(Handle_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        char* dst = out;
        size_t srcLeft = inSize, dstLeft = outSize;
        const size_t result = iconv(Handle_, &src, &srcLeft, &dst, &dstLeft);
        consumed = inSize - srcLeft;
        if (result == size_t(-1) && consumed == 0 && errno != E2BIG) return -1;
        return long(outSize - dstLeft);
    }

private:
    iconv_t Handle_;
};

}  // namespace

std::string_view OrderDataReadError(TLanguage language) {
    return language == TLanguage::Japanese ? "Order Data 読み取りエラー" : "Order Data read error";
}

std::string PartOrderFileName(const std::string& folder, int n) {
    return (std::filesystem::path(folder) / ("partorder" + std::to_string(n) + ".dat")).string();
}

std::string OrderNameKey(int n) { return "Part Window Order Name" + std::to_string(n + 1); }

std::string DefaultOrderName(int n) { return "Order " + std::to_string(n + 1); }

std::string OrderName(const TSettings& settings, int n) {
    std::string name = settings.ReadString("Form", OrderNameKey(n), DefaultOrderName(n));
    // Files written by earlier versions keep the names in CP932; ours are UTF-8.
    if (!ValidUtf8(name)) name = Cp932ToUtf8(name);
    return name;
}

std::string OrderNameToCp932(const std::string& utf8) {
    TConverter converter("CP932", "UTF-8");
    std::string out;
    for (size_t at = 0; at < utf8.size();) {
        const size_t n = Utf8SequenceLength(utf8, at);
        std::string piece = "?";
        if (n == 1) {
            piece = utf8.substr(at, 1);
        } else if (n > 1 && converter.Valid()) {
            std::array<char, 8> buffer{};
            size_t consumed = 0;
            const long written = converter.Convert(utf8.data() + at, n, buffer.data(), buffer.size(), consumed);
            if (written > 0 && consumed == n) piece.assign(buffer.data(), size_t(written));
        }
        if (out.size() + piece.size() > kOrderNameBytes) break;
        out += piece;
        at += n == 0 ? 1 : n;
    }
    return out;
}

std::string Cp932ToUtf8(const std::string& cp932) {
    TConverter converter("UTF-8", "CP932");
    std::string out;
    std::array<char, 1024> buffer{};
    for (size_t at = 0; at < cp932.size();) {
        size_t consumed = 0;
        const long written = converter.Valid()
                                 ? converter.Convert(cp932.data() + at, cp932.size() - at, buffer.data(),
                                                     buffer.size(), consumed)
                                 : -1;
        if (written < 0 || consumed == 0) {
            out += uint8_t(cp932[at]) < 0x80 ? cp932[at] : '?';
            ++at;
            continue;
        }
        out.append(buffer.data(), size_t(written));
        at += consumed;
    }
    return out;
}

std::vector<uint8_t> OrderFileBytes(const std::vector<TLinkData>& list, const std::string& name) {
    std::vector<uint8_t> bytes(kEntriesOffset + list.size() * kEntrySize, 0);
    std::memcpy(bytes.data(), kPartOrderMagic.data(), kMagicSize);
    const std::string stored = OrderNameToCp932(name);
    bytes[kNameOffset] = uint8_t(stored.size());
    std::memcpy(bytes.data() + kNameOffset + 1, stored.data(), stored.size());
    WriteInt32(bytes.data() + kCountOffset, int32_t(list.size()));
    uint8_t* p = bytes.data() + kEntriesOffset;
    for (const TLinkData& entry : list) {
        p[0] = entry.Kind;
        WriteInt32(p + 4, entry.Owner);
        WriteInt32(p + 8, entry.Index);
        WriteInt32(p + 12, entry.Data);
        WriteInt32(p + 16, entry.Spare);
        p += kEntrySize;
    }
    return bytes;
}

TOrderReadStatus ParseOrderBytes(std::span<const uint8_t> bytes, std::vector<TLinkData>& list) {
    list.clear();
    if (bytes.size() < kMagicSize || std::memcmp(bytes.data(), kPartOrderMagic.data(), kMagicSize) != 0)
        return TOrderReadStatus::BadMagic;
    if (bytes.size() < kEntriesOffset) return TOrderReadStatus::Damaged;
    const int32_t count = ReadInt32(bytes.data() + kCountOffset);
    if (count < 0 || count > kMaxOrderEntries || size_t(count) > (bytes.size() - kEntriesOffset) / kEntrySize)
        return TOrderReadStatus::Damaged;
    list.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* p = bytes.data() + kEntriesOffset + size_t(i) * kEntrySize;
        const int32_t index = ReadInt32(p + 8);
        if (index < 1 || index > kPartParameterCount) continue;
        int32_t width = ReadInt32(p + 16);
        if (width < kMinColumnWidth || width > kMaxColumnWidth) width = kDefaultColumnWidth;
        // Only the parameter and the width carry meaning; the rest is rebuilt as the program
        // writes it, so nothing from a damaged file reaches the grid's link data.
        list.push_back(TLinkData{LinkPart, 0, index, 0, width});
    }
    return TOrderReadStatus::Ok;
}

TOrderReadStatus LoadOrder(std::vector<TLinkData>& list, int n, const std::string& folder, TSettings& settings,
                           std::string& name) {
    list.clear();
    if (n < 0 || n >= kOrderFileCount) {
        name = DefaultOrderName(n);
        return TOrderReadStatus::Missing;
    }
    TOrderReadStatus status = TOrderReadStatus::Missing;
    const std::string path = PartOrderFileName(folder, n);
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        std::vector<uint8_t> bytes;
        std::string reason;
        status = ReadWholeFile(path, kMaxOrderFileBytes, bytes, reason) ? ParseOrderBytes(bytes, list)
                                                                        : TOrderReadStatus::Damaged;
    }
    name = OrderName(settings, n);
    return status;
}

bool SaveOrder(const std::vector<TLinkData>& list, int n, const std::string& folder, TSettings& settings,
               const std::string& name, std::string& error) {
    if (n < 0 || n >= kOrderFileCount) {
        error = "order " + std::to_string(n) + " does not exist";
        return false;
    }
    if (list.size() > size_t(kMaxOrderEntries)) {
        error = "an order holds at most " + std::to_string(kMaxOrderEntries) + " columns";
        return false;
    }
    if (!ReplaceFile(PartOrderFileName(folder, n), OrderFileBytes(list, name), error)) return false;
    if (!settings.WriteString("Form", OrderNameKey(n), CutCharacters(name, kMaxNameCharacters))) {
        error = settings.LastError();
        return false;
    }
    return true;
}

void DefaultOrder(std::vector<TLinkData>& list) {
    list.clear();
    for (int index : {9, 12, 17, 18, 20, 22, 27, 28, 29, 30, 31, 25, 26, 32})
        list.push_back(TLinkData{LinkPart, 0, index, 0, kDefaultColumnWidth});
}

void MoveOrderEntry(std::vector<TLinkData>& list, int from, int to) {
    if (from < 0 || to < 0 || from >= int(list.size()) || to >= int(list.size())) return;
    const TLinkData moved = list[size_t(from)];
    list.erase(list.begin() + from);
    list.insert(list.begin() + to, moved);
}

}  // namespace veka
