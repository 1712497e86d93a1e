#include "module/value_texts.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace veka {

namespace {

// A number's text after a short prefix ("+5", "L12"), appended to the prefix: GCC 12 at -O3
// warns falsely of an overlapping copy (-Wrestrict) when a literal is put before a string.
std::string Prefixed(std::string_view prefix, long long value) {
    std::string text(prefix);
    text += std::to_string(value);
    return text;
}

// Values reach here from files as they were stored, so the arithmetic is done in 64 bits.
std::string WithPlus(int64_t value) { return value > 0 ? Prefixed("+", value) : std::to_string(value); }

template <std::size_t N>
std::string Pick(const std::array<std::string_view, N>& words, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return std::to_string(index);
    return std::string(words[static_cast<std::size_t>(index)]);
}

// Part parameters whose value is centred on 64: the tuning and sends of the part itself and,
// in each controller block, the Pitch, Cutoff, Amplitude and Rate elements.
bool IsSignedPartParameter(int parameter) {
    if (parameter == 7 || parameter == 10 || parameter == 11 || parameter == 111) return true;
    if (parameter >= 25 && parameter <= 32) return true;
    // Six controller blocks of 11 parameters from 45: Pitch, Cutoff and Amplitude Control and
    // LFO1 Rate (offsets 0..3) and LFO2 Rate (offset 7) are centred on 64.
    if (parameter >= 45 && parameter <= 110) {
        const int offset = (parameter - 45) % 11;
        return offset <= 3 || offset == 7;
    }
    return false;
}

constexpr std::array<std::string_view, 12> kNoteNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                         "F#", "G",  "G#", "A",  "A#", "B"};

constexpr std::array<std::string_view, 8> kReverbMacros = {
    "Room 1", "Room 2", "Room 3", "Hall 1", "Hall 2", "Plate", "Delay", "Panning Delay"};
constexpr std::array<std::string_view, 8> kChorusMacros = {
    "Chorus 1",        "Chorus 2", "Chorus 3",    "Chorus 4",
    "Feedback Chorus", "Flanger",  "Short Delay", "Short Delay[FB]"};
constexpr std::array<std::string_view, 10> kDelayMacros = {
    "Delay 1",     "Delay 2",     "Delay 3",     "Delay 4",       "Pan Delay 1",
    "Pan Delay 2", "Pan Delay 3", "Pan Delay 4", "Delay to Rev.", "PanRepeat"};

}  // namespace

std::string Fixed2Text(double value) {
    char buffer[400];  // room for the largest double printed in full
    std::snprintf(buffer, sizeof buffer, "%2.2f", value);
    std::string text = buffer;
    if (text == "-0.00") text = "0.00";
    return text;
}

std::string SignedText(int value) { return WithPlus(int64_t(value) - 64); }

std::string PanText(int value) {
    if (value == 0) return "Random";
    if (value >= 1 && value <= 63) return Prefixed("L", 64 - value);
    if (value == 64) return "Center";
    if (value >= 65 && value <= 127) return Prefixed("R", value - 64);
    return std::to_string(value);
}

std::string NoteText(int note) {
    if (note < 0 || note > 127) return std::to_string(note);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%2s%2d", kNoteNames[static_cast<std::size_t>(note % 12)].data(),
                  note / 12 - 1);
    return buffer;
}

std::string ControllerText(int number) {
    std::string_view name;
    switch (number) {
        case 1: name = "-Modulation"; break;
        case 5: name = "-Portamento Time"; break;
        case 6: name = "-Data Entry MSB"; break;
        case 7: name = "-Volume"; break;
        case 10: name = "-Pan"; break;
        case 11: name = "-Expression"; break;
        case 16: name = "-(CC1 Default)"; break;
        case 17: name = "-(CC2 Default)"; break;
        case 38: name = "-Data Entry LSB"; break;
        case 64: name = "-Hold 1"; break;
        case 65: name = "-Portamento"; break;
        case 66: name = "-Sostenuto"; break;
        case 67: name = "-Soft"; break;
        case 84: name = "-Portamento Control"; break;
        case 91: name = "-Effect1 (Reverb Send Level)"; break;
        case 93: name = "-Effect3 (Chorus Send Level)"; break;
        case 94: name = "-Effect4 (Delay Send Level)"; break;
        case 98: name = "-NRPN LSB"; break;
        case 99: name = "-NRPN MSB"; break;
        case 100: name = "-RPN LSB"; break;
        case 101: name = "-RPN MSB"; break;
        default: break;
    }
    return " CC#" + std::to_string(number) + std::string(name);
}

