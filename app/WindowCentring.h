#pragma once
// Where the game's dialogs and boxes open: centred on an area of the screen, the window
// manager's frame included, so they sit where a player expects them.

#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// The full geometry of the screen that holds the table: the active window, or else the first
// visible window of the program other than `except` (the primary screen without one).
QRect ScreenOfTable(const QWidget* except);

// Where `owner`'s window stands, frame included; without an owner the table's, and without a
// table the screen's.
QRect AreaOfOwner(const QWidget* owner, const QWidget* except);

// Centres `window`, a top-level widget, on `area(frameSize)` whenever it is shown; the area
// may depend on the size of the window's frame (a box placed beside the table). The frame is not
// known until the window manager has drawn it, so the window is first placed with the frame
// seen last (none at first, which centres the client area exactly where there is no window
// manager) and moved once more if the real frame puts its middle elsewhere.
void CentreWhenShown(QWidget& window, std::function<QRect(QSize frameSize)> area);
