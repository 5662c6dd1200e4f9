#pragma once
// The 32-card deck, card values and where a shuffle takes its seed from.

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

inline constexpr int DeckSize = 32;
// The deck's cards in dealing order: each of the 32 codes once.
using DeckOrder = std::array<CardCode, DeckSize>;

// Where a shuffle takes its seed from; returns the low 32 bits of a counter.
using ClockSource = std::function<std::uint32_t()>;
// The default clock: std::chrono::steady_clock, low 32 bits.
std::uint32_t SteadyClockLow32();

// Gives the deck its next order from its current one.
using DeckShuffle = std::function<DeckOrder(const DeckOrder&)>;
// The game's shuffle, seeded afresh from `clock` every time it runs.
DeckShuffle ClockShuffle(ClockSource clock);

class TDeck {
public:
    static constexpr int Size = DeckSize;

    // Builds the deck in build order "11".."18", "21".."48". Every ShuffleDeck re-seeds
    // the game's shuffle from `clock`.
    explicit TDeck(ClockSource clock = SteadyClockLow32);
    // The same deck, reordered by `shuffle` instead: a test hands a deal the deck it wants.
    explicit TDeck(DeckShuffle shuffle);

    void ShuffleDeck();

    const CardCode& operator[](int position) const { return cards_[position]; }
    const DeckOrder& Cards() const { return cards_; }

    // "11".."18", "21".."28", "31".."38", "41".."48".
    static DeckOrder BuildOrder();

private:
    DeckOrder cards_;
    DeckShuffle shuffle_;
};
