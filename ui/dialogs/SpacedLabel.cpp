#include "ui/dialogs/SpacedLabel.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The spacing a reader expects of body text, as a share of the font's size.
constexpr qreal NormalSpacing = 1.2;

} // namespace

SpacedLabel::SpacedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

qreal SpacedLabel::LinePitch() const {
    // Whole pixels, so every line sits on the pixel grid as the first one does.
    return std::ceil(std::max(QFontMetricsF(font()).lineSpacing(),
                              NormalSpacing * QFontInfo(font()).pixelSize()));
}

int SpacedLabel::heightForWidth(int width) const {
    return int(std::ceil(LayOut(width, nullptr)));
}

void SpacedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    LayOut(width(), &painter);
}

qreal SpacedLabel::LayOut(int width, QPainter* painter) const {
    const qreal pitch = LinePitch();
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    qreal top = roomAbove_ ? std::max<qreal>(0, pitch - QFontMetricsF(font()).height()) : 0;
    for (const QString& paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, top));
            top += pitch;
        }
        layout.endLayout();
        if (painter)
            layout.draw(painter, QPointF());
    }
    return top;
}
