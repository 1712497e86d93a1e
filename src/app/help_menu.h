#pragma once
// The Help menu: the manual, About (with the module's identity when an input is open) and the
// contact form with the machine's description.
#include <optional>
#include <string>
#include <vector>

#include "module/language.h"

namespace veka {

class TDocument;
class TVekaMainForm;

class THelpMenu {
public:
    // administrator: what libmevro.so answered at start (nothing without it).
    THelpMenu(TVekaMainForm& form, TDocument& document, TLanguage language, std::optional<bool> administrator);

    void HelpContents();
    void AboutCommand();
    void ContactFormCommand();

private:
    TVekaMainForm& Form_;
    TDocument& Doc_;
    const TLanguage Language_;
    const std::optional<bool> Administrator_;
    std::vector<std::string> InputLines_, OutputLines_;  // the devices as found at start
};

}  // namespace veka
