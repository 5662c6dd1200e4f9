#include "RecordingTable.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Log = std::vector<std::string>;

std::vector<std::string> Codes(const Hand& hand) {
    std::vector<std::string> codes;
    for (const CardCode& card : hand)
        codes.push_back(card.Text());
    return codes;
}

// What every finished deal ends with once the computer seats have drawn out: `drawing` (what
// came before), the reveal with `shown` cards per seat, the winner's colour and message, the
// action states and the results.
Log Finished(Log drawing, const std::string& shown, int winner) {
    static const char* const announcement[] = {"Te győztél", "Bank nyert", "Vuru nyert"};
    drawing.insert(drawing.end(),
                   {"show label 1", "show label 2", "cards " + shown + " up", "disable aMegall",
                    "colour " + std::to_string(winner) + " yellow",
                    std::string("message ") + announcement[winner], "enable aUj", "results"});
    return drawing;
}

int CardsDealt(const DealFlow& flow) {
    return std::accumulate(flow.Hands.begin(), flow.Hands.end(), 0,
                           [](int sum, const Hand& hand) { return sum + int(hand.size()); });
}

TEST(DealFlowTest, OpeningDealGoesHumanHumanBankBankVuruVuru) {
    TestGame game;
    game.DealNextFrom({"18", "11", "12", "13", "14", "15"});
    game.flow.aUjExecute();

    Log expected;
    for (int i = 0; i < 6; ++i)
        for (char letter : {'a', 'b', 'c'})
            expected.push_back(std::string("hide ") + letter + std::to_string(i));
    expected.insert(expected.end(),
                    {"score 0 = 11", "score 0 = 18", "score 1 = 8", "score 1 = 17", "score 2 = 10",
                     "score 2 = 12", "cards 2 2 2 down", "disable aUj", "enable aLapot",
                     "enable aMegall", "hide label 1", "hide label 2", "colour 0 white",
                     "colour 1 white", "colour 2 white"});
    EXPECT_EQ(game.table.Log, expected);
    EXPECT_EQ(Codes(game.flow.Hands[0]), (std::vector<std::string>{"18", "11"}));
    EXPECT_EQ(Codes(game.flow.Hands[1]), (std::vector<std::string>{"12", "13"}));
    EXPECT_EQ(Codes(game.flow.Hands[2]), (std::vector<std::string>{"14", "15"}));
    EXPECT_EQ(game.flow.Scores, (std::array<std::int32_t, 3>{18, 17, 12}));
    EXPECT_EQ(game.flow.NextCard, 6);
    EXPECT_FALSE(game.flow.Revealed);
}

TEST(DealFlowTest, NewDealStartsFromEmptyHandsAndZeroTotals) {
    TestGame game;
    game.NewDeal({"18", "14", "11", "13", "12", "22"});
    game.flow.aMegallExecute();
    ASSERT_TRUE(game.flow.Revealed);
    game.NewDeal({"15", "16", "17", "25", "26", "27"});
    EXPECT_EQ(game.flow.Scores, (std::array<std::int32_t, 3>{5, 6, 7}));
    EXPECT_EQ(CardsDealt(game.flow), 6);
    EXPECT_EQ(game.flow.NextCard, 6);
    EXPECT_FALSE(game.flow.Revealed);
    EXPECT_EQ(game.table.ScoreText[2], "7");
}

struct DrawCase {
    const char* name;
    std::vector<std::string> deck;
    Log press; // what one "Még egy lapot!" does on the table
    std::array<std::int32_t, 3> scoresAfter;
};

class OneMoreCard : public testing::TestWithParam<DrawCase> {};

TEST_P(OneMoreCard, DealsHumanThenEachComputerSeatBelow16) {
    TestGame game;
    game.NewDeal(GetParam().deck);
    game.flow.aLapotExecute();
    EXPECT_EQ(game.table.Log, GetParam().press);
    EXPECT_EQ(game.flow.Scores, GetParam().scoresAfter);
    EXPECT_EQ(game.flow.NextCard, CardsDealt(game.flow));
}

