#include "game/Deck.h"

#include "game/Rules.h"

#include <chrono>
#include <stdexcept>
#include <utility>

int CardValue(CardCode code) {
    static constexpr int ValueByRank[8] = {7, 8, 9, 10, 2, 3, 4, 11};
    // A code that never came from the deck must not read outside the table.
    if (code.rank < '1' || code.rank > '8')
        throw std::runtime_error("Invalid card code: " + code.Text());
    return ValueByRank[code.rank - '1'];
}

std::uint32_t SteadyClockLow32() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

DeckOrder TDeck::BuildOrder() {
    DeckOrder cards;
    int position = 0;
    for (char suit = '1'; suit <= '4'; ++suit)
        for (char rank = '1'; rank <= '8'; ++rank)
            cards[position++] = CardCode{suit, rank};
    return cards;
}

DeckShuffle ClockShuffle(ClockSource clock) {
    return [clock = std::move(clock)](const DeckOrder& cards) {
        return Shuffle(cards, clock()).cards;
    };
}

TDeck::TDeck(ClockSource clock) : TDeck(ClockShuffle(std::move(clock))) {}

TDeck::TDeck(DeckShuffle shuffle) : cards_(BuildOrder()), shuffle_(std::move(shuffle)) {}

void TDeck::ShuffleDeck() {
    cards_ = shuffle_(cards_);
}
