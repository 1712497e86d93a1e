#pragma once
// "Veka.ini", the settings file in the program folder: the profile text format with section and
// key names matched without regard to case ("Form" and "form" are one section), decimal
// integers and "1"/"0" Booleans. Nothing is cached: every operation reads the file afresh, and
// every change replaces the whole file through a temporary file in its folder, so a failed
// write leaves the old file as it was. Texts are kept byte for byte (UTF-8 here; files written by
// earlier versions hold CP932 and are read without complaint).
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "module/exclusive.h"
#include "module/language.h"

namespace veka {

// One opening of the file: read whole, looked at and changed in memory, written back once.
class TIniDocument {
public:
    TIniDocument();
    ~TIniDocument();
    TIniDocument(TIniDocument&&) noexcept;
    TIniDocument& operator=(TIniDocument&&) noexcept;

    // A missing file gives an empty document that may be saved. A file that exists but cannot
    // be read (a folder, no permission, too large) also reads as empty, with the reason in
    // LoadError, and Save refuses: the few keys known here must never replace it.
    static TIniDocument Load(const std::string& path);
    bool Loaded() const { return LoadError_.empty(); }
    const std::string& LoadError() const { return LoadError_; }

    bool HasKey(const std::string& section, const std::string& key) const;
    // A value that is not a decimal number (or out of the integer range) gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    std::vector<std::string> ReadSection(const std::string& section) const;  // key names, in file order

    // False for a name the format cannot hold (empty, a line break, "=" in a key, "]" in a
    // section, a leading comment or section mark, blanks at either end). Line breaks in a
    // value become blanks, so a value can never start a line of its own.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteBool(const std::string& section, const std::string& key, bool value);
    void DeleteKey(const std::string& section, const std::string& key);
    void EraseSection(const std::string& section);

    // Writes the document over the file it was loaded from. False with the reason in error.
    bool Save(std::string& error) const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl_;
    std::string Path_;
    std::string LoadError_;
};

// A window's place as the position keys hold it.
struct TWindowPosition {
    int Width = 640;
    int Height = 400;
    int Top = 0;
    int Left = 0;
    friend bool operator==(const TWindowPosition&, const TWindowPosition&) = default;
};

class TSettings {
public:
    explicit TSettings(std::string fullPath);
    const std::string& Path() const { return Path_; }

    // Single-key operations; each one opens the file and closes it again. A missing or
    // unreadable file gives the defaults. Writes return false when the file could not be
    // written; LastError then says why.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    bool WriteBool(const std::string& section, const std::string& key, bool value);
    std::vector<std::string> ReadSection(const std::string& section) const;
    bool DeleteKey(const std::string& section, const std::string& key);
    bool EraseSection(const std::string& section);

    // The four position keys of a window in section "form": name + " width", " height",
    // " left", " top". Mode 'R'/'r' reads them into position (defaults 640 - 480 for
    // "EffectWindow" - 400, 0, 0; a negative value reads as 100), 'W'/'w' writes them from it.
    // False for another mode letter or a failed write.
    bool WindowPosition(const std::string& name, char mode, TWindowPosition& position);
    static TWindowPosition DefaultWindowPosition(const std::string& name);

    // For a run of reads and writes with one opening: Open, change, Save.
    TIniDocument Open() const { return TIniDocument::Load(Path_); }
    bool Save(const TIniDocument& document);

