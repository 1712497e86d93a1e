#include "smf/open_smf.h"

#include <ctime>
#include <filesystem>

#include "module/image.h"
#include "module/image_reset.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"

namespace veka {

namespace fs = std::filesystem;

std::string LastSmfDescription(const std::string& path, std::chrono::system_clock::time_point when,
                               TLanguage language) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y/%m/%d %H:%M:%S", &local);
    const bool japanese = language == TLanguage::Japanese;
    return std::string(japanese ? "最後に読み取ったSMF : " : "Last SMF : ") + path + " " +
           (japanese ? "読み取った日時 : " : "date : ") + stamp;
}

TSongSetupRead ReadSongSetup(TVGS& image, TSMF& smf, const std::string& path, const TProgress& progress) {
    TSongSetupRead result;
    GsResetImage(image);
    smf.Language = image.Language;
    if (!smf.LoadFromFile(path)) {
        result.Error = smf.LastError();
        return result;
    }
    result.Read = true;
    result.Analysis = AnalyzeSetup(image, smf, progress);
    return result;
}

TOpenSmfResult OpenSmf(TVGS& image, TSMF& smf, const std::string& path, const std::string& programFolder,
                       const TSmfHost& host, std::chrono::system_clock::time_point now, const TProgress& progress) {
    TOpenSmfResult result;
    if (host.StoreSetting) host.StoreSetting("smf read", "file path", fs::path(path).parent_path().string());
    TSongSetupRead read = ReadSongSetup(image, smf, path, progress);
    if (!read.Read) {
        result.Error = std::move(read.Error);
        if (host.Message) host.Message("read error");
        if (host.Status) host.Status(path);
        return result;
    }
    result.Read = true;
    result.Analysis = std::move(read.Analysis);
    if (!result.Analysis.Message.empty() && host.Message) host.Message(result.Analysis.Message);

    const std::string temp = (fs::path(programFolder) / kTempSmfName).string();
    std::string error;
    if (!WriteTempSmf(smf, temp, error)) {
        result.Error = error;
        if (host.Message) host.Message(error);
    }
    std::error_code ec;
    result.EmbedEnabled = fs::exists(temp, ec);

    result.Description = LastSmfDescription(path, now, image.Language);
    if (host.StoreSetting) host.StoreSetting("SMF", "current file", result.Description);
    for (std::string& name : smf.TrackNames) name.clear();
    return result;
}

}  // namespace veka
