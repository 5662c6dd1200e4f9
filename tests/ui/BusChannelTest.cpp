// The table's name on a private session bus: a start on the same display brings it forward with
// the launch's proofs, one from another display is told where it is, one that comes while the
// table is going learns so at once, and a note naming anything but a local bus is never used.
#include "ui/copies/BusChannel.h"
#include "ui/copies/DisplayName.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <future>
#include <ostream>

namespace {

const QString Identity = QStringLiteral("0123456789abcdef0123456789abcdef");
constexpr char Compositor[] = "/run/user/1000/wayland-0";

struct AskCase {
    const char* name;
    friend void PrintTo(const AskCase& c, std::ostream* os) { *os << c.name; }
    QString address; // empty: the test's bus; %1 is a scratch folder
    QString display; // empty: this program's own
    QString waylandSocket;
    bool tableGoing;
    ForwardAnswer expected;
};

class AskedOnTheBus : public testing::TestWithParam<AskCase> {
protected:
    void SetUp() override {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            GTEST_SKIP() << "no dbus-daemon";
        address_ = QStringLiteral("unix:path=") + folder_.filePath(QStringLiteral("bus"));
        bus_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                            QStringLiteral("--address=") + address_});
        ASSERT_TRUE(bus_.waitForStarted());
        for (int tries = 0; tries < 100 && !QFile::exists(folder_.filePath("bus")); ++tries)
            QThread::msleep(50);
        saved_ = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
        qputenv("WAYLAND_DISPLAY", Compositor); // the table's session
    }
    void TearDown() override {
        if (bus_.state() == QProcess::NotRunning)
            return;
        qputenv("DBUS_SESSION_BUS_ADDRESS", saved_);
        qunsetenv("WAYLAND_DISPLAY");
        bus_.kill();
        bus_.waitForFinished();
    }

    QTemporaryDir folder_;
    QProcess bus_;
    QString address_;
    QByteArray saved_;
};

TEST_P(AskedOnTheBus, AnswersAsTheTableStands) {
    const AskCase& c = GetParam();
    std::vector<ForwardRequest> requested;
    BusChannel table(Identity);
    ASSERT_EQ(table.Status(), BusChannel::Claim::Owned);
    QObject::connect(&table, &BusChannel::Requested,
                     [&](const ForwardRequest& request) { requested.push_back(request); });
    if (c.tableGoing)
        table.Close();
    const ForwardRequest request{c.display.isEmpty() ? OwnDisplay() : c.display, c.waylandSocket,
                                 "launcher_TIME42", "token-7"};
    const QString address = c.address.isEmpty() ? address_ : c.address.arg(folder_.path());
    // The start waits on its own thread, as a second process would, while the table answers.
    auto reply = std::async(std::launch::async,
                            [&] { return BusChannel::AskAt(address, Identity, request); });
    while (reply.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    const ForwardReply answer = reply.get();
    EXPECT_EQ(answer.answer, c.expected);
    if (c.expected == ForwardAnswer::OtherDisplay) {
        EXPECT_EQ(answer.display, OwnDisplay()) << "the start names where the table is";
    }
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("ran")))) << "a noted program ran";
    ASSERT_EQ(requested.size(), c.expected == ForwardAnswer::Forwarded ? 1U : 0U);
    if (!requested.empty()) {
        EXPECT_EQ(requested[0].startupId, "launcher_TIME42");
        EXPECT_EQ(requested[0].activationToken, "token-7");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(BusChannel, AskedOnTheBus, testing::Values(
    AskCase{"SameDisplay", {}, {}, {}, false, ForwardAnswer::Forwarded},
    AskCase{"OtherDisplay", {}, QStringLiteral("xcb :97"), {}, false, ForwardAnswer::OtherDisplay},
    AskCase{"ThroughTheSessionsXwayland", {}, QStringLiteral("xcb :97"), Compositor, false,
            ForwardAnswer::Forwarded},
    AskCase{"TableGoing", {}, {}, {}, true, ForwardAnswer::Ending},
    AskCase{"NoSuchBus", QStringLiteral("unix:path=/nonexistent/bus"), {}, {}, false,
            ForwardAnswer::NoTable},
    AskCase{"NotALocalBus", QStringLiteral("unixexec:path=/usr/bin/touch,argv1=%1/ran"), {}, {},
            false, ForwardAnswer::NoTable}),
    [](const testing::TestParamInfo<AskCase>& info) { return info.param.name; });
// clang-format on

} // namespace
