#include "app/main_window.h"
#include "app/song_menu.h"
#include "app/transport_bar.h"
#include "widgets/message_box_title.h"

#include <QToolBar>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <tuple>
#include <iostream>

#include "app/communication_menu.h"
#include "app/dialog_prompts.h"
#include "app/edit_menu.h"
#include "app/file_menu.h"
#include "app/help_menu.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"
#include "app/part_menu.h"
#include "app/shortcut_keys.h"
#include "app/status_area.h"
#include "app/toolbars.h"
#include "app/window_command_frame.h"
#include "app/window_services_host.h"
#include "document/admin_library.h"
#include "midi/midi_devices.h"
#include "module/default_data.h"
#include "module/default_folder.h"
#include "app/led_panel.h"
#include "app/sysx_history_dialog.h"
#include "document/desktop_registration.h"
#include "document/module_settings.h"
#include "document/port_return.h"
#include "module/transport_texts.h"
#include "app/splash.h"
#include "app/toolbar_icons.h"
#include "windows/window_services.h"

namespace veka {

namespace {
// Room for a window manager's frame around the main window: borders and the title bar.
constexpr int kFrameWidth = 16, kFrameHeight = 40;
constexpr char kForm[] = "form";
// Time for the driver to pass the last note-offs on before the ports close.
constexpr int kNoteOffDrainMs = 50;

// What the settings record needs of the desktop and the devices to read or write Veka.ini.
TBulkContext BulkContext(TLanguage language) {
    TBulkContext context;
    context.Language = language;
    context.MainFontName = QApplication::font().family().toStdString();
    context.MainFontSize = std::max(1, QApplication::font().pointSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        context.DesktopWidth = screen->availableGeometry().width();
        context.DesktopHeight = screen->availableGeometry().height();
    }
    TMidiDevices& devices = TMidiDevices::Instance();
    for (const auto& input : devices.Inputs()) context.InputDeviceNames.push_back(input.Name);
    context.OutputDeviceCount = int(devices.Outputs().size());
    return context;
}
}  // namespace

TVekaMainForm::TVekaMainForm(TStartOptions options, TMySplash* splash)
    : Options_(std::move(options)), Splash_(splash), Program_(Options_.ProgramFolder) {
    setObjectName("TVekaMainForm");
    setWindowIcon(AppIcon());
    Mdi_ = new QMdiArea(this);
    Mdi_->setObjectName("MdiArea");
    Mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(Mdi_);
    Services_ = std::make_unique<TWindowServicesHost>(*this);
    Prompts_ = std::make_unique<TDialogPrompts>(*this);
    CommandFrame_ = std::make_unique<TWindowCommandFrame>(*this);
    Shortcuts_ = std::make_unique<TShortcutKeys>(*this);
}

ICommandFrame& TVekaMainForm::CommandFrame() { return *CommandFrame_; }
TWindowServices TVekaMainForm::Services() { return Services_->Services(); }
bool TVekaMainForm::QuitRequested() const { return Communication_ && Communication_->QuitRequested(); }

TVekaMainForm::~TVekaMainForm() {
    Clock().OnOutermostEnd = nullptr;  // the clock may outlive the window (tests give their own)
    // The editor windows go before the image and ports they show.
    if (Mdi_) Mdi_->closeAllSubWindows();
    delete Mdi_;
    Mdi_ = nullptr;
    delete KeyFilter_;  // no key reaches the player while it goes
    KeyFilter_ = nullptr;
    // The rooms the session reports to go before the document: nothing may reach them after.
    if (Doc_) {
        TMidiSession& session = Doc_->Session();
        session.Input.Wake = nullptr;
        session.Transmitter.OnFlash = nullptr;
        session.Transmitter.OnHexText = nullptr;
        session.Transmitter.OnHistory = nullptr;
        session.Transmitter.OnBusy = nullptr;
        session.Transmitter.OnPortState = nullptr;
        session.Transmitter.OnUnheard = nullptr;
        session.OnInputState = nullptr;
        session.Transmitter.Progress = kNoProgress;
        session.Router.OnInputLamp = nullptr;
        Doc_->NotePlayer().OnError = nullptr;
    }
}

QMessageBox::StandardButton TVekaMainForm::ShowMessage(QMessageBox::Icon icon, const QString& text,
                                                       QMessageBox::StandardButtons buttons) {
    if (Hooks.Message) return Hooks.Message(icon, text, buttons);
    QMessageBox box(icon, QString::fromUtf8(kProductTitle), text, buttons, isVisible() ? this : nullptr);
    KeepTitleVisible(box);
    return QMessageBox::StandardButton(box.exec());
}


bool TVekaMainForm::Create() {
    // The language of every text.
    Language_ = Options_.English() ? TLanguage::English : TLanguage::Japanese;
    // A run that did not end in order is reported once per start until one does.
    if (!Program_.BeginRun())
        ShowMessage(QMessageBox::NoIcon, Message(43, Language_) + "\n\n" +
                                             QDir::toNativeSeparators(QFileInfo(QString::fromStdString(Settings_.Path())).absolutePath()));
    // Nothing can be done without an output.
    TMidiDevices& devices = TMidiDevices::Instance();
    devices.Refresh();
    if (devices.Outputs().empty()) {
        QString text = Message(70, Language_) + "\n" + Message(29, Language_) + "\n\n" + Message(71, Language_);
        text += Language_ == TLanguage::Japanese
                    ? QStringLiteral("\n\n音源なしで試すには --virtual-module を付けて起動してください。")
                    : QStringLiteral("\n\nTo try Veka without a module, start it with --virtual-module.");
        ShowMessage(QMessageBox::Warning, text);
        Program_.EndRun();  // an orderly end of its own
        return false;
    }
    // libmevro.so beside the program says whether the user administers the machine.
    const std::optional<bool> administrator = AskAdministrator(QCoreApplication::applicationDirPath().toStdString());
    // With the library there, the desktop learns (again) that this copy opens the setup
    // files; after the first show, as the cache tools may take a moment. Without it: nothing.
    if (administrator && !qEnvironmentVariableIsSet("VEKA_NO_DESKTOP_REGISTRATION"))
        QTimer::singleShot(0, this, [] {
            std::string error;
            if (!RegisterDesktop(ThisProgramsDesktopRegistration(), nullptr, &error))
                std::cerr << "veka4: the desktop registration failed: " << error << std::endl;
        });
    // The open setup on an image of the stored module type.
    try {
        Doc_ = &Program_.OpenDocument(Options_.DefaultFolder, Language_, Clock(), Timers_);
    } catch (const std::exception& error) {
        ShowMessage(QMessageBox::Critical, QString::fromStdString(error.what()));
        Program_.EndRun();
        return false;
    }
    ConnectDocument();
    // The rooms that answer the menus; those that use the menu's actions come after the menus.
    Files_ = std::make_unique<TFileMenu>(*this, *Doc_, Settings_, Data_, Options_, Language_);
    Communication_ = std::make_unique<TCommunicationMenu>(*this, *Doc_, Settings_, Data_, Options_, Language_, Wait_);
    OptionMenu_ = std::make_unique<TOptionMenu>(*this, *Doc_, Settings_, Data_, Language_);
    Help_ = std::make_unique<THelpMenu>(*this, *Doc_, Language_, administrator);
    // The input, woken from the driver's thread through an eventfd.
    auto* waker = new TInputWaker(this);
    waker->Handler = [this] { Doc_->Session().Process(); };
    Doc_->Session().Input.Wake = [waker] { waker->Wake(); };
    Windows_ = std::make_unique<TManagedWindows>(*Mdi_, Settings_, [this] { return Data_.Option(TOption::CloseMinimizes); });
    Windows_->SetWait(&Clock());
    RegisterEditorWindows();
    setAcceptDrops(true);
    BuildMenus();
    Parts_ = std::make_unique<TPartMenu>(*this, *Doc_, Settings_, Language_);
    Toolbars_ = std::make_unique<TToolbars>(*this, Data_, Doc_->Transmitter(), Language_);
    Songs_ = std::make_unique<TSongMenu>(*this, *Doc_, Options_, Language_);
    StatusArea_ = std::make_unique<TStatusArea>(*this, Language_, Clock(), [this] {
        Doc_->Session().Transmitter.RequestStop();
        Communication_->StopRequest();
    });
    StatusArea_->OnPercent = [this](int percent) {
        if (Splash_ && Splash_->isVisible()) Splash_->SetProgress(percent);
    };
    ConnectSession();
    ConnectNotePlayer();
    Edit_ = std::make_unique<TEditMenu>(*this, *Doc_, Language_);
    // The background.
    ApplyMdiBackground();
    // Settings, ports, maybe the port dialog.
    const bool inputChanged = LoadSettings();
    Files_->ShowRecentFiles();  // the menu was built before the list was read
    Doc_->NotePlayer().SetOctave(Data_.PlayNoteBaseOct);
    Shortcuts_->Load();
    Shortcuts_->StartLink();
    if (Communication_->QuitRequested()) {
        Program_.EndRun();  // the user's own choice: an orderly end
        return false;
    }
    // The input device is another one than last time.
    if (inputChanged) {
        ShowMessage(QMessageBox::Warning, Message(68, Language_));
        Communication_->OpenPortDialog();
    }
    // The module starts from a known state.
    if (Data_.Option(TOption::ResetAtStart)) Files_->New(true);
    // No file yet; the commands as the setup allows.
    ShowCaption();
    EnableCommands();
    return true;
}

bool TVekaMainForm::LoadSettings() {
    const TBulkLoadResult result = LoadBulk(Settings_, Data_, BulkContext(Language_));
    // The module type is the image's already (read at its creation): nothing is sent here.
    veka::ApplyModuleSettings(Data_, Doc_->Session());
    TTransmitter& transmitter = Doc_->Session().Transmitter;
    // The main window's place, kept on the screen with its frame: left and top are the frame's
    // corner (a window manager puts its title bar and borders there), width and height the
    // window's own area. The frame's size is known only once the window is shown, so room for a
    // usual one is kept: a first start (the desktop's size) never puts the title bar off the screen.
    QRect screen(0, 0, 1024, 768);
    if (const QScreen* s = QGuiApplication::primaryScreen()) screen = s->availableGeometry();
    const int width = std::clamp(Data_.MainWidth, 320, std::max(320, screen.width() - kFrameWidth));
    const int height = std::clamp(Data_.MainHeight, 240, std::max(240, screen.height() - kFrameHeight));
    const int left = std::clamp(Data_.MainLeft, screen.left(), std::max(screen.left(), screen.right() - width - kFrameWidth + 1));
    const int top = std::clamp(Data_.MainTop, screen.top(), std::max(screen.top(), screen.bottom() - height - kFrameHeight + 1));
    resize(width, height);
    move(left, top);
    Toolbars_->SetButtonCaptions(Data_.ButtonStrings);

    const bool incomplete = transmitter.OpenPorts(Data_.MidiOut);
    for (int port = 0; port < 4; ++port)
        if (!transmitter.Port(port).IsOpen()) Data_.MidiOut[size_t(port)] = -1;
    if (result.InputValid) Communication_->OpenInput();
    else Data_.UseMidiIn = false;
    // Without any output chosen yet, the dialog lets the user quit instead of trapping them.
    if (incomplete || result.PortsIncomplete) Communication_->OpenPortDialog(!transmitter.Port(0).IsOpen());
    RefreshLamps();
    return result.PortChanged;
}

void TVekaMainForm::ConnectSession() {
    TTransmitter& transmitter = Doc_->Session().Transmitter;
    transmitter.OnFlash = [this](int port) {
        if (port >= 0 && port < 4) Toolbars_->Lamp(port)->Flash();
    };
    transmitter.OnHexText = [this](const std::string& text) { Toolbars_->ShowHex(QString::fromStdString(text)); };
    transmitter.OnHistory = [this](const THistoryEntry& entry, bool dropped) {
        if (History_) History_->AddHistory(entry, dropped);
    };
    transmitter.OnBusy = [this](bool busy) {
        Busy_ = busy;
        // The Stop button and Escape must reach the program during the transmission.
        if (busy && !BusyInput_) BusyInput_.emplace(Wait_);
        else if (!busy) BusyInput_.reset();
        if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
        menuBar()->setEnabled(!busy);
        Toolbars_->SetEnabled(!busy);
        if (Songs_) Songs_->Transport().Bar()->setEnabled(!busy);
        Mdi_->setEnabled(!busy);
        StatusArea_->SetBusy(busy);
        if (!busy) RefreshLamps();  // a whole Send All leaves nothing unheard
    };
    Doc_->Session().Router.OnInputLamp = [this] { Toolbars_->Lamp(4)->Flash(); };
    // A port that goes shows as gone; one back is offered what its module missed, once no
    // transmission and no dialog is running.
    transmitter.OnPortState = [this](int port, bool gone) {
        RefreshLamps();
        const std::string name = Doc_->Transmitter().Port(port).ProductName();
        CommandFrame().ShowStatus(gone ? PortGoneText(port, name, Language()) : PortBackText(port, name, Language()));
        if (!gone) OfferWhenIdle(port);
    };
    transmitter.OnUnheard = [this](int) { RefreshLamps(); };
    Doc_->Session().OnInputState = [this](bool gone) {
        RefreshLamps();
        const std::string name = Doc_->Session().Input.ProductName();
        CommandFrame().ShowStatus(gone ? InputGoneText(name, Language()) : InputBackText(name, Language()));
    };
    Doc_->WatchPorts();
    Doc_->Session().Transmitter.Progress = StatusArea_->Progress();
}

void TVekaMainForm::OfferWhenIdle(int port) {
    // Not inside a transmission's waits nor over another dialog: ask a little later.
    if (Busy_ || Clock().Depth() > 0 || QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, [this, port] { OfferWhenIdle(port); });
        return;
    }
    if (!Doc_) return;
    OfferWhatWasMissed(Doc_->Transmitter(), port, Prompts(), CommandFrame());
    RefreshLamps();  // nothing is left unheard now, or the port went again
}

