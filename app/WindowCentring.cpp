#include "app/WindowCentring.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Window managers give every dialog the same frame, so the one seen last is the best guess
// for the next window before its own frame is drawn.
QMargins& LastFrameSeen() {
    static QMargins margins;
    return margins;
}

// How long after showing a window its frame may still arrive, and how often to look.
constexpr int FramePollMs = 10;
constexpr int FramePollTries = 150;
// How long a window that is not activated waits before its frame is looked for.
constexpr int FrameWaitMs = 300;

// The client position that puts the middle of a frame with `margins` at the middle of `area`.
QPoint CentredClientPosition(const QRect& area, const QSize& client, const QMargins& margins) {
    const int frameWidth = client.width() + margins.left() + margins.right();
    const int frameHeight = client.height() + margins.top() + margins.bottom();
    const int left = area.left() + (area.width() - frameWidth) / 2;
    const int top = area.top() + (area.height() - frameHeight) / 2;
    return {left + margins.left(), top + margins.top()};
}

// Asked of the native window each time: the widget keeps the frame it was told of at its
// last move, which may be from before the window manager drew one.
QMargins FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

class Centring : public QObject {
public:
    Centring(QWidget& window, std::function<QRect(QSize)> area)
        : QObject(&window), window_(window), area_(std::move(area)) {
        window.installEventFilter(this);
        poll_.setInterval(FramePollMs);
        connect(&poll_, &QTimer::timeout, this, [this] { LookForFrame(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_)
            return false;
        if (event->type() == QEvent::Show)
            Place();
        // A box settles its size while it is being shown, and under a window manager the new
        // size may come back only after the frame: it stays centred whenever it comes.
        else if (event->type() == QEvent::Resize && window_.isVisible())
            PlaceClient(poll_.isActive() ? KnownFrame() : LastFrameSeen());
        // Asked too early, Qt takes the frame for none until the window manager next moves
        // the window; by the time the window is active the frame has been drawn.
        else if (event->type() == QEvent::WindowActivate && triesLeft_ > 0 && !poll_.isActive())
            poll_.start();
        else if (event->type() == QEvent::Hide)
            poll_.stop();
        return false;
    }

private:
    void Place() {
        PlaceClient(LastFrameSeen());
        triesLeft_ = FramePollTries;
        // Without a window manager nothing activates the window: it is looked at a little
        // later all the same.
        QTimer::singleShot(FrameWaitMs, this, [this] {
            if (triesLeft_ > 0 && !poll_.isActive() && window_.isVisible())
                poll_.start();
        });
    }

    QMargins KnownFrame() const {
        const QMargins frame = FrameOf(window_);
        return frame.isNull() ? LastFrameSeen() : frame;
    }

    // The client area is placed, not the frame: Qt moves a window by its frame only once it
    // knows the frame.
    void PlaceClient(const QMargins& frame) {
        const QRect target = area_(window_.size().grownBy(frame));
        const QRect client(CentredClientPosition(target, window_.size(), frame), window_.size());
        if (window_.geometry() != client)
            window_.setGeometry(client);
    }

    void LookForFrame() {
        const QMargins frame = FrameOf(window_);
        if (frame.isNull()) {
            if (--triesLeft_ <= 0)
                poll_.stop(); // no window manager: the client area is the frame
            return;
        }
        poll_.stop();
        triesLeft_ = 0;
        LastFrameSeen() = frame;
        PlaceClient(frame);
    }

    QWidget& window_;
    std::function<QRect(QSize)> area_;
    QTimer poll_;
    int triesLeft_ = 0;
};

// The program's table: the active window, or else the first visible window of the program
// other than `except`. Null before the table is up (and in tests that have none).
QWidget* ProgramTable(const QWidget* except) {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != except)
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != except && window->isVisible() && window->isWindow())
            return window;
    }
    return nullptr;
}

} // namespace

QRect ScreenOfTable(const QWidget* except) {
    const QWidget* table = ProgramTable(except);
    const QScreen* screen = table != nullptr ? table->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

QRect AreaOfOwner(const QWidget* owner, const QWidget* except) {
    const QWidget* table = owner != nullptr ? owner->window() : ProgramTable(except);
    if (table != nullptr && table->isVisible())
        return table->frameGeometry();
    return ScreenOfTable(except);
}

void CentreWhenShown(QWidget& window, std::function<QRect(QSize frameSize)> area) {
    new Centring(window, std::move(area));
}
