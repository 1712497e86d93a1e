#include "document/send_commands.h"

#include <exception>
#include <string>

#include "midi/transmitter.h"
#include "module/transport_texts.h"
#include "module/user_messages.h"

namespace veka {

namespace {
constexpr int kMsgCompleted = 100;
constexpr int kMsgSendFailed = 90;  // the transmission was interrupted
}  // namespace

void WarnSendFailed(IUserPrompts& prompts, TLanguage language, const std::exception& error) {
    prompts.Warn(std::string(UserMessage(kMsgSendFailed, language)) + "\n\n" + error.what());
}

void SendRun(TTransmitter& transmitter, size_t messages, const std::function<void()>& send) {
    const bool lock = messages > 8 && transmitter.OnBusy;
    if (lock) transmitter.OnBusy(true);
    struct TUnlock {
        TTransmitter& Tx;
        bool Lock;
        ~TUnlock() {
            if (Lock) Tx.OnBusy(false);
        }
    } unlock{transmitter, lock};
    send();
}

void RunSendAll(TTransmitter& transmitter, bool allUserDrums, IUserPrompts& prompts, ICommandFrame& frame) {
    const TLanguage language = transmitter.Image().Language;
    try {
        if (transmitter.SendAll(true, true, true, true, true, allUserDrums)) {
            prompts.Inform(std::string(UserMessage(kMsgCompleted, language)));
            return;
        }
        const std::string sent = std::to_string(transmitter.SentMessages());
        const std::string& last = transmitter.LastProgressText();
        frame.ShowStatus(language == TLanguage::Japanese
                             ? "Send All を中止しました: " + sent + " 個のﾒｯｾｰｼﾞを送信済み (" + last + ")"
                             : "Send All stopped: " + sent + " messages sent (" + last + ")");
    } catch (const std::exception& error) {
        // A port gone is named by the text of how far it came; another error by its own text.
        const std::string cause = transmitter.AnyPortGone() ? std::string() : std::string(error.what()) + "\n";
        prompts.Warn(std::string(UserMessage(kMsgSendFailed, language)) + "\n\n" + cause +
                     SendAllStoppedText(transmitter, language));
    }
}

std::string SendAllStoppedText(const TTransmitter& transmitter, TLanguage language) {
    const bool ja = language == TLanguage::Japanese;
    std::string text;
    for (int port = 0; port < transmitter.ActivePortCount(); ++port)
        if (!transmitter.Port(port).IsOpen() || transmitter.PortGone(port))
            text += PortGoneText(port, transmitter.Port(port).ProductName(), language) + " ";
    const std::string sent = std::to_string(transmitter.SentMessages());
    const std::string& last = transmitter.LastProgressText();
    text += ja ? sent + " 個のﾒｯｾｰｼﾞを送信済み" : sent + " messages sent";
    if (!last.empty()) text += " (" + last + ")";
    return text;
}

void RunPanic(TTransmitter& transmitter, IUserPrompts& prompts, ICommandFrame& frame) {
    const TLanguage language = transmitter.Image().Language;
    try {
        transmitter.Panic();
        frame.ShowStatus(language == TLanguage::Japanese ? "Panic: 全ﾁｬﾝﾈﾙに All Sound Off を送信しました"
                                                         : "Panic: All Sound Off sent on every channel");
    } catch (const std::exception& error) {
        WarnSendFailed(prompts, language, error);
    }
}

}  // namespace veka
