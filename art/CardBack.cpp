// The card back: an engraved blue-grey guilloche in a framed panel, the same seen
// from either end.
#include "art/ArtCanvas.h"
#include "art/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

const QColor InnerLine(0xE9, 0xE9, 0xE9);
const QColor Engraving(0x5C, 0x68, 0x7C);
const QColor Plate(0xB4, 0xBC, 0xC8);
const QRectF Panel(5, 5, CardWidth - 10, CardHeight - 10);

QPainterPath Wave(qreal y0, qreal amplitude, qreal period, qreal phase) {
    QPainterPath path;
    for (qreal x = Panel.left() - 2; x <= Panel.right() + 2; x += 0.5) {
        const qreal y =
            y0 + amplitude * std::sin((x - Panel.left()) * 2 * std::numbers::pi / period + phase);
        if (x == Panel.left() - 2)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    return path;
}

void DrawGuilloche(QPainter& painter) {
    painter.save();
    painter.setClipRect(Panel);
    painter.fillRect(Panel, Plate);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Engraving, 0.55));
    // Only the upper half is engraved: the mirror makes the lower one, and this is drawn
    // at every start.
    for (qreal y = Panel.top(); y < CardHeight / 2.0 + 4; y += 3.0) {
        painter.drawPath(Wave(y, 1.6, 12, 0));
        painter.drawPath(Wave(y + 1.5, 1.6, 12, std::numbers::pi));
    }
    painter.restore();
}

void DrawRosette(QPainter& painter, QPointF centre, qreal rx, qreal ry) {
    painter.save();
    painter.setBrush(QColor(0xD6, 0xDB, 0xE2));
    painter.setPen(QPen(Engraving, 1.0));
    painter.drawEllipse(centre, rx, ry);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Engraving, 0.5));
    for (int petal = 0; petal < 12; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.scale(rx / ry, 1.0);
        painter.rotate(petal * 15.0);
        painter.drawEllipse(QPointF(0, 0), ry * 0.9, ry * 0.3);
        painter.restore();
    }
    painter.setPen(QPen(Engraving, 0.8));
    painter.drawEllipse(centre, rx * 0.25, ry * 0.18);
    painter.restore();
}

void DrawFrame(QPainter& painter) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x3C, 0x46, 0x58), 1.2));
    painter.drawRoundedRect(Panel.adjusted(0.6, 0.6, -0.6, -0.6), 2, 2);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.drawRoundedRect(Panel.adjusted(3, 3, -3, -3), 2, 2);
    painter.setPen(QPen(QColor(0x3C, 0x46, 0x58), 0.6));
    painter.drawRoundedRect(Panel.adjusted(4.2, 4.2, -4.2, -4.2), 2, 2);
    // Corner flourishes.
    const qreal inset = 9;
    for (const QPointF corner : {QPointF(Panel.left() + inset, Panel.top() + inset),
                                 QPointF(Panel.right() - inset, Panel.top() + inset),
                                 QPointF(Panel.left() + inset, Panel.bottom() - inset),
                                 QPointF(Panel.right() - inset, Panel.bottom() - inset)}) {
        painter.setBrush(QColor(0xE4, 0xE8, 0xEE));
        painter.setPen(QPen(QColor(0x3C, 0x46, 0x58), 0.6));
        painter.drawEllipse(corner, 3.2, 3.2);
        painter.setBrush(QColor(0x3C, 0x46, 0x58));
        painter.drawEllipse(corner, 1.0, 1.0);
    }
    painter.restore();
}

// Copies the upper half onto the lower half, upside down, so the back is exactly the
// same from either end however the antialiasing fell.
void MirrorTopToBottom(QImage& image) {
    const int height = image.height();
    const int bytes = static_cast<int>(image.bytesPerLine());
    for (int y = 0; y < height / 2; ++y)
        std::memcpy(image.scanLine(height - 1 - y), image.constScanLine(y), bytes);
}

} // namespace

QImage CardBackImage(int scale) {
    QImage canvas = NewCanvas(CardWidth, CardHeight, scale);
    {
        QPainter painter(&canvas);
        PaintBlankCard(painter);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(InnerLine, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(1.5, 1.5, CardWidth - 3.0, CardHeight - 3.0), 4, 4);
        DrawGuilloche(painter);
        DrawFrame(painter);
        DrawRosette(painter, QPointF(CardWidth / 2.0, CardHeight / 2.0), 15, 22);
    }
    MirrorTopToBottom(canvas);
    return FinishCard(canvas);
}
