#include "document/layout_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "module/safe_file.h"

namespace veka {

namespace {

constexpr size_t kNoteBytes = 64;
constexpr size_t kRecordBytes = 20;
constexpr int kWindowCodes = 10;

int32_t ReadInt32(const uint8_t* p) {
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void AppendInt32(std::vector<uint8_t>& bytes, int32_t value) {
    const auto u = uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(u >> shift));
}

bool LowerEquals(const std::string& a, const char* b) {
    const std::string_view other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == y; });
}

}  // namespace

std::string LayoutFileName(const std::string& setupFile) {
    const std::filesystem::path path(setupFile);
    if (!path.has_filename() || LowerEquals(path.extension().string(), ".ga3")) return {};
    std::filesystem::path layout = path;
    layout.replace_extension(".dsk");
    return layout.string();
}

TLayoutReadResult ReadLayoutFile(const std::string& fileName) {
    TLayoutReadResult result;
    std::error_code code;
    if (fileName.empty() || !std::filesystem::is_regular_file(fileName, code)) return result;
    result.Found = true;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(fileName, kMaxLayoutFileSize, bytes, result.Error)) return result;
    if (bytes.size() < kNoteBytes) {
        result.Error = fileName + ": too short for a window layout (" + std::to_string(bytes.size()) + " bytes)";
        return result;
    }
    for (size_t i = 0; i < kNoteBytes; ++i)
        result.Layout.Notes.Notes[i / 16][i % 16] = bytes[i] <= 127 ? bytes[i] : 64;
    for (size_t at = kNoteBytes; at + kRecordBytes <= bytes.size(); at += kRecordBytes) {
        const uint8_t* p = bytes.data() + at;
        const TLayoutRecord record{ReadInt32(p), ReadInt32(p + 4), ReadInt32(p + 8), ReadInt32(p + 12), ReadInt32(p + 16)};
        const bool known = (record.Code >= 0 && record.Code < kWindowCodes) ||
                           (record.Code >= 128 && record.Code < 128 + kWindowCodes);
        // Widths are computed in 64 bits: a file's extreme corners must not overflow.
        if (!known || int64_t(record.Right) - record.Left < 0 || int64_t(record.Bottom) - record.Top < 0) continue;
        result.Layout.Windows.push_back(record);
    }
    return result;
}

std::vector<uint8_t> LayoutFileBytes(const TLayout& layout) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kNoteBytes + kRecordBytes * layout.Windows.size());
    for (const auto& port : layout.Notes.Notes)
        for (int note : port) bytes.push_back(uint8_t(std::clamp(note, 0, 127)));
    for (const TLayoutRecord& r : layout.Windows)
        for (int32_t value : {r.Left, r.Top, r.Right, r.Bottom, r.Code}) AppendInt32(bytes, value);
    return bytes;
}

bool WriteLayoutFile(const std::string& fileName, const TLayout& layout, std::string& error) {
    return ReplaceFile(fileName, LayoutFileBytes(layout), error);
}

}  // namespace veka
