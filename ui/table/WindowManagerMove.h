#pragma once
// The table's move handed to an X11 window manager (_NET_WM_MOVERESIZE) at the press, while
// the button is held. Some managers start the move from wherever the pointer is when they read
// the request, whatever point it names (sway's Xwayland does): asked only once the pointer has
// gone the drag distance, the table would lag behind the pointer by that much for good.

#include <QPoint>

#include <optional>

class QWindow;

// Where the pointer stands on the X11 screen, in the server's own pixels, while the left
// button is held; nothing once it is up (a tap's release came already) and nothing off X11.
std::optional<QPoint> X11PointerHeld();

// Asks the window manager to move `window` with the left button, from the pointer position
// `pressedAt` (from X11PointerHeld at the press). False off X11 and where no window manager
// takes such requests, so the caller moves the window itself.
bool StartWindowManagerMove(const QWindow& window, QPoint pressedAt);

// Calls off a move asked for by StartWindowManagerMove whose release reached the game, so the
// manager did not see it: it would otherwise carry the window until the next click.
void CancelWindowManagerMove(const QWindow& window);
