// STUB: replaced by the real drawings.
#include "ui/art/Pictures.h"
QPixmap BackgroundPicture(qreal) { QPixmap p(512, 516); p.fill(QColor(6, 119, 36)); return p; }
QImage CardBackImage(int scale) { QImage i(76 * scale, 124 * scale, QImage::Format_RGB32); i.fill(Qt::blue); return i; }
QImage CardFaceImage(CardCode, int scale) { QImage i(76 * scale, 124 * scale, QImage::Format_RGB32); i.fill(Qt::white); return i; }
QPixmap DebtMarkPicture(qreal) { QPixmap p(64, 64); p.fill(QColor(128, 96, 64)); return p; }
QPixmap ButtonPicturePixmap(ButtonPicture, qreal) { QPixmap p(16, 16); p.fill(Qt::red); return p; }
QImage AcornIcon(int size) { QImage i(size, size, QImage::Format_ARGB32); i.fill(QColor(224, 192, 64)); return i; }
