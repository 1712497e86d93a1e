#pragma once
// The main window's editor windows: eleven fixed slots, each holding its window or nothing, known
// by number (the "Win#" keys), by name (the position keys and layout sections) and by layout
// code. One table of descriptors holds these facts; Close All, the window list, positions and
// layouts iterate over it. A slot's window is created from the factory registered for it;
// slots without one stay closed and their commands disabled.
#include <QMdiSubWindow>
#include <array>
#include <functional>
#include <string>

#include "windows/editor_window.h"
#include "midi/pump_wait.h"
#include "app/app_texts.h"
#include "document/settings.h"

class QMdiArea;

namespace veka {

enum TWindowNumber : int {
    wnPatch = 1, wnPart, wnDrum, wnUserDrum, wnEffect, wnKeyboard, wnMatrix, wnDisplay, wnMaster, wnSysxHistory,
    wnCompare, wnCount = 11
};

struct TWindowDescriptor {
    int Number;          // the slot and its "Win#" key, 1..11
    const char* Name;    // the settings-key prefix and bookmark section
    int LayoutCode;      // the window code of the layout records (another numbering); -1: none
    TCommand Command;    // the menu command that opens or brings it forward
    int CloseRank;       // Close All closes in ascending rank
};

// The descriptors in slot order.
const std::array<TWindowDescriptor, wnCount>& WindowDescriptors();
// The descriptor of a slot or layout code; null outside the table.
const TWindowDescriptor* DescriptorOf(int number);
const TWindowDescriptor* DescriptorOfLayoutCode(int code);
// "PatchWindow" .. "CompareWindow"; empty outside 1..11.
const char* ManagedWindowName(int number);

// The MDI frame of a managed window: keeps the close rules and stores the place on close.
class TManagedSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    TManagedSubWindow(int number, QWidget* content, TSettings& settings, const std::function<bool()>& closeMinimizes);
    int Number() const { return Number_; }
    // Stores the place unless minimised (a minimised window keeps its last normal place).
    void StorePosition();
    // Close for good, whatever the close-button option says.
    void CloseForGood();
    // Closed inside a wait (the pacing of its own edit's messages, say), the window is deleted
    // once the outermost wait has ended rather than under the handler still using it.
    TPumpWait* Wait = nullptr;
    std::function<void()> OnClosedLater;  // it leaves its slot at once

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DeleteWhenIdle();

    int Number_;
    TSettings& Settings_;
    std::function<bool()> CloseMinimizes_;
    bool ForGood_ = false;
};

class TManagedWindows {
public:
    using TFactory = std::function<QWidget*()>;

    TManagedWindows(QMdiArea& area, TSettings& settings, std::function<bool()> closeMinimizes);

    void SetFactory(int number, TFactory factory);
    // The program's waits: windows closed inside one are deleted after it.
    void SetWait(TPumpWait* wait) { Wait_ = wait; }
    bool Available(int number) const;
    TManagedSubWindow* Window(int number) const;
    template <typename F> void ForEachOpen(F&& f) const {
        for (const TWindowDescriptor& d : WindowDescriptors())
            if (TManagedSubWindow* w = Window(d.Number)) f(d.Number, w);
    }
    // Every open window's content that is an editor window, except the one asking.
    template <typename F> void ForEachEditor(const QWidget* except, F&& f) const {
        ForEachOpen([&](int, TManagedSubWindow* w) {
            if (w->widget() == except) return;
            if (auto* editor = dynamic_cast<IEditorWindow*>(w->widget())) f(*editor);
        });
    }
    // Closes every open window in the order of Close All (the close-button option applies).
    void CloseAll();
    // The Window menu: every window minimised, and the minimised ones in a row along the bottom.
    void MinimizeAll();
    void ArrangeIcons();

    // Brings the window forward (restored if minimised) or creates it at its stored place,
    // kept inside the area. Null when the slot has no factory.
    TManagedSubWindow* OpenOrBringForward(int number);
    // Creates it at an explicit place (first show), with the stored size.
    TManagedSubWindow* OpenAt(int number, int left, int top);
    // The place clamped so the window's title stays reachable inside the area.
    static QRect KeepInside(const TWindowPosition& position, const QSize& area);

private:
    TManagedSubWindow* Create(int number, const TWindowPosition& position);

    QMdiArea& Area_;
    TSettings& Settings_;
    std::function<bool()> CloseMinimizes_;
    TPumpWait* Wait_ = nullptr;
    std::array<TFactory, wnCount + 1> Factories_{};
    std::array<TManagedSubWindow*, wnCount + 1> Slots_{};
};

}  // namespace veka
