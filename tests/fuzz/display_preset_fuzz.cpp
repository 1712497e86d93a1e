// The display preset reader (".dsp") on any bytes: what it accepts has 7-bit text of at most 32
// characters, and writes and reads back the same picture and text.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "module/display_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veka;
    const std::vector<uint8_t> bytes(data, data + size);
    TDisplayPreset preset;
    std::string error;
    if (!ParseDisplayPreset(bytes, preset, error)) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    if (preset.Text.size() > 32) std::abort();
    for (const char c : preset.Text)
        if (static_cast<unsigned char>(c) >= 0x80) std::abort();
    TDisplayPreset again;
    if (!ParseDisplayPreset(DisplayPresetBytes(preset), again, error)) std::abort();
    if (!(again.Dots == preset.Dots) || again.Text != preset.Text) std::abort();
    return 0;
}
