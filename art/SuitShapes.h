#pragma once
// The four German suits of the Hungarian deck, drawn as vector emblems.
//
// Suit digit of a card code: '1' Piros (hearts), '2' Tök (bells), '3' Zöld (leaves),
// '4' Makk (acorns).

#include <QColor>
#include <QPointF>

class QPainter;

enum class Suit { Piros = 0, Tok, Zold, Makk };

// Any digit outside '1'..'4' falls back to Piros so a stray code still draws a card.
Suit SuitFromDigit(char digit);

// The suit's main colour, also used for the clothes of its court cards.
QColor SuitColour(Suit suit);

// Draws the emblem centred on `centre`, `size` logical pixels high, turned upside
// down when `inverted` (the lower half of a card).
void DrawSuit(QPainter& painter, Suit suit, QPointF centre, qreal size, bool inverted = false);
