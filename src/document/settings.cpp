#include "document/settings.h"

// Plain byte strings in and out: no conversion, so CP932 or broken UTF-8 pass untouched. The
// Debian library builds only its ICU variants, so the byte variant's code is compiled here.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "module/safe_file.h"

namespace veka {

namespace fs = std::filesystem;

namespace {

// Far beyond any real settings file; a larger one is not ours to parse.
constexpr uintmax_t kMaxIniBytes = 16u << 20;

const std::string kSetting = "setting";
const std::string kFineOption = "fine option";
const std::string kMidiPort = "midiport";
const std::string kForm = "form";
const std::string kOtherOption = "other option";
const std::string kSmfFine = "smf fine";
const std::string kFilePath = "file path";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool HasLineBreak(const std::string& s) {
    return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

bool BlankAtEnds(const std::string& s) { return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back())); }

bool ValidSection(const std::string& s) {
    return !s.empty() && !HasLineBreak(s) && s.find(']') == std::string::npos && !BlankAtEnds(s);
}

bool ValidKey(const std::string& s) {
    return !s.empty() && !HasLineBreak(s) && s.find('=') == std::string::npos && !BlankAtEnds(s) &&
           s.front() != ';' && s.front() != '#' && s.front() != '[';
}

// Decimal with an optional sign and nothing else; anything else is "not a number".
bool ParseInteger(std::string_view text, int& value) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

std::string OneDigitKey(const std::string& prefix, int n) { return prefix + std::to_string(n); }

bool EqualNoCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// At most max bytes, never ending inside a UTF-8 sequence.
std::string CutText(std::string s, size_t max) {
    if (s.size() <= max) return s;
    size_t end = max;
    while (end > 0 && (uint8_t(s[end]) & 0xC0) == 0x80) --end;
    s.resize(end);
    return s;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

struct TIniDocument::TImpl {
    // CSimpleIniA compares section and key names without regard to ASCII case.
    CSimpleIniA Ini{false, false, false};
    TImpl() {
        Ini.SetSpaces(false);  // "key=value", as the profile functions wrote it
        Ini.SetQuotes(true);   // surrounding quotes are dropped on reading, as they were
    }
};

TIniDocument::TIniDocument() : Impl_(std::make_unique<TImpl>()) {}
TIniDocument::~TIniDocument() = default;
TIniDocument::TIniDocument(TIniDocument&&) noexcept = default;
TIniDocument& TIniDocument::operator=(TIniDocument&&) noexcept = default;

TIniDocument TIniDocument::Load(const std::string& path) {
    TIniDocument document;
    document.Path_ = path;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return document;
    std::vector<uint8_t> bytes;
    std::string error;
    if (ec) {
        document.LoadError_ = path + ": " + ec.message();
        return document;
    }
    if (!ReadWholeFile(path, kMaxIniBytes, bytes, error)) {
        document.LoadError_ = error.empty() ? path + ": cannot be read" : error;
        return document;
    }
    // The parser stops at a zero byte; dropping them keeps the rest of a damaged file (or one
    // saved as UTF-16) readable and keeps it from being cut short at the next save.
    std::string text(bytes.begin(), bytes.end());
    std::erase(text, '\0');
    if (document.Impl_->Ini.LoadData(text) < 0) {
        document.Impl_->Ini.Reset();
        document.LoadError_ = path + ": cannot be parsed";
    }
    return document;
}

bool TIniDocument::HasKey(const std::string& section, const std::string& key) const {
    return Impl_->Ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

std::string TIniDocument::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
    const char* value = Impl_->Ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return value ? std::string(value) : defaultValue;
}

int TIniDocument::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    const char* text = Impl_->Ini.GetValue(section.c_str(), key.c_str(), nullptr);
    int value = defaultValue;
    if (text && ParseInteger(text, value)) return value;
    return defaultValue;
}

bool TIniDocument::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::vector<std::string> TIniDocument::ReadSection(const std::string& section) const {
    CSimpleIniA::TNamesDepend keys;
    Impl_->Ini.GetAllKeys(section.c_str(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> names;
    for (const auto& entry : keys) names.emplace_back(entry.pItem);
    return names;
}

bool TIniDocument::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (!ValidSection(section) || !ValidKey(key)) return false;
    std::string line = value;
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return Impl_->Ini.SetValue(section.c_str(), key.c_str(), line.c_str()) >= 0;
}

bool TIniDocument::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool TIniDocument::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

void TIniDocument::DeleteKey(const std::string& section, const std::string& key) {
    Impl_->Ini.Delete(section.c_str(), key.c_str(), false);
}

void TIniDocument::EraseSection(const std::string& section) { Impl_->Ini.Delete(section.c_str(), nullptr); }

bool TIniDocument::Save(std::string& error) const {
    if (!LoadError_.empty()) {
        error = LoadError_ + " (not replaced)";
        return false;
    }
    std::string text;
    if (Impl_->Ini.Save(text, false) < 0) {
        error = Path_ + ": cannot be composed";
        return false;
    }
    // A link to the file (a managed dotfile) stays a link: the file it names is replaced.
    std::string target = Path_;
    std::error_code ec;
    if (fs::is_symlink(Path_, ec)) {
        const fs::path resolved = fs::canonical(Path_, ec);
        if (!ec) target = resolved.string();
    }
    const auto* begin = reinterpret_cast<const uint8_t*>(text.data());
    return ReplaceFile(target, std::span<const uint8_t>(begin, text.size()), error);
}

// ---------------------------------------------------------------------------------------------

TSettings::TSettings(std::string fullPath) : Path_(std::move(fullPath)) {}

int TSettings::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    return Open().ReadInteger(section, key, defaultValue);
}

std::string TSettings::ReadString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
    return Open().ReadString(section, key, defaultValue);
}

