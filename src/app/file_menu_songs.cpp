// The File menu's song commands: the core runs them with the program's settings and folders;
// the menu enables the embedding once a working copy exists and opens the composition window.
#include <QDir>
#include <QFileInfo>

#include "app/file_kinds.h"
#include "app/file_menu.h"
#include "app/main_window.h"
#include "document/document.h"
#include "document/settings.h"
#include "smf/temp_smf.h"
#include "windows/smf_custom_window.h"
#include "app/dialog_prompts.h"

namespace veka {

namespace {
constexpr char kShippedOrder[] = "default.scd";
}  // namespace


TSongPlace TFileMenu::SongPlace() {
    return TSongPlace{Settings_, Data_, Options_.ProgramFolder, DataFolder().toStdString()};
}

void TFileMenu::GetSetupMeasuresCommand() {
    veka::GetSetupMeasuresCommand(Doc_, SongPlace(), Form_.Prompts(), Form_.CommandFrame());
    EnableEmbedding();
}

bool TFileMenu::ImportSong(const QString& fileName) {
    const bool read = veka::ImportSong(Doc_, SongPlace(), fileName.toStdString(), Form_.Prompts(), Form_.CommandFrame());
    EnableEmbedding();
    return read;
}

void TFileMenu::EnableEmbedding() {
    const QString temp = QDir(QString::fromStdString(Options_.ProgramFolder)).filePath(QString::fromUtf8(kTempSmfName));
    Form_.Action(TCommand::ReplaceSetupMeasures)->setEnabled(QFileInfo::exists(temp));
}

std::optional<TOrderList> TFileMenu::SmfCustomCommand() {
    Doc_.TestNote().Stop();
    if (Form_.Hooks.SmfCustom) return Form_.Hooks.SmfCustom();
    const std::string current = Settings_.ReadString("setting", "current scd", kShippedOrder);
    TSMFCustom window(Doc_.Image(), Options_.ProgramFolder, current, Language_, &Form_);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    Settings_.WriteString("setting", "current scd", window.CurrentPreset());
    Data_.CurrentScd = window.CurrentPreset();
    return window.List();
}

bool TFileMenu::ExportSmfCommand() { return veka::ExportSmfCommand(Doc_, SongPlace(), Form_.Prompts(), Form_.CommandFrame()); }

bool TFileMenu::EmbedSetupCommand(bool intoSongReadLast) {
    return veka::EmbedSetupCommand(Doc_, SongPlace(), intoSongReadLast, Form_.Prompts(), Form_.CommandFrame());
}

}  // namespace veka
