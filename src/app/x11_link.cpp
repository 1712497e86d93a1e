#include "app/x11_link.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>

#include "app/shortcut_code.h"

namespace veka {

namespace {

constexpr uint32_t kMaxWindows = 4096;     // a longer client list is cut there
constexpr uint32_t kMaxPropertyWords = 1024;  // 4 KiB of a title or class is plenty

template <typename T> using TReply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> TReply<T> Own(T* reply) { return TReply<T>(reply, &std::free); }

// Lock and Num Lock change the state of a key press; the grab must hold with either on.
constexpr uint16_t kIgnoredModifiers[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr uint16_t kUsedModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;

}  // namespace

TX11Link::TX11Link() : Context_(std::make_unique<QObject>()) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    Connection_ = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(Connection_);
    const xcb_screen_iterator_t screen = xcb_setup_roots_iterator(setup);
    if (!screen.rem) {
        Connection_ = nullptr;
        return;
    }
    Root_ = screen.data->root;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TX11Link::~TX11Link() {
    Ungrab();
    if (Connection_ && QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

uint32_t TX11Link::Atom(const char* name) const {
    auto reply = Own(xcb_intern_atom_reply(
        Connection_, xcb_intern_atom(Connection_, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : uint32_t(XCB_ATOM_NONE);
}

uint8_t TX11Link::KeycodeOf(uint32_t keysym) const {
    const xcb_setup_t* setup = xcb_get_setup(Connection_);
    const uint8_t first = setup->min_keycode;
    const int count = int(setup->max_keycode) - int(first) + 1;
    if (count <= 0) return 0;
    auto map = Own(xcb_get_keyboard_mapping_reply(
        Connection_, xcb_get_keyboard_mapping(Connection_, first, uint8_t(count)), nullptr));
    if (!map) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(map.get());
    const int per = map->keysyms_per_keycode;
    if (per <= 0) return 0;
    // The key whose first symbol it is wins over one that has it shifted.
    for (int level = 0; level < per; ++level)
        for (int k = 0; k < count && k * per + level < length; ++k)
            if (syms[k * per + level] == keysym) return uint8_t(first + k);
    return 0;
}

TX11Link::TGrab TX11Link::Grab(int code) {
    Ungrab();
    if (!Connection_) return TGrab::NoX11;
    const uint32_t keysym = KeySymOfCode(code);
    const uint8_t keycode = keysym ? KeycodeOf(keysym) : 0;
    if (keycode == 0) return TGrab::NoKey;
    uint16_t modifiers = 0;
    if (code & kShortcutShift) modifiers |= XCB_MOD_MASK_SHIFT;
    if (code & kShortcutCtrl) modifiers |= XCB_MOD_MASK_CONTROL;
    if (code & kShortcutAlt) modifiers |= XCB_MOD_MASK_1;
    std::vector<xcb_void_cookie_t> cookies;
    for (uint16_t extra : kIgnoredModifiers)
        cookies.push_back(xcb_grab_key_checked(Connection_, 1, Root_, uint16_t(modifiers | extra), keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool refused = false;
    for (xcb_void_cookie_t cookie : cookies)
        if (xcb_generic_error_t* failure = xcb_request_check(Connection_, cookie)) {
            refused = true;
            std::free(failure);
        }
    if (refused) {
        for (uint16_t extra : kIgnoredModifiers) xcb_ungrab_key(Connection_, keycode, Root_, uint16_t(modifiers | extra));
        xcb_flush(Connection_);
        return TGrab::Taken;
    }
    Keycode_ = keycode;
    Modifiers_ = modifiers;
    xcb_flush(Connection_);
    return TGrab::Done;
}

void TX11Link::Ungrab() {
    if (!Connection_ || Keycode_ == 0) return;
    for (uint16_t extra : kIgnoredModifiers) xcb_ungrab_key(Connection_, Keycode_, Root_, uint16_t(Modifiers_ | extra));
    xcb_flush(Connection_);
    Keycode_ = 0;
    Modifiers_ = 0;
}

bool TX11Link::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (Keycode_ == 0 || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (key->detail != Keycode_ || (key->state & kUsedModifiers) != Modifiers_) return false;
    // Not from inside the event filter: the handler shows windows.
    QTimer::singleShot(0, Context_.get(), [this] {
        if (OnHotKey) OnHotKey();
    });
    return true;
}

std::vector<TTopWindow> TX11Link::TopWindows() const {
    std::vector<TTopWindow> windows;
    if (!Connection_) return windows;
    std::vector<xcb_window_t> ids;
    const uint32_t clientList = Atom("_NET_CLIENT_LIST");
    auto list = Own(xcb_get_property_reply(
        Connection_, xcb_get_property(Connection_, 0, Root_, clientList, XCB_ATOM_WINDOW, 0, kMaxWindows), nullptr));
    if (list && list->format == 32 && list->type == XCB_ATOM_WINDOW) {
        const auto* data = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
        const int n = xcb_get_property_value_length(list.get()) / 4;
        ids.assign(data, data + n);
    } else if (auto tree = Own(xcb_query_tree_reply(Connection_, xcb_query_tree(Connection_, Root_), nullptr))) {
        // No window manager: the root's children are the top-level windows.
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        const int n = std::min(xcb_query_tree_children_length(tree.get()), int(kMaxWindows));
        ids.assign(children, children + n);
    }
    const uint32_t netName = Atom("_NET_WM_NAME");
    const uint32_t utf8 = Atom("UTF8_STRING");
    const uint32_t netState = Atom("_NET_WM_STATE");
    const uint32_t hidden = Atom("_NET_WM_STATE_HIDDEN");
    const uint32_t netPid = Atom("_NET_WM_PID");
    std::set<xcb_window_t> ours;
    for (const QWindow* w : QGuiApplication::allWindows())
        if (w->handle()) ours.insert(xcb_window_t(w->winId()));  // winId() alone would create one
    const uint32_t pid = uint32_t(getpid());

    auto text = [this](xcb_window_t id, uint32_t property, uint32_t type) {
        auto reply = Own(xcb_get_property_reply(
            Connection_, xcb_get_property(Connection_, 0, id, property, type, 0, kMaxPropertyWords), nullptr));
        if (!reply || reply->format != 8) return std::string();
        return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           size_t(xcb_get_property_value_length(reply.get())));
    };
    auto words = [this](xcb_window_t id, uint32_t property, uint32_t type) {
        std::vector<uint32_t> values;
        auto reply = Own(xcb_get_property_reply(
            Connection_, xcb_get_property(Connection_, 0, id, property, type, 0, kMaxPropertyWords), nullptr));
        if (!reply || reply->format != 32) return values;
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        values.assign(data, data + xcb_get_property_value_length(reply.get()) / 4);
        return values;
    };
    for (xcb_window_t id : ids) {
        auto attributes = Own(xcb_get_window_attributes_reply(
            Connection_, xcb_get_window_attributes(Connection_, id), nullptr));
        if (!attributes) continue;  // gone meanwhile
        TTopWindow w;
        w.Id = id;
        w.Title = text(id, netName, utf8);
        if (w.Title.empty()) w.Title = text(id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        const std::string wmClass = text(id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
        const size_t nul = wmClass.find('\0');
        w.Instance = wmClass.substr(0, nul);
        if (nul != std::string::npos) w.ClassName = wmClass.substr(nul + 1, wmClass.find('\0', nul + 1) - nul - 1);
        const std::vector<uint32_t> states = words(id, netState, XCB_ATOM_ATOM);
        const bool minimised = std::find(states.begin(), states.end(), hidden) != states.end();
        // A window on another desktop is mapped but not viewable (its frame is unmapped).
        w.Visible = attributes->map_state != XCB_MAP_STATE_UNMAPPED || minimised;
        w.HasOwner = !words(id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW).empty();
        const std::vector<uint32_t> pids = words(id, netPid, XCB_ATOM_CARDINAL);
        w.Ours = ours.count(id) != 0 || (!pids.empty() && pids.front() == pid);
        windows.push_back(std::move(w));
    }
    return windows;
}

void TX11Link::Activate(uint32_t window) const {
    if (!Connection_ || window == 0) return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 2;  // from a pager: window managers honour it without focus-stealing rules
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(Connection_, 0, Root_, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    // Without a window manager nobody answers that message: map, raise and focus it ourselves.
    auto check = Own(xcb_get_property_reply(
        Connection_, xcb_get_property(Connection_, 0, Root_, Atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!check || xcb_get_property_value_length(check.get()) == 0) {
        xcb_map_window(Connection_, window);
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(Connection_, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(Connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    }
    xcb_flush(Connection_);
}

uint32_t TX11Link::ActiveWindow() const {
    if (!Connection_) return 0;
    auto reply = Own(xcb_get_property_reply(
        Connection_, xcb_get_property(Connection_, 0, Root_, Atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) < 4) return 0;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

}  // namespace veka
