#pragma once
// The settings and results record in its file on the disk.

#include "store/disk/AtomicFile.h"
#include "store/record/Settings.h"

#include <QString>

#include <memory>

// The record in the file at `path`; a file that is refused reads as the defaults. Never fails.
StoredSettings LoadSettings(const QString& path);

// Writes every key in order, all in one atomic replacement of the file; with `kept` and
// `later`, the flush to the disk is left there (see ReplaceFileContent). Throws
// std::runtime_error("Unable to write to <path>") when the file cannot be replaced; then
// nothing is written and the old file stays whole.
void SaveSettings(const QString& path, const StoredSettings& settings,
                  const std::shared_ptr<KeptRecord>& kept = nullptr, PendingFlush* later = nullptr);

// `name` as the next start will read it once saved into the file at `path`.
QString NameAsStored(const QString& path, const QString& name);

// Where tavrik.ini lives. An installed copy (one whose folder holds the "installed-folder"
// file naming that very folder) keeps it in the per-user folder $XDG_CONFIG_HOME/huszonegy,
// root included, and starts from the defaults. A portable copy keeps it beside the program
// when its folder takes an atomic replacement, otherwise in the per-user folder, seeded once
// from the copy beside the program. The game's own stale temporary copies beside the chosen
// file are removed.
QString SettingsFilePath(const QString& programDir);

// Whether a save of the results file at `path` can be written at all: the folder the file
// really lies in (its links followed) takes the temporary copy a save renames over it. False
// on a read-only file system, in a folder the player may not write, or for a refused path.
bool SavesCanReach(const QString& path);
