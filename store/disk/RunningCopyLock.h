#pragma once
// One running copy of the game per results file. Two copies on one file would each write the
// whole file at their close, and the last one would silently drop the other's deals. The lock
// is a record lock on a file beside the results: the system drops it when its holder ends,
// however it ends, so a killed copy never blocks the next start.

#include <QString>

#include <sys/types.h>

class RunningCopyLock {
public:
    enum class State {
        Held,          // this copy owns the results file
        HeldElsewhere, // another running copy owns it; Holder() names it when the system can
        Unavailable,   // no lock file could be had (a folder we cannot write, a planted link)
    };

    // Takes the lock on `resultsPath` + ".lock", made private to the player when new. Only
    // the player's own regular file is used; anything else there leaves the lock unavailable.
    explicit RunningCopyLock(const QString& resultsPath);
    ~RunningCopyLock();
    RunningCopyLock(const RunningCopyLock&) = delete;
    RunningCopyLock& operator=(const RunningCopyLock&) = delete;

    State Status() const { return state_; }
    // The process that holds the lock elsewhere, or 0 when it cannot be seen from here
    // (another PID namespace).
    pid_t Holder() const { return holder_; }

private:
    State state_ = State::Unavailable;
    pid_t holder_ = 0;
    int fd_ = -1;
};
