// Signals that end the game: each must lead to the save, once, instead of ending the
// program on the spot.
#include "ui/SessionEnd.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(SessionEnd, EveryEndingSignalSavesOnce) {
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signalNumber);
        int saves = 0;
        {
            SessionEnd end([&saves] { ++saves; }, nullptr);
            std::raise(signalNumber);
            for (int i = 0; i < 10; ++i)
                QCoreApplication::processEvents();
            EXPECT_TRUE(end.Ending());
        }
        EXPECT_EQ(saves, 1);
    }
}

} // namespace