bool TSettings::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return Open().ReadBool(section, key, defaultValue);
}

std::vector<std::string> TSettings::ReadSection(const std::string& section) const {
    return Open().ReadSection(section);
}

bool TSettings::Save(const TIniDocument& document) {
    std::string error;
    if (document.Save(error)) {
        LastError_.clear();
        return true;
    }
    LastError_ = error;
    return false;
}

bool TSettings::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    TIniDocument document = Open();
    if (!document.WriteString(section, key, value)) {
        LastError_ = "[" + section + "] " + key + ": not a name the settings file can hold";
        return false;
    }
    return Save(document);
}

bool TSettings::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool TSettings::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool TSettings::DeleteKey(const std::string& section, const std::string& key) {
    TIniDocument document = Open();
    if (!document.HasKey(section, key)) return true;
    document.DeleteKey(section, key);
    return Save(document);
}

bool TSettings::EraseSection(const std::string& section) {
    TIniDocument document = Open();
    document.EraseSection(section);
    return Save(document);
}

TWindowPosition TSettings::DefaultWindowPosition(const std::string& name) {
    TWindowPosition position;
    if (EqualNoCase(name, "EffectWindow")) position.Width = 480;
    return position;
}

bool TSettings::WindowPosition(const std::string& name, char mode, TWindowPosition& position) {
    if (mode == 'R' || mode == 'r') {
        const TIniDocument document = Open();
        const TWindowPosition defaults = DefaultWindowPosition(name);
        const auto read = [&](const char* suffix, int defaultValue) {
            const int value = document.ReadInteger(kForm, name + suffix, defaultValue);
            return value < 0 ? 100 : value;
        };
        position.Width = read(" width", defaults.Width);
        position.Height = read(" height", defaults.Height);
        position.Left = read(" left", defaults.Left);
        position.Top = read(" top", defaults.Top);
        return true;
    }
    if (mode == 'W' || mode == 'w') {
        TIniDocument document = Open();
        const bool named = document.WriteInteger(kForm, name + " width", position.Width) &&
                           document.WriteInteger(kForm, name + " height", position.Height) &&
                           document.WriteInteger(kForm, name + " left", position.Left) &&
                           document.WriteInteger(kForm, name + " top", position.Top);
        if (!named) {
            LastError_ = name + ": not a window name the settings file can hold";
            return false;
        }
        return Save(document);
    }
    LastError_ = std::string("window position: unknown mode '") + mode + "'";
    return false;
}

// ---------------------------------------------------------------------------------------------

THexSpacing SpacingFromSetting(const std::string& /*stored*/) { return THexSpacing::Blank; }

int ActivePortCountOf(int maxPart) { return maxPart <= 0 ? 1 : maxPart == 1 ? 2 : 4; }

int ReadModuleType(const TSettings& settings) {
    const int type = settings.ReadInteger(kSetting, "module type", 3);
    return type >= 1 && type <= 3 ? type : 3;
}

namespace {

// A stored number outside what the program can use reads as the default.
int InRange(int value, int low, int high, int defaultValue) {
    return value >= low && value <= high ? value : defaultValue;
}

std::string MidiOutKey(int port) { return "midiout " + std::to_string(port); }

const std::string kOrderNameKey = "Part Window Order Name";
const std::string kUsingMapKey = "PatchWindow / List View / Using Map";
const std::string kTreeWidthKey = "PatchWindow / Tree View / Width";
const std::string kListStateKey = "PatchWindow / List View / State";
constexpr size_t kMaxOrderNameBytes = 255;

}  // namespace

