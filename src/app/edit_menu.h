#pragma once
// The Edit menu's undo and redo: the document settles edits into steps and takes them back;
// the menu names the next steps, beeps at a refusal and asks before clearing the history.
#include "document/document.h"
#include "module/language.h"

namespace veka {

class TVekaMainForm;

class TEditMenu {
public:
    // Listens to the document's history; edits settle only while no transmission or request runs.
    TEditMenu(TVekaMainForm& form, TDocument& document, TLanguage language);
    ~TEditMenu();

    void UndoCommand() { UndoOrRedo(true); }
    void RedoCommand() { UndoOrRedo(false); }
    // Asks first: the history cannot come back.
    void ClearUndoHistoryCommand();
    // The menu's texts and switches for the steps there are.
    void UpdateActions();

private:
    void UndoOrRedo(bool undo);

    TVekaMainForm& Form_;
    TDocument& Doc_;
    const TLanguage Language_;
    TSubscription UndoChanges_;
};

}  // namespace veka
