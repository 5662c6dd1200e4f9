#pragma once
// The one picture loader for card places and the deck: Windows bitmaps read from disk
// with the game's exact failure messages, drawn with the see-through rule.

#include "bitmap/SeeThrough.h"

#include <QImage>
#include <QPixmap>
#include <QString>

// Reads a .bmp file. A 0-byte file gives a null image; every other failure throws
// std::runtime_error with the message the player sees ("Cannot open file ...",
// "Stream read error", "Bitmap image is not valid"). Only a regular file of at most
// MaxPictureFileBytes is read; anything else is "Bitmap image is not valid".
QImage LoadBitmapFile(const QString& path);

// The bytes of a picture file turned into its image, with the same results and messages as
// LoadBitmapFile once the file is read. Every pixel of the image is set.
QImage DecodeBitmap(const QByteArray& bytes);

// A card picture ready to draw from `path`, whose errors are the ones reported. On screens
// with a ratio above 1 the "@2x" file beside it is drawn instead when it loads.
QPixmap LoadCardPicture(const QString& path, qreal devicePixelRatio);
