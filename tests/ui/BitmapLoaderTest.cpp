// The card-picture loader: the player's messages for broken files, every bitmap kind a
// player may drop in, the see-through rule and the double-resolution fallback.
#include "bitmap/BitmapLoader.h"

#include "app/FileName.h"
#include "bitmap/BitmapHeader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/Permissions.h"
#include "support/SystemReason.h"

#include <gtest/gtest.h>

#include <QRect>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

void Put16(QByteArray& b, int at, std::uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(QByteArray& b, int at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// The colour the test pattern puts at (x, y), counted from the top row.
QRgb PatternColour(int x, int y, int bitCount) {
    if (bitCount <= 8) {
        const int index = (x + 2 * y) % (1 << bitCount);
        return qRgb(index * 16 % 256, 255 - index * 8 % 256, (index * 37) % 256);
    }
    return qRgb(x * 40 % 256, y * 50 % 256, 77);
}

// An uncompressed bitmap with a 40-byte header, rows bottom-up or top-down.
QByteArray MakeBitmap(int width, int height, int bitCount, bool topDown) {
    const int colours = bitCount <= 8 ? 1 << bitCount : 0;
    const int rowBytes = (width * bitCount + 31) / 32 * 4;
    const int offset = 14 + 40 + 4 * colours;
    QByteArray b(offset + rowBytes * height, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, offset);
    Put32(b, 14, 40);
    Put32(b, 18, width);
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, bitCount);
    Put32(b, 34, rowBytes * height);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = PatternColour(i, 0, bitCount);
        b[54 + 4 * i] = static_cast<char>(qBlue(c));
        b[55 + 4 * i] = static_cast<char>(qGreen(c));
        b[56 + 4 * i] = static_cast<char>(qRed(c));
    }
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        const int row = offset + stored * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (bitCount <= 8) {
                const int index = (x + 2 * y) % colours;
                const int bit = x * bitCount;
                const int shift = 8 - bitCount - bit % 8;
                b[row + bit / 8] = static_cast<char>(b[row + bit / 8] | (index << shift));
            } else {
                const QRgb c = PatternColour(x, y, bitCount);
                const int at = row + x * (bitCount / 8);
                b[at] = static_cast<char>(qBlue(c));
                b[at + 1] = static_cast<char>(qGreen(c));
                b[at + 2] = static_cast<char>(qRed(c));
            }
        }
    }
    return b;
}

class BitmapLoaderTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static std::string ErrorOf(const QString& path) {
        try {
            LoadBitmapFile(path);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "(no error)";
    }
    QTemporaryDir dir_;
};

TEST_F(BitmapLoaderTest, MissingFileNamesTheFullPathAndTheSystemReason) {
    const QString missing = dir_.filePath("Images/11.bmp");
    EXPECT_EQ(ErrorOf(missing),
              "Cannot open file \"" + missing.toStdString() + "\". " + SystemReason(ENOENT));
}

// A FIFO with no writer used to hold the game in open() for good; folders and devices are
// no pictures either. Each is refused at once.
TEST_F(BitmapLoaderTest, OnlyRegularFilesAreRead) {
    const QString fifo = dir_.filePath("fifo.bmp");
    ASSERT_EQ(::mkfifo(EncodeFileName(fifo).constData(), 0600), 0);
    const QString linkToFifo = dir_.filePath("link.bmp");
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("h.bmp"));
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"a FIFO nobody writes to", fifo},
        {"a link to that FIFO", linkToFifo},
        {"a folder", dir_.filePath("h.bmp")},
        {"an endless device", QStringLiteral("/dev/zero")},
        {"an empty device", QStringLiteral("/dev/null")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // In a child, so a regression hangs only the child, which the alarm then ends.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::alarm(5);
            ::_exit(ErrorOf(c.path) == "Bitmap image is not valid" ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status)) << "hung or crashed";
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
    }
}

