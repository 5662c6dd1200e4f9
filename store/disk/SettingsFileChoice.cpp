#include "store/disk/SettingsFile.h"

#include "app/FileName.h"
#include "store/disk/AtomicFile.h"
#include "store/disk/StoredFile.h"
#include "store/record/SettingsLocation.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An installed copy keeps its results per user, whoever runs it and whatever its folder
// allows; a folder copied elsewhere counts as portable.
bool IsInstalledCopy(const QString& programDir, const QString& folder) {
    const StoredFile marker = ReadStoredFile(programDir + InstallMarker,
                                             AcceptedOwners::PlayerOrRoot, InstallMarkerLimit);
    return marker.state == StoredFile::State::Present && MarkerNamesFolder(marker.bytes, folder);
}

// Whether a portable copy may keep its file in its own folder: the folder must take the
// temporary copy a save renames over the file, and be one the store accepts. Only the folder
// decides: a file there that cannot be written stays where the player put it and refuses the
// save openly, rather than the results moving somewhere else without a word.
bool CanKeepFileIn(const QString& folder) {
    const QByteArray path = EncodeFileName(folder);
    return ::access(path.constData(), W_OK | X_OK) == 0 &&
           IsAcceptedFolder(path, AcceptedOwners::PlayerOrRoot);
}

// Makes the folder and any missing parent private to the player. A folder that cannot be
// made shows up as the write error when the game closes.
void MakePrivateFolder(const QString& folder) {
    const QByteArray path = EncodeFileName(folder);
    if (!path.startsWith('/'))
        return;
    for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? path : path.left(slash);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            return;
        if (slash < 0)
            return;
    }
}

QString ChooseSettingsFile(const QString& programDir) {
    // A program in the root folder has an empty folder name, "/" being its trailing slash.
    const QString folder = programDir.isEmpty() ? QStringLiteral("/") : programDir;
    const bool installed = IsInstalledCopy(programDir, folder);
    const QString besideProgram = SettingsFileIn(programDir);
    if (!installed && CanKeepFileIn(folder))
        return besideProgram;

    const QString userFolder = UserSettingsFolder();
    const QString perUser = SettingsFileIn(userFolder);
    MakePrivateFolder(userFolder);
    // The package ships no results, so an installed copy starts every player from the
    // defaults; a portable one carries the results kept beside it over to the player's copy.
    if (installed)
        return perUser;
    const StoredFile ownCopy = ReadStoredFile(perUser);
    if (ownCopy.state != StoredFile::State::Absent)
        return perUser;
    const StoredFile seed = ReadStoredFile(besideProgram, AcceptedOwners::Anyone);
    if (seed.state == StoredFile::State::Present)
        ReplaceFileContent(ownCopy, seed.bytes); // a fresh file: a read-only seed stays alone
    return perUser;
}

} // namespace

QString SettingsFilePath(const QString& programDir) {
    const QString path = ChooseSettingsFile(programDir);
    RemoveStaleCopies(path);
    return path;
}

bool SavesCanReach(const QString& path) {
    const std::optional<QByteArray> target = FileBehind(path, AcceptedOwners::PlayerOrRoot);
    return target && CanKeepFileIn(DecodeFileName(FolderOfPath(*target)));
}