TBulkLoadResult LoadBulk(const TSettings& settings, TSettingsData& data, const TBulkContext& context) {
    TBulkLoadResult result;
    const TIniDocument ini = settings.Open();
    result.Error = ini.LoadError();
    const TSettingsData defaults;

    // Title panels and the separator of the exclusive text.
    data.GradationBar = ini.ReadBool(kFineOption, "gradation bar", true);
    data.SysxSpace = SpacingFromSetting(ini.ReadString(kFineOption, "sysx space", ""));

    // Parts in use; a value the port loop cannot use is the default.
    data.MaxPart = InRange(ini.ReadInteger(kSetting, "max part", defaults.MaxPart), 0, 2, defaults.MaxPart);

    // The input, only when its number names a listed device.
    data.UseMidiIn = ini.ReadBool(kMidiPort, "use midiin", false);
    data.MidiIn = ini.ReadInteger(kMidiPort, "midiin", 0);
    const int inputCount = int(context.InputDeviceNames.size());
    if (data.UseMidiIn && data.MidiIn >= 0 && data.MidiIn < inputCount) {
        result.InputValid = true;
        const std::string stored = ini.ReadString(kMidiPort, "driver name : in", "");
        result.PortChanged = stored != context.InputDeviceNames[size_t(data.MidiIn)];
    } else {
        data.UseMidiIn = false;
    }

    // The outputs of the ports in use; the others are not read.
    const int ports = ActivePortCountOf(data.MaxPart);
    for (int port = 0; port < 4; ++port) {
        data.MidiOut[size_t(port)] = -1;
        result.OutputValid[size_t(port)] = false;
        if (port >= ports) continue;
        const int device = ini.ReadInteger(kMidiPort, MidiOutKey(port), -1);
        if (device >= 0 && device < context.OutputDeviceCount) {
            data.MidiOut[size_t(port)] = device;
            result.OutputValid[size_t(port)] = true;
        } else {
            result.PortsIncomplete = true;
        }
    }

    // Main window.
    data.MainLeft = ini.ReadInteger(kForm, "main left", 0);
    data.MainTop = ini.ReadInteger(kForm, "main top", 0);
    data.MainWidth = ini.ReadInteger(kForm, "main width", context.DesktopWidth);
    data.MainHeight = ini.ReadInteger(kForm, "main height", context.DesktopHeight);
    if (data.MainWidth <= 0) data.MainWidth = context.DesktopWidth;
    if (data.MainHeight <= 0) data.MainHeight = context.DesktopHeight;

    // Device id: seven bits go into every message header.
    data.DeviceId = InRange(ini.ReadInteger(kSetting, "device id", defaults.DeviceId), 0, 127, defaults.DeviceId);

    // Waits and options.
    data.TransWait = InRange(ini.ReadInteger(kSetting, "trans wait(ms)", defaults.TransWait), 0, 10000,
                             defaults.TransWait);
    for (int n = 1; n <= 12; ++n)
        data.Options[size_t(n - 1)] = ini.ReadBool(kOtherOption, std::to_string(n), defaults.Options[size_t(n - 1)]);
    if (context.Language == TLanguage::English) data.Options[6] = false;
    data.Options[12] = ini.ReadBool(kSmfFine, "with text", false);

    // Data request wait, Part-window order names, computer-keyboard octave.
    data.DataReqWait = InRange(ini.ReadInteger(kSetting, "Data Req Wait", defaults.DataReqWait), 0, 60000,
                               defaults.DataReqWait);
    for (int n = 1; n <= 4; ++n)
        data.OrderNames[size_t(n - 1)] =
            CutText(ini.ReadString(kForm, OneDigitKey(kOrderNameKey, n), "Order " + std::to_string(n)),
                    kMaxOrderNameBytes);
    data.PlayNoteBaseOct = InRange(ini.ReadInteger(kSetting, "play note baseoct", defaults.PlayNoteBaseOct), 0, 10,
                                   defaults.PlayNoteBaseOct);

    // Grid font.
    const std::string fontDefault = context.Language == TLanguage::English ? "Courier New" : context.MainFontName;
    data.FontName = ini.ReadString(kSetting, "font name", fontDefault);
    data.FontSize = InRange(ini.ReadInteger(kSetting, "font size", context.MainFontSize), 1, 144,
                            context.MainFontSize);

    // Sequencer link.
    data.SeqName = ini.ReadString(kSetting, "seqname", defaults.SeqName);
    data.HotKey = InRange(ini.ReadInteger(kSetting, "veka hot key", defaults.HotKey), 0, 0xFFFF, defaults.HotKey);

    // Recent files.
    for (int n = 0; n <= 8; ++n) data.History[size_t(n)] = ini.ReadString(kFilePath, OneDigitKey("history ", n), "");

    // Song-export definition and the Patch window.
    data.CurrentScd = ini.ReadString(kSetting, "current scd", defaults.CurrentScd);
    data.PatchTreeWidth = ini.ReadInteger(kForm, kTreeWidthKey, defaults.PatchTreeWidth);
    if (data.PatchTreeWidth < 0) data.PatchTreeWidth = defaults.PatchTreeWidth;
    data.PatchListState = InRange(ini.ReadInteger(kForm, kListStateKey, defaults.PatchListState), 3, 6,
                                  defaults.PatchListState);
    for (int n = 1; n <= 3; ++n)
        data.PatchUsingMap[size_t(n - 1)] = ini.ReadBool(kForm, OneDigitKey(kUsingMapKey, n), true);

    // Toolbar captions.
    data.ButtonStrings = ini.ReadBool(kSetting, "button strings", false);
    return result;
}

