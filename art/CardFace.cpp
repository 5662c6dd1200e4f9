// The 32 card faces. Rank digit '1'..'8' is VII, VIII, IX, X, Alsó, Felső, Király, Ász.
#include "art/ArtCanvas.h"
#include "art/CourtFigure.h"
#include "art/Pictures.h"
#include "art/SuitShapes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <vector>

namespace {

constexpr qreal PipSize = 15;
const QPointF CardCentre(CardWidth / 2.0, CardHeight / 2.0);
const QRectF PortraitFrame(16.5, 8.5, 43, 107);

// Short marks read at a glance in the corners: Roman numerals for the numbers, the
// Hungarian initials for the Alsó, Felső, Király and Ász.
QString RankMark(char rank) {
    static const std::array<const char*, 8> marks = {"VII", "VIII", "IX", "X", "A", "F", "K", "Á"};
    const int index = rank - '1';
    return QString::fromUtf8(index >= 0 && index < 8 ? marks[index] : "?");
}

// The mark squeezed into `box` so "VIII" fits the same narrow corner as "A".
void DrawMark(QPainter& painter, const QString& mark, const QRectF& box, const QColor& colour) {
    QPainterPath path;
    path.addText(0, 0, CardMarkFont(), mark);
    const QRectF bounds = path.boundingRect();
    const qreal scaleY = box.height() / bounds.height();
    const qreal scaleX = std::min(scaleY, box.width() / bounds.width());
    QTransform fit;
    fit.translate(box.center().x(), box.top());
    fit.scale(scaleX, scaleY);
    fit.translate(-bounds.center().x(), -bounds.top());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(fit.map(path));
    painter.restore();
}

void DrawIndex(QPainter& painter, char rank, Suit suit) {
    const QColor ink = suit == Suit::Piros ? QColor(0xB0, 0x10, 0x1C) : QColor(0x20, 0x20, 0x20);
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(CardWidth, CardHeight);
            painter.rotate(180);
        }
        DrawMark(painter, RankMark(rank), QRectF(2.5, 4, 12, 9), ink);
        DrawSuit(painter, suit, QPointF(8.5, 20.5), 9);
        painter.restore();
    }
}

std::vector<QPointF> PipPlaces(char rank) {
    constexpr qreal left = 28, mid = CardWidth / 2.0, right = 48;
    switch (rank) {
    case '1': // VII
        return {{left, 24},  {right, 24}, {mid, 43},   {left, 62},
                {right, 62}, {left, 100}, {right, 100}};
    case '2': // VIII
        return {{left, 24},  {right, 24}, {mid, 43},   {left, 62},
                {right, 62}, {mid, 81},   {left, 100}, {right, 100}};
    case '3': // IX
        return {{left, 22}, {right, 22}, {left, 48},  {right, 48}, {mid, 62},
                {left, 76}, {right, 76}, {left, 102}, {right, 102}};
    default: // X
        return {{left, 22}, {right, 22}, {mid, 35}, {left, 48},  {right, 48},
                {left, 76}, {right, 76}, {mid, 89}, {left, 102}, {right, 102}};
    }
}

void DrawPips(QPainter& painter, char rank, Suit suit) {
    for (const QPointF& place : PipPlaces(rank))
        DrawSuit(painter, suit, place, PipSize, place.y() > CardCentre.y() + 0.5);
}

void DrawFrame(QPainter& painter, const QRectF& frame, const QColor& tint) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x30, 0x20), 1.0));
    painter.setBrush(tint);
    painter.drawRoundedRect(frame, 3, 3);
    painter.restore();
}

void DrawCourt(QPainter& painter, CourtRank rank, Suit suit) {
    DrawFrame(painter, PortraitFrame, QColor(0xFF, 0xF8, 0xE4));
    const QRectF inner = PortraitFrame.adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF upper(inner.left(), inner.top(), inner.width(), CardCentre.y() - inner.top());
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(CardWidth, CardHeight);
            painter.rotate(180);
        }
        DrawCourtHalf(painter, rank, suit, upper);
        painter.restore();
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x30, 0x20), 0.8));
    painter.drawLine(QPointF(inner.left(), CardCentre.y()), QPointF(inner.right(), CardCentre.y()));
    painter.restore();
}

void DrawAce(QPainter& painter, Suit suit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(CardCentre, 26);
    glow.setColorAt(0, Qt::white);
    glow.setColorAt(1, SuitColour(suit).lighter(170));
    painter.setPen(QPen(QColor(0xC0, 0x98, 0x30), 1.4));
    painter.setBrush(glow);
    painter.drawEllipse(CardCentre, 23, 34);
    painter.setPen(QPen(QColor(0xC0, 0x98, 0x30), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(CardCentre, 20.5, 31.5);
    painter.restore();
    DrawSuit(painter, suit, CardCentre, 38);
    DrawSuit(painter, suit, QPointF(CardCentre.x(), 14), 8);
    DrawSuit(painter, suit, QPointF(CardCentre.x(), CardHeight - 14), 8, true);
}

} // namespace

QFont CardMarkFont() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(40);
    return font;
}

QImage CardFaceImage(CardCode code, int scale) {
    QImage canvas = NewCanvas(CardWidth, CardHeight, scale);
    {
        QPainter painter(&canvas);
        PaintBlankCard(painter);
        const Suit suit = SuitFromDigit(code.suit);
        switch (code.rank) {
        case '5':
            DrawCourt(painter, CourtRank::Also, suit);
            break;
        case '6':
            DrawCourt(painter, CourtRank::Felso, suit);
            break;
        case '7':
            DrawCourt(painter, CourtRank::Kiraly, suit);
            break;
        case '8':
            DrawAce(painter, suit);
            break;
        default:
            DrawPips(painter, code.rank, suit);
            break;
        }
        DrawIndex(painter, code.rank, suit);
    }
    return FinishCard(canvas);
}
