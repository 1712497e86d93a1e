#include "document/port_return.h"

#include <vector>

#include "document/send_commands.h"
#include "midi/module_compare.h"
#include "midi/transmitter.h"
#include "module/transport_texts.h"

namespace veka {

std::string MissedText(int unsent, int differing, bool cut, TLanguage language) {
    const bool ja = language == TLanguage::Japanese;
    const std::string n = std::to_string(unsent), d = std::to_string(differing);
    std::string text = ja ? "ポートがなかった間に " + n + " 個のﾒｯｾｰｼﾞが送信されませんでした。"
                          : "While it was gone " + n + (unsent == 1 ? " message was" : " messages were") + " not sent.";
    if (cut)
        text += ja ? "\n送信の途中でなくなったため、音源の状態は分かりません。"
                   : "\nIt went in the middle of a transmission, so what the module holds is not known.";
    else
        text += ja ? "\n音源が受信した値と " + d + " 個の値が異なります。"
                   : "\n" + d + (differing == 1 ? " value differs" : " values differ") + " from what the module heard.";
    return text;
}

void OfferWhatWasMissed(TTransmitter& transmitter, int port, IUserPrompts& prompts, ICommandFrame& frame) {
    TPortLoss& loss = transmitter.Loss;
    if (transmitter.PortGone(port) || !loss.Lost(port)) return;  // gone again, or caught up
    const TLanguage language = transmitter.Image().Language;
    const bool ja = language == TLanguage::Japanese;
    const std::string back = PortBackText(port, transmitter.Port(port).ProductName(), language);
    const std::vector<int> differences = loss.Differences(transmitter.Image(), port);
    const bool cut = loss.Cut();
    if (!cut && differences.empty()) {
        loss.Settle(port);
        frame.ShowStatus(back + (ja ? " 音源が受信しなかった値はありません。" : " The module missed no value."));
        return;
    }

    enum TChoice { kDifferences, kSendAll, kNothing };
    std::vector<TChoice> choices;
    TSelectRequest request;
    request.Title = back;
    request.Label = MissedText(loss.Unsent(port), int(differences.size()), cut, language);
    if (!cut) {
        choices.push_back(kDifferences);
        request.Items.push_back(ja ? "違う値だけを送信 (" + std::to_string(differences.size()) + " 個)"
                                   : "Send the values that differ (" + std::to_string(differences.size()) + ")");
    }
    choices.push_back(kSendAll);
    request.Items.push_back(ja ? "Send All (音源の電源を切った後と同じく全部)"
                               : "Send All (everything, as after the module was switched off)");
    choices.push_back(kNothing);
    request.Items.push_back(ja ? "何も送信しない" : "Send nothing");
    const auto chosen = prompts.ChooseFromList(request);
    const TChoice choice = chosen && *chosen >= 0 && size_t(*chosen) < choices.size() ? choices[size_t(*chosen)] : kNothing;

    if (choice == kNothing) {
        loss.Settle(port);
        frame.ShowStatus(back + (ja ? " 何も送信しませんでした。" : " Nothing was sent."));
        return;
    }
    if (choice == kSendAll) {
        RunSendAll(transmitter, false, prompts, frame);  // a whole Send All catches every port up
        return;
    }
    int sent = 0;
    try {
        SendRun(transmitter, differences.size(), [&] { sent = SendImageParameters(transmitter, differences); });
    } catch (const std::exception& error) {
        // Gone again: the port stays to be caught up when it is back.
        WarnSendFailed(prompts, language, error);
        return;
    }
    loss.Settle(port);
    frame.ShowStatus(ja ? back + " " + std::to_string(sent) + " 個の値を送信しました。"
                        : back + " " + std::to_string(sent) + (sent == 1 ? " value sent." : " values sent."));
}

}  // namespace veka
