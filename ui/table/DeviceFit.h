#pragma once
// The table whole on its screen to the device pixel. Qt rounds a screen's free area from
// device pixels to logical ones, and a window's logical place and size back to device ones,
// each on its own; at a fractional scale a table sized and placed by the logical area alone
// can hang a device pixel off it. Here the area's device edges are taken at the least they
// can be, and the window's at what Qt will make of them.

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

// A screen's free area as the window system has it: logical pixels, on a screen whose top-left
// corner `origin` is the same in device and logical pixels, at `ratio` device pixels to one.
struct ScreenArea {
    QRect available;
    QPoint origin;
    qreal ratio = 1.0;
};

// The free area of `screen`; an empty one without a screen.
ScreenArea AreaOf(const QScreen* screen);

// The free area of the screen whose free area holds `point`, else of the primary screen.
ScreenArea AreaAt(QPoint point);

// The largest logical size a window can take in `area` and still lie inside it, to the device
// pixel, at some place.
QSize RoomIn(const ScreenArea& area);

// `place` moved the least so that a window of logical `size` lies inside `area` to the device
// pixel; a window too large for it keeps its top-left corner inside.
QPoint WholeInside(QPoint place, QSize size, const ScreenArea& area);
