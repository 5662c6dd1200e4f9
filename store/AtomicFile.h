#pragma once
// Replacing a file's whole content so that it is either all old or all new.

#include "store/StoredFile.h"

#include <QByteArray>
#include <QString>

#include <utility>

// What a replacement leaves for later: flushing the new file and its folder to the disk.
// Dropped unflushed, it only closes the file; the system writes it back in its own time.
class PendingFlush {
public:
    PendingFlush() = default;
    PendingFlush(int fd, QByteArray folder) : fd_(fd), folder_(std::move(folder)) {}
    PendingFlush(PendingFlush&& other) noexcept { *this = std::move(other); }
    PendingFlush& operator=(PendingFlush&& other) noexcept;
    ~PendingFlush();

    bool Empty() const { return fd_ < 0; }
    // Waits until the file's data and its name are on the disk. False when the disk refused.
    bool Flush();

private:
    int fd_ = -1;
    QByteArray folder_;
};

// Writes `bytes` to a temporary copy beside the file that ReadStoredFile found and renames the
// copy over the file, so a crash, a kill or a full disk never leaves half a file. Without
// `later` the copy reaches the disk before the rename; with it, the rename comes first (the
// system holds the new content from then on, whatever happens to the program) and the flush
// to the disk is left in `later`, for a thread that may wait for the disk. The file's mode
// is kept exactly; a read-only file (no owner write bit) is refused, also for root. There is
// no writing in place: a folder that refuses the copy refuses the save. False, with the old
// file untouched and no copy left, when the file could not be replaced.
bool ReplaceFileContent(const StoredFile& file, const QByteArray& bytes,
                        PendingFlush* later = nullptr);

// The temporary copies of `path` that a killed save left behind are removed once they are a
// minute old (younger ones may belong to another copy of the game saving right now). Only the
// player's own regular files named as the game names its copies (".tavrik.ini.XXXXXX.tmp")
// are touched; copies of older versions ("tavrik.ini.XXXXXX") cannot be told from a player's
// backup and stay.
void RemoveStaleCopies(const QString& path);
