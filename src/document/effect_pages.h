#pragma once
// The six pages of the effect window: which system parameters each block shows, its chooser, the
// part parameter that sends to it, its preset kind; the title texts of the blocks' values and
// the status-bar help of the 64 system parameters. Plain C++, no Qt.
#include <string>
#include <string_view>

#include "module/language.h"
#include "module/setup_file_kind.h"

namespace veka {

enum TEffectPage : int { epReverb, epChorus, epDelay, epEq, epInsertion, epInsertionSub, kEffectPageCount };

struct TEffectPageInfo {
    const char* Name;             // the tab's caption and the title of the page
    int Chooser;                  // system parameter of the chooser: macro or type; 0 for none
    const char* ChooserLabel;     // "Macro ", "Type "
    int First, Last;              // the grid's system parameters (the insertion page: its type's)
    int SendParameter;            // the part parameter of the send grid
    const char* PresetDescription;  // the save dialog's filter text; null: no presets
    const char* PresetExtension;
    TSystemGroup Group;           // the block a preset holds
    int MacroKind;                // ApplyMacro's kind, -1 for none
};

// Pages outside 0..5 give page 0.
const TEffectPageInfo& EffectPage(int page);

// The value text the title shows for system parameter number of the page (the name is the
// caller's). centreTime is "Delay Time Center", used by the ratio rows; insertionKind is the
// insertion parameter's text kind line ("balance\tD,E"), used on the insertion page only.
std::string EffectValueText(int page, int number, int value, int centreTime, std::string_view insertionKind);

// The status-bar help of system parameter 1..64; empty for any other number.
std::string SystemHelpText(int number, TLanguage language);

}  // namespace veka
