#pragma once
// The settings and results file tavrik.ini: the window's position and the results.

#include "game/Results.h"
#include "store/AtomicFile.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
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

// Reads every key in order; anything absent or invalid takes its default. Never fails.
StoredSettings LoadSettings(const QString& path);

// Writes every key in order, all in one atomic replacement of the file; with `later`, the flush
// to the disk is left there. Throws std::runtime_error("Unable to write to <path>") when the
// file cannot be replaced; then nothing is written and the old file stays whole.
void SaveSettings(const QString& path, const StoredSettings& settings,
                  PendingFlush* later = nullptr);

// The error a failed save of `path` reports.
std::string WriteFailure(const QString& path);

// `name` as the next start will read it once saved into the file at `path`: blanks at its ends
// and one pair of enclosing quotes gone, and what the file's encoding cannot hold a "?".
QString NameAsStored(const QString& path, const QString& name);

// Where tavrik.ini lives. An installed copy (one whose folder holds the "installed-folder"
// file naming that very folder) keeps it in the per-user folder $XDG_CONFIG_HOME/huszonegy,
// root included, and starts from the defaults. A portable copy keeps it beside the program
// when its folder takes an atomic replacement, otherwise in the per-user folder, seeded once
// from the copy beside the program. The game's own stale temporary copies beside the chosen
// file are removed.
QString SettingsFilePath(const QString& programDir);
