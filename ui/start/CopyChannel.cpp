#include "ui/start/CopyChannel.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// Anything longer is not a request of ours.
constexpr qsizetype RequestLimit = 8192;
// Neither side of an exchange waits for the other longer than this.
constexpr int ExchangeLimitMs = 3000;

QByteArray Field(const char* name, const QByteArray& value) {
    return QByteArray(name) + ' ' + value.toPercentEncoding() + '\n';
}

QByteArray Encode(const ForwardRequest& request) {
    return "huszonegy-forward 1\n" + Field("display", request.display.toUtf8()) +
           Field("startup-id", request.startupId) + Field("token", request.activationToken) + '\n';
}

std::optional<ForwardRequest> Decode(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.first() != "huszonegy-forward 1")
        return std::nullopt;
    ForwardRequest request;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype blank = line.indexOf(' ');
        const QByteArray name = line.left(blank);
        const QByteArray value = QByteArray::fromPercentEncoding(line.mid(blank + 1));
        if (name == "display")
            request.display = QString::fromUtf8(value);
        else if (name == "startup-id")
            request.startupId = value;
        else if (name == "token")
            request.activationToken = value;
    }
    return request;
}

// "host:display.screen" and "host:display" are one display.
QString WithoutScreen(QString display) {
    const qsizetype colon = display.lastIndexOf(u':');
    const qsizetype dot = display.indexOf(u'.', colon);
    if (colon >= 0 && dot > colon)
        display.truncate(dot);
    return display;
}

} // namespace

QString OwnDisplay() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return platform + u' ' + WithoutScreen(qEnvironmentVariable("DISPLAY"));
    if (platform.startsWith(QLatin1String("wayland")))
        return platform + u' ' +
               qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    return platform;
}

ForwardListener::ForwardListener(const QString& socketPath, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    // Only the copy holding the locks gets here, so whatever socket lies there is a dead copy's.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath);
    server_->listen(socketPath);
    connect(server_, &QLocalServer::newConnection, this, &ForwardListener::Serve);
}

void ForwardListener::Serve() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        // A caller that never finishes its request is dropped, not waited for.
        QTimer::singleShot(ExchangeLimitMs, socket, &QLocalSocket::abort);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, received] {
            *received += socket->read(RequestLimit + 1 - received->size());
            const qsizetype end = received->indexOf("\n\n");
            if (end < 0 && received->size() <= RequestLimit)
                return; // more to come
            const std::optional<ForwardRequest> request =
                end < 0 ? std::nullopt : Decode(received->left(end));
            if (!request) {
                socket->abort();
                socket->deleteLater();
                return;
            }
            const QString here = OwnDisplay();
            const bool same = request->display == here;
            socket->write((same ? "forwarded " : "other-display ") +
                          here.toUtf8().toPercentEncoding() + '\n');
            socket->disconnectFromServer(); // once the answer is out
            if (same)
                emit Requested(*request);
        });
    }
}

ForwardReply AskRunningCopy(const QString& socketPath, const ForwardRequest& request) {
    const QDeadlineTimer deadline(ExchangeLimitMs);
    const auto left = [&] { return int(std::max<qint64>(0, deadline.remainingTime())); };
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(left()))
        return {};
    socket.write(Encode(request));
    if (!socket.waitForBytesWritten(left()))
        return {};
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() <= RequestLimit && socket.waitForReadyRead(left()))
        reply += socket.readAll();
    reply += socket.readAll();
    const qsizetype end = reply.indexOf('\n');
    if (end < 0)
        return {};
    const QList<QByteArray> words = reply.left(end).split(' ');
    if (words.size() != 2 || (words[0] != "forwarded" && words[0] != "other-display"))
        return {};
    return {words[0] == "forwarded" ? ForwardAnswer::Forwarded : ForwardAnswer::OtherDisplay,
            QString::fromUtf8(QByteArray::fromPercentEncoding(words[1]))};
}
