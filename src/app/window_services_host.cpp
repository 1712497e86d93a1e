#include "app/window_services_host.h"
#include "app/dialog_prompts.h"

#include "app/main_window.h"

namespace veka {

TVGS& TWindowServicesHost::Image() { return Form_.Doc_->Image(); }
TLanguage TWindowServicesHost::Language() const { return Form_.Language_; }
int TWindowServicesHost::CurrentPort() const { return Form_.CurrentPort(); }
void TWindowServicesHost::SetCurrentPort(int port) { Form_.SetCurrentPort(port); }
int TWindowServicesHost::CurrentPart() const { return Form_.CurrentPart(); }
void TWindowServicesHost::SelectPart(int part, QWidget* asker) { Form_.SelectPart(part, asker); }
void TWindowServicesHost::SetCurrentChannel(int channel) { Form_.SetCurrentChannel(channel); }
void TWindowServicesHost::ReportEditError(const std::exception& error) { Form_.ReportEditError(error); }
void TWindowServicesHost::EndEditGesture() { Form_.EditErrorShown_ = false; }

TTestNote& TWindowServicesHost::TestNote() { return Form_.Doc_->TestNote(); }
void TWindowServicesHost::WaitMs(int ms) { Form_.Clock().Wait(ms); }

void TWindowServicesHost::Warn(const std::string& text) {
    Form_.ShowMessage(QMessageBox::Warning, QString::fromStdString(text));
}
QMenu* TWindowServicesHost::PartMenu() { return Form_.PartMenu(); }
void TWindowServicesHost::ShowHelp(const QString& text) { Form_.StatusArea().ShowHelp(text); }
void TWindowServicesHost::PointerPassed(QWidget* window) { Form_.PointerPassed(window); }
QString TWindowServicesHost::ChooseSaveName(const QString& caption, const QString& folder, const QString& filter,
                                            const QString& extension) {
    return Form_.Prompts().ChooseSaveName(caption, folder, filter, extension);
}
const TProgress& TWindowServicesHost::StatusProgress() const { return Form_.StatusArea().Progress(); }

TOptionsView TWindowServicesHost::Options() const { return Form_.Options(); }
int TWindowServicesHost::ReadBarColor(const std::string& window, int defaultValue) const {
    return Form_.ReadBarColor(window, defaultValue);
}
void TWindowServicesHost::WriteBarColor(const std::string& window, int value) { Form_.WriteBarColor(window, value); }
std::string TWindowServicesHost::PresetFolder() const { return Form_.Options_.ProgramFolder; }
TPatchBrowserSettings TWindowServicesHost::PatchBrowser() const {
    const TSettingsData& data = Form_.Data_;
    return TPatchBrowserSettings{data.PatchTreeWidth, data.PatchListState, data.PatchUsingMap};
}
std::array<int, 10> TWindowServicesHost::Bookmarks(const std::string& window) const { return Form_.Bookmarks(window); }
void TWindowServicesHost::SetBookmarks(const std::string& window, const std::array<int, 10>& ids) {
    Form_.SetBookmarks(window, ids);
}
void TWindowServicesHost::SetPatchBrowser(const TPatchBrowserSettings& settings) {
    TSettingsData& data = Form_.Data_;
    data.PatchTreeWidth = settings.TreeWidth;
    data.PatchListState = settings.ListState;
    data.PatchUsingMap = settings.UsingMap;
}

void TWindowServicesHost::SendMessage(int port, const std::vector<uint8_t>& message, const std::string& historyName) {
    Form_.SendMessage(port, message, historyName);
}
void TWindowServicesHost::SendSystemParameter(int number, const std::string& caption) {
    Form_.SendSystemParameter(number, caption);
}
bool TWindowServicesHost::PcKeyboardOn() const { return Form_.Data_.Option(TOption::PcKeyboard); }
void TWindowServicesHost::SetPcKeyboard(bool on) { Form_.SetPcKeyboard(on); }

}  // namespace veka
