#pragma once
// Files, permissions and saves for the settings file tests.

#include <QByteArray>
#include <QFile>
#include <QString>

#include "store/disk/SettingsFile.h"
#include "support/Permissions.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
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

// What the player is told when a save cannot go through.
inline std::string UnableToWrite(const QString& path) {
    return "Unable to write to " + path.toStdString();
}

// The message of a save that failed, none when it went through.
inline std::optional<std::string> SaveError(const QString& path, const StoredSettings& settings) {
    try {
        SaveSettings(path, settings);
        return std::nullopt;
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}
