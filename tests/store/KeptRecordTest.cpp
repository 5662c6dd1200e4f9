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

StoredSettings WithWins(int wins) {
    StoredSettings settings;
    settings.Results.Win1 = wins;
    return settings;
}

class KeptRecordTest : public testing::Test {
protected:
    ~KeptRecordTest() override { CurrentSaveCalls() = SystemSaveCalls(); }

    QString Results() const { return folder.filePath(QStringLiteral("tavrik.ini")); }
    QString Kept() const { return folder.filePath(QStringLiteral(".tavrik.ini.kept")); }

    QTemporaryDir folder;
    const QByteArray oldRecord = *SettingsAsText({}, WithWins(1));
    const QByteArray newRecord = *SettingsAsText({}, WithWins(2));
};

struct CutCase {
    const char* name;
    std::optional<QByteArray> results; // none: the file is gone
    bool resultsRead;
};

TEST_F(KeptRecordTest, AStartReadsTheKeptRecordOnlyWhereACutLeftTheResultsUnwhole) {
    const std::vector<CutCase> cases{
        {"whole", newRecord, true},
        {"made by hand", "[Results]\nMoney1=777\n", true},
        {"empty", QByteArray(), false},
        {"zero-filled", QByteArray(newRecord.size(), '\0'), false},
        {"cut short", newRecord.chopped(3), false},
        {"cut at a line's end", newRecord.first(newRecord.indexOf("Money3")), false},
        {"removed by the player", std::nullopt, true},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(Results());
        if (c.results)
            WriteBytes(Results(), *c.results);
        WriteBytes(Kept(), oldRecord);
        ResultsFile file(Results(), [] {});
        const QByteArray read = c.resultsRead ? c.results.value_or("") : oldRecord;
        EXPECT_EQ(file.Load(), SettingsFromText(read));
        ASSERT_TRUE(file.WaitUntilIdle(std::chrono::seconds(5)));
        // Results read stay and the kept record goes once they are flushed; otherwise it is back.
        EXPECT_EQ(QFile::exists(Results()), c.results || !c.resultsRead);
        EXPECT_EQ(ReadBytes(Results()), read);
        EXPECT_FALSE(QFile::exists(Kept()));
    }
}

TEST_F(KeptRecordTest, SavesFasterThanFlushesKeepARecordThatIsOnTheDisk) {
    WriteBytes(Results(), oldRecord);
    // Each sync waits for its turn, as a slow disk holds them.
    auto syncs = std::make_shared<std::atomic_int>(0);
    auto allowed = std::make_shared<std::atomic_int>(0);
    CurrentSaveCalls().fsync = [syncs, allowed](int fd) {
        const int turn = syncs->fetch_add(1);
        while (turn >= allowed->load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return ::fsync(fd);
    };
    const auto reach = [&](int count) {
        while (syncs->load() < count)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    ResultsFile file(Results(), [] {});
    file.SaveSoon(WithWins(2));
    reach(1); // the first save's file is being flushed
    file.SaveSoon(WithWins(3));
    file.SaveSoon(WithWins(4));
    EXPECT_EQ(ReadBytes(Results()), *SettingsAsText({}, WithWins(4)));
    EXPECT_EQ(ReadBytes(Kept()), oldRecord);
    *allowed = 2; // the first save's file and folder are on the disk, the last one's are not
    reach(3);
    EXPECT_EQ(ReadBytes(Kept()), oldRecord);
    *allowed = 100;
    ASSERT_TRUE(file.WaitUntilIdle(std::chrono::seconds(5)));
    EXPECT_FALSE(QFile::exists(Kept()));
}

TEST_F(KeptRecordTest, WhereNoSecondLinkCanBeMadeTheSaveFlushesBeforeItsRename) {
    WriteBytes(Results(), oldRecord);
    auto calls = std::make_shared<std::vector<std::string>>();
    SaveCalls& save = CurrentSaveCalls();
    save.link = [](const char*, const char*) { return errno = EPERM, -1; };
    save.fsync = [calls](int fd) { return calls->push_back("fsync"), ::fsync(fd); };
    save.rename = [calls](const char* from, const char* to) {
        return calls->push_back("rename"), std::rename(from, to);
    };
    ResultsFile file(Results(), [] {});
    file.SaveSoon(WithWins(2));
    EXPECT_EQ(*calls, (std::vector<std::string>{"fsync", "rename", "fsync"}));
    EXPECT_EQ(ReadBytes(Results()), newRecord);
    EXPECT_FALSE(QFile::exists(Kept()));
}

} // namespace
