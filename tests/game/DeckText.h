#pragma once
// A deck order as its card codes, "11 12 ...", so a failing comparison shows the cards.

#include "game/Deck.h"

#include <string>

inline std::string Joined(const DeckOrder& cards) {
    std::string text;
    for (const CardCode& card : cards)
        text += (text.empty() ? "" : " ") + card.Text();
    return text;
}
