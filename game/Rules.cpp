#include "game/Rules.h"

namespace {

// Computer seats draw while their total is below this.
constexpr std::int32_t DrawLimit = 16;
constexpr std::int32_t Highest = 21;

} // namespace

int HandTotal(const Hand& hand) {
    int total = 0;
    for (const CardCode& card : hand)
        total += CardValue(card);
    return total;
}

bool CountsNothing(std::int32_t total) {
    return total > Highest;
}

std::int32_t CountedTotal(std::int32_t total) {
    return CountsNothing(total) ? 0 : total;
}

int Winner(const std::array<std::int32_t, 3>& counted,
           const std::array<std::size_t, 3>& cardCounts) {
    const std::int32_t human = counted[Seat::Human];
    const std::int32_t bank = counted[Seat::Bank];
    const std::int32_t vuru = counted[Seat::Vuru];
    if (human > bank && human > vuru)
        return Seat::Human;
    if (bank >= human && bank >= vuru)
        return Seat::Bank;
    if (vuru > bank && vuru > human)
        return Seat::Vuru;
    // What is left is the human and Vuru tied above the Bank.
    return cardCounts[Seat::Human] > cardCounts[Seat::Vuru] ? Seat::Vuru : Seat::Human;
}

bool ComputerSeatDraws(std::int32_t total) {
    return total < DrawLimit;
}

ShuffleResult Shuffle(const DeckOrder& cards, std::uint32_t seed) {
    // Everything lives in locals while the cards move: the cards are bytes, and a byte
    // store could alias a seed kept in memory, forcing a reload on every draw.
    DeckOrder order = cards;
    RandomSource random;
    random.Seed(seed);
    for (int swap = 0; swap <= 10000; ++swap) {
        const std::uint32_t r1 = random.Next(DeckSize);
        const std::uint32_t r2 = random.Next(DeckSize);
        const CardCode first = order[r1];
        const CardCode second = order[r2];
        order[r1] = second;
        order[r2] = first;
    }
    return {order, random.SeedValue()};
}
