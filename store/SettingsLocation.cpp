#include "store/Settings.h"

#include "store/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString SettingsFileIn(const QString& folder) {
    return folder + QStringLiteral("/tavrik.ini");
}

// Whether the game may keep its file in this folder. Only the folder decides: a read-only
// file in a writable folder stays where the player put it and refuses the save openly,
// rather than the results moving somewhere else without a word.
bool CanKeepFileIn(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// $XDG_CONFIG_HOME/huszonegy, or ~/.config/huszonegy; a relative XDG_CONFIG_HOME is
// ignored, as the desktop's rules ask.
QString UserSettingsFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/huszonegy");
}

} // namespace

QString SettingsFilePath(const QString& programDir) {
    const QString besideProgram = SettingsFileIn(programDir);
    // A program in the root folder has an empty folder name, "/" being its trailing slash.
    const QString folderToCheck = programDir.isEmpty() ? QStringLiteral("/") : programDir;
    if (CanKeepFileIn(folderToCheck))
        return besideProgram;

    const QString folder = UserSettingsFolder();
    const QString perUser = SettingsFileIn(folder);
    // A folder that cannot be made shows up as the write error when the game closes.
    QDir().mkpath(folder);
    if (!QFileInfo::exists(perUser) && QFileInfo::exists(besideProgram)) {
        // The results kept beside the program carry over to the player's own copy; a
        // read-only original must not make that copy read-only too.
        const std::optional<QByteArray> seed = ReadWholeFile(besideProgram);
        if (seed)
            ReplaceFileContent(perUser, *seed);
    }
    return perUser;
}
