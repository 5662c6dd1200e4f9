#include "store/disk/StoredFile.h"

#include "app/FileName.h"
#include "app/FileRead.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows before it gives up.
constexpr int LinkLimit = 40;

bool IsPlayerOrRoot(uid_t owner) {
    return owner == 0 || owner == ::geteuid();
}

bool Accepts(AcceptedOwners owners, uid_t owner) {
    return owners == AcceptedOwners::Anyone || IsPlayerOrRoot(owner);
}

std::optional<QByteArray> LinkText(const QByteArray& link) {
    QByteArray text(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink(link.constData(), text.data(), text.size());
    if (length <= 0 || length >= text.size())
        return std::nullopt;
    text.truncate(length);
    return text;
}

// Reads at most one byte past the limit, so a larger file shows itself without being read.
std::optional<QByteArray> ReadBounded(int fd, qsizetype limit) {
    std::optional<QByteArray> bytes = ReadUpTo(fd, limit + 1);
    if (bytes && bytes->size() > limit)
        return std::nullopt;
    return bytes;
}

} // namespace

QByteArray FolderOfPath(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray NameOfPath(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

bool IsAcceptedFolder(const QByteArray& folder, AcceptedOwners owners) {
    struct stat status {};
    return ::stat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           Accepts(owners, status.st_uid);
}

std::optional<QByteArray> FileBehind(const QString& path, AcceptedOwners owners) {
    QByteArray at = EncodeFileName(path);
    if (!at.startsWith('/') || at.contains('\0'))
        return std::nullopt;
    bool followedLink = false;
    for (int hops = 0; hops <= LinkLimit; ++hops) {
        struct stat status {};
        if (::lstat(at.constData(), &status) != 0) {
            // A link to nothing would create a file wherever it points: refused like a loop.
            if (errno != ENOENT || followedLink)
                return std::nullopt;
            break;
        }
        if (!S_ISLNK(status.st_mode))
            break;
        if (!Accepts(owners, status.st_uid))
            return std::nullopt;
        const std::optional<QByteArray> text = LinkText(at);
        if (!text)
            return std::nullopt;
        at = text->startsWith('/') ? *text : FolderOfPath(at) + '/' + *text;
        followedLink = true;
        if (hops == LinkLimit)
            return std::nullopt;
    }
    if (!IsAcceptedFolder(FolderOfPath(at), owners))
        return std::nullopt;
    return at;
}

StoredFile ReadStoredFile(const QString& path, AcceptedOwners owners, qsizetype limit) {
    StoredFile file;
    const std::optional<QByteArray> target = FileBehind(path, owners);
    if (!target)
        return file;
    file.target = *target;

    // Without O_NONBLOCK a FIFO put there would hold the game in open() for good; with
    // O_NOFOLLOW a link slipped in since the check above is refused, not followed.
    const int fd = ::open(target->constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            file.state = StoredFile::State::Absent;
        return file;
    }
    struct stat status {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && Accepts(owners, status.st_uid) &&
        status.st_size <= limit)
        bytes = ReadBounded(fd, limit);
    ::close(fd);
    if (!bytes)
        return file;
    file.state = StoredFile::State::Present;
    file.bytes = std::move(*bytes);
    file.mode = status.st_mode & 07777;
    return file;
}
