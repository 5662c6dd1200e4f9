#include "ui/start/ResultsKeeper.h"

#include "app/ErrorBox.h"
#include "app/Seged.h"
#include "store/disk/ResultsFile.h"
#include "store/disk/SaveCalls.h"
#include "store/disk/SettingsFile.h"
#include "ui/start/SessionEnd.h"

#include <cstdlib>
#include <utility>

namespace {

// The keeper whose record the program's exit saves. Qt leaves with exit() when the display
// goes away (X server killed, the client killed by it, a dropped ssh or VNC link), running
// no window's close: only an exit handler still gets to write.
ResultsKeeper* keeperAtExit = nullptr;

void SaveAtExit() {
    if (keeperAtExit != nullptr) {
        // The locks go only when the process does; the channel goes first.
        keeperAtExit->CloseChannel();
        keeperAtExit->SaveQuietly();
    }
}

} // namespace

ResultsKeeper::ResultsKeeper(const QString& programDir, QObject* parent)
    : QObject(parent), path_(SettingsFilePath(programDir)) {
    places_ = CopyPlacesOf(path_);
    if (!places_.beside.isEmpty())
        lock_.emplace(places_.beside);
    if (!places_.runtime.isEmpty())
        runtimeLock_.emplace(places_.runtime);
    // This copy holds only the defaults: any save of its own, at a session checkpoint or a
    // signal while it says the game runs already, would wipe the other copy's results.
    if (AnotherCopyRuns() || NoLock())
        return;
    sessionEnd_ = new SessionEnd([this] { SaveQuietly(); }, this);
    file_ = std::make_unique<ResultsFile>(path_, [this] {
        // Told on the flushing thread: the box belongs on the window's.
        QMetaObject::invokeMethod(
            this, [this] { ReportChangeFailure(); }, Qt::QueuedConnection);
    });
    stored_ = file_->Load();
    if (!places_.identity.isEmpty()) {
        listener_ = std::make_unique<ForwardListener>(ChannelName(places_.identity), nullptr);
        connect(listener_.get(), &ForwardListener::Requested, this,
                &ResultsKeeper::ForwardRequested);
    }
    // Everything the exit handler touches is built before it is registered, so none of it is
    // destroyed by the time the handler runs.
    CurrentSaveCalls();
    static const bool registered = std::atexit(SaveAtExit) == 0;
    (void)registered;
    keeperAtExit = this;
}

ResultsKeeper::~ResultsKeeper() {
    if (keeperAtExit == this)
        keeperAtExit = nullptr;
    // The flush finishes before anything it reports to goes.
    file_.reset();
}

bool ResultsKeeper::AnotherCopyRuns() const {
    const auto elsewhere = [](const std::optional<RunningCopyLock>& lock) {
        return lock && lock->Status() == RunningCopyLock::State::HeldElsewhere;
    };
    return elsewhere(lock_) || elsewhere(runtimeLock_);
}

bool ResultsKeeper::NoLock() const {
    const auto held = [](const std::optional<RunningCopyLock>& lock) {
        return lock && lock->Status() == RunningCopyLock::State::Held;
    };
    // A file the store cannot resolve is never written, so it needs no lock.
    return !places_.beside.isEmpty() && !held(lock_) && !held(runtimeLock_);
}

ForwardReply ResultsKeeper::AskOtherCopy(const ForwardRequest& request) const {
    if (places_.identity.isEmpty())
        return {};
    return AskRunningCopy(ChannelName(places_.identity), request);
}

void ResultsKeeper::CloseChannel() noexcept {
    listener_.reset();
}

void ResultsKeeper::TrackPosition(std::function<std::optional<QPoint>()> where) {
    where_ = std::move(where);
}

const StoredSettings& ResultsKeeper::Current() {
    if (where_) {
        if (const std::optional<QPoint> position = where_()) {
            stored_.Left = position->x();
            stored_.Top = position->y();
        }
    }
    return stored_;
}

void ResultsKeeper::Save() {
    if (file_) // only the copy holding the results writes them
        file_->SaveNow(Current());
}

void ResultsKeeper::SaveAfterChange() {
    if (!file_)
        return;
    const auto replace = [&] { file_->SaveSoon(Current()); };
    if (!changeSaveFailed_) {
        changeSaveFailed_ = !RunGuarded(replace);
    } else {
        // Said once is enough: the close will say it again, and offer a way out.
        try {
            replace();
        } catch (...) {
        }
    }
}

void ResultsKeeper::FinishSaves() {
    if (file_)
        file_->WaitUntilIdle(ShutdownLimit);
}

void ResultsKeeper::ReportChangeFailure() {
    if (std::exchange(changeSaveFailed_, true))
        return;
    try {
        ShowErrorBox(QString::fromStdString(WriteFailure(path_)));
    } catch (...) {
        // Nothing is left to report with; the close will say it again.
    }
}

bool ResultsKeeper::SaveAtClose(QWidget* owner) {
    if (Ending()) {
        SaveQuietly();
        return true;
    }
    if (RunGuarded([this] { Save(); }))
        return true;
    const bool leave =
        closeSaveFailed_ && ::AskYesNo(tr("Nem sikerült menteni. Kilépsz mentés nélkül?"),
                                       ApplicationTitle(), owner, DefaultAnswer::No);
    closeSaveFailed_ = true;
    return leave;
}

void ResultsKeeper::SaveQuietly() noexcept {
    // The program is going whatever happens here: a box would only hold it up.
    try {
        Save();
    } catch (...) {
    }
}

bool ResultsKeeper::Ending() const {
    return sessionEnd_ != nullptr && sessionEnd_->Ending();
}
