#include "ui/copies/CopyChannel.h"

#include "ui/copies/DisplayName.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Anything longer is not a request of ours.
constexpr qsizetype RequestLimit = 8192;
// A second start waits for the table's answer no longer than this.
constexpr int ExchangeLimitMs = 3000;
// Nor for a table to listen at all, when nothing of the player's is on any name: a table that
// took its locks listens within moments.
constexpr int NobodyLimitMs = 300;
// A caller has this long to make its request: a start sends it as soon as it is connected.
constexpr int CallerLimitMs = 1000;
// Callers served at once; more are refused. Each holds one descriptor.
constexpr int CallerLimit = 4;
// Connections taken from the queue in one go, so a flood never keeps the window from its
// own events.
constexpr int AcceptsPerTurn = 64;
// How long a listener out of descriptors, or without a name, waits before trying again.
constexpr int PauseMs = 500;

QByteArray Field(const char* name, const QByteArray& value) {
    return QByteArray(name) + ' ' + value.toPercentEncoding() + '\n';
}

QByteArray Encode(const ForwardRequest& request) {
    return "huszonegy-forward 1\n" + Field("display", request.display.toUtf8()) +
           Field("wayland", request.waylandSocket.toUtf8()) +
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
        else if (name == "wayland")
            request.waylandSocket = QString::fromUtf8(value);
        else if (name == "startup-id")
            request.startupId = value;
        else if (name == "token")
            request.activationToken = value;
    }
    return request;
}

std::optional<ForwardReply> DecodeReply(const QByteArray& line) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 2 || (words[0] != "forwarded" && words[0] != "other-display"))
        return std::nullopt;
    return ForwardReply{words[0] == "forwarded" ? ForwardAnswer::Forwarded
                                                : ForwardAnswer::OtherDisplay,
                        QString::fromUtf8(QByteArray::fromPercentEncoding(words[1]))};
}

// Waits for `events` on `fd` until `deadline`; false when it passed or the wait failed.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int result = ::poll(&entry, 1, int(std::max<qint64>(0, deadline.remainingTime())));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

// One exchange on a connection to a copy of the player's: the request out, the answer's line
// back. Nothing when the copy closed without answering (it was busy) or let the time pass.
std::optional<ForwardReply> Exchange(int fd, const ForwardRequest& request,
                                     const QDeadlineTimer& deadline) {
    const QByteArray bytes = Encode(request);
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n =
            ::send(fd, bytes.constData() + sent, std::size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            return std::nullopt;
        else if (n < 0 && errno == EAGAIN && !WaitFor(fd, POLLOUT, deadline))
            return std::nullopt;
    }
    QByteArray reply;
    while (!reply.contains('\n') && reply.size() <= RequestLimit) {
        if (!WaitFor(fd, POLLIN, deadline))
            return std::nullopt;
        char buffer[1024];
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            return std::nullopt;
        if (n > 0)
            reply.append(buffer, n);
    }
    const qsizetype end = reply.indexOf('\n');
    return end < 0 ? std::nullopt : DecodeReply(reply.left(end));
}

} // namespace

QByteArray ChannelName(const QString& identity) {
    return "huszonegy-" + QByteArray::number(::geteuid()) + '-' + identity.toLatin1();
}

// One caller being served: its request read within the caller's limit, the answer written,
// and its descriptor closed at once.
class ForwardListener::Caller : public QObject {
public:
    Caller(OwnedFd fd, ForwardListener* listener)
        : QObject(listener), listener_(listener), fd_(std::move(fd)),
          notifier_(new QSocketNotifier(fd_.Get(), QSocketNotifier::Read, this)) {
        ++listener_->callers_;
        connect(notifier_, &QSocketNotifier::activated, this, &Caller::Read);
        QTimer::singleShot(CallerLimitMs, this, &Caller::Finish);
    }

private:
    void Read() {
        char buffer[1024];
        const ssize_t n = ::recv(
            fd_.Get(), buffer,
            std::size_t(std::min<qsizetype>(sizeof(buffer), RequestLimit + 1 - received_.size())),
            0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n <= 0)
            return Finish();
        received_.append(buffer, n);
        const qsizetype end = received_.indexOf("\n\n");
        if (end < 0 && received_.size() <= RequestLimit)
            return; // more to come
        const std::optional<ForwardRequest> request =
            end < 0 ? std::nullopt : Decode(received_.left(end));
        if (!request)
            return Finish();
        const QString here = OwnDisplay();
        const bool same = OnOwnScreen(request->display, request->waylandSocket);
        // A few dozen bytes into an empty socket: they fit, and a caller that does not read
        // them loses only its own answer.
        const QByteArray answer =
            (same ? "forwarded " : "other-display ") + here.toUtf8().toPercentEncoding() + '\n';
        (void)::send(fd_.Get(), answer.constData(), std::size_t(answer.size()),
                     MSG_NOSIGNAL | MSG_DONTWAIT);
        ForwardListener* listener = listener_;
        Finish();
        if (same)
            emit listener->Requested(*request);
    }

