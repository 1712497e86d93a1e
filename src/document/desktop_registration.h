#pragma once
// The program's place on the freedesktop desktop: a desktop entry that opens setup files with
// it, the MIME types of those files and the program's icon, kept in the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) so that a build tree or a copy in the home folder is
// offered by file managers and menus like an installed program. Each start rewrites only what
// differs, so a start with nothing to do costs three small reads.
#include <string>
#include <vector>

namespace veka {

// The desktop file id, icon name and MIME package name; the installed files carry it too.
inline constexpr const char* kDesktopName = "veka4";

struct TDesktopRegistration {
    std::string ProgramPath;  // absolute path of the running program, written into Exec
    std::string IconSource;   // the SVG to copy as the program's icon; empty: no icon
    std::string DataHome;     // the XDG data folder the files go under
    // After a change, the desktop's caches are rebuilt by update-mime-database and
    // update-desktop-database when they are installed; a run that takes longer is abandoned.
    bool RefreshCaches = true;
    int RefreshTimeoutMs = 2000;
};

// $XDG_DATA_HOME when set and absolute, else $HOME/.local/share (the password database's
// home when HOME is unset); empty when there is no home at all.
std::string UserDataHome();

// The entry for the program at programPath (an absolute path, or a bare name found on PATH
// as in the installed entry), with the path quoted as Exec requires.
std::string DesktopEntryText(const std::string& programPath);
// The shared-mime-info package that names the setup file types.
std::string MimePackageText();
// The MIME types of the setup files, the main one (".ga4") first.
const std::vector<std::string>& SetupMimeTypes();

// One Exec argument, quoted when it holds a character the Exec rules reserve, with the
// escapes of the quoting and of the string value applied.
std::string QuoteExecArgument(const std::string& argument);

// The icon shipped with the program in programFolder: beside it in a build tree, else in the
// installed tree's hicolor theme. Empty when neither exists.
std::string ShippedIconPath(const std::string& programFolder);

// The registration of the running program: its path, its shipped icon and UserDataHome().
TDesktopRegistration ThisProgramsDesktopRegistration();

// Writes each of the three files whose content differs, creating folders as needed, each
// through a temporary file that is renamed over the old one. changed (when given) tells
// whether anything was written. False with a reason in error (when given) when something
// could not be written or the program path cannot be named in a desktop entry; the files that
// could be written are written all the same. Never throws.
bool RegisterDesktop(const TDesktopRegistration& r, bool* changed, std::string* error);

// How a helper program ran.
enum class TSpawnResult { Exited0, ExitedNonZero, NotFound, TimedOut, Failed };

// Runs argv[0] (looked up on PATH) with argv, without a shell, its standard input, output and
// error on /dev/null. Waits at most timeoutMs; a program still running then is killed.
TSpawnResult RunQuietly(const std::vector<std::string>& argv, int timeoutMs);

}  // namespace veka
