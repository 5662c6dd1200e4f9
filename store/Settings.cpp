#include "store/Settings.h"

#include "store/IntegerText.h"
#include "store/PrivateProfile.h"
#include "store/ProfileText.h"
#include "store/StoredFile.h"

#include <array>
#include <stdexcept>

namespace {

// The integer fields in the order of their keys in SettingsKeys; the name's key follows them.
std::array<std::int32_t*, SettingsKeys.size() - 1> IntegerFields(StoredSettings& settings) {
    TBeall& results = settings.Results;
    return {&settings.Left, &settings.Top, &results.Money1, &results.Money2, &results.Money3,
            &results.Win1,  &results.Win2, &results.Win3,   &results.Pot};
}

constexpr SettingsKey NameKey = SettingsKeys.back();

std::int32_t ReadInteger(const ProfileText& text, const SettingsKey& key, std::int32_t fallback) {
    QString value = text.Value(key.section, key.key).value_or(QString());
    if (value.size() > 2 && (value.startsWith(u"0x") || value.startsWith(u"0X")))
        value.replace(0, 2, QChar(u'$'));
    return ParseInt32(value).value_or(fallback);
}

} // namespace

StoredSettings LoadSettings(const QString& path) {
    // The file is read once for all ten keys; a file that is refused reads as empty.
    const ProfileText text(ReadStoredFile(path).bytes);

    StoredSettings settings; // starts as the defaults
    const auto fields = IntegerFields(settings);
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = ReadInteger(text, SettingsKeys[i], *fields[i]);
    settings.Results.Name =
        text.Value(NameKey.section, NameKey.key).value_or(settings.Results.Name);
    return settings;
}

void SaveSettings(const QString& path, const StoredSettings& settings, PendingFlush* later) {
    StoredSettings values = settings;
    std::vector<ProfileEntry> entries;
    const auto fields = IntegerFields(values);
    for (std::size_t i = 0; i < fields.size(); ++i)
        entries.push_back({SettingsKeys[i].section.toString(), SettingsKeys[i].key.toString(),
                           QString::number(*fields[i])});
    entries.push_back({NameKey.section.toString(), NameKey.key.toString(), values.Results.Name});
    // One read and one atomic replacement for all ten keys: a failed save leaves the whole
    // old file, never a file with only some of the keys new.
    if (!WriteProfileStrings(path, entries, later))
        throw std::runtime_error(WriteFailure(path));
}

std::string WriteFailure(const QString& path) {
    return "Unable to write to " + path.toStdString();
}

QString NameAsStored(const QString& path, const QString& name) {
    // The very write and read the save and the next start make, on the file as it is now.
    ProfileText text(ReadStoredFile(path).bytes);
    text.SetValue(NameKey.section, NameKey.key, name);
    return text.Value(NameKey.section, NameKey.key).value_or(name);
}
