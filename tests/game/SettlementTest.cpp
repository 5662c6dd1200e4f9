#include "RecordingTable.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

// Opening hands that need no more cards: the named seat holds 21, the others 16 and 15.
const std::vector<std::string> HumanWins{"18", "14", "11", "13", "12", "22"};
const std::vector<std::string> BankWins{"11", "12", "18", "14", "13", "21"};
const std::vector<std::string> VuruWins{"11", "12", "13", "21", "18", "14"};

struct SettleCase {
    const char* name;
    std::vector<std::string> deck;
    std::int32_t pot;
    std::array<std::int32_t, 3> moneyBefore, winsBefore;
    std::array<std::int32_t, 3> moneyAfter, winsAfter;
};

std::array<std::int32_t, 3> Money(const TBeall& r) {
    return {r.Money1, r.Money2, r.Money3};
}
std::array<std::int32_t, 3> Wins(const TBeall& r) {
    return {r.Win1, r.Win2, r.Win3};
}

std::uint32_t Sum(const std::array<std::int32_t, 3>& money) {
    std::uint32_t sum = 0;
    for (std::int32_t value : money)
        sum += static_cast<std::uint32_t>(value);
    return sum;
}

class Settlement : public testing::TestWithParam<SettleCase> {};

TEST_P(Settlement, SettlesWholeAndKeepsItBeforeTheMessage) {
    const SettleCase& c = GetParam();
    TestGame game;
    game.results.Pot = c.pot;
    std::tie(game.results.Money1, game.results.Money2, game.results.Money3) =
        std::tuple(c.moneyBefore[0], c.moneyBefore[1], c.moneyBefore[2]);
    std::tie(game.results.Win1, game.results.Win2, game.results.Win3) =
        std::tuple(c.winsBefore[0], c.winsBefore[1], c.winsBefore[2]);

    std::vector<TBeall> kept;
    game.flow.ResultsChanged = [&] { kept.push_back(game.results); };
    game.NewDeal(c.deck);
    game.flow.aMegallExecute();

    EXPECT_EQ(Money(game.results), c.moneyAfter);
    EXPECT_EQ(Wins(game.results), c.winsAfter);
    // The money moves, wrapping where it must, without changing the sum.
    EXPECT_EQ(Sum(Money(game.results)), Sum(c.moneyBefore));
    // Money and the win change together and are handed over for keeping before the
    // winner is announced, so a program ended while the box is up loses nothing.
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0], game.results);
    ASSERT_EQ(game.table.ResultsAtMessage.size(), 1u);
    EXPECT_EQ(game.table.ResultsAtMessage[0], game.results);
    // The table still shows them only after the box.
    EXPECT_EQ(game.table.Log.back(), "results");
    EXPECT_EQ(game.results.Pot, c.pot);
}

