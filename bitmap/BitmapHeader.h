#pragma once
// Checks a Windows bitmap's headers before any decoder sees the bytes, so a damaged or
// hostile file gives one of the game's messages instead of a crash, a garbage picture or
// an allocation far beyond any card.

#include <QByteArray>
#include <QtGlobal>

// A card is 76 x 124 and its sharp twin twice that; anything past these is not a card.
constexpr int MaxPictureSide = 1024;
constexpr qint64 MaxPictureFileBytes = 8LL * 1024 * 1024;

enum class BitmapCheck { Sound, Truncated, Invalid };

// What the decoder will make of a sound file: its size in pixels, and whether its pixels
// are run-length coded (such data may leave pixels out).
struct BitmapShape {
    int width = 0;
    int height = 0;
    bool runLength = false;
};

struct BitmapHeaders {
    BitmapCheck check = BitmapCheck::Invalid;
    BitmapShape shape; // meaningful only when `check` is Sound
};

// `bytes` is the whole file, at least 14 bytes long and starting with "BM".
BitmapHeaders CheckBitmapHeaders(const QByteArray& bytes);
