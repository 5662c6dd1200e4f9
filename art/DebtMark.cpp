// The in-debt mark: a wooden club lying corner to corner, head up to the right.
#include "art/ArtCanvas.h"
#include "art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Size = 64;

// The club laid along the x axis, knob at the origin and head to the right; the
// caller turns it onto the diagonal.
QPainterPath ClubPath() {
    QPainterPath club;
    // A long taper into a thick head, so it reads as a club rather than a bone or a leg.
    club.moveTo(12, -3.2);
    club.cubicTo(24, -3.6, 34, -6.5, 47, -9.5);
    club.cubicTo(58, -12, 65, -8.5, 65, 0);
    club.cubicTo(65, 8.5, 58, 12, 47, 9.5);
    club.cubicTo(34, 6.5, 24, 3.6, 12, 3.2);
    club.closeSubpath();
    return club;
}

QLinearGradient Wood(qreal halfWidth) {
    QLinearGradient wood(0, -halfWidth, 0, halfWidth);
    wood.setColorAt(0.0, QColor(0xC0, 0xA0, 0x80));
    wood.setColorAt(0.3, QColor(0xC0, 0x80, 0x60));
    wood.setColorAt(0.65, QColor(0xA0, 0x80, 0x60));
    wood.setColorAt(1.0, QColor(0x80, 0x60, 0x40));
    return wood;
}

} // namespace

QPixmap DebtMarkPicture(qreal devicePixelRatio) {
    QImage image = NewCanvas(Size, Size, devicePixelRatio);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(7, 57);
        painter.rotate(-45);
        painter.scale(0.9, 1.0);
        const QPen outline(QColor(0x40, 0x28, 0x14), 1.0);

        painter.setPen(outline);
        painter.setBrush(Wood(14));
        painter.drawPath(ClubPath());

        // Grain and a couple of knots.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0x80, 0x60, 0x40), 0.7));
        painter.drawLine(QPointF(24, -1.5), QPointF(44, -5));
        painter.drawLine(QPointF(30, 1.8), QPointF(56, 4));
        painter.setBrush(QColor(0x80, 0x60, 0x40));
        painter.drawEllipse(QPointF(52, -5), 2.0, 1.2);
        painter.drawEllipse(QPointF(58, 5), 1.4, 1.0);

        // The dark red grip wound round the handle.
        painter.setPen(outline);
        QLinearGradient grip(0, -4, 0, 4);
        grip.setColorAt(0, QColor(0xB0, 0x28, 0x20));
        grip.setColorAt(1, QColor(0x60, 0x08, 0x08));
        painter.setBrush(grip);
        painter.drawRoundedRect(QRectF(4, -3.8, 12, 7.6), 1.5, 1.5);
        painter.setPen(QPen(QColor(0x40, 0x04, 0x04), 0.6));
        for (qreal x = 7; x < 16; x += 3)
            painter.drawLine(QPointF(x, -3.6), QPointF(x - 1.2, 3.6));

        // The flared knob at the end.
        QPainterPath knob;
        knob.moveTo(5, -3);
        knob.cubicTo(2, -3.5, 0.5, -6.5, -0.5, -6.5);
        knob.cubicTo(-2, -6.5, -2, 6.5, -0.5, 6.5);
        knob.cubicTo(0.5, 6.5, 2, 3.5, 5, 3);
        knob.closeSubpath();
        painter.setPen(outline);
        painter.setBrush(Wood(6.5));
        painter.drawPath(knob);
    }
    return QPixmap::fromImage(image);
}
