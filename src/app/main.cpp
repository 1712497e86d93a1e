// veka4: the windowed editor. Splash, the one-instance rule, the main window, the event loop.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <cstring>
#include <iostream>

#include "midi/midi_session.h"
#include "module/default_folder.h"
#include "app/main_window.h"
#include "app/quit_signals.h"
#include "app/single_instance.h"
#include "app/splash.h"
#include "app/toolbar_icons.h"
#include "document/program_folder.h"
#include "document/settings.h"

namespace {

constexpr const char* kHelp = R"(Usage: veka4 [options] [FILE | *ENGLISH | *NODIALOG]

The editor and librarian for GS sound modules (SC-88, SC-88Pro, SC-8850).

  FILE                 a setup file to open (handed to the running Veka when one runs)
  *ENGLISH             English captions and messages on a Japanese system
  *NODIALOG            no progress text while the module is reset at start
  --virtual-module[=SETUP]
                       add the built-in virtual sound module to the MIDI devices, to try Veka
                       without hardware (also VEKA_VIRTUAL_MODULE=1|SETUP)
  --help               this text
  --version            the version

Settings live in Veka.ini in the program folder: $VEKA_HOME, else the program's own folder
when it is writable, else ~/.config/veka4.
)";

struct TArguments {
    bool Help = false, Version = false;
    veka::TVirtualModuleRequest Virtual;
    std::vector<std::string> Positional;
    std::string Error;
};

TArguments Parse(int argc, char** argv) {
    TArguments a;
    a.Virtual = veka::VirtualModuleFromEnvironment();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") a.Help = true;
        else if (arg == "--version") a.Version = true;
        else if (arg == "--virtual-module") a.Virtual.Enabled = true;
        else if (arg.rfind("--virtual-module=", 0) == 0) a.Virtual = {true, arg.substr(17)};
        else if (arg.rfind("--", 0) == 0) a.Error = "unknown option '" + arg + "' (veka4 --help lists them)";
        else a.Positional.push_back(arg);
    }
    return a;
}

// For the screenshot test: the screen as the program shows itself at first (path), then with
// the File menu open (path with "-menu" before the extension), then the end.
void ScheduleScreenshot(veka::TVekaMainForm& form, const QString& path) {
    auto save = [](const QString& file) {
        QScreen* screen = QGuiApplication::primaryScreen();
        const bool saved = screen && screen->grabWindow(0).save(file, "PNG");
        std::cerr << "veka4: screenshot " << (saved ? "saved: " : "failed: ") << file.toStdString() << std::endl;
    };
    QTimer::singleShot(1500, &form, [&form, path, save] {
        save(path);
        QMenu* file = form.menuBar()->findChild<QMenu*>("FileMenu");
        if (file) form.menuBar()->setActiveAction(file->menuAction());
        QTimer::singleShot(800, &form, [&form, path, save] {
            QString menuShot = path;
            const qsizetype dot = menuShot.lastIndexOf('.');
            menuShot.insert(dot > 0 ? dot : menuShot.size(), QStringLiteral("-menu"));
            save(menuShot);
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            // And Qt's own file dialog, to see it speak the program's language.
            const QString dialogShot = qEnvironmentVariable("VEKA_SCREENSHOT_FILE_DIALOG");
            if (dialogShot.isEmpty()) {
                form.close();
                return;
            }
            auto* dialog = new QFileDialog(&form, form.windowTitle());
            dialog->setOption(QFileDialog::DontUseNativeDialog);
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->show();
            QTimer::singleShot(800, &form, [&form, dialog, dialogShot, save] {
                save(dialogShot);
                dialog->close();
                form.close();
            });
        });
    });
}

// For process tests: modal windows answer themselves after ms (a message box with its default
// button, after printing its text; any other dialog is cancelled).
void AnswerModalWindows(int ms) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            std::cerr << "veka4: message: " << box->text().toStdString() << std::endl;
            QAbstractButton* button = box->defaultButton() ? box->defaultButton() : box->buttons().value(0);
            if (button) button->click();
            else box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            std::cerr << "veka4: dialog: " << dialog->objectName().toStdString() << std::endl;
            dialog->reject();
        }
    });
    timer->start(ms);
}

}  // namespace

int main(int argc, char** argv) {
    const TArguments args = Parse(argc, argv);
    if (!args.Error.empty()) {
        std::cerr << "veka4: " << args.Error << std::endl;
        return 2;
    }
    if (args.Help) {
        std::cout << kHelp;
        return 0;
    }
    if (args.Version) {
        std::cout << "veka4 " << VEKA_VERSION << " (Version 4.01)" << std::endl;
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veka4"));
    // Wayland compositors match the windows to the desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("veka4"));
    QApplication::setWindowIcon(veka::AppIcon());
    if (const int ms = qEnvironmentVariableIntValue("VEKA_AUTO_ANSWER_MS"); ms > 0) AnswerModalWindows(ms);
    const std::string programFolder = veka::FindProgramFolder();
    veka::TSettings settings(veka::SettingsFilePath());
    const QString first = args.Positional.empty() ? QString() : QString::fromLocal8Bit(args.Positional[0].c_str());
    const bool japanese = QLocale::system().language() == QLocale::Japanese;
    // Qt's own dialogs and buttons (file dialogs, Yes/No/Cancel) speak the program's language.
    if (japanese && first != QStringLiteral("*ENGLISH")) {
        auto* qtTexts = new QTranslator(&app);
        if (qtTexts->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(qtTexts);
    }

    // The splash comes first, even for a second start that leaves at once.
    veka::TMySplash* splash = nullptr;
    if (settings.ReadBool("setting", "splash", true)) {
        splash = new veka::TMySplash(!japanese || first == QStringLiteral("*ENGLISH"));
        splash->show();
        splash->repaint();
        QApplication::processEvents();
    }

    // One program per user: a second start hands its file over and leaves.
    veka::TSingleInstance instance;
    QByteArray handOver;
    if (args.Positional.size() == 1 && !first.startsWith('*')) {
        const QFileInfo info(first);
        handOver = (info.exists() ? info.absoluteFilePath() : first).toLocal8Bit();
    }
    if (instance.Start(handOver) != veka::TSingleInstance::First) {
        delete splash;
        return 0;
    }

    veka::TStartOptions options;
    options.FirstArgument = first;
    options.ProgramFolder = programFolder;
    options.DefaultFolder = veka::FindDefaultFolder();
    options.SystemJapanese = japanese;
    if (args.Virtual.Enabled) {
        try {
            veka::StartVirtualModule(veka::ReadModuleType(settings), options.DefaultFolder, args.Virtual.SetupFile);
        } catch (const std::exception& error) {
            std::cerr << "veka4: the virtual module could not start: " << error.what() << std::endl;
            delete splash;
            return 1;
        }
    }

    veka::TVekaMainForm form(options, splash);
    if (!form.Create()) {
        delete splash;
        return form.QuitRequested() ? 0 : 1;
    }
    QObject::connect(&instance, &veka::TSingleInstance::Activate, &form, &veka::TVekaMainForm::Activate);
    veka::WatchQuitSignals([&form] { QTimer::singleShot(0, &form, [&form] { form.CloseWhenFree(); }); });
    form.show();
    if (const QString shot = qEnvironmentVariable("VEKA_SCREENSHOT"); !shot.isEmpty()) ScheduleScreenshot(form, shot);
    return QApplication::exec();
}
