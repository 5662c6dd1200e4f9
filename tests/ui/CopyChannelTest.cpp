// The running table's channel out of descriptors and under a crowd of silent callers: it
// listens again, holds only a few of them, and a second start that comes meanwhile is answered.
#include "ui/copies/CopyChannel.h"
#include "ui/copies/DisplayName.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

#include <future>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

// The sanitizers' own checks open descriptors of their own: at the limit they take every
// object for unreadable, so there the listener is not run out of descriptors.
#ifdef __SANITIZE_ADDRESS__
constexpr bool RunOutOfDescriptors = false;
#else
constexpr bool RunOutOfDescriptors = true;
#endif

qsizetype OpenDescriptors() {
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System).size();
}

} // namespace

TEST(CopyChannel, ListensAgainHoldsAFewCallersAndStillAnswersAStart) {
    const QByteArray channel = "huszonegy-test-" + QByteArray::number(::getpid());
    ForwardListener listener(channel, nullptr);
    int forwarded = 0;
    QObject::connect(&listener, &ForwardListener::Requested, [&] { ++forwarded; });
    const qsizetype before = OpenDescriptors();
    std::vector<OwnedFd> silent(200);
    qsizetype connected = 0;
    for (OwnedFd& fd : silent) {
        connected += ConnectTo(channel, 0, fd) == Reach::Connected;
        QCoreApplication::processEvents();
    }
    EXPECT_GT(connected, 100);
    EXPECT_LE(OpenDescriptors() - before - connected, 4); // the callers it serves, no more
    OwnedFd first; // on the lowest free descriptor: the accept would need the next one
    ASSERT_EQ(ConnectTo(channel, 0, first), Reach::Connected);
    rlimit limit{}, full{};
    ::getrlimit(RLIMIT_NOFILE, &full);
    limit = {rlim_t(first.Get()) + 1, full.rlim_max};
    if (RunOutOfDescriptors)
        ::setrlimit(RLIMIT_NOFILE, &limit);
    QCoreApplication::processEvents();
    ::setrlimit(RLIMIT_NOFILE, &full);
    const ForwardRequest request{OwnDisplay(), {}, {}, {}};
    auto reply = std::async(std::launch::async, [&] { return AskRunningCopy(channel, request); });
    while (reply.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    EXPECT_EQ(reply.get().answer, ForwardAnswer::Forwarded);
    EXPECT_EQ(forwarded, 1);
}
