// The state a table is drawn from: the deal's phase and the last winner; and the moves that
// the phase refuses.
#include "game/DealFlow.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A table that shows nothing and answers every box.
class BlindTable : public Table {
public:
    void SetScoreText(int, const QString&) override {}
    void SetScoreVisible(int, bool) override {}
    void SetNameColour(int seat, NameColour colour) override {
        if (colour == Yellow)
            yellow = seat;
    }
    void SetActionEnabled(GameAction, bool) override {}
    void ShowCards() override {}
    void ShowResults() override {}
    void HideCardPlace(char, int) override {}
    void ShowMessageBox(const QString&) override {
        winnerAtBox = flow->LastWinner;
        if (atBox)
            atBox();
    }
    bool AskYesNo(const QString&, const QString&) override { return true; }

    DealFlow* flow = nullptr;
    int yellow = -1;
    std::optional<int> winnerAtBox;
    // What happens while the winner's box is up.
    std::function<void()> atBox;
};

TEST(DealState, PhaseAndLastWinnerFollowTheDeals) {
    BlindTable table;
    TBeall results;
    DealFlow flow(table, results, [] { return 777u; });
    table.flow = &flow;
    EXPECT_EQ(flow.Phase, DealPhase::BetweenDeals);
    EXPECT_FALSE(flow.LastWinner) << "nobody has won before the first deal ends";

    for (int deal = 0; deal < 3; ++deal) {
        SCOPED_TRACE(deal);
        flow.aUjExecute();
        EXPECT_EQ(flow.Phase, DealPhase::InDeal);
        EXPECT_FALSE(flow.LastWinner) << "a new deal clears the last winner";
        flow.aMegallExecute();
        EXPECT_EQ(flow.Phase, DealPhase::BetweenDeals);
        ASSERT_TRUE(flow.LastWinner);
        EXPECT_EQ(*flow.LastWinner, table.yellow) << "the winner is the name drawn yellow";
        EXPECT_EQ(table.winnerAtBox, flow.LastWinner) << "known before the box names it";
        // The reset touches the money, not who won the last deal.
        flow.aEredmenyTorolExecute();
        EXPECT_EQ(flow.LastWinner, table.winnerAtBox);
    }
}

struct MoveCase {
    const char* name;
    bool (DealFlow::*move)();
    bool betweenDeals; // the phase the move belongs to
};

class MoveOutOfTurn : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveOutOfTurn, DoesNothingAndEveryDealIsSettledOnce) {
    BlindTable table;
    TBeall results;
    DealFlow flow(table, results, [] { return 777u; });
    table.flow = &flow;
    const auto move = [&] { return (flow.*GetParam().move)(); };
    if (!GetParam().betweenDeals) {
        EXPECT_FALSE(move()) << "no deal to play in yet";
    }
    int boxes = 0;
    table.atBox = [&] {
        ++boxes;
        EXPECT_FALSE(move()) << "pressed while the winner's box is up";
    };
    ASSERT_TRUE(flow.aUjExecute());
    if (GetParam().betweenDeals) {
        EXPECT_FALSE(move()) << "a deal is under way";
    }
    ASSERT_TRUE(flow.aMegallExecute());
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(results.Win1 + results.Win2 + results.Win3, 1);
    EXPECT_EQ(WrapAdd(WrapAdd(results.Money1, results.Money2), results.Money3), 3000);
    EXPECT_EQ(flow.Phase, DealPhase::BetweenDeals);
    EXPECT_TRUE(flow.aUjExecute()) << "the next deal once the box is gone";
}

INSTANTIATE_TEST_SUITE_P(DealState, MoveOutOfTurn,
                         testing::Values(MoveCase{"NewDeal", &DealFlow::aUjExecute, true},
                                         MoveCase{"OneMoreCard", &DealFlow::aLapotExecute, false},
                                         MoveCase{"Stand", &DealFlow::aMegallExecute, false}),
                         [](const testing::TestParamInfo<MoveCase>& info) {
                             return info.param.name;
                         });

} // namespace
