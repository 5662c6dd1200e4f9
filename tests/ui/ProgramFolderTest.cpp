// The game started from a folder whose name is not UTF-8: it must find its own pictures.
// This test program is linked into such a folder and started from there.
#include "app/FileName.h"
#include "app/Seged.h"
#include "bitmap/BitmapLoader.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr char ChildTest[] = "ProgramFolder.DISABLED_StartedFromALatin1FolderLoadsItsPicture";

// The folder the copy runs from: "játék" in Latin-1, which is no valid UTF-8.
constexpr char Latin1Folder[] = "j\xE1t\xE9k";

bool WriteBytes(const std::string& path, const QByteArray& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) ==
                         static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && written;
}

QByteArray SmallBitmap() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

// Runs `program` with only the child test, and its exit status.
int RunChild(const std::string& program) {
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const std::string filter = std::string("--gtest_filter=") + ChildTest;
        ::execl(program.c_str(), program.c_str(), filter.c_str(), "--gtest_also_run_disabled_tests",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST(ProgramFolder, ALatin1FolderNameStillFindsThePictures) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    // Beside this program, so a hard link works where the file system allows one.
    std::string scratch = (self.parent_path() / "program-folder-XXXXXX").string();
    ASSERT_NE(::mkdtemp(scratch.data()), nullptr);
    const std::filesystem::path folder = std::filesystem::path(scratch) / Latin1Folder;
    std::filesystem::create_directories(folder / "Images");
    ASSERT_TRUE(WriteBytes((folder / "Images" / "h.bmp").string(), SmallBitmap()));
    const std::filesystem::path copy = folder / "huszonegy-tests";
    if (::link(self.c_str(), copy.c_str()) != 0)
        std::filesystem::copy_file(self, copy);

    EXPECT_EQ(RunChild(copy.string()), 0);
    std::filesystem::remove_all(scratch);
}

// Run only by the test above, from the copy in the Latin-1 folder.
TEST(ProgramFolder, DISABLED_StartedFromALatin1FolderLoadsItsPicture) {
    InitProgramDir();
    EXPECT_TRUE(EncodeFileName(ProgramDir.real).endsWith(Latin1Folder));
    EXPECT_EQ(LoadBitmapFile(ProgramDir.File(QStringLiteral("/Images/h.bmp"))).size(), QSize(3, 2));
}

} // namespace
