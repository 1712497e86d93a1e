#include "document/song_commands.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>

#include "document/save_commands.h"
#include "document/send_commands.h"
#include "smf/open_smf.h"
#include "smf/owner_name.h"
#include "smf/setup_commands.h"
#include "smf/smf.h"
#include "smf/temp_smf.h"

namespace veka {

namespace {

constexpr char kSmfRead[] = "smf read";
constexpr char kSmfWrite[] = "smf write";
constexpr char kShippedOrder[] = "default.scd";
constexpr int kMsgDropChanges = 63;

constexpr TCaption kGetStep{"SMFから読み取る", "Get Setup Measures"};
constexpr TCaption kMakingData{"ﾃﾞｰﾀの準備中...", "Making data..."};
constexpr TCaption kSaved{"保存しました: ", "Saved: "};
constexpr TCaption kOrderMissing{"設定されたSMF Setup 構成の定義ﾌｧｲﾙが見つかりません\nSMF Setup 構成ｳｨﾝﾄﾞｳで確認してください",
                                 "Specified SMF definition file is not found.\nCheck SMF Export Setup Window."};

// A name in the folder; a name with its own folder stands as it is.
std::string InFolder(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

// The absolute folder of a file, as the dialogs start in it next time.
std::string FolderOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).parent_path().string();
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string CurrentOrderName(const TSongPlace& place) {
    return place.Settings.ReadString("setting", "current scd", kShippedOrder);
}

// The order the song is written with: the current order file, or the composition window when
// the options ask for it or there is no file yet.
bool SongOrderList(const TSongPlace& place, TLanguage language, TOrderList& list, IUserPrompts& prompts) {
    const std::string name = CurrentOrderName(place);
    const std::string path = InFolder(place.ProgramFolder, name);
    const bool exists = FileExists(path);
    if (!exists && name != kShippedOrder) prompts.Warn(kOrderMissing.In(language));
    if (exists && !place.Data.Option(TOption::SmfSetupDialog)) {
        std::string error;
        if (!ReadOrderFile(path, list, error)) {
            prompts.Warn(error + "\n\n" + path);
            return false;
        }
    } else {
        const auto chosen = prompts.ComposeOrder();
        if (!chosen) return false;
        list = *chosen;
    }
    if (list.empty()) {
        prompts.Warn(EmptyOrderListText(language));
        return false;
    }
    return true;
}

// The song to write: its name and format, both kept for the next time.
std::string ChooseSongName(const TSongPlace& place, int defaultFormat, int& format, IUserPrompts& prompts) {
    TSongRequest request;
    request.What = TSongFile::Write;
    request.Folder = place.Settings.ReadString(kSmfWrite, "file path", place.ProgramFolder);
    request.OrderName = CurrentOrderName(place);
    request.Format = std::clamp(place.Settings.ReadInteger("SMF", "Format", defaultFormat), 0, 1);
    const std::string name = prompts.SongFileName(request);
    if (name.empty()) return {};
    format = std::clamp(request.Format, 0, 1);
    place.Settings.WriteString(kSmfWrite, "file path", FolderOf(name));
    place.Settings.WriteInteger("SMF", "Format", format);
    return name;
}

// The time base of a new song: the stored index into the table.
int StoredTimeBase(const TSettings& settings) {
    const int index = std::clamp(settings.ReadInteger("smf fine", "timebase", 0), 0, int(std::size(kSmfTimeBases)) - 1);
    return kSmfTimeBases[index];
}

// Writes with the waiting pointer; the error told, or the name on the status line.
bool WriteSong(const std::string& name, TLanguage language, IUserPrompts& prompts, ICommandFrame& frame,
               const std::function<bool(std::string& error)>& write) {
    std::string error;
    frame.Busy(true);
    const bool written = write(error);
    frame.Busy(false);
    frame.Progress().Finish();
    if (!written) {
        prompts.Warn(error);
        return false;
    }
    frame.ShowStatus(kSaved.In(language) + name);
    return true;
}

}  // namespace

bool GetSetupMeasuresCommand(TDocument& document, const TSongPlace& place, IUserPrompts& prompts, ICommandFrame& frame) {
    TSongRequest request;
    request.Folder = place.Settings.ReadString(kSmfRead, "file path", place.DataFolder);
    const std::string name = prompts.SongFileName(request);
    return !name.empty() && ImportSong(document, place, name, prompts, frame);
}

bool ImportSong(TDocument& document, const TSongPlace& place, const std::string& path, IUserPrompts& prompts,
                ICommandFrame& frame) {
    TVGS& image = document.Image();
    const TLanguage language = image.Language;
    // The import starts from a reset image: a song that cannot be read must not cost the setup,
    // so it is read once before anything is reset, and unsaved changes are offered for saving.
    {
        TSMF probe;
        probe.Language = language;
        if (!probe.LoadFromFile(path)) {
            prompts.Warn("read error\n\n" + path + "\n" + probe.LastError());
            return false;
        }
    }
    if (!SaveChangesFirst(document, kMsgDropChanges, prompts, frame)) return false;

    std::vector<std::string> messages;
    TOpenSmfResult result;
    {
        const TDocument::TUndoScope step(document, kGetStep.In(language));
        TSmfHost host;
        host.Message = [&messages](const std::string& text) { messages.push_back(text); };
        host.Status = [&frame](const std::string& text) { frame.ShowStatus(text); };
        host.StoreSetting = [&place](const std::string& section, const std::string& key, const std::string& value) {
            place.Settings.WriteString(section, key, value);
        };
        frame.Busy(true);
        TSMF smf;
        smf.OnProgress = [&frame](int max, int current, const std::string& text) {
            frame.Progress().Report(max, current, text);
        };
        result = OpenSmf(image, smf, path, place.ProgramFolder, host, std::chrono::system_clock::now(), frame.Progress());
        frame.Progress().Finish();
        frame.Busy(false);
        // The song's setup is no setup file: the next Save asks for a name.
        document.LastNotes().Reset();
        document.SetFileName({});
        document.MarkChanged();
    }
    for (const std::string& text : messages) prompts.Inform(text);
    document.RefreshAll();
    if (!result.Read) return false;
    try {
        document.Transmitter().SendAll(true, true, true, true, true, false);
    } catch (const std::exception& error) {
        WarnSendFailed(prompts, language, error);
    }
    // The rest of the song is the one to play now.
    document.Playback().LoadSongReadLast(place.ProgramFolder, SongReadLastName(result.Description), prompts);
    // After the transmission, whose end clears the status line.
    frame.ShowStatus(result.Description);
    return true;
}

std::string SongReadLastName(const std::string& description) {
    // "Last SMF : <path> date : <when>"
    const std::string head = "Last SMF : ", tail = " date : ";
    std::string path = description;
    if (path.rfind(head, 0) == 0) path.erase(0, head.size());
    if (const size_t end = path.rfind(tail); end != std::string::npos) path.erase(end);
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos) path.erase(0, slash + 1);
    return path.empty() ? std::string(kTempSmfName) : path;
}

