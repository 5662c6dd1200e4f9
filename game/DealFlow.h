#pragma once
// The course of a deal: dealing, drawing, standing, the winner and the settlement.

#include "game/Deck.h"
#include "game/Results.h"
#include "game/Table.h"

#include <array>
#include <cstdint>
#include <vector>

using Hand = std::vector<CardCode>;

class DealFlow {
public:
    DealFlow(Table& table, TBeall& results, ClockSource clock = SteadyClockLow32);

    void aUjExecute();
    void aLapotExecute();
    void aMegallExecute();
    void aEredmenyTorolExecute();

    void DealCard(int seat);
    void FinishDeal();
    int DecideWinner();

    TDeck Deck;
    bool Revealed = false;
    std::array<Hand, 3> Hands;
    std::int32_t NextCard = 0;
    std::array<std::int32_t, 3> Scores{0, 0, 0};

private:
    Table& table_;
    TBeall& results_;
};
