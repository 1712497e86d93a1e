#pragma once
// The File menu: New, Open (the dialog, a recent entry, a name given on the command line,
// handed over or dropped), every save and export, the song commands, the recent-file list and
// the window layout kept beside a setup file. The core runs each command; this room answers
// with the program's dialogs and keeps what the settings file holds for the menu.
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "document/open_commands.h"
#include "document/song_commands.h"
#include "module/language.h"
#include "module/setup_file_kind.h"
#include "smf/exclusive_export.h"
#include "smf/order_file.h"
#include "windows/custom_file_dialog.h"

class QAction;

namespace veka {

class TDocument;
class TSettings;
struct TSettingsData;
struct TStartOptions;
class TVekaMainForm;

class TFileMenu {
public:
    TFileMenu(TVekaMainForm& form, TDocument& document, TSettings& settings, TSettingsData& data,
              const TStartOptions& options, TLanguage language);

    // False when the user cancelled the question about unsaved changes.
    bool New(bool send);
    bool FileNew();
    // Unsaved changes first: saved, discarded, or (false) the user cancelled.
    bool AskSave(int message);
    bool Save();
    bool SaveAllData();
    void OpenCommand();
    void OpenRecent(int index);
    void OpenByName(const QString& fileName);
    bool SaveObject(TSetupFileKind kind);  // OnePart, OneDrumMap, OneUserDrum
    bool ExportSysx(TExportKind kind);
    bool SaveCustomFile();
    // The song commands.
    void GetSetupMeasuresCommand();
    bool ImportSong(const QString& fileName);
    bool ExportSmfCommand();
    // The composition window; the order list it closed with (nothing for Cancel).
    std::optional<TOrderList> SmfCustomCommand();
    // into: the song read last (its working copy "Temp.smf"); otherwise a song the user chooses.
    bool EmbedSetupCommand(bool intoSongReadLast);
    // Replace Setup Measures only while the working copy of a song is there.
    void EnableEmbedding();

    // The four send switches of a load: System, Parts, Drums, UserDrums.
    const std::array<bool, 4>& SendSwitches() const { return SendSwitches_; }
    // The recent-file entries of the menu; the list is the settings'.
    std::array<QAction*, 9> RecentActions{};
    void ShowRecentFiles();
    // What a command noted: a file chosen or a setup saved.
    void AddRecentFile(const QString& fileName);
    void StoreDataFolder(const QString& fileName);
    void SaveLayout(const QString& setupFile);
    // Restores the notes and (by TOption::LayoutInFile) the windows; what went wrong, for the status bar.
    QString LoadLayout(const QString& setupFile);
    void ShowCustomFileContents(const QString& fileName, const std::vector<TSetupRecord>& headers);
    // Where the file dialogs start.
    QString DataFolder() const;

private:
    void OpenFile(const QString& fileName, TOpenWay way);
    void StoreRecentFiles();
    std::optional<TCustomChoice> ShowCustomFile(const TCustomChoice& shown, bool viewOnly);
    TSongPlace SongPlace();

    TVekaMainForm& Form_;
    TDocument& Doc_;
    TSettings& Settings_;
    TSettingsData& Data_;
    const TStartOptions& Options_;
    const TLanguage Language_;
    std::array<bool, 4> SendSwitches_{true, true, true, true};
};

}  // namespace veka
