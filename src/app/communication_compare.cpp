// The compare window's sources: the power-on defaults and the setup files read onto them
// (document/compare_sources.h), the file chosen for it, the module through the data request;
// sending the differences; showing a listed parameter in its editor window.
#include <QFileDialog>
#include <QFileInfo>

#include "midi/module_compare.h"
#include "module/image_snapshot.h"
#include "app/file_kinds.h"
#include "app/communication_menu.h"
#include "app/main_window.h"
#include "document/document.h"
#include "document/send_commands.h"
#include "app/file_menu.h"
#include "app/managed_windows.h"
#include "windows/window_services.h"

namespace veka {

namespace {

constexpr TCaption kNoFile = {"ｾｯﾄｱｯﾌﾟはまだﾌｧｲﾙに保存されていません", "The setup has not been saved to a file yet."};

}  // namespace

TCompareTarget TCommunicationMenu::Defaults() { return PowerOnLike(Doc_.Image(), Options_.DefaultFolder); }

TCompareTarget TCommunicationMenu::ReadOntoPowerOn(const QString& fileName) {
    return SetupFileOntoPowerOn(Doc_.Image(), Options_.DefaultFolder, fileName.toStdString());
}

TCompareTarget TCommunicationMenu::SavedFile() {
    const QString fileName = Form_.FileName();
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) {
        TCompareTarget none;
        none.Error = Tr(kNoFile, Language_).toStdString();
        return none;
    }
    return ReadOntoPowerOn(fileName);
}

TCompareTarget TCommunicationMenu::OtherFile() {
    const QString caption = Tr(CommandCaption(TCommand::Compare), Language_);
    const QString name = Form_.Hooks.OpenName ? Form_.Hooks.OpenName(caption, Form_.Files().DataFolder(), OpenFilters(Language_))
                                      : QFileDialog::getOpenFileName(&Form_, caption, Form_.Files().DataFolder(), OpenFilters(Language_));
    if (name.isEmpty()) return {};
    return ReadOntoPowerOn(name);
}

TCompareTarget TCommunicationMenu::Module() {
    TCompareTarget target;
    if (Form_.Busy() || RequestCancel_ || !EnsureRequestInput()) return target;
    const auto choice = AskRequestChoice();
    if (!choice) return target;
    // The request reads into the image; the image is written back after it, and nothing of it
    // counts as an edit: no step, no unsaved mark, no recovery.
    Doc_.CommitUndoStep();
    const bool changed = Doc_.Changed();
    TModuleComparison comparison;
    const bool ok = RunRequest([&](const std::atomic<bool>& cancel) {
        comparison = CompareWithModule(Doc_.Session().Request, Doc_.Image(), Options_.DefaultFolder, choice->Selected,
                                       choice->TakeLog ? RequestLogPath().toStdString() : std::string(), &cancel);
    });
    Doc_.ForgetChanges(changed);
    Form_.RefreshAll();
    if (!ok) return target;  // the send error was told
    if (!comparison.Report.Ran) return target;  // nothing selected
    if (comparison.Report.PortGone) {
        // Half a module is no comparison: the report says which port went and how far it came.
        std::string text = comparison.Report.Text;
        std::erase(text, '\r');
        target.Error = text;
        return target;
    }
    target.Image = std::move(comparison.Module);
    target.Unread = std::move(comparison.Unread);
    return target;
}

int TCommunicationMenu::SendDifferences(const std::vector<int>& indices) {
    Doc_.NotePlayer().ReleaseAll();
    int sent = 0;
    SendRun(Doc_.Transmitter(), indices.size(), [&] { sent = SendImageParameters(Doc_.Session().Transmitter, indices); });
    return sent;
}

void TCommunicationMenu::ShowParameter(int port, const TLinkData& link) {
    int window = 0;
    switch (link.Kind) {
        case LinkSystem: window = link.Owner >= 1 && link.Owner <= 4 ? wnMaster : wnEffect; break;
        case LinkPart: window = wnPart; break;
        case LinkDrum: window = wnDrum; break;
        case LinkUserDrum: window = wnUserDrum; break;
        default: return;
    }
    if ((link.Kind == LinkPart || link.Kind == LinkDrum) && port != Form_.Services().Edit.CurrentPort() && port < Doc_.Image().ActivePortCount())
        Form_.Services().Edit.SetCurrentPort(port);
    if (link.Kind == LinkPart) Form_.Services().Edit.SelectPart(link.Owner, nullptr);
    TManagedSubWindow* sub = Form_.Windows().OpenOrBringForward(window);
    if (!sub) return;
    if (auto* editor = dynamic_cast<IEditorWindow*>(sub->widget())) editor->ShowParameter(port, link);
}

void TCommunicationMenu::CompareWithModuleCommand() {
    TManagedSubWindow* sub = Form_.Windows().OpenOrBringForward(wnCompare);
    if (auto* window = sub ? qobject_cast<TCompareWindow*>(sub->widget()) : nullptr)
        window->CompareWith(TCompareWindow::csModule);
}

}  // namespace veka
