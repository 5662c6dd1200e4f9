#pragma once
// A small private-profile (INI) file layer with the Windows profile service's rules:
// case-insensitive lookup, trimmed and unquoted values, Windows-1250 bytes on disk,
// every other line of the file kept as it was.

#include "store/AtomicFile.h"

#include <QString>

#include <vector>

// At most this many characters of a value come back, as from a 2048-byte buffer.
inline constexpr int ProfileValueLimit = 2047;

struct ProfileEntry {
    QString section;
    QString key;
    QString value;
};

// Sets each entry in turn, creating the file and the sections when missing, then replaces
// the file once, atomically: all the entries reach the disk or none do (the flush to the disk
// left in `later` when given). Returns false when the file cannot be written.
bool WriteProfileStrings(const QString& path, const std::vector<ProfileEntry>& entries,
                         PendingFlush* later = nullptr);
