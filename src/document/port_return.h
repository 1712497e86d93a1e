#pragma once
// A port in use that went and came back: the program says so and offers to send the module
// what it missed meanwhile.
#include <string>

#include "document/user_prompts.h"
#include "module/language.h"

namespace veka {

class TTransmitter;

// What the module behind a port back missed: the values that differ from what it heard, or
// everything when a transmission was cut short by a port going. Asks, then sends the differences,
// runs Send All or leaves it; a port that goes again meanwhile is told and stays to be caught
// up. With nothing missed only the status line says the port is back.
void OfferWhatWasMissed(TTransmitter& transmitter, int port, IUserPrompts& prompts, ICommandFrame& frame);

// "While it was gone 3 messages were not sent; 2 values differ from what the module heard."
std::string MissedText(int unsent, int differing, bool cut, TLanguage language);

}  // namespace veka
