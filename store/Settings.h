#pragma once
// The settings and results file tavrik.ini: the window's position and the results.

#include "game/Results.h"

#include <QString>

#include <cstdint>

struct StoredSettings {
    std::int32_t Left = 10;
    std::int32_t Top = 10;
    TBeall Results;

    bool operator==(const StoredSettings&) const = default;
};

// Reads every key in order; anything absent or invalid takes its default. Never fails.
StoredSettings LoadSettings(const QString& path);

// Writes every key in order. Throws std::runtime_error("Unable to write to <path>") at the
// first key that cannot be written; the keys after it are not written.
void SaveSettings(const QString& path, const StoredSettings& settings);

// Where tavrik.ini lives: beside the program when its folder is writable, otherwise in the
// per-user folder $XDG_CONFIG_HOME/huszonegy (seeded once from the copy beside the program).
QString SettingsFilePath(const QString& programDir);
