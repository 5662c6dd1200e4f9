#include "StoreTestFiles.h"

#include "store/disk/SettingsFile.h"
#include "store/record/ProfileText.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <stdexcept>
#include <sys/stat.h>

namespace {

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetMode(folder.path(), 0755); // the unprivileged child must get in
        path = folder.filePath(QStringLiteral("tavrik.ini"));
    }

    StoredSettings SavedAndLoaded(const StoredSettings& settings) {
        SaveSettings(path, settings);
        return LoadSettings(path);
    }

    QTemporaryDir folder;
    QString path;
};

StoredSettings Sample() {
    StoredSettings settings;
    settings.Left = -2000;
    settings.Top = 99999;
    settings.Results = {-150, 2147483647, INT32_MIN, 3, 0, 12, -20, QStringLiteral("Bob")};
    return settings;
}

TEST_F(SettingsFileTest, NoFileGivesDefaults) {
    EXPECT_EQ(LoadSettings(path), StoredSettings());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(SettingsFileTest, NewFileHasTableLayout) {
    SaveSettings(path, StoredSettings());
    EXPECT_EQ(ReadBytes(path), QByteArray("[Screen]\r\nLeft=10\r\nTop=10\r\n"
                                          "[Results]\r\nMoney1=1000\r\nMoney2=1000\r\n"
                                          "Money3=1000\r\nWin1=0\r\nWin2=0\r\nWin3=0\r\n"
                                          "Pot=50\r\n[Game]\r\nName=Tarvesz\r\n"));
}

TEST_F(SettingsFileTest, EverythingRoundTrips) {
    EXPECT_EQ(SavedAndLoaded(Sample()), Sample());
}

TEST_F(SettingsFileTest, TwoSavesGiveIdenticalBytes) {
    StoredSettings settings = Sample();
    settings.Results.Name = QStringLiteral("  Bob"); // typed with blanks in the dialog
    SaveSettings(path, settings);
    SaveSettings(path, settings);
    const QByteArray first = ReadBytes(path);
    SaveSettings(path, settings);
    EXPECT_EQ(ReadBytes(path), first);
    EXPECT_TRUE(first.endsWith("Name=  Bob\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("tavrik.ini")})
        << "no temporary file left behind";
}

struct NameCase {
    const char* name;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }
    QByteArray stored; // UTF-8
    QString loaded;
};

class NameRoundTripTest : public SettingsFileTest, public testing::WithParamInterface<NameCase> {};

TEST_P(NameRoundTripTest, ComesBackAsExpected) {
    StoredSettings settings;
    settings.Results.Name = QString::fromUtf8(GetParam().stored);
    EXPECT_EQ(SavedAndLoaded(settings).Results.Name, GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameRoundTripTest,
    testing::Values(NameCase{"Empty", "", QString()},
                    NameCase{"Hungarian", "Őrült Űrlény áéíóöúü",
                             QString::fromUtf8("Őrült Űrlény áéíóöúü")},
                    NameCase{"BlanksTrimmed", "  Bob \t", QStringLiteral("Bob")},
                    NameCase{"Unmappable", "Jöñ😀", QString::fromUtf8("Jö??")},
                    NameCase{"LineBreaks", "a\nb", QStringLiteral("a b")},
                    NameCase{"Long", QByteArray(3000, 'x'), QString(ProfileValueLimit, u'x')}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.name; });

struct StoredValueCase {
    const char* name;
    friend void PrintTo(const StoredValueCase& c, std::ostream* os) { *os << c.name; }
    QByteArray file;
    StoredSettings expected;
};

StoredSettings WithMoney1(std::int32_t money) {
    StoredSettings settings;
    settings.Results.Money1 = money;
    return settings;
}

StoredSettings WithName(const QString& name) {
    StoredSettings settings;
    settings.Results.Name = name;
    return settings;
}

class StoredValueTest : public SettingsFileTest,
                        public testing::WithParamInterface<StoredValueCase> {};

TEST_P(StoredValueTest, Reads) {
    WriteBytes(path, GetParam().file);
    EXPECT_EQ(LoadSettings(path), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, StoredValueTest, testing::Values(
    StoredValueCase{"HexWithZeroX", "[Results]\nMoney1=0x1F\n", WithMoney1(31)},
    StoredValueCase{"HexWithDollar", "[Results]\nMoney1=$1F\n", WithMoney1(31)},
    StoredValueCase{"Letters", "[Results]\nMoney1=abc\n", WithMoney1(1000)},
    StoredValueCase{"Empty", "[Results]\nMoney1=\n", WithMoney1(1000)},
    StoredValueCase{"BlanksAfter", "[Results]\r\nMoney1=12   \r\n", WithMoney1(12)},
    StoredValueCase{"Quoted", "[Results]\nMoney1=\"-7\"\n", WithMoney1(-7)},
    StoredValueCase{"OutOfRange", "[Results]\nMoney1=2147483648\n", WithMoney1(1000)},
    StoredValueCase{"EarlierVersionName", "[Game]\r\nName=\xD5s \xDBr\r\n",
                    WithName(QString::fromUtf8("Ős Űr"))},
    StoredValueCase{"GarbageAndNul",
                    LiteralBytes("\x00\xFF\xFE[Results\n\x00=\x00\n[]=]\n=====\n"),
                    StoredSettings()},
    StoredValueCase{"GarbageBeforeValues",
                    LiteralBytes("\x01\x02\x00garbage\n[Results]\nMoney1=5\n"),
                    WithMoney1(5)}),
    [](const testing::TestParamInfo<StoredValueCase>& info) { return info.param.name; });
// clang-format on

struct LineEndingCase {
    const char* name;
    friend void PrintTo(const LineEndingCase& c, std::ostream* os) { *os << c.name; }
    const char* lineBreak;
};

class HandWrittenFileTest : public SettingsFileTest,
                            public testing::WithParamInterface<LineEndingCase> {};

TEST_P(HandWrittenFileTest, KeepsEverythingButTheValues) {
    const QByteArray eol = GetParam().lineBreak;
    const auto lines = [&eol](std::initializer_list<const char*> list) {
        QByteArray bytes;
        for (const char* line : list)
            bytes += QByteArray(line) + eol;
        return bytes;
    };
    WriteBytes(path, lines({"; kept comment", "[Other]", "Thing = 1", "", "[results]",
                            "money1 = \"5\"", "Extra=yes", "", "[Screen]", "Left=1"}));

    SaveSettings(path, Sample());

    EXPECT_EQ(ReadBytes(path),
              lines({"; kept comment", "[Other]", "Thing = 1", "", "[results]", "money1 =-150",
                     "Extra=yes", "Money2=2147483647", "Money3=-2147483648", "Win1=3", "Win2=0",
                     "Win3=12", "Pot=-20", "", "[Screen]", "Left=-2000", "Top=99999", "[Game]",
                     "Name=Bob"}));
    EXPECT_EQ(LoadSettings(path), Sample());
}

INSTANTIATE_TEST_SUITE_P(LineEndings, HandWrittenFileTest,
                         testing::Values(LineEndingCase{"CrLf", "\r\n"},
                                         LineEndingCase{"Lf", "\n"}),
                         [](const testing::TestParamInfo<LineEndingCase>& info) {
                             return info.param.name;
                         });

TEST_F(SettingsFileTest, LinkOfThePlayersOwnIsFollowedAndKept) {
    const QString real = folder.filePath(QStringLiteral("real.ini"));
    WriteBytes(real, "[Game]\nName=A\n");
    SetMode(real, 0604); // a mode no umask gives: kept exactly
    ASSERT_TRUE(QFile::link(real, path));

    SaveSettings(path, StoredSettings());

    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(ModeOf(real), 0604u);
    EXPECT_EQ(LoadSettings(real), StoredSettings());
}

TEST_F(SettingsFileTest, ReadOnlyFileIsRefusedForEveryoneAndKeepsItsMode) {
    // Not through the unprivileged child: root must be refused as well.
    const QByteArray old = "[Game]\r\nName=Old\r\n";
    WriteBytes(path, old);
    SetMode(path, 0444);
    EXPECT_THROW(SaveSettings(path, Sample()), std::runtime_error);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(ModeOf(path), 0444u);
}

// What can stand at the settings path instead of the player's own regular file. None may block,
// grow the memory or be written: each reads as the defaults and refuses the save.
struct NotAFileCase {
    const char* name;
    friend void PrintTo(const NotAFileCase& c, std::ostream* os) { *os << c.name; }
    std::function<void(const QString& path, const QString& folder)> make;
};

class NotTheGamesFileTest : public SettingsFileTest,
                            public testing::WithParamInterface<NotAFileCase> {};

QByteArray Snapshot(const QString& path) {
    const QFileInfo info(path);
    return QByteArray::number(info.isSymLink()) + QByteArray::number(info.isDir()) +
           QByteArray::number(info.exists()) + QByteArray::number(info.size());
}

TEST_P(NotTheGamesFileTest, ReadsAsDefaultsAndIsNeverWritten) {
    GetParam().make(path, folder.path());
    const QByteArray before = Snapshot(path);

    EXPECT_EQ(LoadSettings(path), StoredSettings());
    EXPECT_EQ(SaveError(path, Sample()), UnableToWrite(path));
    EXPECT_EQ(Snapshot(path), before);
}

QByteArray LargeFile(qsizetype size) {
    QByteArray bytes = "[Results]\r\nMoney1=-7\r\n";
    bytes.append(size - bytes.size(), ';');
    return bytes;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, NotTheGamesFileTest, testing::Values(
    NotAFileCase{"Folder", [](const QString& path, const QString&) {
        ASSERT_TRUE(QDir().mkdir(path)); }},
    NotAFileCase{"Fifo", [](const QString& path, const QString&) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); }},
    NotAFileCase{"LinkToEndlessDevice", [](const QString& path, const QString&) {
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path)); }},
    NotAFileCase{"LinkToNothing", [](const QString& path, const QString& folder) {
        ASSERT_TRUE(QFile::link(folder + QStringLiteral("/missing.ini"), path)); }},
    NotAFileCase{"OneByteOverAMebibyte", [](const QString& path, const QString&) {
        WriteBytes(path, LargeFile(1024 * 1024 + 1)); }},
    NotAFileCase{"SparseTwoGibibytes", [](const QString& path, const QString&) {
        WriteBytes(path, "[Results]\r\nMoney1=-7\r\n");
        ASSERT_TRUE(QFile::resize(path, qint64(2) << 30)); }}),
    [](const testing::TestParamInfo<NotAFileCase>& info) { return info.param.name; });
