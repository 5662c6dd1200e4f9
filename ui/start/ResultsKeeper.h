#pragma once
// The one owner of the results and their file: where the file lives, the read at start, every
// save, what a failed save at a close means, and every other way the program can end. The
// window draws the record and asks for saves; nothing else touches the file.

#include "store/record/Settings.h"
#include "ui/copies/CopyMeeting.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>
#include <optional>

class QWidget;
class ResultsFile;
class SessionEnd;

class ResultsKeeper : public QObject {
    Q_OBJECT
public:
    // Finds the results file of the program in `programDir` and meets the other copies on it
    // (see the other constructor).
    explicit ResultsKeeper(const QString& programDir, QObject* parent = nullptr);
    // Keeps the results file at `resultsPath`, which `meeting` claimed: when this copy may
    // play on it, reads it and answers second starts. From here on the session end, SIGTERM,
    // SIGHUP, SIGINT and the program's exit (also Qt's own when the display is lost) save what
    // was settled.
    ResultsKeeper(const QString& resultsPath, std::unique_ptr<CopyMeeting> meeting,
                  QObject* parent = nullptr);
    ~ResultsKeeper() override;

    // Another running copy owns this results file; this copy must not play on it.
    bool AnotherCopyRuns() const;
    // No second start is answered any more: the program is going.
    void CloseChannel() noexcept;

    TBeall& Results() { return stored_.Results; }
    QPoint StoredPosition() const { return {stored_.Left, stored_.Top}; }
    const QString& Path() const { return path_; }

    // Where the window stands when a save asks; nullopt where the window system keeps that
    // to itself, and the stored place then stays. An empty function stops the asking.
    void TrackPosition(std::function<std::optional<QPoint>()> where);

    // After a settled deal, a reset or new settings: replaces the file at once, leaving its
    // flush to the disk to a thread of its own, so the window never waits for the disk, while
    // the record before it stays kept on the disk. The first failure of a run is shown in the
    // error box (a failed flush too, on the window's thread); play then goes on quietly.
    void SaveAfterChange();
    // Until the flushes in flight are on the disk, or a few seconds passed. Every ending waits
    // so before its own save.
    void FinishSaves();
    // At the player's close. A failed save keeps the window open and says why; from the
    // second failure on the player may leave without saving. True when the window may close.
    bool SaveAtClose(QWidget* owner);
    // When the program is ending whatever happens: never a box, never an exception.
    void SaveQuietly() noexcept;
    // The program is being ended (session manager, signal) rather than closed by the player.
    bool Ending() const;

signals:
    // A second start of the game on this results file, on this display, wants this copy in
    // front.
    void ForwardRequested(const ForwardRequest& request);

private:
    // The record with the window's place as it is now.
    const StoredSettings& Current();
    // Wholly on the calling thread, flush included; throws when the file stays unwritten.
    void Save();
    void ReportChangeFailure();

    QString path_;
    StoredSettings stored_;
    std::function<std::optional<QPoint>()> where_;
    SessionEnd* sessionEnd_ = nullptr;
    // Before the file, so its claims on the results go only once the last save is done.
    std::unique_ptr<CopyMeeting> meeting_;
    // Only in the copy that holds the results: without it nothing is ever written.
    std::unique_ptr<ResultsFile> file_;
    bool changeSaveFailed_ = false;
    bool closeSaveFailed_ = false;
};
