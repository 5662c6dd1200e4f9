// The state a table is drawn from: the deal's phase and the last winner.
#include "game/DealFlow.h"

#include <gtest/gtest.h>

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
    void ShowMessageBox(const QString&) override { winnerAtBox = flow->LastWinner; }
    bool AskYesNo(const QString&, const QString&) override { return true; }

    DealFlow* flow = nullptr;
    int yellow = -1;
    std::optional<int> winnerAtBox;
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

} // namespace
