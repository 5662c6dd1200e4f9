// The homepage launcher with the browser replaced by a recorder.
#include "ui/Exe.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

class HomepageLauncher : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = TExe::SetUrlOpener([this](const QUrl& url) { opened.push_back(url); });
    }
    void TearDown() override { TExe::SetUrlOpener(previous_); }

    std::vector<QUrl> opened;

private:
    TExe::UrlOpener previous_;
};

TEST_F(HomepageLauncher, OpensTheMakersHomepageOncePerPress) {
    TExe exe;
    EXPECT_EQ(exe.Command, QStringLiteral("https://tarvesz.hu/huszonegy"));
    exe.Execute();
    exe.Execute();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://tarvesz.hu/huszonegy")));
    EXPECT_EQ(opened[1], opened[0]);
    EXPECT_TRUE(opened[0].isValid());
}

TEST_F(HomepageLauncher, OpensWhateverCommandHolds) {
    TExe exe;
    exe.Command = QStringLiteral("https://example.org/masik");
    exe.Execute();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), QStringLiteral("https://example.org/masik"));
}

struct Failure {
    const char* what;
    void (*raise)();
};

class OpenerFails : public HomepageLauncher, public ::testing::WithParamInterface<Failure> {};

TEST_P(OpenerFails, AndThePressEndsQuietly) {
    const auto raise = GetParam().raise;
    TExe::SetUrlOpener([raise](const QUrl&) { raise(); });
    TExe exe;
    EXPECT_NO_THROW(exe.Execute());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, OpenerFails,
    ::testing::Values(Failure{"runtime_error", [] { throw std::runtime_error("no browser"); }},
                      Failure{"bad_alloc", [] { throw std::bad_alloc(); }},
                      Failure{"not_an_exception", [] { throw 42; }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(HomepageLauncher, AnEmptyOpenerBringsBackTheDesktopOne) {
    const TExe::UrlOpener replaced = TExe::SetUrlOpener({});
    EXPECT_TRUE(replaced); // the recorder installed by SetUp
    const TExe::UrlOpener restored = TExe::SetUrlOpener([this](const QUrl& url) {
        opened.push_back(url);
    });
    EXPECT_TRUE(restored) << "the desktop opener must stand in, never an empty one";
}

} // namespace
