// veka4 as a process: the hand-over to a running instance, the start without any MIDI output,
// the command line, and screenshots of the main window under Xvfb in both languages.
#include <gtest/gtest.h>

#include <csignal>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>

#include "module/exclusive.h"
#include "app/single_instance.h"
#include "smf/smf_test_util.h"
#include "document/settings.h"
#include "temp_dir.h"

namespace veka {
namespace {

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        Runtime = QString::fromStdString(Dir / "run");
        Home = QString::fromStdString(Dir / "home");
        QDir().mkpath(Runtime);
        QDir().mkpath(Home);
        QFile::setPermissions(Runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        OldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", Runtime.toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", OldRuntime); }

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", Runtime);
        env.insert("VEKA_HOME", Home);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VEKA_AUTO_ANSWER_MS", "100");
        env.remove("VEKA_VIRTUAL_MODULE");
        return env;
    }
    // Runs veka4 while this process keeps handling its own events (a first instance here must
    // answer while the second waits for it).
    int Run(const QStringList& arguments, QString* errors = nullptr, int timeoutMs = 20000,
            QProcessEnvironment env = {}) {
        QProcess process;
        process.setProcessEnvironment(env.isEmpty() ? Environment() : env);
        process.start(VEKA_GUI, arguments);
        if (!process.waitForStarted(5000)) return -100;
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning) loop.exec();
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return -200;
        }
        if (errors) *errors = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -300;
    }

    test::TTempDir Dir;
    QString Runtime, Home;
    QByteArray OldRuntime;
};

TEST_F(ProcessTest, SecondStartHandsItsFileToTheFirstAndExits) {
    TSingleInstance first;
    ASSERT_EQ(first.Start({}), TSingleInstance::First);
    QStringList received;
    QObject::connect(&first, &TSingleInstance::Activate, [&](const QString& name) { received << name; });

    const QString longName = QString(300, 'n') + QStringLiteral(".ga4");  // no such file: handed over as typed
    EXPECT_EQ(Run({longName}), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0], longName.left(TSingleInstance::kMaxNameBytes));

    // Two arguments: the first is only brought to the front.
    EXPECT_EQ(Run({"a.ga4", "b.ga4"}), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(received.size(), 2);
    EXPECT_TRUE(received[1].isEmpty());
}

TEST_F(ProcessTest, FirstInstanceThatHangsLetsTheSecondLeaveQuietly) {
    QLocalServer silent;  // accepts and never answers
    ASSERT_TRUE(silent.listen(TSingleInstance::ServerName()));
    QString errors;
    EXPECT_EQ(Run({"song.ga4"}, &errors), 0);
    EXPECT_FALSE(errors.contains("message:")) << errors.toStdString();  // no window, no warning
}

TEST_F(ProcessTest, StaleSocketFromACrashDoesNotStopAStart) {
    QFile stale(TSingleInstance::ServerName());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    TSingleInstance instance;
    EXPECT_EQ(instance.Start({}), TSingleInstance::First);
    QLocalSocket socket;
    socket.connectToServer(TSingleInstance::ServerName());
    EXPECT_TRUE(socket.waitForConnected(2000));
}

TEST_F(ProcessTest, WithoutAnyOutputTheWarningNamesTheVirtualModuleAndExitCodeIsOne) {
    QProcessEnvironment env = Environment();
    env.insert("JACK_NO_START_SERVER", "1");
    env.insert("JACK_DEFAULT_SERVER", "veka-test-no-such-server");
    QProcess ports;
    ports.setProcessEnvironment(env);
    ports.start(QString(VEKA_GUI).replace("/veka4", "/veka4-cli"), {"ports"});
    ports.waitForFinished(20000);
    const QString listed = QString::fromLocal8Bit(ports.readAllStandardOutput());
    if (listed.contains(QStringLiteral("0: ")) && listed.indexOf(QStringLiteral("0: ")) < listed.indexOf("Inputs"))
        GTEST_SKIP() << "this machine has a MIDI output: " << listed.toStdString();
    QString errors;
    EXPECT_EQ(Run({"*ENGLISH"}, &errors, 20000, env), 1);
    EXPECT_TRUE(errors.contains("There are no MIDI Output.")) << errors.toStdString();
    EXPECT_TRUE(errors.contains("Veka needs MIDI Output.(At least one)"));
    EXPECT_TRUE(errors.contains("--virtual-module"));
    // Its own orderly end: the next start does not report an unclean exit.
    EXPECT_TRUE(TSettings((Dir / "home") + "/Veka.ini").ReadBool("setting", "perfect finish", false));
}

