#pragma once
// TVekaMainForm: the frame of the program. It owns the program's core (the open setup and the
// settings), the editor windows' slots, and the rooms that answer the menus, bars and keys.
// Start-up and the close sequence run here in their fixed order.
#include <QMainWindow>
#include <QMessageBox>
#include <array>
#include <memory>
#include <optional>

#include "app/app_texts.h"
#include "app/dialog_hooks.h"
#include "app/qt_pump_wait.h"
#include "app/qt_timers.h"
#include "app/start_options.h"
#include "document/program.h"

class QMdiArea;

namespace veka {

// The rooms behind the menus, bars and keys; each one's header says what it answers.
class TCommunicationMenu; class TDialogPrompts; class TEditMenu; class TFileMenu; class THelpMenu;
class TManagedWindows; class TOptionMenu; class TPartMenu; class TShortcutKeys; class TSongMenu; class TStatusArea;
class TToolbars; class TWindowCommandFrame; class TWindowServicesHost; struct TWindowServices;
class TMySplash; class TSysxHistoryDialog;

class TVekaMainForm : public QMainWindow {
    Q_OBJECT
public:
    TVekaMainForm(TStartOptions options, TMySplash* splash = nullptr);
    ~TVekaMainForm() override;
    // The creation steps; false when the program must end with exit code 1 (no MIDI output,
    // default data missing) after the user was told why.
    bool Create();

    // The modal dialogs; tests replace them to answer without a screen.
    TDialogHooks Hooks;
    // Every message box goes through here.
    QMessageBox::StandardButton ShowMessage(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // The commands' questions, answered by the program's dialogs, and the frame they run in.
    TDialogPrompts& Prompts() { return *Prompts_; }
    ICommandFrame& CommandFrame();

    // The open setup and what the program keeps beside it.
    TDocument& Document() { return *Doc_; }
    QString FileName() const { return Doc_ ? QString::fromStdString(Doc_->FileName()) : QString(); }
    TLanguage Language() const { return Language_; }
    TSettings& Settings() { return Settings_; }
    TSettingsData& Data() { return Data_; }
    std::string ProgramFolder() const { return Program_.Folder(); }

    // The image changed as a whole: the lamps and every open window show it again.
    void RefreshAll();

    // The rooms behind the menus, the status bar and the keys.
    TFileMenu& Files() { return *Files_; }
    TEditMenu& Edit() { return *Edit_; }
    TCommunicationMenu& Communication() { return *Communication_; }
    TOptionMenu& OptionMenu() { return *OptionMenu_; }
    THelpMenu& Help() { return *Help_; }
    TPartMenu& Parts() { return *Parts_; }
    TSongMenu& Songs() { return *Songs_; }
    TShortcutKeys& Shortcuts() { return *Shortcuts_; }
    TStatusArea& StatusArea() { return *StatusArea_; }
    TManagedWindows& Windows() { return *Windows_; }
    TWindowServices Services();

    // The user chose to quit at the first start's port dialog: an orderly end, not an error.
    bool QuitRequested() const;
    // A transmission runs inside its nested event loop (the window is locked meanwhile).
    bool Busy() const { return Busy_; }
    // The first show's start-up work has run (a file named on the command line is open).
    bool Started() const { return FirstShowDone_; }
    // The splash while the program starts; null once it has gone.
    TMySplash* Splash() const { return Splash_; }
    // Every wait of the program goes through it.
    TPumpWait& Clock() { return Options_.Wait ? *Options_.Wait : static_cast<TPumpWait&>(Wait_); }
    // A second start handed over a file name (or none): come to the front.
    void Activate(const QString& fileName);
    // OpenByName once no transmission, data request or modal dialog is in progress.
    void OpenWhenFree(const QString& fileName);
    // Closes as the frame's button does once no transmission, data request or dialog runs;
    // those are stopped first (SIGTERM, SIGINT). Unsaved changes are kept in the recovery file.
    void CloseWhenFree();

    // The menus, toolbars and lamps.
    QAction* Action(TCommand command) const { return Actions_[size_t(command)]; }
    TToolbars& Toolbars() { return *Toolbars_; }
    // The lamps and the status bar's module field show the ports in use.
    void RefreshLamps();
    // Offers what the module behind a port back missed, once nothing else runs.
    void OfferWhenIdle(int port);
    void ApplyMdiBackground();
    QMdiArea* MdiArea() const { return Mdi_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void BuildMenus();
    void ConnectSession();
    void ConnectNotePlayer();
    void ConnectDocument();
    void ShowCaption();
    bool LoadSettings();  // true when the input device is another one than last time
    void RegisterEditorWindows();
    void FirstShow();
    bool CloseSequence();
    void EnableCommands();

    TStartOptions Options_;
    TMySplash* Splash_;
    TLanguage Language_ = TLanguage::Japanese;
    TQtPumpWait Wait_;
    std::optional<TQtPumpWait::TUserInput> BusyInput_;  // while a transmission locks the window
    TQtTimerSource Timers_;
    TProgram Program_;  // goes after everything that uses its document
    TSettings& Settings_ = Program_.Settings();
    TSettingsData& Data_ = Program_.Data();
    TDocument* Doc_ = nullptr;  // the program's open setup, once Create has made it
    QMdiArea* Mdi_ = nullptr;
    std::unique_ptr<TManagedWindows> Windows_;
    std::unique_ptr<TWindowServicesHost> Services_;
    std::unique_ptr<TDialogPrompts> Prompts_;
    std::unique_ptr<TWindowCommandFrame> CommandFrame_;
    std::unique_ptr<TStatusArea> StatusArea_;
    std::unique_ptr<TFileMenu> Files_;
    std::unique_ptr<TCommunicationMenu> Communication_;
    std::unique_ptr<TEditMenu> Edit_;  // asks the Communication menu whether a request runs
    std::unique_ptr<TOptionMenu> OptionMenu_;
    std::unique_ptr<THelpMenu> Help_;
    std::unique_ptr<TPartMenu> Parts_;
    std::unique_ptr<TShortcutKeys> Shortcuts_;
    std::unique_ptr<TSongMenu> Songs_;  // its transport bar comes after the toolbars
    std::array<QAction*, size_t(TCommand::Count)> Actions_{};
    std::unique_ptr<TToolbars> Toolbars_;
    TSysxHistoryDialog* History_ = nullptr;
    QObject* KeyFilter_ = nullptr;
    TSubscription FileChanges_, Refreshes_, NewSetups_, DocumentStatus_, PlayedNotes_, PlayerState_;
    bool FirstShow_ = true;
    bool FirstShowDone_ = false;  // the start-up work of the first show has run
    bool Closing_ = false;
    bool Busy_ = false;  // a long transmission runs inside a nested event loop
    bool KeepRecovery_ = false;  // a quit signal closes with the unsaved setup kept
};

}  // namespace veka
