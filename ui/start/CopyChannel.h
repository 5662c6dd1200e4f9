#pragma once
// How a second start reaches the copy that already plays on its results file: a request over
// the running copy's private socket, carrying what the desktop needs to let the table come
// forward, and an answer, so the start knows whether a table came and where.

#include <QObject>
#include <QString>

class QLocalServer;

struct ForwardRequest {
    QString display;            // where the start was made, as OwnDisplay() names it
    QByteArray startupId;       // the launcher's DESKTOP_STARTUP_ID (X11)
    QByteArray activationToken; // the launcher's XDG_ACTIVATION_TOKEN (Wayland)
};

// The display this program shows its windows on: the window system and its display name.
QString OwnDisplay();

// The running copy's side: listens on `socketPath` and hands on every request made on its own
// display; a request from elsewhere is answered with where the table is, and nothing more.
class ForwardListener : public QObject {
    Q_OBJECT
public:
    ForwardListener(const QString& socketPath, QObject* parent);

signals:
    void Requested(const ForwardRequest& request);

private:
    void Serve();

    QLocalServer* server_ = nullptr;
};

enum class ForwardAnswer { Forwarded, OtherDisplay, NoAnswer };

struct ForwardReply {
    ForwardAnswer answer = ForwardAnswer::NoAnswer;
    QString display; // where the running copy's table is, when it answered
};

// Asks the copy listening on `socketPath` to bring its table forward, waiting a few seconds at
// most for its answer.
ForwardReply AskRunningCopy(const QString& socketPath, const ForwardRequest& request);
