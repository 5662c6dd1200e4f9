#include "ui/copies/CopyMeeting.h"

#include <QFile>
#include <QThread>

namespace {

// How long a start waits for a copy that is going to be gone.
constexpr int GoingLimitMs = 3000;
// Where no bus tells, the pause a copy that closed its channel needs to give its locks back.
constexpr int QuietGoingMs = 300;
// What the playing copy notes in its locks: the bus it is reached on.
const QByteArray NotePrefix = QByteArrayLiteral("bus ");

// Whether the process holding a lock is, as far as this start can see, the game: a process in
// another PID namespace, or one on another machine, cannot be seen and is taken for it.
bool HolderIsTheGame(pid_t holder) {
    if (holder <= 0)
        return true;
    QFile name(QStringLiteral("/proc/%1/comm").arg(holder));
    if (!name.open(QIODevice::ReadOnly))
        return true;
    return name.read(64).trimmed() == "huszonegy";
}

} // namespace

CopyMeeting::CopyMeeting(const QString& resultsPath, QObject* parent)
    : QObject(parent), places_(CopyPlacesOf(resultsPath)) {
    bus_ = std::make_unique<BusChannel>(places_.identity);
    connect(bus_.get(), &BusChannel::Requested, this, &CopyMeeting::Requested);
    if (bus_->Status() == BusChannel::Claim::Taken)
        return; // the table on this bus is asked; its locks need no look
    if (!places_.beside.isEmpty())
        lock_.emplace(places_.beside);
    if (!places_.runtime.isEmpty())
        runtimeLock_.emplace(places_.runtime);
    if (!MayPlay()) {
        bus_.reset(); // the name is not this copy's to keep
        return;
    }
    // A start without this bus (another login's, a shell's without any) finds the way in.
    const QByteArray note = NotePrefix + bus_->Address().toUtf8();
    for (std::optional<RunningCopyLock>* lock : {&lock_, &runtimeLock_}) {
        if (*lock && !bus_->Address().isEmpty())
            (*lock)->Note(note);
    }
    if (bus_->Status() == BusChannel::Claim::NoBus && !places_.identity.isEmpty()) {
        listener_ = std::make_unique<ForwardListener>(ChannelName(places_.identity), nullptr);
        connect(listener_.get(), &ForwardListener::Requested, this, &CopyMeeting::Requested);
    }
}

CopyMeeting::~CopyMeeting() {
    CloseChannel();
}

bool CopyMeeting::AnotherCopyRuns() const {
    const auto elsewhere = [](const std::optional<RunningCopyLock>& lock) {
        return lock && lock->Status() == RunningCopyLock::State::HeldElsewhere;
    };
    return (bus_ && bus_->Status() == BusChannel::Claim::Taken) || elsewhere(lock_) ||
           elsewhere(runtimeLock_);
}

bool CopyMeeting::NoLock() const {
    // A file the store cannot resolve is never written, so it needs no lock.
    return !places_.beside.isEmpty() && !(lock_ && lock_->Status() == RunningCopyLock::State::Held);
}

ForwardReply CopyMeeting::AskOtherCopy(const ForwardRequest& request) const {
    if (bus_ && bus_->Status() == BusChannel::Claim::Taken)
        return bus_->Ask(request);
    if (places_.identity.isEmpty())
        return {};
    // A table on another bus left its address in its lock.
    for (const std::optional<RunningCopyLock>* lock : {&lock_, &runtimeLock_}) {
        const QByteArray note = *lock ? (*lock)->HoldersNote() : QByteArray();
        if (!note.startsWith(NotePrefix))
            continue;
        const ForwardReply reply = BusChannel::AskAt(QString::fromUtf8(note.mid(NotePrefix.size())),
                                                     places_.identity, request);
        if (reply.answer != ForwardAnswer::NoTable)
            return reply;
    }
    ForwardReply reply = AskRunningCopy(ChannelName(places_.identity), request);
    if (reply.answer == ForwardAnswer::NoTable) {
        // The locks are held, and nothing of the player's listens here: the game in another
        // sandbox or login (a bus or network of its own), or some other program.
        const pid_t holder = lock_ && lock_->Status() == RunningCopyLock::State::HeldElsewhere
                                 ? lock_->Holder()
                                 : (runtimeLock_ ? runtimeLock_->Holder() : 0);
        if (HolderIsTheGame(holder))
            reply.answer = ForwardAnswer::Unreachable;
    }
    return reply;
}

void CopyMeeting::WaitForOtherToGo() const {
    if (bus_ && bus_->Status() == BusChannel::Claim::Taken)
        bus_->WaitUntilFree(GoingLimitMs);
    else
        QThread::msleep(QuietGoingMs);
}

void CopyMeeting::CloseChannel() noexcept {
    listener_.reset();
    if (bus_)
        bus_->Close();
}

void CopyMeeting::RenewLocks() {
    if (lock_)
        lock_->Renew();
    if (runtimeLock_)
        runtimeLock_->Renew();
}
