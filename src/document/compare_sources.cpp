#include "document/compare_sources.h"

#include <filesystem>

#include "module/safe_file.h"
#include "module/setup_file.h"
#include "module/setup_reader.h"

namespace veka {

TCompareTarget PowerOnLike(const TVGS& like, const std::string& defaultFolder) {
    TCompareTarget target;
    try {
        target.Image = std::make_unique<TVGS>(defaultFolder, like.ModuleType());
    } catch (const std::exception& error) {
        target.Error = error.what();
        return target;
    }
    target.Image->MaxPart = like.MaxPart;
    target.Image->DeviceId = like.DeviceId;
    target.Image->Language = like.Language;
    return target;
}

TCompareTarget SetupFileOntoPowerOn(const TVGS& like, const std::string& defaultFolder, const std::string& path) {
    TCompareTarget target = PowerOnLike(like, defaultFolder);
    if (!target.Image) return target;
    target.Name = std::filesystem::path(path).filename().string();
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(path, kMaxSetupFileSize, bytes, error)) {
        target.Image.reset();
        target.Error = error;
        return target;
    }
    TFixedSetupFileHost host;
    const TSetupReadResult result = ReadSetupBytes(*target.Image, host, 0, SetupFileKindOf(path), bytes, path);
    if (!result.Ok()) {
        target.Image.reset();
        target.Error = result.Text(like.Language) + "\n\n" + path;
    }
    return target;
}

}  // namespace veka