INSTANTIATE_TEST_SUITE_P(
    DealFlowTest, OneMoreCard,
    testing::Values(DrawCase{"BothComputerSeatsBelow16",
                             {"15", "16", "17", "25", "26", "27", "11", "12", "13"},
                             {"score 0 = 12", "cards 3 2 2 down", "score 1 = 14",
                              "cards 3 3 2 down", "score 2 = 16", "cards 3 3 3 down"},
                             {12, 14, 16}},
                    DrawCase{"BankAt16TakesNothing",
                             {"15", "16", "11", "13", "17", "25", "12", "21"},
                             {"score 0 = 13", "cards 3 2 2 down", "cards 3 2 2 down",
                              "score 2 = 13", "cards 3 2 3 down"},
                             {13, 16, 13}},
                    // At 21 the player may still draw; going above 21 ends the deal at once.
                    DrawCase{"HumanAbove21FinishesTheDeal",
                             {"18", "14", "15", "16", "11", "13", "12", "21", "22"},
                             Finished({"score 0 = 29", "disable aLapot", "score 1 = 12",
                                       "cards 3 3 2 down", "score 1 = 20", "cards 3 4 2 down"},
                                      "3 4 2", 1),
                             {0, 20, 16}}),
    [](const auto& info) { return std::string(info.param.name); });

struct StandCase {
    const char* name;
    std::vector<std::string> deck;
    Log stand;
    std::array<std::int32_t, 3> counted;
    std::array<std::string, 3> labels;
};

class Stand : public testing::TestWithParam<StandCase> {};

TEST_P(Stand, DrawsOutRevealsAndSettles) {
    TestGame game;
    game.NewDeal(GetParam().deck);
    game.flow.aMegallExecute();
    EXPECT_EQ(game.table.Log, GetParam().stand);
    EXPECT_EQ(game.flow.Scores, GetParam().counted);
    for (int seat = 0; seat < 3; ++seat)
        EXPECT_EQ(game.table.ScoreText[seat], GetParam().labels[seat]) << seat;
    EXPECT_TRUE(game.flow.Revealed);
    EXPECT_EQ(game.flow.NextCard, CardsDealt(game.flow));
}

