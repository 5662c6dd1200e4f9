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
    // A lock file this copy may not write is still asked who holds it, and when nobody does
    // and it is the player's own, it is made writable again and taken.
    explicit RunningCopyLock(const QString& resultsPath);
    ~RunningCopyLock();
    RunningCopyLock(const RunningCopyLock&) = delete;
    RunningCopyLock& operator=(const RunningCopyLock&) = delete;

    State Status() const { return state_; }
    // The process that holds the lock elsewhere, or 0 when it cannot be seen from here
    // (another PID namespace).
    pid_t Holder() const { return holder_; }

    // A held lock whose file was deleted, renamed or replaced meanwhile locks nothing anyone
    // else sees: the lock is taken again on the file now at its name, with its note. Cheap
    // when nothing changed (one stat).
    void Renew();

    // A line the holder leaves in its lock file for other copies (where it can be reached).
    void Note(const QByteArray& line);
    // The holder's note, read when the lock was found held elsewhere; empty when the file is
    // not the player's alone or holds no note.
    const QByteArray& HoldersNote() const { return note_; }

private:
    // Once made writable again, a read-only lock file is tried once more, not repaired again.
    void Take(bool mayRepair = true);
    // The file cannot be opened for writing: who holds it, read through a read-only open.
    void AskReadOnly(bool mayRepair);
    void HeldBy(pid_t holder, int fd);
    void ReadNote(int fd);
    void WriteNote();

    QByteArray path_;
    QByteArray note_;
    State state_ = State::Unavailable;
    pid_t holder_ = 0;
    int fd_ = -1;
};
