#include "store/record/Settings.h"

#include "store/record/IntegerText.h"
#include "store/record/ProfileText.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace {

// The integer fields in the order of their keys in SettingsKeys; the name's key follows them.
// Every field of the record is named here once: a field added to the record, or a key added
// to the file without its field, stops the build here instead of reading nothing at run time.
auto IntegerFields(StoredSettings& settings) {
    auto& [left, top, results] = settings;
    auto& [money1, money2, money3, win1, win2, win3, pot, name] = results;
    static_assert(std::is_same_v<decltype(name), QString>, "the name is the record's last field");
    auto fields = std::to_array<std::int32_t*>(
        {&left, &top, &money1, &money2, &money3, &win1, &win2, &win3, &pot});
    static_assert(std::tuple_size_v<decltype(fields)> + 1 == SettingsKeys.size(),
                  "a key of the file has no field");
    return fields;
}

constexpr SettingsKey NameKey = SettingsKeys.back();

std::int32_t ReadInteger(const ProfileText& text, const SettingsKey& key, std::int32_t fallback) {
    QString value = text.Value(key.section, key.key).value_or(QString());
    if (value.size() > 2 && (value.startsWith(u"0x") || value.startsWith(u"0X")))
        value.replace(0, 2, QChar(u'$'));
    return ParseInt32(value).value_or(fallback);
}

} // namespace

StoredSettings SettingsFromText(const QByteArray& bytes) {
    const ProfileText text(bytes);
    StoredSettings settings; // starts as the defaults
    const auto fields = IntegerFields(settings);
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = ReadInteger(text, SettingsKeys[i], *fields[i]);
    settings.Results.Name =
        text.Value(NameKey.section, NameKey.key).value_or(settings.Results.Name);
    return settings;
}

std::optional<QByteArray> SettingsAsText(const QByteArray& current,
                                         const StoredSettings& settings) {
    StoredSettings values = settings;
    ProfileText text(current);
    const auto fields = IntegerFields(values);
    for (std::size_t i = 0; i < fields.size(); ++i)
        text.SetValue(SettingsKeys[i].section, SettingsKeys[i].key, QString::number(*fields[i]));
    text.SetValue(NameKey.section, NameKey.key, values.Results.Name);
    // The game's own files always end so; a hand-edited one gets its last line ended.
    text.EndLastLine();
    if (text.Bytes().size() > SettingsFileLimit)
        return std::nullopt;
    return text.Bytes();
}

bool IsCutRecord(const QByteArray& bytes) {
    // A save writes text, and a player's edit is text too: tabs and line breaks are the only
    // control bytes either holds.
    const auto written = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 0x20 && byte != 0x7f) || c == '\t' || c == '\n' || c == '\r';
    };
    return bytes.isEmpty() || !std::all_of(bytes.begin(), bytes.end(), written);
}

QString NameAsStored(const QByteArray& current, const QString& name) {
    // The very write and read the save and the next start make.
    ProfileText text(current);
    text.SetValue(NameKey.section, NameKey.key, name);
    return text.Value(NameKey.section, NameKey.key).value_or(name);
}

std::string WriteFailure(const QString& path) {
    return "Unable to write to " + path.toStdString();
}
