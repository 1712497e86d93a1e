// The main window's own commands: New, Save, Send All, Panic, the copy button, the port
// dialog, About, the contact form, Help and the Window menu.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QMdiArea>
#include <QUrl>

#include "app/midi_setting_dialog.h"
#include "module/difference_list.h"
#include "module/setup_file.h"
#include "app/contact_form.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "app/sys_info.h"
#include "document/module_settings.h"
#include "document/save_commands.h"
#include "document/send_commands.h"

namespace veka {

void TVekaMainForm::ReportSendError(const std::exception& error) { WarnSendFailed(Prompts(), Language_, error); }

void TVekaMainForm::SendAllCommand(bool allUserDrums) {
    RunSendAll(Doc_->Session().Transmitter, allUserDrums, Prompts(), CommandFrame());
}

bool TVekaMainForm::EnsureRequestInput() {
    const bool ja = Language_ == TLanguage::Japanese;
    // Replies come through the input: without one there is nothing to wait for.
    if (Data_.UseMidiIn && Doc_->Session().Input.IsOpen()) return true;
    const QString ask = ja ? QString::fromUtf8("MIDI INPUT が設定されていません\nﾃﾞｰﾀﾘｸｴｽﾄを実行するためにはMIDI Input Portが必要です\nMIDI Input Portの設定を行いますか？")
                           : QStringLiteral("You have not selected any MIDI Input port.\nThis means you won't be able to execute [Data Request].\nChoose the MIDI Input port now?");
    if (ShowMessage(QMessageBox::Question, ask, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return false;
    OpenPortDialog();
    if (Data_.UseMidiIn && Doc_->Session().Input.IsOpen()) return true;
    ShowMessage(QMessageBox::Warning, ja ? QString::fromUtf8("MIDI INPUT の設定は行われませんでした\n処理を中止します")
                                         : QStringLiteral("MIDI Input is not acitve yet.\nData Request was canceled."));
    return false;
}

std::optional<TDataRequestChoice> TVekaMainForm::ChooseRequest(const TDataRequestChoice& stored) {
    if (Hooks.DataRequestChoice) return Hooks.DataRequestChoice(stored);
    TDataReq dialog(stored, Doc_->Image().ModuleType() != mtSC88, RequestLogPath(), Language_, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

std::optional<TDataRequestChoice> TVekaMainForm::AskRequestChoice() {
    const auto choice = ChooseRequest(StoredRequestChoice(Settings_, Data_));
    if (choice) StoreRequestChoice(*choice, Settings_, Data_, Doc_->Session().Request);
    return choice;
}

QString TVekaMainForm::RequestLogPath() const {
    return QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QStringLiteral("DataReq.Log"));
}

bool TVekaMainForm::RunRequest(const std::function<void(const std::atomic<bool>& cancel)>& work) {
    TDataRequest& request = Doc_->Session().Request;
    std::atomic<bool> cancel{false};
    RequestCancel_ = &cancel;
    const TQtPumpWait::TUserInput input(Wait_);  // the progress window's Stop
    auto* progress = new TDataReqDlg(cancel, Language_, this);
    RequestProgress_ = progress;
    progress->show();
    request.OnRequest = [progress](const std::string& category, const std::string& parameter) {
        progress->ShowRequest(category, parameter);
    };
    request.OnMarker = [progress](int marker) { progress->ShowMarker(marker); };
    request.OnRestTime = [progress](int percent, const std::string& text) { progress->ShowRestTime(percent, text); };
    bool failed = false;
    try {
        work(cancel);
    } catch (const std::exception& error) {
        failed = true;
        ReportSendError(error);
    }
    request.OnRequest = nullptr;
    request.OnMarker = nullptr;
    request.OnRestTime = nullptr;
    RequestCancel_ = nullptr;
    RequestProgress_ = nullptr;
    progress->Finish();
    progress->close();
    delete progress;
    return !failed;
}

// The window's side of a data request: the port dialog, the choice and the progress window.
class TWindowRequestView : public IRequestView {
public:
    explicit TWindowRequestView(TVekaMainForm& form) : Form_(form) {}
    bool EnsureInput() override { return Form_.EnsureRequestInput(); }
    std::optional<TDataRequestChoice> ChooseRequest(const TDataRequestChoice& stored) override {
        return Form_.ChooseRequest(stored);
    }
    bool RunRequest(const std::function<void(const std::atomic<bool>& cancel)>& work) override {
        return Form_.RunRequest(work);
    }

private:
    TVekaMainForm& Form_;
};

void TVekaMainForm::DataRequestCommand() {
    TWindowRequestView view(*this);
    veka::DataRequestCommand(*Doc_, Settings_, Data_, RequestLogPath().toStdString(), Prompts(), view);
}

void TVekaMainForm::PanicCommand() { RunPanic(Doc_->Session().Transmitter, Prompts(), CommandFrame()); }

void TVekaMainForm::CopySysxText() {
    const std::string text =
        SysexCopyText(HexPanel_->text().toStdString(), Data_.Option(TOption::CopyWithoutF0F7), Doc_->Session().Transmitter.SysxSpace);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void TVekaMainForm::OpenPortDialog(bool offerQuit) {
    Doc_->NotePlayer().ReleaseAll();  // the ports may close: their notes end first
    // The dialog starts from the module settings in force: the image is their one home (an
    // undo or a data request may have changed the module type since the record was read).
    TakeModuleSettings(Doc_->Image(), Data_);
    if (Hooks.PortDialog) {
        Hooks.PortDialog();
        if (offerQuit && Hooks.QuitOffer && !Doc_->Session().Transmitter.Port(0).IsOpen()) QuitRequested_ = Hooks.QuitOffer();
    } else {
        TMIDISETTING dialog(Doc_->Session().Transmitter, Doc_->Session().Input, Data_, Settings_, Language_, this);
        dialog.SetOfferQuit(offerQuit);
        dialog.exec();
        QuitRequested_ = dialog.QuitChosen();
    }
    if (QuitRequested_) return;
    // The dialog reopens the input; reception starts again here.
    if (Data_.UseMidiIn && Doc_->Session().Input.IsOpen()) {
        try {
            Doc_->Session().Input.Start();
        } catch (const std::exception& error) {
            ShowMessage(QMessageBox::Warning, InputErrorText(error.what()));
        }
    }
    ApplyModuleSettings();
}

void TVekaMainForm::ApplyModuleSettings() {
    // Another family: the tone maps of every part follow it, on the module too.
    const TUndoScope step(*this, CommandCaption(TCommand::MidiPortSetup));
    try {
        veka::ApplyModuleSettings(Data_, Doc_->Session());
    } catch (const std::exception& error) {
        ReportSendError(error);
    }
    RefreshAll();
}

void TVekaMainForm::AboutCommand() {
    std::string identity;
    if (Data_.UseMidiIn && Doc_->Session().Input.IsOpen()) {
        try {
            Doc_->Session().Request.DetectModel(&identity);
        } catch (const std::exception& error) {
            ReportSendError(error);
        }
    }
    TMySplash about(Language_ == TLanguage::English, this);
    about.SetIdentity(QString::fromStdString(identity));
    about.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    about.exec();
}

void TVekaMainForm::ContactFormCommand() {
    TMySysInfo info;
    info.Administrator = Administrator_;
    const std::string text = ContactFormText(info, Language_, Doc_->Image().ModuleType(), InputLines_, OutputLines_);
    TInqWindow form(text, Language_, this);
    form.exec();
}

void TVekaMainForm::HelpContents() {
    const QString app = QCoreApplication::applicationDirPath();
    QString manual;
    for (const QString& path : {app + "/help/veka4.html", app + "/../share/veka4/help/veka4.html"})
        if (QFileInfo::exists(path)) {
            manual = QFileInfo(path).absoluteFilePath();
            break;
        }
    if (!manual.isEmpty()) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) return;
        // Without a desktop's URL handler the desktop's own opener may still know a browser.
        if (QProcess::startDetached(QStringLiteral("xdg-open"), {manual})) return;
    }
    const QString shown = manual.isEmpty() ? QDir::toNativeSeparators(app + "/help/veka4.html") : manual;
    ShowMessage(QMessageBox::Warning, (Language_ == TLanguage::Japanese ? QStringLiteral("ヘルプを開けません: ")
                                                                        : QStringLiteral("The manual could not be opened: ")) +
                                          shown);
}

void TVekaMainForm::MinimizeAll() {
    const auto list = Mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->showMinimized();
}

void TVekaMainForm::CloseAll() { Windows_->CloseAll(); }

void TVekaMainForm::ArrangeIcons() {
    // Minimised windows in one row along the bottom, in the order they were created.
    int left = 0;
    const int bottom = Mdi_->viewport()->height();
    for (QMdiSubWindow* window : Mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        window->move(left, std::max(0, bottom - window->height()));
        left += window->width();
    }
}

}  // namespace veka
