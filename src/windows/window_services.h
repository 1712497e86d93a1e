#pragma once
// The narrow services the main window offers the editor windows, one interface per job. A
// window is given the bundle and uses only what it needs; none of them reaches the
// transmitter, the settings store or the whole settings record.
#include <QString>
#include <array>
#include <exception>
#include <string>
#include <vector>

#include "module/language.h"
#include "module/progress.h"
#include "document/options_view.h"

class QMenu;
class QWidget;

namespace veka {

class TTestNote;
class TVGS;

// The editing context: the image, the port the windows show, the part being edited, and the
// end of an edit gesture.
class IEditContext {
public:
    virtual ~IEditContext() = default;
    virtual TVGS& Image() = 0;
    virtual TLanguage Language() const = 0;
    // The port the windows show (0..3) and the part the keyboard plays (1..16).
    virtual int CurrentPort() const = 0;
    virtual void SetCurrentPort(int port) = 0;
    virtual int CurrentPart() const = 0;
    virtual void SelectPart(int part, QWidget* asker) = 0;
    virtual void SetCurrentChannel(int channel) = 0;
    // A send failed during an edit: told once per gesture; EndEditGesture re-arms it.
    virtual void ReportEditError(const std::exception& error) = 0;
    virtual void EndEditGesture() = 0;
};

// Audition and test notes.
class IAudition {
public:
    virtual ~IAudition() = default;
    virtual TTestNote& TestNote() = 0;
    // The system's wait (the review note's 300 ms): other handlers run meanwhile.
    virtual void WaitMs(int ms) = 0;
};

// The shell's user interface.
class IShellUi {
public:
    virtual ~IShellUi() = default;
    // A warning box in the program's name (tests answer it).
    virtual void Warn(const std::string& text) = 0;
    // The part pop-up menu (copy, exchange, initialise, customise).
    virtual QMenu* PartMenu() = 0;
    // The help line of the main window's status bar.
    virtual void ShowHelp(const QString& text) = 0;
    // The option to activate a window when the pointer passes over it.
    virtual void PointerPassed(QWidget* window) = 0;
    // A save dialog: the name with its extension, after asking whether an existing file may be
    // replaced; empty when the user declined.
    virtual QString ChooseSaveName(const QString& caption, const QString& folder, const QString& filter,
                                   const QString& extension) = 0;
    // The status bar's progress of long work (a preset being written).
    virtual const TProgress& StatusProgress() const = 0;
};

// How the patch window's browser was left: the tree's width, the list's view (3 icons, 4 small
// icons, 6 details) and the 55, 88 and 88Pro map buttons.
struct TPatchBrowserSettings {
    int TreeWidth = 140;
    int ListState = 3;
    std::array<bool, 3> UsingMap{true, true, true};
};

// What windows keep between sessions, and the options they read.
class IWindowStore {
public:
    virtual ~IWindowStore() = default;
    virtual TOptionsView Options() const = 0;
    // The gradient title bar's colour of a window, as the settings file stores colours.
    virtual int ReadBarColor(const std::string& window, int defaultValue) const = 0;
    virtual void WriteBarColor(const std::string& window, int value) = 0;
    // Where the presets of the windows live (the program folder).
    virtual std::string PresetFolder() const = 0;
    virtual TPatchBrowserSettings PatchBrowser() const = 0;
    // The ten row identifiers of a window's bookmark menu (written at once when changed).
    virtual std::array<int, 10> Bookmarks(const std::string& window) const = 0;
    virtual void SetBookmarks(const std::string& window, const std::array<int, 10>& ids) = 0;
    virtual void SetPatchBrowser(const TPatchBrowserSettings& settings) = 0;
};

// Messages a window writes straight to a port (the module's display): no pause after them,
// the lamp, the hex text and the history as for every exclusive message.
class IMessageOut {
public:
    virtual ~IMessageOut() = default;
    virtual void SendMessage(int port, const std::vector<uint8_t>& message, const std::string& historyName) = 0;
};

// A stored system value sent again as it stands, under a caption in the status bar, with the
// pause "trans wait(ms)" after it: the values an effect preset brought into the image.
class IParameterOut {
public:
    virtual ~IParameterOut() = default;
    virtual void SendSystemParameter(int number, const std::string& caption) = 0;
};

// The computer keyboard's switch (TOption::PcKeyboard), which the keyboard window shows and sets.
class IPcKeyboardSwitch {
public:
    virtual ~IPcKeyboardSwitch() = default;
    virtual bool PcKeyboardOn() const = 0;
    // Off releases every held key first.
    virtual void SetPcKeyboard(bool on) = 0;
};

struct TWindowServices {
    IEditContext& Edit;
    IAudition& Audition;
    IShellUi& Ui;
    IWindowStore& Store;
};

}  // namespace veka
