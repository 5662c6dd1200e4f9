#include "app/FileName.h"
#include "app/Seged.h"

#include <QByteArray>

#include <stdexcept>
#include <unistd.h>

TProgramDir ProgramDir;

namespace {

// The kernel gives no path past a page; the larger buffers only make sure of it.
constexpr size_t FirstBufferBytes = 4096;
constexpr size_t LastBufferBytes = 65536;

[[noreturn]] void FailToFindFolder() {
    // Without it the pictures and the settings would be looked for in the wrong place.
    throw std::runtime_error("Cannot find the program's own folder");
}

} // namespace

TProgramDir ComputeProgramDir(const QString& exePath) {
    // The directory part keeps its trailing slash, which is then dropped; a program in
    // the root folder therefore gets an empty directory and its files read "/tavrik.ini".
    QString directory = exePath.left(exePath.lastIndexOf(QLatin1Char('/')) + 1);
    if (directory.endsWith(QLatin1Char('/')))
        directory.chop(1);
    return TProgramDir{directory.toLower(), directory};
}

QString ProgramFilePath(const ReadLinkFunction& readLink) {
    // readlink says nothing of a path cut short except by filling the whole buffer, so a
    // full buffer is tried again with a larger one.
    for (size_t size = FirstBufferBytes; size <= LastBufferBytes; size *= 2) {
        QByteArray buffer(static_cast<qsizetype>(size), Qt::Uninitialized);
        const ssize_t length = readLink("/proc/self/exe", buffer.data(), size);
        if (length <= 0)
            FailToFindFolder();
        if (static_cast<size_t>(length) >= size)
            continue;
        buffer.truncate(length);
        if (!buffer.startsWith('/'))
            FailToFindFolder();
        return DecodeFileName(buffer);
    }
    FailToFindFolder();
}

void InitProgramDir() {
    ProgramDir = ComputeProgramDir(ProgramFilePath(::readlink));
}
