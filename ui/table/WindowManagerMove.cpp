#include "ui/table/WindowManagerMove.h"

#include "ui/copies/X11Requests.h"

#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// Whether the running window manager lists the request among those it answers.
bool WindowManagerTakes(xcb_connection_t* connection, xcb_atom_t request) {
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, false, X11Root(connection),
                                                X11Atom(connection, "_NET_SUPPORTED"),
                                                XCB_ATOM_ATOM, 0, 4096),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, request) != atoms + count;
}

} // namespace

// A _NET_WM_MOVERESIZE message about `window` with the left button.
xcb_client_message_event_t MoveResizeMessage(xcb_connection_t* connection, const QWindow& window,
                                             QPoint at, quint32 action) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.winId());
    message.type = X11Atom(connection, "_NET_WM_MOVERESIZE");
    message.data.data32[0] = quint32(at.x());
    message.data.data32[1] = quint32(at.y());
    message.data.data32[2] = action;
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1; // a normal application asks
    return message;
}

std::optional<QPoint> X11PointerHeld() {
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return std::nullopt;
    const ReplyPtr<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, X11Root(connection)),
                                nullptr),
        &std::free);
    if (!reply || !(reply->mask & XCB_BUTTON_MASK_1))
        return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

bool StartWindowManagerMove(const QWindow& window, QPoint pressedAt) {
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return false;
    const xcb_atom_t moveResize = X11Atom(connection, "_NET_WM_MOVERESIZE");
    if (moveResize == XCB_ATOM_NONE || !WindowManagerTakes(connection, moveResize))
        return false;
    constexpr quint32 Move = 8; // _NET_WM_MOVERESIZE_MOVE
    // The press gave the game the pointer; the window manager takes it from here.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    SendToWindowManager(connection, MoveResizeMessage(connection, window, pressedAt, Move));
    return true;
}

void CancelWindowManagerMove(const QWindow& window) {
    if (xcb_connection_t* connection = X11Connection()) {
        constexpr quint32 Cancel = 11; // _NET_WM_MOVERESIZE_CANCEL
        SendToWindowManager(connection, MoveResizeMessage(connection, window, {}, Cancel));
    }
}
