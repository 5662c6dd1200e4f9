#include "store/PrivateProfile.h"

#include "store/AtomicFile.h"
#include "store/ProfileText.h"

bool WriteProfileStrings(const QString& path, const std::vector<ProfileEntry>& entries) {
    std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return false;
    ProfileText text(std::move(*bytes));
    for (const ProfileEntry& entry : entries)
        text.SetValue(entry.section, entry.key, entry.value);
    return ReplaceFileContent(path, text.Bytes());
}
