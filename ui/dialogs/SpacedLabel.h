#pragma once
// A label of plain text, wrapped at its width, whose lines stand at least a normal line
// spacing apart: 1.2 times the font's size where the font's own spacing is less. Wine's
// Tahoma sets its lines closer than its letters are tall, so brackets and accents of
// neighbouring lines would touch.

#include <QLabel>

class SpacedLabel : public QLabel {
    Q_OBJECT
public:
    SpacedLabel(const QString& text, QWidget* parent);

    // From the top of one line to the top of the next, in pixels.
    qreal LinePitch() const;
    // Gives the first line the room above it that the pitch gives every other line: capitals'
    // accents ("Á") rise above Wine's Tahoma's ascent, and the label's top would cut them off.
    // Labels in strips of a fixed height go without.
    void GiveFirstLineRoom() { roomAbove_ = true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the lines at `width` when `painter` is given; the height they take either way.
    qreal LayOut(int width, QPainter* painter) const;

    bool roomAbove_ = false;
};
