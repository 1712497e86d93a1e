#include "app/window_services_host.h"
#include "app/dialog_prompts.h"

#include "app/main_window.h"
#include "document/bookmarks.h"
#include "document/send_commands.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "app/part_menu.h"
#include "app/status_area.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace veka {

TVGS& TWindowServicesHost::Image() { return Form_.Document().Image(); }
TLanguage TWindowServicesHost::Language() const { return Form_.Language(); }
int TWindowServicesHost::CurrentPort() const { return Form_.Document().Session().Focus.Port; }
int TWindowServicesHost::CurrentPart() const { return Form_.Document().Session().Focus.Part; }
// The session holds the port, part and channel being edited; the windows are told.
void TWindowServicesHost::SetCurrentPort(int port) {
    TPartFocus& focus = Form_.Document().Session().Focus;
    if (port < 0 || port >= Form_.Document().Image().ActivePortCount() || port == focus.Port) return;
    Form_.Document().TestNote().Stop();
    focus.Port = port;
    Form_.RefreshAll();
}
void TWindowServicesHost::SelectPart(int part, QWidget* asker) {
    const int selected = Form_.Document().Session().Focus.Part = std::clamp(part, 1, 16);
    Form_.Windows().ForEachEditor(asker, [selected](IEditorWindow& editor) { editor.SelectPart(selected); });
}
void TWindowServicesHost::SetCurrentChannel(int channel) {
    Form_.Document().Session().Focus.Channel = std::clamp(channel, 0, 15);
}
void TWindowServicesHost::EndEditGesture() { EditErrorShown_ = false; }

TTestNote& TWindowServicesHost::TestNote() { return Form_.Document().TestNote(); }
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

TOptionsView TWindowServicesHost::Options() const { return TOptionsView(Form_.Data()); }
std::string TWindowServicesHost::PresetFolder() const { return Form_.ProgramFolder(); }
TPatchBrowserSettings TWindowServicesHost::PatchBrowser() const {
    const TSettingsData& data = Form_.Data();
    return TPatchBrowserSettings{data.PatchTreeWidth, data.PatchListState, data.PatchUsingMap};
}
void TWindowServicesHost::SetPatchBrowser(const TPatchBrowserSettings& settings) {
    TSettingsData& data = Form_.Data();
    data.PatchTreeWidth = settings.TreeWidth;
    data.PatchListState = settings.ListState;
    data.PatchUsingMap = settings.UsingMap;
}

bool TWindowServicesHost::PcKeyboardOn() const { return Form_.Data().Option(TOption::PcKeyboard); }
void TWindowServicesHost::SetPcKeyboard(bool on) { Form_.OptionMenu().SetPcKeyboard(on); }

void TWindowServicesHost::ReportEditError(const std::exception& error) {
    if (EditErrorShown_) return;  // one message per gesture, not one per drag step
    EditErrorShown_ = true;
    WarnSendFailed(Form_.Prompts(), Form_.Language(), error);
}

void TWindowServicesHost::PointerPassed(QWidget* window) {
    if (!Form_.Data().Option(TOption::AutoActivate) || !window) return;
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            if (Form_.MdiArea()->activeSubWindow() != sub) Form_.MdiArea()->setActiveSubWindow(sub);
            return;
        }
}

int TWindowServicesHost::ReadBarColor(const std::string& window, int defaultValue) const {
    return Form_.Settings().ReadInteger("form", window + "bar color", defaultValue);
}

void TWindowServicesHost::WriteBarColor(const std::string& window, int value) {
    Form_.Settings().WriteInteger("form", window + "bar color", value);
}

std::array<int, 10> TWindowServicesHost::Bookmarks(const std::string& window) const {
    return ReadBookmarks(Form_.Settings(), window);
}

void TWindowServicesHost::SetBookmarks(const std::string& window, const std::array<int, 10>& ids) {
    if (!WriteBookmarks(Form_.Settings(), window, ids))
        Form_.ShowMessage(QMessageBox::Warning, QString::fromStdString(Form_.Settings().LastError()));
}

void TWindowServicesHost::SendMessage(int port, const std::vector<uint8_t>& message, const std::string& historyName) {
    try {
        Form_.Document().Session().Transmitter.SendRawLogged(port, message, historyName);
    } catch (const std::exception& error) {
        WarnSendFailed(Form_.Prompts(), Form_.Language(), error);
    }
}

void TWindowServicesHost::SendSystemParameter(int number, const std::string& caption) {
    if (!TVGS::ValidSystem(number)) return;
    Form_.StatusArea().ShowProgress(QString::fromStdString(caption), 0, 0);  // gone once the preset is sent
    const TOneParameter& p = Form_.Document().Image().System(number);
    Form_.Document().Session().Transmitter.SendParameter(0, p, TLinkData{LinkSystem, number, 0, 0, 0},
                                                    std::string(p.Name) + " " + std::to_string(p.Value));
    Form_.Clock().Wait(Form_.Data().TransWait);
}

}  // namespace veka
