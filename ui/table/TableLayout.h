#pragma once
// Where each seat's cards lie on the table.

#include <QPoint>
#include <QRect>
#include <QSize>

// Card places laid out on the table for each seat.
inline constexpr int PlacesPerSeat = 6;

// Top-left corner of card `index` of a hand of `count` cards for a seat's letter (SeatLetters). Up
// to six cards fan out at the seat's own step; a longer hand closes up so that all its cards fit in
// the width of those six places and never reach another seat or a button.
QPoint CardPlacePosition(char letter, int index, int count);

// The table's zoom in the room `available` (RoomIn of a screen's free area): 1 where the whole
// `table` fits, else the largest at which it fits both ways, so every control can be reached.
qreal FitZoom(QSize table, QSize available);

// `base`, in the table's pixels at zoom 1, at `zoom`. Edges are rounded, not sizes, so controls
// that meet at zoom 1 still meet.
QRect Zoomed(const QRect& base, qreal zoom);
