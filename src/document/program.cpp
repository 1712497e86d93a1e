#include "document/program.h"

#include <filesystem>

#include "document/module_settings.h"
#include "document/recovery_file.h"
#include "module/image.h"

namespace veka {

namespace {
constexpr char kSetting[] = "setting";
constexpr char kPerfectFinish[] = "perfect finish";
}  // namespace

TProgram::TProgram(std::string programFolder)
    : Folder_(std::move(programFolder)),
      Settings_((std::filesystem::path(Folder_) / "Veka.ini").string()),
      PartOrders_(Folder_, Settings_) {}

bool TProgram::BeginRun() {
    const bool inOrder = Settings_.ReadBool(kSetting, kPerfectFinish, true);
    Settings_.WriteBool(kSetting, kPerfectFinish, false);
    return inOrder;
}

void TProgram::EndRun() { Settings_.WriteBool(kSetting, kPerfectFinish, true); }

TDocument& TProgram::OpenDocument(const std::string& defaultFolder, TLanguage language, TPumpWait& wait,
                                  ITimerSource& timers) {
    auto image = std::make_unique<TVGS>(defaultFolder, ReadModuleType(Settings_));
    image->Language = language;
    // The record of the module settings starts from the image, which holds them from now on.
    TakeModuleSettings(*image, Data_);
    Doc_ = std::make_unique<TDocument>(std::move(image), wait, timers, RecoveryPath(Folder_));
    return *Doc_;
}

}  // namespace veka
