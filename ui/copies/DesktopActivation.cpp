#include "ui/copies/DesktopActivation.h"

#include "ui/copies/X11Requests.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstring>

namespace {

// The launch's time, from the "_TIME<n>" ending of its startup id; 0 when it has none.
std::uint32_t LaunchTime(const QByteArray& startupId) {
    static const QRegularExpression time(QStringLiteral("_TIME(\\d+)$"));
    const QRegularExpressionMatch match = time.match(QString::fromLatin1(startupId));
    return match.hasMatch() ? match.captured(1).toUInt() : 0;
}

// The startup-notification protocol's message: 20 bytes per client message to the root
// window, the first of type _NET_STARTUP_INFO_BEGIN, the message ending with a NUL.
void SendStartupMessage(xcb_connection_t* connection, xcb_window_t root, xcb_window_t from,
                        const QByteArray& message) {
    const xcb_atom_t begin = X11Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = X11Atom(connection, "_NET_STARTUP_INFO");
    const QByteArray bytes = message + '\0';
    for (qsizetype at = 0; at < bytes.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, bytes.constData() + at,
                    std::size_t(std::min<qsizetype>(20, bytes.size() - at)));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

// A value of the message in the protocol's quoting.
QByteArray Quoted(const QByteArray& value) {
    QByteArray quoted;
    for (const char c : value) {
        if (c == ' ' || c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted;
}

void ActivateOnX11(QWidget& window, const QByteArray& startupId) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr || startupId.isEmpty()) {
        window.activateWindow();
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id,
                        X11Atom(connection, "_NET_STARTUP_ID"), X11Atom(connection, "UTF8_STRING"),
                        8, std::uint32_t(startupId.size()), startupId.constData());
    // Every launch the start forwarded ends here, time or not, or the launcher's busy cursor
    // runs on to its own timeout.
    SendStartupMessage(connection, X11Root(connection), id, "remove: ID=" + Quoted(startupId));
    const std::uint32_t time = LaunchTime(startupId);
    if (time == 0) {
        window.activateWindow(); // with the table's own time
        return;
    }
    // The request of an application (source 1) with the launch's time, which the window
    // manager weighs against the player's last input.
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = X11Atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;
    event.data.data32[1] = time;
    SendToWindowManager(connection, event);
}

} // namespace

void BringForward(QWidget& window, const ForwardRequest& request) {
    window.raise();
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        ActivateOnX11(window, request.startupId);
    } else if (platform.startsWith(QLatin1String("wayland")) &&
               !(request.activationToken.isEmpty() && request.startupId.isEmpty())) {
        // Qt's Wayland client hands this token to the compositor at the next activation and
        // forgets it, so the two go together. GNOME 43's launchers (GLib 2.74) pass the token
        // only as the startup id.
        qputenv("XDG_ACTIVATION_TOKEN",
                request.activationToken.isEmpty() ? request.startupId : request.activationToken);
        window.activateWindow();
    } else {
        window.activateWindow();
    }
}
