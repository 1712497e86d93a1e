#pragma once
// The Communication menu: Send All, Panic, the port dialog, the data request with its choice
// and progress window, and the compare window's sources (the power-on defaults, the setup
// file, another file, the module). The core runs each command; this room answers with the
// program's dialogs.
#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/request_command.h"
#include "module/language.h"
#include "windows/compare_window.h"

namespace veka {

class TDataReqDlg;
class TDocument;
class TQtPumpWait;
class TSettings;
struct TSettingsData;
struct TStartOptions;
class TVekaMainForm;

class TCommunicationMenu : public ICompareSources {
public:
    TCommunicationMenu(TVekaMainForm& form, TDocument& document, TSettings& settings, TSettingsData& data,
                       const TStartOptions& options, TLanguage language, TQtPumpWait& wait);

    void SendAllCommand(bool allUserDrums);
    void PanicCommand();
    // offerQuit: a first start without an output, where closing the dialog may quit the program.
    void OpenPortDialog(bool offerQuit = false);
    // The user chose to quit at the first start's port dialog: an orderly end, not an error.
    bool QuitRequested() const { return QuitRequested_; }
    // Brings the port dialog's record into force (ports, module type, pacing) and shows it.
    void ApplyModuleSettings();
    // Opens the input of the settings; a failure is told and the input stays off until the next start.
    void OpenInput();

    // The choice, the request loop with its progress window, the report; every open window
    // shows what was read.
    void DataRequestCommand();
    // The parts of a request: an input (the port dialog offered), the choice of what to read
    // (stored for the next time), and the work with the progress window and its Stop.
    bool EnsureRequestInput();
    std::optional<TDataRequestChoice> ChooseRequest(const TDataRequestChoice& stored);
    std::optional<TDataRequestChoice> AskRequestChoice();
    bool RunRequest(const std::function<void(const std::atomic<bool>& cancel)>& work);
    QString RequestLogPath() const;
    // A request runs (inside its progress window); StopRequest ends it at its next message.
    bool Requesting() const { return RequestCancel_ != nullptr; }
    void StopRequest();
    // The progress window while a request runs (tests press its Stop).
    TDataReqDlg* RequestProgress() const { return RequestProgress_; }

    // Communication > Compare with Module: the compare window, on the module.
    void CompareWithModuleCommand();
    // The compare window's sources; a setup file is read onto a power-on image of the program's settings.
    TCompareTarget Defaults() override;
    TCompareTarget SavedFile() override;
    TCompareTarget OtherFile() override;
    TCompareTarget Module() override;
    int SendDifferences(const std::vector<int>& indices) override;
    void ShowParameter(int port, const TLinkData& link) override;

private:
    TCompareTarget ReadOntoPowerOn(const QString& fileName);
    QString InputErrorText(const std::string& detail) const;
    void ReportSendError(const std::exception& error);

    TVekaMainForm& Form_;
    TDocument& Doc_;
    TSettings& Settings_;
    TSettingsData& Data_;
    const TStartOptions& Options_;
    const TLanguage Language_;
    TQtPumpWait& Wait_;
    bool QuitRequested_ = false;
    std::atomic<bool>* RequestCancel_ = nullptr;  // while a data request runs
    TDataReqDlg* RequestProgress_ = nullptr;
};

}  // namespace veka
