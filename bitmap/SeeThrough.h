#pragma once
// The see-through rule of the card places and the deck, shared by the table and the card
// generator's contact sheet.

#include <QImage>

// Every pixel of the bottom-left pixel's colour becomes transparent.
QImage ApplySeeThrough(const QImage& image);
