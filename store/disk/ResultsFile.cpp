#include "store/disk/ResultsFile.h"

#include "app/FileName.h"
#include "store/disk/SaveCalls.h"
#include "store/disk/SettingsFile.h"
#include "store/disk/StoredFile.h"

#include <sys/stat.h>

namespace {

// A kept record is only ever the player's own regular file under our hidden name.
StoredFile ReadKeptRecord(const QByteArray& name) {
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    return ReadStoredFile(DecodeFileName(name));
}

} // namespace

ResultsFile::ResultsFile(QString path, std::function<void()> flushFailed)
    : path_(std::move(path)), flush_(std::move(flushFailed)) {}

StoredSettings ResultsFile::Load() {
    const StoredFile results = ReadStoredFile(path_);
    if (results.state == StoredFile::State::Refused)
        return SettingsFromText({});
    const QByteArray keptName = KeptRecord::NameFor(results.target);
    const StoredFile kept = ReadKeptRecord(keptName);
    if (kept.state != StoredFile::State::Present)
        return SettingsFromText(results.bytes);
    if (results.state == StoredFile::State::Absent) {
        // A rename never leaves the name empty: the player removed the results, and the record
        // kept for them goes too.
        CurrentSaveCalls().unlink(keptName.constData());
        return SettingsFromText({});
    }
    if (!IsCutRecord(results.bytes) || IsCutRecord(kept.bytes)) {
        // A kill, a crash or a cut after the data was written: the newest record is here, but
        // perhaps not yet on the disk.
        kept_->Adopt(keptName);
        flush_.Submit(FlushOfFile(results.target, kept_));
        return SettingsFromText(results.bytes);
    }
    // A cut before the flush: the kept record is the newest one on the disk.
    if (CurrentSaveCalls().rename(keptName.constData(), results.target.constData()) != 0)
        kept_->Adopt(keptName);
    return SettingsFromText(kept.bytes);
}

void ResultsFile::SaveSoon(const StoredSettings& settings) {
    PendingFlush later;
    SaveSettings(path_, settings, kept_, &later);
    if (!later.Empty())
        flush_.Submit(std::move(later));
}

void ResultsFile::SaveNow(const StoredSettings& settings) {
    // The flush in flight first, so the disk gets the saves in their order.
    flush_.WaitUntilIdle(ShutdownLimit);
    SaveSettings(path_, settings, kept_);
}

bool ResultsFile::WaitUntilIdle(std::chrono::milliseconds limit) {
    return flush_.WaitUntilIdle(limit);
}