TEST_F(ProcessTest, SigtermAndSighupRunTheOrderlyCloseAndTheNextStartIsClean) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGHUP");
        QFile ini(Home + "/Veka.ini");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[setting]\nmax part=0\n[midiport]\nmidiout 0=0\n");
        ini.close();
        const TSettings settings(Home.toStdString() + "/Veka.ini");
        QProcessEnvironment env = Environment();
        env.insert("VEKA_VIRTUAL_MODULE", "1");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(VEKA_GUI, {"*ENGLISH"});
        ASSERT_TRUE(process.waitForStarted(5000));
        // Running: the clean-end flag is down until the program ends in order.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!settings.ReadBool("setting", "perfect finish", true)) loop.quit();
        });
        poll.start(50);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        poll.stop();
        ASSERT_FALSE(settings.ReadBool("setting", "perfect finish", true)) << "the program did not start";
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);  // let it reach its event loop
        loop.exec();
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(20000));
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << errors.toStdString();
        EXPECT_EQ(process.exitCode(), 0) << errors.toStdString();
        EXPECT_TRUE(settings.ReadBool("setting", "perfect finish", false));
        EXPECT_GT(settings.ReadInteger("form", "main width", 0), 0);  // the bulk save ran
        EXPECT_EQ(settings.ReadInteger("form", "Win#2", -1), 1);      // the Part window was open
    }
}

TEST_F(ProcessTest, AFileOnTheCommandLineIsReadAndAHandedOverOneReachesTheImport) {
    QFile ini(Home + "/Veka.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[setting]\nmax part=0\n[midiport]\nmidiout 0=0\n");
    ini.close();
    // Two songs, each setting part A1's volume before its note.
    const auto writeSong = [this](const std::string& name, uint8_t volume) {
        test::TBytes track = {0x00, 0xF0, 0x0A};
        const std::vector<uint8_t> message = BuildDT1(0x10, {0x40, 0x11, 0x19}, std::vector<uint8_t>{volume});
        track.insert(track.end(), message.begin() + 1, message.end());
        test::Append(track, {0x10, 0x90, 0x3C, 0x64, 0x10, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});
        test::WriteBytes(Dir / name, test::SmfBytes(0, 96, {track}));
        return QString::fromStdString(Dir / name);
    };
    const QString first = writeSong("first.mid", 70), second = writeSong("second.mid", 80);
    const TSettings settings(Home.toStdString() + "/Veka.ini");
    const auto waitForSong = [&settings](const std::string& name) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (settings.ReadString("SMF", "current file", "").find(name) != std::string::npos) loop.quit();
        });
        poll.start(50);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        return settings.ReadString("SMF", "current file", "");
    };
    QProcessEnvironment env = Environment();
    env.insert("VEKA_VIRTUAL_MODULE", "1");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(VEKA_GUI, {first});
    ASSERT_TRUE(process.waitForStarted(5000));
    EXPECT_NE(waitForSong("first.mid").find("first.mid"), std::string::npos) << "the command line's song was not read";
    EXPECT_TRUE(QFile::exists(Home + "/Temp.smf"));
    // A second start hands its song over and leaves. The first song counts as unsaved, so the
    // import asks first; the answering machine takes the default, Yes, and cancels the save
    // dialog, which keeps the first song: the question shows that the name arrived.
    EXPECT_EQ(Run({second}, nullptr, 20000, env), 0);
    QEventLoop loop;
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
    process.kill();
    process.waitForFinished(5000);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    EXPECT_TRUE(errors.contains("veka4: message: Data has changed. Save it?")) << errors.toStdString();
    EXPECT_NE(settings.ReadString("SMF", "current file", "").find("first.mid"), std::string::npos);
}

