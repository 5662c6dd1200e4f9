// The record kept on the disk while a newer one is on its way: what a start reads after a cut,
// and what stays kept while saves come faster than their flushes.

#include "StoreTestFiles.h"

#include "store/disk/ResultsFile.h"
#include "store/disk/SaveCalls.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
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
        {"empty", QByteArray(), false},
        {"zero-filled", QByteArray(Record(2).size(), '\0'), false},
        {"cut short", Record(2).chopped(3), false},
        {"cut at a line's end", Record(2).first(Record(2).indexOf("Money3")), false},
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
