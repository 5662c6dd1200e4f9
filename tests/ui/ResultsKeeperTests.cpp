// The results are on disk as soon as they change for good, and stay there whatever ends the
// program: a settled deal before its box, a reset, new settings, a full disk said once, a
// file-size limit, and Qt's own exit when the display goes away.
#include "BeallitModalScript.h"
#include "MainWindowFixture.h"

#include "store/disk/RunningCopyLock.h"
#include "store/disk/SaveCalls.h"
#include "store/disk/SettingsFile.h"
#include "ui/dialogs/Beallit.h"
#include "ui/start/SessionEnd.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class ResultsKeeperTest : public MainWindowTest {
protected:
    // Once the saves handed to the writer are done and what they reported has arrived.
    StoredSettings OnDisk() {
        if (keeper)
            keeper->FinishSaves();
        QCoreApplication::processEvents();
        return LoadSettings(SettingsFile());
    }
};

struct ChangeCase {
    const char* name;
    friend void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }
    std::function<void(Tfrm_Main&)> change;
};

class KeptAtOnce : public ResultsKeeperTest, public testing::WithParamInterface<ChangeCase> {};

TEST_P(KeptAtOnce, TheFileHoldsTheRecordWithoutAClose) {
    Tfrm_Main& w = OpenShown();
    Results().Pot = 77;
    Results().Money2 = 5;
    GetParam().change(w);
    EXPECT_EQ(OnDisk().Results, Results());
    for (const BoxRequest& box : BoxesOf(BoxKind::Error))
        ADD_FAILURE() << box.text.toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResultsKeeper, KeptAtOnce, testing::Values(
    ChangeCase{"SettledDeal", [](Tfrm_Main& w) { w.aUj->trigger(); w.aMegall->trigger(); }},
    ChangeCase{"Reset", [](Tfrm_Main& w) { w.aEredmenyTorol->trigger(); }}, // answered yes
    ChangeCase{"SettingsTakenWithOk", [](Tfrm_Main& w) {
        OnModal<Tfrm_Beallit>([](Tfrm_Beallit& dialog) {
            dialog.Edit1->setText(QStringLiteral("Zsófi"));
            dialog.Button1->click();
        });
        w.aBeallit->trigger(); }}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });
// clang-format on

TEST_F(ResultsKeeperTest, ASettledDealIsWholeOnDiskWhileItsBoxIsUp) {
    Tfrm_Main& w = OpenShown();
    std::optional<StoredSettings> atBox;
    SetMessageBoxHook([&](const BoxRequest& request) {
        boxes.push_back(request);
        atBox = OnDisk();
        return true;
    });
    w.aUj->trigger();
    w.aMegall->trigger();
    ASSERT_TRUE(atBox.has_value());
    const TBeall& kept = atBox->Results;
    EXPECT_EQ(kept.Win1 + kept.Win2 + kept.Win3, 1) << "the win is counted with the money";
    EXPECT_EQ(kept, Results());
}

TEST_F(ResultsKeeperTest, APastedLongNameComesBackAsTheTableShowsIt) {
    Tfrm_Main& w = OpenShown();
    QApplication::clipboard()->setText(QString(10000, u'x'));
    OnModal<Tfrm_Beallit>([](Tfrm_Beallit& dialog) {
        QTest::keyClick(dialog.Edit1, Qt::Key_V, Qt::ControlModifier);
        dialog.Button1->click();
    });
    w.aBeallit->trigger();
    // The label ends the name before the in-debt mark; a listener hears it whole.
    EXPECT_LT(w.seats[Seat::Human].name->geometry().right(), w.seats[Seat::Human].debtMark->x());
    const QString shown = AccessibleName(w.seats[Seat::Human].name);
    EXPECT_EQ(shown.size(), 2047);
    EXPECT_EQ(AccessibleName(Open().seats[Seat::Human].name), shown)
        << "the next start reads back the same";
}

TEST_F(ResultsKeeperTest, ACancelledSettingsDialogWritesNothing) {
    Tfrm_Main& w = OpenShown();
    OnModal<Tfrm_Beallit>([](Tfrm_Beallit& dialog) { dialog.Button2->click(); });
    w.aBeallit->trigger();
    EXPECT_FALSE(QFile::exists(SettingsFile()));
}

TEST_F(ResultsKeeperTest, AFailingSaveDuringPlayIsSaidOnceAndPlayGoesOn) {
    ASSERT_TRUE(QDir().mkdir(SettingsFile())); // no save can replace a folder
    Tfrm_Main& w = OpenShown();
    for (int deal = 0; deal < 3; ++deal) {
        w.aUj->trigger();
        w.aMegall->trigger();
    }
    OnDisk();
    const auto errors = BoxesOf(BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, QStringLiteral("Unable to write to %1.").arg(SettingsFile()));
    EXPECT_EQ(BoxesOf(BoxKind::Information).size(), 3u) << "every deal still ends with its box";
    EXPECT_FALSE(w.close()) << "the close says it again and keeps the window";
    EXPECT_EQ(BoxesOf(BoxKind::Error).size(), 2u);
}

