#include "store/disk/RunningCopyLock.h"

#include "app/FileName.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct flock WholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // to the end, however long
    return lock;
}

// No link is followed and nothing blocks: a FIFO planted here must not hang the start. Only the
// player's own regular file is kept open.
int OpenOwnFile(const QByteArray& path, int flags) {
    const int fd = ::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return fd;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Who else holds a lock on `fd`: -1 when the system cannot say, 0 when nobody does, else the
// holder's process (or 1 when it is in another PID namespace).
pid_t OtherHolder(int fd) {
    struct flock probe = WholeFile(F_WRLCK);
    if (::fcntl(fd, F_GETLK, &probe) != 0)
        return -1;
    if (probe.l_type == F_UNLCK)
        return 0;
    return probe.l_pid > 0 ? probe.l_pid : 1;
}

// A note is one short line; anything longer is not ours.
constexpr qsizetype NoteLimit = 1024;

} // namespace

RunningCopyLock::RunningCopyLock(const QString& resultsPath)
    : path_(EncodeFileName(resultsPath + QStringLiteral(".lock"))) {
    Take();
}

RunningCopyLock::~RunningCopyLock() {
    if (fd_ >= 0)
        ::close(fd_); // the lock goes with it
}

void RunningCopyLock::Take(bool mayRepair) {
    state_ = State::Unavailable;
    holder_ = 0;
    fd_ = OpenOwnFile(path_, O_RDWR | O_CREAT);
    if (fd_ < 0) {
        if (errno == EACCES || errno == EROFS || errno == EPERM)
            AskReadOnly(mayRepair);
        return;
    }
    // A record lock, not flock: it is never handed to a child process, and the system says
    // who holds it. The holder may end between the two calls, so it is asked a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        struct flock lock = WholeFile(F_WRLCK);
        if (::fcntl(fd_, F_SETLK, &lock) == 0) {
            state_ = State::Held;
            return;
        }
        if (errno != EACCES && errno != EAGAIN)
            break;
        const pid_t holder = OtherHolder(fd_);
        if (holder < 0)
            break;
        if (holder > 0) {
            HeldBy(holder, fd_);
            break;
        }
    }
    ::close(fd_);
    fd_ = -1;
}

void RunningCopyLock::AskReadOnly(bool mayRepair) {
    const int fd = OpenOwnFile(path_, O_RDONLY);
    if (fd < 0)
        return; // missing in a folder we cannot write, or not ours: unavailable
    const pid_t holder = OtherHolder(fd);
    if (holder > 0)
        HeldBy(holder, fd);
    // Nobody holds the player's own file, which was only made read-only: writable again, and
    // taken. On a read-only file system it stays unavailable.
    const bool repaired = mayRepair && holder == 0 && ::fchmod(fd, 0600) == 0;
    ::close(fd);
    if (repaired)
        Take(false);
}

void RunningCopyLock::HeldBy(pid_t holder, int fd) {
    state_ = State::HeldElsewhere;
    holder_ = holder == 1 ? 0 : holder;
    ReadNote(fd);
}

void RunningCopyLock::Renew() {
    if (state_ != State::Held)
        return;
    struct stat now {
    }, held{};
    if (::lstat(path_.constData(), &now) == 0 && ::fstat(fd_, &held) == 0 &&
        now.st_dev == held.st_dev && now.st_ino == held.st_ino)
        return;
    ::close(fd_);
    fd_ = -1;
    const QByteArray note = note_;
    Take();
    note_ = note;
    WriteNote();
}

void RunningCopyLock::Note(const QByteArray& line) {
    note_ = line.left(NoteLimit);
    WriteNote();
}

void RunningCopyLock::WriteNote() {
    if (state_ != State::Held)
        return;
    // Best effort: a note that is not written only leaves other copies the other ways in.
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t written =
            ::pwrite(fd_, note_.constData(), std::size_t(note_.size()), 0);
    }
}

void RunningCopyLock::ReadNote(int fd) {
    // Only a file no one else may write speaks for the holder.
    struct stat status {};
    if (::fstat(fd, &status) != 0 || (status.st_mode & 022) != 0)
        return;
    char buffer[NoteLimit];
    const ssize_t n = ::pread(fd, buffer, sizeof(buffer), 0);
    if (n > 0)
        note_ = QByteArray(buffer, n);
}
