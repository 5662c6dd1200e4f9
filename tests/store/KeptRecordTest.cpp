// The record kept on the disk while a newer one is on its way: what a start reads after a cut,
// and what stays kept while saves come faster than their flushes.

#include "StoreTestFiles.h"

#include "store/disk/ResultsFile.h"
#include "store/disk/SaveCalls.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

QByteArray Record(int wins) {
    StoredSettings settings;
    settings.Results.Win1 = wins;
    return *SettingsAsText({}, settings);
}

class KeptRecordTest : public testing::Test {
protected:
    ~KeptRecordTest() override { CurrentSaveCalls() = SystemSaveCalls(); }
    QTemporaryDir folder;
    const QString results = folder.filePath(QStringLiteral("tavrik.ini"));
    const QString kept = folder.filePath(QStringLiteral(".tavrik.ini.kept"));
};

TEST_F(KeptRecordTest, AStartReadsTheKeptRecordOnlyWhereACutLeftTheResultsUnwhole) {
    const struct {
        const char* name;
        std::optional<QByteArray> results; // none: the player removed them
        bool resultsRead;
    } cases[] = {
        {"whole", Record(2), true},
        {"made by hand", "[Results]\nMoney1=777\n", true},
        {"removed", std::nullopt, true},
        {"edited without a last line break", Record(2).chopped(2), true},
        {"with a key of a later version at the end", Record(2) + "Streak=3\r\n", true},
        {"empty", QByteArray(), false},
        {"zero-filled", QByteArray(Record(2).size(), '\0'), false},
        {"a stale block", QByteArray("\x17\x03\x9b\x01binary\x02"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(results);
        if (c.results)
            WriteBytes(results, *c.results);
        WriteBytes(kept, Record(1));
        ResultsFile file(results, [] {});
        const QByteArray read = c.resultsRead ? c.results.value_or("") : Record(1);
        EXPECT_EQ(file.Load(), SettingsFromText(read));
        ASSERT_TRUE(file.WaitUntilIdle(std::chrono::seconds(5)));
        // Results read stay and the kept record goes once they are flushed; otherwise it is back.
        EXPECT_EQ(QFile::exists(results), c.results || !c.resultsRead);
        EXPECT_EQ(ReadBytes(results), read);
        EXPECT_FALSE(QFile::exists(kept));
    }
}

TEST_F(KeptRecordTest, SavesFasterThanFlushesKeepARecordThatIsOnTheDisk) {
    WriteBytes(results, Record(1));
    // Each sync waits for its turn, as a slow disk holds them.
    auto syncs = std::make_shared<std::atomic_int>(0),
         allowed = std::make_shared<std::atomic_int>(0);
    CurrentSaveCalls().fsync = [syncs, allowed](int fd) {
        for (const int turn = syncs->fetch_add(1); turn >= allowed->load();)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return ::fsync(fd);
    };
    const auto reach = [&](int count) {
        while (syncs->load() < count)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    ResultsFile file(results, [] {});
    StoredSettings settings;
    for (int wins : {2, 3, 4}) {
        settings.Results.Win1 = wins;
        file.SaveSoon(settings);
        reach(1); // the first save's file is being flushed
    }
    EXPECT_EQ(ReadBytes(results), Record(4));
    EXPECT_EQ(ReadBytes(kept), Record(1));
    *allowed = 2; // the first save's file and folder are on the disk, the last one's are not
    reach(3);
    EXPECT_EQ(ReadBytes(kept), Record(1));
    *allowed = 100;
    ASSERT_TRUE(file.WaitUntilIdle(std::chrono::seconds(5)));
    EXPECT_FALSE(QFile::exists(kept));
}

// A power cut as XFS gives it: a file whose data was never synced comes back empty, and nothing
// is done after the cut. The first save's data is synced while its folder's sync is slow; the
// second save is cut at each of its calls in turn: the first save's record is never lost.
TEST_F(KeptRecordTest, ACutInTheSaveAfterAFlushedOneNeverGoesBackPastIt) {
    struct Disk {
        std::mutex mutex;
        std::condition_variable changed;
        std::set<ino_t> synced;
        int calls = -1; // counted from the second save on
        int cutAt = 0;
        bool cut = false, folderHeld = false, released = false;
        // False once the cut has come: the call is not made.
        bool Reaches() {
            const std::lock_guard lock(mutex);
            if (!cut && calls >= 0 && calls++ == cutAt)
                cut = true;
            return !cut;
        }
    };
    const auto inode = [](const QString& path) {
        struct stat status {};
        ::stat(QFile::encodeName(path).constData(), &status);
        return status.st_ino;
    };
    for (int cutAt = 0, lastCalls = 0; cutAt <= lastCalls; ++cutAt) {
        SCOPED_TRACE(cutAt);
        QFile::remove(kept);
        WriteBytes(results, Record(0));
        auto disk = std::make_shared<Disk>();
        disk->cutAt = cutAt;
        disk->synced.insert(inode(results));
        const SaveCalls real = SystemSaveCalls();
        SaveCalls& calls = CurrentSaveCalls();
        const auto failed = [] { return errno = EIO, -1; };
        // The system's own call, made only while the power is on.
        const auto powered = [disk, failed](auto call) {
            return [disk, failed, call](auto... arguments) {
                return disk->Reaches() ? call(arguments...) : failed();
            };
        };
        calls.open = powered(real.open);
        calls.fchmod = powered(real.fchmod);
        calls.write = powered(real.write);
        calls.rename = powered(real.rename);
        calls.link = powered(real.link);
        calls.unlink = powered(real.unlink);
        calls.fsync = [=](int fd) {
            struct stat status {};
            ::fstat(fd, &status);
            if (S_ISDIR(status.st_mode)) { // the folder's sync is slow
                std::unique_lock lock(disk->mutex);
                disk->folderHeld = true;
                disk->changed.notify_all();
                disk->changed.wait(lock, [&] { return disk->released; });
            }
            if (!disk->Reaches() || real.fsync(fd) != 0)
                return failed();
            const std::lock_guard lock(disk->mutex);
            disk->synced.insert(status.st_ino);
            return 0;
        };
        {
            ResultsFile file(results, [] {});
            StoredSettings settings;
            settings.Results.Win1 = 1;
            file.SaveSoon(settings);
            {
                std::unique_lock lock(disk->mutex);
                disk->changed.wait(lock, [&] { return disk->folderHeld; });
                disk->calls = 0; // the first save's data is synced, its name not yet
            }
            settings.Results.Win1 = 2;
            try {
                file.SaveSoon(settings);
            } catch (const std::exception&) {
            }
            const std::lock_guard lock(disk->mutex);
            lastCalls = std::max(lastCalls, disk->calls);
            disk->cut = disk->released = true;
            disk->changed.notify_all();
        }
        CurrentSaveCalls() = real;
        for (const QFileInfo& entry :
             QDir(folder.path()).entryInfoList(QDir::Files | QDir::Hidden)) {
            if (!disk->synced.count(inode(entry.filePath())))
                QFile(entry.filePath()).resize(0); // its data never reached the disk
        }
        EXPECT_GE(ResultsFile(results, [] {}).Load().Results.Win1, 1);
    }
}

TEST_F(KeptRecordTest, APlayersHardLinkedBackupIsNeverWrittenThrough) {
    const QString backup = folder.filePath(QStringLiteral("tavrik.ini.backup"));
    WriteBytes(results, Record(1));
    ASSERT_EQ(::link(QFile::encodeName(results).constData(), QFile::encodeName(backup).constData()),
              0);
    WriteBytes(kept, Record(0)); // a cut left the results whole: they are read and flushed
    ResultsFile file(results, [] {});
    StoredSettings settings = file.Load();
    for (int wins : {2, 3}) {
        settings.Results.Win1 = wins;
        file.SaveSoon(settings);
    }
    file.SaveNow(settings);
    EXPECT_EQ(ReadBytes(results), Record(3));
    EXPECT_EQ(ReadBytes(backup), Record(1));
}

TEST_F(KeptRecordTest, WhereNoSecondLinkCanBeMadeTheSaveFlushesBeforeItsRename) {
    WriteBytes(results, Record(1));
    auto calls = std::make_shared<std::vector<std::string>>();
    SaveCalls& save = CurrentSaveCalls();
    save.link = [](const char*, const char*) { return errno = EPERM, -1; };
    save.fsync = [calls](int fd) { return calls->push_back("fsync"), ::fsync(fd); };
    save.rename = [calls](const char* from, const char* to) {
        return calls->push_back("rename"), std::rename(from, to);
    };
    StoredSettings settings;
    settings.Results.Win1 = 2;
    ResultsFile(results, [] {}).SaveSoon(settings);
    EXPECT_EQ(*calls, (std::vector<std::string>{"fsync", "rename", "fsync"}));
    EXPECT_EQ(ReadBytes(results), Record(2));
}

} // namespace
