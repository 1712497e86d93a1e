#pragma once
// The sequencer link's side of the X server: the global hot key (a passive grab of the key on
// the root window), the list of top-level windows (_NET_CLIENT_LIST, WM_CLASS, the title) and
// the raising of one of them (_NET_ACTIVE_WINDOW, which also restores a minimised window).
// On a session without X11 (Wayland without XWayland, offscreen) Available() is false and
// everything else does nothing.
#include <cstdint>
#include <functional>
#include <vector>

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <memory>

#include "document/sequencer_link.h"

struct xcb_connection_t;

namespace veka {

class TX11Link : public QAbstractNativeEventFilter {
public:
    TX11Link();
    ~TX11Link() override;
    TX11Link(const TX11Link&) = delete;
    TX11Link& operator=(const TX11Link&) = delete;

    bool Available() const { return Connection_ != nullptr; }

    // Grabs the key of a menu shortcut code for the whole screen (any previous grab is given up
    // first); what stood in the way when it could not.
    enum class TGrab { Done, NoX11, NoKey, Taken };
    TGrab Grab(int code);
    void Ungrab();
    bool Grabbed() const { return Keycode_ != 0; }
    // Called (from the event loop) when the grabbed key is pressed.
    std::function<void()> OnHotKey;

    // The managed top-level windows, in the window manager's order (the root's children
    // without one); bounded, never more than a few thousand.
    std::vector<TTopWindow> TopWindows() const;
    // Asks the window manager to bring the window forward, restoring it when minimised.
    void Activate(uint32_t window) const;
    // The window the window manager says is active; 0 when unknown.
    uint32_t ActiveWindow() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    uint32_t Atom(const char* name) const;
    uint8_t KeycodeOf(uint32_t keysym) const;

    std::unique_ptr<QObject> Context_;  // the hot key's queued call dies with the link
    xcb_connection_t* Connection_ = nullptr;
    uint32_t Root_ = 0;
    uint8_t Keycode_ = 0;
    uint16_t Modifiers_ = 0;
};

}  // namespace veka
