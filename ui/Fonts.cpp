#include "ui/Fonts.h"

#include <QDir>
#include <QFontDatabase>

void RegisterWindowsFonts(const QString& folder) {
    const QDir dir(folder);
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf"}) {
        const QString path = dir.filePath(QString::fromLatin1(file));
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QFont TableFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont ButtonFont(qreal devicePixelRatio) {
    QFont font;
    if (devicePixelRatio == 1.0)
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma")});
    else
        font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("MS Sans Serif")});
    font.setPixelSize(11);
    return font;
}
