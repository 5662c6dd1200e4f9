#pragma once
// Reading the settings file as hostile input: only a regular file, opened without blocking,
// never larger than a settings file can sensibly be, and reached through a symbolic link only
// when the link is the player's own, so another user cannot point a save at the player's files.

#include "store/record/Settings.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

// Whose links, files and folders are accepted. The program's own folder is trusted as a
// whole (its program runs), so a copy shipped there may be read whoever owns it.
enum class AcceptedOwners { PlayerOrRoot, Anyone };

struct StoredFile {
    enum class State {
        Absent,  // nothing there yet: a save creates it
        Present, // read whole
        Refused, // not the player's own regular file, or unreadable: never written
    };
    State state = State::Refused;
    QByteArray target; // the regular file's own path, after the accepted links
    QByteArray bytes;
    mode_t mode = 0;
};

// The folder part of an encoded path, "/" for a file in the root folder.
QByteArray FolderOfPath(const QByteArray& path);

// The last part of an encoded path: the file's own name.
QByteArray NameOfPath(const QByteArray& path);

// Whether `folder` is a folder whose owner `owners` accepts.
bool IsAcceptedFolder(const QByteArray& folder, AcceptedOwners owners);

// Follows the symbolic links at `path` that `owners` accepts, up to the file they lead to.
// Empty when the path is relative, a link is refused, the chain is too long or dangles, or
// the folder the file would be in is not an accepted owner's folder.
std::optional<QByteArray> FileBehind(const QString& path, AcceptedOwners owners);

// The file at `path`, read whole when it is an accepted owner's regular file of at most
// `limit` bytes.
StoredFile ReadStoredFile(const QString& path, AcceptedOwners owners = AcceptedOwners::PlayerOrRoot,
                          qsizetype limit = SettingsFileLimit);
