#include "app/Seged.h"

#include <QFileInfo>

#include <stdexcept>

TProgramDir ProgramDir;

TProgramDir ComputeProgramDir(const QString& exePath) {
    // The directory part keeps its trailing slash, which is then dropped; a program in
    // the root folder therefore gets an empty directory and its files read "/tavrik.ini".
    QString directory = exePath.left(exePath.lastIndexOf(QLatin1Char('/')) + 1);
    if (directory.endsWith(QLatin1Char('/')))
        directory.chop(1);
    return TProgramDir{directory.toLower(), directory};
}

void InitProgramDir() {
    const QString exePath = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    // Without it the settings would silently go to the root folder.
    if (exePath.isEmpty())
        throw std::runtime_error("Cannot find the program's own folder");
    ProgramDir = ComputeProgramDir(exePath);
}
