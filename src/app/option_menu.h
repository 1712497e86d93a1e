#pragma once
// The Option menu: Other Options, the grid font, and the computer keyboard's switch the
// keyboard window shares. What they choose is kept in the settings record.
#include <QFont>

#include "module/language.h"

namespace veka {

class TDocument;
class TSettings;
struct TSettingsData;
class TVekaMainForm;

class TOptionMenu {
public:
    TOptionMenu(TVekaMainForm& form, TDocument& document, TSettings& settings, TSettingsData& data, TLanguage language);

    void OtherOptionsCommand();
    void FontCommand();
    // The grid font: the settings' name and size, never above kMaxGridFontSize points.
    QFont GridFont() const;
    // Takes the font as the grid font and shows it in every grid of every open window.
    void ApplyGridFont(const QFont& font);
    // TOption::PcKeyboard, switched from the keyboard window too.
    void SetPcKeyboard(bool on);

private:
    TVekaMainForm& Form_;
    TDocument& Doc_;
    TSettings& Settings_;
    TSettingsData& Data_;
    const TLanguage Language_;
};

}  // namespace veka
