#pragma once
// The menu shortcuts ("MenuShortCutKey" of Veka.ini) with their dialog, and the sequencer link:
// the global hot key that switches between this program and the sequencer, and its dialog.
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/app_texts.h"

namespace veka {

class TIniDocument;
class TVekaMainForm;
class TX11Link;

// A command whose shortcut the user may set; Menu names the sub-menu that holds it.
struct TAssignableCommand {
    TCommand Command;
    const TCaption* Menu = nullptr;
};

class TShortcutKeys {
public:
    explicit TShortcutKeys(TVekaMainForm& form);
    ~TShortcutKeys();

    static std::vector<TAssignableCommand> AssignableCommands();
    // The command's key in "MenuShortCutKey": its caption, and "-" and the sub-menu's.
    std::string ShortcutKeyName(const TAssignableCommand& command) const;
    int ShortcutCode(TCommand command) const;
    void SetShortcutCode(TCommand command, int code);
    // The menu's keys from the settings file, and back.
    void Load();
    void Store(TIniDocument& ini) const;
    void ShortcutKeysCommand();
    // While the shortcut-key dialog is open the computer keyboard plays nothing.
    bool DialogOpen() const { return DialogOpen_; }

    // Connects to the X server and registers the hot key; End gives the key back.
    void StartLink();
    void EndLink();
    // The "Veka Hot Key" dialog; reached from the shortcut-key dialog.
    void SequencerLinkCommand();
    // Registers "veka hot key" with the X server; what went wrong is kept for the dialog.
    void RegisterHotKey();
    void HotKeyPressed();
    const QString& HotKeyError() const { return HotKeyError_; }
    TX11Link* X11() const { return X11_.get(); }

private:
    TVekaMainForm& Form_;
    std::array<int, size_t(TCommand::Count)> Codes_{};
    bool DialogOpen_ = false;  // the note player and the hot key rest meanwhile
    std::unique_ptr<TX11Link> X11_;
    QString HotKeyError_;
};

}  // namespace veka
