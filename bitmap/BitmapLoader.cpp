#include "bitmap/BitmapLoader.h"

#include "app/FileName.h"
#include "app/FileRead.h"
#include "bitmap/BitmapHeader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// Closes the descriptor however the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The whole file, read through a descriptor so the system's own error text is at hand.
// Opening never waits (a FIFO with no writer would hold the game for good), and only a
// regular file within the size bound is read, never past that bound.
QByteArray ReadWholeFile(const QString& path) {
    const QByteArray name = EncodeFileName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        FailToOpen(path, errno);
    const Descriptor file(fd);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        FailToOpen(path, errno);
    if (!S_ISREG(info.st_mode) || info.st_size > MaxPictureFileBytes)
        Fail("Bitmap image is not valid");

    // A file that grows meanwhile is read only up to its size at the check.
    std::optional<QByteArray> bytes = ReadUpTo(file.get(), static_cast<qsizetype>(info.st_size));
    if (!bytes)
        FailToOpen(path, errno);
    return std::move(*bytes);
}

// Run-length data may stop early or skip pixels, and the decoder leaves whatever it did
// not write as it found it. So it decodes into a picture that is already blank (every
// pixel colour 0); when the decoder would not use that picture the file is refused rather
// than shown with pixels nobody set.
QImage DecodeRunLength(const QByteArray& bytes, const BitmapShape& shape) {
    QImage image(shape.width, shape.height, QImage::Format_Indexed8);
    if (image.isNull())
        Fail("Bitmap image is not valid");
    image.fill(0);
    const uchar* const blank = image.constBits();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    if (!reader.read(&image) || image.constBits() != blank)
        Fail("Bitmap image is not valid");
    return image;
}

QString TwiceSizePath(const QString& path) {
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return path.left(path.size() - 4) + QStringLiteral("@2x") + path.right(4);
    return path + QStringLiteral("@2x");
}

} // namespace

QImage DecodeBitmap(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return QImage();
    if (bytes.size() < 14)
        Fail("Stream read error");
    if (!bytes.startsWith("BM"))
        Fail("Bitmap image is not valid");
    const BitmapHeaders headers = CheckBitmapHeaders(bytes);
    switch (headers.check) {
    case BitmapCheck::Truncated:
        Fail("Stream read error");
    case BitmapCheck::Invalid:
        Fail("Bitmap image is not valid");
    case BitmapCheck::Sound:
        break;
    }
    if (headers.shape.runLength)
        return DecodeRunLength(bytes, headers.shape);
    QImage image = QImage::fromData(bytes, "BMP");
    if (image.isNull())
        Fail("Bitmap image is not valid");
    return image;
}

QImage LoadBitmapFile(const QString& path) {
    return DecodeBitmap(ReadWholeFile(path));
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
