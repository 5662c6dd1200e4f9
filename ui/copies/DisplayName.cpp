#include "ui/copies/DisplayName.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>

namespace {

bool Digits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

QString XServerName(const QString& display) {
    // The socket's own path, as libxcb accepts it, with an optional screen.
    const QLatin1String socketPath("/tmp/.X11-unix/X");
    if (display.startsWith(socketPath)) {
        const QStringView rest = QStringView(display).sliced(socketPath.size());
        const qsizetype dot = rest.indexOf(u'.');
        const QStringView number = dot < 0 ? rest : rest.first(dot);
        if (Digits(number) && (dot < 0 || Digits(rest.sliced(dot + 1))))
            return u':' + number.toString();
    }
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon < 0)
        return display;
    QString host = display.left(colon);
    QString number = display.mid(colon + 1);
    if (const qsizetype dot = number.indexOf(u'.'); dot >= 0)
        number.truncate(dot); // the screen: one server whatever screen
    if (host == QLatin1String("unix"))
        host.clear(); // the local socket, as an empty host is
    return host + u':' + number;
}

QString OwnDisplay() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return platform + u' ' + XServerName(qEnvironmentVariable("DISPLAY"));
    if (platform.startsWith(QLatin1String("wayland")))
        return platform + u' ' +
               qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    return platform;
}

QString OwnWaylandSocket() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty() || name.startsWith(u'/'))
        return name;
    return qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + name;
}

bool OnOwnScreen(const QString& display, const QString& waylandSocket) {
    return display == OwnDisplay() ||
           (!waylandSocket.isEmpty() && waylandSocket == OwnWaylandSocket());
}

QString ShortDisplayName(const QString& display) {
    // The platform's word before the name ("xcb", "wayland") means nothing to a player, nor
    // does the folder of a Wayland socket.
    const QString name = display.section(u' ', 1).trimmed();
    return name.section(u'/', -1);
}

QString RunningElsewhereText(const QString& display) {
    const QString name = ShortDisplayName(display);
    return name.isEmpty()
               ? QCoreApplication::translate(
                     "Start", "A játék már fut egy másik képernyőn vagy bejelentkezésben. Ott "
                              "folytasd, vagy ott zárd be, és indítsd el újra itt.")
               : QCoreApplication::translate(
                     "Start", "A játék már fut egy másik képernyőn vagy bejelentkezésben (%1). "
                              "Ott folytasd, vagy ott zárd be, és indítsd el újra itt.")
                     .arg(name);
}
