#include "app/Seged.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

namespace {

struct DirCase {
    const char* name;
    friend void PrintTo(const DirCase& c, std::ostream* os) { *os << c.name; }
    const char* exePath;
    const char* lowered;
    const char* real;
};

class ProgramDirOf : public testing::TestWithParam<DirCase> {};

TEST_P(ProgramDirOf, DropsTheFileNameAndTheTrailingSlash) {
    const TProgramDir dir = ComputeProgramDir(QString::fromUtf8(GetParam().exePath));
    EXPECT_EQ(dir.lowered, QString::fromUtf8(GetParam().lowered));
    EXPECT_EQ(dir.real, QString::fromUtf8(GetParam().real));
    EXPECT_EQ(dir.File(QStringLiteral("/tavrik.ini")),
              QString::fromUtf8(GetParam().real) + QStringLiteral("/tavrik.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    Seged, ProgramDirOf,
    testing::Values(DirCase{"Plain", "/usr/games/Huszonegy/huszonegy", "/usr/games/huszonegy",
                            "/usr/games/Huszonegy"},
                    DirCase{"AccentedCapitals", "/home/ÁRVÍZTŰRŐ/Tükörfúrógép/21.EXE",
                            "/home/árvíztűrő/tükörfúrógép", "/home/ÁRVÍZTŰRŐ/Tükörfúrógép"},
                    // The root folder leaves nothing, so files land at "/tavrik.ini".
                    DirCase{"RootFolder", "/Huszonegy", "", ""},
                    DirCase{"NoFolderAtAll", "huszonegy", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Seged, InitProgramDirFindsThisProgramsFolder) {
    InitProgramDir();
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    EXPECT_EQ(ProgramDir.real, QString::fromStdString(folder.string()));
    EXPECT_EQ(ProgramDir.lowered, ProgramDir.real.toLower());
    EXPECT_FALSE(ProgramDir.real.endsWith(QLatin1Char('/')));
}

} // namespace
