#pragma once
// The table's move handed to an X11 window manager (_NET_WM_MOVERESIZE) from the place the
// button went down, not from where the pointer stands once the drag is recognised, so the
// table follows the pointer's whole way although the move starts only after the drag
// distance.

#include <QPoint>

#include <optional>

class QWindow;

// Where the pointer stands on the X11 screen, in the server's own pixels; nothing off X11.
std::optional<QPoint> X11PointerPosition();

// Asks the window manager to move `window` with the left button, from the pointer position
// `pressedAt` (from X11PointerPosition at the press). False off X11 and where no window
// manager takes such requests, so the caller moves the window itself.
bool StartWindowManagerMove(const QWindow& window, QPoint pressedAt);
