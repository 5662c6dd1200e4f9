// Every write-related call of a save fails in turn, with each error a disk, a quota, a
// permission change or a signal can give: the old file must stay byte for byte, with the
// failure reported, or the new one be complete, with none.

#include "StoreTestFiles.h"

#include "store/disk/SaveCalls.h"
#include "store/disk/SettingsFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <ostream>
#include <sched.h>
#include <stdexcept>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Which call fails: its name and, for calls a save makes more than once, which of them.
enum class Call {
    OpenCopy,
    Fchmod,
    Write,
    SecondWrite,
    FsyncFile,
    Close,
    Rename,
    OpenFolder,
    FsyncFolder
};

const char* NameOf(Call call) {
    switch (call) {
    case Call::OpenCopy:
        return "open(copy)";
    case Call::Fchmod:
        return "fchmod";
    case Call::Write:
        return "write";
    case Call::SecondWrite:
        return "write(2nd)";
    case Call::FsyncFile:
        return "fsync(file)";
    case Call::Close:
        return "close(file)";
    case Call::Rename:
        return "rename";
    case Call::OpenFolder:
        return "open(folder)";
    case Call::FsyncFolder:
        return "fsync(folder)";
    }
    return "?";
}

struct FaultCase {
    Call call;
    int error;
    friend void PrintTo(const FaultCase& c, std::ostream* os) {
        *os << NameOf(c.call) << ' ' << std::strerror(c.error);
    }
};

// Counts the calls of one save and fails the chosen one once.
class InjectedCalls {
public:
    InjectedCalls(Call failing, int error) : failing_(failing), error_(error) {
        SaveCalls calls = SystemSaveCalls();
        const SaveCalls real = calls;
        calls.open = [this, real](const char* path, int flags, mode_t mode) {
            const Call call = (flags & O_DIRECTORY) ? Call::OpenFolder : Call::OpenCopy;
            return Fails(call) ? -1 : real.open(path, flags, mode);
        };
        calls.fchmod = [this, real](int fd, mode_t mode) {
            return Fails(Call::Fchmod) ? -1 : real.fchmod(fd, mode);
        };
        calls.write = [this, real](int fd, const void* data, size_t size) -> ssize_t {
            // Short writes throughout, so a save takes several writes and the second can fail.
            const size_t piece = size > 16 ? 16 : size;
            const Call call = writes_++ == 0 ? Call::Write : Call::SecondWrite;
            return Fails(call) ? -1 : real.write(fd, data, piece);
        };
        calls.fsync = [this, real](int fd) {
            const Call call = syncs_++ == 0 ? Call::FsyncFile : Call::FsyncFolder;
            return Fails(call) ? -1 : real.fsync(fd);
        };
        calls.close = [this, real](int fd) {
            // A close cut short still closes the descriptor, as on Linux.
            const int result = real.close(fd);
            if (closes_++ == 0 && Fails(Call::Close))
                return -1;
            return result;
        };
        calls.rename = [this, real](const char* from, const char* to) {
            return Fails(Call::Rename) ? -1 : real.rename(from, to);
        };
        CurrentSaveCalls() = calls;
    }
    ~InjectedCalls() { CurrentSaveCalls() = SystemSaveCalls(); }

    bool Injected() const { return injected_; }

private:
    bool Fails(Call call) {
        if (call != failing_ || injected_)
            return false;
        injected_ = true;
        errno = error_;
        return true;
    }

    Call failing_;
    int error_;
    bool injected_ = false;
    int writes_ = 0, syncs_ = 0, closes_ = 0;
};

struct Outcome {
    bool errorShown = false;
    bool oldKept = false;
    bool newComplete = false;
};

class SaveFaultTest : public testing::TestWithParam<FaultCase> {
protected:
    static void TearDownTestSuite() {
        // The matrix for the record: call × error → what the player is left with.
        std::printf("\n%-14s %-28s %-10s %s\n", "call", "error", "old file", "error shown");
        for (const auto& [key, outcome] : Matrix())
            std::printf("%-14s %-28s %-10s %s\n", NameOf(key.first), std::strerror(key.second),
                        outcome.oldKept ? "kept" : "replaced", outcome.errorShown ? "yes" : "no");
    }

    static std::map<std::pair<Call, int>, Outcome>& Matrix() {
        static std::map<std::pair<Call, int>, Outcome> matrix;
        return matrix;
    }
};

StoredSettings NewSettings() {
    StoredSettings settings;
    settings.Results.Money1 = -150;
    settings.Results.Name = QStringLiteral("Új név");
    return settings;
}

TEST_P(SaveFaultTest, OldFileKeptAndReportedOrNewFileComplete) {
    const FaultCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("tavrik.ini"));
    const QByteArray old = "[Results]\r\nMoney1=5\r\n[Game]\r\nName=Old\r\n";
    WriteBytes(path, old);
    SetMode(path, 0640);

    Outcome outcome;
    {
        InjectedCalls calls(c.call, c.error);
        const std::optional<std::string> error = SaveError(path, NewSettings());
        outcome.errorShown = error.has_value();
        if (error) {
            EXPECT_EQ(*error, UnableToWrite(path));
        }
        EXPECT_TRUE(calls.Injected()) << "the save never made that call";
    }
    outcome.oldKept = ReadBytes(path) == old;
    outcome.newComplete = LoadSettings(path) == NewSettings();
    Matrix()[{c.call, c.error}] = outcome;

    EXPECT_NE(outcome.oldKept, outcome.newComplete);
    EXPECT_EQ(outcome.errorShown, outcome.oldKept) << "a failure is reported exactly when the "
                                                      "file was not replaced";
    EXPECT_TRUE(c.error != EINTR || outcome.newComplete) << "a signal is no reason to fail a save";
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("tavrik.ini")})
        << "no temporary copy left behind";
}

std::vector<FaultCase> AllFaults() {
    std::vector<FaultCase> cases;
    for (Call call : {Call::OpenCopy, Call::Fchmod, Call::Write, Call::SecondWrite, Call::FsyncFile,
                      Call::Close, Call::Rename, Call::OpenFolder, Call::FsyncFolder})
        for (int error : {ENOSPC, EIO, EDQUOT, EACCES, EINTR})
            cases.push_back({call, error});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryCall, SaveFaultTest, testing::ValuesIn(AllFaults()),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             std::string name = NameOf(info.param.call);
                             name += std::string("_") + std::to_string(info.param.error);
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(SaveFault, NewFileFailingLeavesNothing) {
    // No old file: a failed first save must not leave an empty or partial one behind.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tavrik.ini"));
    {
        InjectedCalls calls(Call::Write, ENOSPC);
        EXPECT_THROW(SaveSettings(path, NewSettings()), std::runtime_error);
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
}

// The real thing, not a simulated error: a disk that fills up during the save. Needs a
// mount namespace of its own (root in CI); skipped where the system does not give one.
TEST(SaveFault, FullDiskKeepsTheOldFileAndSaysSo) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray mountPoint = QFile::encodeName(folder.path());
    const QString path = folder.filePath(QStringLiteral("tavrik.ini"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0)
            ::_exit(77);
        const QByteArray old = "[Results]\r\nMoney1=5\r\n";
        WriteBytes(path, old);
        QFile filler(folder.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly))
            ::_exit(2);
        while (filler.write(QByteArray(1024, 'x')) > 0 && filler.flush()) {
        }
        filler.close();
        const bool reported = SaveError(path, NewSettings()).has_value();
        ::_exit(reported && ReadBytes(path) == old ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no mount namespace to fill a disk in";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the old file was lost or the failure not reported";
}

} // namespace
