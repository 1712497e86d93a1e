#pragma once
// The module's display: a 16 x 16 dot picture and a line of text, the two model-45 messages
// that show them, and the ".dsp" preset file that keeps a picture with its text.
//
// Preset file (292 bytes, little-endian): int32 number of text characters (0..32); 256 dot
// bytes, byte (column x 16 + row), 0 or 1; 32 text characters (those beyond the count unused).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "module/exclusive.h"

namespace veka {

inline constexpr int kDisplaySize = 16;          // columns and rows of the picture
inline constexpr size_t kDisplayTextMax = 32;    // characters the display shows
inline constexpr size_t kDisplayPresetBytes = 292;

struct TDisplayDots {
    std::array<std::array<uint8_t, kDisplaySize>, kDisplaySize> Dot{};  // [column][row], 0 or 1
    void Fill(uint8_t value) {
        for (auto& column : Dot) column.fill(value);
    }
    friend bool operator==(const TDisplayDots&, const TDisplayDots&) = default;
};

// The 64 data bytes of the picture: four groups of 16, one byte per row; group g holds columns
// 5g..5g+4 with the leftmost as bit 4 (group 3: column 15 as bit 4).
std::array<uint8_t, 64> PictureData(const TDisplayDots& dots);
// F0 41 dev 45 12 10 01 00 <64 bytes> checksum F7.
TBytes PictureMessage(int deviceId, const TDisplayDots& dots);

// The text as the display takes it: at most 32 characters, every character the display cannot
// show (anything outside printable 7-bit ASCII, a UTF-8 sequence counting as one) as "?".
std::string DisplayText(const std::string& utf8);
// F0 41 dev 45 12 10 00 00 <text> checksum F7.
TBytes TextMessage(int deviceId, const std::string& utf8);

struct TDisplayPreset {
    TDisplayDots Dots;
    std::string Text;  // at most 32 characters, 7-bit
};

// The file's bytes, and back. Reading refuses (false, with the reason) a file that is not 292
// bytes, a count outside 0..32, dot bytes other than 0 and 1, or text bytes of 80 hex or more;
// control characters in the text read as "?", as the display shows them.
std::vector<uint8_t> DisplayPresetBytes(const TDisplayPreset& preset);
bool ParseDisplayPreset(const std::vector<uint8_t>& bytes, TDisplayPreset& preset, std::string& error);
bool ReadDisplayPreset(const std::string& path, TDisplayPreset& preset, std::string& error);
bool WriteDisplayPreset(const std::string& path, const TDisplayPreset& preset, std::string& error);

}  // namespace veka
