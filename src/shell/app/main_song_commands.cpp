// The main window's song commands: reading the setup out of a Standard MIDI File into the
// image ("SMFから読み取る", or a ".mid" file opened by name), which leaves the rest of the song
// as the working copy for the embedding.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

#include "shell/app/main_window.h"
#include "smf/open_smf.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"

namespace veka {

namespace {
constexpr char kSmfRead[] = "smf read";
}  // namespace

QString TVekaMainForm::SongFilter() const {
    return (Language_ == TLanguage::Japanese ? QString::fromUtf8("ｽﾀﾝﾀﾞｰﾄﾞMIDIﾌｧｲﾙ") : QStringLiteral("Standard MIDI File")) +
           QStringLiteral(" (*.mid *.midi)");
}

void TVekaMainForm::GetSetupMeasuresCommand() {
    const QString folder = QString::fromStdString(Settings_.ReadString(kSmfRead, "file path", DataFolder().toStdString()));
    const QString caption = Tr(CommandCaption(TCommand::GetSetupMeasures), Language_);
    const QString name = OpenNameHook ? OpenNameHook(caption, folder, SongFilter())
                                      : QFileDialog::getOpenFileName(this, caption, folder, SongFilter());
    if (!name.isEmpty()) ImportSong(name);
}

bool TVekaMainForm::ImportSong(const QString& fileName) {
    const std::string path = fileName.toStdString();
    // The import starts from a reset image: a song that cannot be read must not cost the setup,
    // so it is read once before anything is reset, and unsaved changes are offered for saving.
    {
        TSMF probe;
        probe.Language = Language_;
        if (!probe.LoadFromFile(path)) {
            ShowMessage(QMessageBox::Warning,
                        QStringLiteral("read error\n\n") + fileName + "\n" + QString::fromStdString(probe.LastError()));
            return false;
        }
    }
    if (!AskSave(63)) return false;

    std::vector<std::string> messages;
    TSmfHost host;
    host.Message = [&messages](const std::string& text) { messages.push_back(text); };
    host.Status = [this](const std::string& text) { Status_->setText(QString::fromStdString(text)); };
    host.StoreSetting = [this](const std::string& section, const std::string& key, const std::string& value) {
        Settings_.WriteString(section, key, value);
    };
    TOpenSmfResult result;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        TSMF smf;
        smf.OnProgress = [this](int max, int current, const std::string& text) {
            ShowProgress(QString::fromStdString(text), current, max);
        };
        result = OpenSmf(*Image_, smf, path, Options_.ProgramFolder, host);
        ProgressDone();
        QApplication::restoreOverrideCursor();
    }
    for (const std::string& text : messages) ShowMessage(QMessageBox::Information, QString::fromStdString(text));
    // The song's setup is no setup file: the next Save asks for a name.
    LastNotes_.Reset();
    SetCaption(QString());
    MarkChanged();
    Action(TCommand::ReplaceSetupMeasures)->setEnabled(false);  // the embedding comes with its command
    RefreshAll();
    if (!result.Read) return false;
    try {
        Session_->Transmitter.SendAll(true, true, true, true, true, false);
    } catch (const std::exception& error) {
        ReportSendError(error);
    }
    // After the transmission, whose end clears the status bar.
    Status_->setText(QString::fromStdString(result.Description));
    return true;
}

}  // namespace veka