    const std::string& LastError() const { return LastError_; }

private:
    std::string Path_;
    std::string LastError_;
};

// "sysx space" as stored: the file keeps a separator text that cannot turn the blank off (an
// empty value means one blank too), so every stored value gives THexSpacing::Blank.
THexSpacing SpacingFromSetting(const std::string& stored);

// Number of output ports in use for a "max part" value: 0 gives 1, 1 gives 2, 2 gives 4.
int ActivePortCountOf(int maxPart);

// "module type" (section "setting"): 1 SC-88, 2 SC-88Pro, 3 SC-8850 family; anything else is 3.
int ReadModuleType(const TSettings& settings);

// The thirteen other options by what they do; the number is the key in "other option".
enum class TOption : int {
    AutoActivate = 1,        // an editor window becomes active when the pointer passes over it
    ResetAtStart = 2,        // File > New with sending at start
    PcKeyboard = 3,          // the computer keyboard plays notes
    SwallowNoteKeys = 4,     // ... and its note keys do nothing else
    CopyWithoutF0F7 = 5,     // copy of the exclusive text
    DummyNotes = 6,          // song export: dummy notes in front
    ReviewEdit = 7,          // a note sounds after every edit (always off in English)
    LayoutInFile = 8,        // window layouts kept with the ".ga4" files
    CloseMinimizes = 9,      // an editor window's close button minimises it
    MidiEcho = 10,           // the input is echoed to the output
    SmfSetupDialog = 11,     // song export opens its set-up window
    NoWallpaper = 12,        // grey background instead of the wallpaper
    SmfWithText = 13,        // song export adds text events
};

// Every value the bulk load reads and the bulk save writes.
struct TSettingsData {
    // setting
    int ModuleType = 3;              // written by the bulk save; read at start by ReadModuleType
    int MaxPart = 1;                 // 0, 1, 2: 16, 32, 64 parts
    int DeviceId = 16;
    int TransWait = 5;               // "trans wait(ms)"
    int DataReqWait = 1000;          // "Data Req Wait"
    int PlayNoteBaseOct = 5;         // "play note baseoct", 0 to 10
    std::string FontName;            // "Courier New" in English, else the main window's font
    int FontSize = 9;
    std::string SeqName = "CakewalkMDIFrame";
    int HotKey = 24641;              // "veka hot key": Ctrl+Shift+A as a menu shortcut code
    std::string CurrentScd = "default.scd";
    bool ButtonStrings = false;
    // fine option
    bool GradationBar = true;
    THexSpacing SysxSpace = THexSpacing::Blank;  // read only; see SpacingFromSetting
    // midiport
    bool UseMidiIn = false;
    int MidiIn = 0;
    std::array<int, 4> MidiOut{-1, -1, -1, -1};  // device number per port, -1 none
    // form
    int MainLeft = 0;
    int MainTop = 0;
    int MainWidth = 0;               // defaults: the desktop's size (TBulkContext)
    int MainHeight = 0;
    std::array<std::string, 4> OrderNames{"Order 1", "Order 2", "Order 3", "Order 4"};  // read only
    int PatchTreeWidth = 140;        // "PatchWindow / Tree View / Width"
    int PatchListState = 3;          // "PatchWindow / List View / State"
    std::array<bool, 3> PatchUsingMap{true, true, true};
    // other option 1 to 13 (index 0 is option 1); 13 is stored as "with text" of "smf fine"
    std::array<bool, 13> Options{false, true, false, true, false, false, false, true,
                                 false, false, false, false, false};
    // file path: the nine recent-file captions, "history 0" to "history 8"
    std::array<std::string, 9> History;

    bool Option(int number) const { return number >= 1 && number <= 13 && Options[size_t(number - 1)]; }
    bool Option(TOption option) const { return Option(int(option)); }
    void SetOption(TOption option, bool on) { Options[size_t(int(option) - 1)] = on; }
    friend bool operator==(const TSettingsData&, const TSettingsData&) = default;
};

// What the bulk operations need to know of the running program.
struct TBulkContext {
    TLanguage Language = TLanguage::Japanese;
    std::string MainFontName = "Sans Serif";   // the main window's own font
    int MainFontSize = 9;
    int DesktopWidth = 1024;                   // the desktop's client area, the main window's default size
    int DesktopHeight = 768;
    std::vector<std::string> InputDeviceNames; // current MIDI input list (its size is the device count)
    int OutputDeviceCount = 0;
};

// What the caller does after the bulk load: open the devices, maybe the port dialog.
struct TBulkLoadResult {
    bool InputValid = false;                   // input in use with a listed device: open data.MidiIn
    bool PortChanged = false;                  // that device's name differs from "driver name : in"
    std::array<bool, 4> OutputValid{};         // ports in use whose "midiout %d" names a listed device
    bool PortsIncomplete = false;              // a port in use has none: open the port dialog
    std::string Error;                         // the file exists but could not be read (defaults used)
};

// Reads, with one opening of the file, exactly the keys of the start-up load in their order,
// into data. Device numbers that name no listed device become "not used" (-1, input off).
TBulkLoadResult LoadBulk(const TSettings& settings, TSettingsData& data, const TBulkContext& context);

// Writes, with one opening of the file, exactly the keys of the closing save in their order;
// other sections and keys of the file stay. TOption::ReviewEdit is written as 0 in English. False with
// the reason in error when the file could not be written (the old file is then untouched).
bool SaveBulk(TSettings& settings, const TSettingsData& data, const TBulkContext& context, std::string& error);

}  // namespace veka