void TVekaMainForm::RefreshLamps() {
    const int active = Doc_ ? Doc_->Image().ActivePortCount() : 1;
    if (Toolbars_) {
        Toolbars_->ShowActivePorts(active);
        for (int port = 0; port < 4; ++port)
            Toolbars_->ShowGone(port, Doc_ && port < active && Doc_->Transmitter().PortGone(port));
        Toolbars_->ShowGone(4, Doc_ && Doc_->Session().Input.Gone());
    }
    if (StatusArea_ && Doc_) {
        std::vector<std::string> outputs;
        const TTransmitter& transmitter = Doc_->Session().Transmitter;
        const bool ja = Language() == TLanguage::Japanese;
        for (int port = 0; port < active; ++port) {
            const TMidiOutput& out = transmitter.Port(port);
            std::string text = out.IsOpen() ? out.ProductName() : std::string();
            if (out.Gone()) text += ja ? " (なし" : " (gone";
            // What the module has not heard, until it is caught up.
            if (transmitter.Loss.Lost(port) && transmitter.Loss.Unsent(port) > 0)
                text += (out.Gone() ? ", " : " (") + std::to_string(transmitter.Loss.Unsent(port)) +
                        (ja ? " 未送信" : " not heard");
            if (out.Gone() || (transmitter.Loss.Lost(port) && transmitter.Loss.Unsent(port) > 0)) text += ")";
            outputs.push_back(text);
        }
        StatusArea_->ShowModule(Doc_->Image().ModuleType(), outputs);
    }
}

