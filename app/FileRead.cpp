#include "app/FileRead.h"

#include <cerrno>
#include <unistd.h>

std::optional<QByteArray> ReadUpTo(int fd, qsizetype most) {
    QByteArray bytes(most, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            // Freeing the buffer must not cost the caller the reason.
            const int error = errno;
            bytes.clear();
            errno = error;
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}
