// STUB: replaced by the real loader.
#include "ui/BitmapLoader.h"
#include <stdexcept>
QImage LoadBitmapFile(const QString& path) { QImage i(path); if (i.isNull()) throw std::runtime_error("Bitmap image is not valid"); return i; }
QImage ApplySeeThrough(const QImage& image) { return image; }
QPixmap LoadCardPicture(const QString& path, qreal) { return QPixmap::fromImage(LoadBitmapFile(path)); }
