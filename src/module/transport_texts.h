#pragma once
// The progress and report texts of the transmission and the data request, in both languages.
// The transport itself chooses no language: it asks this table with the image's language.
#include <string>
#include <string_view>

#include "module/language.h"

namespace veka {

enum class TTransportText {
    SendingSystem,        // Send All: system and effect parameters
    SendingDrumSet,       // Send All: the drum maps
    SendingUserDrumSet,   // Send All: the user drum sets
    RequestPart,          // data request item groups
    RequestDrum,
    RequestUserDrum,
    RequestSystem,
    RequestCompleted,     // the data request's report
    RequestInterrupted,
    NotSC88Pro,           // the data request found another module than the one set
    Count
};

std::string_view TransportText(TTransportText text, TLanguage language);

// "Rest of time: ..." while replies arrive; seconds above 60 are shown as minutes and seconds.
std::string RestTimeText(long seconds, unsigned received, TLanguage language);
// The first line of the data request's report: replies received and blocks requested.
std::string RequestCountText(unsigned received, unsigned requested, TLanguage language);
// An output port in use that went away: "Port B (name) is gone." (name may be empty).
std::string PortGoneText(int port, const std::string& name, TLanguage language);
// The MIDI input that went away: "MIDI input (name) is gone."
std::string InputGoneText(const std::string& name, TLanguage language);
// A port back: "Port B (name) is back." / "MIDI input (name) is back."
std::string PortBackText(int port, const std::string& name, TLanguage language);
std::string InputBackText(const std::string& name, TLanguage language);

}  // namespace veka
