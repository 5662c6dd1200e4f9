#include "ui/start/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Qt takes "-name value" and "--name value" alike.
std::string Argument(int argc, char** argv, std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == name)
            return argv[i + 1];
    }
    return {};
}

// The compositor's socket, found the way the Wayland client library finds it.
bool WaylandAnswers() {
    if (!Environment("WAYLAND_SOCKET").empty())
        return true; // a connection handed over by whoever started the game
    std::string name = Environment("WAYLAND_DISPLAY");
    if (name.empty())
        name = "wayland-0";
    std::string path = name;
    if (name.front() != '/') {
        const std::string runtime = Environment("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return false;
        path = runtime + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool connected =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return connected;
}

} // namespace

DisplayCheck::DisplayCheck(int argc, char** argv) {
    std::string platforms = Argument(argc, argv, "-platform");
    if (platforms.empty())
        platforms = Environment("QT_QPA_PLATFORM");
    if (platforms.empty())
        platforms = "xcb;wayland";
    std::string x11Display = Argument(argc, argv, "-display");
    if (x11Display.empty())
        x11Display = Environment("DISPLAY");

    std::string_view rest = platforms;
    while (!available_ && !rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string_view platform = rest.substr(0, end);
        available_ = !platform.empty() && PlatformAnswers(platform, x11Display);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
}

DisplayCheck::~DisplayCheck() {
    if (x11_)
        xcb_disconnect(x11_);
}

bool DisplayCheck::PlatformAnswers(std::string_view platform, const std::string& x11Display) {
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name == "xcb")
        return X11Answers(x11Display);
    if (name.starts_with("wayland"))
        return WaylandAnswers();
    return true;
}

bool DisplayCheck::X11Answers(const std::string& display) {
    if (display.empty())
        return false;
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return false;
    }
    x11_ = connection;
    return true;
}

void ReportNoDisplay() {
    std::fputs("huszonegy: no display: the game needs an X11 or Wayland desktop session\n", stderr);
}
