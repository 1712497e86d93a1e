#include "module/parameter_tables.h"

#include <string>

namespace veka {

namespace {

using A = std::array<uint8_t, 3>;

std::array<TParameterRow, kSystemParameterCount + 1> MakeSystemRows() {
    std::array<TParameterRow, kSystemParameterCount + 1> r{};
    auto set = [&](int n, std::string_view name, A addr, int size, int min, int max, int def) {
        r[n] = TParameterRow{name, addr, uint8_t(size), min, max, def, uint8_t(n >= 36 ? 2 : 1)};
    };
    set(1, "Master Tune", {0x40, 0x00, 0x00}, 4, 24, 2024, 1024);
    set(2, "Master Volume", {0x40, 0x00, 0x04}, 1, 0, 127, 127);
    set(3, "Master Key Shift", {0x40, 0x00, 0x05}, 1, 40, 88, 64);
    set(4, "Master Pan", {0x40, 0x00, 0x06}, 1, 1, 127, 64);
    set(5, "Reverb Macro", {0x40, 0x01, 0x30}, 1, 0, 7, 4);
    set(6, "Reverb Character", {0x40, 0x01, 0x31}, 1, 0, 7, 4);
    set(7, "Reverb Pre-LPF", {0x40, 0x01, 0x32}, 1, 0, 7, 0);
    set(8, "Reverb Level", {0x40, 0x01, 0x33}, 1, 0, 127, 64);
    set(9, "Reverb Time", {0x40, 0x01, 0x34}, 1, 0, 127, 64);
    set(10, "Reverb Delay Feedback", {0x40, 0x01, 0x35}, 1, 0, 127, 0);
    set(11, "Reverb Predelay Time", {0x40, 0x01, 0x37}, 1, 0, 127, 0);
    set(12, "Chorus Macro", {0x40, 0x01, 0x38}, 1, 0, 7, 2);
    set(13, "Chorus Pre-LPF", {0x40, 0x01, 0x39}, 1, 0, 7, 0);
    set(14, "Chorus Level", {0x40, 0x01, 0x3A}, 1, 0, 127, 64);
    set(15, "Chorus Feedback", {0x40, 0x01, 0x3B}, 1, 0, 127, 8);
    set(16, "Chorus Delay", {0x40, 0x01, 0x3C}, 1, 0, 127, 80);
    set(17, "Chorus Rate", {0x40, 0x01, 0x3D}, 1, 0, 127, 3);
    set(18, "Chorus Depth", {0x40, 0x01, 0x3E}, 1, 0, 127, 19);
    set(19, "Chorus Send Level To Reverb", {0x40, 0x01, 0x3F}, 1, 0, 127, 0);
    set(20, "Chorus Send Level To Delay", {0x40, 0x01, 0x40}, 1, 0, 127, 0);
    set(21, "Delay Macro", {0x40, 0x01, 0x50}, 1, 0, 9, 0);
    set(22, "Delay Pre-LPF", {0x40, 0x01, 0x51}, 1, 0, 7, 0);
    set(23, "Delay Time Center", {0x40, 0x01, 0x52}, 1, 1, 115, 97);
    set(24, "Delay Time Ratio Left", {0x40, 0x01, 0x53}, 1, 1, 120, 1);
    set(25, "Delay Time Ratio Right", {0x40, 0x01, 0x54}, 1, 1, 120, 1);
    set(26, "Delay Level Center", {0x40, 0x01, 0x55}, 1, 0, 127, 127);
    set(27, "Delay Level Left", {0x40, 0x01, 0x56}, 1, 0, 127, 0);
    set(28, "Delay Level Right", {0x40, 0x01, 0x57}, 1, 0, 127, 0);
    set(29, "Delay Level", {0x40, 0x01, 0x58}, 1, 0, 127, 64);
    set(30, "Delay Feedback", {0x40, 0x01, 0x59}, 1, 0, 127, 80);
    set(31, "Delay Send Level To Reverb", {0x40, 0x01, 0x5A}, 1, 0, 127, 0);
    set(32, "EQ Low Freq", {0x40, 0x02, 0x00}, 1, 0, 1, 0);
    set(33, "EQ Low Gain", {0x40, 0x02, 0x01}, 1, 52, 76, 64);
    set(34, "EQ High Freq", {0x40, 0x02, 0x02}, 1, 0, 1, 0);
    set(35, "EQ High Gain", {0x40, 0x02, 0x03}, 1, 52, 76, 64);
    set(36, "Efx Type", {0x40, 0x03, 0x00}, 2, 0, 16383, 0);
    static const std::array<std::string, 20> efxNames = [] {
        std::array<std::string, 20> a;
        for (int i = 0; i < 20; ++i) a[i] = "Efx Parameter " + std::to_string(i + 1);
        return a;
    }();
    for (int i = 0; i < 20; ++i)
        set(37 + i, efxNames[i], {0x40, 0x03, uint8_t(0x03 + i)}, 1, 0, 127, 0);
    set(57, "Efx Send Level To Reverb", {0x40, 0x03, 0x17}, 1, 0, 127, 40);
    set(58, "Efx Send Level To Chorus", {0x40, 0x03, 0x18}, 1, 0, 127, 0);
    set(59, "Efx Send Level To Delay", {0x40, 0x03, 0x19}, 1, 0, 127, 0);
    set(60, "Efx Control Source1", {0x40, 0x03, 0x1B}, 1, 0, 127, 0);
    set(61, "Efx Control Depth1", {0x40, 0x03, 0x1C}, 1, 0, 127, 64);
    set(62, "Efx Control Source2", {0x40, 0x03, 0x1D}, 1, 0, 127, 0);
    set(63, "Efx Control Depth2", {0x40, 0x03, 0x1E}, 1, 0, 127, 64);
    set(64, "Efx Send EQ Switch", {0x40, 0x03, 0x1F}, 1, 0, 1, 1);
    return r;
}

constexpr std::array<std::string_view, 6> kControllerSources = {"MOD", "Bend", "CAf", "PAf", "CC1", "CC2"};
constexpr std::array<std::string_view, 11> kControllerElements = {
    "Pitch Control", "TVF Cutoff Control", "Amplitude Control", "LFO1 Rate", "LFO1 Pitch",
    "LFO1 TVF Depth", "LFO1 TVA Depth", "LFO2 Rate", "LFO2 Pitch", "LFO2 TVF Depth", "LFO2 TVA Depth"};

std::array<TParameterRow, kPartParameterCount + 1> MakePartRows() {
    std::array<TParameterRow, kPartParameterCount + 1> r{};
    auto set = [&](int n, std::string_view name, A addr, int size, int min, int max, int def) {
        r[n] = TParameterRow{name, addr, uint8_t(size), min, max, def, 1};
    };
    set(1, "Ch. Msg Rx Port", {0x00, 0x01, 0x00}, 1, 0, 3, 0);
    set(2, "Tone Number", {0x40, 0x10, 0x00}, 2, 0, 16383, 0);
    set(3, "Rx. Channel", {0x40, 0x10, 0x02}, 1, 0, 16, 0);
    set(4, "Mono/Poly", {0x40, 0x10, 0x13}, 1, 0, 1, 1);
    set(5, "Assign Mode", {0x40, 0x10, 0x14}, 1, 0, 2, 1);
    set(6, "Use for Rythm Part", {0x40, 0x10, 0x15}, 1, 0, 2, 0);
    set(7, "Pitch Key Shift", {0x40, 0x10, 0x16}, 1, 40, 88, 64);
    set(8, "Pitch Offset Fine", {0x40, 0x10, 0x17}, 2, 8, 248, 128);
    set(9, "Volume", {0x40, 0x10, 0x19}, 1, 0, 127, 100);
    set(10, "Vel. Sense Depth", {0x40, 0x10, 0x1A}, 1, 0, 127, 64);
    set(11, "Vel. Sense Offset", {0x40, 0x10, 0x1B}, 1, 0, 127, 64);
    set(12, "Panpot", {0x40, 0x10, 0x1C}, 1, 0, 127, 64);
    set(13, "Key. Range Low", {0x40, 0x10, 0x1D}, 1, 0, 127, 0);
    set(14, "Key. Range High", {0x40, 0x10, 0x1E}, 1, 0, 127, 127);
    set(15, "CC1 Controller Number", {0x40, 0x10, 0x1F}, 1, 0, 95, 16);
    set(16, "CC2 Controller Number", {0x40, 0x10, 0x20}, 1, 0, 95, 17);
    set(17, "Chorus Send Level", {0x40, 0x10, 0x21}, 1, 0, 127, 0);
    set(18, "Reverb Send Level", {0x40, 0x10, 0x22}, 1, 0, 127, 40);
    set(19, "Pitch Fine Tune", {0x40, 0x10, 0x2A}, 2, 0, 16383, 8192);
    set(20, "Delay Send Level", {0x40, 0x10, 0x2C}, 1, 0, 127, 0);
    set(21, "Bank Select LSB", {0x40, 0x40, 0x00}, 1, 1, 4, 4);
    set(22, "EQ On/Off", {0x40, 0x40, 0x20}, 1, 0, 1, 1);
    set(23, "Output Assign", {0x40, 0x40, 0x21}, 1, 0, 3, 0);
    set(24, "Part Efx Assign", {0x40, 0x40, 0x22}, 1, 0, 1, 0);
    r[23].ProOnly = 2;
    r[24].ProOnly = 2;
    set(25, "Vib. Rate", {0x40, 0x10, 0x30}, 1, 0, 127, 64);
    set(26, "Vib. Depth", {0x40, 0x10, 0x31}, 1, 0, 127, 64);
    set(27, "Cutoff Frequency", {0x40, 0x10, 0x32}, 1, 0, 127, 64);
    set(28, "Resonance", {0x40, 0x10, 0x33}, 1, 0, 127, 64);
    set(29, "Attack Time", {0x40, 0x10, 0x34}, 1, 0, 127, 64);
    set(30, "Decay Time", {0x40, 0x10, 0x35}, 1, 0, 127, 64);
    set(31, "Release Time", {0x40, 0x10, 0x36}, 1, 0, 127, 64);
    set(32, "Vib. Delay", {0x40, 0x10, 0x37}, 1, 0, 127, 64);
    constexpr std::array<std::string_view, 12> scale = {
        "Scale Tuning C", "Scale Tuning C#", "Scale Tuning D", "Scale Tuning D#",
        "Scale Tuning E", "Scale Tuning F", "Scale Tuning F#", "Scale Tuning G",
        "Scale Tuning G#", "Scale Tuning A", "Scale Tuning A#", "Scale Tuning B"};
    for (int k = 0; k < 12; ++k) set(33 + k, scale[k], {0x40, 0x10, uint8_t(0x40 + k)}, 1, 0, 127, 64);

    static const std::array<std::string, 66> controllerNames = [] {
        std::array<std::string, 66> a;
        for (int b = 0; b < 6; ++b)
            for (int k = 0; k < 11; ++k)
                a[b * 11 + k] = std::string(kControllerSources[b]) + " " + std::string(kControllerElements[k]);
        return a;
    }();
    for (int b = 0; b < 6; ++b) {
        for (int k = 0; k < 11; ++k) {
            int min = 0, max = 127, def = 0;
            if (k == 0) {  // Pitch Control
                min = 40; max = 88; def = 64;
                if (b == 1) { min = 64; def = 66; }  // the bend range: 0..+24 semitones, 2 at power-on
            } else if (k <= 3 || k == 7) {
                def = 64;  // the Control elements and both Rates
            } else if (k == 4) {
                def = b == 0 ? 10 : 0;  // the modulation wheel's vibrato depth
            }
            set(45 + b * 11 + k, controllerNames[b * 11 + k], {0x40, 0x20, uint8_t(b * 16 + k)}, 1, min, max, def);
        }
    }
    r[111] = TParameterRow{"Master Coarse Tuning", {0, 0, 0}, 0, 40, 88, 64, 1};
    return r;
}

constexpr std::array<std::string_view, 13> kDrumNames = {
    "", "Pitch", "Level", "Assign Group", "Panpot", "Reverb", "Chorus", "Rx.Note Off",
    "Rx.Note On", "Delay", "S. Drum Set Map#", "S. Drum Set PG#", "S. Note Number"};

}  // namespace

const std::array<TParameterRow, kSystemParameterCount + 1>& SystemRows() {
    static const auto rows = MakeSystemRows();
    return rows;
}

const std::array<TParameterRow, kPartParameterCount + 1>& PartRows() {
    static const auto rows = MakePartRows();
    return rows;
}

std::string_view DrumParameterName(int parameter) {
    return parameter >= 1 && parameter <= kUserDrumParameterCount ? kDrumNames[parameter] : std::string_view{};
}

int32_t DrumParameterMax(int parameter) {
    switch (parameter) {
        case 7: case 8: return 1;
        case 10: return 3;
        case 11: return 62;
        default: return 127;
    }
}

int32_t DrumParameterMin(int parameter) { return parameter == 10 ? 1 : 0; }

}  // namespace veka
