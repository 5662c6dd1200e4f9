// The card-picture loader: the player's messages for broken files, every bitmap kind a
// player may drop in, the see-through rule and the double-resolution fallback.
#include "ui/BitmapLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/Permissions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <unistd.h>
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

TEST_F(BitmapLoaderTest, MissingFileAndFolderNameTheFullPathAndTheSystemReason) {
    const QString missing = dir_.filePath("Images/11.bmp");
    EXPECT_EQ(ErrorOf(missing),
              "Cannot open file \"" + missing.toStdString() + "\". No such file or directory");
    ASSERT_TRUE(QDir(dir_.path()).mkdir("h.bmp"));
    const QString folder = dir_.filePath("h.bmp");
    EXPECT_EQ(ErrorOf(folder), "Cannot open file \"" + folder.toStdString() + "\". Is a directory");
}

TEST_F(BitmapLoaderTest, UnreadableFileNamesThePermissionProblem) {
    const QString path = Write("h.bmp", MakeBitmap(2, 2, 24, false));
    QFile::setPermissions(path, QFileDevice::Permissions());
    // The folder itself stays open to everyone, so only the file is refused.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther);
    const std::string expected =
        "Cannot open file \"" + path.toStdString() + "\". Permission denied";
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
            EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + plain.toStdString() +
                                                     "\". No such file or directory");
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
