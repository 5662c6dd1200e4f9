#pragma once
// Which copy of the game plays on a results file, and how a second start reaches it. A copy
// plays only when it holds the file's name on the player's session bus (where there is one)
// and the lock beside the file, which copies on other machines sharing the folder see too; the
// lock in the runtime folder stands in for the bus where there is none. A lock that cannot be
// had is never taken for a free one. Second starts come through the bus, or through the
// abstract socket where the table has no bus.

#include "store/disk/CopyPlaces.h"
#include "store/disk/RunningCopyLock.h"
#include "ui/copies/BusChannel.h"
#include "ui/copies/CopyChannel.h"

#include <QObject>

#include <memory>
#include <optional>

class CopyMeeting : public QObject {
    Q_OBJECT
public:
    // Claims the results file at `resultsPath` for this copy, as far as nobody else plays on
    // it. When this copy may play, second starts reach Requested from here on.
    explicit CopyMeeting(const QString& resultsPath, QObject* parent = nullptr);
    ~CopyMeeting() override;

    // Another running copy plays on this results file; this copy must not.
    bool AnotherCopyRuns() const;
    // The lock beside a file the store would write could not be had: nothing would stop a
    // second table on it from another machine.
    bool NoLock() const;
    // This copy plays on the file.
    bool MayPlay() const { return !AnotherCopyRuns() && !NoLock(); }

    // Asks the copy that plays to bring its table forward, and says what came of it.
    ForwardReply AskOtherCopy(const ForwardRequest& request) const;
    // After an answer that the other copy is going (Ending, or nothing listening): until it is
    // gone, a few seconds at most, so a new meeting finds the file free.
    void WaitForOtherToGo() const;

    // No second start is answered any more: the program is going. Its claims stay until this
    // object goes, so no start opens a table before the last save is on the disk.
    void CloseChannel() noexcept;
    // Takes the lock beside the file again when it was deleted or replaced meanwhile.
    void RenewLocks();

signals:
    // A second start on this display wants this copy's table in front.
    void Requested(const ForwardRequest& request);

private:
    CopyPlaces places_;
    std::unique_ptr<BusChannel> bus_;
    // Beside the file, and in the runtime folder.
    std::optional<RunningCopyLock> lock_, runtimeLock_;
    // Only where the table has no bus. After the locks, so it closes before they go: a start
    // that finds the locks free must never reach this ending copy instead of the table it opens.
    std::unique_ptr<ForwardListener> listener_;
};
