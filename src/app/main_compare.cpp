// The compare window's sources in the main window: the power-on defaults and the setup files
// read onto them (document/compare_sources.h), the file chosen for it, the module through the
// data request; sending the differences; showing a listed parameter in its editor window.
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include "midi/module_compare.h"
#include "module/image_snapshot.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "document/send_commands.h"

namespace veka {

namespace {

constexpr TCaption kNoFile = {"ｾｯﾄｱｯﾌﾟはまだﾌｧｲﾙに保存されていません", "The setup has not been saved to a file yet."};

}  // namespace

TCompareTarget TVekaMainForm::Defaults() { return PowerOnLike(Doc_->Image(), Options_.DefaultFolder); }

TCompareTarget TVekaMainForm::ReadOntoPowerOn(const QString& fileName) {
    return SetupFileOntoPowerOn(Doc_->Image(), Options_.DefaultFolder, fileName.toStdString());
}

TCompareTarget TVekaMainForm::SavedFile() {
    const QString fileName = FileName();
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) {
        TCompareTarget none;
        none.Error = Tr(kNoFile, Language_).toStdString();
        return none;
    }
    return ReadOntoPowerOn(fileName);
}

TCompareTarget TVekaMainForm::OtherFile() {
    const QString caption = Tr(CommandCaption(TCommand::Compare), Language_);
    const QString name = Hooks.OpenName ? Hooks.OpenName(caption, Files_->DataFolder(), OpenFilters(Language_))
                                      : QFileDialog::getOpenFileName(this, caption, Files_->DataFolder(), OpenFilters(Language_));
    if (name.isEmpty()) return {};
    return ReadOntoPowerOn(name);
}

TCompareTarget TVekaMainForm::Module() {
    TCompareTarget target;
    if (Busy_ || RequestCancel_ || !EnsureRequestInput()) return target;
    const auto choice = AskRequestChoice();
    if (!choice) return target;
    // The request reads into the image; the image is written back after it, and nothing of it
    // counts as an edit: no step, no unsaved mark, no recovery.
    Doc_->CommitUndoStep();
    const bool changed = Doc_->Changed();
    TModuleComparison comparison;
    const bool ok = RunRequest([&](const std::atomic<bool>& cancel) {
        comparison = CompareWithModule(Doc_->Session().Request, Doc_->Image(), Options_.DefaultFolder, choice->Selected,
                                       choice->TakeLog ? RequestLogPath().toStdString() : std::string(), &cancel);
    });
    Doc_->ForgetChanges(changed);
    RefreshAll();
    if (!ok) return target;  // the send error was told
    if (!comparison.Report.Ran) return target;  // nothing selected
    target.Image = std::move(comparison.Module);
    target.Unread = std::move(comparison.Unread);
    return target;
}

int TVekaMainForm::SendDifferences(const std::vector<int>& indices) {
    Doc_->NotePlayer().ReleaseAll();
    int sent = 0;
    SendRun(Doc_->Transmitter(), indices.size(), [&] { sent = SendImageParameters(Doc_->Session().Transmitter, indices); });
    return sent;
}

void TVekaMainForm::ShowParameter(int port, const TLinkData& link) {
    int window = 0;
    switch (link.Kind) {
        case LinkSystem: window = link.Owner >= 1 && link.Owner <= 4 ? wnMaster : wnEffect; break;
        case LinkPart: window = wnPart; break;
        case LinkDrum: window = wnDrum; break;
        case LinkUserDrum: window = wnUserDrum; break;
        default: return;
    }
    if ((link.Kind == LinkPart || link.Kind == LinkDrum) && port != CurrentPort() && port < Doc_->Image().ActivePortCount())
        SetCurrentPort(port);
    if (link.Kind == LinkPart) SelectPart(link.Owner);
    TManagedSubWindow* sub = Windows_->OpenOrBringForward(window);
    if (!sub) return;
    if (auto* editor = dynamic_cast<IEditorWindow*>(sub->widget())) editor->ShowParameter(port, link);
}

void TVekaMainForm::CompareWithModuleCommand() {
    TManagedSubWindow* sub = Windows_->OpenOrBringForward(wnCompare);
    if (auto* window = sub ? qobject_cast<TCompareWindow*>(sub->widget()) : nullptr)
        window->CompareWith(TCompareWindow::csModule);
}

}  // namespace veka
