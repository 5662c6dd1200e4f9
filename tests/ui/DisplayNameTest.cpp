// Two starts on one X server agree on its name however their DISPLAY spells it.
#include "ui/copies/DisplayName.h"

#include <gtest/gtest.h>

TEST(XServerName, EverySpellingOfOneServerIsOneName) {
    const struct {
        const char* display;
        const char* server;
    } cases[] = {{":3", ":3"},
                 {":3.1", ":3"},
                 {"unix:3", ":3"},
                 {"/tmp/.X11-unix/X3", ":3"},
                 {"host:3.1", "host:3"},
                 {"host:13", "host:13"},
                 {"/tmp/.X11-unix/X3.1", ":3"},
                 {"/tmp/.X11-unix/X3.", "/tmp/.X11-unix/X3."}};
    for (const auto& c : cases)
        EXPECT_EQ(XServerName(QString::fromLatin1(c.display)), QString::fromLatin1(c.server))
            << c.display;
}
