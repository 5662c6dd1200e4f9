// One running copy per results file: a second copy learns who holds the file, the holder's end
// frees it however it ends, and nothing but the player's own regular file serves as the lock.
#include "store/disk/RunningCopyLock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using State = RunningCopyLock::State;

// A process that takes the lock on `results`, leaves `note` in it, says whether it got it, and
// waits to be killed.
pid_t HolderProcess(const QString& results, bool& held, const QByteArray& note = {}) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        RunningCopyLock lock(results);
        lock.Note(note);
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

void Stop(pid_t process) {
    ::kill(process, SIGKILL);
    ::waitpid(process, nullptr, 0);
}

TEST(RunningCopyLock, ASecondCopyReadsTheHoldersNoteOnlyFromAFileNoOneElseWrites) {
    QTemporaryDir folder;
    const QString results = folder.filePath(QStringLiteral("tavrik.ini"));
    bool held = false;
    const pid_t holder = HolderProcess(results, held, "bus unix:path=/run/user/1000/bus");
    ASSERT_TRUE(held);
    EXPECT_EQ(RunningCopyLock(results).HoldersNote(), "bus unix:path=/run/user/1000/bus");
    const QByteArray lock = QFile::encodeName(results + QStringLiteral(".lock"));
    ASSERT_EQ(::chmod(lock.constData(), 0620), 0);
    const RunningCopyLock second(results);
    EXPECT_EQ(second.Status(), State::HeldElsewhere);
    EXPECT_TRUE(second.HoldersNote().isEmpty()) << "another user could have written it";
    Stop(holder);
}

struct Meddling {
    const char* name;
    friend void PrintTo(const Meddling& m, std::ostream* os) { *os << m.name; }
    std::function<void(const QString& lock)> meddle;
};

class MeddledLock : public testing::TestWithParam<Meddling> {};

// A cleaner or the player deletes, replaces or write-protects the lock file while the table
// plays: once the table renewed its lock, a second copy still finds it held, note and all.
TEST_P(MeddledLock, StillKeepsASecondCopyOutOnceRenewed) {
    QTemporaryDir folder;
    const QString results = folder.filePath(QStringLiteral("tavrik.ini"));
    RunningCopyLock mine(results);
    ASSERT_EQ(mine.Status(), State::Held);
    mine.Note("bus here");
    GetParam().meddle(results + QStringLiteral(".lock"));
    mine.Renew();
    EXPECT_EQ(mine.Status(), State::Held);
    bool held = true;
    Stop(HolderProcess(results, held));
    EXPECT_FALSE(held) << "a second copy took the lock";
    QFile lock(results + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    EXPECT_EQ(lock.readAll(), "bus here");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RunningCopyLock, MeddledLock, testing::Values(
    Meddling{"Deleted", [](const QString& lock) { ASSERT_TRUE(QFile::remove(lock)); }},
    Meddling{"Replaced", [](const QString& lock) {
        QFile other(lock + QStringLiteral(".new"));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        other.close();
        ASSERT_EQ(::rename(QFile::encodeName(other.fileName()).constData(),
                           QFile::encodeName(lock).constData()), 0); }},
    Meddling{"MadeReadOnly", [](const QString& lock) {
        ASSERT_EQ(::chmod(QFile::encodeName(lock).constData(), 0400), 0); }}),
    [](const testing::TestParamInfo<Meddling>& info) { return info.param.name; });
// clang-format on

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
