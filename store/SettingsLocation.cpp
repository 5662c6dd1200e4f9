#include "store/Settings.h"

#include "app/FileName.h"
#include "store/AtomicFile.h"
#include "store/StoredFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What an install writes beside the program: the folder it installed into, on the first line.
constexpr QLatin1String InstallMarker("/installed-folder");
constexpr qsizetype InstallMarkerLimit = 4096;

QString SettingsFileIn(const QString& folder) {
    return folder + QStringLiteral("/tavrik.ini");
}

// An installed copy keeps its results per user, whoever runs it and whatever its folder
// allows. A folder copied elsewhere still carries the marker, but it names the old place,
// so the copy counts as portable.
bool IsInstalledCopy(const QString& programDir, const QString& folder) {
    const StoredFile marker = ReadStoredFile(programDir + InstallMarker,
                                             AcceptedOwners::PlayerOrRoot, InstallMarkerLimit);
    if (marker.state != StoredFile::State::Present)
        return false;
    const qsizetype lineEnd = marker.bytes.indexOf('\n');
    return marker.bytes.left(lineEnd < 0 ? marker.bytes.size() : lineEnd) == EncodeFileName(folder);
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

QString AbsoluteFromEnvironment(const char* name) {
    const QString value = DecodeFileName(qgetenv(name));
    return value.startsWith(u'/') ? value : QString();
}

// $XDG_CONFIG_HOME/huszonegy, or $HOME/.config/huszonegy; a relative XDG_CONFIG_HOME is
// ignored, as the desktop's rules ask. Without an absolute HOME there is no such folder: the
// name returned then is relative, which the store refuses, and a save names it in its error.
QString UserSettingsFolder() {
    QString base = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.isEmpty()) {
        const QString home = AbsoluteFromEnvironment("HOME");
        base = (home.isEmpty() ? QStringLiteral("$HOME") : home) + QStringLiteral("/.config");
    }
    return base + QStringLiteral("/huszonegy");
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