// clang-format on

TEST_F(SettingsFileTest, UpToAMebibyteIsReadAndNoSaveGoesPastIt) {
    WriteBytes(path, LargeFile(1024 * 1024));
    EXPECT_EQ(LoadSettings(path), WithMoney1(-7));
    // The save would add keys: a file the next start refuses to read is not written.
    EXPECT_THROW(SaveSettings(path, Sample()), std::runtime_error);
    EXPECT_EQ(ReadBytes(path), LargeFile(1024 * 1024));

    WriteBytes(path, LargeFile(1024 * 1024 - 1024));
    SaveSettings(path, Sample());
    EXPECT_EQ(LoadSettings(path), Sample());
}

TEST_F(SettingsFileTest, FailedSaveNamesTheFileAndLeavesTheOldFileWhole) {
    // The folder's write bit stands in for a disk that refuses the save after the file was
    // read; every key must stay as it was, not only those after a first failing one.
    const QString game = folder.filePath(QStringLiteral("game"));
    ASSERT_TRUE(QDir().mkdir(game));
    const QString file = game + QStringLiteral("/tavrik.ini");
    const QByteArray old = "[Screen]\r\nLeft=1\r\nTop=2\r\n[Game]\r\nName=Old\r\n";
    WriteBytes(file, old);
    SetMode(file, 0666);
    SetMode(game, 0555);
    const bool reported =
        RunWithPermissionsInForce([&] { return SaveError(file, Sample()) == UnableToWrite(file); });
    SetMode(game, 0755);
    EXPECT_TRUE(reported);
    EXPECT_EQ(ReadBytes(file), old);
}

