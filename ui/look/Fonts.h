#pragma once
// The fonts the windows are laid out for, where this machine has them, and plain faces to
// stand in for them where it does not.

#include <QFont>
#include <QString>
#include <QStringList>

// Makes Tahoma and MS Sans Serif from Wine's font folder available to the program when the
// folder is there; nothing happens otherwise and the desktop's look-alikes are used.
void RegisterWindowsFonts(const QString& folder = QStringLiteral("/usr/share/wine/fonts"));

// Plain sans faces every Debian desktop has, tried after the families a font asks for, so a
// missing family never falls to whatever the font configuration likens it to (a script face
// for "Comic Sans MS").
QStringList PlainFallbackFamilies();

// Comic Sans MS for the table's labels, Comic Neue where the original is not installed.
QFont TableFont(int pixelSize, bool bold);

// The window's own font for the three game buttons, 11 pixels times `zoom`. MS Sans Serif
// comes only in a few pixel sizes, so on screens that draw at another ratio, and on a table
// shrunk to fit its screen, the scalable Tahoma takes its place.
QFont ButtonFont(qreal devicePixelRatio, qreal zoom = 1.0);

// Tahoma 11 px, the dialogs' font.
QFont DialogFont();

// `base` in bold, in a face whose bold shows at that size: a bold that draws its stems no
// thicker than the regular (Wine's Tahoma Bold at 11 px) gives way to a plain face's bold.
QFont HeadingFont(const QFont& base);

// Arial bold, the about box's product name.
QFont ProductFont(int pixelSize);
