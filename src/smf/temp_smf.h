#pragma once
// The working copy "Temp.smf": not a Standard MIDI File but a dump of a TSMF's content, kept in
// the program folder so a song read once can receive a new setup any number of times. All
// integers are 32-bit little-endian:
//   notice length L, notice (L bytes), key signature (2), tempo (bpm), time base, format,
//   denominator, numerator, track count N, then per track: name (256: length byte and up to
//   255 characters), event count E, then per event a 28-byte record (time 4, status 1, data1 1,
//   pad 2, data2 4, kind 1, pad 3, data length D 4, meta type 4, track 1, pad 3) and D bytes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veka {

class TSMF;

inline constexpr const char* kTempSmfName = "Temp.smf";
inline constexpr int kTempSmfEventSize = 28;
inline constexpr int kTempSmfNameSize = 256;
// The working copy of the largest song the reader takes, with room to spare.
inline constexpr uintmax_t kMaxTempSmfSize = 1024u * 1024u * 1024u;

std::vector<uint8_t> TempSmfBytes(const TSMF& smf);
// Through a temporary file renamed over path; false with the reason in error.
bool WriteTempSmf(const TSMF& smf, const std::string& path, std::string& error);

// Replaces smf's content with the dump. Counts and lengths that run past the end, and values no
// song can have, reject the whole file: false, error begins with "read error", smf is empty.
bool ReadTempSmf(TSMF& smf, std::span<const uint8_t> bytes, std::string& error);
bool LoadTempSmf(TSMF& smf, const std::string& path, std::string& error);

}  // namespace veka
