#pragma once
// The lines a screen reader speaks about the table, built from the game's state.

#include "game/DealFlow.h"

#include <QString>

#include <array>

// The total a hand reached, as its score label shows it (also above 21).
int HandTotal(const Hand& hand);

// "Tarvesz: Piros ász, Makk felső, összesen 14"
QString HandLine(const QString& who, const Hand& hand);

// During a deal: the player's cards and total, then how many cards each computer seat holds.
QString DealLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands);

// At the end of a deal: every hand with its total.
QString FinalLine(const std::array<QString, 3>& names, const std::array<Hand, 3>& hands);