INSTANTIATE_TEST_SUITE_P(
    DealFlowTest, Settlement,
    testing::Values(
        SettleCase{
            "Human", HumanWins, 50, {1000, 1000, 1000}, {0, 0, 0}, {1100, 950, 950}, {1, 0, 0}},
        SettleCase{
            "Bank", BankWins, 50, {1000, 1000, 1000}, {2, 3, 4}, {950, 1100, 950}, {2, 4, 4}},
        SettleCase{"Vuru", VuruWins, 50, {-20, 0, 5}, {0, 0, 0}, {-70, -50, 105}, {0, 0, 1}},
        SettleCase{"ZeroStakeStillCountsTheWin",
                   HumanWins,
                   0,
                   {1000, 1000, 1000},
                   {0, 0, 0},
                   {1000, 1000, 1000},
                   {1, 0, 0}},
        SettleCase{"LargestStakeWraps",
                   HumanWins,
                   Max,
                   {1000, 1000, 1000},
                   {0, 0, 0},
                   {998, 1000 - Max, 1000 - Max},
                   {1, 0, 0}},
        SettleCase{"MoneyAndWinsWrapAtTheEdges",
                   BankWins,
                   1,
                   {Min, Max, 0},
                   {0, Max, 0},
                   {Max, Min + 1, -1},
                   {0, Min, 0}},
        SettleCase{"NegativeStake",
                   VuruWins,
                   -50,
                   {1000, 1000, 1000},
                   {0, 0, 0},
                   {1050, 1050, 900},
                   {0, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// A table operation that fails ends the action where it failed; what came before stays.
struct FailureCase {
    const char* name;
    std::vector<std::string> deck;
    bool standFirst; // finish one deal before the failing one
    bool (DealFlow::*action)();
    const char* failOn;
    int failAt;
    bool uj, lapot, megall;
    std::function<void(const TestGame&)> check;
};

class FailingTable : public testing::TestWithParam<FailureCase> {};

TEST_P(FailingTable, StopsTheActionAndKeepsWhatWasDone) {
    const FailureCase& c = GetParam();
    TestGame game;
    if (c.standFirst) {
        game.NewDeal(HumanWins);
        game.flow.aMegallExecute();
    }
    if (c.action == &DealFlow::aUjExecute)
        game.DealNextFrom(c.deck);
    else
        game.NewDeal(c.deck);
    game.table.FailOn = c.failOn;
    game.table.FailAt = c.failAt;
    EXPECT_THROW((game.flow.*c.action)(), std::runtime_error);
    EXPECT_EQ(game.table.Enabled[GameAction::aUj], c.uj);
    EXPECT_EQ(game.table.Enabled[GameAction::aLapot], c.lapot);
    EXPECT_EQ(game.table.Enabled[GameAction::aMegall], c.megall);
    c.check(game);
}

INSTANTIATE_TEST_SUITE_P(
    DealFlowTest, FailingTable,
    testing::Values(
        FailureCase{"CardsDuringTheFirstNewDeal", HumanWins, false, &DealFlow::aUjExecute, "cards",
                    1, true, false, false,
                    [](const TestGame& game) {
                        EXPECT_EQ(game.flow.NextCard, 6);
                        EXPECT_EQ(game.flow.Hands[2].size(), 2u);
                        EXPECT_EQ(game.table.Log.back(), "score 2 = 16");
                    }},
        FailureCase{"CardsDuringANewDealAfterADeal", BankWins, true, &DealFlow::aUjExecute, "cards",
                    1, true, false, false,
                    [](const TestGame& game) {
                        EXPECT_TRUE(game.table.ScoreVisible.at(1));
                        EXPECT_TRUE(game.table.ScoreVisible.at(2));
                        EXPECT_EQ(game.table.Colour.at(0), Yellow);
                        EXPECT_EQ(game.flow.Scores, (std::array<std::int32_t, 3>{15, 21, 16}));
                    }},
        FailureCase{
            "CardsWhileTheBankDrawsOut",
            {"14", "13", "15", "16", "17", "25", "11", "12", "21", "22"},
            false,
            &DealFlow::aMegallExecute,
            "cards",
            1,
            false,
            false,
            true,
            [](const TestGame& game) {
                EXPECT_EQ(game.flow.Hands[1].size(), 3u);
                EXPECT_EQ(Money(game.results), (std::array<std::int32_t, 3>{1000, 1000, 1000}));
            }},
        FailureCase{
            // Paid before the box failed: only a new deal is left to do.
            "WinnerMessage", HumanWins, false, &DealFlow::aMegallExecute, "message", 1, true, false,
            false,
            [](const TestGame& game) {
                EXPECT_EQ(Money(game.results), (std::array<std::int32_t, 3>{1100, 950, 950}));
                EXPECT_EQ(Wins(game.results), (std::array<std::int32_t, 3>{1, 0, 0}));
            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DealFlowTest, StandingAgainAfterAFailedDrawOutFinishesTheDealOnce) {
    TestGame game;
    game.NewDeal({"14", "13", "15", "16", "17", "25", "11", "12", "21", "22"});
    game.table.FailOn = "cards";
    game.table.FailAt = 2;
    EXPECT_THROW(game.flow.aMegallExecute(), std::runtime_error);
    game.table.FailOn.clear();
    game.flow.aMegallExecute();
    EXPECT_EQ(Money(game.results), (std::array<std::int32_t, 3>{950, 950, 1100}));
    EXPECT_EQ(Wins(game.results), (std::array<std::int32_t, 3>{0, 0, 1}));
    EXPECT_EQ(game.flow.NextCard, 10);
}

} // namespace
