#include "ui/start/ResultsKeeper.h"

#include "app/ErrorBox.h"
#include "app/Seged.h"
#include "store/SaveCalls.h"
#include "store/SaveWriter.h"
#include "ui/start/SessionEnd.h"

#include <cstdlib>
#include <signal.h>
#include <stdexcept>
#include <utility>

namespace {

// The keeper whose record the program's exit saves. Qt leaves with exit() when the display
// goes away (X server killed, the client killed by it, a dropped ssh or VNC link), running
// no window's close: only an exit handler still gets to write.
ResultsKeeper* keeperAtExit = nullptr;

void SaveAtExit() {
    if (keeperAtExit != nullptr)
        keeperAtExit->SaveQuietly();
}

} // namespace

ResultsKeeper::ResultsKeeper(const QString& programDir, QObject* parent)
    : QObject(parent), path_(SettingsFilePath(programDir)) {
    // The handlers come first: a second start may signal as soon as the lock is taken.
    sessionEnd_ =
        new SessionEnd([this] { SaveQuietly(); }, [this] { emit ForwardRequested(); }, this);
    lock_.emplace(path_);
    if (AnotherCopyRuns()) {
        // This copy holds only the defaults: any save of its own, at a session checkpoint or
        // a signal while it says the game runs already, would wipe the other copy's results.
        delete std::exchange(sessionEnd_, nullptr);
        return;
    }
    stored_ = LoadSettings(path_);
    writer_ = std::make_unique<SaveWriter>(path_, [this](const std::string& error) {
        // Called on the writer's thread: the box belongs on the window's.
        QMetaObject::invokeMethod(
            this, [this, message = QString::fromStdString(error)] { ReportChangeFailure(message); },
            Qt::QueuedConnection);
    });
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
    // The writer finishes what it has before anything it reports to goes.
    writer_.reset();
}

bool ResultsKeeper::AnotherCopyRuns() const {
    return lock_->Status() == RunningCopyLock::State::HeldElsewhere;
}

bool ResultsKeeper::BringOtherCopyForward() const {
    const pid_t holder = lock_->Holder();
    return holder > 0 && ::kill(holder, SIGUSR1) == 0;
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
    if (!writer_)
        return; // only the copy holding the results writes them
    // A save in flight goes first, so an older record never lands over this one; a disk that
    // holds it up past the limit leaves the last good file standing.
    if (!writer_->WaitUntilIdle(ShutdownLimit))
        throw std::runtime_error("Unable to write to " + path_.toStdString());
    SaveSettings(path_, Current());
}

void ResultsKeeper::SaveAfterChange() {
    if (writer_)
        writer_->Submit(Current());
}

void ResultsKeeper::FinishSaves() {
    if (writer_)
        writer_->WaitUntilIdle(ShutdownLimit);
}

void ResultsKeeper::ReportChangeFailure(const QString& message) {
    // Said once is enough: the close will say it again, and offer a way out.
    if (std::exchange(changeSaveFailed_, true))
        return;
    RunGuarded([&] { ShowErrorBox(message); });
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
