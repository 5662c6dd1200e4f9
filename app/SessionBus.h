#pragma once
// The player's D-Bus session bus, found the way the desktop announces it and never started:
// a bus this program started itself would outlive it and answer nobody else.

#include <QDBusConnection>
#include <QString>

#include <optional>

// The one DBUS_SESSION_BUS_ADDRESS names, else the one in the runtime folder; empty where
// there is neither.
QString PlayersSessionBusAddress();

// A connection named `name` to the bus at `address` (one of that name to a bus that has gone
// since is made anew); none when the bus does not answer.
std::optional<QDBusConnection> ConnectToBus(const QString& address, const QString& name);
