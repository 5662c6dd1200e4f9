#include "store/disk/AtomicFile.h"

#include "store/disk/SaveCalls.h"

#include <QRandomGenerator>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char CopyLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// A copy is ".tavrik.ini.XXXXXX.tmp": hidden and with an ending no player gives a backup, so
// the clean-up at start can never take a file of the player's for one of ours.
constexpr int CopyRandomLength = 6;
constexpr QByteArrayView CopyEnding(".tmp");
constexpr std::time_t StaleAfterSeconds = 60;

QByteArray CopyName(const QByteArray& target) {
    QByteArray name = FolderOfPath(target) + "/." + NameOfPath(target) + '.';
    for (int i = 0; i < CopyRandomLength; ++i)
        name += CopyLetters[QRandomGenerator::global()->bounded(int(sizeof CopyLetters - 1))];
    return name + CopyEnding.toByteArray();
}

bool IsCopyName(QByteArrayView entry, const QByteArray& fileName) {
    const QByteArray prefix = '.' + fileName + '.';
    if (entry.size() != prefix.size() + CopyRandomLength + CopyEnding.size() ||
        !entry.startsWith(prefix) || !entry.endsWith(CopyEnding))
        return false;
    for (char c : entry.sliced(prefix.size(), CopyRandomLength))
        if (QByteArrayView(CopyLetters).indexOf(c) < 0)
            return false;
    return true;
}

template <typename Call> auto RetriedOnSignal(Call call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

bool WriteAll(SaveCalls& calls, int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = RetriedOnSignal([&] { return calls.write(fd, data, left); });
        if (written <= 0)
            return false; // 0 bytes taken of a non-empty write: the disk is full
        data += written;
        left -= written;
    }
    return true;
}

// The copy's name lands in the folder for good only when the folder itself is synced. The
// rename has already replaced the file by then, so a failure here is not a failed save; it
// only keeps the kept record.
bool SyncFolder(SaveCalls& calls, const QByteArray& folder) {
    const int fd = RetriedOnSignal(
        [&] { return calls.open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); });
    if (fd < 0)
        return false;
    const bool synced = RetriedOnSignal([&] { return calls.fsync(fd); }) == 0;
    calls.close(fd);
    return synced;
}

int CreateCopy(SaveCalls& calls, const QByteArray& target, mode_t mode, QByteArray& copy) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        copy = CopyName(target);
        const int fd = RetriedOnSignal([&] {
            return calls.open(copy.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        });
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool IsWritable(const StoredFile& file) {
    if (file.state == StoredFile::State::Absent)
        return true;
    // Root may write anything, so the owner's write bit is what says "read-only" to everyone.
    return (file.mode & S_IWUSR) != 0 &&
           ::faccessat(AT_FDCWD, file.target.constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

PendingFlush& PendingFlush::operator=(PendingFlush&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            CurrentSaveCalls().close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        folder_ = std::move(other.folder_);
        kept_ = std::move(other.kept_);
        replacement_ = other.replacement_;
    }
    return *this;
}

PendingFlush::~PendingFlush() {
    if (fd_ >= 0)
        CurrentSaveCalls().close(fd_);
}

bool PendingFlush::Flush() {
    if (fd_ < 0)
        return true;
    SaveCalls& calls = CurrentSaveCalls();
    bool flushed = RetriedOnSignal([&] { return calls.fsync(fd_); }) == 0;
    if (calls.close(std::exchange(fd_, -1)) != 0 && errno != EINTR)
        flushed = false;
    // From here a save may keep this file for a cut, even before its name is on the disk.
    if (flushed && kept_)
        kept_->DataFlushed(replacement_);
    if (SyncFolder(calls, folder_) && flushed && kept_)
        kept_->Flushed(replacement_);
    return flushed;
}

PendingFlush FlushOfFile(const QByteArray& target, std::shared_ptr<KeptRecord> kept) {
    const int fd = RetriedOnSignal([&] {
        return CurrentSaveCalls().open(target.constData(),
                                       O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0);
    });
    if (fd < 0)
        return {};
    return PendingFlush(fd, FolderOfPath(target), std::move(kept), 0);
}

bool ReplaceFileContent(const StoredFile& file, const QByteArray& bytes,
                        const std::shared_ptr<KeptRecord>& kept, PendingFlush* later) {
    if (file.state == StoredFile::State::Refused || !IsWritable(file))
        return false;
    SaveCalls& calls = CurrentSaveCalls();
    const bool exists = file.state == StoredFile::State::Present;

    // A new file gets the usual mode less the umask. A replaced one starts private and is
    // then given its old mode exactly, which the umask would otherwise cut.
    QByteArray copy;
    const int fd = CreateCopy(calls, file.target, exists ? 0600 : 0666, copy);
    if (fd < 0)
        return false;
    bool written = !exists || RetriedOnSignal([&] { return calls.fchmod(fd, file.mode); }) == 0;
    written = written && WriteAll(calls, fd, bytes);

    // Held through the rename: a flush finishing meanwhile must not drop the record kept for it.
    std::unique_lock<std::mutex> keeping;
    bool flushFirst = later == nullptr || kept == nullptr;
    if (written && !flushFirst) {
        keeping = kept->Lock();
        flushFirst = !kept->KeepBefore(file.target, exists);
    }
    if (flushFirst) {
        written = written && RetriedOnSignal([&] { return calls.fsync(fd); }) == 0;
        // The data is on the disk after fsync, and a close cut short by a signal has still
        // closed the file.
        if (calls.close(fd) != 0 && errno != EINTR)
            written = false;
    }
    if (written && kept && !keeping.owns_lock())
        keeping = kept->Lock();
    const auto renamed = [&] {
        return RetriedOnSignal(
                   [&] { return calls.rename(copy.constData(), file.target.constData()); }) == 0;
    };
    if (!written || !renamed()) {
        if (!flushFirst)
            calls.close(fd);
        calls.unlink(copy.constData());
        return false;
    }
    const std::uint64_t replacement = kept ? kept->Replaced() : 0;
    if (keeping.owns_lock())
        keeping.unlock();
    if (!flushFirst)
        *later = PendingFlush(fd, FolderOfPath(file.target), kept, replacement);
    else if (SyncFolder(calls, FolderOfPath(file.target)) && kept)
        kept->Flushed(replacement);
    return true;
}

void RemoveStaleCopies(const QString& path) {
    const std::optional<QByteArray> target = FileBehind(path, AcceptedOwners::PlayerOrRoot);
    if (!target)
        return;
    const QByteArray fileName = NameOfPath(*target);
    const int folderFd =
        ::open(FolderOfPath(*target).constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (folderFd < 0)
        return;
    DIR* folder = ::fdopendir(folderFd);
    if (folder == nullptr) {
        ::close(folderFd);
        return;
    }
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(folder)) {
        struct stat status {};
        if (!IsCopyName(QByteArrayView(entry->d_name), fileName) ||
            ::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            now - status.st_mtime > StaleAfterSeconds)
            ::unlinkat(folderFd, entry->d_name, 0);
    }
    ::closedir(folder);
}
