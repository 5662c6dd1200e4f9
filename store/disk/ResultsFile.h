#pragma once
// The results file of the copy that holds it: the read at start and every save. A save after a
// deal replaces the file at once and leaves its flush to the disk to a thread of its own, while
// the record before it stays kept on the disk until that flush is done. So the window never
// waits for the disk, a kill or a crash loses nothing settled, and a power cut at any instant
// costs at most the saves whose flush had not finished.

#include "store/disk/BackgroundFlush.h"
#include "store/disk/KeptRecord.h"
#include "store/record/Settings.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class ResultsFile {
public:
    // `flushFailed` is told, on the flushing thread, of each flush the disk refused.
    ResultsFile(QString path, std::function<void()> flushFailed);

    // The record at start. After a kill or a cut that came between a save and its flush, a
    // record is kept beside the results. The kept record is read when the cut left the results
    // empty, zero-filled or cut short, and takes their place again; otherwise the results are
    // read, and the record stays kept until they are surely on the disk. Results the player
    // removed take the kept record with them.
    StoredSettings Load();
    // Replaces the file at once and leaves its flush to the thread. Throws when the file stays
    // unwritten.
    void SaveSoon(const StoredSettings& settings);
    // Wholly on the calling thread, flush included, after the flushes in flight. Throws when
    // the file stays unwritten.
    void SaveNow(const StoredSettings& settings);
    // Until the flushes in flight are on the disk, for at most `limit`.
    bool WaitUntilIdle(std::chrono::milliseconds limit);

private:
    QString path_;
    std::shared_ptr<KeptRecord> kept_ = std::make_shared<KeptRecord>();
    BackgroundFlush flush_;
};
