#pragma once
// The sequencer link's data: the list of known sequencers ("OtherSeq.Lst" in the program
// folder, or the built-in list of the language), and the rules that pick the windows the link
// offers and the one it raises. No windowing system here: the X11 side hands in what it found.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "module/language.h"

namespace veka {

struct TSequencerEntry {
    std::string ClassName;    // the window class of the sequencer's main window
    std::string DisplayName;  // as the list shows it
    friend bool operator==(const TSequencerEntry&, const TSequencerEntry&) = default;
};

// The file: a signed 32-bit little-endian count, then records of 768 bytes: the class name and
// the display name, each a length byte and up to 255 bytes in a 256-byte field, and 256 unused
// bytes (written as zeros).
constexpr size_t kSequencerRecordSize = 768;
constexpr int kMaxSequencerRecords = 4096;  // far more than anyone lists; bounds a broken count
inline constexpr char kSequencerListName[] = "OtherSeq.Lst";

// The list file in folder, its name matched without regard to case; nullopt when there is none.
std::optional<std::string> FindSequencerList(const std::string& folder);
// Reads the list. False with the reason in error for a file that cannot be read, is shorter than
// its count says, or holds a negative, zero or excessive count.
bool ReadSequencerList(const std::string& path, std::vector<TSequencerEntry>& entries, std::string& error);
// Writes the whole list through a temporary file. Names longer than 255 bytes are cut at a
// character boundary (UTF-8).
bool WriteSequencerList(const std::string& path, const std::vector<TSequencerEntry>& entries, std::string& error);
std::vector<uint8_t> SequencerListBytes(const std::vector<TSequencerEntry>& entries);

// The list used without a file: the classic Windows sequencers of the language, then the
// sequencers of this platform.
std::vector<TSequencerEntry> BuiltInSequencers(TLanguage language);

// A top-level window as the windowing system describes it.
struct TTopWindow {
    uint32_t Id = 0;
    std::string Title;
    std::string Instance;   // WM_CLASS: the instance name ...
    std::string ClassName;  // ... and the class name
    bool Visible = true;    // shown or minimised, not withdrawn
    bool HasOwner = false;  // a dialog or tool window of another one
    bool Ours = false;      // a window of this program
};

// The windows Find offers: visible, without owner, titled, not ours, no "Afx:" in the class.
std::vector<TTopWindow> FindableWindows(const std::vector<TTopWindow>& windows);
// Whether a window belongs to the target class: its class or instance name, in any case.
bool MatchesTarget(const TTopWindow& window, const std::string& targetClass);
// The target's window among windows: the first one without owner, else the first one.
std::optional<TTopWindow> FindTarget(const std::vector<TTopWindow>& windows, const std::string& targetClass);

}  // namespace veka
