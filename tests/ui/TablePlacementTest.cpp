// Where the table opens, from the place read from the file and the screens' available areas.

#include "ui/table/TablePlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const QSize Table(512, 516);

struct StartCase {
    const char* what;
    QPoint place;
    PlaceOrigin origin;
    QList<QRect> available;
    QPoint expected;
};

class StartPlaceOf : public testing::TestWithParam<StartCase> {};

TEST_P(StartPlaceOf, KeepsAReachablePlaceAndBringsBackTheOthers) {
    const StartCase& c = GetParam();
    EXPECT_EQ(StartPlace(c.place, c.origin, Table, c.available), c.expected);
}

const QRect Full1280(0, 0, 1280, 1024);
const QRect Small800(0, 0, 800, 600);
const QRect UnderTopPanel(0, 32, 1024, 568);
const QRect RightMonitor(1280, 0, 1280, 1024);

INSTANTIATE_TEST_SUITE_P(
    Screens, StartPlaceOf,
    testing::Values(
        StartCase{"on_the_screen", {600, 420}, PlaceOrigin::Stored, {Full1280}, {600, 420}},
        // The player may leave most of the table off the screen, as long as its top row stays.
        StartCase{"mostly_below", {300, 990}, PlaceOrigin::Stored, {Full1280}, {300, 990}},
        StartCase{"split_over_two",
                  {1000, 100},
                  PlaceOrigin::Stored,
                  {Full1280, RightMonitor},
                  {1000, 100}},
        StartCase{"monitor_removed", {1900, 300}, PlaceOrigin::Stored, {Full1280}, {768, 300}},
        StartCase{"smaller_screen", {600, 420}, PlaceOrigin::Stored, {Small800}, {288, 84}},
        StartCase{"above_every_screen", {100, -200}, PlaceOrigin::Stored, {Full1280}, {100, 0}},
        StartCase{"top_row_half_off", {1000, 100}, PlaceOrigin::Stored, {Full1280}, {768, 100}},
        StartCase{"under_a_panel", {10, 10}, PlaceOrigin::Stored, {UnderTopPanel}, {10, 32}},
        // Nearest to the top row: the left monitor for a place just left of both.
        StartCase{
            "nearest_screen", {-900, 50}, PlaceOrigin::Stored, {RightMonitor, Full1280}, {0, 50}},
        StartCase{"first_start", {10, 10}, PlaceOrigin::Default, {Full1280}, {10, 10}},
        StartCase{"first_start_panel", {10, 10}, PlaceOrigin::Default, {UnderTopPanel}, {10, 32}},
        // Too low a screen for the whole table: its top edge stays in reach.
        StartCase{"screen_lower_than_table",
                  {10, 10},
                  PlaceOrigin::Default,
                  {QRect(0, 40, 1024, 400)},
                  {10, 40}},
        StartCase{"no_screens", {1900, 300}, PlaceOrigin::Stored, {}, {1900, 300}},
        StartCase{"no_screens_largest_place",
                  {INT_MAX, INT_MAX},
                  PlaceOrigin::Stored,
                  {},
                  {INT_MAX, INT_MAX}},
        // The file may hold the ends of the 32-bit range.
        StartCase{"largest_place", {INT_MAX, INT_MAX}, PlaceOrigin::Stored, {Full1280}, {768, 508}},
        StartCase{"smallest_place", {INT_MIN, INT_MIN}, PlaceOrigin::Stored, {Full1280}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
