// A desktop panel for the placement checks: a dock window WIDTH x HEIGHT along the top of the
// screen that reserves its strip (_NET_WM_STRUT_PARTIAL), as desktop panels do. Runs until it
// is killed. Usage: panel_window WIDTH HEIGHT
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const uint16_t width = static_cast<uint16_t>(std::atoi(argv[1]));
    const uint16_t height = static_cast<uint16_t>(std::atoi(argv[2]));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, width, height,
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    const xcb_atom_t dock = Atom(connection, "_NET_WM_WINDOW_TYPE_DOCK");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        Atom(connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &dock);
    // left, right, top, bottom, then the start and end of each strip
    const uint32_t strut[12] = {0, 0, height, 0, 0, 0, 0, 0, 0, width - 1u, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        Atom(connection, "_NET_WM_STRUT_PARTIAL"), XCB_ATOM_CARDINAL, 32, 12,
                        strut);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        Atom(connection, "_NET_WM_STRUT"), XCB_ATOM_CARDINAL, 32, 4, strut);
    xcb_map_window(connection, window);
    xcb_flush(connection);
    // The panel stays until its X server goes: no test is left holding a stray process.
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection))
        std::free(event);
    xcb_disconnect(connection);
    return 0;
}