void TVekaMainForm::ApplyMdiBackground() {
    if (Data_.Option(TOption::NoWallpaper)) {
        Mdi_->setBackground(QColor(0x80, 0x80, 0x80));
        return;
    }
    // The wallpaper follows the colour depth.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QString name = !screen || screen->depth() >= 16 ? QStringLiteral("Wall8.bmp") : QStringLiteral("Wall4.bmp");
    // The program folder first (a user's own tile), then the one shipped beside the program.
    QPixmap tile;
    if (!tile.load(QDir(QString::fromStdString(Program_.Folder())).filePath(name)))
        if (const std::string shipped = FindShippedFile(name.toStdString()); !shipped.empty())
            tile.load(QString::fromStdString(shipped));
    if (tile.isNull()) Mdi_->setBackground(QColor(0x80, 0x80, 0x80));
    else Mdi_->setBackground(QBrush(tile));  // a texture brush tiles from the top-left corner
}

// Services ------------------------------------------------------------------------------

void TVekaMainForm::ConnectDocument() {
    FileChanges_ = Doc_->OnFileChanged.Subscribe([this] { ShowCaption(); });
    Refreshes_ = Doc_->OnRefreshed.Subscribe([this] { RefreshLamps(); });
    DocumentStatus_ = Doc_->OnStatus.Subscribe([this](const std::string& text) {
        if (StatusArea_) StatusArea_->ShowHelp(CoreText(text));
    });
    // The display window keeps its own picture of the module: New starts it again.
    NewSetups_ = Doc_->OnNew.Subscribe([this] {
        if (auto* display = Windows_ ? Windows_->Window(wnDisplay) : nullptr)
            if (auto* editor = dynamic_cast<IEditorWindow*>(display->widget())) editor->RefreshFromImage();
    });
}

