// The six small button pictures, drawn on a transparent ground.
#include "art/ArtCanvas.h"
#include "art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

constexpr int Size = 16;

void DrawCross(QPainter& painter) {
    const QPointF a(3.5, 3.5), b(12.5, 12.5), c(12.5, 3.5), d(3.5, 12.5);
    painter.setPen(QPen(QColor(0xA0, 0x20, 0x20), 4.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(a, b);
    painter.drawLine(c, d);
    painter.setPen(QPen(QColor(0xFF, 0x80, 0x80), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(a, b);
    painter.drawLine(c, d);
}

void DrawFlame(QPainter& painter) {
    QPainterPath flame;
    flame.moveTo(8, 15);
    flame.cubicTo(3, 15, 1.5, 11, 3.5, 7.5);
    flame.cubicTo(4, 9.5, 5, 10, 5.5, 10);
    flame.cubicTo(4.5, 6.5, 7, 3.5, 7, 1);
    flame.cubicTo(9.5, 3, 11, 5.5, 10.5, 8);
    flame.cubicTo(11.5, 7.5, 12, 6.5, 12, 5.5);
    flame.cubicTo(14.5, 9, 14, 15, 8, 15);
    QRadialGradient fire(QPointF(8, 12), 8);
    fire.setColorAt(0, QColor(0xFF, 0xE0, 0x40));
    fire.setColorAt(0.4, QColor(0xFF, 0x50, 0x10));
    fire.setColorAt(1, QColor(0x90, 0x08, 0x00));
    painter.setPen(QPen(QColor(0x70, 0x00, 0x00), 0.8));
    painter.setBrush(fire);
    painter.drawPath(flame);
}

void DrawCog(QPainter& painter, QPointF centre, qreal outer, int teeth, qreal angle) {
    QPainterPath cog;
    const qreal inner = outer * 0.72;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = angle + i * std::numbers::pi * 2 / (teeth * 4);
        const qreal r = (i % 4 < 2) ? outer : inner;
        const QPointF p = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            cog.moveTo(p);
        else
            cog.lineTo(p);
    }
    cog.closeSubpath();
    cog.addEllipse(centre, outer * 0.3, outer * 0.3);
    QLinearGradient steel(centre - QPointF(outer, outer), centre + QPointF(outer, outer));
    steel.setColorAt(0, QColor(0x90, 0x90, 0x90));
    steel.setColorAt(1, QColor(0x40, 0x40, 0x40));
    painter.setPen(QPen(QColor(0x28, 0x28, 0x28), 0.7));
    painter.setBrush(steel);
    painter.drawPath(cog);
}

void DrawCogs(QPainter& painter) {
    DrawCog(painter, QPointF(6, 6.5), 5.6, 8, 0.2);
    DrawCog(painter, QPointF(11.5, 11.5), 4.0, 6, 0.0);
}

void DrawBox(QPainter& painter) {
    const QPolygonF front{{1.5, 5}, {9.5, 5}, {9.5, 14.5}, {1.5, 14.5}};
    const QPolygonF top{{1.5, 5}, {5, 1.5}, {13, 1.5}, {9.5, 5}};
    const QPolygonF side{{9.5, 5}, {13, 1.5}, {13, 11}, {9.5, 14.5}};
    painter.setPen(QPen(QColor(0x20, 0x50, 0x80), 0.7));
    painter.setBrush(QColor(0x90, 0xC8, 0xF0));
    painter.drawPolygon(front);
    painter.setBrush(QColor(0xC0, 0xE4, 0xFF));
    painter.drawPolygon(top);
    painter.setBrush(QColor(0x60, 0xA0, 0xD8));
    painter.drawPolygon(side);
    QRadialGradient silver(QPointF(10, 10), 5.5);
    silver.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    silver.setColorAt(0.6, QColor(0xC8, 0xC8, 0xD0));
    silver.setColorAt(1, QColor(0x98, 0x98, 0xA8));
    painter.setPen(QPen(QColor(0x60, 0x60, 0x70), 0.7));
    painter.setBrush(silver);
    painter.drawEllipse(QPointF(10.5, 10.5), 5, 5);
    painter.setBrush(QColor(0xF0, 0xF0, 0xF4));
    painter.drawEllipse(QPointF(10.5, 10.5), 1.3, 1.3);
}

void DrawStar(QPainter& painter) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal r = (i % 2 == 0) ? 7.3 : 3.0;
        star << QPointF(8 + r * std::cos(a), 8.6 + r * std::sin(a));
    }
    QLinearGradient blue(0, 1, 0, 15);
    blue.setColorAt(0, QColor(0x60, 0xA0, 0xFF));
    blue.setColorAt(1, QColor(0x10, 0x40, 0xD0));
    painter.setPen(
        QPen(QColor(0x00, 0x18, 0x70), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(blue);
    painter.drawPolygon(star);
}

void DrawScissors(QPainter& painter) {
    const QColor blade(0xD8, 0xDC, 0xE0);
    const QPen edge(QColor(0x70, 0x74, 0x7C), 0.7);
    // Two blades opening upwards from the pivot.
    for (const int side : {-1, 1}) {
        QPainterPath path;
        path.moveTo(8 - side * 1.2, 9.5);
        path.lineTo(8 + side * 5.5, 0.8);
        path.lineTo(8 + side * 6.2, 1.6);
        path.lineTo(8 + side * 1.0, 10.5);
        path.closeSubpath();
        painter.setPen(edge);
        painter.setBrush(blade);
        painter.drawPath(path);
    }
    painter.setPen(QPen(QColor(0x10, 0x30, 0x90), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(4.5, 13), 2.3, 2.0);
    painter.drawEllipse(QPointF(11.5, 13), 2.3, 2.0);
    painter.drawLine(QPointF(6.3, 11.6), QPointF(8, 9.8));
    painter.drawLine(QPointF(9.7, 11.6), QPointF(8, 9.8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x50, 0x50, 0x58));
    painter.drawEllipse(QPointF(8, 9.6), 0.9, 0.9);
}

} // namespace

QPixmap ButtonPicturePixmap(ButtonPicture which, qreal devicePixelRatio) {
    QImage image = NewCanvas(Size, Size, devicePixelRatio);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        switch (which) {
        case ButtonPicture::Close:
            DrawCross(painter);
            break;
        case ButtonPicture::Minimise:
            DrawFlame(painter);
            break;
        case ButtonPicture::Settings:
            DrawCogs(painter);
            break;
        case ButtonPicture::About:
            DrawBox(painter);
            break;
        case ButtonPicture::Homepage:
            DrawStar(painter);
            break;
        case ButtonPicture::ResetResults:
            DrawScissors(painter);
            break;
        }
    }
    return QPixmap::fromImage(image);
}