bool SaveBulk(TSettings& settings, const TSettingsData& data, const TBulkContext& context, std::string& error) {
    TIniDocument ini = settings.Open();
    ini.WriteBool(kFineOption, "gradation bar", data.GradationBar);
    ini.WriteInteger(kSetting, "device id", data.DeviceId);
    ini.WriteInteger(kSetting, "trans wait(ms)", data.TransWait);
    ini.WriteBool(kMidiPort, "use midiin", data.UseMidiIn);
    if (data.UseMidiIn) ini.WriteInteger(kMidiPort, "midiin", data.MidiIn);
    // The same rule as the load: a "max part" the loop cannot use counts as the default.
    const int maxPart = data.MaxPart >= 0 && data.MaxPart <= 2 ? data.MaxPart : TSettingsData().MaxPart;
    const int ports = ActivePortCountOf(maxPart);
    for (int port = 0; port < ports; ++port) {
        const int device = data.MidiOut[size_t(port)];
        ini.WriteInteger(kMidiPort, MidiOutKey(port), device >= 0 ? device : -1);
    }
    ini.WriteInteger(kSetting, "max part", maxPart);
    ini.WriteBool(kSetting, "first run", false);
    ini.WriteInteger(kForm, "main width", data.MainWidth);
    ini.WriteInteger(kForm, "main height", data.MainHeight);
    ini.WriteInteger(kForm, "main top", data.MainTop);
    ini.WriteInteger(kForm, "main left", data.MainLeft);
    ini.WriteInteger(kSetting, "module type", data.ModuleType);
    ini.WriteInteger(kSetting, "Data Req Wait", data.DataReqWait);
    ini.WriteInteger(kSetting, "play note baseoct", data.PlayNoteBaseOct);
    for (int n = 1; n <= 13; ++n) {
        bool on = data.Options[size_t(n - 1)];
        if (n == 7 && context.Language == TLanguage::English) on = false;
        ini.WriteBool(kOtherOption, std::to_string(n), on);
    }
    ini.WriteBool(kSmfFine, "with text", data.Options[12]);
    ini.WriteInteger(kSetting, "veka hot key", data.HotKey);
    ini.WriteString(kSetting, "seqname", data.SeqName);
    ini.WriteString(kSetting, "font name", data.FontName);
    ini.WriteInteger(kSetting, "font size", data.FontSize);
    for (int n = 0; n <= 8; ++n) ini.WriteString(kFilePath, OneDigitKey("history ", n), data.History[size_t(n)]);
    ini.WriteString(kSetting, "current scd", data.CurrentScd);
    ini.WriteInteger(kForm, kTreeWidthKey, data.PatchTreeWidth);
    ini.WriteInteger(kForm, kListStateKey, data.PatchListState);
    for (int n = 1; n <= 3; ++n) ini.WriteBool(kForm, OneDigitKey(kUsingMapKey, n), data.PatchUsingMap[size_t(n - 1)]);
    ini.WriteBool(kSetting, "button strings", data.ButtonStrings);
    if (settings.Save(ini)) return true;
    error = settings.LastError();
    return false;
}

}  // namespace veka
