// The application icon: an upright acorn, nut on top, cup below, a curled stem under it.
// art/huszonegy.svg is the same drawing for the desktop's scalable icon.
#include "art/ArtCanvas.h"
#include "art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The drawing's own grid; every size is this one scaled.
constexpr qreal Grid = 64;

void DrawNut(QPainter& painter) {
    QPainterPath nut;
    nut.moveTo(32, 3);
    nut.cubicTo(44, 5, 50, 22, 49, 36);
    nut.lineTo(15, 36);
    nut.cubicTo(14, 22, 20, 5, 32, 3);
    nut.closeSubpath();
    painter.save();
    painter.setClipPath(nut);
    painter.fillRect(QRectF(0, 0, 32, Grid), QColor(0xE0, 0xC0, 0x40));
    painter.fillRect(QRectF(32, 0, 32, Grid), QColor(0x80, 0x20, 0x00));
    QLinearGradient shine(16, 0, 48, 0);
    shine.setColorAt(0, QColor(255, 255, 255, 0));
    shine.setColorAt(0.25, QColor(255, 255, 240, 90));
    shine.setColorAt(0.45, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(0, 0, Grid, Grid), shine);
    painter.restore();
    painter.setPen(QPen(QColor(0x30, 0x18, 0x00), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(nut);
}

void DrawCup(QPainter& painter) {
    QPainterPath cup;
    cup.moveTo(10, 33);
    cup.cubicTo(20, 30, 44, 30, 54, 33);
    cup.cubicTo(54, 44, 44, 51, 32, 51);
    cup.cubicTo(20, 51, 10, 44, 10, 33);
    cup.closeSubpath();
    painter.setPen(QPen(QColor(0x20, 0x20, 0x08), 1.6));
    painter.setBrush(QColor(0x40, 0x40, 0x20));
    painter.drawPath(cup);
    CrossHatch(painter, cup, QPen(QColor(0x68, 0x68, 0x38), 1.2),
               {QLineF(0, 30, 22, 52), QLineF(22, 30, 0, 52)}, -10, 64, 6);
}

void DrawStem(QPainter& painter) {
    QPainterPath stem;
    stem.moveTo(32, 50);
    stem.cubicTo(32, 56, 34, 60, 39, 60);
    stem.cubicTo(43, 60, 43, 55, 40, 55);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x20), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);
}

} // namespace

QImage AcornIcon(int size) {
    QImage image = NewCanvas(size, size, 1.0);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / Grid, size / Grid);
        DrawStem(painter);
        DrawNut(painter);
        DrawCup(painter);
    }
    return image;
}
