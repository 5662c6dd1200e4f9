#include "StoreTestFiles.h"

#include "store/disk/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <ctime>
#include <functional>
#include <stdexcept>
#include <sys/time.h>

namespace {

// A scratch program folder and home, with XDG_CONFIG_HOME and HOME pointing into it.
class SettingsLocationTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        SetMode(root.path(), 0755);
        program = root.filePath(QStringLiteral("program"));
        config = root.filePath(QStringLiteral("config"));
        home = root.filePath(QStringLiteral("home"));
        for (const QString& folder : {program, config, home}) {
            ASSERT_TRUE(QDir().mkpath(folder));
            SetMode(folder, 0777);
        }
        savedXdg = qgetenv("XDG_CONFIG_HOME");
        savedHome = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        qputenv("HOME", home.toUtf8());
    }

    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", savedXdg);
        qputenv("HOME", savedHome);
        SetMode(program, 0755);
        SetMode(config + QStringLiteral("/huszonegy"), 0755);
    }

    void WriteMarker(const QByteArray& bytes) {
        WriteBytes(program + QStringLiteral("/installed-folder"), bytes);
    }

    QString BesideProgram() const { return program + QStringLiteral("/tavrik.ini"); }
    QString PerUser() const { return config + QStringLiteral("/huszonegy/tavrik.ini"); }

    // Runs `check` on the path chosen as an unprivileged player would get it.
    bool ChosenPathSatisfies(const std::function<bool(const QString&)>& check) {
        return RunWithPermissionsInForce([&] { return check(SettingsFilePath(program)); });
    }

    QTemporaryDir root;
    QString program, config, home;
    QByteArray savedXdg, savedHome;
};

TEST_F(SettingsLocationTest, WritableProgramFolderKeepsFileBesideProgram) {
    WriteBytes(BesideProgram(), "[Game]\nName=Here\n");
    SetMode(BesideProgram(), 0666);
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) { return path == BesideProgram(); }));
    EXPECT_FALSE(QFileInfo::exists(config + QStringLiteral("/huszonegy")));
}

TEST_F(SettingsLocationTest, ReadOnlyProgramFolderSeedsPerUserCopy) {
    const QByteArray stored = "[Results]\r\nMoney1=-150\r\n";
    WriteBytes(BesideProgram(), stored);
    SetMode(BesideProgram(), 0444);
    SetMode(program, 0555);

    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        if (path != PerUser() || LoadSettings(path).Results.Money1 != -150)
            return false;
        StoredSettings settings;
        settings.Results.Money1 = 7;
        SaveSettings(path, settings); // throws when the copy came out read-only
        return LoadSettings(path) == settings;
    }));
    EXPECT_EQ(ReadBytes(BesideProgram()), stored);
}

TEST_F(SettingsLocationTest, ReadOnlyFileInWritableFolderStaysAndRefusesTheSave) {
    const QByteArray stored = "[Game]\nName=Old\n";
    WriteBytes(BesideProgram(), stored);
    SetMode(BesideProgram(), 0444);
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        return path == BesideProgram() && SaveError(path, StoredSettings{}) == UnableToWrite(path);
    }));
    EXPECT_EQ(ReadBytes(BesideProgram()), stored);
    EXPECT_FALSE(QFileInfo::exists(PerUser()));
}

TEST_F(SettingsLocationTest, ExistingPerUserCopyIsNotSeededAgain) {
    ASSERT_TRUE(QDir().mkpath(config + QStringLiteral("/huszonegy")));
    WriteBytes(PerUser(), "[Game]\nName=Mine\n");
    WriteBytes(BesideProgram(), "[Game]\nName=Shipped\n");
    SetMode(program, 0555);
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) { return path == PerUser(); }));
    EXPECT_EQ(ReadBytes(PerUser()), "[Game]\nName=Mine\n");
}

TEST_F(SettingsLocationTest, NothingBesideProgramStartsWithDefaults) {
    SetMode(program, 0555);
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        return path == PerUser() && !QFileInfo::exists(path) &&
               ModeOf(config + QStringLiteral("/huszonegy")) == 0700 &&
               LoadSettings(path) == StoredSettings();
    }));
}

struct ConfigHomeCase {
    const char* name;
    friend void PrintTo(const ConfigHomeCase& c, std::ostream* os) { *os << c.name; }
    const char* xdgConfigHome; // nullptr: taken from the test's scratch folder
    const char* expectedUnderHome;
};

class ConfigHomeTest : public SettingsLocationTest,
                       public testing::WithParamInterface<ConfigHomeCase> {};

TEST_P(ConfigHomeTest, FallsBackToDotConfig) {
    qputenv("XDG_CONFIG_HOME", GetParam().xdgConfigHome);
    SetMode(program, 0555);
    const QString expected = home + QString::fromUtf8(GetParam().expectedUnderHome);
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) { return path == expected; }));
}

INSTANTIATE_TEST_SUITE_P(
    Environment, ConfigHomeTest,
    testing::Values(ConfigHomeCase{"Unset", "", "/.config/huszonegy/tavrik.ini"},
                    ConfigHomeCase{"Relative", "relative/dir", "/.config/huszonegy/tavrik.ini"}),
    [](const testing::TestParamInfo<ConfigHomeCase>& info) { return info.param.name; });

TEST_F(SettingsLocationTest, ReadOnlyPerUserFolderReportsItsPath) {
    ASSERT_TRUE(QDir().mkpath(config + QStringLiteral("/huszonegy")));
    SetMode(config + QStringLiteral("/huszonegy"), 0555);
    SetMode(program, 0555);
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        return SaveError(path, StoredSettings()) == UnableToWrite(PerUser());
    }));
    EXPECT_FALSE(QFileInfo::exists(PerUser()));
}

