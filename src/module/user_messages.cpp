// Texts we wrote ourselves (no original wording was at hand):
//   31..36  the status texts naming each editor window while it is set up again after a load,
//           a reset or a layout change, in the order of the View menu's editor windows:
//           Patch, Part, Drum, User Drum, Effect, Controller Matrix (both languages).
// Every other text is the program's own wording, odd spellings included.
#include "module/user_messages.h"

#include <algorithm>
#include <array>

namespace veka {

namespace {

struct TUserMessage {
    int Number;
    std::string_view Japanese;
    std::string_view English;
};

// Sorted by number.
constexpr std::array kMessages = {
    TUserMessage{9, "Pitch Bend 以外の時は右ｸﾘｯｸでｾﾝﾀｰ",
                 "Right-click centers the ribbon controller's cursor."},
    TUserMessage{10, "ｸﾘｯｸする位置(高さ)によってVelocity変化", "Velocty changes by its position(height)"},
    TUserMessage{17, " Parameterの収集中", " Parameter"},
    TUserMessage{18, "ﾃﾞｰﾀ作成中にｴﾗｰが発生\r\nやりなおして下さい", "Error occurs while data are made.\r\ntry again"},
    TUserMessage{19, "ﾃﾞｰﾀ保存中にｴﾗｰが発生\r\nやりなおして下さい", "Error occurs while data are saved.\r\ntry again"},
    TUserMessage{20, "変更されているﾃﾞｰﾀは有りません\r\nﾌｧｲﾙ保存は中止します",
                 "The data is not changed.\r\nSave command is canceled."},
    TUserMessage{21, "ﾌｧｲﾙの保存中", "Now saving"},
    TUserMessage{22, "Veka ver.4.01のﾃﾞｰﾀﾌｧｲﾙではありません", "This file is not for Veka."},
    TUserMessage{23, "ﾃﾞｰﾀﾌｧｲﾙに異常があります", "Found error in the data file."},
    TUserMessage{24, "対象を指定してください", "Specify object"},
    TUserMessage{25, "Drum Mapも一緒に保存しますか？", "Save the Drum Map, too?"},
    TUserMessage{26, "処理中", "processing"},
    TUserMessage{27, "送信中", "sending"},
    TUserMessage{28, "現在の状態を保存しますか？", "Data has changed. Save it?"},
    TUserMessage{29, "Vekaには最低限１つのMIDI OUTPUT Portが必要です", "Veka needs MIDI Output.(At least one)"},
    TUserMessage{31, "Patch Windowの更新中", "Updating Patch Window"},
    TUserMessage{32, "Part Windowの更新中", "Updating Part Window"},
    TUserMessage{33, "Drum Windowの更新中", "Updating Drum Window"},
    TUserMessage{34, "User Drum Windowの更新中", "Updating User Drum Window"},
    TUserMessage{35, "Effect Windowの更新中", "Updating Effect Window"},
    TUserMessage{36, "ｺﾝﾄﾛｰﾗｰ接続ﾏﾄﾘｯｸｽの更新中", "Updating Controller Matrix"},
    TUserMessage{37, "ｶｽﾀﾑﾌｧｲﾙです\r\n音源を初期化してから読みますか？",
                 "Are you sure you want to reset the sound module?"},
    TUserMessage{38, "このPartが対象", "Part destination:"},
    TUserMessage{39, "このDrum Mapが対象", "Drum Map destination:"},
    TUserMessage{40, "このUser Drum Setが対象", "User Drum Map destination:"},
    TUserMessage{41, "このﾌｧｲﾙにはDrum Map のﾃﾞｰﾀが含まれています", "This file has Drum Map Data."},
    TUserMessage{42, "Drum ModeのPartを選択すると\r\n自動的にDrum Mapのﾃﾞｰﾀも\r\n保存されます",
                 "When the selected part is Drum\r\nMode, the Drum Map will be\r\nautomatically saved, too."},
    TUserMessage{43,
                 "何らかの理由で前回正常に終了していません\r\nもし異常が出た場合一度終了し\r\n"
                 "Vekaのﾌｫﾙﾀﾞｰ内にあるVeka.iniを削除してから再起動してください",
                 "Veka was not finished normally last time.\r\nFinish Veka once if having any wrong point.\r\n"
                 "And restart after deleting \"Veka.ini\"(in Veka folder)."},
    TUserMessage{57, "このｱﾌﾟﾘｹｰｼｮﾝは既に登録済みです", "This application has already been registered."},
    TUserMessage{58, "ｱﾌﾟﾘｹｰｼｮﾝの名前", "Name of application"},
    TUserMessage{59, "名前を入力してください", "Input title"},
    TUserMessage{63, "現在の状態を保存しますか？", "Data has changed. Save it?"},
    TUserMessage{68, "ｼｽﾃﾑにｲﾝｽﾄｰﾙされている MIDI Port が前回と違います",
                 "Construction of MIDI Port is different from the last time."},
    TUserMessage{70, "MIDI OUTPUT が１つも有りません", "There are no MIDI Output."},
    TUserMessage{71, "MIDI ｲﾝﾀｰﾌｪｰｽ ﾄﾞﾗｲﾊﾞｰをｲﾝｽﾄｰﾙしてからVekaを起動してください",
                 "Start again after installing device for MIDI Output."},
    TUserMessage{75, "User Drum Setの全ﾃﾞｰﾀ送信中(時間がかかります)", "sending User Drum Set data.(wait for a while)"},
    // Japanese: source, destination, value; English: destination, source, value.
    TUserMessage{86, "%s 情報が %s ﾊﾟﾗﾒｰﾀｰに与える効果 %s", "%s varies with %s in proportion to %s."},
    TUserMessage{90, "異常終了\r\n機器の接続、MIDI ｲﾝﾀｰﾌｪｰｽ ﾄﾞﾗｲﾊﾞｰ等を確認してください",
                 "Data transmission is interrupted.\r\n(Make sure the setup or connection of your device.)"},
    TUserMessage{94, "MMSYSTEM004 Error : MIDI Port \"%s\" は既に使用中です。",
                 "MMSYSTEM004 Error : \"%s\" is in use already by another software."},
    TUserMessage{95, "MMSYSTEM007 Error : MIDI Port用ﾒﾓﾘｰの確保に失敗しました。Windowsの再起動で直る場合があります。",
                 "MMSYSTEM007 Error "},
    TUserMessage{99, "Cakewalk用 SYSXﾌｧｲﾙ|*.syx", "SYSX File(for Cakewalk)|*.syx"},
    TUserMessage{100, "送信終了", "Completed"},
    TUserMessage{101, "既に\"%s\"に割り当てられているｼｮｰﾄｶｯﾄｷｰです", "\"%s\" is in use already."},
    TUserMessage{102, "全ての設定を消去します", "Sure?"},
    TUserMessage{107,
                 "ここではﾜﾝﾀｯﾁでVekaと行き来させたいｼｰｹﾝｽｿﾌﾄを設定します。予め登録して有る[切り替える対象]の他、"
                 "お使いのｼｰｹﾝｽｿﾌﾄでも大抵の場合は登録することができます。\r\n\r\n"
                 "お使いのｼｰｹﾝｽｿﾌﾄの起動後に[調査]ﾎﾞﾀﾝを押し、ﾘｽﾄに現れたら選択して[登録]ﾎﾞﾀﾝを押してください。"
                 "登録は１度行えば以後有効です。",
                 "By setting a \"Veka Hot Key\", you can easily switch between Veka and the other sequencer "
                 "software.\r\nYou can assign a Hot Key to sequencer software registered to the list, but many "
                 "other sequencer software is assignable, too.\r\nTo assign a Hot Key, start the sequencer "
                 "software and click [Find]. If you find the sequencers name on the list, select it and click "
                 "[Register]."},
};

static_assert(std::is_sorted(kMessages.begin(), kMessages.end(),
                             [](const TUserMessage& a, const TUserMessage& b) { return a.Number < b.Number; }));

}  // namespace

std::string_view UserMessage(int number, TLanguage language) {
    const auto found = std::lower_bound(kMessages.begin(), kMessages.end(), number,
                                        [](const TUserMessage& m, int n) { return m.Number < n; });
    if (found == kMessages.end() || found->Number != number) return {};
    return language == TLanguage::English ? found->English : found->Japanese;
}

std::vector<int> UserMessageNumbers() {
    std::vector<int> numbers;
    numbers.reserve(kMessages.size());
    for (const TUserMessage& m : kMessages) numbers.push_back(m.Number);
    return numbers;
}

}  // namespace veka
