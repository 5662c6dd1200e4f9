#pragma once
// Replacing a file's whole content so that it is either all old or all new.

#include "store/disk/KeptRecord.h"
#include "store/disk/StoredFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <utility>

// What a replacement leaves for later: flushing the new file and its folder to the disk, and
// then letting the record kept until then go. Dropped unflushed, it only closes the file; the
// system writes it back in its own time, and the kept record stays.
class PendingFlush {
public:
    PendingFlush() = default;
    PendingFlush(int fd, QByteArray folder, std::shared_ptr<KeptRecord> kept,
                 std::uint64_t replacement)
        : fd_(fd), folder_(std::move(folder)), kept_(std::move(kept)), replacement_(replacement) {}
    PendingFlush(PendingFlush&& other) noexcept { *this = std::move(other); }
    PendingFlush& operator=(PendingFlush&& other) noexcept;
    ~PendingFlush();

    bool Empty() const { return fd_ < 0; }
    // Waits until the file's data and its name are on the disk. False when the disk refused.
    bool Flush();

private:
    int fd_ = -1;
    QByteArray folder_;
    std::shared_ptr<KeptRecord> kept_;
    std::uint64_t replacement_ = 0;
};

// The flush of the file at `target` as it stands (a file found at start beside a kept record),
// or an empty one when it cannot be opened.
PendingFlush FlushOfFile(const QByteArray& target, std::shared_ptr<KeptRecord> kept);

// Writes `bytes` to a temporary copy beside the file that ReadStoredFile found and renames the
// copy over the file, so a crash, a kill or a full disk never leaves half a file. Without
// `later` the copy reaches the disk before the rename. With `later` and `kept`, the file being
// replaced is kept first (unless a record on the disk is kept already), then the rename comes
// (the system holds the new content from then on, whatever happens to the program), and the
// flush to the disk is left in `later`, for a thread that may wait for the disk; where no
// record can be kept, the copy reaches the disk first and `later` stays empty. The file's mode
// is kept exactly; a read-only file (no owner write bit) is refused, also for root. There is
// no writing in place: a folder that refuses the copy refuses the save. False, with the old
// file untouched and no copy left, when the file could not be replaced.
bool ReplaceFileContent(const StoredFile& file, const QByteArray& bytes,
                        const std::shared_ptr<KeptRecord>& kept = nullptr,
                        PendingFlush* later = nullptr);

// The temporary copies of `path` that a killed save left behind are removed once they are a
// minute old (younger ones may belong to another copy of the game saving right now). Only the
// player's own regular files named as the game names its copies (".tavrik.ini.XXXXXX.tmp")
// are touched; copies of older versions ("tavrik.ini.XXXXXX") cannot be told from a player's
// backup and stay.
void RemoveStaleCopies(const QString& path);
