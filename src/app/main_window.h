#pragma once
// TVekaMainForm: the frame of the program. It owns the module image, the MIDI session (four
// output ports, the input, the data request), the settings, the editor windows' slots, the
// menus and toolbars with the Sysx View bar, and the services the editor windows call.
// Start-up and the close sequence run here in their fixed order.
#include <QMainWindow>
#include <QMessageBox>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "document/document.h"
#include "document/open_commands.h"
#include "document/song_commands.h"
#include "document/part_order.h"
#include "document/user_prompts.h"
#include "windows/window_services.h"
#include "midi/midi_session.h"
#include "module/image.h"
#include "app/app_texts.h"
#include "app/dialog_hooks.h"
#include "app/communication_menu.h"
#include "app/dialog_prompts.h"
#include "app/file_menu.h"
#include "app/managed_windows.h"
#include "app/qt_pump_wait.h"
#include "app/qt_timers.h"
#include "app/shortcut_keys.h"
#include "app/start_options.h"
#include "app/status_area.h"
#include "app/window_services_host.h"
#include "module/setup_file_kind.h"
#include "module/setup_reader.h"
#include "document/new_setup.h"
#include "document/recent_files.h"
#include "smf/exclusive_export.h"
#include "smf/order_file.h"
#include "document/settings.h"
#include "windows/compare_window.h"
#include "windows/custom_file_dialog.h"
#include "windows/data_request_window.h"

class QFont;
class QFontDialog;
class QLabel;
class QProgressBar;
class QShortcut;
class QPushButton;
class QMdiArea;
class QToolBar;
class QToolButton;
class QTimer;

namespace veka {

class TLEDPanel;
class TMySplash;
class TSysxHistoryDialog;

class TWindowCommandFrame;
class TOterOption;

class TVekaMainForm : public QMainWindow {
    Q_OBJECT
    friend class TDialogPrompts;
    friend class TWindowServicesHost;
    friend class TWindowCommandFrame;
    friend class TWindowOpenView;
    friend class TWindowRequestView;

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

    // The services the editor windows get, one interface per job.
    TWindowServices Services() { return Services_->Services(); }
    TVGS& Image() { return Doc_->Image(); }
    TLanguage Language() const { return Language_; }
    // The port, part and channel being edited (the windows set them through their services).
    int CurrentPort() const { return Doc_ ? Doc_->Session().Focus.Port : 0; }
    void SetCurrentPort(int port);
    int CurrentPart() const { return Doc_ ? Doc_->Session().Focus.Part : 1; }
    void SelectPart(int part, QWidget* asker = nullptr);
    void SetCurrentChannel(int channel);
    TTestNote& TestNote() { return Doc_->TestNote(); }
    QMenu* PartMenu() { return PartMenu_; }
    TOptionsView Options() const { return TOptionsView(Data_); }
    // TOption::PcKeyboard, switched from the keyboard window.
    void SetPcKeyboard(bool on);
    // The computer keyboard, the on-screen keyboard and the ribbon play through it.
    TNotePlayer& NotePlayer() { return Doc_->NotePlayer(); }

    // Closes as the frame's button does once no transmission, data request or dialog runs;
    // those are stopped first (SIGTERM, SIGINT). Unsaved changes are kept in the recovery file
    // instead of asking about them.
    void CloseWhenFree();

    // The open setup: image, ports, file, recovery and undo.
    TDocument& Document() { return *Doc_; }
    // The first show's start-up work has run (a file named on the command line is open).
    bool Started() const { return FirstShowDone_; }
    // The splash while the program starts; null once it has gone.
    TMySplash* Splash() const { return Splash_; }
    static constexpr int kNoteOffDrainMs = 50;
    // The image changed as a whole: the lamps and every open window show it again.
    void RefreshAll();
    TTransmitter& Transmitter() { return Doc_->Transmitter(); }
    std::string ProgramFolder() const { return Options_.ProgramFolder; }
    IPartOrderStore& PartOrders() { return *PartOrders_; }

    // Undo and redo (main_undo.cpp): the document settles edits into steps; a command opens a
    // TUndoScope so that all it changed is one step.
    void UndoCommand() { UndoOrRedo(true); }
    void RedoCommand() { UndoOrRedo(false); }
    // The menu's Clear Undo History: asks first, the history cannot come back.
    void ClearUndoHistoryCommand();
    class TUndoScope : public TDocument::TUndoScope {
    public:
        TUndoScope(TVekaMainForm& form, const TCaption& name);
        TUndoScope(TVekaMainForm& form, const std::string& name);  // in the program's language
    };

    // The part pop-up's commands on the current port.
    void CopyPartCommand();
    void ExchangePartCommand();
    void InitializePartCommand();
    void CustomizePartWindow();
    // The commands' questions, answered by the program's dialogs, and the frame they run in.
    TDialogPrompts& Prompts();
    ICommandFrame& CommandFrame();

    // The File menu: New, Open, the saves and exports, the songs, the recent files.
    TFileMenu& Files() { return *Files_; }
    // The Communication menu: Send All, Panic, the ports, the data request, the compare sources.
    TCommunicationMenu& Communication() { return *Communication_; }
    // The user chose to quit at the first start's port dialog: an orderly end, not an error.
    bool QuitRequested() const { return Communication_ && Communication_->QuitRequested(); }
    // A transmission runs inside its nested event loop (the window is locked meanwhile).
    bool Busy() const { return Busy_; }
    // OpenByName once no transmission, data request or modal dialog is in progress.
    void OpenWhenFree(const QString& fileName);
    void CopySysxText();
    void AboutCommand();
    void ContactFormCommand();
    void HelpContents();
    void MinimizeAll();
    void CloseAll();
    void ArrangeIcons();
    // A second start handed over a file name (or none): come to the front.
    void Activate(const QString& fileName);
    void SetButtonCaptions(bool on);

