#pragma once
// The course of a deal: dealing, drawing, standing, the winner and the settlement.

#include "game/Deck.h"
#include "game/Results.h"
#include "game/Rules.h"
#include "game/Table.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

enum class DealPhase { BetweenDeals, InDeal };

// Each action runs its steps in a fixed order and catches nothing: an exception from a
// table operation ends the action there and leaves what was already done in place.
class DealFlow {
public:
    // Builds the deck and shuffles it once, as the table does when it is set up. Touches
    // nothing on `table`, so a window may pass itself while it is still being built.
    DealFlow(Table& table, TBeall& results, ClockSource clock = SteadyClockLow32);
    // Every shuffle, the first one included, is `shuffle`: a test deals from a deck it chose.
    DealFlow(Table& table, TBeall& results, DeckShuffle shuffle);

    // The moves of a deal run only where the deal allows them, whatever pressed them (a key,
    // a screen reader's action, an event queued before a button was disabled): a new deal
    // between deals, a card or a stand during one, and none while a settled deal's box is up.
    // Each says whether it ran (the reset: whether the player said yes).
    bool aUjExecute();
    bool aLapotExecute();
    bool aMegallExecute();
    bool aEredmenyTorolExecute();

    // Appends the next deck card to the seat's hand and shows the new total. Throws
    // std::runtime_error when no card is left instead of reading past the deck.
    void DealCard(int seat);
    void FinishDeal();
    // Counts totals above 21 as 0 (overwriting them in Scores) and returns the winner's seat.
    int DecideWinner();

    TDeck Deck;
    bool Revealed = false;
    std::array<Hand, 3> Hands;
    std::int32_t NextCard = 0;
    std::array<std::int32_t, 3> Scores{0, 0, 0};
    // What the table draws from: whether a deal is under way, and who won the last one
    // (nobody before the first deal ends, and nobody again once a new deal starts).
    DealPhase Phase = DealPhase::BetweenDeals;
    std::optional<int> LastWinner;
    // Called once the record has changed for good (a settled deal, a reset), so its keeper
    // can put it on disk at once. Raises nothing: a keeper reports its own failures.
    std::function<void()> ResultsChanged;

private:
    void KeepResults();
    // The box and the bookkeeping after a settlement; the settlement itself is already kept.
    void EndSettledDeal(int winner);

    Table& table_;
    TBeall& results_;
    // From the settlement until its box has closed and the table is between deals again.
    bool settling_ = false;
};
