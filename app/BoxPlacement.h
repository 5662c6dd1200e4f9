#pragma once
// Where a box about the table opens: beside the table, so that it hides none of what it
// announces (the winner's yellow name, the cards, the totals), where the screen has room.

#include <QRect>
#include <QSize>

// The frame of a box of frame size `box` next to the table's frame `table` on the available
// area `screen` of the table's screen: below the table, else to its right, else to its left,
// else above it, each as near the table's centre line as the screen allows. Where the box
// fits on no side, it is centred on the table.
QRect BesideTable(const QRect& table, const QSize& box, const QRect& screen);
