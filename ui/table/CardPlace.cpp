#include "ui/table/CardPlace.h"

#include "ui/table/TableLayout.h"

#include <QPainter>

CardPlace::CardPlace(QWidget* parent) : QWidget(parent) {
    setFixedSize(Width, Height);
    // Clicks belong to nobody here; like a picture, the place takes no focus.
    setFocusPolicy(Qt::NoFocus);
}

void CardPlace::SetZoom(qreal zoom) {
    zoom_ = zoom;
    setFixedSize(Zoomed(QRect(0, 0, Width, Height), zoom).size());
    update();
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
    // A picture drawn for another resolution (the sharp one on a screen at 1.25 or 1.5, or on
    // a table shrunk to fit) is scaled with smoothing, not by dropping pixels, which leaves strokes
    // uneven.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(zoom_, zoom_);
    // The widget's own rectangle clips a larger picture to the place.
    painter.drawPixmap(0, 0, picture_);
}
