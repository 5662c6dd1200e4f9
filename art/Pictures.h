#pragma once
// The game's own pictures, drawn in code so every one of them has its source here and
// comes out crisp at any device-pixel ratio.

#include "game/Deck.h"

#include <QFont>
#include <QImage>
#include <QPixmap>

// The baize table, 512 x 516 logical pixels, opaque.
QPixmap BackgroundPicture(qreal devicePixelRatio);

// The card back: 76 x 124 times `scale`, magenta corners as its see-through colour.
// Also written as Images/h.bmp by the card generator.
QImage CardBackImage(int scale);

// A card face, 76 x 124 times `scale`, see-through colour in the bottom-left corner.
QImage CardFaceImage(CardCode code, int scale);

// The face the corner marks of the card faces are drawn in, bold DejaVu Serif. The bitmaps
// are drawn once, at build time, so the face found there is the one every player sees.
QFont CardMarkFont();

// The wooden-club in-debt mark, 64 x 64 logical pixels, with its own alpha mask.
QPixmap DebtMarkPicture(qreal devicePixelRatio);

// The six 16 x 16 button pictures in image-list order, background see-through.
enum class ButtonPicture { Close = 0, Minimise, Settings, About, Homepage, ResetResults };
QPixmap ButtonPicturePixmap(ButtonPicture which, qreal devicePixelRatio);

// The upright-acorn application icon at `size` x `size` pixels.
QImage AcornIcon(int size);
