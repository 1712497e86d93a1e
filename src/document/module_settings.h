#pragma once
// The module settings in force: the image is the one home of the part count ("max part"), the
// module type and the device id, for everything that builds or routes a message. The settings
// record only carries them to and from the file and the port dialog: ApplyModuleSettings is the
// one step that brings a record into force (the image, the transmitter, the input router and
// the data request follow), TakeModuleSettings fills a record from the image.
#include "module/image.h"

namespace veka {

class TMidiSession;
struct TSettingsData;

struct TModuleSettingsChange {
    bool ModuleType = false;  // another family: every part's tone map followed (and was sent)
    bool PortCount = false;   // more or fewer ports are in use
};

// Applies data to the session and its image. The module type comes last: its tone maps are
// sent to the module, and a send error propagates after everything else is in force.
TModuleSettingsChange ApplyModuleSettings(const TSettingsData& data, TMidiSession& session);

// The image's values into the record: before the record is saved or shown in the port dialog
// (an undo or a data request may have changed the module type).
void TakeModuleSettings(const TVGS& image, TSettingsData& data);

}  // namespace veka
