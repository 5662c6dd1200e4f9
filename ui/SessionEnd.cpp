#include "ui/SessionEnd.h"

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

void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const int fd = signalPipeWriteEnd;
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

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
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { RunGuarded(onEnd_); });
    }
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without the pipe the signals keep their default meaning
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadSignals(); });
    previousPipe_ = signalPipeWriteEnd;
    signalPipeWriteEnd = pipe_[1];
    SetHandler(SIGTERM, OnTerminationSignal);
    SetHandler(SIGHUP, OnTerminationSignal);
}

SessionEnd::~SessionEnd() {
    if (pipe_[0] < 0)
        return;
    signalPipeWriteEnd = previousPipe_;
    if (previousPipe_ < 0) {
        SetHandler(SIGTERM, SIG_DFL);
        SetHandler(SIGHUP, SIG_DFL);
    }
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void SessionEnd::ReadSignals() {
    char bytes[16];
    bool any = false;
    while (::read(pipe_[0], bytes, sizeof bytes) > 0)
        any = true;
    if (!any)
        return;
    RunGuarded(onEnd_);
    // Leaves every running event loop, modal ones too, without closing the windows: the
    // close would save again and could show a box nobody is left to answer. With no loop
    // running there is nothing to leave, and asking anyway would make every later loop
    // return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
