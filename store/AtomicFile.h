#pragma once
// Replacing a file's whole content so that it is either all old or all new.

#include "store/StoredFile.h"

#include <QByteArray>
#include <QString>

// Writes `bytes` to a temporary copy beside the file that ReadStoredFile found, makes sure
// they reached the disk, and only then renames the copy over the file, so a crash, a kill or
// a full disk never leaves half a file. The file's mode is kept exactly; a read-only file (no
// owner write bit) is refused, also for root. There is no writing in place: a folder that
// refuses the copy refuses the save. False, with the old file untouched and no copy left,
// when the file could not be replaced.
bool ReplaceFileContent(const StoredFile& file, const QByteArray& bytes);

// The temporary copies of `path` that a killed save left behind are removed once they are a
// minute old (younger ones may belong to another copy of the game saving right now). Only the
// player's own regular files named as the game names its copies (".tavrik.ini.XXXXXX.tmp")
// are touched; copies of older versions ("tavrik.ini.XXXXXX") cannot be told from a player's
// backup and stay.
void RemoveStaleCopies(const QString& path);
