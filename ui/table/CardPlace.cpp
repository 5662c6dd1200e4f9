#include "ui/table/CardPlace.h"

#include <QPainter>

CardPlace::CardPlace(QWidget* parent) : QWidget(parent) {
    setFixedSize(Width, Height);
    // Clicks belong to nobody here; like a picture, the place takes no focus.
    setFocusPolicy(Qt::NoFocus);
}

void CardPlace::SetPicture(const QPixmap& picture, const QString& file) {
    picture_ = picture;
    file_ = file;
    update();
}

void CardPlace::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    // A picture drawn for another resolution (the sharp one on a screen at 1.25 or 1.5) is
    // shrunk with smoothing, not by dropping pixels, which leaves strokes uneven.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The widget's own rectangle clips a larger picture to the place.
    painter.drawPixmap(0, 0, picture_);
}
