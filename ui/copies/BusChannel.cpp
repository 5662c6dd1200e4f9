#include "ui/copies/BusChannel.h"

#include "app/SessionBus.h"
#include "ui/copies/DisplayName.h"

#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>

#include <unistd.h>

namespace {

// The interface a second start calls, as GApplication and KDBusService serve it.
const QString ApplicationInterface = QStringLiteral("org.freedesktop.Application");
// The only answer of the table besides coming forward: it is on another display, named in the
// error's message.
const QString OtherDisplayError = QStringLiteral("hu.tarvesz.Huszonegy.Error.OtherDisplay");
// Platform data of our own: the display the start was made on. Callers without it (GLib's
// `gapplication`, a desktop's launcher) bring the table forward wherever it is.
const QString DisplayKey = QStringLiteral("hu.tarvesz.huszonegy.display");
const QString WaylandKey = QStringLiteral("hu.tarvesz.huszonegy.wayland");
// A second start waits for the table's answer no longer than this.
constexpr int AnswerLimitMs = 3000;
// The copy's own connection, apart from the one Qt's accessibility bridge may open, and the
// one to a bus another copy noted.
const QString ConnectionName = QStringLiteral("huszonegy-copies");
const QString NotedConnectionName = QStringLiteral("huszonegy-noted");

// A bus name element may not start with a digit; the identity is hexadecimal.
QString BusName(const QString& identity) {
    return QStringLiteral("hu.tarvesz.huszonegy.R") + identity;
}

// The object path the freedesktop interface lives at: the name with dots as slashes.
QString ObjectPath(const QString& name) {
    return u'/' + QString(name).replace(u'.', u'/');
}

// Whether the bus knows the connection `peer` for the same user as this one. Asked of the bus,
// not of geteuid(): in a user namespace (`unshare -U -r`) this process's own id differs from
// the one the bus sees for it. Nothing when the bus cannot say (the peer just went).
std::optional<bool> SameUser(const QDBusConnection& bus, const QString& peer) {
    const QDBusReply<uint> theirs = bus.interface()->serviceUid(peer);
    const QDBusReply<uint> ours = bus.interface()->serviceUid(bus.baseService());
    if (!theirs.isValid() || !ours.isValid())
        return std::nullopt;
    return theirs.value() == ours.value();
}

// Asks the table holding `name` on `bus` to come forward.
ForwardReply AskOn(QDBusConnection& bus, const QString& name, const ForwardRequest& request) {
    if (SameUser(bus, name) == false)
        return {ForwardAnswer::Foreign, {}};
    QVariantMap data{{DisplayKey, request.display}, {WaylandKey, request.waylandSocket}};
    if (!request.startupId.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), QString::fromUtf8(request.startupId));
    if (!request.activationToken.isEmpty())
        data.insert(QStringLiteral("activation-token"), QString::fromUtf8(request.activationToken));
    QDBusMessage call = QDBusMessage::createMethodCall(name, ObjectPath(name), ApplicationInterface,
                                                       QStringLiteral("Activate"));
    call << data;
    const QDBusMessage reply = bus.call(call, QDBus::Block, AnswerLimitMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return {ForwardAnswer::Forwarded, {}};
    const QString error = reply.errorName();
    if (error == OtherDisplayError)
        return {ForwardAnswer::OtherDisplay, reply.errorMessage()};
    if (error == QDBusError::errorString(QDBusError::AccessDenied))
        return {ForwardAnswer::Foreign, {}};
    if (error == QDBusError::errorString(QDBusError::NoReply) ||
        error == QDBusError::errorString(QDBusError::Timeout) ||
        error == QDBusError::errorString(QDBusError::TimedOut))
        return {ForwardAnswer::NoAnswer, {}};
    // No such object or method, or the name's holder gone: the table is going.
    return {ForwardAnswer::Ending, {}};
}

} // namespace

// What the bus calls on the table: Activate, and Open, which brings the table forward too (the
// game opens no files). Requests from any other user are refused.
class BusChannel::Application : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit Application(BusChannel* channel) : QObject(channel), channel_(channel) {}

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData) { Answer(platformData); }
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData) {
        (void)uris;
        Answer(platformData);
    }

private:
    void Answer(const QVariantMap& data) {
        if (SameUser(connection(), message().service()) != true) {
            sendErrorReply(QDBusError::AccessDenied);
            return;
        }
        ForwardRequest request{data.value(DisplayKey).toString(), data.value(WaylandKey).toString(),
                               data.value(QStringLiteral("desktop-startup-id")).toString().toUtf8(),
                               data.value(QStringLiteral("activation-token")).toString().toUtf8()};
        const QString here = OwnDisplay();
        if (data.contains(DisplayKey) && !OnOwnScreen(request.display, request.waylandSocket)) {
            sendErrorReply(OtherDisplayError, here);
            return;
        }
        request.display = here;
        emit channel_->Requested(request);
    }

    BusChannel* channel_;
};

BusChannel::BusChannel(const QString& identity, QObject* parent)
    : QObject(parent), address_(PlayersSessionBusAddress()),
      bus_(ConnectToBus(address_, ConnectionName)), name_(BusName(identity)) {
    if (!bus_ || identity.isEmpty())
        return;
    QDBusConnectionInterface* daemon = bus_->interface();
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        daemon->registerService(name_, QDBusConnectionInterface::DontQueueService,
                                QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid())
        return; // a bus that refuses names of ours is no place to meet
    if (reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        claim_ = Claim::Taken;
        return;
    }
    claim_ = Claim::Owned;
    // At once, so a start that comes while this table is being built waits for it rather than
    // taking it for one that is going.
    application_ = new Application(this);
    bus_->registerObject(ObjectPath(name_), application_, QDBusConnection::ExportScriptableSlots);
}

BusChannel::~BusChannel() {
    if (claim_ == Claim::Owned) {
        Close();
        bus_->interface()->unregisterService(name_);
    }
}

void BusChannel::Close() {
    if (application_ == nullptr)
        return;
    bus_->unregisterObject(ObjectPath(name_));
    delete application_;
    application_ = nullptr;
}

ForwardReply BusChannel::Ask(const ForwardRequest& request) const {
    if (claim_ != Claim::Taken)
        return {ForwardAnswer::Ending, {}};
    QDBusConnection bus = *bus_;
    return AskOn(bus, name_, request);
}

ForwardReply BusChannel::AskAt(const QString& address, const QString& identity,
                               const ForwardRequest& request) {
    // A note names only a local socket: other kinds of address could run a program.
    const bool local =
        !address.contains(u';') && (address.startsWith(QLatin1String("unix:path=")) ||
                                    address.startsWith(QLatin1String("unix:abstract=")));
    std::optional<QDBusConnection> bus =
        local ? ConnectToBus(address, NotedConnectionName) : std::nullopt;
    const QString name = BusName(identity);
    if (!bus || !bus->interface()->isServiceRegistered(name).value())
        return {ForwardAnswer::NoTable, {}};
    return AskOn(*bus, name, request);
}

bool BusChannel::WaitUntilFree(int ms) const {
    if (!bus_)
        return true;
    const QDeadlineTimer deadline(ms);
    for (;;) {
        const QDBusReply<bool> held = bus_->interface()->isServiceRegistered(name_);
        if (!held.isValid() || !held.value())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

#include "BusChannel.moc"
