// Starts a program and reports how long it took to map its first top-level window.
//
// Listening for the map on the root window costs the program being measured nothing and
// catches the moment exactly, where polling the window list (xdotool search --sync looks
// twice a second) would round every start up to the next look.
//
// Usage: startup_map_probe RESULT_FILE SECONDS PROGRAM [ARGUMENT...]
// Writes "<pid> <milliseconds>" to RESULT_FILE and leaves the program running; exits 1
// when the program ends or SECONDS pass before it maps a window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

// The process that owns a window, or 0 when the window does not say.
long WindowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) == Success &&
        data != nullptr && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

bool ChildEnded(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == child;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RESULT_FILE SECONDS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const char* resultFile = argv[1];
    const auto limit = std::chrono::seconds(std::atoi(argv[2]));
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }

    const int connection = ConnectionNumber(display);
    while (Clock::now() - start < limit) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect) {
                continue;
            }
            // Nothing else runs on the private display, so a window that does not name its
            // process is taken as the program's.
            const long owner = WindowPid(display, event.xmap.window);
            if (owner != 0 && owner != child) {
                continue;
            }
            const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start);
            std::ofstream(resultFile) << child << ' ' << elapsed.count() << '\n';
            return 0;
        }
        if (ChildEnded(child)) {
            std::fprintf(stderr, "%s ended before mapping a window\n", argv[3]);
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval wait{0, 100000};
        if (select(connection + 1, &readable, nullptr, nullptr, &wait) < 0 && errno != EINTR) {
            std::perror("select");
            return 2;
        }
    }
    std::fprintf(stderr, "%s mapped no window in %s s\n", argv[3], argv[2]);
    kill(child, SIGKILL);
    return 1;
}
