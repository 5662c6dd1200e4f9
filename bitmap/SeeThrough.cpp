#include "bitmap/SeeThrough.h"

QImage ApplySeeThrough(const QImage& image) {
    if (image.isNull())
        return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return keyed;
}