INSTANTIATE_TEST_SUITE_P(
    DealFlowTest, Stand,
    testing::Values(
        // Each new card comes face down; all turn up together at the end.
        StandCase{"BankDrawsOutBeforeVuru",
                  {"14", "13", "15", "16", "17", "25", "11", "12", "21", "22"},
                  Finished({"disable aLapot", "score 1 = 12", "cards 2 3 2 down", "score 1 = 20",
                            "cards 2 4 2 down", "score 2 = 13", "cards 2 4 3 down", "score 2 = 21",
                            "cards 2 4 4 down"},
                           "2 4 4", 2),
                  {19, 20, 21},
                  {"19", "20", "21"}},
        StandCase{"HumanWins",
                  {"18", "14", "11", "13", "12", "22"},
                  Finished({"disable aLapot"}, "2 2 2", 0),
                  {21, 16, 16},
                  {"21", "16", "16"}},
        // Two elevens make 22: nothing looks at it until the end, where it counts 0.
        StandCase{"OpeningTwentyTwoCountsNothing",
                  {"18", "28", "11", "13", "12", "22"},
                  Finished({"disable aLapot"}, "2 2 2", 1),
                  {0, 16, 16},
                  {"22", "16", "16"}},
        StandCase{"ComputerSeatDealt22DrawsNothing",
                  {"11", "12", "38", "48", "13", "21"},
                  Finished({"disable aLapot"}, "2 2 2", 2),
                  {15, 0, 16},
                  {"15", "22", "16"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DealFlowTest, OpeningTwentyTwoStillLetsThePlayerDrawAndStand) {
    TestGame game;
    game.NewDeal({"18", "28", "11", "13", "12", "22"});
    EXPECT_EQ(game.flow.Scores[0], 22);
    EXPECT_TRUE(game.table.Enabled[GameAction::aLapot]);
    EXPECT_TRUE(game.table.Enabled[GameAction::aMegall]);
}

struct StateCase {
    const char* name;
    std::vector<bool (DealFlow::*)()> actions;
    bool uj, lapot, megall;
};

class ActionStates : public testing::TestWithParam<StateCase> {};

TEST_P(ActionStates, FollowTheDeal) {
    TestGame game;
    // The player stands at 21 and busts with the next card.
    game.DealNextFrom({"18", "14", "11", "13", "12", "22", "15", "16"});
    for (auto action : GetParam().actions)
        (game.flow.*action)();
    EXPECT_EQ(game.table.Enabled[GameAction::aUj], GetParam().uj);
    EXPECT_EQ(game.table.Enabled[GameAction::aLapot], GetParam().lapot);
    EXPECT_EQ(game.table.Enabled[GameAction::aMegall], GetParam().megall);
}

INSTANTIATE_TEST_SUITE_P(
    DealFlowTest, ActionStates,
    testing::Values(StateCase{"BeforeTheFirstDeal", {}, true, false, false},
                    StateCase{"InADeal", {&DealFlow::aUjExecute}, false, true, true},
                    StateCase{"AfterAStillRunningDraw",
                              {&DealFlow::aUjExecute, &DealFlow::aEredmenyTorolExecute},
                              false,
                              true,
                              true},
                    StateCase{"AfterStanding",
                              {&DealFlow::aUjExecute, &DealFlow::aMegallExecute},
                              true,
                              false,
                              false},
                    StateCase{"AfterGoingAbove21",
                              {&DealFlow::aUjExecute, &DealFlow::aLapotExecute},
                              true,
                              false,
                              false}),
    [](const auto& info) { return std::string(info.param.name); });

struct ResetCase {
    const char* name;
    bool answer;
    Log log;
    TBeall after;
};

class Reset : public testing::TestWithParam<ResetCase> {};

TBeall Played() {
    TBeall results;
    results.Money1 = 12;
    results.Money2 = -40;
    results.Money3 = 7000;
    results.Win1 = 3;
    results.Win2 = 4;
    results.Win3 = 5;
    results.Pot = 77;
    results.Name = QStringLiteral("Józsi");
    return results;
}

TBeall Cleared() {
    TBeall results = Played();
    results.Money1 = results.Money2 = results.Money3 = 1000;
    results.Win1 = results.Win2 = results.Win3 = 0;
    return results;
}

TEST_P(Reset, AsksFirstAndKeepsStakeAndName) {
    TestGame game;
    game.results = Played();
    game.table.Answer = GetParam().answer;
    // A reset is kept for good as it happens; a "No" changes nothing to keep.
    game.flow.ResultsChanged = [&game] { game.table.Log.push_back("kept"); };
    game.flow.aEredmenyTorolExecute();
    EXPECT_EQ(game.table.Log, GetParam().log);
    EXPECT_EQ(game.results, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    DealFlowTest, Reset,
    testing::Values(
        ResetCase{"Yes",
                  true,
                  {"ask Valóban nullázzam az eredményeket? | Megerősítés", "kept", "results"},
                  Cleared()},
        ResetCase{"No", false, {"ask Valóban nullázzam az eredményeket? | Megerősítés"}, Played()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DealFlowTest, DealCardRefusesToReadPastTheDeck) {
    TestGame game;
    for (std::int32_t position : {32, -1}) {
        game.flow.NextCard = position;
        EXPECT_THROW(game.flow.DealCard(0), std::runtime_error);
        EXPECT_TRUE(game.flow.Hands[0].empty());
        EXPECT_EQ(game.flow.Scores[0], 0);
        EXPECT_TRUE(game.table.Log.empty());
    }
}

} // namespace
