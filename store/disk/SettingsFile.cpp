#include "store/disk/SettingsFile.h"

#include "store/disk/StoredFile.h"

#include <stdexcept>

StoredSettings LoadSettings(const QString& path) {
    return SettingsFromText(ReadStoredFile(path).bytes);
}

void SaveSettings(const QString& path, const StoredSettings& settings,
                  const std::shared_ptr<KeptRecord>& kept, PendingFlush* later) {
    // A file that could not be read whole is never written: its content is unknown. One read
    // and one atomic replacement for all ten keys: a failed save leaves the whole old file,
    // never a file with only some of the keys new.
    const StoredFile file = ReadStoredFile(path);
    const std::optional<QByteArray> text = file.state == StoredFile::State::Refused
                                               ? std::nullopt
                                               : SettingsAsText(file.bytes, settings);
    if (!text || !ReplaceFileContent(file, *text, kept, later))
        throw std::runtime_error(WriteFailure(path));
}

QString NameAsStored(const QString& path, const QString& name) {
    return NameAsStored(ReadStoredFile(path).bytes, name);
}
