#pragma once
// Where the table opens: where the player left it while its top row (the title area and the
// small buttons, by which it is dragged and closed) can still be reached there, else on the
// nearest screen.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// The strip along the table's top edge that must stay on a screen.
inline constexpr int TableTopRowHeight = 30;

// Stored: the player chose the place, so it is kept while the top row is on the screens.
// Default: nobody chose it, so the whole table is brought inside the nearest screen's area.
enum class PlaceOrigin { Stored, Default };

// The table's top-left corner at start, from the place read from the file, the table's size
// and the screens' available areas (panels left out), the primary one first. A place that has
// to move keeps as much of itself as fits: the table goes inside the available area of the
// screen nearest to its top row, as far as its size allows, its top edge first.
QPoint StartPlace(QPoint place, PlaceOrigin origin, QSize table, const QList<QRect>& available);

// The available areas of the screens now attached, the primary one first.
QList<QRect> AvailableAreas();

// False where the window system does not tell a program where its window stands (Wayland):
// there the place to keep is the one read at start.
bool KnowsOwnPosition();
