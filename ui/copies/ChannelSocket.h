#pragma once
// The running copy's socket, in the kernel's abstract namespace: a name, not a file, so no
// folder, link or long path of anyone's can stand in its way, and it vanishes with its holder.
// Any user may bind any such name, so each end checks the other's credentials, and a name
// another user took is passed over for the next of a few.

#include <QByteArray>

// A descriptor closed with its owner.
class OwnedFd {
public:
    OwnedFd() = default;
    explicit OwnedFd(int fd) : fd_(fd) {}
    OwnedFd(OwnedFd&& other) noexcept : fd_(other.Release()) {}
    OwnedFd& operator=(OwnedFd&& other) noexcept;
    ~OwnedFd();

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    int Release() noexcept;

private:
    int fd_ = -1;
};

// How many names, tried in order, one results file's channel may have.
constexpr int ChannelSlots = 4;

// A listening, non-blocking socket on the `slot`th name of `channel`; on failure invalid, with
// the reason in errno (EADDRINUSE: someone holds the name).
OwnedFd ListenOn(const QByteArray& channel, int slot);

enum class Reach { Connected, Nobody, Busy, Failed };

// A non-blocking connection to the `slot`th name of `channel`. Nobody: no one listens there;
// Busy: the listener's queue is full.
Reach ConnectTo(const QByteArray& channel, int slot, OwnedFd& connection);

// The process at the other end runs as the same user as this one.
bool PeerIsPlayer(int fd);
