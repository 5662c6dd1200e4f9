#include "store/disk/KeptRecord.h"

#include "store/disk/SaveCalls.h"
#include "store/disk/StoredFile.h"

#include <cerrno>

QByteArray KeptRecord::NameFor(const QByteArray& target) {
    return FolderOfPath(target) + "/." + NameOfPath(target) + ".kept";
}

bool KeptRecord::KeepBefore(const QByteArray& target, bool exists) {
    if (!held_.isEmpty() || !exists)
        return true; // the record kept is older than the file, and on the disk
    const QByteArray name = NameFor(target);
    if (CurrentSaveCalls().link(target.constData(), name.constData()) != 0)
        return false;
    held_ = name;
    return true;
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