void TVekaMainForm::ShowCaption() {
    // "Veka song.ga4*": the file and whether the setup differs from it.
    const QString file = FileName() + (Doc_ && Doc_->Changed() ? QStringLiteral("*") : QString());
    setWindowTitle(file.isEmpty() ? QString::fromUtf8(kProductTitle) : QString::fromUtf8(kProductTitle) + " " + file);
}

void TVekaMainForm::RefreshAll() { Doc_->RefreshAll(); }

// Start and close ---------------------------------------------------------------------------

void TVekaMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (FirstShow_) {
        FirstShow_ = false;
        QTimer::singleShot(0, this, &TVekaMainForm::FirstShow);
    }
}

void TVekaMainForm::FirstShow() {
    // The Part and Patch windows open where they were last time, or at their corners the first
    // time (and once they exist).
    // A file named on the command line is loaded and sent, and its layout opens its windows.
    const QString& argument = Options_.FirstArgument;
    Doc_->OfferRecovery(Prompts());
    if (!argument.isEmpty() && !argument.startsWith('*') && QFileInfo(argument).isFile()) Files_->OpenByName(argument);
    // Without a layout that opened any, the default windows: an empty frame tells a new user
    // nothing.
    bool anyOpen = false;
    Windows_->ForEachOpen([&anyOpen](int, TManagedSubWindow*) { anyOpen = true; });
    const TIniDocument ini = Settings_.Open();
    for (const auto& [number, left, top] : {std::tuple{int(wnPart), 0, 0}, std::tuple{int(wnPatch), 60, 60}}) {
        if (anyOpen) break;
        if (ini.HasKey(kForm, std::string(ManagedWindowName(number)) + " left")) Windows_->OpenOrBringForward(number);
        else Windows_->OpenAt(number, left, top);
    }
    if (Splash_) {
        Splash_->close();
        Splash_->deleteLater();
        Splash_ = nullptr;
    }
    FirstShowDone_ = true;
}

void TVekaMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !event->mimeData()->urls().isEmpty() && event->mimeData()->urls().first().isLocalFile())
        event->acceptProposedAction();
}

void TVekaMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    // Only the first file; opened after the drop has ended, so the file manager is not held.
    const QString name = urls.first().toLocalFile();
    QTimer::singleShot(0, this, [this, name] { OpenWhenFree(name); });
}

void TVekaMainForm::OpenWhenFree(const QString& fileName) {
    // A transmission or a modal dialog in progress finishes first.
    if (Busy_ || Communication_->Requesting() || QApplication::activeModalWidget() || Clock().Depth() > 0) {
        QTimer::singleShot(250, this, [this, fileName] { OpenWhenFree(fileName); });
        return;
    }
    Files_->OpenByName(fileName);
}

void TVekaMainForm::CloseWhenFree() {
    // A quit signal: a transmission or a data request stops at its next message, a dialog
    // open at that moment is cancelled, and the orderly close runs once they are over.
    if (Busy_) Doc_->Session().Transmitter.RequestStop();
    Communication_->StopRequest();
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    // Inside a handler's waits too: the close deletes windows whose handler is still running.
    if (Busy_ || Communication_->Requesting() || QApplication::activeModalWidget() || Clock().Depth() > 0) {
        QTimer::singleShot(100, this, [this] { CloseWhenFree(); });
        return;
    }
    // Nobody may be there to answer (a logout, a shutdown): unsaved changes go into the
    // recovery file, which the next start offers back, instead of a question.
    if (Doc_->Changed()) KeepRecovery_ = Doc_->KeepUnsaved();
    close();
    KeepRecovery_ = false;  // the close was refused after all
}

