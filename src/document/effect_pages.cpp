#include "document/effect_pages.h"

#include <array>

#include "module/effect_texts.h"
#include "module/parameter_tables.h"
#include "module/value_texts.h"

namespace veka {

namespace {

constexpr std::array<TEffectPageInfo, kEffectPageCount> kPages = {{
    {"Reverb", 5, "Macro ", 6, 11, 18, "Reverb", "rev", TSystemGroup::Reverb, 0},
    {"Chorus", 12, "Macro ", 13, 20, 17, "Chorus", "cho", TSystemGroup::Chorus, 1},
    {"Delay", 21, "Macro ", 22, 31, 20, "Delay", "del", TSystemGroup::Delay, 2},
    {"EQ", 0, "", 32, 35, 22, "EQ", "eq", TSystemGroup::Eq, -1},
    {"Insertion", 36, "Type ", 37, 56, 24, "Insertion Effect", "ief", TSystemGroup::Insertion, -1},
    {"Insertion Sub", 0, "", 57, 64, 24, nullptr, nullptr, TSystemGroup::Insertion, -1},
}};

struct THelp {
    const char* Japanese;
    const char* English;
};

// One line per system parameter, index 0 unused.
constexpr std::array<THelp, kSystemParameterCount + 1> kHelp = {{
    {"", ""},
    {"音源全体のチューニング", "Master Tune setting of all the sound module."},
    {"音源全体のボリューム", "Volume of all the sound module."},
    {"音源全体の音の高さ(半音単位)", "Pitch of all the sound module."},
    {"音源全体の音像", "Stereo position for all the sound module."},
    {"ﾘﾊﾞｰﾌﾞの種類を選び、各ﾊﾟﾗﾒｰﾀｰを標準値にする", "Select the reverb type; its parameters take their standard values."},
    {"ﾘﾊﾞｰﾌﾞの性格(種類)", "Select the character of the reverb."},
    {"ﾘﾊﾞｰﾌﾞに入る音の高域を削る", "Cut the high frequencies of the sound going into the reverb."},
    {"ﾘﾊﾞｰﾌﾞの音量", "Adjust the level of the reverb sound."},
    {"ﾘﾊﾞｰﾌﾞの残響時間", "Adjust the reverb time."},
    {"ﾃﾞｨﾚｲ型ﾘﾊﾞｰﾌﾞの繰り返しの量", "Adjust the repeats of the delay-type reverbs."},
    {"ﾘﾊﾞｰﾌﾞが聞こえ始めるまでの時間", "Adjust the delay until the reverb sound starts."},
    {"ｺｰﾗｽの種類を選び、各ﾊﾟﾗﾒｰﾀｰを標準値にする", "Select the chorus type; its parameters take their standard values."},
    {"ｺｰﾗｽに入る音の高域を削る", "Cut the high frequencies of the sound going into the chorus."},
    {"ｺｰﾗｽの音量", "Adjust the level of the chorus sound."},
    {"ｺｰﾗｽ音を戻す量", "Adjust the amount of chorus sound fed back into the chorus."},
    {"ｺｰﾗｽの遅れ時間", "Adjust the delay time of the chorus."},
    {"ｺｰﾗｽの揺れの速さ", "Adjust the modulation speed of the chorus."},
    {"ｺｰﾗｽの揺れの深さ", "Adjust the modulation depth of the chorus."},
    {"ｺｰﾗｽ音をﾘﾊﾞｰﾌﾞに送る量", "Adjust the amount of chorus sound sent to the reverb."},
    {"ｺｰﾗｽ音をﾃﾞｨﾚｲに送る量", "Adjust the amount of chorus sound sent to the delay."},
    {"ﾃﾞｨﾚｲの種類を選び、各ﾊﾟﾗﾒｰﾀｰを標準値にする", "Select the delay type; its parameters take their standard values."},
    {"ﾃﾞｨﾚｲに入る音の高域を削る", "Cut the high frequencies of the sound going into the delay."},
    {"中央のﾃﾞｨﾚｲの遅れ時間", "Adjust the delay time of the centre tap."},
    {"左のﾃﾞｨﾚｲの遅れ時間(中央に対する比率)", "Adjust the left delay time as a ratio of the centre time."},
    {"右のﾃﾞｨﾚｲの遅れ時間(中央に対する比率)", "Adjust the right delay time as a ratio of the centre time."},
    {"中央のﾃﾞｨﾚｲの音量", "Adjust the level of the centre tap."},
    {"左のﾃﾞｨﾚｲの音量", "Adjust the level of the left tap."},
    {"右のﾃﾞｨﾚｲの音量", "Adjust the level of the right tap."},
    {"ﾃﾞｨﾚｲ全体の音量", "Adjust the level of the whole delay sound."},
    {"ﾃﾞｨﾚｲの繰り返しの量(64で繰り返しなし)", "Adjust the repeats of the delay (64: no repeat)."},
    {"ﾃﾞｨﾚｲ音をﾘﾊﾞｰﾌﾞに送る量", "Adjust the amount of delay sound sent to the reverb."},
    {"低域ｲｺﾗｲｻﾞｰの周波数", "Select the frequency of the low band equaliser."},
    {"低域ｲｺﾗｲｻﾞｰの増減", "Adjust the gain of the low band equaliser."},
    {"高域ｲｺﾗｲｻﾞｰの周波数", "Select the frequency of the high band equaliser."},
    {"高域ｲｺﾗｲｻﾞｰの増減", "Adjust the gain of the high band equaliser."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄの種類", "Select the type of the insertion effect."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 1", "Insertion effect parameter 1."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 2", "Insertion effect parameter 2."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 3", "Insertion effect parameter 3."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 4", "Insertion effect parameter 4."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 5", "Insertion effect parameter 5."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 6", "Insertion effect parameter 6."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 7", "Insertion effect parameter 7."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 8", "Insertion effect parameter 8."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 9", "Insertion effect parameter 9."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 10", "Insertion effect parameter 10."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 11", "Insertion effect parameter 11."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 12", "Insertion effect parameter 12."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 13", "Insertion effect parameter 13."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 14", "Insertion effect parameter 14."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 15", "Insertion effect parameter 15."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 16", "Insertion effect parameter 16."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 17", "Insertion effect parameter 17."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 18", "Insertion effect parameter 18."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 19", "Insertion effect parameter 19."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ 20", "Insertion effect parameter 20."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄ音をﾘﾊﾞｰﾌﾞに送る量", "Adjust the amount of insertion effect sound sent to the reverb."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄ音をｺｰﾗｽに送る量", "Adjust the amount of insertion effect sound sent to the chorus."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄ音をﾃﾞｨﾚｲに送る量", "Adjust the amount of insertion effect sound sent to the delay."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄを操作するｺﾝﾄﾛｰﾗｰ 1", "Select the controller 1 that controls the insertion effect."},
    {"ｺﾝﾄﾛｰﾗｰ 1 の効きの深さ", "Adjust how deeply controller 1 acts on the insertion effect."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄを操作するｺﾝﾄﾛｰﾗｰ 2", "Select the controller 2 that controls the insertion effect."},
    {"ｺﾝﾄﾛｰﾗｰ 2 の効きの深さ", "Adjust how deeply controller 2 acts on the insertion effect."},
    {"ｲﾝｻｰｼｮﾝ･ｴﾌｪｸﾄ音にｲｺﾗｲｻﾞｰをかける", "Switch the equaliser on or off for the insertion effect sound."},
}};

}  // namespace

const TEffectPageInfo& EffectPage(int page) {
    return kPages[size_t(page >= 0 && page < kEffectPageCount ? page : 0)];
}

std::string EffectValueText(int page, int number, int value, int centreTime, std::string_view insertionKind) {
    switch (page) {
        case epDelay:
            if (number == 23) return DelayTimeText(value);
            if (number == 24 || number == 25) return DelayRatioText(value, centreTime);
            if (number == 30) return SignedText(value);
            break;
        case epEq:
            if (number == 32) return EqFreqText(TEqBand::Low, value);
            if (number == 34) return EqFreqText(TEqBand::High, value);
            return SignedText(value);
        case epInsertion: {
            const size_t tab = insertionKind.find('\t');
            const std::string_view kind = insertionKind.substr(0, tab);
            const std::string_view detail = tab == std::string_view::npos ? std::string_view() : insertionKind.substr(tab + 1);
            return InsertionValueText(kind, detail, value);
        }
        default: break;
    }
    return std::to_string(value);
}

std::string SystemHelpText(int number, TLanguage language) {
    if (number < 1 || number > kSystemParameterCount) return {};
    const THelp& help = kHelp[size_t(number)];
    return language == TLanguage::Japanese ? help.Japanese : help.English;
}

}  // namespace veka
