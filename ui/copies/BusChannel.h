#pragma once
// The running table's name on the player's D-Bus session bus, the way GLib's GApplication and
// KDE's KDBusService keep one copy of a program. The name is made from the results file's
// identity, so it stands for that file whatever happens to lock files or runtime folders, and
// the bus gives it back only when the table's connection goes, at its process's end at the
// latest. Only the player's own programs may connect to that bus, so no other user can take the
// name or call the table, and a start in another network namespace or sandbox that shares the
// bus still reaches it. Second starts call the freedesktop org.freedesktop.Application
// interface's Activate on it, with the launch's startup id and activation token.

#include "ui/copies/CopyChannel.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

class BusChannel : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        Owned, // this copy holds the name: no table plays on the file on this bus
        Taken, // a table of the player's holds it
        NoBus, // no session bus to meet on
    };

    // Asks the bus for the name of the results file of `identity` (see CopyPlaces), without
    // waiting in line for it. Once owned, second starts are answered through Requested.
    BusChannel(const QString& identity, QObject* parent = nullptr);
    // Gives the name back.
    ~BusChannel() override;

    Claim Status() const { return claim_; }
    // The address of the bus this copy holds its name on, for a start that has another bus or
    // none; empty unless Owned.
    QString Address() const { return claim_ == Claim::Owned ? address_ : QString(); }
    // The table holding the name is asked to come forward: Forwarded, OtherDisplay, NoAnswer
    // (it is there but lets the time pass), Ending (it no longer answers: it is going), or
    // Foreign (another user's program holds the name, which a bus shared with others allows).
    ForwardReply Ask(const ForwardRequest& request) const;
    // The same, of a table holding the name on the bus at `address` (a table's Address(), read
    // from its lock): NoTable when there is no such bus or name.
    static ForwardReply AskAt(const QString& address, const QString& identity,
                              const ForwardRequest& request);
    // Until nobody holds the name, or `ms` passed; true when it is free.
    bool WaitUntilFree(int ms) const;
    // From now on a call is refused at once, telling the caller this copy is going, while the
    // name stays held until the last save is on the disk.
    void Close();

signals:
    void Requested(const ForwardRequest& request);

private:
    class Application;

    QString address_;
    std::optional<QDBusConnection> bus_;
    QString name_;
    Claim claim_ = Claim::NoBus;
    Application* application_ = nullptr;
};
