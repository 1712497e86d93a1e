#include "document/save_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "module/safe_file.h"
#include "module/setup_file.h"
#include "module/user_messages.h"

namespace veka {

namespace {

constexpr int kMsgNothingToSave = 20;
constexpr int kMsgSelectTitle = 24;
constexpr int kMsgSaveWithMap = 25;
constexpr int kMsgPartLabel = 38;
constexpr int kMsgDrumMapLabel = 39;
constexpr int kMsgUserDrumLabel = 40;
// No comment a user writes comes near this; a larger companion file is not shown.
constexpr std::uintmax_t kMaxCommentBytes = 256 * 1024;

// The dialog's title: the Japanese one is the same for every object, the English names it.
TSelectRequest Request(const TVGS& image, const std::string& title, int label, const char* englishLabel) {
    TSelectRequest request;
    const bool ja = image.Language == TLanguage::Japanese;
    request.Title = ja ? std::string(UserMessage(kMsgSelectTitle, image.Language)) : title;
    request.Label = ja ? std::string(UserMessage(label, image.Language)) : englishLabel;
    return request;
}

// The object chosen as an index over every port in use (port * count + object - 1).
std::optional<int> ChoosePart(TDocument& document, const std::string& title, bool preselectCurrent,
                              IUserPrompts& prompts) {
    TVGS& image = document.Image();
    TSelectRequest request = Request(image, title, kMsgPartLabel, "Part:");
    for (int port = 0; port < image.ActivePortCount(); ++port)
        for (int part = 1; part <= kPartsPerPort; ++part)
            request.Items.push_back(PartName(port, part) + " " + image.PartToneName(port, part));
    const TPartFocus& focus = document.Session().Focus;
    if (preselectCurrent) request.Preselected = focus.Port * kPartsPerPort + focus.Part - 1;
    return prompts.ChooseFromList(request);
}

std::optional<int> ChooseDrumMap(TDocument& document, const std::string& title, IUserPrompts& prompts) {
    TVGS& image = document.Image();
    // The drum map's own caption: "this part" would name the wrong object.
    TSelectRequest request = Request(image, title, kMsgDrumMapLabel, "Drum Map:");
    for (int port = 0; port < image.ActivePortCount(); ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map) {
            const TMapDrumSet set = MapDrumSet(image, port, map);
            request.Items.push_back(DrumMapName(port, map) + " " + image.DrumSetName(set.ToneMap, set.Program));
        }
    return prompts.ChooseFromList(request);
}

std::optional<int> ChooseUserDrum(TDocument& document, const std::string& title, IUserPrompts& prompts) {
    TSelectRequest request = Request(document.Image(), title, kMsgUserDrumLabel, "User Drum Set");
    request.Items = {"User Drum Set 65", "User Drum Set 66"};
    return prompts.ChooseFromList(request);
}

// An answer outside the list counts as Cancel.
std::optional<int> Within(std::optional<int> answer, int count) {
    if (!answer || *answer < 0 || *answer >= count) return std::nullopt;
    return answer;
}

}  // namespace

std::string SaveCollected(TDocument& document, TDifferenceList& list, TSetupFileKind kind, IUserPrompts& prompts,
                          ICommandFrame& frame) {
    TSaveRequest request;
    request.Kind = kind;
    const std::string name = prompts.SaveFileName(request);
    if (name.empty()) return {};
    frame.NoteFileChosen(name);
    const TSetupWriteResult result = WriteSetupFile(document.Image(), list, name, frame.Progress());
    frame.Progress().Finish();
    if (!result.Ok()) {
        prompts.Warn(result.Text(document.Image().Language));
        return {};
    }
    return name;
}

bool SaveCommand(TDocument& document, IUserPrompts& prompts, ICommandFrame& frame) {
    const std::string name = document.FileName();
    if (SetupFileKindOf(name) != TSetupFileKind::Ga4) return SaveAllDataCommand(document, prompts, frame);
    const TSetupWriteResult result = WriteWholeSetupFile(document.Image(), name, frame.Progress());
    if (!result.Ok()) {
        prompts.Warn(result.Text(document.Image().Language));
        return false;
    }
    document.NoteSaved(name);
    frame.NoteSetupSaved(name);
    return true;
}

bool SaveCustomFileCommand(TDocument& document, const TCustomSelection& selection, const std::string& comment,
                           IUserPrompts& prompts, ICommandFrame& frame) {
    const bool anyGroup = std::find(std::begin(selection.Groups), std::end(selection.Groups), true) != std::end(selection.Groups);
    // Nothing chosen, or nothing of what was chosen differs from the defaults.
    TDifferenceList list;
    if ((!anyGroup && selection.GlobalParts.empty()) || CollectCustomFile(document.Image(), list, selection, frame.Progress()) == 0) {
        frame.Progress().Finish();
        prompts.Inform(std::string(UserMessage(kMsgNothingToSave, document.Image().Language)));
        return false;
    }
    const std::string name = SaveCollected(document, list, TSetupFileKind::Custom, prompts, frame);
    if (name.empty()) return false;
    // The file itself is written: a comment that cannot be is said, the file stays.
    std::string error;
    if (!ReplaceFile(CustomCommentFileName(name),
                     std::span(reinterpret_cast<const uint8_t*>(comment.data()), comment.size()), error))
        prompts.Warn(error);
    return true;
}

std::string CustomCommentFileName(const std::string& customFile) {
    const std::filesystem::path path(customFile);
    return (path.parent_path() / path.stem()).string() + ".Comment";
}

std::string ReadCustomComment(const std::string& customFile) {
    const std::string name = CustomCommentFileName(customFile);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    if (error || size > kMaxCommentBytes) return {};
    // Read no more than the limit, should the file grow meanwhile.
    std::string text(size_t(size), '\0');
    std::ifstream in(name, std::ios::binary);
    in.read(text.data(), std::streamsize(text.size()));
    text.resize(size_t(in.gcount()));
    return text;
}

bool SaveAllDataCommand(TDocument& document, IUserPrompts& prompts, ICommandFrame& frame) {
    // A setup of nothing but defaults has nothing to store.
    TDifferenceList list;
    if (BuildDifferenceList(document.Image(), list, frame.Progress()) == 0) {
        prompts.Inform(std::string(UserMessage(kMsgNothingToSave, document.Image().Language)));
        return false;
    }
    const std::string name = SaveCollected(document, list, TSetupFileKind::Ga4, prompts, frame);
    if (name.empty()) return false;
    document.NoteSaved(name);
    frame.NoteSetupSaved(name);
    return true;
}

bool SaveObjectCommand(TDocument& document, TSetupFileKind kind, IUserPrompts& prompts, ICommandFrame& frame) {
    TVGS& image = document.Image();
    const int ports = image.ActivePortCount();
    TDifferenceList list;
    int collected = 0;
    if (kind == TSetupFileKind::OnePart) {
        const auto chosen = Within(ChoosePart(document, "Select a Part to save", false, prompts), ports * kPartsPerPort);
        if (!chosen) return false;
        const int port = *chosen / kPartsPerPort, part = *chosen % kPartsPerPort + 1;
        const bool drum = image.Part(port, part, ppRhythm).Value >= 1;
        const bool withMap =
            drum && prompts.Confirm(std::string(UserMessage(kMsgSaveWithMap, image.Language)));
        collected = CollectOnePartFile(image, list, port, part, withMap, frame.Progress());
    } else if (kind == TSetupFileKind::OneDrumMap) {
        const auto chosen = Within(ChooseDrumMap(document, "Select a Drum Map to save", prompts), ports * kDrumMapsPerPort);
        if (!chosen) return false;
        collected = CollectDrumMap(image, list, *chosen / kDrumMapsPerPort, *chosen % kDrumMapsPerPort + 1, true,
                                   frame.Progress());
    } else if (kind == TSetupFileKind::OneUserDrum) {
        const auto chosen = Within(ChooseUserDrum(document, "Select a User Drum Set", prompts), 2);
        if (!chosen) return false;
        collected = CollectUserDrumSet(image, list, *chosen, frame.Progress());
    } else {
        return false;
    }
    if (collected == 0) {
        prompts.Inform(std::string(UserMessage(kMsgNothingToSave, image.Language)));
        return false;
    }
    return !SaveCollected(document, list, kind, prompts, frame).empty();
}

bool ExportSysxCommand(TDocument& document, TExportKind kind, IUserPrompts& prompts, ICommandFrame& frame) {
    const TVGS& image = document.Image();
    const int ports = image.ActivePortCount();
    int port = 0, object = 0;
    if (kind == TExportKind::Part) {
        const auto chosen = Within(ChoosePart(document, "Select a Part to save", true, prompts), ports * kPartsPerPort);
        if (!chosen) return false;
        port = *chosen / kPartsPerPort;
        object = *chosen % kPartsPerPort + 1;
    } else if (kind == TExportKind::DrumMap) {
        const auto chosen = Within(ChooseDrumMap(document, "Select a Drum Map to save", prompts), ports * kDrumMapsPerPort);
        if (!chosen) return false;
        port = *chosen / kDrumMapsPerPort;
        object = *chosen % kDrumMapsPerPort + 1;
    } else if (kind == TExportKind::UserDrum) {
        const auto chosen = Within(ChooseUserDrum(document, "Select as User Drum Set to save.", prompts), 2);
        if (!chosen) return false;
        object = *chosen;
    }
    const auto messages = ExportMessages(image, kind, port, object);
    if (messages.empty()) {
        prompts.Inform(std::string(UserMessage(kMsgNothingToSave, image.Language)));
        return false;
    }
    TSaveRequest request;
    request.Sysx = true;
    request.Export = kind;
    const std::string name = prompts.SaveFileName(request);
    if (name.empty()) return false;
    std::string error;
    if (!ReplaceFile(name, SysexFileBytes(messages), error)) {
        prompts.Warn(error);
        return false;
    }
    const std::string count = std::to_string(messages.size());
    frame.ShowStatus(image.Language == TLanguage::Japanese ? count + " 個のﾒｯｾｰｼﾞを書き出しました: " + name
                                                           : count + " messages written to " + name);
    return true;
}

bool SaveChangesFirst(TDocument& document, int message, IUserPrompts& prompts, ICommandFrame& frame) {
    if (!document.Changed()) return true;
    switch (prompts.AskSaveChanges(std::string(UserMessage(message, document.Image().Language)))) {
        case TSaveChanges::Save: return SaveCommand(document, prompts, frame);
        case TSaveChanges::Discard: return true;
        case TSaveChanges::Cancel: return false;
    }
    return false;
}

}  // namespace veka
