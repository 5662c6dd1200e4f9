#include "ui/table/TableButton.h"

#include <QPainter>

void TableButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (!hasFocus())
        return;
    // Just inside the raised edge, clear of the caption and the 16 x 16 pictures.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}
