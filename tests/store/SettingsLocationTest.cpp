#include "StoreTestFiles.h"

#include "store/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

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
        if (path != BesideProgram())
            return false;
        try {
            SaveSettings(path, StoredSettings{});
            return false;
        } catch (const std::runtime_error& error) {
            return error.what() == "Unable to write to " + path.toStdString();
        }
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
               QFileInfo(config + QStringLiteral("/huszonegy")).isDir() &&
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
    const std::string expected = "Unable to write to " + PerUser().toStdString();
    EXPECT_TRUE(ChosenPathSatisfies([&](const QString& path) {
        try {
            SaveSettings(path, StoredSettings());
            return false;
        } catch (const std::runtime_error& error) {
            return error.what() == expected;
        }
    }));
    EXPECT_FALSE(QFileInfo::exists(PerUser()));
}

} // namespace
