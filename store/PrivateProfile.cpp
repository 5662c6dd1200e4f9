#include "store/PrivateProfile.h"

#include "store/AtomicFile.h"
#include "store/ProfileText.h"

#include <QFile>

QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& fallback) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fallback.left(ProfileValueLimit);
    const ProfileText text(file.readAll());
    return text.Value(section, key).value_or(fallback.left(ProfileValueLimit));
}

bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
    std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return false;
    ProfileText text(std::move(*bytes));
    text.SetValue(section, key, value);
    return ReplaceFileContent(path, text.Bytes());
}
