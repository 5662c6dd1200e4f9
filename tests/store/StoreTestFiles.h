#pragma once
// Files and permissions for the settings file tests.

#include <QByteArray>
#include <QFile>
#include <QString>

#include "support/Permissions.h"

#include <cstddef>
#include <sys/stat.h>

// A literal's bytes including any NUL inside it.
template <std::size_t N> QByteArray LiteralBytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline void SetMode(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode);
}

inline mode_t ModeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}
