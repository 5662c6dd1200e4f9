#pragma once
// The settings and results record of tavrik.ini: the window's position and the results, and
// the record as the file's text.

#include "game/Results.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct StoredSettings {
    std::int32_t Left = 10;
    std::int32_t Top = 10;
    TBeall Results;

    bool operator==(const StoredSettings&) const = default;
};

// A key of the file: its section and its name.
struct SettingsKey {
    QStringView section;
    QStringView key;
};

// The file's ten keys in the order they are read and written: the window's place, the
// results, then the player's name.
inline constexpr std::array<SettingsKey, 10> SettingsKeys{{
    {u"Screen", u"Left"},
    {u"Screen", u"Top"},
    {u"Results", u"Money1"},
    {u"Results", u"Money2"},
    {u"Results", u"Money3"},
    {u"Results", u"Win1"},
    {u"Results", u"Win2"},
    {u"Results", u"Win3"},
    {u"Results", u"Pot"},
    {u"Game", u"Name"},
}};

// A larger file is not the game's: it reads as defaults and is never written.
inline constexpr qsizetype SettingsFileLimit = 1024 * 1024;

// Every key read in order from the file's bytes; anything absent or invalid takes its default.
StoredSettings SettingsFromText(const QByteArray& bytes);

// The file's bytes with every key set, in order, and a line break at the end; every other byte
// stays. Empty when the file would pass SettingsFileLimit: the next start would not read it.
std::optional<QByteArray> SettingsAsText(const QByteArray& current, const StoredSettings& settings);

// Whether the bytes are what a power cut can leave of a record the game wrote: an empty file,
// or one holding bytes no save writes (the zeros or stale blocks of data that never reached the
// disk). Text is read as it stands, with or without a last line break, whichever keys it holds
// in whichever order: a player's edit, or a file of a later version with keys of its own.
bool IsCutRecord(const QByteArray& bytes);

// `name` as the next start will read it once saved into a file holding `current`: blanks at its
// ends and one pair of enclosing quotes gone, and what the file's encoding cannot hold a "?".
QString NameAsStored(const QByteArray& current, const QString& name);

// The error a failed save of `path` reports.
std::string WriteFailure(const QString& path);
