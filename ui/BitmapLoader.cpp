#include "ui/BitmapLoader.h"

#include "ui/BitmapHeader.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Files beyond this cannot be a card picture the headers would accept.
constexpr qint64 MaxFileBytes = 512LL * 1024 * 1024;

[[noreturn]] void Fail(const char* message) {
    throw std::runtime_error(message);
}

[[noreturn]] void FailToOpen(const QString& path, int error) {
    QString reason = QString::fromLocal8Bit(std::strerror(error));
    while (!reason.isEmpty() && (reason.back() == '.' || reason.back() == ' ' ||
                                 reason.back() == '\n' || reason.back() == '\r'))
        reason.chop(1);
    const QString message = QStringLiteral("Cannot open file \"%1\". %2")
                                .arg(QFileInfo(path).absoluteFilePath(), reason);
    throw std::runtime_error(message.toStdString());
}

// The whole file, read through a descriptor so the system's own error text is at hand.
QByteArray ReadWholeFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        FailToOpen(path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        FailToOpen(path, error);
    }
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            FailToOpen(path, error);
        }
        if (got == 0)
            break;
        if (bytes.size() + got > MaxFileBytes) {
            ::close(fd);
            Fail("Bitmap image is not valid");
        }
        bytes.append(buffer, got);
    }
    ::close(fd);
    return bytes;
}

QString TwiceSizePath(const QString& path) {
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return path.left(path.size() - 4) + QStringLiteral("@2x") + path.right(4);
    return path + QStringLiteral("@2x");
}

} // namespace

QImage LoadBitmapFile(const QString& path) {
    const QByteArray bytes = ReadWholeFile(path);
    if (bytes.isEmpty())
        return QImage();
    if (bytes.size() < 14)
        Fail("Stream read error");
    if (!bytes.startsWith("BM"))
        Fail("Bitmap image is not valid");
    switch (CheckBitmapHeaders(bytes)) {
    case BitmapCheck::Truncated:
        Fail("Stream read error");
    case BitmapCheck::Invalid:
        Fail("Bitmap image is not valid");
    case BitmapCheck::Sound:
        break;
    }
    QImage image = QImage::fromData(bytes, "BMP");
    if (image.isNull())
        Fail("Bitmap image is not valid");
    return image;
}

QPixmap LoadCardPicture(const QString& path, qreal devicePixelRatio) {
    // The plain picture is read on every screen, so a broken one is reported the same way
    // whatever the screen; the sharp one only ever stands in for a sound plain picture.
    const QImage plain = LoadBitmapFile(path);
    if (devicePixelRatio > 1.0 && !plain.isNull()) {
        try {
            QImage sharp = LoadBitmapFile(TwiceSizePath(path));
            if (!sharp.isNull()) {
                sharp = ApplySeeThrough(sharp);
                sharp.setDevicePixelRatio(2.0);
                return QPixmap::fromImage(sharp);
            }
        } catch (const std::runtime_error&) {
            // Without a usable sharp picture the plain one is drawn, silently.
        }
    }
    return QPixmap::fromImage(ApplySeeThrough(plain));
}