TEST_F(ProcessTest, CommandLineHelpVersionAndBadOption) {
    QProcess process;
    process.start(VEKA_GUI, {"--help"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("--virtual-module"));
    process.start(VEKA_GUI, {"--version"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("veka4 "));
    process.start(VEKA_GUI, {"--bogus"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
}

// Distinct colours in a band of the picture: a rendered menu or toolbar has many.
int Colours(const QImage& image, QRect band) {
    QSet<QRgb> seen;
    band &= image.rect();
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) seen.insert(image.pixel(x, y));
    return int(seen.size());
}

TEST_F(ProcessTest, ScreenshotsUnderXvfbInBothLanguages) {
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (xvfb.isEmpty()) GTEST_SKIP() << "xvfb-run is not installed";
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    // Ports as a previous run left them, so no dialog waits at start.
    QFile ini(Home + "/Veka.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[setting]\nmax part=1\n[midiport]\nmidiout 0=0\nmidiout 1=1\n");
    ini.close();
    for (const char* language : {"en", "ja"}) {
        const QString shot = QStringLiteral(VEKA_ARTIFACT_DIR "/main-window-%1.png").arg(language);
        QFile::remove(shot);
        QProcessEnvironment env = Environment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("VEKA_SCREENSHOT", shot);
        env.insert("VEKA_VIRTUAL_MODULE", "1");
        const QString dialogShot = QStringLiteral(VEKA_ARTIFACT_DIR "/file-dialog-%1.png").arg(language);
        QFile::remove(dialogShot);
        env.insert("VEKA_SCREENSHOT_FILE_DIALOG", dialogShot);
        env.insert("LANG", language == std::string("ja") ? "ja_JP.UTF-8" : "en_US.UTF-8");
        env.insert("LC_ALL", language == std::string("ja") ? "ja_JP.UTF-8" : "en_US.UTF-8");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(xvfb, {"-a", "-s", "-screen 0 1280x800x24", VEKA_GUI});
        ASSERT_TRUE(process.waitForFinished(60000)) << language;
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 0) << errors.toStdString();
        QImage image(shot);
        ASSERT_FALSE(image.isNull()) << language << ": " << errors.toStdString();
        EXPECT_EQ(image.size(), QSize(1280, 800));
        EXPECT_GT(Colours(image, QRect(0, 0, 400, 20)), 8) << "menu bar, " << language;
        EXPECT_GT(Colours(image, QRect(420, 22, 500, 36)), 8) << "toolbars, " << language;
        // The Part window opens at the top-left corner of the area at first start.
        EXPECT_GT(Colours(image, QRect(5, 120, 400, 200)), 8) << "Part window, " << language;
        QImage menu(QString(shot).replace(".png", "-menu.png"));
        ASSERT_FALSE(menu.isNull()) << language;
        EXPECT_NE(menu.copy(5, 25, 150, 200), image.copy(5, 25, 150, 200)) << "open File menu, " << language;
        EXPECT_FALSE(QImage(dialogShot).isNull()) << "file dialog, " << language;
    }
}

TEST_F(ProcessTest, ScreenshotsUnderAWindowManagerOfTheFirstStartAndOfARestart) {
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    const QString openbox = QStandardPaths::findExecutable("openbox");
    if (xvfb.isEmpty() || openbox.isEmpty()) GTEST_SKIP() << "xvfb-run or openbox is not installed";
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    // No Veka.ini: a first start, with its port dialog answered; then a restart from what it saved.
    for (const char* run : {"first-start", "restart"}) {
        const QString shot = QStringLiteral(VEKA_ARTIFACT_DIR "/openbox-%1.png").arg(run);
        QFile::remove(shot);
        QProcessEnvironment env = Environment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("VEKA_SCREENSHOT", shot);
        env.insert("VEKA_VIRTUAL_MODULE", "1");
        env.insert("LANG", "en_US.UTF-8");
        env.insert("LC_ALL", "en_US.UTF-8");
        QProcess process;
        process.setProcessEnvironment(env);
        const QString script = QStringLiteral("%1 & sleep 1; exec \"$0\"").arg(openbox);
        process.start(xvfb, {"-a", "-s", "-screen 0 1280x800x24", "sh", "-c", script, VEKA_GUI});
        ASSERT_TRUE(process.waitForFinished(60000)) << run;
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 0) << run << ": " << errors.toStdString();
        QImage image(shot);
        ASSERT_FALSE(image.isNull()) << run << ": " << errors.toStdString();
        // The title bar is on the screen: the top rows are the frame, not the empty desktop.
        EXPECT_GT(Colours(image, QRect(0, 0, 600, 30)), 4) << run;
    }
    const TSettings settings(Home.toStdString() + "/Veka.ini");
    EXPECT_TRUE(settings.ReadBool("setting", "perfect finish", false));
}

}  // namespace
}  // namespace veka
