#include "app/communication_menu.h"

#include <QApplication>
#include <QDir>

#include "app/main_window.h"
#include "app/midi_setting_dialog.h"
#include "app/qt_pump_wait.h"
#include "document/document.h"
#include "document/module_settings.h"
#include "document/send_commands.h"
#include "document/settings.h"
#include "windows/data_request_window.h"
#include "app/dialog_prompts.h"

namespace veka {

TCommunicationMenu::TCommunicationMenu(TVekaMainForm& form, TDocument& document, TSettings& settings,
                                       TSettingsData& data, const TStartOptions& options, TLanguage language,
                                       TQtPumpWait& wait)
    : Form_(form), Doc_(document), Settings_(settings), Data_(data), Options_(options), Language_(language), Wait_(wait) {}

void TCommunicationMenu::ReportSendError(const std::exception& error) { WarnSendFailed(Form_.Prompts(), Language_, error); }

void TCommunicationMenu::StopRequest() {
    if (RequestCancel_) *RequestCancel_ = true;
}

QString TCommunicationMenu::InputErrorText(const std::string& detail) const {
    return Language_ == TLanguage::Japanese
               ? QStringLiteral("MIDI INPUT を開けません: ") + QString::fromStdString(detail)
               : QStringLiteral("The MIDI input could not be opened: ") + QString::fromStdString(detail);
}

void TCommunicationMenu::OpenInput() {
    TMidiInput& input = Doc_.Session().Input;
    try {
        input.Close();
        input.SetDeviceID(Data_.MidiIn);
        input.Open();
        input.Start();
        Data_.UseMidiIn = true;
    } catch (const std::exception& error) {
        Data_.UseMidiIn = false;  // until the next start
        Form_.ShowMessage(QMessageBox::Warning, InputErrorText(error.what()));
    }
}

void TCommunicationMenu::SendAllCommand(bool allUserDrums) {
    if (!Doc_.Playback().StopForTransmission(Form_.Prompts())) return;
    RunSendAll(Doc_.Session().Transmitter, allUserDrums, Form_.Prompts(), Form_.CommandFrame());
}

bool TCommunicationMenu::EnsureRequestInput() {
    const bool ja = Language_ == TLanguage::Japanese;
    // Replies come through the input: without one there is nothing to wait for.
    if (Data_.UseMidiIn && Doc_.Session().Input.IsOpen()) return true;
    const QString ask = ja ? QString::fromUtf8("MIDI INPUT が設定されていません\nﾃﾞｰﾀﾘｸｴｽﾄを実行するためにはMIDI Input Portが必要です\nMIDI Input Portの設定を行いますか？")
                           : QStringLiteral("You have not selected any MIDI Input port.\nThis means you won't be able to execute [Data Request].\nChoose the MIDI Input port now?");
    if (Form_.ShowMessage(QMessageBox::Question, ask, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return false;
    OpenPortDialog();
    if (Data_.UseMidiIn && Doc_.Session().Input.IsOpen()) return true;
    Form_.ShowMessage(QMessageBox::Warning, ja ? QString::fromUtf8("MIDI INPUT の設定は行われませんでした\n処理を中止します")
                                               : QStringLiteral("MIDI Input is not acitve yet.\nData Request was canceled."));
    return false;
}

std::optional<TDataRequestChoice> TCommunicationMenu::ChooseRequest(const TDataRequestChoice& stored) {
    if (Form_.Hooks.DataRequestChoice) return Form_.Hooks.DataRequestChoice(stored);
    TDataReq dialog(stored, Doc_.Image().ModuleType() != mtSC88, RequestLogPath(), Language_, &Form_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

std::optional<TDataRequestChoice> TCommunicationMenu::AskRequestChoice() {
    const auto choice = ChooseRequest(StoredRequestChoice(Settings_, Data_));
    if (choice) StoreRequestChoice(*choice, Settings_, Data_, Doc_.Session().Request);
    return choice;
}

QString TCommunicationMenu::RequestLogPath() const {
    return QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QStringLiteral("DataReq.Log"));
}

bool TCommunicationMenu::RunRequest(const std::function<void(const std::atomic<bool>& cancel)>& work) {
    TDataRequest& request = Doc_.Session().Request;
    std::atomic<bool> cancel{false};
    RequestCancel_ = &cancel;
    const TQtPumpWait::TUserInput input(Wait_);  // the progress window's Stop
    auto* progress = new TDataReqDlg(cancel, Language_, &Form_);
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

namespace {
// The program's side of a data request: the port dialog, the choice and the progress window.
class TWindowRequestView : public IRequestView {
public:
    explicit TWindowRequestView(TCommunicationMenu& menu) : Menu_(menu) {}
    bool EnsureInput() override { return Menu_.EnsureRequestInput(); }
    std::optional<TDataRequestChoice> ChooseRequest(const TDataRequestChoice& stored) override {
        return Menu_.ChooseRequest(stored);
    }
    bool RunRequest(const std::function<void(const std::atomic<bool>& cancel)>& work) override {
        return Menu_.RunRequest(work);
    }

private:
    TCommunicationMenu& Menu_;
};
}  // namespace

void TCommunicationMenu::DataRequestCommand() {
    if (!Doc_.Playback().StopForTransmission(Form_.Prompts())) return;
    TWindowRequestView view(*this);
    veka::DataRequestCommand(Doc_, Settings_, Data_, RequestLogPath().toStdString(), Form_.Prompts(), view);
}

void TCommunicationMenu::PanicCommand() {
    Doc_.Playback().Panic();  // the song's notes and sustain too, and nothing handed ahead sounds after it
    RunPanic(Doc_.Session().Transmitter, Form_.Prompts(), Form_.CommandFrame());
}

void TCommunicationMenu::OpenPortDialog(bool offerQuit) {
    Doc_.NotePlayer().ReleaseAll();  // the ports may close: their notes end first
    // The dialog starts from the module settings in force: the image is their one home (an
    // undo or a data request may have changed the module type since the record was read).
    TakeModuleSettings(Doc_.Image(), Data_);
    if (Form_.Hooks.PortDialog) {
        Form_.Hooks.PortDialog();
        if (offerQuit && Form_.Hooks.QuitOffer && !Doc_.Session().Transmitter.Port(0).IsOpen())
            QuitRequested_ = Form_.Hooks.QuitOffer();
    } else {
        TMIDISETTING dialog(Doc_.Session().Transmitter, Doc_.Session().Input, Data_, Settings_, Language_, &Form_);
        dialog.SetOfferQuit(offerQuit);
        dialog.exec();
        QuitRequested_ = dialog.QuitChosen();
    }
    if (QuitRequested_) return;
    // The dialog reopens the input; reception starts again here.
    if (Data_.UseMidiIn && Doc_.Session().Input.IsOpen()) {
        try {
            Doc_.Session().Input.Start();
        } catch (const std::exception& error) {
            Form_.ShowMessage(QMessageBox::Warning, InputErrorText(error.what()));
        }
    }
    ApplyModuleSettings();
}

void TCommunicationMenu::ApplyModuleSettings() {
    // Another family: the tone maps of every part follow it, on the module too.
    const TDocument::TUndoScope step(Doc_, Tr(CommandCaption(TCommand::MidiPortSetup), Language_).toStdString());
    try {
        veka::ApplyModuleSettings(Data_, Doc_.Session());
    } catch (const std::exception& error) {
        ReportSendError(error);
    }
    Form_.RefreshAll();
}

}  // namespace veka
