#pragma once
// Which display a copy of the game shows its windows on, named so that two starts on one
// display agree whichever way their DISPLAY spells it, and so that a player reads it in the
// box a second start shows when the game already runs elsewhere.

#include <QString>

// The display this program shows its windows on: the window system and its display name.
QString OwnDisplay();

// The Wayland compositor of this program's session, as the path of its socket; empty outside
// a Wayland session. A client of the compositor's own Xwayland has it too.
QString OwnWaylandSocket();

// Whether a start made on `display` in the Wayland session `waylandSocket` (empty: none) is
// on this program's screen: the same display, or the same Wayland session, natively or
// through its Xwayland.
bool OnOwnScreen(const QString& display, const QString& waylandSocket);

// The X server a DISPLAY value names, in one spelling: ":N", ":N.S", "unix:N" and
// "/tmp/.X11-unix/XN" are all ":N" (the local server N); a remote "host:N.S" is "host:N".
QString XServerName(const QString& display);

// `display` as the running copy named it ("xcb :1", "wayland /run/user/1000/wayland-1"): the
// display's own short name (":1", "wayland-1"), or empty when it has none worth showing.
QString ShortDisplayName(const QString& display);

// The text of the box: the game runs on another screen or login session, named where it helps.
QString RunningElsewhereText(const QString& display);
