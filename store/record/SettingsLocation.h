#pragma once
// Where tavrik.ini lives, by name: beside the program, or in the player's own settings folder.

#include <QByteArray>
#include <QString>

// The results file in `folder`.
QString SettingsFileIn(const QString& folder);

// $XDG_CONFIG_HOME/huszonegy, or $HOME/.config/huszonegy; a relative XDG_CONFIG_HOME is
// ignored, as the desktop's rules ask. Without an absolute HOME there is no such folder: the
// name returned then is relative, which the store refuses, and a save names it in its error.
QString UserSettingsFolder();

// What an install writes beside the program: the folder it installed into, on the first line.
inline constexpr QLatin1String InstallMarker("/installed-folder");
inline constexpr qsizetype InstallMarkerLimit = 4096;

// Whether the install marker's bytes name `folder` as the installed one. A folder copied
// elsewhere still carries the marker, but it names the old place.
bool MarkerNamesFolder(const QByteArray& marker, const QString& folder);
