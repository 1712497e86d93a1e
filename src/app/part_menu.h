#pragma once
// The part pop-up menu the editor windows show: copy, exchange and initialise a part on the
// current port (document/part_commands.h), and the Part window's customisation dialog.
#include "module/language.h"

class QMenu;

namespace veka {

class TDocument;
class TSettings;
class TVekaMainForm;

class TPartMenu {
public:
    // Builds the menu and wires Customize Part Window of the main menu to it.
    TPartMenu(TVekaMainForm& form, TDocument& document, TSettings& settings, TLanguage language);

    QMenu* Menu() const { return Menu_; }
    void CopyPartCommand();
    void ExchangePartCommand();
    void InitializePartCommand();
    void CustomizePartWindow();

private:
    TVekaMainForm& Form_;
    TDocument& Doc_;
    TSettings& Settings_;
    const TLanguage Language_;
    QMenu* Menu_ = nullptr;
};

}  // namespace veka
