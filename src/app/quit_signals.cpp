#include "app/quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace veka {

namespace {

int QuitPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe means a quit is pending already.
    [[maybe_unused]] const ssize_t written = ::write(QuitPipe[1], &byte, 1);
}

}  // namespace

bool WatchQuitSignals(std::function<void()> onQuit) {
    if (QuitPipe[0] >= 0) return true;
    if (::pipe2(QuitPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    auto* notifier = new QSocketNotifier(QuitPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [quit = std::move(onQuit)] {
        char bytes[16];
        while (::read(QuitPipe[0], bytes, sizeof bytes) > 0) {
        }
        if (quit) quit();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // SIGHUP: the terminal or the desktop session went away; the setup is kept all the same.
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0 &&
           ::sigaction(SIGHUP, &action, nullptr) == 0;
}

}  // namespace veka