bool ExportSmfCommand(TDocument& document, const TSongPlace& place, IUserPrompts& prompts, ICommandFrame& frame) {
    TOrderList order;
    if (!SongOrderList(place, document.Image().Language, order, prompts)) return false;
    int format = 0;
    const std::string name = ChooseSongName(place, 0, format, prompts);
    if (name.empty()) return false;
    TSmfWriteOptions options;
    options.Format = format;
    options.TimeBase = StoredTimeBase(place.Settings);
    options.WithText = place.Data.Option(TOption::SmfWithText);
    options.DummyNotes = place.Data.Option(TOption::DummyNotes);
    const TLanguage language = document.Image().Language;
    frame.Progress().Report(0, 0, kMakingData.In(language));
    TSMF smf;
    return WriteSong(name, language, prompts, frame, [&](std::string& error) {
        return ExportSmf(document.Image(), smf, order, name, options, UserFullName(), error, frame.Progress());
    });
}

bool EmbedSetupCommand(TDocument& document, const TSongPlace& place, bool intoSongReadLast, IUserPrompts& prompts,
                       ICommandFrame& frame) {
    const TLanguage language = document.Image().Language;
    if (intoSongReadLast) frame.ShowStatus(place.Settings.ReadString("SMF", "current file", ""));
    TOrderList order;
    if (!SongOrderList(place, document.Image().Language, order, prompts)) return false;
    TSMF smf;
    smf.Language = language;
    std::string error;
    if (intoSongReadLast) {
        if (!LoadWorkingCopyForEmbedding(smf, InFolder(place.ProgramFolder, kTempSmfName), error)) {
            prompts.Warn(error);
            return false;
        }
    } else {
        TSongRequest request;
        request.What = TSongFile::AppendTo;
        request.Folder = place.Settings.ReadString(kSmfWrite, "file path", place.ProgramFolder);
        const std::string song = prompts.SongFileName(request);
        if (song.empty()) return false;
        if (!LoadSongForEmbedding(smf, song, error)) {
            prompts.Warn("read error\n\n" + song + "\n" + error);
            return false;
        }
    }
    int format = 1;
    const std::string name = ChooseSongName(place, 1, format, prompts);
    if (name.empty()) return false;
    prompts.Inform(EmbedNoticeText(language));
    TSmfWriteOptions options;
    options.Format = format;
    options.WithText = place.Data.Option(TOption::SmfWithText);
    options.DummyNotes = place.Data.Option(TOption::DummyNotes);
    return WriteSong(name, language, prompts, frame, [&](std::string& writeError) {
        return EmbedSetup(document.Image(), smf, order, name, options, writeError, frame.Progress());
    });
}

}  // namespace veka
