#pragma once
// The last record known to be on the disk, kept under a hidden name beside the results
// (".tavrik.ini.kept") while a newer one is on its way there. A save renames its new copy over
// the results at once, so a kill, a crash or the next start find the newest record in the file
// itself, and leaves the flush to a thread of its own; until that flush is done, a power cut
// may bring the new copy back empty on many file systems (XFS, ext4 without its rename
// heuristic, f2fs). The kept name is a second hard link to a file whose data is on the disk
// already, so keeping it writes no data, and a journal records the link before the rename that
// follows it. The kept record moves forward with the flushes: a save that replaces a file whose
// data is on the disk keeps that file, not an older one, so a cut never costs a deal whose
// flush had returned.

#include <QByteArray>

#include <cstdint>
#include <mutex>

class KeptRecord {
public:
    // The hidden name that keeps the record of `target`, the results file's own path.
    static QByteArray NameFor(const QByteArray& target);

    // Held from before a replacement's rename until it is counted, so that a flush finishing
    // meanwhile never drops the record the replacement relies on.
    std::unique_lock<std::mutex> Lock() { return std::unique_lock(mutex_); }
    // Under Lock(), before a new copy is renamed over `target`, unflushed: true when a record
    // on the disk stays under the kept name (the file being replaced, once its data is on the
    // disk), or none is needed because `exists` is false. False where the file system refuses
    // a second link (FAT, some network shares) or something else has the name: the copy must
    // then reach the disk before its rename.
    bool KeepBefore(const QByteArray& target, bool exists);
    // Under Lock(), once a copy has replaced the file: the number of this replacement.
    std::uint64_t Replaced();

    // The data of replacement `replacement`'s file (0: the file found at start) is on the disk,
    // its name perhaps not yet.
    void DataFlushed(std::uint64_t replacement);
    // The file of replacement `replacement` and its name are on the disk: the kept record is
    // dropped, unless a newer replacement has come since.
    void Flushed(std::uint64_t replacement);

    // A kept record found at start, held until the results beside it are on the disk.
    void Adopt(const QByteArray& name);

private:
    std::mutex mutex_;
    QByteArray held_; // the kept record's name; empty when none is kept
    std::uint64_t replacements_ = 0;
    bool dataFlushed_ = false; // the data of the file at the results' name is on the disk
};
