#pragma once
// The box a second start shows when the game already runs elsewhere, in a player's words.

#include <QString>

// `display` as the running copy named it ("xcb :1", "wayland /run/user/1000/wayland-1"): the
// display's own short name (":1", "wayland-1"), or empty when it has none worth showing.
QString ShortDisplayName(const QString& display);

// The text of the box: the game runs on another screen or login session, named where it helps.
QString RunningElsewhereText(const QString& display);
