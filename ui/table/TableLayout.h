#pragma once
// Where each seat's cards lie on the table.

#include <QPoint>

// Card places laid out on the table for each seat.
inline constexpr int PlacesPerSeat = 6;

// Top-left corner of card `index` of a hand of `count` cards for a seat's letter (SeatLetters). Up
// to six cards fan out at the seat's own step; a longer hand closes up so that all its cards fit in
// the width of those six places and never reach another seat or a button.
QPoint CardPlacePosition(char letter, int index, int count);
