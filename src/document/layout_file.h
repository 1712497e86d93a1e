#pragma once
// The window layout beside a setup file: "song.ga4" keeps it in "song.dsk" (".ga3" files have
// none). 64 bytes of last-played notes (ports 0..3, parts 1..16 each), then 20-byte window
// records to the end: left, top, right, bottom (main-window client coordinates) and the
// window code, plus 128 when the window was minimised; all little-endian 32-bit integers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/new_setup.h"

namespace veka {

struct TLayoutRecord {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    int32_t Code = 0;  // window code 0..9, plus 128 when minimised
    bool Minimized() const { return Code >= 128; }
    int WindowCode() const { return Code >= 128 ? Code - 128 : Code; }
    friend bool operator==(const TLayoutRecord&, const TLayoutRecord&) = default;
};

struct TLayout {
    TLastNotes Notes;
    std::vector<TLayoutRecord> Windows;
};

// No layout file holds more windows than there are; a larger file is refused unread.
inline constexpr size_t kMaxLayoutFileSize = 64 * 1024;

// The companion of a setup file: the same folder and base name with ".dsk"; empty for ".ga3"
// files (compared without regard to case) and names without a file part.
std::string LayoutFileName(const std::string& setupFile);

struct TLayoutReadResult {
    bool Found = false;  // a missing file is no error: nothing to restore
    std::string Error;   // the file is there but unusable; nothing is taken from it
    TLayout Layout;
};

// Reads a layout file. Notes outside 0..127 are taken as 64; records with a code that names no
// window, or with a negative width or height, are left out; a short record at the end is left
// out too.
TLayoutReadResult ReadLayoutFile(const std::string& fileName);
std::vector<uint8_t> LayoutFileBytes(const TLayout& layout);
// Writes through a temporary file; false with the reason in error (the old file stays).
bool WriteLayoutFile(const std::string& fileName, const TLayout& layout, std::string& error);

}  // namespace veka
