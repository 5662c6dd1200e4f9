#pragma once
// Ending without a close: the desktop session ending, SIGTERM, SIGHUP or SIGINT. The game saves
// then as it does at a close, so the deals of the run are not lost at log-off. The same signal
// pipe carries SIGUSR1, a second start's request that this copy come forward.

#include <QObject>

#include <functional>

class QSocketNotifier;

class SessionEnd : public QObject {
    Q_OBJECT
public:
    // `onEnd` runs in the user-interface thread, once per request to end. A signal then ends
    // the event loop; the session manager ends the program itself when it is ready.
    // `onForward` runs in the same thread at each SIGUSR1.
    SessionEnd(std::function<void()> onEnd, std::function<void()> onForward, QObject* parent);
    ~SessionEnd() override;

    // True once the program is being ended rather than closed by the player: the session
    // manager's quit or a signal. A close then must save quietly and never refuse.
    bool Ending() const { return ending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadSignals();

    std::function<void()> onEnd_;
    std::function<void()> onForward_;
    bool ending_ = false;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    int previousPipe_ = -1;
};
