#pragma once
// Checks a Windows bitmap's headers before any decoder sees the bytes, so a damaged or
// hostile file gives one of the game's messages instead of a crash or a garbage picture.

#include <QByteArray>

enum class BitmapCheck { Sound, Truncated, Invalid };

// `bytes` is the whole file, at least 14 bytes long and starting with "BM".
BitmapCheck CheckBitmapHeaders(const QByteArray& bytes);
