#include "module/transport_texts.h"

#include <array>
#include <cstdio>

namespace veka {

namespace {

struct TPair {
    const char* English;
    const char* Japanese;
};

constexpr std::array<TPair, size_t(TTransportText::Count)> kTexts{{
    {"Sending System / Effect Parameter", "System / Effect Parameter 送信中"},
    {"Sending Drum Set Parameter", "Drum Set Parameter 送信中"},
    {"Sending User Drum Set Parameter", "User Drum Set Parameter 送信中"},
    {"/ Part Parameter", "/ Part Parameter"},
    {"/ Drum Parameter", "/ Drum Parameter"},
    {"/ User Drum Parameter", "/ User Drum Parameter"},
    {"/ System or Effect Parameter", "/ System or Effect Parameter"},
    {"Completed", "正常に受信できました"},
    {"Data transmission is interrupted.\r\n(Make sure the setup or connection of your device.)",
     "異常終了\r\n機器の接続、MIDI ｲﾝﾀｰﾌｪｰｽ ﾄﾞﾗｲﾊﾞｰ等を確認してください"},
    {"SC-88Pro is selected in Veka. But connected device is not SC-88Pro.\r\nSC-88 to be selected , then.",
     "Vekaへの設定はSC-88Proですが、現在接続されている音源はSC-88Proではありません\r\nVekaでの設定をSC-88に変更します"},
}};

bool Japanese(TLanguage language) { return language == TLanguage::Japanese; }

}  // namespace

std::string_view TransportText(TTransportText text, TLanguage language) {
    const size_t index = size_t(text);
    if (index >= kTexts.size()) return {};
    return Japanese(language) ? kTexts[index].Japanese : kTexts[index].English;
}

std::string RestTimeText(long seconds, unsigned received, TLanguage language) {
    char text[160];
    if (seconds > 60) {
        if (Japanese(language))
            std::snprintf(text, sizeof text, "推定残り時間 :  %ld 分 %ld 秒 (%u Block 受信済み)", seconds / 60,
                          seconds % 60, received);
        else
            std::snprintf(text, sizeof text, "Rest of time: %ld min %ld sec (%u blocks received)", seconds / 60,
                          seconds % 60, received);
    } else if (Japanese(language)) {
        std::snprintf(text, sizeof text, "推定残り時間 :  %ld 秒 (%u Block 受信済み)", seconds, received);
    } else {
        std::snprintf(text, sizeof text, "Rest of time: %ld sec (%u blocks received)", seconds, received);
    }
    return text;
}

std::string RequestCountText(unsigned received, unsigned requested, TLanguage language) {
    char text[128];
    if (Japanese(language))
        std::snprintf(text, sizeof text, "受信数 : %u Block / 要求数 : %u Block\r\n", received, requested);
    else
        std::snprintf(text, sizeof text, "Receved : %u blocks/Requested : %u blocks\r\n", received, requested);
    return text;
}

namespace {

std::string PortWhat(int port, const std::string& name) {
    return std::string("Port ") + char('A' + (port & 3)) + (name.empty() ? std::string() : " (" + name + ")");
}

std::string InputWhat(const std::string& name, TLanguage language) {
    return (Japanese(language) ? std::string("MIDI 入力") : std::string("MIDI input")) +
           (name.empty() ? std::string() : " (" + name + ")");
}

}  // namespace

std::string PortGoneText(int port, const std::string& name, TLanguage language) {
    return PortWhat(port, name) + (Japanese(language) ? " がありません。" : " is gone.");
}

std::string InputGoneText(const std::string& name, TLanguage language) {
    return InputWhat(name, language) + (Japanese(language) ? " がありません。" : " is gone.");
}

std::string PortBackText(int port, const std::string& name, TLanguage language) {
    return PortWhat(port, name) + (Japanese(language) ? " が戻りました。" : " is back.");
}

std::string InputBackText(const std::string& name, TLanguage language) {
    return InputWhat(name, language) + (Japanese(language) ? " が戻りました。" : " is back.");
}

}  // namespace veka
