#pragma once
// The 32-card deck, card values and the shuffle's random source.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// A card code: suit digit '1'..'4' then rank digit '1'..'8'. Two bytes, so a shuffle
// swaps as cheaply as integers do.
struct CardCode {
    char suit = '1';
    char rank = '1';

    std::string Text() const { return std::string{suit, rank}; }
    bool operator==(const CardCode&) const = default;
};

// Value of the rank digit: 7, 8, 9, 10, 2, 3, 4, 11. The suit never matters.
// A rank digit outside '1'..'8' throws std::runtime_error.
int CardValue(CardCode code);

// Where a shuffle takes its seed from; returns the low 32 bits of a counter.
using ClockSource = std::function<std::uint32_t()>;
// The default clock: std::chrono::steady_clock, low 32 bits.
std::uint32_t SteadyClockLow32();

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

class TDeck {
public:
    static constexpr int Size = 32;

    // Builds the deck in build order "11".."18", "21".."48".
    explicit TDeck(ClockSource clock = SteadyClockLow32);

    // Re-seeds from the clock, then 10001 swaps of positions r1 and r2.
    void ShuffleDeck();

    const CardCode& operator[](int position) const { return cards_[position]; }
    const std::array<CardCode, Size>& Cards() const { return cards_; }

    // Puts the cards in the given order; it must hold each of the 32 codes once, or
    // std::runtime_error is thrown and the deck stays as it was. Lets a test stack the deck.
    void SetCards(const std::array<CardCode, Size>& cards);

    // The random source's seed as the last shuffle left it.
    std::uint32_t SeedValue() const { return random_.SeedValue(); }

    // "11".."18", "21".."28", "31".."38", "41".."48".
    static std::array<CardCode, Size> BuildOrder();

private:
    std::array<CardCode, Size> cards_;
    ClockSource clock_;
    RandomSource random_;
};