// How the copy was installed decides, never whether its folder happens to be writable: root
// can write into an installed program's folder, and a later player would be seeded from it.
struct InstallCase {
    const char* name;
    friend void PrintTo(const InstallCase& c, std::ostream* os) { *os << c.name; }
    std::function<QByteArray(const QString& program)> marker; // empty: no marker
    mode_t programMode;
    bool perUser;
    bool seeded;
};

class InstallTest : public SettingsLocationTest, public testing::WithParamInterface<InstallCase> {};

TEST_P(InstallTest, ChoosesFolderAndSeedsOnlyAPortableCopy) {
    const InstallCase& c = GetParam();
    if (c.marker)
        WriteMarker(c.marker(program));
    // What an earlier run (root's, say) left beside the program.
    const QByteArray leftBehind = "[Results]\r\nMoney2=1100\r\nWin2=1\r\n";
    WriteBytes(BesideProgram(), leftBehind);
    SetMode(BesideProgram(), 0666);
    SetMode(program, c.programMode);

    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        const bool seeded = LoadSettings(path).Results.Money2 == 1100;
        SaveSettings(path, StoredSettings());
        return path == (c.perUser ? PerUser() : BesideProgram()) && seeded == c.seeded;
    }));
    EXPECT_TRUE(!c.perUser || ReadBytes(BesideProgram()) == leftBehind)
        << "nothing written beside the program";
}

QByteArray ItsOwnFolder(const QString& program) {
    return program.toUtf8() + "\n";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Markers, InstallTest, testing::Values(
    InstallCase{"InstalledWritableFolder", ItsOwnFolder, 0777, true, false},
    InstallCase{"InstalledReadOnlyFolder", ItsOwnFolder, 0555, true, false},
    InstallCase{"InstalledMarkerWithoutLineBreak",
                [](const QString& program) { return program.toUtf8(); }, 0777, true, false},
    InstallCase{"CopiedFromAnInstall",
                [](const QString&) { return QByteArray("/usr/lib/huszonegy\n"); }, 0777, false,
                true},
    InstallCase{"MarkerOfAParentFolder",
                [](const QString& program) { return program.toUtf8() + "/..\n"; }, 0777, false,
                true},
    InstallCase{"PortableWritable", nullptr, 0777, false, true},
    InstallCase{"PortableReadOnly", nullptr, 0555, true, true}),
    [](const testing::TestParamInfo<InstallCase>& info) { return info.param.name; });
// clang-format on

TEST_F(SettingsLocationTest, InstalledAsRootKeepsResultsPerUser) {
    // As the tests' own user, root in CI: the installed folder is writable to it.
    WriteMarker(ItsOwnFolder(program));
    WriteBytes(BesideProgram(), "[Results]\r\nMoney2=1100\r\n");
    const QString path = SettingsFilePath(program);
    EXPECT_EQ(path, PerUser());
    EXPECT_EQ(LoadSettings(path), StoredSettings());
    SaveSettings(path, StoredSettings());
    EXPECT_EQ(ReadBytes(BesideProgram()), "[Results]\r\nMoney2=1100\r\n");
}

TEST_F(SettingsLocationTest, InstalledAsUserIgnoresWhatRootLeftBeside) {
    WriteMarker(ItsOwnFolder(program));
    WriteBytes(BesideProgram(), "[Results]\r\nMoney2=1100\r\n");
    SetMode(program, 0755); // the installed folder: the player cannot write there
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        return path == PerUser() && LoadSettings(path) == StoredSettings();
    }));
}

TEST_F(SettingsLocationTest, MarkerThatIsNoPlainFileMakesNoInstall) {
    ASSERT_TRUE(QDir().mkdir(program + QStringLiteral("/installed-folder")));
    EXPECT_EQ(SettingsFilePath(program), BesideProgram());
}

TEST_F(SettingsLocationTest, WithoutHomeTheGameStillStartsAndNamesTheMissingFolder) {
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    SetMode(program, 0555);
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        return !path.startsWith(u'/') && LoadSettings(path) == StoredSettings() &&
               SaveError(path, StoredSettings()) == UnableToWrite(path);
    }));
}

TEST_F(SettingsLocationTest, OnlyTheGamesOwnStaleCopiesAreRemoved) {
    const auto make = [&](const char* name, bool old) {
        const QString file = program + u'/' + QString::fromLatin1(name);
        WriteBytes(file, "x");
        if (old) {
            const timeval twoMinutesAgo[2] = {{::time(nullptr) - 120, 0},
                                              {::time(nullptr) - 120, 0}};
            ::utimes(QFile::encodeName(file).constData(), twoMinutesAgo);
        }
    };
    make(".tavrik.ini.a1B2c3.tmp", true);  // a killed save's copy
    make(".tavrik.ini.Zz9yX8.tmp", false); // another game saving right now
    make("tavrik.ini.backup", true);       // the player's own, named like an older copy
    make("tavrik.ini.201224", true);
    make(".tavrik.ini.a1B2c3d.tmp", true);
    make(".other.ini.a1B2c3.tmp", true);
    ASSERT_TRUE(QDir().mkdir(program + QStringLiteral("/.tavrik.ini.qwerty.tmp")));

    EXPECT_EQ(SettingsFilePath(program), BesideProgram());

    QStringList left =
        QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.sort();
    EXPECT_EQ(left, (QStringList{".other.ini.a1B2c3.tmp", ".tavrik.ini.Zz9yX8.tmp",
                                 ".tavrik.ini.a1B2c3d.tmp", ".tavrik.ini.qwerty.tmp",
                                 "tavrik.ini.201224", "tavrik.ini.backup"}));
}

} // namespace
