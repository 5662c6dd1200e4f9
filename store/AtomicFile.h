#pragma once
// Replacing a file's whole content so that it is either all old or all new.

#include <QByteArray>
#include <QString>

#include <optional>

// The file's bytes; empty when it does not exist. Empty optional when it exists but cannot
// be read, so nothing is ever written over a file whose content is unknown.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// Writes `bytes` to a temporary file beside `path`, makes sure they reached the disk, and
// only then puts it in the old file's place, so a crash, a kill or a full disk never
// leaves half a file. The old file's permissions are kept and a symbolic link is followed,
// not replaced. A read-only file is refused. Where the folder does not allow the temporary
// file, the content is written in place instead. False when the file could not be written.
bool ReplaceFileContent(const QString& path, const QByteArray& bytes);
