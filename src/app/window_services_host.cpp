#include "app/window_services_host.h"
#include "app/dialog_prompts.h"

#include "app/main_window.h"
#include "document/bookmarks.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace veka {

TVGS& TWindowServicesHost::Image() { return Form_.Doc_->Image(); }
TLanguage TWindowServicesHost::Language() const { return Form_.Language_; }
int TWindowServicesHost::CurrentPort() const { return Form_.Doc_->Session().Focus.Port; }
int TWindowServicesHost::CurrentPart() const { return Form_.Doc_->Session().Focus.Part; }
// The session holds the port, part and channel being edited; the windows are told.
void TWindowServicesHost::SetCurrentPort(int port) {
    TPartFocus& focus = Form_.Doc_->Session().Focus;
    if (port < 0 || port >= Form_.Doc_->Image().ActivePortCount() || port == focus.Port) return;
    Form_.Doc_->TestNote().Stop();
    focus.Port = port;
    Form_.RefreshAll();
}
void TWindowServicesHost::SelectPart(int part, QWidget* asker) {
    const int selected = Form_.Doc_->Session().Focus.Part = std::clamp(part, 1, 16);
    Form_.Windows_->ForEachEditor(asker, [selected](IEditorWindow& editor) { editor.SelectPart(selected); });
}
void TWindowServicesHost::SetCurrentChannel(int channel) {
    Form_.Doc_->Session().Focus.Channel = std::clamp(channel, 0, 15);
}
void TWindowServicesHost::EndEditGesture() { EditErrorShown_ = false; }

TTestNote& TWindowServicesHost::TestNote() { return Form_.Doc_->TestNote(); }
void TWindowServicesHost::WaitMs(int ms) { Form_.Clock().Wait(ms); }

void TWindowServicesHost::Warn(const std::string& text) {
    Form_.ShowMessage(QMessageBox::Warning, QString::fromStdString(text));
}
QMenu* TWindowServicesHost::PartMenu() { return Form_.Parts().Menu(); }
void TWindowServicesHost::ShowHelp(const QString& text) { Form_.StatusArea().ShowHelp(text); }
QString TWindowServicesHost::ChooseSaveName(const QString& caption, const QString& folder, const QString& filter,
                                            const QString& extension) {
    return Form_.Prompts().ChooseSaveName(caption, folder, filter, extension);
}
const TProgress& TWindowServicesHost::StatusProgress() const { return Form_.StatusArea().Progress(); }

TOptionsView TWindowServicesHost::Options() const { return TOptionsView(Form_.Data_); }
std::string TWindowServicesHost::PresetFolder() const { return Form_.Options_.ProgramFolder; }
TPatchBrowserSettings TWindowServicesHost::PatchBrowser() const {
    const TSettingsData& data = Form_.Data_;
    return TPatchBrowserSettings{data.PatchTreeWidth, data.PatchListState, data.PatchUsingMap};
}
void TWindowServicesHost::SetPatchBrowser(const TPatchBrowserSettings& settings) {
    TSettingsData& data = Form_.Data_;
    data.PatchTreeWidth = settings.TreeWidth;
    data.PatchListState = settings.ListState;
    data.PatchUsingMap = settings.UsingMap;
}

bool TWindowServicesHost::PcKeyboardOn() const { return Form_.Data_.Option(TOption::PcKeyboard); }
void TWindowServicesHost::SetPcKeyboard(bool on) { Form_.OptionMenu().SetPcKeyboard(on); }

void TWindowServicesHost::ReportEditError(const std::exception& error) {
    if (EditErrorShown_) return;  // one message per gesture, not one per drag step
    EditErrorShown_ = true;
    Form_.ReportSendError(error);
}

void TWindowServicesHost::PointerPassed(QWidget* window) {
    if (!Form_.Data_.Option(TOption::AutoActivate) || !window) return;
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            if (Form_.Mdi_->activeSubWindow() != sub) Form_.Mdi_->setActiveSubWindow(sub);
            return;
        }
}

int TWindowServicesHost::ReadBarColor(const std::string& window, int defaultValue) const {
    return Form_.Settings_.ReadInteger("form", window + "bar color", defaultValue);
}

void TWindowServicesHost::WriteBarColor(const std::string& window, int value) {
    Form_.Settings_.WriteInteger("form", window + "bar color", value);
}

std::array<int, 10> TWindowServicesHost::Bookmarks(const std::string& window) const {
    return ReadBookmarks(Form_.Settings_, window);
}

void TWindowServicesHost::SetBookmarks(const std::string& window, const std::array<int, 10>& ids) {
    if (!WriteBookmarks(Form_.Settings_, window, ids))
        Form_.ShowMessage(QMessageBox::Warning, QString::fromStdString(Form_.Settings_.LastError()));
}

void TWindowServicesHost::SendMessage(int port, const std::vector<uint8_t>& message, const std::string& historyName) {
    try {
        Form_.Doc_->Session().Transmitter.SendRawLogged(port, message, historyName);
    } catch (const std::exception& error) {
        Form_.ReportSendError(error);
    }
}

void TWindowServicesHost::SendSystemParameter(int number, const std::string& caption) {
    if (!TVGS::ValidSystem(number)) return;
    Form_.StatusArea_->ShowProgress(QString::fromStdString(caption), 0, 0);  // gone once the preset is sent
    const TOneParameter& p = Form_.Doc_->Image().System(number);
    Form_.Doc_->Session().Transmitter.SendParameter(0, p, TLinkData{LinkSystem, number, 0, 0, 0},
                                                    std::string(p.Name) + " " + std::to_string(p.Value));
    Form_.Clock().Wait(Form_.Data_.TransWait);
}

}  // namespace veka
