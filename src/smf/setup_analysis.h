#pragma once
// Taking the GS setup at the start of a song into the module image: the exclusive messages,
// controllers, program changes and NRPN / RPN sequences each track sends before its first real
// note (a note-on with a velocity above 2). What the image understands is applied and removed
// from the song; everything else stays.
#include <string>

#include "module/language.h"
#include "module/progress.h"

namespace veka {

class TSMF;
class TVGS;

struct TAnalysisResult {
    int Applied = 0;        // events taken into the image and removed from the song
    int OverlapCount = 0;   // tracks whose first channel (on their port) another track shares
    std::string Message;    // the shared-channel message to show; empty when there is none
};

// The image should start from its GS defaults (GsResetImage). Channel messages, and part and
// drum map exclusives in their first address form, go to Port A - or to the port a track names
// with a MIDI port meta event (FF 21). The song's tracks have delta times before and after; a
// format 0 song comes back split into tracks.
TAnalysisResult AnalyzeSetup(TVGS& image, TSMF& smf, const TProgress& progress = kNoProgress);

std::string SharedChannelMessage(int count, TLanguage language);

}  // namespace veka
