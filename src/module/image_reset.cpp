#include "module/image_reset.h"

#include "image_writer/image_writer.h"
#include "module/image.h"
#include "module/parameter_tables.h"

namespace veka {

void GsResetImage(TVGS& image) {
    TImageWriter writer(image);
    const auto& rows = SystemRows();
    for (int n = 1; n <= kSystemParameterCount; ++n) {
        TOneParameter& p = writer.System(n);
        p.Min = rows[size_t(n)].Min;
        p.Max = rows[size_t(n)].Max;
        p.Default = p.Value = rows[size_t(n)].Default;
    }
    image.LoadInsertionType(0, 0);

    // Every map holds the power-on kit again; a drum part's map then takes the part's set
    // (once per map: the first part that plays it).
    image.LoadPowerOnDrumSets();
    for (int port = 0; port < kPortCount; ++port) {
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n <= kPartParameterCount; ++n) {
                TOneParameter& p = writer.Part(port, part, n);
                p.Value = p.Default;
            }
        bool loaded[kDrumMapsPerPort + 1] = {};
        for (int part = 1; part <= kPartsPerPort; ++part) {
            const int map = image.Part(port, part, ppRhythm).Value;
            if (map < 1 || map > kDrumMapsPerPort || loaded[map]) continue;
            loaded[map] = true;
            const int toneMap = image.Part(port, part, ppToneMap).Value;
            const int program = image.Part(port, part, ppToneNumber).Value % 128;
            image.LoadDrumSet(port, map, program, toneMap);
            image.DrumSet(port, map).ToneMap = toneMap;
            image.DrumSet(port, map).Program = program;
        }
    }
}

}  // namespace veka
