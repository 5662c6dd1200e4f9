#pragma once
// Which display a copy of the game shows its windows on, named so that two starts on one
// display agree whichever way their DISPLAY spells it, and so that a player reads it in the
// box a second start shows when the game already runs elsewhere.

#include <QString>

// The display this program shows its windows on: the window system and its display name.
QString OwnDisplay();

// The X server a DISPLAY value names, in one spelling: ":N", ":N.S", "unix:N" and
// "/tmp/.X11-unix/XN" are all ":N" (the local server N); a remote "host:N.S" is "host:N".
QString XServerName(const QString& display);

// `display` as the running copy named it ("xcb :1", "wayland /run/user/1000/wayland-1"): the
// display's own short name (":1", "wayland-1"), or empty when it has none worth showing.
QString ShortDisplayName(const QString& display);

// The text of the box: the game runs on another screen or login session, named where it helps.
QString RunningElsewhereText(const QString& display);
