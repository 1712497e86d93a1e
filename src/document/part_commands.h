#pragma once
// Copy, exchange and initialise a part of the current port: the part pop-up menu's commands.
#include <string>

#include "document/user_prompts.h"
#include "midi/part_focus.h"
#include "module/language.h"

namespace veka {

class TTransmitter;
class TVGS;

// The command's name in the menu and its undo step.
std::string PartCommandName(TPartCommand command, TLanguage language);

// Asks which parts, then changes the image (without an event per value), marks the setup
// changed and sends each changed part whole, inside one command frame. A failed send is told
// and the image keeps the change (the module may be brought up to date by Send All). False
// when the user cancelled.
bool RunPartCommand(TPartCommand command, TVGS& image, TTransmitter& transmitter, const TPartFocus& focus,
                    IUserPrompts& prompts, ICommandFrame& frame);

}  // namespace veka
