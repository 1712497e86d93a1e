#include "module/image_reset.h"

#include "module/image.h"
#include "module/parameter_tables.h"

namespace veka {

void GsResetImage(TVGS& image) {
    const auto& rows = SystemRows();
    for (int n = 1; n <= kSystemParameterCount; ++n) {
        TOneParameter& p = image.System(n);
        p.Min = rows[size_t(n)].Min;
        p.Max = rows[size_t(n)].Max;
        p.Default = p.Value = rows[size_t(n)].Default;
    }
    image.LoadInsertionType(0, 0);

    for (int port = 0; port < kPortCount; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n <= kPartParameterCount; ++n) {
                TOneParameter& p = image.Part(port, part, n);
                p.Value = p.Default;
            }
        for (int map = 1; map <= kDrumMapsPerPort; ++map) {
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n) {
                    TOneParameter& p = image.Drum(port, map, n, note);
                    p.Default = p.Value = 0;
                }
            image.DrumSet(port, map) = TDrumSetRecord{};
        }
        for (int part = 1; part <= kPartsPerPort; ++part) {
            const int map = image.Part(port, part, ppRhythm).Value;
            if (map < 1 || map > kDrumMapsPerPort || image.DrumSet(port, map).Found) continue;
            const int toneMap = image.Part(port, part, ppToneMap).Value;
            const int program = image.Part(port, part, ppToneNumber).Value % 128;
            image.LoadDrumSet(port, map, program, toneMap);
            image.DrumSet(port, map).ToneMap = toneMap;
            image.DrumSet(port, map).Program = program;
        }
    }
}

}  // namespace veka
