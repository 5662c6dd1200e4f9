#include "store/PrivateProfile.h"

#include "store/ProfileText.h"
#include "store/StoredFile.h"

bool WriteProfileStrings(const QString& path, const std::vector<ProfileEntry>& entries,
                         PendingFlush* later) {
    // A file that could not be read whole is never written: its content is unknown.
    const StoredFile file = ReadStoredFile(path);
    if (file.state == StoredFile::State::Refused)
        return false;
    ProfileText text(file.bytes);
    for (const ProfileEntry& entry : entries)
        text.SetValue(entry.section, entry.key, entry.value);
    // A file the next start would refuse to read is as good as lost: not written.
    if (text.Bytes().size() > SettingsFileLimit)
        return false;
    return ReplaceFileContent(file, text.Bytes(), later);
}
