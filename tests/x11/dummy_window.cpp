// Another program's window for the sequencer link's tests: a plain X11 window with the class
// and title given, which can also hold a key grab of its own. Prints "ready WINDOW" once mapped
// and lives until it is killed.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The key code of a key symbol on the server's keyboard.
xcb_keycode_t Keycode(xcb_connection_t* c, xcb_keysym_t sym) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* map =
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, uint8_t(count)), nullptr);
    if (!map) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    xcb_keycode_t found = 0;
    for (int k = 0; k < count && !found; ++k)
        if (syms[k * map->keysyms_per_keycode] == sym) found = xcb_keycode_t(setup->min_keycode + k);
    std::free(map);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    std::string className = "FakeSeq", title = "Fake Sequencer";
    bool grab = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--class" && i + 1 < argc) className = argv[++i];
        else if (arg == "--title" && i + 1 < argc) title = argv[++i];
        else if (arg == "--grab-ctrl-alt-k") grab = true;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 2;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 50, 50, 300, 200, 1, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, XCB_CW_BACK_PIXEL, values);
    const std::string wmClass = "fakeseq" + std::string(1, '\0') + className + std::string(1, '\0');
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, uint32_t(wmClass.size()),
                        wmClass.data());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, uint32_t(title.size()),
                        title.data());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 8,
                        uint32_t(title.size()), title.data());
    if (grab) {
        const xcb_keycode_t k = Keycode(c, 'k');
        xcb_grab_key(c, 1, screen->root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, k, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    xcb_map_window(c, window);
    xcb_flush(c);
    std::printf("ready %u\n", window);
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) std::free(event);
    xcb_disconnect(c);
    return 0;
}
