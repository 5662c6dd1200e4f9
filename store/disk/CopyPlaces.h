#pragma once
// Where the copies of the game that play on one results file meet. One lock lies beside the
// file the store really writes (its links followed), where copies on other machines sharing
// the folder see it too; another lock lies in the player's private runtime folder. That lock
// and the running copy's channel are named after the file itself (its folder's device and
// inode and its name). A link, a planted folder, another user's file or a lock deleted beside the
// results then never lets a second table open on the same file.

#include <QString>

struct CopyPlaces {
    // The results file as the store writes it; its lock is this + ".lock". Empty when the
    // file cannot be resolved.
    QString beside;
    // This file's name in the runtime folder; its lock is this + ".lock". Empty without a
    // private runtime folder.
    QString runtime;
    // The file itself, however it is reached, in 32 hexadecimal digits; empty when the file
    // cannot be resolved.
    QString identity;
};

CopyPlaces CopyPlacesOf(const QString& resultsPath);

// The game's own folder in the player's runtime folder ($XDG_RUNTIME_DIR/huszonegy, or
// /tmp/huszonegy-UID where there is none), made private to the player when missing. Empty when
// it is not the player's own private folder.
QString PrivateRuntimeFolder();
