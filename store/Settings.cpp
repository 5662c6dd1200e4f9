#include "store/Settings.h"

#include "store/IntegerText.h"
#include "store/PrivateProfile.h"
#include "store/ProfileText.h"
#include "store/StoredFile.h"

#include <array>
#include <stdexcept>

namespace {

struct IntegerKey {
    QStringView section;
    QStringView key;
    std::int32_t* field;
};

// The integer keys in the order they are read and written; the name follows them.
std::array<IntegerKey, 9> IntegerKeys(StoredSettings& settings) {
    TBeall& results = settings.Results;
    return {{
        {u"Screen", u"Left", &settings.Left},
        {u"Screen", u"Top", &settings.Top},
        {u"Results", u"Money1", &results.Money1},
        {u"Results", u"Money2", &results.Money2},
        {u"Results", u"Money3", &results.Money3},
        {u"Results", u"Win1", &results.Win1},
        {u"Results", u"Win2", &results.Win2},
        {u"Results", u"Win3", &results.Win3},
        {u"Results", u"Pot", &results.Pot},
    }};
}

constexpr QStringView NameSection = u"Game";
constexpr QStringView NameKey = u"Name";

std::int32_t ReadInteger(const ProfileText& text, const IntegerKey& key, std::int32_t fallback) {
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
    for (const IntegerKey& key : IntegerKeys(settings))
        *key.field = ReadInteger(text, key, *key.field);
    settings.Results.Name = text.Value(NameSection, NameKey).value_or(settings.Results.Name);
    return settings;
}

void SaveSettings(const QString& path, const StoredSettings& settings) {
    StoredSettings values = settings;
    std::vector<ProfileEntry> entries;
    for (const IntegerKey& key : IntegerKeys(values))
        entries.push_back(
            {key.section.toString(), key.key.toString(), QString::number(*key.field)});
    entries.push_back({NameSection.toString(), NameKey.toString(), values.Results.Name});
    // One read and one atomic replacement for all ten keys: a failed save leaves the whole
    // old file, never a file with only some of the keys new.
    if (!WriteProfileStrings(path, entries))
        throw std::runtime_error("Unable to write to " + path.toStdString());
}
