#include "document/sequencer_link.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "module/safe_file.h"

namespace veka {

namespace fs = std::filesystem;

namespace {

constexpr size_t kFieldSize = 256;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string Field(const uint8_t* field) {
    const size_t length = field[0];  // at most 255: always inside its 256-byte field
    return std::string(reinterpret_cast<const char*>(field + 1), length);
}

// Cuts at 255 bytes without splitting a UTF-8 sequence.
std::string Fitting(const std::string& text) {
    if (text.size() <= kFieldSize - 1) return text;
    size_t end = kFieldSize - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

void PutField(uint8_t* field, const std::string& text) {
    const std::string fitting = Fitting(text);
    field[0] = uint8_t(fitting.size());
    std::memcpy(field + 1, fitting.data(), fitting.size());
}

}  // namespace

std::optional<std::string> FindSequencerList(const std::string& folder) {
    std::error_code ec;
    const fs::path exact = fs::path(folder) / kSequencerListName;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    const std::string wanted = Lower(kSequencerListName);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (Lower(it->path().filename().string()) == wanted && it->is_regular_file(ec)) return it->path().string();
    return std::nullopt;
}

bool ReadSequencerList(const std::string& path, std::vector<TSequencerEntry>& entries, std::string& error) {
    std::vector<uint8_t> bytes;
    const uintmax_t limit = 4 + uintmax_t(kMaxSequencerRecords) * kSequencerRecordSize;
    // A longer file is refused by the count check below unless it is absurdly long.
    if (!ReadWholeFile(path, limit + (1u << 20), bytes, error)) return false;
    if (bytes.size() < 4) {
        error = path + ": the file is too short to hold its count";
        return false;
    }
    const int32_t count = int32_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                                  uint32_t(bytes[3]) << 24);
    if (count <= 0 || count > kMaxSequencerRecords) {
        error = path + ": the count " + std::to_string(count) + " is not a number of records";
        return false;
    }
    if (bytes.size() < 4 + size_t(count) * kSequencerRecordSize) {
        error = path + ": the file holds fewer records than its count of " + std::to_string(count);
        return false;
    }
    entries.clear();
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* record = bytes.data() + 4 + size_t(i) * kSequencerRecordSize;
        entries.push_back({Field(record), Field(record + kFieldSize)});
    }
    return true;
}

std::vector<uint8_t> SequencerListBytes(const std::vector<TSequencerEntry>& entries) {
    std::vector<uint8_t> bytes(4 + entries.size() * kSequencerRecordSize, 0);
    const uint32_t count = uint32_t(entries.size());
    for (int b = 0; b < 4; ++b) bytes[size_t(b)] = uint8_t(count >> (8 * b));
    for (size_t i = 0; i < entries.size(); ++i) {
        uint8_t* record = bytes.data() + 4 + i * kSequencerRecordSize;
        PutField(record, entries[i].ClassName);
        PutField(record + kFieldSize, entries[i].DisplayName);
    }
    return bytes;
}

bool WriteSequencerList(const std::string& path, const std::vector<TSequencerEntry>& entries, std::string& error) {
    if (entries.size() > size_t(kMaxSequencerRecords)) {
        error = path + ": too many entries";
        return false;
    }
    const std::vector<uint8_t> bytes = SequencerListBytes(entries);
    return ReplaceFile(path, bytes, error);
}

std::vector<TSequencerEntry> BuiltInSequencers(TLanguage language) {
    std::vector<TSequencerEntry> list;
    if (language == TLanguage::Japanese)
        list = {{"CakewalkMDIFrame", "Cakewalk ｼﾘｰｽﾞ"},
                {"SSWLFrame", "Singer Song Writer Lite"},
                {"SSWFrame", "Singer Song Writer V3"},
                {"mpframe", "ﾚｺﾝﾎﾟｰｻﾞｰ for Win 3.1"},
                {"rcfwframe", "ﾚｺﾝﾎﾟｰｻﾞｰ for Win 95"},
                {"MaclibWClass", "Vision"}};
    else
        list = {{"CakewalkMDIFrame", "Cakewalk Series"}, {"MaclibWClass", "Vision"}};
    // The sequencers of this platform, by the X11 class of their main windows.
    const std::vector<TSequencerEntry> linux{{"Rosegarden", "Rosegarden"}, {"Qtractor", "Qtractor"},
                                             {"MusE", "MusE"},             {"Ardour", "Ardour"},
                                             {"LMMS", "LMMS"},             {"qseq66", "Seq66"}};
    list.insert(list.end(), linux.begin(), linux.end());
    return list;
}

std::vector<TTopWindow> FindableWindows(const std::vector<TTopWindow>& windows) {
    std::vector<TTopWindow> found;
    for (const TTopWindow& w : windows) {
        if (!w.Visible || w.HasOwner || w.Title.empty() || w.Ours) continue;
        if (w.ClassName.find("Afx:") != std::string::npos || w.Instance.find("Afx:") != std::string::npos) continue;
        found.push_back(w);
    }
    return found;
}

bool MatchesTarget(const TTopWindow& window, const std::string& targetClass) {
    if (targetClass.empty()) return false;
    const std::string target = Lower(targetClass);
    return Lower(window.ClassName) == target || Lower(window.Instance) == target;
}

std::optional<TTopWindow> FindTarget(const std::vector<TTopWindow>& windows, const std::string& targetClass) {
    // The main window rather than one of its dialogs.
    std::optional<TTopWindow> owned;
    for (const TTopWindow& w : windows) {
        if (w.Ours || !MatchesTarget(w, targetClass)) continue;
        if (!w.HasOwner) return w;
        if (!owned) owned = w;
    }
    return owned;
}

}  // namespace veka
