#pragma once
// The setup file format: "Veka40" (older files "Veka30"), the int32 length L of the rest, then
// L / 8 records grouped in sections, each a header whose V counts the items that follow it.
// The writer stores the image's difference list (see difference_list.h); the reader is in
// setup_reader.h.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "module/difference_list.h"
#include "module/language.h"
#include "module/progress.h"
#include "module/setup_file_kind.h"
#include "module/setup_record.h"

namespace veka {

class TVGS;

// No setup file comes near this (a whole four-port setup is some 160 KB); larger files are
// refused before they are read.
inline constexpr uintmax_t kMaxSetupFileSize = 16u * 1024u * 1024u;
inline constexpr int kSetupHeaderSize = 10;  // magic and L

struct TSetupSection {
    TSetupRecord Header;
    std::vector<TSetupRecord> Items;
};

enum class TSetupParseError {
    None,
    NotVeka,         // no "Veka40" / "Veka30" at the start (message 22)
    BadLength,       // shorter than 10 bytes, too large, or L is not the length of the rest (23)
    SectionPastEnd,  // a header, or the items it counts, run past the end (23)
};

struct TParsedSetupFile {
    TSetupParseError Error = TSetupParseError::None;
    bool Older = false;  // "Veka30"
    // The whole sections in file order; with SectionPastEnd those before the broken one.
    std::vector<TSetupSection> Sections;
    // The header whose count runs past the end, when there was a whole one.
    std::optional<TSetupRecord> BrokenHeader;
    int Message() const;  // 0, 22 or 23
};

// Splits a file's bytes into sections; never reads outside the bytes.
TParsedSetupFile ParseSetupFile(std::span<const uint8_t> bytes);

// Outcome of a write. Message 18: the difference list's counts do not add up (nothing is
// written); 19: the file could not be written (Detail says why; an old file stays whole).
struct TSetupWriteResult {
    int Message = 0;
    std::string Detail;
    bool Ok() const { return Message == 0; }
    std::string Text(TLanguage language) const;  // the message and the detail; empty when Ok
};

// The file bytes of a difference list, with progress per section (message 21 in the image's
// language). The list is left as it is.
TSetupWriteResult SetupFileBytes(const TVGS& image, const TDifferenceList& list, std::vector<uint8_t>& bytes,
                                 const TProgress& progress = kNoProgress);
// Writes list to fileName through a temporary file renamed over it, then
// empties the list and reports the end to progress, whatever the outcome.
TSetupWriteResult WriteSetupFile(const TVGS& image, TDifferenceList& list, const std::string& fileName,
                                 const TProgress& progress = kNoProgress);
// Collects the block (CollectEffectPreset) and writes it.
TSetupWriteResult WriteEffectPreset(const TVGS& image, TSystemGroup block, const std::string& fileName,
                                    const TProgress& progress = kNoProgress);
// The whole setup (BuildDifferenceList) written to fileName.
TSetupWriteResult WriteWholeSetupFile(const TVGS& image, const std::string& fileName,
                                      const TProgress& progress = kNoProgress);

}  // namespace veka
