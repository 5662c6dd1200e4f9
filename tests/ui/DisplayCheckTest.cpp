// The start-up's decision whether a display is there, for each way of asking for one.
#include "ui/start/DisplayCheck.h"
#include "ui/copies/DisplayName.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const DisplayVariables[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY",
                                        "WAYLAND_SOCKET", "XDG_RUNTIME_DIR"};

// An X display number nobody serves on this machine.
std::string UnservedX11Display() {
    for (int number = 999; number > 100; --number) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        struct stat info;
        if (::stat(socket.c_str(), &info) != 0 && ::stat(lock.c_str(), &info) != 0)
            return ":" + std::to_string(number);
    }
    return ":999";
}

// A listening Unix socket standing in for a Wayland compositor.
class FakeCompositor {
public:
    explicit FakeCompositor(const std::string& path) {
        socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        listening_ = socket_ >= 0 &&
                     ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     ::listen(socket_, 4) == 0;
    }
    ~FakeCompositor() {
        if (socket_ >= 0)
            ::close(socket_);
    }
    bool Listening() const { return listening_; }

private:
    int socket_ = -1;
    bool listening_ = false;
};

struct DisplayCase {
    const char* name;
    std::optional<std::string> platform; // QT_QPA_PLATFORM, unset when empty
    std::vector<std::string> arguments;  // after the program's name; "unserved" is an X display
    bool unservedX11;                    // DISPLAY names a display nobody serves
    const char* waylandDisplay;          // "live" is the fake compositor's socket
    bool waylandSocket;                  // WAYLAND_SOCKET is set
    bool expected;
};

class DisplayDecision : public ::testing::TestWithParam<DisplayCase> {
protected:
    void SetUp() override {
        for (const char* variable : DisplayVariables) {
            const char* value = std::getenv(variable);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(variable);
        }
        ASSERT_TRUE(runtime_.isValid());
        ::setenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override {
        for (std::size_t i = 0; i < saved_.size(); ++i) {
            if (saved_[i])
                ::setenv(DisplayVariables[i], saved_[i]->c_str(), 1);
            else
                ::unsetenv(DisplayVariables[i]);
        }
    }
    std::string RuntimePath(const char* name) const {
        return runtime_.path().toStdString() + "/" + name;
    }

private:
    QTemporaryDir runtime_;
    std::vector<std::optional<std::string>> saved_;
};

TEST_P(DisplayDecision, DecidesAsQtWouldConnect) {
    const DisplayCase& c = GetParam();
    FakeCompositor compositor(RuntimePath("live"));
    ASSERT_TRUE(compositor.Listening());
    if (c.platform)
        ::setenv("QT_QPA_PLATFORM", c.platform->c_str(), 1);
    if (c.unservedX11)
        ::setenv("DISPLAY", UnservedX11Display().c_str(), 1);
    if (c.waylandDisplay) {
        const std::string name =
            std::strcmp(c.waylandDisplay, "absolute") == 0 ? RuntimePath("live") : c.waylandDisplay;
        ::setenv("WAYLAND_DISPLAY", name.c_str(), 1);
    }
    if (c.waylandSocket)
        ::setenv("WAYLAND_SOCKET", "3", 1);

    std::vector<std::string> arguments{"huszonegy"};
    for (const std::string& argument : c.arguments)
        arguments.push_back(argument == "unserved" ? UnservedX11Display() : argument);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    EXPECT_EQ(DisplayCheck(static_cast<int>(arguments.size()), argv.data()).Available(),
              c.expected);
}

const DisplayCase Cases[] = {
    {"NothingAtAll", std::nullopt, {}, false, nullptr, false, false},
    {"UnservedX11", std::nullopt, {}, true, nullptr, false, false},
    {"UnservedX11AndDeadWayland", std::nullopt, {}, true, "gone", false, false},
    {"WaylandOnly", std::nullopt, {}, false, "live", false, true},
    {"WaylandByAbsolutePath", std::nullopt, {}, false, "absolute", false, true},
    {"HandedWaylandSocket", std::nullopt, {}, false, nullptr, true, true},
    {"OffscreenNeedsNoDisplay", "offscreen", {}, false, nullptr, false, true},
    {"MinimalNeedsNoDisplay", "minimal", {}, false, nullptr, false, true},
    {"XcbWithoutDisplay", "xcb", {}, false, "live", false, false},
    {"XcbWithOptionsUnserved", "xcb:nograb", {}, true, nullptr, false, false},
    {"WaylandRequestedButGone", "wayland", {}, true, "gone", false, false},
    {"WaylandEglRequestedAndLive", "wayland-egl", {}, false, "live", false, true},
    {"FallbackListAllDead", "wayland;xcb", {}, true, "gone", false, false},
    {"FallbackListReachesOffscreen", "xcb;offscreen", {}, true, nullptr, false, true},
    {"PlatformArgumentWins", "xcb", {"-platform", "offscreen"}, true, nullptr, false, true},
    {"DoubleDashPlatformArgument", "xcb", {"--platform", "offscreen"}, true, nullptr, false, true},
    {"DisplayArgumentUnserved", "xcb", {"-display", "unserved"}, false, nullptr, false, false},
    {"OtherArgumentsIgnored", "offscreen", {"--fullscreen", "x"}, false, nullptr, false, true},
};

INSTANTIATE_TEST_SUITE_P(Platforms, DisplayDecision, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// A second start's box names the other screen as a player knows it, without the platform's word
// or the folder of a Wayland socket.
TEST(RunningElsewhere, NamesTheDisplayAsAPlayerKnowsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"xcb :245", ":245"},
        {"wayland /run/user/1000/wayland-1", "wayland-1"},
        {"wayland-egl wayland-0", "wayland-0"},
        {"offscreen", ""},
        {"", ""}};
    for (const auto& [display, name] : cases)
        EXPECT_EQ(ShortDisplayName(display).toStdString(), name) << display;
    const QString text = RunningElsewhereText(QStringLiteral("xcb :245"));
    EXPECT_TRUE(text.contains(QStringLiteral("bejelentkezésben (:245)"))) << text.toStdString();
}
