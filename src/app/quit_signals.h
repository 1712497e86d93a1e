#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in a terminal, the terminal closed) ask the main window to close in order, as
// its close button does, instead of ending the process where it stands: the settings, the
// window places and the clean-end flag are written. The handler only writes one byte to a pipe;
// the close runs on the user-interface thread when the event loop reads it.
#include <functional>

namespace veka {

// Installs the handlers; onQuit runs on the user-interface thread for each signal received.
// False when the pipe or the handlers could not be set up (the signals then end the process).
bool WatchQuitSignals(std::function<void()> onQuit);

}  // namespace veka
