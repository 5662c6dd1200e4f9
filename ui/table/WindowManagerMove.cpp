#include "ui/table/WindowManagerMove.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t Root(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, false, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Whether the running window manager lists the request among those it answers.
bool WindowManagerTakes(xcb_connection_t* connection, xcb_atom_t request) {
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, false, Root(connection),
                                                Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM,
                                                0, 4096),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, request) != atoms + count;
}

} // namespace

std::optional<QPoint> X11PointerPosition() {
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return std::nullopt;
    const ReplyPtr<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, Root(connection)),
                                nullptr),
        &std::free);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

bool StartWindowManagerMove(const QWindow& window, QPoint pressedAt) {
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return false;
    const xcb_atom_t moveResize = Atom(connection, "_NET_WM_MOVERESIZE");
    if (moveResize == XCB_ATOM_NONE || !WindowManagerTakes(connection, moveResize))
        return false;
    constexpr quint32 Move = 8; // _NET_WM_MOVERESIZE_MOVE
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.winId());
    message.type = moveResize;
    message.data.data32[0] = quint32(pressedAt.x());
    message.data.data32[1] = quint32(pressedAt.y());
    message.data.data32[2] = Move;
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1; // a normal application asks
    // The press gave the game the pointer; the window manager takes it from here.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, false, Root(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}
