#include "app/FileName.h"
#include "app/Seged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

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
    EXPECT_EQ(EncodeFileName(ProgramDir.real).toStdString(), folder.string());
    EXPECT_EQ(ProgramDir.lowered, ProgramDir.real.toLower());
    EXPECT_FALSE(ProgramDir.real.endsWith(QLatin1Char('/')));
}

// A readlink that answers with `target` as the system would: cut to the buffer, or fails.
ReadLinkFunction FakeReadLink(std::optional<std::string> target, std::vector<size_t>* sizes) {
    return [target = std::move(target), sizes](const char* link, char* buffer, size_t size) {
        EXPECT_STREQ(link, "/proc/self/exe");
        if (sizes)
            sizes->push_back(size);
        if (!target) {
            errno = ENAMETOOLONG;
            return ssize_t{-1};
        }
        const size_t length = std::min(size, target->size());
        std::memcpy(buffer, target->data(), length);
        return static_cast<ssize_t>(length);
    };
}

// The folder comes back byte for byte whatever its encoding, and a path the system cannot
// give whole stops the start instead of sending the game to look in the wrong folder.
TEST(Seged, ProgramFilePathIsTheWholePathOrAnError) {
    const std::string deep = "/" + std::string(5000, 'd') + "/huszonegy";
    const struct {
        const char* name;
        std::optional<std::string> target;
        bool found;
        std::vector<size_t> sizesAsked;
    } cases[] = {
        {"plain", "/usr/games/huszonegy", true, {4096}},
        {"Latin-1 folder", "/home/j\xE1t\xE9k/huszonegy", true, {4096}},
        {"bytes that are no encoding", "/tmp/\xFF\xC0\x80/huszonegy", true, {4096}},
        {"longer than the first buffer", deep, true, {4096, 8192}},
        {"exactly the first buffer", "/" + std::string(4095, 'x'), true, {4096, 8192}},
        {"never fits", "/" + std::string(70000, 'x'), false, {4096, 8192, 16384, 32768, 65536}},
        {"readlink fails", std::nullopt, false, {4096}},
        {"nothing given", "", false, {4096}},
        {"not absolute", "huszonegy", false, {4096}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<size_t> sizes;
        const ReadLinkFunction readLink = FakeReadLink(c.target, &sizes);
        if (c.found) {
            const QString path = ProgramFilePath(readLink);
            EXPECT_EQ(EncodeFileName(path).toStdString(), *c.target);
        } else {
            EXPECT_THROW(ProgramFilePath(readLink), std::runtime_error);
        }
        EXPECT_EQ(sizes, c.sizesAsked);
    }
}

TEST(Seged, ALatin1FolderGivesPathsThatOpenTheSameFolder) {
    const QString exe = ProgramFilePath(FakeReadLink("/home/j\xE1t\xE9k/21/huszonegy", nullptr));
    const TProgramDir dir = ComputeProgramDir(exe);
    EXPECT_EQ(EncodeFileName(dir.File(QStringLiteral("/Images/h.bmp"))),
              QByteArray("/home/j\xE1t\xE9k/21/Images/h.bmp"));
    EXPECT_FALSE(dir.real.contains(QChar::ReplacementCharacter));
}

} // namespace