void TVekaMainForm::closeEvent(QCloseEvent* event) {
    if (Closing_ || !Doc_) {
        event->accept();
        return;
    }
    // A close during Send All would free the ports the transmission still uses.
    if (Busy_ || !CloseSequence()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TVekaMainForm::CloseSequence() {
    // The only step that may refuse the close.
    if (!KeepRecovery_ && !Files_->AskSave(28)) return false;
    Closing_ = true;
    // Every sounding note ends while the ports are open, and the driver gets a moment to pass
    // the note-offs on before the ports close (JACK sends in its next cycle).
    if (Doc_->NotePlayer().MouseNote() >= 0 || Doc_->TestNote().Sounding() || Doc_->NotePlayer().AnyHeld()) {
        Doc_->NotePlayer().ReleaseAll();
        Doc_->TestNote().Stop();
        Clock().Wait(kNoteOffDrainMs);
    }
    // Which windows were open, each one's place, then the windows themselves.
    hide();
    TIniDocument ini = Settings_.Open();
    for (const TWindowDescriptor& d : WindowDescriptors())
        ini.WriteInteger(kForm, "Win#" + std::to_string(d.Number), Windows_->Window(d.Number) ? 1 : 0);
    Shortcuts_->Store(ini);
    Settings_.Save(ini);
    Shortcuts_->EndLink();  // the hot key is given back
    Windows_->ForEachOpen([](int, TManagedSubWindow* window) {
        window->StorePosition();
        window->CloseForGood();
    });
    // The settings.
    // The frame's corner and the window's own size, as the start places them.
    const QRect client = normalGeometry();
    const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    Data_.MainLeft = client.left() - frameOffset.x();
    Data_.MainTop = client.top() - frameOffset.y();
    Data_.MainWidth = client.width();
    Data_.MainHeight = client.height();
    TakeModuleSettings(Doc_->Image(), Data_);
    std::string error;
    if (!SaveBulk(Settings_, Data_, BulkContext(Language_), error))
        std::cerr << "veka4: the settings could not be saved: " << error << std::endl;
    // The input port.
    Doc_->Session().Input.Close();
    // An orderly end; what the user chose not to save is not offered back.
    Doc_->EndCleanly(KeepRecovery_);
    Program_.EndRun();
    // The output ports close with the session when the window is destroyed.
    return true;
}

void TVekaMainForm::Activate(const QString& fileName) {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    if (!fileName.isEmpty()) OpenWhenFree(fileName);
}

}  // namespace veka
