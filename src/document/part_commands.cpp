#include "document/part_commands.h"

#include <vector>

#include "document/send_commands.h"
#include "midi/transmitter.h"
#include "module/image.h"
#include "module/user_messages.h"

namespace veka {

namespace {
constexpr int kMsgProcessing = 26;
}  // namespace

std::string PartCommandName(TPartCommand command, TLanguage language) {
    const bool japanese = language == TLanguage::Japanese;
    switch (command) {
        case TPartCommand::Copy: return japanese ? "Part の ｺﾋﾟｰ" : "Copy Part";
        case TPartCommand::Exchange: return japanese ? "Part の交換" : "Exchange Part";
        case TPartCommand::Initialize: return japanese ? "Part の初期化" : "Initialize Part";
    }
    return {};
}

bool RunPartCommand(TPartCommand command, TVGS& image, TTransmitter& transmitter, const TPartFocus& focus,
                    IUserPrompts& prompts, ICommandFrame& frame) {
    const int port = focus.Port;
    const auto choice = prompts.ChooseParts(command, port, focus.Part);
    if (!choice) return false;
    const auto [first, second] = *choice;
    if (first < 1 || first > 16 || second < 1 || second > 16) return false;
    const TLanguage language = image.Language;
    frame.BeginCommand(PartCommandName(command, language), std::string(UserMessage(kMsgProcessing, language)));
    std::vector<int> changed;
    switch (command) {
        case TPartCommand::Copy:
            image.CopyPart(port, first, second, frame.Progress());
            changed = {second};
            break;
        case TPartCommand::Exchange:
            image.ExchangePart(port, first, second, frame.Progress());
            changed = {first, second};
            break;
        case TPartCommand::Initialize:
            image.InitializePart(port, first, frame.Progress());
            changed = {first};
            break;
    }
    // The image was written without change events: the setup is marked here.
    image.MarkDataChanged();
    try {
        for (int part : changed) transmitter.SendPart(port, part, true);
    } catch (const std::exception& error) {
        WarnSendFailed(prompts, language, error);
    }
    frame.EndCommand();
    return true;
}

}  // namespace veka
