#pragma once
// Reading a setup file into the module image: the whole setups (".ga4", ".ga3"), one part
// (".1pg"), one drum map (".1dg"), one user drum set (".1ug"), the custom file (".cst") and
// the effect presets. Where the program asks the user (a destination part, map or set) or
// touches the main window (current file, modified flag), it goes through a TSetupFileHost:
// the windows implement it, the command line answers from its arguments.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "module/language.h"
#include "module/setup_file.h"
#include "module/setup_file_kind.h"

namespace veka {

class TVGS;

// A selection window with one list.
struct TSelectRequest {
    std::string Title;
    std::string Label;
    std::vector<std::string> Items;
    int Preselected = 0;
};

class TSetupFileHost {
public:
    virtual ~TSetupFileHost() = default;
    // Each answers the index of the chosen item, or nothing when the user cancels (which ends
    // the read quietly; what was read before stays). An index outside the list counts as cancel.
    virtual std::optional<int> ChoosePartDestination(const TSelectRequest& request) = 0;     // ".1pg"
    virtual std::optional<int> ChooseDrumMapDestination(const TSelectRequest& request) = 0;  // ".1pg", ".1dg"
    virtual std::optional<int> ChooseUserDrumDestination(const TSelectRequest& request) = 0; // ".1ug"
    // A whole setup was read: it becomes the current file (caption, recent-file list).
    virtual void SetCurrentFile(const std::string& fileName) = 0;
    // An older whole setup (".ga3") was read: the data count as unchanged.
    virtual void ClearModified() = 0;
};

// Answers every question with a fixed index (the first item unless set; nothing = cancel)
// and remembers what it was asked. Used by the command line, the tests and the fuzz target.
class TFixedSetupFileHost : public TSetupFileHost {
public:
    std::optional<int> Part = 0, DrumMap = 0, UserDrum = 0;
    std::vector<TSelectRequest> Asked;
    std::string CurrentFile;
    bool ModifiedCleared = false;

    std::optional<int> ChoosePartDestination(const TSelectRequest& r) override { Asked.push_back(r); return Part; }
    std::optional<int> ChooseDrumMapDestination(const TSelectRequest& r) override { Asked.push_back(r); return DrumMap; }
    std::optional<int> ChooseUserDrumDestination(const TSelectRequest& r) override { Asked.push_back(r); return UserDrum; }
    void SetCurrentFile(const std::string& fileName) override { CurrentFile = fileName; }
    void ClearModified() override { ModifiedCleared = true; }
};

// Which kinds of section the file held (the main window keeps one flag per kind).
struct TSectionFlags {
    bool System = false;
    bool Part = false;
    bool DrumMap = false;
    bool UserDrum = false;
};

enum class TSetupReadStatus {
    Ok,
    NotVeka,    // message 22
    Damaged,    // message 23: bad length, a section past the end, too large
    Cancelled,  // a destination question was cancelled: no message
    FileError,  // could not open or read (Detail)
};

struct TSetupReadResult {
    TSetupReadStatus Status = TSetupReadStatus::Ok;
    int Message = 0;  // 22 or 23 to show; 0 otherwise
    std::string Detail;
    TSetupFileKind Kind = TSetupFileKind::Unknown;
    bool UserDrumRead = false;  // the file held user drum items
    TSectionFlags Sections;
    // The headers of the sections read (and of a section cut short), in the file's order: what
    // a custom file holds. Empty when the file was rejected as a whole.
    std::vector<TSetupRecord> Headers;
    bool Ok() const { return Status == TSetupReadStatus::Ok; }
    // What to tell the user: the message (both languages) or the file error; empty for Ok and
    // Cancelled.
    std::string Text(TLanguage language) const;
};

// Reads fileName (kind by its extension) into the image. currentPort is the port shown in the
// main window: a ".1dg" file goes into one of its drum maps. Nothing is transmitted except
// what the steps themselves send (macros, insertion types, a ".1dg" part's tone).
TSetupReadResult ReadSetupFile(TVGS& image, TSetupFileHost& host, int currentPort, const std::string& fileName);
// The same on bytes already read; fileName is what the host is told for a whole setup.
TSetupReadResult ReadSetupBytes(TVGS& image, TSetupFileHost& host, int currentPort, TSetupFileKind kind,
                                std::span<const uint8_t> bytes, const std::string& fileName = {});

}  // namespace veka
