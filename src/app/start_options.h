#pragma once
// What the program was started with: the command line's first argument, its folders, the
// system's language and, for tests, the clock every wait goes through.
#include <QString>
#include <string>

namespace veka {

class TPumpWait;

struct TStartOptions {
    QString FirstArgument;        // a file, "*ENGLISH" or "*NODIALOG"; empty when none
    std::string ProgramFolder;    // Veka.ini, temp.smf, presets
    std::string DefaultFolder;    // the default data files
    bool SystemJapanese = false;  // the system language
    TPumpWait* Wait = nullptr;    // every wait of the program; null: the Qt event loop's own clock
    bool English() const { return !SystemJapanese || FirstArgument == QStringLiteral("*ENGLISH"); }
    bool NoDialog() const { return FirstArgument == QStringLiteral("*NODIALOG"); }
};

}  // namespace veka
