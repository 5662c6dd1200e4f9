// Build-time generator of the card pictures and the desktop icons.
//
//   cardgen <images-dir> <icons-dir>   writes the 33 card bitmaps (plain and @2x)
//                                      and hicolor/<n>x<n>/apps/huszonegy.png
//   cardgen --start <file>             writes the pictures every start shows, their pixels
//                                      as the program holds them
//   cardgen --sheet <file.png>         writes a contact sheet of every picture
#include "art/ArtCanvas.h"
#include "art/Pictures.h"
#include "art/StartPictures.h"
#include "bitmap/SeeThrough.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>

#include <cstdio>

namespace {

// Qt writes images without an alpha channel as 24-bit bottom-up Windows bitmaps.
bool WriteBitmap(const QImage& image, const QString& path) {
    QImage plain = image.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(1.0);
    if (plain.save(path, "BMP"))
        return true;
    std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(path));
    return false;
}

// The pictures are drawn once, here, and shipped: a face fontconfig puts in the place of a
// missing DejaVu Serif Bold would change every card's corner marks without a word, so the
// build stops instead.
bool HasCardMarkFont() {
    const QFont wanted = CardMarkFont();
    const QRawFont found = QRawFont::fromFont(wanted);
    if (found.isValid() && found.familyName() == wanted.family() && found.weight() >= QFont::Bold)
        return true;
    std::fprintf(stderr,
                 "cardgen: the card pictures are drawn in %s Bold, but this machine offers "
                 "\"%s\" (weight %d) in its place; install fonts-dejavu-core\n",
                 qPrintable(wanted.family()), qPrintable(found.familyName()), found.weight());
    return false;
}

bool WriteCards(const QString& imagesDir) {
    if (!QDir().mkpath(imagesDir)) {
        std::fprintf(stderr, "cardgen: cannot create %s\n", qPrintable(imagesDir));
        return false;
    }
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".bmp") : QStringLiteral("@2x.bmp");
        for (const CardCode& card : TDeck::BuildOrder())
            ok = WriteBitmap(CardFaceImage(card, scale),
                             imagesDir + '/' + QString::fromStdString(card.Text()) + suffix) &&
                 ok;
        ok = WriteBitmap(CardBackImage(scale), imagesDir + QStringLiteral("/h") + suffix) && ok;
    }
    return ok;
}

bool WriteIcons(const QString& iconsDir) {
    bool ok = true;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(iconsDir).arg(size);
        const QString path = dir + QStringLiteral("/huszonegy.png");
        if (!QDir().mkpath(dir) || !AcornIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

// One picture after another, in the order of StartPictures, their pixels as the program holds
// them. The program takes the bytes as they stand, so a picture of another size or format
// than the list says stops the build.
bool WriteStartPictures(const QString& path) {
    QFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    for (const StartPicture& wanted : StartPictures) {
        const QImage image = DrawStartPicture(wanted);
        const bool fits = image.size() == QSize(wanted.width, wanted.height) &&
                          image.format() == wanted.format && image.sizeInBytes() == wanted.Bytes();
        ok = ok && fits &&
             file.write(reinterpret_cast<const char*>(image.constBits()), wanted.Bytes()) ==
                 wanted.Bytes();
    }
    if (ok && file.flush())
        return true;
    file.remove(); // never half the pictures for the next build to take as done
    std::fprintf(stderr, "cardgen: cannot write %s\n", qPrintable(path));
    return false;
}

// Every picture on one sheet, cards at both sizes, to look the artwork over.
bool WriteSheet(const QString& path) {
    constexpr int gap = 6, columns = 8;
    const int cardsWidth = columns * (CardWidth + gap) + gap;
    const int side = cardsWidth + 520;
    QImage sheet(side + 140, 4 * (CardHeight + gap) + gap + 2 * CardHeight + 2 * gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x06, 0x77, 0x24));
    QPainter painter(&sheet);
    const auto cards = TDeck::BuildOrder();
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int col = static_cast<int>(i % columns), row = static_cast<int>(i / columns);
        painter.drawImage(gap + col * (CardWidth + gap), gap + row * (CardHeight + gap),
                          ApplySeeThrough(CardFaceImage(cards[i], 1)));
    }
    const int lower = 4 * (CardHeight + gap) + gap;
    painter.drawImage(gap, lower, ApplySeeThrough(CardBackImage(1)));
    int x = gap + CardWidth + gap;
    for (const CardCode card : {CardCode{'1', '6'}, CardCode{'2', '7'}, CardCode{'3', '8'},
                                CardCode{'4', '5'}, CardCode{'4', '4'}}) {
        painter.drawImage(QRect(x, lower, 2 * CardWidth, 2 * CardHeight),
                          ApplySeeThrough(CardFaceImage(card, 2)));
        x += 2 * CardWidth + gap;
    }
    painter.drawImage(QRect(x, lower, 2 * CardWidth, 2 * CardHeight),
                      ApplySeeThrough(CardBackImage(2)));
    painter.drawPixmap(cardsWidth, 0, BackgroundPicture(1.0));
    painter.drawPixmap(side, 0, DebtMarkPicture(1.0));
    painter.drawPixmap(side, 70, DebtMarkPicture(2.0));
    for (int i = 0; i < 6; ++i) {
        painter.drawPixmap(side + (i % 2) * 20, 140 + (i / 2) * 20,
                           ButtonPicturePixmap(static_cast<ButtonPicture>(i), 1.0));
        painter.drawPixmap(side + 60, 140 + i * 36,
                           ButtonPicturePixmap(static_cast<ButtonPicture>(i), 2.0));
    }
    painter.drawImage(side, 370, AcornIcon(16));
    painter.drawImage(side + 20, 370, AcornIcon(32));
    painter.drawImage(side + 56, 370, AcornIcon(64));
    painter.drawImage(side, 440, AcornIcon(128));
    painter.end();
    return sheet.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts need it
    const QStringList args = app.arguments();
    if (!HasCardMarkFont())
        return 1;
    if (args.size() == 3 && args[1] == QStringLiteral("--sheet"))
        return WriteSheet(args[2]) ? 0 : 1;
    if (args.size() == 3 && args[1] == QStringLiteral("--start"))
        return WriteStartPictures(args[2]) ? 0 : 1;
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: cardgen <images-dir> <icons-dir> | --start <file> | "
                             "--sheet <file.png>\n");
        return 2;
    }
    const bool cards = WriteCards(args[1]);
    const bool icons = WriteIcons(args[2]);
    return cards && icons ? 0 : 1;
}
