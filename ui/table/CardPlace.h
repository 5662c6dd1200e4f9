#pragma once
// One card place on the table (and the deck picture): a 76 x 124 area (at the table's zoom) that
// draws its picture at the top left, clipped to the place, letting see-through pixels show what
// lies beneath.

#include <QPixmap>
#include <QString>
#include <QWidget>

class CardPlace : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 76;
    static constexpr int Height = 124;

    explicit CardPlace(QWidget* parent);

    // The place and its picture drawn at `zoom` times their size (the table shrunk to fit).
    void SetZoom(qreal zoom);

    // `file` is the path the picture came from, kept so the table can tell what it shows.
    void SetPicture(const QPixmap& picture, const QString& file = {});
    const QPixmap& Picture() const { return picture_; }
    const QString& PictureFile() const { return file_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QString file_;
    qreal zoom_ = 1.0;
};
