#pragma once
// The half-length figures of the Alsó, Felső and Király, drawn twice per card
// (head to head) the way a double-ended court card is.

#include "art/SuitShapes.h"

#include <QRectF>

class QPainter;

enum class CourtRank { Also, Felso, Kiraly };

// Draws the figure's upper half into `half` (the top half of the portrait frame).
void DrawCourtHalf(QPainter& painter, CourtRank rank, Suit suit, const QRectF& half);