TEST_F(BitmapLoaderTest, NoPictureBeyondTheBoundsIsDecoded) {
    QByteArray wide = MakeBitmap(MaxPictureSide + 1, 1, 24, false);
    QByteArray tall = MakeBitmap(1, MaxPictureSide + 1, 24, false);
    QByteArray tallTopDown = MakeBitmap(1, MaxPictureSide + 1, 24, true);
    // The size fields say more than the pixels that follow: refused before any reading.
    QByteArray claimsHuge = MakeBitmap(2, 2, 4, false);
    Put32(claimsHuge, 18, 8192);
    Put32(claimsHuge, 22, 4096);
    Put32(claimsHuge, 30, 2); // run-length coded, so no row data is needed
    Put32(claimsHuge, 34, 2);
    claimsHuge.append("\0\1", 2);
    Put32(claimsHuge, 2, static_cast<std::uint32_t>(claimsHuge.size()));
    // A whole card file at the size limit, padded after its pixels.
    QByteArray atLimit = MakeBitmap(MaxPictureSide, MaxPictureSide, 32, false);
    atLimit.append(static_cast<qsizetype>(MaxPictureFileBytes) - atLimit.size(), '\0');
    const QByteArray overLimit = QByteArray(atLimit).append('\0');

    const struct {
        const char* name;
        QByteArray bytes;
        QSize decoded; // empty: refused as not valid
    } cases[] = {
        {"widest allowed", MakeBitmap(MaxPictureSide, 1, 24, false), {MaxPictureSide, 1}},
        {"tallest allowed", MakeBitmap(1, MaxPictureSide, 24, true), {1, MaxPictureSide}},
        {"one pixel too wide", wide, {}},
        {"one pixel too tall", tall, {}},
        {"one pixel too tall, top-down", tallTopDown, {}},
        {"120 bytes claiming 8192 x 4096", claimsHuge, {}},
        {"file of exactly the size limit", atLimit, {MaxPictureSide, MaxPictureSide}},
        {"file one byte over the size limit", overLimit, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write("card.bmp", c.bytes);
        if (c.decoded.isEmpty())
            EXPECT_EQ(ErrorOf(path), "Bitmap image is not valid");
        else
            EXPECT_EQ(LoadBitmapFile(path).size(), c.decoded);
    }
}

TEST_F(BitmapLoaderTest, AHugeFileIsRefusedWithoutReadingIt) {
    // Sparse, so the test costs nothing; read whole it would be gigabytes.
    const QString path = Write("h.bmp", MakeBitmap(4, 4, 24, false));
    ASSERT_TRUE(QFile::resize(path, 4LL * 1024 * 1024 * 1024));
    EXPECT_EQ(ErrorOf(path), "Bitmap image is not valid");
}

// Run-length data may stop early or skip pixels. Each pixel it leaves out must show palette
// colour 0, not whatever the memory held: the heap is filled with a marker beforehand, so
// an unset pixel would show up here (valgrind over the fuzz corpus checks the same).
TEST_F(BitmapLoaderTest, RunLengthPicturesHaveEveryPixelSet) {
    constexpr int width = 40, height = 30;
    const auto runLength = [](int bitCount, const QByteArray& data) {
        QByteArray b = MakeBitmap(width, height, bitCount, false);
        const int offset = 14 + 40 + 4 * (1 << bitCount);
        b.truncate(offset);
        b.append(data);
        Put32(b, 2, static_cast<std::uint32_t>(b.size()));
        Put32(b, 30, bitCount == 8 ? 1 : 2);
        Put32(b, 34, static_cast<std::uint32_t>(data.size()));
        return b;
    };
    const QByteArray eol("\0\0", 2), eob("\0\1", 2);
    QByteArray wholeRows8;
    for (int y = 0; y < height; ++y)
        wholeRows8.append(QByteArray("\x28\x05", 2)).append(eol);
    struct Run {
        QRect pixels; // counted from the top row
        int index;
    };
    const struct {
        const char* name;
        int bitCount;
        QByteArray data;
        // Every pixel outside these runs must have the colour of index 0.
        std::vector<Run> written;
    } cases[] = {
        {"every row whole", 8, wholeRows8 + eob, {{QRect(0, 0, 40, 30), 5}}},
        {"data ends mid-row", 8, QByteArray("\x04\x09", 2), {{QRect(0, 29, 4, 1), 9}}},
        {"end of bitmap after the first row",
         8,
         QByteArray("\x28\x07", 2) + eol + eob,
         {{QRect(0, 29, 40, 1), 7}}},
        {"a delta skips pixels",
         8,
         QByteArray("\x02\x06\x00\x02\x05\x03\x02\x08", 8) + eob,
         {{QRect(0, 29, 2, 1), 6}, {QRect(7, 26, 2, 1), 8}}},
        {"four-bit data ends mid-row",
         4,
         QByteArray("\x03\x9A", 2),
         {{QRect(0, 29, 1, 1), 9}, {QRect(1, 29, 1, 1), 10}, {QRect(2, 29, 1, 1), 9}}},
        {"four-bit delta",
         4,
         QByteArray("\x00\x02\x04\x01\x02\x33", 6) + eob,
         {{QRect(4, 28, 2, 1), 3}}},
        {"four-bit end of bitmap at once", 4, eob, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write("card.bmp", runLength(c.bitCount, c.data));
        for (int i = 0; i < 64; ++i) {
            void* block = std::malloc(width * height);
            std::memset(block, 0xC3, width * height);
            std::free(block);
        }
        const QImage image = LoadBitmapFile(path);
        ASSERT_EQ(image.size(), QSize(width, height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                int index = 0;
                for (const Run& run : c.written)
                    if (run.pixels.contains(x, y))
                        index = run.index;
                ASSERT_EQ(image.pixel(x, y) | 0xFF000000u, PatternColour(index, 0, c.bitCount))
                    << "at " << x << "," << y;
            }
        }
    }
}

TEST_F(BitmapLoaderTest, UnreadableFileNamesThePermissionProblem) {
    const QString path = Write("h.bmp", MakeBitmap(2, 2, 24, false));
    QFile::setPermissions(path, QFileDevice::Permissions());
    // The folder itself stays open to everyone, so only the file is refused.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
    const std::string expected =
        "Cannot open file \"" + path.toStdString() + "\". " + SystemReason(EACCES);
    EXPECT_TRUE(RunWithPermissionsInForce([&] { return ErrorOf(path) == expected; }));
}

TEST_F(BitmapLoaderTest, DamagedFilesGiveThePlayersMessages) {
    const QByteArray good = MakeBitmap(5, 3, 24, false);
    QByteArray noSizeField = good;
    Put32(noSizeField, 2, 0); // some writers leave the file size empty
    QByteArray badBitCount = good, zeroWidth = good, hugeWidth = good, badHeaderSize = good,
               badCompression = good, oversizedPalette = MakeBitmap(4, 4, 8, false),
               offsetInsidePalette = MakeBitmap(4, 4, 8, false), twoPlanes = good;
    Put16(badBitCount, 28, 7);
    Put32(zeroWidth, 18, 0);
    Put32(hugeWidth, 18, 0x7FFFFFFF);
    Put32(badHeaderSize, 14, 41);
    Put32(badCompression, 30, 4);
    Put32(oversizedPalette, 46, 1000);
    Put32(offsetInsidePalette, 10, 60);
    Put16(twoPlanes, 26, 2);
    QByteArray garbage("BM");
    for (int i = 0; i < 200; ++i)
        garbage.append(static_cast<char>((i * 73 + 11) % 256));

    const struct {
        const char* name;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"one byte", QByteArray("B"), "Stream read error"},
        {"thirteen bytes", QByteArray("BM").append(11, '\0'), "Stream read error"},
        {"fourteen bytes, not BM", QByteArray("PK").append(12, '\0'), "Bitmap image is not valid"},
        {"a PNG signature", QByteArray("\x89PNG\r\n\x1a\n").append(40, '\0'),
         "Bitmap image is not valid"},
        {"BM and no info header", QByteArray("BM").append(12, '\0'), "Stream read error"},
        {"BM then noise", garbage, "Bitmap image is not valid"},
        {"bit count 7", badBitCount, "Bitmap image is not valid"},
        {"width 0", zeroWidth, "Bitmap image is not valid"},
        {"width beyond reason", hugeWidth, "Bitmap image is not valid"},
        {"unknown header size", badHeaderSize, "Bitmap image is not valid"},
        {"JPEG compression", badCompression, "Bitmap image is not valid"},
        {"palette larger than the bit count allows", oversizedPalette, "Bitmap image is not valid"},
        {"pixels start inside the palette", offsetInsidePalette, "Bitmap image is not valid"},
        {"two planes", twoPlanes, "Bitmap image is not valid"},
        {"cut short of its declared size", good.left(good.size() - 10), "Stream read error"},
        {"cut short with no declared size", noSizeField.left(noSizeField.size() - 10),
         "Stream read error"},
        {"cut inside the info header", good.left(30), "Stream read error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ErrorOf(Write("card.bmp", c.bytes)), c.message);
    }
}

TEST_F(BitmapLoaderTest, EmptyFileIsAnEmptyPictureWithoutError) {
    const QString path = Write("h.bmp", QByteArray());
    EXPECT_TRUE(LoadBitmapFile(path).isNull());
    EXPECT_TRUE(LoadCardPicture(path, 1.0).isNull());
}

TEST_F(BitmapLoaderTest, EveryCommonKindShowsItsPixelsTheRightWayUp) {
    for (const int bitCount : {1, 4, 8, 24, 32}) {
        for (const bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bitCount << " bit, top-down " << topDown);
            const QImage image =
                LoadBitmapFile(Write("card.bmp", MakeBitmap(7, 5, bitCount, topDown)));
            ASSERT_EQ(image.size(), QSize(7, 5));
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 7; ++x)
                    ASSERT_EQ(image.pixel(x, y) | 0xFF000000u, PatternColour(x, y, bitCount))
                        << "at " << x << "," << y;
        }
    }
}

