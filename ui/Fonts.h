#pragma once
// The fonts the windows are laid out for, where this machine has them.

#include <QFont>
#include <QString>

// Makes Tahoma and MS Sans Serif from Wine's font folder available to the program when the
// folder is there; nothing happens otherwise and the desktop's look-alikes are used.
void RegisterWindowsFonts(const QString& folder = QStringLiteral("/usr/share/wine/fonts"));

// Comic Sans MS for the table's labels, Comic Neue where the original is not installed.
QFont TableFont(int pixelSize, bool bold);

// The window's own font for the three game buttons. MS Sans Serif comes only in a few pixel
// sizes, so on screens that draw at another ratio the scalable Tahoma takes its place.
QFont ButtonFont(qreal devicePixelRatio);
