#pragma once
// A small private-profile (INI) file layer with the Windows profile service's rules:
// case-insensitive lookup, trimmed and unquoted values, Windows-1250 bytes on disk,
// every other line of the file kept as it was.

#include <QString>

// At most this many characters of a value come back, as from a 2048-byte buffer.
inline constexpr int ProfileValueLimit = 2047;

// The value of `key` in `section` of `path`, or `fallback` when the file, the section or
// the key is absent. Never fails.
QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& fallback);

// Sets `key` in `section`, creating the file and the section when missing. The file is
// replaced atomically. Returns false when the file cannot be written.
bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);
