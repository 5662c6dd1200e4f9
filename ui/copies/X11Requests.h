#pragma once
// The few requests the game makes of an X11 window manager itself, where Qt has no word for
// them: atoms by name and a client message to the root window, on Qt's own connection.

#include <xcb/xcb.h>

// Qt's connection to the X server; nullptr off X11.
xcb_connection_t* X11Connection();

xcb_window_t X11Root(xcb_connection_t* connection);

// XCB_ATOM_NONE when the server cannot say.
xcb_atom_t X11Atom(xcb_connection_t* connection, const char* name);

// Sends `message` to the root window, where the window manager listens, and flushes.
void SendToWindowManager(xcb_connection_t* connection, const xcb_client_message_event_t& message);
