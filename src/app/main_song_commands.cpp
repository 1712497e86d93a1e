// The main window's song commands: reading the setup out of a Standard MIDI File into the
// image ("SMFから読み取る", or a ".mid" file opened by name), which leaves the rest of the song
// as the working copy for the embedding.
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

#include "app/file_kinds.h"
#include "app/main_window.h"
#include "smf/open_smf.h"
#include "smf/owner_name.h"
#include "smf/setup_commands.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"
#include "windows/smf_custom_window.h"

namespace veka {

namespace {
constexpr char kSmfRead[] = "smf read";
constexpr char kSmfWrite[] = "smf write";
constexpr char kShippedOrder[] = "default.scd";

QString Texts(TLanguage language, const char* japanese, const char* english) {
    return QString::fromUtf8(language == TLanguage::Japanese ? japanese : english);
}
}  // namespace

QString TVekaMainForm::SongFilter() const { return veka::SongFilter(Language_); }

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
    const TUndoScope step(*this, CommandCaption(TCommand::GetSetupMeasures));

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
        result = OpenSmf(Doc_->Image(), smf, path, Options_.ProgramFolder, host, std::chrono::system_clock::now(), StatusProgress_);
        ProgressDone();
        QApplication::restoreOverrideCursor();
    }
    for (const std::string& text : messages) ShowMessage(QMessageBox::Information, QString::fromStdString(text));
    // The song's setup is no setup file: the next Save asks for a name.
    Doc_->LastNotes().Reset();
    Doc_->SetFileName({});
    Doc_->MarkChanged();
    EnableEmbedding();
    RefreshAll();
    if (!result.Read) return false;
    try {
        Doc_->Session().Transmitter.SendAll(true, true, true, true, true, false);
    } catch (const std::exception& error) {
        ReportSendError(error);
    }
    // After the transmission, whose end clears the status bar.
    Status_->setText(QString::fromStdString(result.Description));
    return true;
}

void TVekaMainForm::EnableEmbedding() {
    const QString temp = QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QString::fromUtf8(kTempSmfName));
    Action(TCommand::ReplaceSetupMeasures)->setEnabled(QFileInfo::exists(temp));
}

bool TVekaMainForm::SongOrderList(TOrderList& list) {
    const std::string name = Settings_.ReadString("setting", "current scd", kShippedOrder);
    const QString path = QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QString::fromStdString(name));
    const bool exists = QFileInfo::exists(path);
    if (!exists && name != kShippedOrder)
        ShowMessage(QMessageBox::Warning,
                    Texts(Language_, "設定されたSMF Setup 構成の定義ﾌｧｲﾙが見つかりません\nSMF Setup 構成ｳｨﾝﾄﾞｳで確認してください",
                          "Specified SMF definition file is not found.\nCheck SMF Export Setup Window."));
    if (exists && !Data_.Option(TOption::SmfSetupDialog)) {
        std::string error;
        if (!ReadOrderFile(path.toStdString(), list, error)) {
            ShowMessage(QMessageBox::Warning, QString::fromStdString(error) + "\n\n" + path);
            return false;
        }
    } else {
        // TOption::SmfSetupDialog, or no definition file yet: the composition window decides.
        const auto chosen = SmfCustomCommand();
        if (!chosen) return false;
        list = *chosen;
    }
    if (list.empty()) {
        ShowMessage(QMessageBox::Warning, QString::fromStdString(EmptyOrderListText(Language_)));
        return false;
    }
    return true;
}

std::optional<TOrderList> TVekaMainForm::SmfCustomCommand() {
    Doc_->TestNote().Stop();
    if (SmfCustomHook) return SmfCustomHook();
    const std::string current = Settings_.ReadString("setting", "current scd", kShippedOrder);
    TSMFCustom window(Doc_->Image(), Options_.ProgramFolder, current, Language_, this);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    Settings_.WriteString("setting", "current scd", window.CurrentPreset());
    Data_.CurrentScd = window.CurrentPreset();
    return window.List();
}

