#include "document/new_setup.h"

#include "image_writer/image_writer.h"
#include "midi/transmitter.h"
#include "module/image_reset.h"

namespace veka {

void ResetModuleAndImage(TTransmitter& transmitter, TLastNotes& notes, bool send,
                         const std::function<void(const std::string&)>& status) {
    TVGS& image = transmitter.Image();
    notes.Reset();
    GsResetImage(image);
    const uint8_t data = 0;
    transmitter.SendSysxLogged(0, kGsResetAddress, std::span<const uint8_t>(&data, 1), "Init", 0);
    transmitter.Pump().Wait(TNewSetupSteps::kResetWaitMs);
    // The module and the image are both at power-on.
    transmitter.SetImageHeard(true);
    if (!send) return;
    if (status) status("Initializing...");
    for (int port = 0; port < transmitter.ActivePortCount(); ++port)
        for (int part = 1; part <= kPartsPerPort; ++part) {
            TOneParameter& toneMap = TImageWriter(image).Part(port, part, ppToneMap);
            toneMap.Value = image.ToneMapOfModuleType();
            transmitter.Pump().Wait(TNewSetupSteps::kPartPauseMs);
            transmitter.SendPartParameter(port, toneMap, true, ppToneMap, part);
            transmitter.Pump().Wait(TNewSetupSteps::kPartPauseMs);
            transmitter.SendPartParameter(port, image.Part(port, part, ppToneNumber), true, ppToneNumber, part);
        }
}

}  // namespace veka
