#include "ui/look/Fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

bool Installed(const QString& family) {
    return !QFontDatabase::styles(family).isEmpty();
}

// `families` first, then the plain faces; the style hint steers any last resort to a sans.
QFont FontOf(QStringList families, int pixelSize, bool bold) {
    families << PlainFallbackFamilies();
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Named with others, a family makes Qt sort every installed face through fontconfig for
    // its stand-ins at once; named alone, only when a letter is missing. So the first family is
    // asked for alone when it is here, or when fontconfig likens it to the face the list
    // would give anyway ("Comic Sans MS" to Comic Neue).
    font.setFamilies(QStringList(families.first()));
    const auto here = std::find_if(families.cbegin(), families.cend(), Installed);
    if (here == families.cbegin() || (here != families.cend() && QFontInfo(font).family() == *here))
        return font;
    font.setFamilies(families);
    return font;
}

// A bold face reads as bold when its stems are at least half a pixel thicker.
constexpr qreal VisibleBoldGain = 0.5;

// How thick a vertical stroke of `font` is drawn at its size, in pixels.
qreal StemWidth(const QFont& font) {
    // A lower-case l is one upright stem in every sans face; its ink across the middle rows
    // of the stem, in grey levels, is its width.
    const QFontMetrics metrics(font);
    const int size = std::max(8, metrics.height());
    QImage image(size * 2, size * 2, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    const int baseline = size + metrics.ascent() / 2;
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(size / 2, baseline, QStringLiteral("l"));
    }
    const int top = baseline - metrics.ascent() * 2 / 3;
    const int bottom = baseline - metrics.ascent() / 3;
    qreal ink = 0;
    for (int y = top; y <= bottom; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            ink += (255 - row[x]) / 255.0;
    }
    return ink / (bottom - top + 1);
}

} // namespace

void RegisterWindowsFonts(const QString& folder) {
    const QDir dir(folder);
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf"}) {
        const QString path = dir.filePath(QString::fromLatin1(file));
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QStringList PlainFallbackFamilies() {
    // Liberation Sans first: it keeps Arial's narrow measure, so captions laid out for the
    // Windows faces still fit their buttons.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont TableFont(int pixelSize, bool bold) {
    return FontOf({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, pixelSize, bold);
}

QFont ButtonFont(qreal devicePixelRatio, qreal zoom) {
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QString tahoma = QStringLiteral("Tahoma");
    if (devicePixelRatio == 1.0 && zoom == 1.0)
        return FontOf({sansSerif, tahoma}, 11, false);
    return FontOf({tahoma, sansSerif}, std::max(1, qRound(11 * zoom)), false);
}

QFont DialogFont() {
    return FontOf({QStringLiteral("Tahoma")}, 11, false);
}

QFont HeadingFont(const QFont& base) {
    QFont bold = base;
    bold.setBold(true);
    QFont regular = base;
    regular.setBold(false);
    if (StemWidth(bold) >= StemWidth(regular) + VisibleBoldGain)
        return bold;
    return FontOf({}, base.pixelSize(), true);
}

QFont ProductFont(int pixelSize) {
    return FontOf({QStringLiteral("Arial")}, pixelSize, true);
}
