#pragma once
// The pictures every start shows, built into the program at the device-pixel ratios most
// screens have and drawn at start for any other, the same to the pixel either way.

#include "art/Pictures.h"

#include <QImage>
#include <QPixmap>

// The baize table at `devicePixelRatio`, as BackgroundPicture draws it.
QPixmap FeltPixmap(qreal devicePixelRatio);

// The card back at `scale`, as CardBackImage draws it.
QImage CardBackPicture(int scale);

// The application icon at `size` x `size` pixels, as AcornIcon draws it.
QImage IconPicture(int size);

// A small button's picture, as ButtonPicturePixmap draws it.
QPixmap ButtonPixmap(ButtonPicture which, qreal devicePixelRatio);

// The in-debt mark, as DebtMarkPicture draws it.
QPixmap DebtMarkPixmap(qreal devicePixelRatio);
