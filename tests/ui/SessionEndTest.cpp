// Signals that end the game: each must lead to the save, once, instead of ending the
// program on the spot. SIGXFSZ ends nothing.
#include "ui/start/SessionEnd.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

namespace {

struct Counts {
    int saves = 0;
    bool ending = false;
};

Counts AfterSignal(int signalNumber) {
    Counts counts;
    {
        SessionEnd end([&counts] { ++counts.saves; }, nullptr);
        std::raise(signalNumber);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        counts.ending = end.Ending();
    }
    return counts;
}

TEST(SessionEnd, EveryEndingSignalSavesOnce) {
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signalNumber);
        const Counts counts = AfterSignal(signalNumber);
        EXPECT_TRUE(counts.ending);
        EXPECT_EQ(counts.saves, 1);
    }
}

TEST(SessionEnd, AFileSizeLimitKillsNothing) {
    // Reaching here at all is the test: by default SIGXFSZ ends the process.
    const Counts counts = AfterSignal(SIGXFSZ);
    EXPECT_FALSE(counts.ending);
    EXPECT_EQ(counts.saves, 0);
}

} // namespace
