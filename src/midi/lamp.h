#pragma once
// The fade of an activity lamp: full brightness on a flash, then five 55 ms steps down to the
// idle colour. The window owns the 55 ms timer and calls Tick.
#include <cstdint>

namespace veka {

enum TLEDPanelKind { lpkGreen, lpkRed };

struct TLampColour {
    uint8_t Red = 0, Green = 0, Blue = 0;
    bool operator==(const TLampColour&) const = default;
};

class TLampFade {
public:
    static constexpr int kTickMs = 55;
    static constexpr int kSteps = 5;

    explicit TLampFade(TLEDPanelKind kind = lpkGreen) : Kind_(kind) {}
    void Flash() { Counter_ = 0; Running_ = true; Lit_ = 255; }
    // One timer tick; false once the fade has ended (the timer stops).
    bool Tick() {
        if (!Running_) return false;
        ++Counter_;
        Lit_ = 255 - 30 * Counter_;
        if (Counter_ >= kSteps) { Running_ = false; Counter_ = 0; }
        return Running_;
    }
    bool Running() const { return Running_; }
    TLampColour Colour() const {
        const uint8_t lit = uint8_t(Lit_);
        return Kind_ == lpkGreen ? TLampColour{0, lit, 0} : TLampColour{lit, 0, 0};
    }

private:
    TLEDPanelKind Kind_;
    int Counter_ = 0;
    int Lit_ = 105;  // idle: 0, 105, 0 green or 105, 0, 0 red
    bool Running_ = false;
};

}  // namespace veka