QString TVekaMainForm::ChooseSongName(const QString& caption, int defaultFormat, int& format) {
    const QString formats[2] = {QStringLiteral("SMF Format 0 (*.mid)"), QStringLiteral("SMF Format 1 (*.mid)")};
    const QString folder = QString::fromStdString(Settings_.ReadString(kSmfWrite, "file path", Options_.ProgramFolder));
    format = std::clamp(Settings_.ReadInteger("SMF", "Format", defaultFormat), 0, 1);
    QString chosen = formats[format];
    const QString name = ChooseSaveName(caption, folder, formats[0] + ";;" + formats[1], QStringLiteral("mid"), chosen);
    if (name.isEmpty()) return {};
    format = chosen == formats[1] ? 1 : 0;
    Settings_.WriteString(kSmfWrite, "file path", QFileInfo(name).absolutePath().toStdString());
    Settings_.WriteInteger("SMF", "Format", format);
    return name;
}

namespace {
// The time base of a new song: the stored index into the table.
int StoredTimeBase(const TSettings& settings) {
    const int index = std::clamp(settings.ReadInteger("smf fine", "timebase", 0), 0, int(std::size(kSmfTimeBases)) - 1);
    return kSmfTimeBases[index];
}
}  // namespace

bool TVekaMainForm::ExportSmfCommand() {
    TOrderList order;
    if (!SongOrderList(order)) return false;
    const QString scd = QString::fromStdString(Settings_.ReadString("setting", "current scd", kShippedOrder));
    int format = 0;
    const QString name = ChooseSongName(Texts(Language_, "SMFの保存-Setup 定義 : ", "Save SMF - setup : ") + scd, 0, format);
    if (name.isEmpty()) return false;
    TSmfWriteOptions options;
    options.Format = format;
    options.TimeBase = StoredTimeBase(Settings_);
    options.WithText = Data_.Option(TOption::SmfWithText);
    options.DummyNotes = Data_.Option(TOption::DummyNotes);
    ShowProgress(Texts(Language_, "ﾃﾞｰﾀの準備中...", "Making data..."), 0, 0);
    TSMF smf;
    return WriteSong(name, [&](std::string& error) {
        return ExportSmf(Doc_->Image(), smf, order, name.toStdString(), options, UserFullName(), error, StatusProgress_);
    });
}

bool TVekaMainForm::WriteSong(const QString& name, const std::function<bool(std::string& error)>& write) {
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = write(error);
    QApplication::restoreOverrideCursor();
    ProgressDone();
    if (!written) {
        ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
        return false;
    }
    Status_->setText(Texts(Language_, "保存しました: ", "Saved: ") + name);
    return true;
}

bool TVekaMainForm::EmbedSetupCommand(bool intoSongReadLast) {
    if (intoSongReadLast)
        Status_->setText(QString::fromStdString(Settings_.ReadString("SMF", "current file", "")));
    TOrderList order;
    if (!SongOrderList(order)) return false;
    TSMF smf;
    smf.Language = Language_;
    std::string error;
    if (intoSongReadLast) {
        const QString temp = QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QString::fromUtf8(kTempSmfName));
        if (!LoadWorkingCopyForEmbedding(smf, temp.toStdString(), error)) {
            ShowMessage(QMessageBox::Warning, QString::fromStdString(error));
            return false;
        }
    } else {
        const QString caption = Texts(Language_, "埋め込むﾌｧｲﾙ", "Append to ");
        const QString folder = QString::fromStdString(Settings_.ReadString(kSmfWrite, "file path", Options_.ProgramFolder));
        const QString song = OpenNameHook ? OpenNameHook(caption, folder, SongFilter())
                                          : QFileDialog::getOpenFileName(this, caption, folder, SongFilter());
        if (song.isEmpty()) return false;
        if (!LoadSongForEmbedding(smf, song.toStdString(), error)) {
            ShowMessage(QMessageBox::Warning, QStringLiteral("read error\n\n") + song + "\n" + QString::fromStdString(error));
            return false;
        }
    }
    int format = 1;
    const QString scd = QString::fromStdString(Settings_.ReadString("setting", "current scd", kShippedOrder));
    const QString name = ChooseSongName(Texts(Language_, "SMFの保存-Setup 定義 : ", "Save SMF - setup : ") + scd, 1, format);
    if (name.isEmpty()) return false;
    ShowMessage(QMessageBox::Information, QString::fromStdString(EmbedNoticeText(Language_)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    TSmfWriteOptions options;
    options.Format = format;
    options.WithText = Data_.Option(TOption::SmfWithText);
    options.DummyNotes = Data_.Option(TOption::DummyNotes);
    return WriteSong(name, [&](std::string& writeError) {
        return EmbedSetup(Doc_->Image(), smf, order, name.toStdString(), options, writeError, StatusProgress_);
    });
}

}  // namespace veka
