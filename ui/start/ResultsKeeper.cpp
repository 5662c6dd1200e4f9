#include "ui/start/ResultsKeeper.h"

#include "app/ErrorBox.h"
#include "app/Seged.h"
#include "store/disk/ResultsFile.h"
#include "store/disk/SaveCalls.h"
#include "store/disk/SettingsFile.h"
#include "ui/start/SessionEnd.h"

#include <cstdlib>
#include <utility>

/*
    TRANSLATOR ResultsKeeper

    The question at the close when the results cannot be saved.
*/

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
    : ResultsKeeper(SettingsFilePath(programDir), nullptr, parent) {}

ResultsKeeper::ResultsKeeper(const QString& resultsPath, std::unique_ptr<CopyMeeting> meeting,
                             QObject* parent)
    : QObject(parent), path_(resultsPath),
      meeting_(meeting ? std::move(meeting) : std::make_unique<CopyMeeting>(resultsPath)) {
    // This copy holds only the defaults: any save of its own, at a session checkpoint or a
    // signal while it says the game runs already, would wipe the other copy's results.
    if (!meeting_->MayPlay())
        return;
    sessionEnd_ = new SessionEnd([this] { SaveQuietly(); }, this);
    file_ = std::make_unique<ResultsFile>(path_, [this] {
        // Told on the flushing thread: the box belongs on the window's.
        QMetaObject::invokeMethod(
            this, [this] { ReportChangeFailure(); }, Qt::QueuedConnection);
    });
    stored_ = file_->Load();
    connect(meeting_.get(), &CopyMeeting::Requested, this, &ResultsKeeper::ForwardRequested);
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
    return meeting_->AnotherCopyRuns();
}

void ResultsKeeper::CloseChannel() noexcept {
    meeting_->CloseChannel();
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
    // A lock file a cleaner deleted meanwhile would let a table elsewhere open on this file.
    meeting_->RenewLocks();
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
        //: Asked at the close when the results file cannot be written
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
