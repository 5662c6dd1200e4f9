#include "store/disk/KeptRecord.h"

#include "store/disk/SaveCalls.h"
#include "store/disk/StoredFile.h"

#include <cerrno>

QByteArray KeptRecord::NameFor(const QByteArray& target) {
    return FolderOfPath(target) + "/." + NameOfPath(target) + ".kept";
}

bool KeptRecord::KeepBefore(const QByteArray& target, bool exists) {
    if (!exists)
        return true;
    SaveCalls& calls = CurrentSaveCalls();
    const QByteArray name = NameFor(target);
    if (held_.isEmpty()) {
        if (calls.link(target.constData(), name.constData()) != 0)
            return false;
        held_ = name;
        return true;
    }
    if (!dataFlushed_)
        return true; // the file may still be empty on the disk: the older record stays kept
    // The file being replaced is on the disk and newer than the record kept: it takes the kept
    // name in one rename, so a cut finds one or the other, never neither. Where that fails the
    // older record stays kept, which is still whole.
    const QByteArray next = name + ".new";
    calls.unlink(next.constData()); // one a kill left between the two calls
    if (calls.link(target.constData(), next.constData()) != 0)
        return true;
    if (calls.rename(next.constData(), name.constData()) != 0)
        calls.unlink(next.constData());
    return true;
}

std::uint64_t KeptRecord::Replaced() {
    dataFlushed_ = false;
    return ++replacements_;
}

void KeptRecord::DataFlushed(std::uint64_t replacement) {
    const std::lock_guard lock(mutex_);
    if (replacement == replacements_)
        dataFlushed_ = true;
}

void KeptRecord::Flushed(std::uint64_t replacement) {
    const std::lock_guard lock(mutex_);
    if (held_.isEmpty() || replacement != replacements_)
        return;
    if (CurrentSaveCalls().unlink(held_.constData()) == 0 || errno == ENOENT)
        held_.clear();
}

void KeptRecord::Adopt(const QByteArray& name) {
    const std::lock_guard lock(mutex_);
    held_ = name;
}
