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

} // namespace

RunningCopyLock::RunningCopyLock(const QString& resultsPath) {
    const QByteArray path = EncodeFileName(resultsPath + QStringLiteral(".lock"));
    // No link is followed and nothing blocks: a FIFO planted here must not hang the start.
    fd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(fd_);
        fd_ = -1;
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
        struct flock probe = WholeFile(F_WRLCK);
        if (::fcntl(fd_, F_GETLK, &probe) != 0)
            break;
        if (probe.l_type != F_UNLCK) {
            state_ = State::HeldElsewhere;
            holder_ = probe.l_pid > 0 ? probe.l_pid : 0;
            break;
        }
    }
    ::close(fd_);
    fd_ = -1;
}

RunningCopyLock::~RunningCopyLock() {
    if (fd_ >= 0)
        ::close(fd_); // the lock goes with it
}
