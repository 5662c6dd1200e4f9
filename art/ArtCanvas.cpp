#include "art/ArtCanvas.h"

#include <QPainter>

#include <cmath>

namespace {
constexpr qreal CornerRadius = 5.0;
const QColor OutlineColour(0x17, 0x17, 0x17);
} // namespace

QImage NewCanvas(int width, int height, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(static_cast<int>(std::lround(width * ratio)),
                 static_cast<int>(std::lround(height * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    return image;
}

QPainterPath CardOutlinePath() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, CardWidth - 1.0, CardHeight - 1.0), CornerRadius,
                        CornerRadius);
    return path;
}

void PaintBlankCard(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(OutlineColour, 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(CardOutlinePath());
    painter.restore();
}

QImage FinishCard(const QImage& drawn) {
    // Edge pixels the outline only partly covers are settled against the outline colour,
    // so the rounded corners read as a clean dark edge on any table.
    QImage source = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    source.setDevicePixelRatio(1.0); // composite pixel for pixel
    QImage opaque(drawn.size(), QImage::Format_RGB32);
    opaque.fill(OutlineColour);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, source);
    }
    const QImage alpha = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < opaque.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(opaque.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
        for (int x = 0; x < opaque.width(); ++x) {
            if (qAlpha(in[x]) == 0)
                out[x] = SeeThroughRgb;
            else if (out[x] == SeeThroughRgb)
                out[x] = qRgb(0xFE, 0x00, 0xFF);
        }
    }
    opaque.setDevicePixelRatio(drawn.devicePixelRatio());
    return opaque;
}

void CrossHatch(QPainter& painter, const QPainterPath& area, const QPen& pen,
                const std::array<QLineF, 2>& lines, qreal from, qreal to, qreal step) {
    painter.save();
    painter.setClipPath(area);
    painter.setPen(pen);
    for (qreal shift = from; shift < to; shift += step)
        for (const QLineF& line : lines)
            painter.drawLine(line.translated(shift, 0));
    painter.restore();
}
