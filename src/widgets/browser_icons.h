#pragma once
// The pictures of the tone browser, drawn at run time from one 32-unit design each and
// rendered for 16 and 32 pixels: the items of the list (the ".." line, folders, programs, the
// tones of each map, drum kits, the user drum sets) and the browser's own tool buttons.
#include <QIcon>

#include "document/tone_catalog.h"

namespace veka {

QIcon BrowserIcon(TItemImage image);

enum class TBrowserTool { ExpandAll, CollapseAll, LargeIcons, SmallIcons, Details, Search };
QIcon BrowserToolIcon(TBrowserTool tool);

// The colour that marks a tone map (1..4) in its pictures and buttons.
QColor ToneMapColor(int toneMap);

}  // namespace veka
