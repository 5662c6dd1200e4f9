// A results file that can never be written must not make the game impossible to close: the
// first failed close keeps the window, a second one offers to leave without saving.
#include "MainWindowFixture.h"

#include "app/ErrorBox.h"

#include <functional>
#include <ostream>

namespace {

struct UnwritableCase {
    const char* name;
    friend void PrintTo(const UnwritableCase& c, std::ostream* os) { *os << c.name; }
    // Makes the results file impossible to write, given the program folder.
    std::function<void(const QString& folder)> spoil;
};

class CloseWayOutTest : public MainWindowTest, public testing::WithParamInterface<UnwritableCase> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        savedHome = qgetenv("HOME");
        savedXdg = qgetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedXdg);
    }

    QByteArray savedHome, savedXdg;
};

TEST_P(CloseWayOutTest, SecondFailedCloseAsksAndLeavesOnlyOnYes) {
    GetParam().spoil(folder.path());
    Tfrm_Main& w = OpenShown();

    answer = true;
    EXPECT_FALSE(w.close()) << "the first failure only reports";
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, BoxKind::Error);

    answer = false; // Nem
    EXPECT_FALSE(w.close());
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].kind, BoxKind::Error);
    const BoxRequest& question = boxes[2];
    EXPECT_EQ(question.kind, BoxKind::Question);
    EXPECT_EQ(question.text, QStringLiteral("Nem sikerült menteni. Kilépsz mentés nélkül?"));
    EXPECT_EQ(question.caption, ApplicationTitle());
    EXPECT_EQ(question.preselected, DefaultAnswer::No);
    EXPECT_TRUE(w.isVisible());

    answer = true; // Igen
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(boxes.size(), 5u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Unwritable, CloseWayOutTest, testing::Values(
    UnwritableCase{"FolderInItsPlace", [](const QString& folder) {
        ASSERT_TRUE(QDir().mkdir(folder + QStringLiteral("/tavrik.ini"))); }},
    UnwritableCase{"LinkToNothing", [](const QString& folder) {
        ASSERT_TRUE(QFile::link(folder + QStringLiteral("/gone.ini"),
                                folder + QStringLiteral("/tavrik.ini"))); }},
    UnwritableCase{"InstalledWithoutHome", [](const QString& folder) {
        // Installed, so the results belong in the per-user folder, which has no home.
        QFile marker(folder + QStringLiteral("/installed-folder"));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.write(folder.toUtf8() + '\n');
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME"); }}),
    [](const testing::TestParamInfo<UnwritableCase>& info) { return info.param.name; });
// clang-format on

} // namespace
