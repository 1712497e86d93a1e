#include "document/module_settings.h"

#include <algorithm>

#include "midi/midi_session.h"
#include "document/settings.h"

namespace veka {

TModuleSettingsChange ApplyModuleSettings(const TSettingsData& data, TMidiSession& session) {
    TVGS& image = session.Transmitter.Image();
    TModuleSettingsChange change;
    const int ports = image.ActivePortCount();
    image.MaxPart = std::clamp(data.MaxPart, 0, 2);
    image.DeviceId = std::clamp(data.DeviceId, 0, 127);
    change.PortCount = image.ActivePortCount() != ports;

    session.Transmitter.SysxSpace = data.SysxSpace;
    session.Transmitter.TransWaitMs = data.TransWait;
    session.Request.DataReqWaitMs = data.DataReqWait;
    session.Router.Thru = data.Option(TOption::MidiEcho);
    // The shown port may be gone with the ports.
    session.Focus.Port = std::clamp(session.Focus.Port, 0, image.ActivePortCount() - 1);

    // As the settings file reads it: anything but the three families is the SC-8850 family.
    const int moduleType = data.ModuleType >= mtSC88 && data.ModuleType <= mtSC8850 ? data.ModuleType : int(mtSC8850);
    if (moduleType != image.ModuleType()) {
        change.ModuleType = true;
        image.SetModuleType(moduleType);
        image.ApplyModuleType([&session](int ms) { session.Wait().Wait(ms); });
    }
    return change;
}

void TakeModuleSettings(const TVGS& image, TSettingsData& data) {
    data.MaxPart = image.MaxPart;
    data.DeviceId = image.DeviceId;
    data.ModuleType = image.ModuleType();
}

}  // namespace veka
