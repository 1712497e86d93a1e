#include "module/image_value_texts.h"

#include "module/effect_texts.h"
#include "module/image.h"
#include "module/value_texts.h"

namespace veka {

std::string SystemValueText(const TVGS& image, int number, int value) {
    switch (number) {
        case spReverbMacro: return MacroName(MacroReverb, value);
        case spChorusMacro: return MacroName(MacroChorus, value);
        case spDelayMacro: return MacroName(MacroDelay, value);
        case 23: return DelayTimeText(value);
        case 24:
        case 25: return DelayRatioText(value, image.System(23).Value);
        case 30:  // Delay Feedback
        case 33:  // EQ Low Gain
        case 35: return SignedText(value);
        case 32: return EqFreqText(TEqBand::Low, value);
        case 34: return EqFreqText(TEqBand::High, value);
        default: break;
    }
    if (number >= spEfxParameter1 && number < spEfxParameter1 + 20) {
        // The text kind of the slot comes from the insertion type collected last.
        for (const auto& rec : image.InsertionParameters()) {
            if (rec.Slot + 36 != number) continue;
            const auto tab = rec.TextKind.find('\t');
            const std::string kind = rec.TextKind.substr(0, tab);
            const std::string detail = tab == std::string::npos ? std::string() : rec.TextKind.substr(tab + 1);
            return InsertionValueText(kind, detail, value);
        }
    }
    return std::to_string(value);
}

std::string DrumValueText(const TVGS& image, int set, int parameter, int n, int noteRow, int reference) {
    const int note = noteRow - 1;
    const int sourceMap = TVGS::ValidUserDrum(set, 10, note) ? image.UserDrum(set, 10, note).Value : 0;
    return DrumValueText(image.Language, parameter, n, reference, sourceMap,
                         [&image](int toneMap, int program) { return image.DrumSetName(toneMap, program); });
}

}  // namespace veka
