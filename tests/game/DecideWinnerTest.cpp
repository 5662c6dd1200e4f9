#include "RecordingTable.h"

#include <gtest/gtest.h>

namespace {

struct WinnerCase {
    const char* name;
    std::array<std::int32_t, 3> scores;
    std::size_t humanCards, vuruCards;
    int winner;
    std::array<std::int32_t, 3> counted;
};

class DecideWinnerRules : public testing::TestWithParam<WinnerCase> {};

TEST_P(DecideWinnerRules, PicksTheSeatAndCountsTotalsAbove21AsNothing) {
    TestGame game;
    game.flow.Scores = GetParam().scores;
    game.flow.Hands[0].assign(GetParam().humanCards, CardCode{'1', '5'});
    game.flow.Hands[1].assign(2, CardCode{'2', '5'});
    game.flow.Hands[2].assign(GetParam().vuruCards, CardCode{'3', '5'});
    EXPECT_EQ(game.flow.DecideWinner(), GetParam().winner);
    EXPECT_EQ(game.flow.Scores, GetParam().counted);
    EXPECT_TRUE(game.table.Log.empty()) << "the labels keep the totals reached";
}

INSTANTIATE_TEST_SUITE_P(
    DealFlowTest, DecideWinnerRules,
    testing::Values(WinnerCase{"HumanHighest", {21, 20, 19}, 2, 2, 0, {21, 20, 19}},
                    WinnerCase{"BankHighest", {18, 20, 19}, 2, 2, 1, {18, 20, 19}},
                    WinnerCase{"VuruHighest", {15, 16, 20}, 2, 2, 2, {15, 16, 20}},
                    WinnerCase{"BankTiesTheHuman", {17, 17, 25}, 2, 2, 1, {17, 17, 0}},
                    WinnerCase{"BankTiesVuru", {15, 18, 18}, 2, 2, 1, {15, 18, 18}},
                    WinnerCase{"ThreeWayTie", {18, 18, 18}, 2, 3, 1, {18, 18, 18}},
                    WinnerCase{"AllAbove21", {22, 23, 25}, 3, 3, 1, {0, 0, 0}},
                    WinnerCase{"VuruWithFewerCards", {20, 18, 20}, 3, 2, 2, {20, 18, 20}},
                    WinnerCase{"EqualCardsGoToTheHuman", {20, 18, 20}, 3, 3, 0, {20, 18, 20}},
                    WinnerCase{"HumanWithFewerCards", {20, 18, 20}, 2, 3, 0, {20, 18, 20}},
                    WinnerCase{"TieAboveABankAbove21", {21, 22, 21}, 3, 2, 2, {21, 0, 21}},
                    WinnerCase{"HumanAbove21LosesToTheBank", {22, 17, 16}, 2, 2, 1, {0, 17, 16}},
                    WinnerCase{
                        "HumanAbove21LosesToAHigherVuru", {22, 16, 18}, 2, 2, 2, {0, 16, 18}},
                    WinnerCase{"Exactly21Counts", {21, 16, 22}, 4, 3, 0, {21, 16, 0}},
                    WinnerCase{"HumanAndVuruAbove21", {26, 12, 24}, 4, 3, 1, {0, 12, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
