#pragma once
// The rules of a deal as plain functions of plain values: who wins, when a computer seat
// draws, and how the deck is shuffled. The deal flow applies them; nothing here keeps state.

#include "game/Deck.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Seat numbers, the order of every per-seat array.
namespace Seat {
inline constexpr int Human = 0;
inline constexpr int Bank = 1;
inline constexpr int Vuru = 2;
} // namespace Seat

// The letter of each seat's card places, by seat number: 'a' the human, 'b' the Bank,
// 'c' Vuru. The places are named by it ("a0".."a5", ...).
inline constexpr std::array<char, 3> SeatLetters{'a', 'b', 'c'};

// The seat whose card places `letter` names; -1 for any other letter.
constexpr int SeatOfLetter(char letter) {
    for (int seat = 0; seat < int(SeatLetters.size()); ++seat)
        if (SeatLetters[seat] == letter)
            return seat;
    return -1;
}

// A seat's cards, in the order they came.
using Hand = std::vector<CardCode>;

// A hand's total: the sum of its cards' values, also above 21, as its score label shows it.
int HandTotal(const Hand& hand);

// A total above 21; it counts as nothing at the end of the deal.
bool CountsNothing(std::int32_t total);
// The total the winner is decided on: 0 for a total above 21, the total itself otherwise.
std::int32_t CountedTotal(std::int32_t total);

// The winner's seat from the counted totals and the number of cards each seat holds. The
// Bank wins every tie for the top; between the human and Vuru on equal totals above the
// Bank, fewer cards win and equal counts go to the human.
int Winner(const std::array<std::int32_t, 3>& counted,
           const std::array<std::size_t, 3>& cardCounts);

// Whether the Bank or Vuru takes another card at this total: below 16 it always does.
bool ComputerSeatDraws(std::int32_t total);

// The game's linear-congruential source: seed = seed * 134775813 + 1 (mod 2^32),
// a draw of range N is the upper half of the 64-bit product seed * N.
class RandomSource {
public:
    void Seed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t SeedValue() const { return seed_; }
    std::uint32_t Next(std::uint32_t range) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * range) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};

struct ShuffleResult {
    DeckOrder cards;
    std::uint32_t seedAfter;
};

// 10001 swaps of the positions r1 and r2, each pair drawn from `seed` onwards, r1 first.
ShuffleResult Shuffle(const DeckOrder& cards, std::uint32_t seed);
