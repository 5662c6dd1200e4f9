// Where a box about the table opens: beside it, on its screen, near its centre line.

#include "app/BoxPlacement.h"

#include <gtest/gtest.h>

namespace {

const QSize Box(300, 120);

struct BesideCase {
    const char* what;
    QRect table;
    QRect screen;
    QRect expected;
    bool beside = true;
};

class BesideTableOn : public testing::TestWithParam<BesideCase> {};

TEST_P(BesideTableOn, TakesTheFirstSideWithRoom) {
    const BesideCase& c = GetParam();
    const QRect box = BesideTable(c.table, Box, c.screen);
    EXPECT_EQ(box, c.expected);
    if (c.beside) {
        EXPECT_FALSE(box.intersects(c.table));
        EXPECT_TRUE(c.screen.contains(box));
    }
}

const QRect Screen(0, 0, 1280, 1024);

INSTANTIATE_TEST_SUITE_P(
    Sides, BesideTableOn,
    testing::Values(
        BesideCase{"below", {384, 100, 512, 516}, Screen, {{490, 616}, Box}},
        // Below, but pushed back onto the screen from its centre line.
        BesideCase{"below_at_the_edge", {1000, 100, 512, 516}, Screen, {{980, 616}, Box}},
        BesideCase{"right", {100, 500, 512, 516}, Screen, {{612, 698}, Box}},
        BesideCase{"left", {700, 500, 512, 516}, Screen, {{400, 698}, Box}},
        BesideCase{"above", {200, 500, 900, 516}, Screen, {{500, 380}, Box}},
        // The right side is too low for the box's centre line: it stays on the screen.
        BesideCase{"right_near_the_bottom", {100, 950, 512, 74}, Screen, {{612, 904}, Box}},
        BesideCase{"no_room", {10, 10, 1260, 1000}, Screen, {{490, 450}, Box}, false},
        BesideCase{"screen_not_at_origin",
                   {1400, 0, 512, 516},
                   {1280, 0, 1280, 1024},
                   {{1506, 516}, Box}}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
