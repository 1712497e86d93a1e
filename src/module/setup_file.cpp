#include "module/setup_file.h"

#include <cstring>

#include "module/difference_list.h"
#include "module/image.h"
#include "module/safe_file.h"
#include "module/user_messages.h"

namespace veka {

namespace {

constexpr char kMagic40[] = "Veka40";
constexpr char kMagic30[] = "Veka30";
constexpr size_t kMagicSize = 6;

int32_t Int32At(std::span<const uint8_t> bytes, size_t pos) {
    return int32_t(uint32_t(bytes[pos]) | uint32_t(bytes[pos + 1]) << 8 | uint32_t(bytes[pos + 2]) << 16 |
                   uint32_t(bytes[pos + 3]) << 24);
}

TSetupRecord RecordAt(std::span<const uint8_t> bytes, size_t pos) {
    return TSetupRecord{bytes[pos], bytes[pos + 1], bytes[pos + 2], bytes[pos + 3], Int32At(bytes, pos + 4)};
}

void PutInt32(std::vector<uint8_t>& out, size_t pos, int32_t value) {
    const uint32_t v = uint32_t(value);
    for (size_t i = 0; i < 4; ++i) out[pos + i] = uint8_t(v >> (8 * i));
}

}  // namespace

int TParsedSetupFile::Message() const {
    switch (Error) {
        case TSetupParseError::None: return 0;
        case TSetupParseError::NotVeka: return 22;
        default: return 23;
    }
}

TParsedSetupFile ParseSetupFile(std::span<const uint8_t> bytes) {
    TParsedSetupFile parsed;
    if (bytes.size() < kMagicSize) {
        parsed.Error = TSetupParseError::NotVeka;
        return parsed;
    }
    const bool is40 = std::memcmp(bytes.data(), kMagic40, kMagicSize) == 0;
    const bool is30 = std::memcmp(bytes.data(), kMagic30, kMagicSize) == 0;
    if (!is40 && !is30) {
        parsed.Error = TSetupParseError::NotVeka;
        return parsed;
    }
    parsed.Older = is30;
    if (bytes.size() < size_t(kSetupHeaderSize) || bytes.size() > kMaxSetupFileSize) {
        parsed.Error = TSetupParseError::BadLength;
        return parsed;
    }
    const int32_t length = Int32At(bytes, kMagicSize);
    if (length < 0 || size_t(length) != bytes.size() - kSetupHeaderSize) {
        parsed.Error = TSetupParseError::BadLength;
        return parsed;
    }
    size_t pos = kSetupHeaderSize;
    while (pos < bytes.size()) {
        if (bytes.size() - pos < size_t(kSetupRecordSize)) {
            parsed.Error = TSetupParseError::SectionPastEnd;
            return parsed;
        }
        TSetupSection section;
        section.Header = RecordAt(bytes, pos);
        pos += kSetupRecordSize;
        const size_t room = (bytes.size() - pos) / kSetupRecordSize;
        if (section.Header.V < 0 || size_t(section.Header.V) > room) {
            parsed.Error = TSetupParseError::SectionPastEnd;
            parsed.BrokenHeader = section.Header;
            return parsed;
        }
        section.Items.reserve(size_t(section.Header.V));
        for (int32_t i = 0; i < section.Header.V; ++i, pos += kSetupRecordSize)
            section.Items.push_back(RecordAt(bytes, pos));
        parsed.Sections.push_back(std::move(section));
    }
    return parsed;
}

std::string TSetupWriteResult::Text(TLanguage language) const {
    if (Ok()) return {};
    std::string text(UserMessage(Message, language));
    if (!Detail.empty()) text += "\r\n" + Detail;
    return text;
}

TSetupWriteResult SetupFileBytes(const TVGS& image, const TDifferenceList& list, std::vector<uint8_t>& bytes,
                                 const TProgress& progress) {
    const size_t records = list.size();
    // Every header's count must lead exactly to the next header and the last to the end.
    for (size_t i = 0; i < records;) {
        const int32_t count = list[i].V;
        if (count < 0 || size_t(count) > records - i - 1) return {18, "a section count runs past the list"};
        i += 1 + size_t(count);
    }
    if (records * kSetupRecordSize > size_t(INT32_MAX)) return {18, "too many records"};

    bytes.assign(kSetupHeaderSize + records * kSetupRecordSize, 0);
    std::memcpy(bytes.data(), kMagic40, kMagicSize);
    PutInt32(bytes, kMagicSize, int32_t(records * kSetupRecordSize));
    const std::string saving(UserMessage(21, image.Language));
    size_t pos = kSetupHeaderSize;
    for (size_t i = 0; i < records;) {
        progress.Report(int(records) - 1, int(i), saving);
        const size_t end = i + 1 + size_t(list[i].V);
        for (; i < end; ++i, pos += kSetupRecordSize) {
            const TSetupRecord& r = list[i];
            bytes[pos] = r.B0;
            bytes[pos + 1] = r.B1;
            bytes[pos + 2] = r.B2;  // B3 is reserved: 0
            PutInt32(bytes, pos + 4, r.V);
        }
    }
    return {};
}

TSetupWriteResult WriteSetupFile(const TVGS& image, TDifferenceList& list, const std::string& fileName,
                                 const TProgress& progress) {
    std::vector<uint8_t> bytes;
    TSetupWriteResult result = SetupFileBytes(image, list, bytes, progress);
    if (result.Ok()) {
        std::string error;
        if (!ReplaceFile(fileName, bytes, error)) result = {19, error};
    }
    list.clear();
    progress.Finish();
    return result;
}

TSetupWriteResult WriteEffectPreset(const TVGS& image, TSystemGroup block, const std::string& fileName,
                                    const TProgress& progress) {
    TDifferenceList list;
    CollectEffectPreset(image, list, block);
    return WriteSetupFile(image, list, fileName, progress);
}

TSetupWriteResult WriteWholeSetupFile(const TVGS& image, const std::string& fileName, const TProgress& progress) {
    TDifferenceList list;
    BuildDifferenceList(image, list, progress);
    return WriteSetupFile(image, list, fileName, progress);
}

}  // namespace veka
