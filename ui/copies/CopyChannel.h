#pragma once
// How a second start reaches the copy that already plays on its results file: a request over
// the running copy's private socket, carrying what the desktop needs to let the table come
// forward, and an answer, so the start knows whether a table came and where.

#include <QObject>
#include <QString>

#include "ui/copies/ChannelSocket.h"

class QSocketNotifier;
class QTimer;

struct ForwardRequest {
    QString display;            // where the start was made, as OwnDisplay() names it
    QString waylandSocket;      // its Wayland session, as OwnWaylandSocket() names it
    QByteArray startupId;       // the launcher's DESKTOP_STARTUP_ID (X11)
    QByteArray activationToken; // the launcher's XDG_ACTIVATION_TOKEN (Wayland)
};

// The channel's name for one results file, from its identity (see CopyPlaces) and the user.
QByteArray ChannelName(const QString& identity);

// The running copy's side: listens on `channel` and hands on every request made on its own
// display; a request from elsewhere is answered with where the table is, and nothing more.
// It never holds more than a few callers, each for a moment: the rest are refused at once, so
// no burst of connections can take the descriptors the window itself needs. It never stops
// listening for good: out of descriptors it pauses, and without a name it tries again.
class ForwardListener : public QObject {
    Q_OBJECT
public:
    ForwardListener(const QByteArray& channel, QObject* parent);
    ~ForwardListener() override;

signals:
    void Requested(const ForwardRequest& request);

private:
    class Caller;

    void Listen();
    void Accept();
    void PauseAndRetry(int ms);

    QByteArray channel_;
    OwnedFd socket_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* retry_ = nullptr;
    int callers_ = 0;
};

enum class ForwardAnswer {
    Forwarded,    // the table came forward
    OtherDisplay, // the table is on another display
    NoAnswer,     // a table of the player's listens but does not answer
    Ending,       // the table no longer answers: it is going, and its locks with it
    NoTable,      // nothing of the player's listens: another program holds the results
    Unreachable,  // the game holds the results, but in a sandbox or login out of this one's reach
    Foreign,      // another user's program holds every name of the channel
};

struct ForwardReply {
    ForwardAnswer answer = ForwardAnswer::NoAnswer;
    QString display; // where the running copy's table is, when it answered
};

// Asks the copy listening on `channel` to bring its table forward, waiting a few seconds at
// most for its answer, and asking again while it is busy with others. Where nothing of the
// player's listens, it says so (NoTable) within a moment.
ForwardReply AskRunningCopy(const QByteArray& channel, const ForwardRequest& request);
