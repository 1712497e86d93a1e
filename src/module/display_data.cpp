#include "module/display_data.h"

#include <algorithm>

#include "module/safe_file.h"

namespace veka {

namespace {

constexpr std::array<uint8_t, 3> kPictureAddress{0x10, 0x01, 0x00};
constexpr std::array<uint8_t, 3> kTextAddress{0x10, 0x00, 0x00};

void PutInt32(std::vector<uint8_t>& out, size_t at, int32_t value) {
    const uint32_t v = uint32_t(value);
    for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

int32_t GetInt32(const std::vector<uint8_t>& in, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(in[at + size_t(i)]) << (8 * i);
    return int32_t(v);
}

}  // namespace

std::array<uint8_t, 64> PictureData(const TDisplayDots& dots) {
    std::array<uint8_t, 64> data{};
    for (int row = 0; row < kDisplaySize; ++row)
        for (int column = 0; column < kDisplaySize; ++column) {
            if (!dots.Dot[size_t(column)][size_t(row)]) continue;
            const int group = std::min(column / 5, 3);
            const int bit = 4 - (column - group * 5);
            data[size_t(group * 16 + row)] |= uint8_t(1u << bit);
        }
    return data;
}

TBytes PictureMessage(int deviceId, const TDisplayDots& dots) {
    const auto data = PictureData(dots);
    return DisplayMessage(deviceId, kPictureAddress, data);
}

std::string DisplayText(const std::string& utf8) {
    std::string text;
    for (size_t i = 0; i < utf8.size() && text.size() < kDisplayTextMax;) {
        const auto c = uint8_t(utf8[i]);
        if (c < 0x80) {
            text += c >= 0x20 && c < 0x7F ? char(c) : '?';
            ++i;
            continue;
        }
        // One character the display cannot show, however many bytes it takes.
        text += '?';
        ++i;
        while (i < utf8.size() && (uint8_t(utf8[i]) & 0xC0) == 0x80) ++i;
    }
    return text;
}

TBytes TextMessage(int deviceId, const std::string& utf8) {
    const std::string text = DisplayText(utf8);
    const std::vector<uint8_t> data(text.begin(), text.end());
    return DisplayMessage(deviceId, kTextAddress, data);
}

std::vector<uint8_t> DisplayPresetBytes(const TDisplayPreset& preset) {
    std::vector<uint8_t> bytes(kDisplayPresetBytes, 0);
    const std::string text = DisplayText(preset.Text);
    PutInt32(bytes, 0, int32_t(text.size()));
    for (int column = 0; column < kDisplaySize; ++column)
        for (int row = 0; row < kDisplaySize; ++row)
            bytes[4 + size_t(column * kDisplaySize + row)] = preset.Dots.Dot[size_t(column)][size_t(row)] ? 1 : 0;
    std::copy(text.begin(), text.end(), bytes.begin() + 260);
    return bytes;
}

bool ParseDisplayPreset(const std::vector<uint8_t>& bytes, TDisplayPreset& preset, std::string& error) {
    if (bytes.size() != kDisplayPresetBytes) {
        error = "not a display preset: " + std::to_string(bytes.size()) + " bytes instead of 292";
        return false;
    }
    const int32_t count = GetInt32(bytes, 0);
    if (count < 0 || size_t(count) > kDisplayTextMax) {
        error = "not a display preset: a text of " + std::to_string(count) + " characters";
        return false;
    }
    TDisplayPreset read;
    for (int column = 0; column < kDisplaySize; ++column)
        for (int row = 0; row < kDisplaySize; ++row) {
            const uint8_t dot = bytes[4 + size_t(column * kDisplaySize + row)];
            if (dot > 1) {
                error = "not a display preset: a dot byte of " + std::to_string(dot);
                return false;
            }
            read.Dots.Dot[size_t(column)][size_t(row)] = dot;
        }
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t c = bytes[260 + size_t(i)];
        if (c >= 0x80) {
            error = "not a display preset: a text byte of 80 hex or more";
            return false;
        }
        // A control character is taken as the display shows it, so the text saved again is the
        // text read.
        read.Text += c >= 0x20 && c < 0x7F ? char(c) : '?';
    }
    preset = std::move(read);
    return true;
}

bool ReadDisplayPreset(const std::string& path, TDisplayPreset& preset, std::string& error) {
    std::vector<uint8_t> bytes;
    // One byte more than a preset, so that a longer file is told apart.
    if (!ReadWholeFile(path, kDisplayPresetBytes + 1, bytes, error)) return false;
    if (!ParseDisplayPreset(bytes, preset, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool WriteDisplayPreset(const std::string& path, const TDisplayPreset& preset, std::string& error) {
    const std::vector<uint8_t> bytes = DisplayPresetBytes(preset);
    return ReplaceFile(path, bytes, error);
}

}  // namespace veka
