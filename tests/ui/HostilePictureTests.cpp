// A new deal whose back picture is no picture file at all: the deal stops with the player's
// message instead of freezing the game or filling its memory.
#include "MainWindowFixture.h"

#include "app/FileName.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST_F(MainWindowTest, ABackPictureThatIsNoFileStopsTheDealAtOnce) {
    const QString back = ImagesPath() + QStringLiteral("/h.bmp");
    const struct {
        const char* name;
        std::function<bool()> make;
    } cases[] = {
        {"a FIFO nobody writes to",
         [&] { return ::mkfifo(EncodeFileName(back).constData(), 0600) == 0; }},
        {"a link to an endless device", [&] { return QFile::link("/dev/zero", back); }},
        {"a folder", [&] { return QDir().mkdir(back); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(back);
        QDir().rmdir(back);
        ASSERT_TRUE(c.make());
        boxes.clear();
        Tfrm_Main& w = OpenShown();
        // A hang ends the whole test program rather than leaving it waiting for ever.
        ::alarm(20);
        Key(Qt::Key_F2);
        ::alarm(0);
        const auto errors = BoxesOf(BoxKind::Error);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors.front().text, QStringLiteral("Bitmap image is not valid."));
        EXPECT_TRUE(w.aUj->isEnabled());
    }
}

} // namespace
