// Prints the X server's time now, as a launcher puts it into a startup id: the time of a
// property change on a window of its own. Usage: server_time
#include <cstdio>
#include <cstdlib>
#include <xcb/xcb.h>

int main() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                        8, 0, "");
    xcb_flush(connection);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool property = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        const xcb_timestamp_t time = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
        std::free(event);
        if (property) {
            std::printf("%u\n", time);
            // Out before anything at exit (a leak check) may end the program without a flush.
            std::fflush(stdout);
            xcb_disconnect(connection);
            return 0;
        }
    }
    return 1;
}
