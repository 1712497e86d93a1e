#include "document/open_commands.h"

#include "document/save_commands.h"
#include "document/send_commands.h"
#include "module/safe_file.h"
#include "module/setup_reader.h"
#include "module/user_messages.h"

namespace veka {

namespace {

constexpr int kMsgResetFirst = 37;
constexpr int kMsgDropChanges = 63;
constexpr TCaption kOpenStep{"開く", "Open"};
constexpr TCaption kLoading{"読み込み中: ", "Loading: "};

bool IsWholeSetup(TSetupFileKind kind) { return kind == TSetupFileKind::Ga4 || kind == TSetupFileKind::Ga3; }

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The reader's questions go to the user; a whole setup read is noted for the caption.
class TPromptedSetupHost : public TSetupFileHost {
public:
    explicit TPromptedSetupHost(IUserPrompts& prompts) : Prompts_(prompts) {}
    std::optional<int> ChoosePartDestination(const TSelectRequest& r) override { return Prompts_.ChooseFromList(r); }
    std::optional<int> ChooseDrumMapDestination(const TSelectRequest& r) override { return Prompts_.ChooseFromList(r); }
    std::optional<int> ChooseUserDrumDestination(const TSelectRequest& r) override { return Prompts_.ChooseFromList(r); }
    void SetCurrentFile(const std::string& fileName) override { CurrentFile = fileName; }
    void ClearModified() override { ModifiedCleared = true; }

    std::string CurrentFile;
    bool ModifiedCleared = false;

private:
    IUserPrompts& Prompts_;
};

// File > New with its question, the module reset too; false when the user kept the changes.
bool NewAfterQuestion(TDocument& document, bool send, IUserPrompts& prompts, ICommandFrame& frame) {
    if (!SaveChangesFirst(document, kMsgDropChanges, prompts, frame)) return false;
    document.New(send, prompts);
    return true;
}

}  // namespace

TOpenResult OpenSetupFile(TDocument& document, const std::string& file, TOpenWay way, bool started,
                          IUserPrompts& prompts, ICommandFrame& frame, IOpenView& view) {
    TOpenResult outcome;
    TVGS& image = document.Image();
    const TLanguage language = image.Language;
    const TSetupFileKind kind = SetupFileKindOf(file);
    const bool whole = IsWholeSetup(kind);
    const auto askReset = [&] { return prompts.Confirm(std::string(UserMessage(kMsgResetFirst, language))); };

    // A file that cannot be read or is not ours is refused before anything is reset.
    std::vector<uint8_t> bytes;
    std::string readError;
    if (!ReadWholeFile(file, kMaxSetupFileSize, bytes, readError)) {
        prompts.Warn(readError);
        return outcome;
    }
    if (const TParsedSetupFile parsed = ParseSetupFile(bytes);
        parsed.Error == TSetupParseError::NotVeka || parsed.Error == TSetupParseError::BadLength) {
        prompts.Warn(std::string(UserMessage(parsed.Message(), language)) + "\n\n" + file);
        return outcome;
    }

    const TDocument::TUndoScope step(document, kOpenStep.In(language));
    // The module starts from its defaults before a whole setup; a custom file may go on top.
    if (way == TOpenWay::ByName) {
        if (whole) {
            if (!NewAfterQuestion(document, true, prompts, frame)) return outcome;  // the changes were kept
            view.BringToFront();
        } else if (kind == TSetupFileKind::Custom && askReset() && !NewAfterQuestion(document, true, prompts, frame)) {
            return outcome;
        }
    } else if (way != TOpenWay::CommandLine && started) {
        if (whole) {
            if (!NewAfterQuestion(document, false, prompts, frame)) return outcome;
            document.ClearChanged();
        } else if (kind == TSetupFileKind::Custom && askReset() && !NewAfterQuestion(document, true, prompts, frame)) {
            return outcome;
        }
    }
    if (way == TOpenWay::Dialog) frame.NoteFileChosen(file);

    TPromptedSetupHost host(prompts);
    TSetupReadResult result;
    {
        // The reading ends however the read does (a question may throw).
        struct TReading {
            IOpenView& View;
            ICommandFrame& Frame;
            const std::string& File;
            ~TReading() {
                Frame.Progress().Finish();
                View.Reading(File, false);
            }
        } reading{view, frame, file};
        view.Reading(file, true);
        frame.Progress().Report(0, 0, kLoading.In(language) + BaseName(file));
        result = ReadSetupBytes(image, host, document.Session().Focus.Port, kind, bytes, file);
    }
    if (result.Status == TSetupReadStatus::Cancelled) {
        document.RefreshAll();  // what was read before the question stays
        return outcome;
    }
    if (!result.Ok()) {
        prompts.Warn(result.Text(language) + "\n\n" + file);
        // Nothing of a file that is not ours was read; of a damaged one, the sections before
        // the damage were, and the module hears them with the rest below.
        if (result.Status != TSetupReadStatus::Damaged) return outcome;
    }

    std::string layoutNote;
    outcome.SendSwitches = {result.Sections.System, result.Sections.Part, result.Sections.DrumMap,
                            result.Sections.UserDrum};
    if (whole && started) outcome.SendSwitches[1] = true;
    if (kind == TSetupFileKind::Ga4 && !host.CurrentFile.empty()) {
        document.SetFileName(file);
        document.ClearChanged();
        layoutNote = view.SetupOpened(file);
    } else if (kind == TSetupFileKind::Ga3 && host.ModifiedCleared) {
        document.ClearChanged();
    }
    if (way == TOpenWay::Dialog && kind != TSetupFileKind::Ga4) {
        // No current file: the next Save asks for a name.
        document.SetFileName({});
        document.MarkChanged();
    } else if (!whole || !result.Ok()) {
        // A part, a map or a custom file on top of the current setup: it no longer is the file.
        document.MarkChanged();
    }

    if (kind == TSetupFileKind::Custom && result.Ok()) view.CustomFileRead(file, result.Headers);
    document.RefreshAll();
    view.Sending(file);
    outcome.Sent = true;
    try {
        const bool init = way == TOpenWay::CommandLine && whole;
        const auto& send = outcome.SendSwitches;
        document.Transmitter().SendAll(init, send[0], send[1], send[2], send[3], false);
    } catch (const std::exception& error) {
        WarnSendFailed(prompts, language, error);
    }
    // After the transmission, whose end clears the status line.
    if (!layoutNote.empty()) frame.ShowStatus(layoutNote);
    return outcome;
}

}  // namespace veka
