#include "art/SuitShapes.h"

#include "art/ArtCanvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// Every shape is laid out in a unit box centred on the origin, y pointing down.
namespace {

constexpr qreal OutlineWidth = 0.035;

QPainterPath HeartPath() {
    QPainterPath path;
    path.moveTo(0, 0.46);
    path.cubicTo(-0.56, 0.06, -0.52, -0.46, -0.25, -0.46);
    path.cubicTo(-0.1, -0.46, -0.02, -0.37, 0, -0.26);
    path.cubicTo(0.02, -0.37, 0.1, -0.46, 0.25, -0.46);
    path.cubicTo(0.52, -0.46, 0.56, 0.06, 0, 0.46);
    return path;
}

void DrawHeart(QPainter& painter) {
    QRadialGradient fill(QPointF(-0.15, -0.2), 0.7);
    fill.setColorAt(0, QColor(0xF4, 0x5A, 0x5A));
    fill.setColorAt(1, QColor(0xB0, 0x08, 0x14));
    painter.setPen(QPen(QColor(0x60, 0x00, 0x08), OutlineWidth));
    painter.setBrush(fill);
    painter.drawPath(HeartPath());
}

void DrawBell(QPainter& painter) {
    QPainterPath body;
    body.moveTo(0, -0.36);
    body.cubicTo(-0.22, -0.36, -0.27, -0.14, -0.29, 0.04);
    body.cubicTo(-0.31, 0.16, -0.39, 0.2, -0.42, 0.27);
    body.lineTo(0.42, 0.27);
    body.cubicTo(0.39, 0.2, 0.31, 0.16, 0.29, 0.04);
    body.cubicTo(0.27, -0.14, 0.22, -0.36, 0, -0.36);
    const QPen outline(QColor(0x5A, 0x30, 0x00), OutlineWidth);

    painter.setPen(QPen(QColor(0x5A, 0x30, 0x00), 0.06));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, -0.41), 0.06, 0.06);

    painter.setPen(outline);
    painter.setBrush(QColor(0x2E, 0x7D, 0x32));
    painter.drawEllipse(QPointF(0, 0.36), 0.09, 0.09);

    QLinearGradient metal(-0.4, 0, 0.4, 0);
    metal.setColorAt(0, QColor(0xC0, 0x78, 0x08));
    metal.setColorAt(0.35, QColor(0xFF, 0xD8, 0x50));
    metal.setColorAt(1, QColor(0xB0, 0x68, 0x00));
    painter.setBrush(metal);
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x20, 0x20));
    painter.drawRect(QRectF(-0.5, -0.08, 1.0, 0.1));
    painter.restore();

    painter.setPen(outline);
    painter.setBrush(QColor(0xE8, 0xA8, 0x20));
    painter.drawRoundedRect(QRectF(-0.44, 0.22, 0.88, 0.1), 0.04, 0.04);
}

void DrawLeaf(QPainter& painter) {
    QPainterPath leaf;
    leaf.moveTo(0, -0.5);
    leaf.cubicTo(0.2, -0.3, 0.52, -0.16, 0.43, 0.12);
    leaf.cubicTo(0.37, 0.3, 0.15, 0.36, 0.035, 0.3);
    leaf.lineTo(0.035, 0.5);
    leaf.lineTo(-0.035, 0.5);
    leaf.lineTo(-0.035, 0.3);
    leaf.cubicTo(-0.15, 0.36, -0.37, 0.3, -0.43, 0.12);
    leaf.cubicTo(-0.52, -0.16, -0.2, -0.3, 0, -0.5);
    QLinearGradient fill(-0.4, -0.4, 0.4, 0.4);
    fill.setColorAt(0, QColor(0x6C, 0xC8, 0x48));
    fill.setColorAt(1, QColor(0x1A, 0x70, 0x1E));
    painter.setPen(QPen(QColor(0x0C, 0x40, 0x10), OutlineWidth));
    painter.setBrush(fill);
    painter.drawPath(leaf);

    painter.setPen(QPen(QColor(0xC8, 0xEC, 0xA0), 0.03, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0.28), QPointF(0, -0.38));
    for (const qreal y : {-0.2, -0.02, 0.14}) {
        painter.drawLine(QPointF(0, y + 0.08), QPointF(-0.22, y - 0.04));
        painter.drawLine(QPointF(0, y + 0.08), QPointF(0.22, y - 0.04));
    }
}

void DrawAcorn(QPainter& painter) {
    painter.setPen(QPen(QColor(0x40, 0x28, 0x10), 0.07, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -0.36), QPointF(0.04, -0.49));

    QPainterPath nut;
    nut.moveTo(-0.25, -0.08);
    nut.cubicTo(-0.3, 0.2, -0.14, 0.42, 0, 0.5);
    nut.cubicTo(0.14, 0.42, 0.3, 0.2, 0.25, -0.08);
    nut.closeSubpath();
    QLinearGradient shell(-0.3, 0, 0.3, 0);
    shell.setColorAt(0, QColor(0xF0, 0xB0, 0x50));
    shell.setColorAt(0.4, QColor(0xD0, 0x80, 0x28));
    shell.setColorAt(1, QColor(0x80, 0x40, 0x08));
    painter.setPen(QPen(QColor(0x4A, 0x24, 0x04), OutlineWidth));
    painter.setBrush(shell);
    painter.drawPath(nut);

    QPainterPath cup;
    cup.moveTo(-0.33, -0.02);
    cup.cubicTo(-0.36, -0.3, -0.18, -0.4, 0, -0.4);
    cup.cubicTo(0.18, -0.4, 0.36, -0.3, 0.33, -0.02);
    cup.cubicTo(0.12, 0.04, -0.12, 0.04, -0.33, -0.02);
    painter.setBrush(QColor(0x6E, 0x4C, 0x22));
    painter.drawPath(cup);
    CrossHatch(painter, cup, QPen(QColor(0x3A, 0x26, 0x0C), 0.03),
               {QLineF(0, -0.45, 0.5, 0.05), QLineF(0, -0.45, -0.5, 0.05)}, -0.8, 0.8, 0.11);
}

} // namespace

Suit SuitFromDigit(char digit) {
    switch (digit) {
    case '2':
        return Suit::Tok;
    case '3':
        return Suit::Zold;
    case '4':
        return Suit::Makk;
    default:
        return Suit::Piros;
    }
}

QColor SuitColour(Suit suit) {
    switch (suit) {
    case Suit::Tok:
        return QColor(0xE0, 0x9A, 0x10);
    case Suit::Zold:
        return QColor(0x2A, 0x8A, 0x2E);
    case Suit::Makk:
        return QColor(0x8A, 0x56, 0x20);
    case Suit::Piros:
        break;
    }
    return QColor(0xC8, 0x18, 0x24);
}

void DrawSuit(QPainter& painter, Suit suit, QPointF centre, qreal size, bool inverted) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.scale(size, size);
    if (inverted)
        painter.rotate(180);
    switch (suit) {
    case Suit::Piros:
        DrawHeart(painter);
        break;
    case Suit::Tok:
        DrawBell(painter);
        break;
    case Suit::Zold:
        DrawLeaf(painter);
        break;
    case Suit::Makk:
        DrawAcorn(painter);
        break;
    }
    painter.restore();
}
