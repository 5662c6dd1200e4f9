#include "art/CourtFigure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Ink(0x30, 0x20, 0x18);
const QColor Skin(0xF6, 0xD2, 0xAC);
const QColor Gold(0xF0, 0xC0, 0x30);

void DrawBody(QPainter& painter, Suit suit, QPointF neck, qreal width, qreal bottom) {
    QPainterPath body;
    body.moveTo(neck.x() - 4, neck.y());
    body.cubicTo(neck.x() - width / 2, neck.y() + 2, neck.x() - width / 2, neck.y() + 6,
                 neck.x() - width / 2, bottom);
    body.lineTo(neck.x() + width / 2, bottom);
    body.cubicTo(neck.x() + width / 2, neck.y() + 6, neck.x() + width / 2, neck.y() + 2,
                 neck.x() + 4, neck.y());
    body.closeSubpath();
    QLinearGradient cloth(neck.x() - width / 2, 0, neck.x() + width / 2, 0);
    cloth.setColorAt(0, SuitColour(suit).lighter(135));
    cloth.setColorAt(1, SuitColour(suit).darker(130));
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(cloth);
    painter.drawPath(body);
    // Gold trim down the front and a collar.
    painter.setPen(QPen(Gold, 1.6));
    painter.drawLine(QPointF(neck.x(), neck.y() + 2), QPointF(neck.x(), bottom));
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(neck.x(), neck.y() + 1), 4.5, 2.2);
}

void DrawHead(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(Skin);
    painter.drawEllipse(centre, 5.0, 6.0);
    painter.setPen(QPen(Ink, 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoint(centre + QPointF(-1.9, -0.6));
    painter.drawPoint(centre + QPointF(1.9, -0.6));
    painter.setPen(QPen(QColor(0xB0, 0x40, 0x30), 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-1.3, 2.8), centre + QPointF(1.3, 2.8));
}

void DrawCrown(QPainter& painter, QPointF head) {
    QPainterPath crown;
    const qreal base = head.y() - 4.5;
    crown.moveTo(head.x() - 6, base);
    crown.lineTo(head.x() - 6.5, base - 7);
    crown.lineTo(head.x() - 3, base - 3.5);
    crown.lineTo(head.x(), base - 8.5);
    crown.lineTo(head.x() + 3, base - 3.5);
    crown.lineTo(head.x() + 6.5, base - 7);
    crown.lineTo(head.x() + 6, base);
    crown.closeSubpath();
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(Gold);
    painter.drawPath(crown);
    painter.setBrush(QColor(0xD0, 0x20, 0x30));
    painter.drawEllipse(QPointF(head.x(), base - 2), 1.2, 1.2);
}

void DrawBeard(QPainter& painter, QPointF head) {
    QPainterPath beard;
    beard.moveTo(head.x() - 4.8, head.y() + 1);
    beard.cubicTo(head.x() - 4, head.y() + 9, head.x() + 4, head.y() + 9, head.x() + 4.8,
                  head.y() + 1);
    beard.cubicTo(head.x() + 2, head.y() + 4, head.x() - 2, head.y() + 4, head.x() - 4.8,
                  head.y() + 1);
    painter.setPen(QPen(Ink, 0.5));
    painter.setBrush(QColor(0xE4, 0xE4, 0xE0));
    painter.drawPath(beard);
}

void DrawFeatheredHat(QPainter& painter, QPointF head, Suit suit) {
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(SuitColour(suit).darker(150));
    painter.drawEllipse(QPointF(head.x(), head.y() - 4.5), 8.5, 2.2);
    painter.drawChord(QRectF(head.x() - 5, head.y() - 10.5, 10, 10), 0, 180 * 16);
    QPainterPath feather;
    feather.moveTo(head.x() + 3, head.y() - 8);
    feather.cubicTo(head.x() + 8, head.y() - 16, head.x() + 13, head.y() - 14, head.x() + 14,
                    head.y() - 17);
    feather.cubicTo(head.x() + 12, head.y() - 10, head.x() + 8, head.y() - 9, head.x() + 3,
                    head.y() - 8);
    painter.setBrush(Qt::white);
    painter.drawPath(feather);
}

void DrawCap(QPainter& painter, QPointF head, Suit suit) {
    QPainterPath cap;
    cap.moveTo(head.x() - 5.5, head.y() - 3);
    cap.cubicTo(head.x() - 6, head.y() - 11, head.x() + 6, head.y() - 11, head.x() + 5.5,
                head.y() - 3);
    cap.closeSubpath();
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(SuitColour(suit).darker(140));
    painter.drawPath(cap);
    painter.setBrush(Gold);
    painter.drawEllipse(QPointF(head.x(), head.y() - 9.5), 1.5, 1.5);
}

} // namespace

void DrawCourtHalf(QPainter& painter, CourtRank rank, Suit suit, const QRectF& half) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(half);
    const qreal cx = half.center().x();
    const QPointF head(cx, half.top() + 0.45 * half.height());
    DrawBody(painter, suit, QPointF(cx, head.y() + 7), half.width() * 0.78, half.bottom() + 1);
    // The head and its headwear a size up, so the face reads at card size.
    painter.save();
    painter.translate(head);
    painter.scale(1.3, 1.3);
    painter.translate(-head);
    DrawHead(painter, head);
    switch (rank) {
    case CourtRank::Kiraly:
        DrawBeard(painter, head);
        DrawCrown(painter, head);
        break;
    case CourtRank::Felso:
        DrawFeatheredHat(painter, head, suit);
        break;
    case CourtRank::Also:
        DrawCap(painter, head, suit);
        break;
    }
    painter.restore();
    switch (rank) {
    case CourtRank::Kiraly:
        DrawSuit(painter, suit, QPointF(half.left() + 7, half.bottom() - 8), 10);
        break;
    case CourtRank::Felso:
        // The Over holds his suit up high.
        DrawSuit(painter, suit, QPointF(half.left() + 8, half.top() + 9), 11);
        break;
    case CourtRank::Also:
        // The Under holds his suit down low.
        DrawSuit(painter, suit, QPointF(half.right() - 8, half.bottom() - 8), 11);
        break;
    }
    painter.restore();
}
