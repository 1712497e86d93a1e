#pragma once
// The exclusive-message export of the whole image (".syx"): one DT1 message per modified
// value, in the order Send All sends them, each complete from F0 to F7.
#include <cstdint>
#include <vector>

namespace veka {

class TVGS;

// System 1..64; then for Port A and (with 32 or 64 parts) Port B their parts (parameters in
// ascending order with the scale tuning as one message, the drum map assignment, tone map and
// tone last) and drum maps; then the user drum sets. "Master Coarse Tuning" has no exclusive
// form and is left out. Port B's part and drum map messages carry their second-module
// addresses (SongFormOfMessage). Ports C and D have no address of their own in one stream of
// messages - written in Port A's form they would set Port A's parts - so they are left out:
// ValuesLeftOut counts their modified values.
std::vector<std::vector<uint8_t>> ModifiedValueMessages(const TVGS& image);
int ValuesLeftOut(const TVGS& image);

// The nine exports of the File menu. Part: port 0..3 and part 1..16; DrumMap: port and map 1..2;
// UserDrum: set 0 (program 65) or 1 (66); the effects take their system parameter ranges
// (Reverb 5-11, Chorus 12-20, Delay 21-31, EQ 32-35, Insertion 36-64). Only modified values;
// an object out of range gives no messages.
enum class TExportKind { All, Part, DrumMap, UserDrum, Reverb, Chorus, Delay, Eq, Insertion };
std::vector<std::vector<uint8_t>> ExportMessages(const TVGS& image, TExportKind kind, int port = 0, int object = 0);

// The messages back to back, nothing between them.
std::vector<uint8_t> SysexFileBytes(const std::vector<std::vector<uint8_t>>& messages);

}  // namespace veka