TEST_F(ResultsKeeperTest, AFlushTheDiskRefusesIsSaidOnceOnTheWindowsThread) {
    Tfrm_Main& w = OpenShown();
    CurrentSaveCalls().fsync = [](int) { return errno = EIO, -1; };
    for (int deal = 0; deal < 2; ++deal) {
        w.aUj->trigger();
        w.aMegall->trigger();
    }
    OnDisk();
    CurrentSaveCalls() = SystemSaveCalls();
    const auto errors = BoxesOf(BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, QStringLiteral("Unable to write to %1.").arg(SettingsFile()));
}

TEST_F(ResultsKeeperTest, AFileSizeLimitFailsTheSaveOpenlyAndKeepsTheOldFile) {
    StoredSettings old;
    old.Results.Money1 = 777;
    SaveSettings(SettingsFile(), old);
    Tfrm_Main& w = OpenShown();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    w.aUj->trigger();
    w.aMegall->trigger(); // without the keeper's care SIGXFSZ would end the test here
    const StoredSettings kept = OnDisk();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(BoxesOf(BoxKind::Error).size(), 1u);
    EXPECT_EQ(kept, old);
}

TEST_F(ResultsKeeperTest, LeavingThroughExitSavesWhereTheTableStands) {
    // Qt leaves with exit(1) when the X connection breaks; no window closes then.
    Tfrm_Main& w = Open();
    w.move(321, 123);
    Results().Money3 = 4242;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        std::exit(1);
    int status = 0;
    for (int tries = 0; ::waitpid(child, &status, WNOHANG) == 0; ++tries) {
        if (tries == 100) {
            ::kill(child, SIGKILL); // an exit stuck in Qt's clean-up; the save came first
            ::waitpid(child, &status, 0);
            break;
        }
        QTest::qWait(100);
    }
    const StoredSettings saved = OnDisk();
    EXPECT_EQ(saved.Results.Money3, 4242);
    EXPECT_EQ(QPoint(saved.Left, saved.Top), QPoint(321, 123));
}

struct EndingCase {
    const char* name;
    friend void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }
    std::function<void(Tfrm_Main&, ResultsKeeper&)> end;
};

class EndingWithASaveInFlight : public ResultsKeeperTest,
                                public testing::WithParamInterface<EndingCase> {};

TEST_P(EndingWithASaveInFlight, FinishesItAndLeavesTheLatestRecordOnDisk) {
    Tfrm_Main& w = OpenShown();
    // The deal's save is flushed slowly, as a busy disk does.
    auto flushes = std::make_shared<std::atomic_int>(0);
    auto finished = std::make_shared<std::atomic_bool>(false);
    CurrentSaveCalls().fsync = [flushes, finished](int fd) {
        if (flushes->fetch_add(1) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            *finished = true;
        }
        return ::fsync(fd);
    };
    w.aUj->trigger();
    w.aMegall->trigger();
    while (flushes->load() == 0) // its flush is under way now
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Results().Money2 = 12345;
    GetParam().end(w, *keeper);
    EXPECT_TRUE(*finished) << "the ending did not wait for the flush in flight";
    EXPECT_EQ(LoadSettings(SettingsFile()).Results, Results());
    CurrentSaveCalls() = SystemSaveCalls();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResultsKeeper, EndingWithASaveInFlight, testing::Values(
    EndingCase{"Close", [](Tfrm_Main& w, ResultsKeeper&) { EXPECT_TRUE(w.close()); }},
    EndingCase{"SessionEndOrSignal", [](Tfrm_Main&, ResultsKeeper& k) { k.SaveQuietly(); }}),
    [](const testing::TestParamInfo<EndingCase>& info) { return info.param.name; });
// clang-format on

TEST_F(ResultsKeeperTest, ACopyWithoutTheLockNeverWritesTheResults) {
    StoredSettings running;
    running.Results.Money1 = 4321;
    SaveSettings(SettingsFile(), running);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork(); // the copy that runs on this file
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const RunningCopyLock lock(SettingsFile());
        [[maybe_unused]] const ssize_t told = ::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    {
        ResultsKeeper second(folder.path());
        EXPECT_TRUE(second.AnotherCopyRuns());
        EXPECT_EQ(second.findChild<SessionEnd*>(), nullptr) << "no session-end or signal hook";
        second.SaveAfterChange();
        second.SaveQuietly();
        EXPECT_TRUE(second.SaveAtClose(nullptr));
    }
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(OnDisk(), running);
    EXPECT_TRUE(boxes.empty());
}

} // namespace
