// The homepage launcher with the browser replaced by a recorder.
#include "MainWindowFixture.h"

#include "ui/start/Exe.h"
#include "ui/table/Main.h"

#include <QAction>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

const QUrl Homepage(QStringLiteral("https://tarvesz.hu/huszonegy"));

// Replaces the browser for one test.
class OpenerSwap {
public:
    explicit OpenerSwap(TExe::UrlOpener opener)
        : previous_(TExe::SetUrlOpener(std::move(opener))) {}
    ~OpenerSwap() { TExe::SetUrlOpener(previous_); }

private:
    TExe::UrlOpener previous_;
};

TEST(HomepageLauncher, OpensTheMakersHomepageOncePerPress) {
    std::vector<QUrl> opened;
    OpenerSwap swap([&](const QUrl& url) { opened.push_back(url); });
    TExe exe;
    exe.Execute();
    exe.Execute();
    EXPECT_EQ(opened, std::vector<QUrl>({Homepage, Homepage}));
}

using Raise = void (*)();
class HomepageOpenerFails : public ::testing::TestWithParam<Raise> {};

TEST_P(HomepageOpenerFails, AndThePressEndsQuietly) {
    OpenerSwap swap([](const QUrl&) { GetParam()(); });
    TExe exe;
    EXPECT_NO_THROW(exe.Execute());
}

INSTANTIATE_TEST_SUITE_P(Ways, HomepageOpenerFails,
                         ::testing::Values([] { throw std::runtime_error("no browser"); },
                                           [] { throw 42; }));

TEST_F(MainWindowTest, HomepageButtonOpensTheMakersPageAndTheDealGoesOn) {
    std::vector<QUrl> opened;
    OpenerSwap swap([&](const QUrl& url) { opened.push_back(url); });
    Tfrm_Main& window = OpenShown();
    window.aUj->trigger();
    window.aHonlap->trigger();
    EXPECT_EQ(opened, std::vector<QUrl>({Homepage}));
    EXPECT_TRUE(window.aLapot->isEnabled());
    EXPECT_TRUE(boxes.empty());
}

} // namespace