std::string PartValueText(TLanguage /*language*/, int parameter, int n) {
    if (parameter < 1 || parameter > 111) return {};
    switch (parameter) {
        case 1:
            return Pick(std::array<std::string_view, 4>{"Port A", "Port B", "Port C", "Port D"}, n);
        case 2:
            return std::to_string(n % 128);
        case 3:
            if (n >= 0 && n <= 15) return "Channel " + std::to_string(n + 1);
            if (n == 16) return "OFF";
            return std::to_string(n);
        case 4:
            return Pick(std::array<std::string_view, 2>{"Mono", "Poly"}, n);
        case 5:
            return Pick(std::array<std::string_view, 3>{"Single", "Limited Multi", "Multi"}, n);
        case 6:
            return Pick(std::array<std::string_view, 3>{"Normal", "Drum Map 1", "Drum Map 2"}, n);
        case 8:
            // The part window hands in the stored value minus 128.
            return std::string(n > 0 ? "+" : "").append(Fixed2Text(n / 10.0)).append(" Hz");
        case 12:
            return PanText(n);
        case 19:
            return std::string(n > 8192 ? "+" : "").append(Fixed2Text((double(n) - 8192) * 0.01220703125)).append(" cent");
        case 21:
            if (n == 4) return {};
            if (n >= 1 && n <= 3)
                return Pick(std::array<std::string_view, 3>{"55Map", "88Map", "88ProMap"}, n - 1);
            return std::to_string(n);
        case 22:
        case 24:
            return Pick(std::array<std::string_view, 2>{"OFF", "ON"}, n);
        case 23:
            return Pick(std::array<std::string_view, 4>{"Output 1", "Output 2", "Output 2L", "Output 2R"},
                        n);
        default:
            break;
    }
    if (parameter >= 33 && parameter <= 44) return SignedText(n) + " cent";
    if (IsSignedPartParameter(parameter)) return SignedText(n);
    return std::to_string(n);
}

std::string DrumValueText(TLanguage language, int parameter, int n, int reference, int sourceMap,
                          const TDrumSetNameLookup& drumSetName) {
    const bool english = language == TLanguage::English;
    switch (parameter) {
        case 1:
            return WithPlus(int64_t(n) - reference);
        case 4:
            return PanText(n);
        case 7:
        case 8:
            if (n == 0) return english ? "Ineffective" : "無効";
            if (n == 1) return english ? "Effective" : "有効";
            return std::to_string(n);
        case 10:
            if (n >= 1 && n <= 3)
                return Pick(std::array<std::string_view, 3>{"SC55 Map", "SC88 Map", "SC88Pro Map"}, n - 1);
            return std::to_string(n);
        case 11: {
            std::string text = std::to_string(int64_t(n) + 1) + "(" + std::to_string(n) + ")";
            const std::string name = drumSetName ? drumSetName(sourceMap, n) : std::string();
            // The "not found" texts read as a continuation of the number, so no blank before them.
            if (name.empty()) return text + (english ? " does not exist." : "に対応するドラムキットはありません");
            return text + " " + name;
        }
        case 12:
            return std::to_string(n) + " " + NoteText(n);
        default:
            return std::to_string(n);
    }
}

int MacroCount(int kind) {
    switch (kind) {
        case MacroReverb: return static_cast<int>(kReverbMacros.size());
        case MacroChorus: return static_cast<int>(kChorusMacros.size());
        case MacroDelay: return static_cast<int>(kDelayMacros.size());
        default: return 0;
    }
}

std::string MacroName(int kind, int macro) {
    if (macro < 0 || macro >= MacroCount(kind)) return {};
    const auto index = static_cast<std::size_t>(macro);
    switch (kind) {
        case MacroReverb: return std::string(kReverbMacros[index]);
        case MacroChorus: return std::string(kChorusMacros[index]);
        default: return std::string(kDelayMacros[index]);
    }
}

}  // namespace veka