struct PermissionCase {
    const char* name;
    friend void PrintTo(const PermissionCase& c, std::ostream* os) { *os << c.name; }
    mode_t folderMode;
    bool fileExists;
    mode_t fileMode;
    bool saves;
};

class ReadOnlyTest : public SettingsFileTest, public testing::WithParamInterface<PermissionCase> {};

TEST_P(ReadOnlyTest, SavesOrReportsWithOldFileIntact) {
    const PermissionCase& c = GetParam();
    const QString game = folder.filePath(QStringLiteral("game"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("game")));
    const QString file = game + QStringLiteral("/tavrik.ini");
    const QByteArray old = "[Results]\r\nMoney1=5\r\n";
    if (c.fileExists) {
        WriteBytes(file, old);
        SetMode(file, c.fileMode);
    }
    SetMode(game, c.folderMode);

    const std::optional<std::string> expectedError =
        c.saves ? std::nullopt : std::optional(UnableToWrite(file));
    const bool outcomeAsExpected =
        RunWithPermissionsInForce([&] { return SaveError(file, Sample()) == expectedError; });
    SetMode(game, 0755);

    EXPECT_TRUE(outcomeAsExpected);
    if (c.saves)
        EXPECT_TRUE(RunWithPermissionsInForce([&] { return LoadSettings(file) == Sample(); }));
    else if (c.fileExists)
        EXPECT_EQ(ReadBytes(file), old);
    else
        EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(QDir(game).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
              c.fileExists || c.saves ? 1 : 0)
        << "no temporary file left behind";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Permissions, ReadOnlyTest, testing::Values(
    PermissionCase{"ReadOnlyFile", 0777, true, 0444, false},
    PermissionCase{"ReadOnlyFolderNoFile", 0555, false, 0, false},
    PermissionCase{"ReadOnlyFolderAndFile", 0555, true, 0444, false},
    // No writing in place: only a folder that takes the temporary copy allows a save.
    PermissionCase{"ReadOnlyFolderWritableFile", 0555, true, 0666, false},
    PermissionCase{"WritableFolder", 0777, false, 0, true}),
    [](const testing::TestParamInfo<PermissionCase>& info) { return info.param.name; });
// clang-format on

} // namespace
