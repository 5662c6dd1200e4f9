// One running copy per results file: a second copy learns who holds the file, the holder's end
// frees it however it ends, and nothing but the player's own regular file serves as the lock.
#include "store/disk/RunningCopyLock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using State = RunningCopyLock::State;

// A process that takes the lock on `results`, says whether it got it, and waits to be killed.
pid_t HolderProcess(const QString& results, bool& held) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        const RunningCopyLock lock(results);
        const char answer = lock.Status() == State::Held ? 'y' : 'n';
        [[maybe_unused]] const ssize_t written = ::write(ready[1], &answer, 1);
        for (;;)
            ::pause();
    }
    char answer = 'n';
    held = child > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
    ::close(ready[0]);
    ::close(ready[1]);
    return child;
}

TEST(RunningCopyLock, ASecondCopyFindsTheHolderUntilItIsKilled) {
    QTemporaryDir folder;
    const QString results = folder.filePath(QStringLiteral("tavrik.ini"));
    bool held = false;
    const pid_t holder = HolderProcess(results, held);
    ASSERT_GT(holder, 0);
    ASSERT_TRUE(held);
    {
        const RunningCopyLock second(results);
        EXPECT_EQ(second.Status(), State::HeldElsewhere);
        EXPECT_EQ(second.Holder(), holder);
    }
    // kill -9 runs no clean-up at all; the system still drops the lock.
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    const RunningCopyLock next(results);
    EXPECT_EQ(next.Status(), State::Held);
}

TEST(RunningCopyLock, TwoResultsFilesRunSideBySide) {
    QTemporaryDir one, other;
    bool held = false;
    const pid_t holder = HolderProcess(one.filePath(QStringLiteral("tavrik.ini")), held);
    ASSERT_TRUE(held);
    const RunningCopyLock mine(other.filePath(QStringLiteral("tavrik.ini")));
    EXPECT_EQ(mine.Status(), State::Held);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
}

struct Planted {
    const char* name;
    friend void PrintTo(const Planted& p, std::ostream* os) { *os << p.name; }
    std::function<void(const QString& lock, const QString& folder)> plant;
};

class NotALockFile : public testing::TestWithParam<Planted> {};

TEST_P(NotALockFile, LeavesTheLockUnavailableAndTouchesNothing) {
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("tavrik.ini.lock"));
    GetParam().plant(lock, folder.path());
    const RunningCopyLock taken(folder.filePath(QStringLiteral("tavrik.ini")));
    EXPECT_EQ(taken.Status(), State::Unavailable);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("target"))))
        << "a planted link must not create its target";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Planted, NotALockFile, testing::Values(
    Planted{"LinkToElsewhere", [](const QString& lock, const QString& folder) {
        ASSERT_TRUE(QFile::link(folder + QStringLiteral("/target"), lock)); }},
    Planted{"Fifo", [](const QString& lock, const QString&) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0); }},
    Planted{"Folder", [](const QString& lock, const QString&) {
        ASSERT_TRUE(QDir().mkdir(lock)); }}),
    [](const testing::TestParamInfo<Planted>& info) { return info.param.name; });
// clang-format on

} // namespace
