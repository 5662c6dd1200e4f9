#include "ui/start/SessionEnd.h"

#include "app/ErrorBox.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may do almost nothing: it writes one byte into this pipe and the event
// loop does the rest. Only the write end is shared with the handler.
volatile sig_atomic_t signalPipeWriteEnd = -1;

void OnSignal(int signalNumber) {
    const int savedErrno = errno;
    const int fd = signalPipeWriteEnd;
    if (fd >= 0) {
        const char byte = static_cast<char>(signalNumber);
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

// Ctrl+C in the terminal that started the game ends it like a polite kill: with a save.
constexpr int EndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

void SetHandler(int signalNumber, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

SessionEnd::SessionEnd(std::function<void()> onEnd, QObject* parent)
    : QObject(parent), onEnd_(std::move(onEnd)) {
    // A file-size limit would otherwise kill the program in the middle of a save, losing the
    // run without a word; ignored, the write fails and the save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { RunGuarded(onEnd_); });
        // The session manager ends the program with a quit, which closes every window.
        app->installEventFilter(this);
    }
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without the pipe the signals keep their default meaning
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this,
            [this] { RunGuarded([this] { ReadSignals(); }); });
    previousPipe_ = signalPipeWriteEnd;
    signalPipeWriteEnd = pipe_[1];
    for (const int signalNumber : EndingSignals)
        SetHandler(signalNumber, OnSignal);
}

SessionEnd::~SessionEnd() {
    if (pipe_[0] < 0)
        return;
    signalPipeWriteEnd = previousPipe_;
    if (previousPipe_ < 0) {
        for (const int signalNumber : EndingSignals)
            SetHandler(signalNumber, SIG_DFL);
    }
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
        ending_ = true;
    return QObject::eventFilter(watched, event);
}

void SessionEnd::ReadSignals() {
    char bytes[16];
    bool end = false;
    for (ssize_t count; (count = ::read(pipe_[0], bytes, sizeof bytes)) > 0;)
        end = true;
    if (!end || ending_)
        return;
    ending_ = true;
    // With no loop running there is nothing to leave, and asking anyway would make every
    // later loop return at once.
    if (QThread::currentThread()->loopLevel() == 0) {
        RunGuarded(onEnd_);
        return;
    }
    // Every running loop, modal ones too, is left without closing a window: a close would
    // ask what nobody is left to answer. An action a box interrupted then finishes its
    // bookkeeping (a settlement counts the win once its box is gone), and the save comes
    // as the last loop returns, so it never keeps half a deal.
    connect(
        QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
        [this] { RunGuarded(onEnd_); }, Qt::SingleShotConnection);
    QCoreApplication::exit(0);
}