TEST(SeeThrough, OnlyTheExactBottomLeftColourFallsThrough) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 255));
    image.setPixel(1, 0, qRgb(254, 0, 255));
    image.setPixel(2, 0, qRgb(255, 255, 255));
    image.setPixel(0, 1, qRgb(255, 0, 255)); // the key
    image.setPixel(1, 1, qRgb(255, 0, 255));
    image.setPixel(2, 1, qRgb(255, 1, 255));
    const QImage keyed = ApplySeeThrough(image);
    const int expectedAlpha[2][3] = {{0, 255, 255}, {0, 0, 255}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(qAlpha(keyed.pixel(x, y)), expectedAlpha[y][x]) << x << "," << y;
    EXPECT_EQ(keyed.pixel(1, 0) | 0xFF000000u, qRgb(254, 0, 255));
}

TEST_F(BitmapLoaderTest, TwoColourBitmapLosesTheColourOfItsCorner) {
    const QPixmap picture = LoadCardPicture(Write("h.bmp", MakeBitmap(4, 4, 1, false)), 1.0);
    const QImage image = picture.toImage();
    ASSERT_EQ(image.size(), QSize(4, 4));
    const QRgb key = PatternColour(0, 3, 1);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(qAlpha(image.pixel(x, y)) == 0, PatternColour(x, y, 1) == key);
}

