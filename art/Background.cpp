// The baize table with its bevelled edge, a faint embossed "21" and the web address.
#include "art/ArtCanvas.h"
#include "art/Pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace {

constexpr int Width = 512;
constexpr int Height = 516;
constexpr std::uint32_t BaizeSeed = 21;
const QRectF NumberBox(102, 120, 300, 222);
const QRectF AddressBox(369, 492, 126, 10);

// Baize around #067724; the triangular spread keeps most threads near the mean and
// the extremes near #006018 and #108830. The spread is tabulated once, so the per-pixel
// work is one draw and one look-up: this runs at every start.
void PaintBaize(QImage& image) {
    constexpr int Steps = 512; // resolution of the spread, -1..1
    std::array<QRgb, Steps> shades{};
    for (int i = 0; i < Steps; ++i) {
        const double t = (i + 0.5) * 2.0 / Steps - 1.0;
        const auto channel = [t](int mean, double spread) {
            return std::clamp(static_cast<int>(mean + t * spread + 0.5), 0, 255);
        };
        shades[i] = qRgb(channel(6, 10), channel(0x77, 17), channel(0x24, 12));
    }
    NoiseSource noise(BaizeSeed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // The sum of two uniform halves of one draw is triangular.
            const std::uint32_t draw = noise.Next();
            line[x] = shades[((draw >> 16) + (draw & 0xFFFFu)) >> 8];
        }
    }
}

void PaintBevel(QPainter& painter) {
    const QColor rings[] = {QColor(0xAB, 0xD0, 0x8F), QColor(0x7E, 0xB8, 0x72),
                            QColor(0x33, 0x90, 0x43)};
    for (int i = 0; i < 3; ++i) {
        const QRect ring(i, i, Width - 2 * i, Height - 2 * i);
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), rings[i]);
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), rings[i]);
        painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), rings[i]);
        painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), rings[i]);
    }
}

QPainterPath NumberPath() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(200);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("21"));
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(NumberBox.left(), NumberBox.top());
    fit.scale(NumberBox.width() / bounds.width(), NumberBox.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

// Flat #047724 with a light upper-left edge and a dark lower-right one, like a
// pressing in the cloth.
void PaintEmbossedNumber(QPainter& painter) {
    const QPainterPath number = NumberPath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x16, 0x88, 0x34));
    painter.drawPath(number.translated(-1.2, -1.2));
    painter.setBrush(QColor(0x02, 0x5C, 0x1A));
    painter.drawPath(number.translated(1.2, 1.2));
    painter.setBrush(QColor(0x04, 0x77, 0x24));
    painter.drawPath(number);
    painter.restore();
}

void PaintAddress(QPainter& painter) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    const QString address = QStringLiteral("tarvesz.hu/huszonegy");
    const QRectF box = AddressBox.adjusted(-20, -2, 0, 2);
    painter.save();
    painter.setFont(font);
    // A faint shade in the felt just behind the letters, fading out at its edge, so the pale
    // yellow reads against the lightest threads too.
    const QRectF letters = painter.boundingRect(box, Qt::AlignRight | Qt::AlignVCenter, address);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00, 0x20, 0x08, 30));
    for (int step = 2; step >= 0; --step)
        painter.drawRoundedRect(letters.adjusted(-2 - 2 * step, -step, 2 + 2 * step, step),
                                3 + step, 3 + step);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0xF0, 0xEC, 0xA0));
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, address);
    painter.restore();
}

} // namespace

QPixmap BackgroundPicture(qreal devicePixelRatio) {
    QImage image = NewCanvas(Width, Height, devicePixelRatio);
    PaintBaize(image);
    {
        QPainter painter(&image);
        PaintBevel(painter);
        PaintEmbossedNumber(painter);
        PaintAddress(painter);
    }
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}
