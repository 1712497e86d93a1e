#pragma once
// What the main window asks of every editor window it manages: show the image again, follow
// the part selection, show a value an edit gesture elsewhere ended with.
#include "module/one_parameter.h"

namespace veka {

class IEditorWindow {
public:
    virtual ~IEditorWindow() = default;
    // The image changed as a whole (load, reset, port switch): show it again.
    virtual void RefreshFromImage() {}
    virtual void SelectPart(int /*part*/) {}
    // A value changed in another window: show it in the cell of that parameter, if any.
    virtual void PropagateValue(const TLinkData& /*link*/, int /*value*/) {}
    // The keyboard played note on (port, part): a drum window selects that instrument's row.
    virtual void NotePlayed(int /*port*/, int /*part*/, int /*note*/) {}
    // Puts the focus on the parameter's cell (the compare window's double-click); the port is
    // the shown one already. False when the window has no cell for it.
    virtual bool ShowParameter(int /*port*/, const TLinkData& /*link*/) { return false; }
};

}  // namespace veka
