#include "store/disk/CopyPlaces.h"

#include "app/FileName.h"
#include "store/disk/StoredFile.h"

#include <QCryptographicHash>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder only the player can reach: a planted link or a folder others may write into would
// let them take the game's lock or socket.
bool IsOwnPrivateFolder(const QByteArray& folder) {
    struct stat status {};
    return ::lstat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

} // namespace

QString PrivateRuntimeFolder() {
    const QByteArray base = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray folder = base.startsWith('/') && IsOwnPrivateFolder(base)
                                  ? base + "/huszonegy"
                                  : "/tmp/huszonegy-" + QByteArray::number(::geteuid());
    ::mkdir(folder.constData(), 0700);
    return IsOwnPrivateFolder(folder) ? DecodeFileName(folder) : QString();
}

CopyPlaces CopyPlacesOf(const QString& resultsPath) {
    CopyPlaces places;
    const std::optional<QByteArray> target = FileBehind(resultsPath, AcceptedOwners::PlayerOrRoot);
    if (!target)
        return places;
    places.beside = DecodeFileName(*target);
    struct stat folder {};
    if (::stat(FolderOfPath(*target).constData(), &folder) != 0)
        return places;
    // The file itself, however it is reached: its folder's identity and its own name.
    QByteArray identity = QByteArray::number(qulonglong(folder.st_dev)) + ':' +
                          QByteArray::number(qulonglong(folder.st_ino)) + ':';
    identity += target->mid(target->lastIndexOf('/') + 1);
    const QByteArray key =
        QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(32);
    places.identity = QString::fromLatin1(key);
    const QString runtime = PrivateRuntimeFolder();
    if (!runtime.isEmpty())
        places.runtime = runtime + u'/' + places.identity;
    return places;
}