    void Finish() {
        if (!fd_.Valid())
            return;
        notifier_->setEnabled(false);
        fd_ = OwnedFd();
        --listener_->callers_;
        deleteLater();
    }

    ForwardListener* listener_;
    OwnedFd fd_;
    QSocketNotifier* notifier_;
    QByteArray received_;
};

ForwardListener::ForwardListener(const QByteArray& channel, QObject* parent)
    : QObject(parent), channel_(channel), retry_(new QTimer(this)) {
    retry_->setSingleShot(true);
    connect(retry_, &QTimer::timeout, this, [this] {
        if (socket_.Valid())
            notifier_->setEnabled(true);
        else
            Listen();
    });
    Listen();
}

ForwardListener::~ForwardListener() {
    // The callers first: each counts itself out of this listener. A caller has no meta-object
    // of its own, so only the C++ type tells it from the listener's timer and notifier.
    const QObjectList children = this->children();
    for (QObject* child : children)
        delete dynamic_cast<Caller*>(child);
}

void ForwardListener::Listen() {
    for (int slot = 0; slot < ChannelSlots && !socket_.Valid(); ++slot)
        socket_ = ListenOn(channel_, slot);
    if (!socket_.Valid()) {
        // Every name is held (another user's program, or a copy still ending): later again.
        PauseAndRetry(PauseMs);
        return;
    }
    notifier_ = new QSocketNotifier(socket_.Get(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ForwardListener::Accept);
}

void ForwardListener::Accept() {
    for (int turn = 0; turn < AcceptsPerTurn; ++turn) {
        OwnedFd caller(::accept4(socket_.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!caller.Valid()) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EAGAIN)
                return;
            if (errno == EMFILE || errno == ENFILE || errno == ENOMEM || errno == ENOBUFS) {
                // The waiting connection stays queued and would wake us at once again.
                notifier_->setEnabled(false);
                PauseAndRetry(PauseMs);
                return;
            }
            // The socket itself failed: a new one.
            delete notifier_;
            notifier_ = nullptr;
            socket_ = OwnedFd();
            PauseAndRetry(PauseMs);
            return;
        }
        // Beyond the few served at once, and any other user's program: closed at once.
        if (callers_ < CallerLimit && PeerIsPlayer(caller.Get()))
            new Caller(std::move(caller), this);
    }
}

void ForwardListener::PauseAndRetry(int ms) {
    retry_->start(ms);
}

ForwardReply AskRunningCopy(const QByteArray& channel, const ForwardRequest& request) {
    const QDeadlineTimer deadline(ExchangeLimitMs);
    const QDeadlineTimer nobodyDeadline(NobodyLimitMs);
    bool listened = false; // something of the player's listened on a name of the channel
    bool foreign = false;  // another user's program held a name
    do {
        for (int slot = 0; slot < ChannelSlots; ++slot) {
            OwnedFd connection;
            switch (ConnectTo(channel, slot, connection)) {
            case Reach::Nobody:
                continue;
            case Reach::Busy:
            case Reach::Failed:
                listened = true;
                continue;
            case Reach::Connected:
                break;
            }
            if (!PeerIsPlayer(connection.Get())) {
                foreign = true;
                continue;
            }
            listened = true;
            if (const std::optional<ForwardReply> reply =
                    Exchange(connection.Get(), request, deadline))
                return *reply;
        }
        // Busy with others, or not yet listening: soon again.
        QThread::msleep(std::min<qint64>(100, std::max<qint64>(0, deadline.remainingTime())));
    } while (!deadline.hasExpired() && (listened || !nobodyDeadline.hasExpired()));
    if (listened)
        return {ForwardAnswer::NoAnswer, {}};
    return {foreign ? ForwardAnswer::Foreign : ForwardAnswer::NoTable, {}};
}