    // The Option menu's dialogs (main_options.cpp).
    void OtherOptionsCommand();
    void FontCommand();
    // The grid font: the settings' name and size, never above kMaxGridFontSize points.
    QFont GridFont() const;
    // Takes the font as the grid font and shows it in every grid of every open window.
    void ApplyGridFont(const QFont& font);

    // The menu's keys and the hot key to the sequencer.
    TShortcutKeys& Shortcuts() { return *Shortcuts_; }
    // The help and progress texts, the progress bar and its Stop button.
    TStatusArea& StatusArea() { return *StatusArea_; }

    QAction* Action(TCommand command) const { return Actions_[size_t(command)]; }
    QToolButton* ToolButton(TToolButton button) const { return Buttons_[size_t(button)]; }
    TLEDPanel* Lamp(int index) const { return Lamps_[size_t(index)]; }
    QString HexText() const;
    QMdiArea* MdiArea() const { return Mdi_; }

    TMidiSession& Session() { return Doc_->Session(); }
    TSettings& Settings() { return Settings_; }
    TSettingsData& Data() { return Data_; }
    TManagedWindows& Windows() { return *Windows_; }
    QString FileName() const { return Doc_ ? QString::fromStdString(Doc_->FileName()) : QString(); }
    int ColourDepth() const { return ColourDepth_; }
    // What libmevro.so answered at start (nothing without it).
    std::optional<bool> Administrator() const { return Administrator_; }
    const std::vector<std::string>& InputLines() const { return InputLines_; }
    const std::vector<std::string>& OutputLines() const { return OutputLines_; }
    // Paints the lamps of the ports in use green and the others in the window colour.
    void RefreshLamps();
    void ApplyMdiBackground();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void BuildMenus();
    void BuildPartMenu();
    void BuildToolbars();
    void ConnectSession();
    void ConnectNotePlayer();
    void ConnectDocument();
    void ConnectUndo();
    // The services behind the windows' interfaces (TWindowServicesHost answers through them).
    void ReportEditError(const std::exception& error);
    void PointerPassed(QWidget* window);
    int ReadBarColor(const std::string& window, int defaultValue) const;
    void WriteBarColor(const std::string& window, int value);
    std::array<int, 10> Bookmarks(const std::string& window) const;
    void SetBookmarks(const std::string& window, const std::array<int, 10>& ids);
    void SendMessage(int port, const std::vector<uint8_t>& message, const std::string& historyName);
    void SendSystemParameter(int number, const std::string& caption);
    void UpdateUndoActions();
    void UndoOrRedo(bool undo);
    void ShowCaption();
    void LoadSettings();
    void RegisterEditorWindows();
    void FirstShow();
    bool CloseSequence();
    void EnableCommands();
    void ReportSendError(const std::exception& error);
    TBulkContext BulkContext() const;

    TStartOptions Options_;
    TMySplash* Splash_;
    TLanguage Language_ = TLanguage::Japanese;
    TSettings Settings_;
    TSettingsData Data_;
    TQtPumpWait Wait_;
    std::optional<TQtPumpWait::TUserInput> BusyInput_;  // while a transmission locks the window
    TPumpWait& Clock() { return Options_.Wait ? *Options_.Wait : static_cast<TPumpWait&>(Wait_); }
    TQtTimerSource Timers_;
    std::unique_ptr<TDocument> Doc_;
    std::unique_ptr<TWindowServicesHost> Services_;
    TInputWaker* Waker_ = nullptr;
    QMdiArea* Mdi_ = nullptr;
    std::unique_ptr<TManagedWindows> Windows_;
    std::array<QAction*, size_t(TCommand::Count)> Actions_{};
    std::array<QToolButton*, size_t(TToolButton::Count)> Buttons_{};
    std::array<TLEDPanel*, 5> Lamps_{};
    QToolBar* WindowBar_ = nullptr;
    QToolBar* SysxBar_ = nullptr;
    QLabel* HexPanel_ = nullptr;
    TSysxHistoryDialog* History_ = nullptr;
    std::vector<std::string> InputLines_, OutputLines_;
    bool FirstShow_ = true;
    bool FirstShowDone_ = false;  // the start-up work of the first show has run
    bool Closing_ = false;
    bool Busy_ = false;  // a long transmission runs inside a nested event loop
    bool PortChanged_ = false;
    int ColourDepth_ = 24;
    std::optional<bool> Administrator_;
    std::unique_ptr<TPartOrderFiles> PartOrders_;
    TSubscription FileChanges_, Refreshes_, NewSetups_, DocumentStatus_, UndoChanges_;
    bool EditErrorShown_ = false;
    QObject* KeyFilter_ = nullptr;
    TSubscription PlayedNotes_, PlayerState_;
    bool KeepRecovery_ = false;  // a quit signal closes with the unsaved setup kept
    QMenu* PartMenu_ = nullptr;
    std::unique_ptr<TFileMenu> Files_;
    std::unique_ptr<TCommunicationMenu> Communication_;
    std::unique_ptr<TShortcutKeys> Shortcuts_;
    std::unique_ptr<TStatusArea> StatusArea_;
    std::unique_ptr<TDialogPrompts> Prompts_;
    std::unique_ptr<TWindowCommandFrame> CommandFrame_;
};

}  // namespace veka
