#include "ui/copies/ChannelSocket.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of an abstract name: sun_path starts with a NUL, and the name's length, not a
// terminating NUL, ends it.
struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
};

Address AbstractAddress(const QByteArray& channel, int slot) {
    const QByteArray name = channel + '.' + QByteArray::number(slot);
    Address result;
    result.address.sun_family = AF_UNIX;
    const std::size_t size =
        std::min(std::size_t(name.size()), sizeof(result.address.sun_path) - 1);
    std::memcpy(result.address.sun_path + 1, name.constData(), size);
    result.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size);
    return result;
}

} // namespace

OwnedFd& OwnedFd::operator=(OwnedFd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.Release();
    }
    return *this;
}

OwnedFd::~OwnedFd() {
    if (fd_ >= 0)
        ::close(fd_);
}

int OwnedFd::Release() noexcept {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

OwnedFd ListenOn(const QByteArray& channel, int slot) {
    OwnedFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid())
        return fd;
    const Address address = AbstractAddress(channel, slot);
    // A short queue: beyond it the system refuses a connection at once.
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address.address), address.length) !=
            0 ||
        ::listen(fd.Get(), 8) != 0) {
        const int error = errno;
        fd = OwnedFd();
        errno = error;
    }
    return fd;
}

Reach ConnectTo(const QByteArray& channel, int slot, OwnedFd& connection) {
    connection = OwnedFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!connection.Valid())
        return Reach::Failed;
    const Address address = AbstractAddress(channel, slot);
    int result = 0;
    do {
        result = ::connect(connection.Get(), reinterpret_cast<const sockaddr*>(&address.address),
                           address.length);
    } while (result != 0 && errno == EINTR);
    if (result == 0)
        return Reach::Connected;
    const int error = errno;
    connection = OwnedFd();
    if (error == ECONNREFUSED || error == ENOENT)
        return Reach::Nobody;
    return error == EAGAIN ? Reach::Busy : Reach::Failed;
}

bool PeerIsPlayer(int fd) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof(peer) &&
           peer.uid == ::geteuid();
}