TEST_F(BitmapLoaderTest, SharpPictureIsUsedWhenItLoadsAndThePlainOneOtherwise) {
    const QByteArray plain = MakeBitmap(3, 4, 24, false);
    const QByteArray sharp = MakeBitmap(6, 8, 24, false);
    const struct {
        const char* name;
        qreal ratio;
        const char* sharpBytes; // null: no @2x file
        QSize pixels;
        qreal pictureRatio;
    } cases[] = {
        {"sharp screen, sharp file", 2.0, "sharp", {6, 8}, 2.0},
        {"plain screen ignores the sharp file", 1.0, "sharp", {3, 4}, 1.0},
        {"no sharp file", 2.0, nullptr, {3, 4}, 1.0},
        {"broken sharp file", 2.0, "broken", {3, 4}, 1.0},
        {"empty sharp file", 2.0, "empty", {3, 4}, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = folder.filePath("11.bmp");
        QFile plainFile(path);
        ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
        plainFile.write(plain);
        plainFile.close();
        if (c.sharpBytes) {
            QFile sharpFile(folder.filePath("11@2x.bmp"));
            ASSERT_TRUE(sharpFile.open(QIODevice::WriteOnly));
            const std::string kind = c.sharpBytes;
            sharpFile.write(kind == "sharp"    ? sharp
                            : kind == "broken" ? QByteArray("BMxxxxxxxxxxxxxxxxxxxxxx")
                                               : QByteArray());
        }
        const QPixmap picture = LoadCardPicture(path, c.ratio);
        EXPECT_EQ(picture.size(), c.pixels);
        EXPECT_EQ(picture.devicePixelRatio(), c.pictureRatio);
    }
}

TEST_F(BitmapLoaderTest, PlainFileErrorsAreReportedEvenOnSharpScreens) {
    const QString plain = dir_.filePath("h.bmp");
    // Broken or sound, the sharp file never hides a missing plain one.
    for (const QByteArray& sharp :
         {QByteArray("BM").append(2, '\0'), MakeBitmap(6, 8, 24, false)}) {
        Write("h@2x.bmp", sharp);
        try {
            LoadCardPicture(plain, 2.0);
            ADD_FAILURE() << "a missing plain picture must fail";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Cannot open file \"" + plain.toStdString() + "\". " + SystemReason(ENOENT));
        }
    }
}

TEST_F(BitmapLoaderTest, EveryLoadReadsTheFileAfresh) {
    const QString path = Write("12.bmp", MakeBitmap(3, 3, 24, false));
    EXPECT_EQ(LoadCardPicture(path, 1.0).size(), QSize(3, 3));
    Write("12.bmp", MakeBitmap(5, 2, 24, false));
    EXPECT_EQ(LoadCardPicture(path, 1.0).size(), QSize(5, 2));
    QFile::remove(path);
    EXPECT_THROW(LoadCardPicture(path, 1.0), std::runtime_error);
}

} // namespace
