#pragma once
// What the editor windows and the main window offer each other. The main window implements
// IEditorHost (its services); every editor window implements IEditorWindow (refresh, part
// selection, values changed elsewhere).
#include <exception>
#include <string>

#include "module/language.h"
#include "module/one_parameter.h"

class QMenu;
class QWidget;

namespace veka {

class TSettings;
class TTestNote;
class TTransmitter;
class TVGS;
struct TSettingsData;

class IEditorWindow {
public:
    virtual ~IEditorWindow() = default;
    // The image changed as a whole (load, reset, port switch): show it again.
    virtual void RefreshFromImage() {}
    virtual void SelectPart(int /*part*/) {}
    // A value changed in another window: show it in the cell of that parameter, if any.
    virtual void PropagateValue(const TLinkData& /*link*/, int /*value*/) {}
};

class IEditorHost {
public:
    virtual ~IEditorHost() = default;
    virtual TVGS& Image() = 0;
    virtual TTransmitter& Transmitter() = 0;
    virtual TSettings& Settings() = 0;
    virtual TSettingsData& Data() = 0;
    virtual TLanguage Language() const = 0;
    virtual std::string ProgramFolder() const = 0;

    // The port the windows show (0..3) and the part the keyboard plays (1..16).
    virtual int CurrentPort() const = 0;
    virtual void SetCurrentPort(int port) = 0;
    virtual int CurrentPart() const = 0;
    virtual void SelectPart(int part, QWidget* asker) = 0;
    virtual void SetCurrentChannel(int channel) = 0;
    // The part window's order shown last (0..3).
    virtual int LastPartOrder() const = 0;
    virtual void SetLastPartOrder(int order) = 0;

    virtual void PropagateValue(const TLinkData& link, int value, QWidget* asker) = 0;
    virtual void RefreshAll() = 0;
    virtual TTestNote& TestNote() = 0;
    virtual void WaitMs(int ms) = 0;
    // The part pop-up menu (copy, exchange, initialise, customise).
    virtual QMenu* PartMenu() = 0;
    // A send failed during an edit: told once per gesture; EndEditGesture re-arms it.
    virtual void ReportEditError(const std::exception& error) = 0;
    virtual void EndEditGesture() = 0;
    // A warning box in the program's name (tests answer it).
    virtual void Warn(const std::string& text) = 0;
    // The option to activate a window when the pointer passes over it.
    virtual void PointerPassed(QWidget* window) = 0;
};

}  // namespace veka
