#include "game/Deck.h"
#include "game/Rules.h"

#include "DeckText.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

ClockSource FixedClock(std::uint32_t seed) {
    return [seed] { return seed; };
}

TEST(Deck, BuildsInSuitThenRankOrder) {
    EXPECT_EQ(Joined(TDeck(FixedClock(0)).Cards()),
              "11 12 13 14 15 16 17 18 21 22 23 24 25 26 27 28 "
              "31 32 33 34 35 36 37 38 41 42 43 44 45 46 47 48");
}

TEST(Deck, CardValueDependsOnTheRankOnly) {
    const int byRank[8] = {7, 8, 9, 10, 2, 3, 4, 11};
    int total = 0;
    for (const CardCode& card : TDeck::BuildOrder()) {
        SCOPED_TRACE(card.Text());
        EXPECT_EQ(CardValue(card), byRank[card.rank - '1']);
        total += CardValue(card);
    }
    EXPECT_EQ(total, 216);
}

TEST(Deck, CardValueRejectsARankThatIsNoCard) {
    for (char rank : {'0', '9', '\0', 'A'})
        EXPECT_THROW(CardValue(CardCode{'1', rank}), std::runtime_error) << int(rank);
}

TEST(Deck, EveryShuffleReseedsFromTheClockAndStartsFromTheCurrentOrder) {
    std::vector<std::uint32_t> seeds{0, 0xDEADBEEFu};
    std::size_t calls = 0;
    TDeck deck([&] { return seeds.at(calls++); });
    EXPECT_EQ(calls, 0u);
    deck.ShuffleDeck();
    deck.ShuffleDeck();
    EXPECT_EQ(calls, 2u);
    const DeckOrder once = Shuffle(TDeck::BuildOrder(), 0).cards;
    EXPECT_EQ(Joined(deck.Cards()), Joined(Shuffle(once, 0xDEADBEEFu).cards));
}

} // namespace
