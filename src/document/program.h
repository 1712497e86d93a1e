#pragma once
// TProgram: what the program keeps outside any window. It owns the settings file (Veka.ini in
// the program folder) and the record read from it, the open setup once the image of the stored
// module type exists, and the part-order files; it knows whether the last run ended in order.
// The windowed program owns one; every room reaches the settings through it.
#include <memory>
#include <string>

#include "document/document.h"
#include "document/part_order.h"
#include "document/settings.h"
#include "document/timer.h"
#include "module/language.h"

namespace veka {

class TPumpWait;

class TProgram {
public:
    explicit TProgram(std::string programFolder);
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    const std::string& Folder() const { return Folder_; }
    TSettings& Settings() { return Settings_; }
    TSettingsData& Data() { return Data_; }

    // A run begins: true when the last one ended in order. This run counts as unfinished until
    // EndRun, so a crash is reported at the next start (and at every start until one ends).
    bool BeginRun();
    // The run ended in order: the user quit, or the program ended on purpose with a message.
    void EndRun();

    // The open setup on a new image of the module type the settings keep, in the given
    // language; the record's module settings are taken from it. Throws when the default data
    // cannot be read (the message says why).
    TDocument& OpenDocument(const std::string& defaultFolder, TLanguage language, TPumpWait& wait,
                            ITimerSource& timers);
    // Null until OpenDocument.
    TDocument* Document() { return Doc_.get(); }
    TPartOrderFiles& PartOrders() { return PartOrders_; }

private:
    std::string Folder_;
    TSettings Settings_;
    TSettingsData Data_;
    TPartOrderFiles PartOrders_;
    std::unique_ptr<TDocument> Doc_;
};

}  // namespace veka
