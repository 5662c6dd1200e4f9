#include "game/Deck.h"

#include <algorithm>
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

std::array<CardCode, TDeck::Size> TDeck::BuildOrder() {
    std::array<CardCode, Size> cards;
    int position = 0;
    for (char suit = '1'; suit <= '4'; ++suit)
        for (char rank = '1'; rank <= '8'; ++rank)
            cards[position++] = CardCode{suit, rank};
    return cards;
}

TDeck::TDeck(ClockSource clock) : cards_(BuildOrder()), clock_(std::move(clock)) {}

void TDeck::ShuffleDeck() {
    // The source lives in a local while the cards move: the cards are bytes, and a
    // byte store could alias a member seed, forcing a reload on every draw.
    RandomSource random;
    random.Seed(clock_());
    for (int swap = 0; swap <= 10000; ++swap) {
        const std::uint32_t r1 = random.Next(Size);
        const std::uint32_t r2 = random.Next(Size);
        const CardCode first = cards_[r1];
        const CardCode second = cards_[r2];
        cards_[r1] = second;
        cards_[r2] = first;
    }
    random_ = random;
}

void TDeck::SetCards(const std::array<CardCode, Size>& cards) {
    auto sorted = cards;
    std::sort(sorted.begin(), sorted.end(), [](const CardCode& a, const CardCode& b) {
        return a.suit != b.suit ? a.suit < b.suit : a.rank < b.rank;
    });
    if (sorted != BuildOrder())
        throw std::runtime_error("A deck must hold each of the 32 cards exactly once");
    cards_ = cards;
}
