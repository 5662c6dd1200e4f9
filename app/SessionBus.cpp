#include "app/SessionBus.h"

#include <QDBusConnectionInterface>
#include <QFileInfo>

#include <unistd.h>

QString PlayersSessionBusAddress() {
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address.startsWith(QLatin1String("autolaunch:")) ? QString() : address;
    // Where systemd starts the bus with the login, nothing names it but its place.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo socket(runtime + QStringLiteral("/bus"));
    if (!runtime.startsWith(u'/') || !socket.exists() || socket.isSymLink() ||
        socket.ownerId() != ::geteuid() || socket.isFile() || socket.isDir())
        return {};
    return QStringLiteral("unix:path=") + socket.filePath();
}

std::optional<QDBusConnection> ConnectToBus(const QString& address, const QString& name) {
    if (address.isEmpty())
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        bus = QDBusConnection::connectToBus(address, name);
    }
    if (!bus.isConnected() || bus.interface() == nullptr) {
        QDBusConnection::disconnectFromBus(name);
        return std::nullopt;
    }
    return bus;
}
