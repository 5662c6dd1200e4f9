#pragma once
// Which display a copy of the game shows its windows on, named so that two starts on one
// display agree whichever way their DISPLAY spells it.

#include <QString>

// The display this program shows its windows on: the window system and its display name.
QString OwnDisplay();

// The X server a DISPLAY value names, in one spelling: ":N", ":N.S", "unix:N" and
// "/tmp/.X11-unix/XN" are all ":N" (the local server N); a remote "host:N.S" is "host:N".
QString XServerName(const QString& display);
