#include "document/drum_texts.h"

#include <array>
#include <cstdio>

#include "module/value_texts.h"

namespace veka {

namespace {

struct THelp {
    const char* Japanese;
    const char* English;
};

constexpr std::array<THelp, 13> kHelp = {{
    {"", ""},
    {"楽器の音の高さ", "Adjust the pitch of the instrument."},
    {"楽器の音量", "Adjust the level of the instrument."},
    {"同じ番号の楽器は同時に鳴らない(0:なし)", "Instruments of one assign group cut each other off (0: none)."},
    {"楽器の音像(0:ﾗﾝﾀﾞﾑ)", "Adjust the stereo position of the instrument (0: random)."},
    {"楽器のﾘﾊﾞｰﾌﾞの深さ", "Adjust the reverb depth of the instrument."},
    {"楽器のｺｰﾗｽの深さ", "Adjust the chorus depth of the instrument."},
    {"ﾉｰﾄ･ｵﾌを受信するか", "Select whether the instrument receives note off."},
    {"ﾉｰﾄ･ｵﾝを受信するか", "Select whether the instrument receives note on."},
    {"楽器のﾃﾞｨﾚｲの深さ", "Adjust the delay depth of the instrument."},
    {"楽器を取り出すﾄﾞﾗﾑｾｯﾄの音色ﾏｯﾌﾟ", "Select the tone map of the drum set the instrument comes from."},
    {"楽器を取り出すﾄﾞﾗﾑｾｯﾄ", "Select the drum set the instrument comes from."},
    {"楽器を取り出すﾄﾞﾗﾑｾｯﾄのﾉｰﾄ番号", "Select the note of the drum set the instrument comes from."},
}};

}  // namespace

std::string DrumHelpText(int parameter, TLanguage language) {
    if (parameter < 1 || parameter >= int(kHelp.size())) return {};
    const THelp& help = kHelp[size_t(parameter)];
    return language == TLanguage::Japanese ? help.Japanese : help.English;
}

std::string DrumRowText(int note) {
    char number[16];
    std::snprintf(number, sizeof number, "%3d ", note);
    return number + NoteText(note);
}

}  // namespace veka
