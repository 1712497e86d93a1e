#include "document/part_texts.h"

#include <array>
#include <string_view>

namespace veka {

namespace {

constexpr int kCount = 111;

// Parameters 1..44; 45..110 are the six controllers' blocks, 111 the coarse tuning.
constexpr std::array<const char*, 44> kNamesToScale = {
    "Ch. Msg Rx Port", "Tone Number", "Rx. Channel", "Mono/Poly", "Assign Mode", "Use for Rythm Part",
    "Pitch Key Shift", "Pitch Offset Fine", "Volume", "Vel. Sense Depth", "Vel. Sense Offset", "Panpot",
    "Key. Range Low", "Key. Range High", "CC1 Controller Number", "CC2 Controller Number",
    "Chorus Send Level", "Reverb Send Level", "Pitch Fine Tune", "Delay Send Level", "Bank Select LSB",
    "EQ On/Off", "Output Assign", "Part Efx Assign", "Vib. Rate", "Vib. Depth", "Cutoff Frequency",
    "Resonance", "Attack Time", "Decay Time", "Release Time", "Vib. Delay", "Scale Tuning C",
    "Scale Tuning C#", "Scale Tuning D", "Scale Tuning D#", "Scale Tuning E", "Scale Tuning F",
    "Scale Tuning F#", "Scale Tuning G", "Scale Tuning G#", "Scale Tuning A", "Scale Tuning A#",
    "Scale Tuning B"};

constexpr std::array<const char*, 6> kSources = {"MOD", "Bend", "CAf", "PAf", "CC1", "CC2"};
constexpr std::array<const char*, 11> kElements = {
    "Pitch Control", "TVF Cutoff Control", "Amplitude Control", "LFO1 Rate", "LFO1 Pitch", "LFO1 TVF Depth",
    "LFO1 TVA Depth", "LFO2 Rate", "LFO2 Pitch", "LFO2 TVF Depth", "LFO2 TVA Depth"};
constexpr int kFirstController = 45;

const std::array<std::string, kCount + 1>& Names() {
    static const std::array<std::string, kCount + 1> names = [] {
        std::array<std::string, kCount + 1> a;
        for (int i = 0; i < 44; ++i) a[size_t(i + 1)] = kNamesToScale[size_t(i)];
        for (int s = 0; s < 6; ++s)
            for (int e = 0; e < 11; ++e)
                a[size_t(kFirstController + s * 11 + e)] = std::string(kSources[size_t(s)]) + " " + kElements[size_t(e)];
        a[kCount] = "Master Coarse Tuning";
        return a;
    }();
    return names;
}

struct THelp {
    const char* English;
    const char* Japanese;
};

constexpr std::array<THelp, 32> kHelpToVibrato = {{
    {"Select the receiving MIDI port.", "受信するMIDIポートを選びます。"},
    {"Select the tone (bank select MSB and program number).", "音色を選びます（バンク・セレクトMSBとプログラム番号）。"},
    {"Select the MIDI channel the part receives on (OFF: none).", "パートが受信するMIDIチャンネルを選びます（OFF: 受信しない）。"},
    {"Select mono or poly mode for the part.", "パートをモノ・モードにするかポリ・モードにするかを選びます。"},
    {"Select how a note played again while sounding is handled.", "発音中の同じ音を再び弾いたときの発音のしかたを選びます。"},
    {"Select whether the part plays tones or drum map 1 or 2.", "パートで普通の音色を鳴らすか、ドラム・マップ1か2を鳴らすかを選びます。"},
    {"Transpose the part in semitones.", "パートの音程を半音単位で移調します。"},
    {"Shift the pitch by a fixed frequency in steps of 0.1 Hz.", "音程を0.1Hz単位の一定の周波数でずらします。"},
    {"Adjust the volume of the part.", "パートの音量を調節します。"},
    {"Adjust how strongly the velocity changes the volume.", "ベロシティで音量が変わる度合いを調節します。"},
    {"Adjust the offset added to the velocity.", "ベロシティに加えるオフセットを調節します。"},
    {"Adjust the stereo position.", "ステレオの定位を調節します。"},
    {"Set the lowest note the part plays.", "パートが発音する一番低い音を設定します。"},
    {"Set the highest note the part plays.", "パートが発音する一番高い音を設定します。"},
    {"Select the control change number that acts as controller CC1.", "コントローラーCC1として働くコントロール・チェンジ番号を選びます。"},
    {"Select the control change number that acts as controller CC2.", "コントローラーCC2として働くコントロール・チェンジ番号を選びます。"},
    {"Adjust the amount sent to the chorus.", "コーラスに送る量を調節します。"},
    {"Adjust the amount sent to the reverb.", "リバーブに送る量を調節します。"},
    {"Adjust the pitch in steps of 1/100 semitone", "音程を1/100半音（1セント）単位で調節します。"},
    {"Adjust the amount sent to the delay.", "ディレイに送る量を調節します。"},
    {"Select the tone map (bank select LSB).", "トーン・マップを選びます（バンク・セレクトLSB）。"},
    {"Switch the equalizer of the part on or off.", "パートのイコライザーをオン／オフします。"},
    {"Select the output the part sounds through (SC-88Pro and later).", "パートを出力する端子を選びます（SC-88Pro以降）。"},
    {"Select whether the part goes through the insertion effect (SC-88Pro and later).", "パートにインサーション・エフェクトをかけるかどうかを選びます（SC-88Pro以降）。"},
    {"Adjust the speed of the vibrato.", "ビブラートの速さを調節します。"},
    {"Adjust the depth of the vibrato.", "ビブラートの深さを調節します。"},
    {"Adjust the cutoff frequency of the filter (brightness).", "フィルターのカットオフ周波数（音の明るさ）を調節します。"},
    {"Adjust the resonance of the filter.", "フィルターのレゾナンス（カットオフ付近の強調）を調節します。"},
    {"Adjust the attack time of the envelope.", "エンベロープのアタック・タイムを調節します。"},
    {"Adjust the decay time of the envelope.", "エンベロープのディケイ・タイムを調節します。"},
    {"Adjust the release time of the envelope.", "エンベロープのリリース・タイムを調節します。"},
    {"Adjust the time before the vibrato starts.", "ビブラートがかかり始めるまでの時間を調節します。"},
}};

constexpr std::array<const char*, 12> kNoteNames = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

constexpr std::array<THelp, 6> kSourceTexts = {{
    {"the modulation wheel", "モジュレーション・ホイール"},
    {"pitch bend", "ピッチ・ベンド"},
    {"channel aftertouch", "チャンネル・アフタータッチ"},
    {"polyphonic aftertouch", "ポリフォニック・アフタータッチ"},
    {"controller CC1", "コントローラーCC1"},
    {"controller CC2", "コントローラーCC2"},
}};

// Each text holds one "%" where the controller's wording goes.
constexpr std::array<THelp, 11> kElementTexts = {{
    {"Set how far % changes the pitch (semitones).", "%で変化する音程の幅を設定します（半音単位）。"},
    {"Set how far % changes the filter cutoff.", "%で変化するフィルターのカットオフの量を設定します。"},
    {"Set how far % changes the volume.", "%で変化する音量の幅を設定します。"},
    {"Set how far % changes the speed of LFO1.", "%で変化するLFO1の速さを設定します。"},
    {"Set the depth of LFO1 pitch modulation (vibrato) that % adds.", "%でかかるLFO1の音程の揺れ（ビブラート）の深さを設定します。"},
    {"Set the depth of LFO1 filter modulation (wah) that % adds.", "%でかかるLFO1のフィルターの揺れ（ワウ）の深さを設定します。"},
    {"Set the depth of LFO1 volume modulation (tremolo) that % adds.", "%でかかるLFO1の音量の揺れ（トレモロ）の深さを設定します。"},
    {"Set how far % changes the speed of LFO2.", "%で変化するLFO2の速さを設定します。"},
    {"Set the depth of LFO2 pitch modulation that % adds.", "%でかかるLFO2の音程の揺れの深さを設定します。"},
    {"Set the depth of LFO2 filter modulation that % adds.", "%でかかるLFO2のフィルターの揺れの深さを設定します。"},
    {"Set the depth of LFO2 volume modulation that % adds.", "%でかかるLFO2の音量の揺れの深さを設定します。"},
}};

std::string Fill(std::string_view pattern, std::string_view word) {
    std::string text(pattern);
    const size_t at = text.find('%');
    if (at != std::string::npos) text.replace(at, 1, word);
    return text;
}

}  // namespace

const char* PartParameterName(int index) {
    if (index < 1 || index > kCount) return "";
    return Names()[size_t(index)].c_str();
}

std::string PartHelpText(int index, TLanguage language) {
    const bool english = language == TLanguage::English;
    if (index >= 1 && index <= 32) {
        const THelp& h = kHelpToVibrato[size_t(index - 1)];
        return english ? h.English : h.Japanese;
    }
    if (index >= 33 && index <= 44) {
        const char* note = kNoteNames[size_t(index - 33)];
        return english ? std::string("Adjust the tuning of every ") + note + " in cents (scale tuning)."
                       : std::string("すべての") + note + "の音程をセント単位で調節します（スケール・チューニング）。";
    }
    if (index >= kFirstController && index < kCount) {
        const int source = (index - kFirstController) / 11;
        const int element = (index - kFirstController) % 11;
        // The bend's pitch control is the bend range, which players know by that name.
        if (source == 1 && element == 0)
            return english ? "Set the pitch bend range in semitones (Pitch Bend Sensitivity)."
                           : "ピッチ・ベンドで変化する音程の幅を半音単位で設定します（ピッチ・ベンド・センシティビティ）。";
        const THelp& s = kSourceTexts[size_t(source)];
        const THelp& e = kElementTexts[size_t(element)];
        return english ? Fill(e.English, s.English) : Fill(e.Japanese, s.Japanese);
    }
    if (index == kCount)
        return english ? "Transpose the part in semitones (RPN Master Coarse Tuning)."
                       : "パートの音程を半音単位で移調します（RPNマスター・コース・チューニング）。";
    return "";
}

}  // namespace veka
