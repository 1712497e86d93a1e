#include "document/recovery_file.h"

#include <cstring>
#include <filesystem>
#include <utility>

#include "module/difference_list.h"
#include "module/image.h"
#include "module/safe_file.h"
#include "module/setup_file.h"

namespace veka {

namespace {

constexpr char kMagic[] = "VekaRecovery";
constexpr size_t kMagicSize = sizeof kMagic - 1;
constexpr uint32_t kMaxNameBytes = 4096;

uint32_t Fnv1a(std::span<const uint8_t> bytes) {
    uint32_t hash = 2166136261u;
    for (const uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    return hash;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// Reads forward through the bytes; every read is bounded.
class TCursor {
public:
    explicit TCursor(std::span<const uint8_t> bytes) : Bytes_(bytes) {}
    bool U32(uint32_t& v) {
        if (Left() < 4) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t(Bytes_[At_ + size_t(i)]) << (8 * i);
        At_ += 4;
        return true;
    }
    bool Take(size_t n, std::span<const uint8_t>& out) {
        if (Left() < n) return false;
        out = Bytes_.subspan(At_, n);
        At_ += n;
        return true;
    }
    size_t Left() const { return Bytes_.size() - At_; }

private:
    std::span<const uint8_t> Bytes_;
    size_t At_ = 0;
};

TRecoveryRead Damaged(const std::string& why) {
    TRecoveryRead read;
    read.Status = TRecoveryStatus::Damaged;
    read.Detail = why;
    return read;
}

}  // namespace

std::string RecoveryPath(const std::string& programFolder) {
    return (std::filesystem::path(programFolder) / kRecoveryFileName).string();
}

std::vector<uint8_t> RecoveryBytes(TVGS& image, const TRecoveryInfo& info) {
    // A recovery write is silent: no progress is reported.
    TDifferenceList list;
    BuildDifferenceList(image, list);
    std::vector<uint8_t> setup;
    const bool collected = SetupFileBytes(image, list, setup).Ok();
    if (!collected) return {};

    std::vector<uint8_t> out(kMagic, kMagic + kMagicSize);
    PutU32(out, kRecoveryVersion);
    PutU32(out, uint32_t(info.ModuleType));
    PutU32(out, uint32_t(info.MaxPart));
    out.push_back(info.Modified ? 1 : 0);
    const size_t nameBytes = std::min<size_t>(info.FileName.size(), kMaxNameBytes);
    PutU32(out, uint32_t(nameBytes));
    out.insert(out.end(), info.FileName.begin(), info.FileName.begin() + std::ptrdiff_t(nameBytes));
    PutU32(out, uint32_t(setup.size()));
    PutU32(out, Fnv1a(setup));
    out.insert(out.end(), setup.begin(), setup.end());
    return out;
}

bool WriteRecoveryFile(TVGS& image, const std::string& path, const TRecoveryInfo& info, std::string& error) {
    const std::vector<uint8_t> bytes = RecoveryBytes(image, info);
    if (bytes.empty()) {
        error = "the setup could not be collected";
        return false;
    }
    return ReplaceFile(path, bytes, error);
}

TRecoveryRead ParseRecovery(std::span<const uint8_t> bytes, int moduleType) {
    if (bytes.size() < kMagicSize || std::memcmp(bytes.data(), kMagic, kMagicSize) != 0)
        return Damaged("not a recovery file");
    TCursor cursor(bytes.subspan(kMagicSize));
    uint32_t version = 0, type = 0, maxPart = 0, nameBytes = 0, setupBytes = 0, hash = 0;
    if (!cursor.U32(version)) return Damaged("cut short");
    if (version != kRecoveryVersion) {
        TRecoveryRead read;
        read.Status = TRecoveryStatus::OtherVersion;
        read.Detail = "version " + std::to_string(version);
        return read;
    }
    std::span<const uint8_t> modified, name, setup;
    if (!cursor.U32(type) || !cursor.U32(maxPart) || !cursor.Take(1, modified) || !cursor.U32(nameBytes))
        return Damaged("cut short");
    if (nameBytes > kMaxNameBytes || !cursor.Take(nameBytes, name)) return Damaged("the file name runs past its limit");
    if (!cursor.U32(setupBytes) || !cursor.U32(hash)) return Damaged("cut short");
    if (setupBytes != cursor.Left() || !cursor.Take(setupBytes, setup)) return Damaged("the setup's length is wrong");
    if (Fnv1a(setup) != hash) return Damaged("the setup's check sum is wrong");
    if (ParseSetupFile(setup).Error != TSetupParseError::None) return Damaged("the setup does not parse");
    TRecoveryRead read;
    read.Info.ModuleType = int(type);
    read.Info.MaxPart = int(maxPart);
    read.Info.Modified = modified[0] != 0;
    read.Info.FileName.assign(name.begin(), name.end());
    if (int(type) != moduleType || maxPart > 2) {
        read.Status = TRecoveryStatus::OtherModuleType;
        read.Detail = "module type " + std::to_string(int32_t(type));
        return read;
    }
    read.Status = TRecoveryStatus::Ok;
    read.Setup.assign(setup.begin(), setup.end());
    return read;
}

TRecoveryRead ReadRecoveryFile(const std::string& path, int moduleType) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return TRecoveryRead{};
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(path, kMaxSetupFileSize + 8192, bytes, error)) return Damaged(error);
    return ParseRecovery(bytes, moduleType);
}

bool RemoveRecoveryFile(const std::string& path, std::string& error) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (ec) error = path + ": " + ec.message();
    return !ec;
}

}  // namespace veka
