#include "app/app_texts.h"

#include <array>

#include "module/user_messages.h"

namespace veka {

QString Message(int number, TLanguage language) { return CoreText(UserMessage(number, language)); }

QString CoreText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size())).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const TCaption kMenuFile{"ﾌｧｲﾙ(&F)", "&File"};
const TCaption kMenuEdit{"編集(&E)", "&Edit"};
const TCaption kMenuSaveAs{"名前を付けて保存", "Save as"};
const TCaption kMenuExportSysx{"SYSX形式で保存", "Export SYSX File"};
const TCaption kMenuView{"表示(&V)", "&View"};
const TCaption kMenuCommunication{"通信(&C)", "&Communication"};
const TCaption kMenuOption{"ｵﾌﾟｼｮﾝ(&O)", "&Option"};
const TCaption kMenuWindow{"ｳｨﾝﾄﾞｳ(&W)", "&Window"};
const TCaption kMenuHelp{"ﾍﾙﾌﾟ(&H)", "&Help"};
const TCaption kMenuSong{"曲(&S)", "&Song"};
const TCaption kCaptionSwitch{"ボタンの文字列", "Caption"};
const TCaption kWindowOptionBar{"Window & Option", "Window & Option"};
const TCaption kSysxViewBar{"Sysx View", "Sysx View"};

namespace {

constexpr std::array<TCaption, size_t(TCommand::Count)> kCommands{{
    {"新規作成", "New"},
    {"開く", "Open"},
    {"保存", "Save"},
    {"全ﾃﾞｰﾀ保存", "All Data"},
    {"1つの Part...", "One Part..."},
    {"1つの Drum Map...", "One Drum Map..."},
    {"1つの User Drum...", "One User Drum..."},
    {"ｶｽﾀﾑﾌｧｲﾙ...", "Veka Custom file..."},
    {"SMFで保存", "Export SMF"},
    {"全ﾃﾞｰﾀ保存", "All data"},
    {"1つの Part...", "One Part..."},
    {"1つの Drum Map...", "One Drum Map..."},
    {"1つの User Drum...", "One User Drum..."},
    {"Reverb", "Reverb"},
    {"Chorus", "Chorus"},
    {"Delay", "Delay"},
    {"EQ", "EQ"},
    {"Insertion", "Insertion"},
    {"SMFから読み取る", "Get Setup Measures"},
    {"読み取ったSMFに埋め込み", "Replace Setup Measures"},
    {"SMFに追加", "Append Setup Measures"},
    {"終了", "Exit"},
    {"Patch", "Patch"},
    {"Part", "Part"},
    {"Drum", "Drum"},
    {"User Drum", "User Drum"},
    {"Effect", "Effect"},
    {"Master", "Master"},
    {"ｺﾝﾄﾛｰﾗｰ接続ﾏﾄﾘｯｸｽ", "Controller Matrix"},
    {"液晶表示", "Display Screen"},
    {"ﾃﾞｰﾀﾘｸｴｽﾄ...", "Data Request..."},
    {"全て送信", "Send All"},
    {"全て送信(User Drum Setを全て送信)", "Send All with User Drum Set data"},
    {"ﾊﾟﾆｯｸ", "Panic"},
    {"MIDI Portの設定...", "MIDI Port Setup..."},
    {"Part Window 構成...", "Customize Part Window ..."},
    {"SMF Setup 構成...", "SMF Export Setup..."},
    {"ﾌｫﾝﾄ...", "Font..."},
    {"ｼｮｰﾄｶｯﾄｷｰの設定...", "Shortcut keys..."},
    {"その他...", "Other Options..."},
    {"Keyboard Window", "Keyboard Window"},
    {"Sysx History...", "Sysx History..."},
    {"全てｱｲｺﾝ化", "Minimize All"},
    {"全て閉じる", "Close All"},
    {"ｱｲｺﾝの整列", "Arrange Icons"},
    {"目次", "Contents"},
    {"ﾊﾞｰｼﾞｮﾝ情報...", "About Veka..."},
    {"問い合わせﾌｫｰﾑ", "Contact Form"},
    {"元に戻す", "Undo"},
    {"やり直し", "Redo"},
    {"元に戻す履歴の消去", "Clear Undo History"},
    {"比較...", "Compare..."},
    {"音源と比較...", "Compare with Module..."},
    {"演奏する曲を開く...", "Open Song to Play..."},
    {"読み取ったSMFを演奏する曲に", "Play the Song Read Last"},
    {"再生/一時停止", "Play/Pause"},
    {"停止", "Stop"},
    {"小節へ移動", "Go to Bar"},
    {"ループ", "Loop"},
    {"ﾐｭｰﾄとｿﾛを解除", "Clear Mute and Solo"},
}};

constexpr std::array<TCaption, size_t(TToolButton::Count)> kHints{{
    {"Patch 編集", "Patch Window"},
    {"Part 編集", "Part Window"},
    {"Drum Set 編集", "Drum Window"},
    {"User Drum 編集", "User Drum Window"},
    {"Effect 編集", "Effect Window"},
    {"ｺﾝﾄﾛｰﾗｰ接続ﾏﾄﾘｯｸｽ", "Contoller Matrix"},
    {"Keyboard Window", "Keyboard Window"},
    {"MIDI Portの設定", "MIDI Port"},
    {"Part Windowの構成", "Customize Part Window"},
    {"その他のｵﾌﾟｼｮﾝ", "Other Options"},
    {"ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", "Copy to Clipboard"},
    {"送信履歴", "Sysx History"},
    {"保存", "Save"},
    {"開く", "Open"},
}};

constexpr std::array<const char*, size_t(TToolButton::Count)> kLabelsEnglish{
    "Patch", "Part", "Drum", "U.Drum", "Effect", "Matrix", "Keyboard", "MIDI", "Custom", "Other", "Copy", "History",
    "Save", "Open"};
constexpr std::array<const char*, size_t(TToolButton::Count)> kLabelsHalfWidth{
    "ﾊﾟｯﾁ", "ﾊﾟｰﾄ", "ﾄﾞﾗﾑ", "U.ﾄﾞﾗﾑ", "ｴﾌｪｸﾄ", "ﾏﾄﾘｯｸｽ", "ｷｰﾎﾞｰﾄﾞ", "MIDI", "ｶｽﾀﾑ", "その他", "ｺﾋﾟｰ", "履歴",
    "保存", "開く"};
constexpr std::array<const char*, size_t(TToolButton::Count)> kLabelsFullWidth{
    "パッチ", "パート", "ドラム", "U.ドラム", "エフェクト", "マトリックス", "キーボード", "MIDI", "カスタム", "その他",
    "コピー", "履歴", "保存", "開く"};

}  // namespace

const TCaption& CommandCaption(TCommand command) { return kCommands[size_t(command)]; }
const TCaption& ToolButtonHint(TToolButton button) { return kHints[size_t(button)]; }

QString ToolButtonLabel(TToolButton button, TLanguage language, int screenWidth) {
    const size_t i = size_t(button);
    if (language == TLanguage::English) return QString::fromUtf8(kLabelsEnglish[i]);
    return QString::fromUtf8(screenWidth <= 1024 ? kLabelsHalfWidth[i] : kLabelsFullWidth[i]);
}

}  // namespace veka
