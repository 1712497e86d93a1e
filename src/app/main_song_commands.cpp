// The main window's song commands: the core runs them with the window's settings and folders;
// the window enables the embedding once a working copy exists and opens the composition window.
#include <QDir>
#include <QFileInfo>

#include "app/file_kinds.h"
#include "app/main_window.h"
#include "smf/temp_smf.h"
#include "windows/smf_custom_window.h"

namespace veka {

namespace {
constexpr char kShippedOrder[] = "default.scd";
}  // namespace


TSongPlace TVekaMainForm::SongPlace() {
    return TSongPlace{Settings_, Data_, Options_.ProgramFolder, DataFolder().toStdString()};
}

void TVekaMainForm::GetSetupMeasuresCommand() {
    veka::GetSetupMeasuresCommand(*Doc_, SongPlace(), Prompts(), CommandFrame());
    EnableEmbedding();
}

bool TVekaMainForm::ImportSong(const QString& fileName) {
    const bool read = veka::ImportSong(*Doc_, SongPlace(), fileName.toStdString(), Prompts(), CommandFrame());
    EnableEmbedding();
    return read;
}

void TVekaMainForm::EnableEmbedding() {
    const QString temp = QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QString::fromUtf8(kTempSmfName));
    Action(TCommand::ReplaceSetupMeasures)->setEnabled(QFileInfo::exists(temp));
}

std::optional<TOrderList> TVekaMainForm::SmfCustomCommand() {
    Doc_->TestNote().Stop();
    if (Hooks.SmfCustom) return Hooks.SmfCustom();
    const std::string current = Settings_.ReadString("setting", "current scd", kShippedOrder);
    TSMFCustom window(Doc_->Image(), Options_.ProgramFolder, current, Language_, this);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    Settings_.WriteString("setting", "current scd", window.CurrentPreset());
    Data_.CurrentScd = window.CurrentPreset();
    return window.List();
}

bool TVekaMainForm::ExportSmfCommand() { return veka::ExportSmfCommand(*Doc_, SongPlace(), Prompts(), CommandFrame()); }

bool TVekaMainForm::EmbedSetupCommand(bool intoSongReadLast) {
    return veka::EmbedSetupCommand(*Doc_, SongPlace(), intoSongReadLast, Prompts(), CommandFrame());
}

}  // namespace veka
