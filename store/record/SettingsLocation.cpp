#include "store/record/SettingsLocation.h"

#include "app/FileName.h"

namespace {

QString AbsoluteFromEnvironment(const char* name) {
    const QString value = DecodeFileName(qgetenv(name));
    return value.startsWith(u'/') ? value : QString();
}

} // namespace

QString SettingsFileIn(const QString& folder) {
    return folder + QStringLiteral("/tavrik.ini");
}

QString UserSettingsFolder() {
    QString base = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.isEmpty()) {
        const QString home = AbsoluteFromEnvironment("HOME");
        base = (home.isEmpty() ? QStringLiteral("$HOME") : home) + QStringLiteral("/.config");
    }
    return base + QStringLiteral("/huszonegy");
}

bool MarkerNamesFolder(const QByteArray& marker, const QString& folder) {
    const qsizetype lineEnd = marker.indexOf('\n');
    return marker.left(lineEnd < 0 ? marker.size() : lineEnd) == EncodeFileName(folder);
}
