#pragma once
// Spoken names of the cards, for screen readers.

#include "game/Deck.h"

#include <QString>

// "Piros ász", "Tök hetes", ... Suits 1..4 are Piros, Tök, Zöld, Makk.
QString CardName(CardCode code);

// What a face-down card is called.
QString FaceDownCardName();
