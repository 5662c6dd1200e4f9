#pragma once
// Ending without a close: the desktop session ending, SIGTERM, SIGHUP or SIGINT. The game saves
// then as it does at a close, so the deals of the run are not lost at log-off.

#include <QObject>

#include <functional>

class QSocketNotifier;

class SessionEnd : public QObject {
    Q_OBJECT
public:
    // `onEnd` runs in the user-interface thread, once per request to end. A signal then ends
    // the event loop; the session manager ends the program itself when it is ready.
    SessionEnd(std::function<void()> onEnd, QObject* parent);
    ~SessionEnd() override;

    // True once the program is being ended rather than closed by the player: the session
    // manager's quit or a signal. A close then must save quietly and never refuse.
    bool Ending() const { return ending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadSignals();

    std::function<void()> onEnd_;
    bool ending_ = false;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    int previousPipe_ = -1;
};
